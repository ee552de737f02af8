#include "shell/frmMDI.h"

#include "moon/moon_today.h"
#include "shell/clock.h"
#include "shell/page_links.h"
#include "shell/widgets/screen_fit.h"
#include "shell/sub_programs.h"
#include "shell/vendor_links.h"
#include "shell/version.h"
#include "shell/widgets/link_label.h"
#include "shell/widgets/moon_phase_box.h"
#include "shell/widgets/picture_box.h"
#include "ui_frmMDI.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QScrollArea>
#include <QStyle>
#include <QTimeZone>
#include <QTimer>

#include <algorithm>

namespace {
// Which sub-program each button opens; the link captions 3, 4 and 5 open those of buttons 0, 1 and 2.
SubWindow buttonProgram(int index)
{
    switch (index) {
    case 0: return SubWindow::Divination;
    case 1: return SubWindow::Healing;
    default: return SubWindow::Entry;
    }
}

bool isLinkCaption(int index)
{
    return index >= 3 && index <= 5;
}

// The captions take their look from the program's theme, which underlines a caption whose
// "underlined" property is set when the style dresses it again.
void setUnderlined(QLabel* caption, bool underlined)
{
    if (caption->property("underlined").toBool() == underlined)
        return;
    caption->setProperty("underlined", underlined);
    caption->style()->unpolish(caption);
    caption->style()->polish(caption);
}

// The welcome panel's night sky: a radial gradient, drawn at a quarter of the panel's size and
// stretched smoothly, which looks the same as drawing it whole at a sixteenth of the work.
void paintNightSky(QWidget* panel)
{
    constexpr int Shrink = 4;
    static QImage sky;
    const QSize small((panel->width() + Shrink - 1) / Shrink, (panel->height() + Shrink - 1) / Shrink);
    if (sky.size() != small) {
        sky = QImage(small, QImage::Format_RGB32);
        QRadialGradient gradient(QPointF(0.5, 0.35), 0.9, QPointF(0.5, 0.3));
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setColorAt(0, QColor(0x17, 0x20, 0x4a));
        gradient.setColorAt(1, QColor(0x04, 0x06, 0x0e));
        QPainter(&sky).fillRect(sky.rect(), gradient);
    }
    QPainter painter(panel);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), small * Shrink), sky);
}

// The Moon today is looked at again at its next change, and at least every hour, should the
// computer have slept or its clock been set.
constexpr qint64 Longest_Moon_Wait_Ms = 3'600'000;
// The Moon today (some 7 M instructions with its first text laid out and the Swiss Ephemeris
// opened) comes a tenth of a second after the launcher's first frame, not in the same turn of
// the event loop: the frame reaches the screen first.
constexpr int Moon_After_First_Frame_Ms = 100;

// Shows a sub-program's first window after every sub-program window was closed.
void openSubProgram(SubWindow program)
{
    if (QWidget* window = Sub_Programs::obtain(program)) {
        window->show();
        Sub_Programs::placeAtTopCentre(window);
    }
}
}  // namespace

frmMDI::frmMDI(QWidget* parent) : QMainWindow(parent), ui(new Ui::frmMDI)
{
    ui->setupUi(this);
    setWindowTitle(Program_Title_And_Version);
    for (int index : {0, 1, 2}) {
        auto* button = findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(index));
        connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
    }
    for (int index = 0; index <= 5; ++index) {
        CaptionLabel* label = caption(index);
        connect(label, &CaptionLabel::clicked, this, [this, index] { lblCaption_Click(index); });
        connect(label, &CaptionLabel::mouseMoved, this, [this, index] { lblCaption_MouseMove(index); });
    }
    welcomeScroll = Scroll_Body(ui->picMain);
    ui->picMain->setMouseTracking(true);
    ui->picMain->installEventFilter(this);
    connect(ui->cmdMdiExit, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMDI::mnuExit_Click);
    connect(ui->cmdMDIDonate, &QPushButton::clicked, this, &frmMDI::cmdMDIDonate_Click);
    connect(ui->mnuMoonCalendar, &QAction::triggered, this, &frmMDI::mnuMoonCalendar_Click);
    connect(ui->picMoonToday, &MoonPhaseBox::clicked, this, &frmMDI::mnuMoonCalendar_Click);
    connect(ui->lblMoonToday, &LinkLabel::clicked, this, &frmMDI::mnuMoonCalendar_Click);
    connect(ui->Picture6, &LinkFrame::clicked, this, [] { Open_Page(QStringLiteral("home-page")); });
    Connect_Vendor_Links(this);
    MDIForm_Load();
}

frmMDI::~frmMDI()
{
    delete ui;
}

CaptionLabel* frmMDI::caption(int index) const
{
    return findChild<CaptionLabel*>(QStringLiteral("lblCaption_%1").arg(index));
}

void frmMDI::MDIForm_Load()
{
    ui->imgDecoration->showDrawing("app/decoration");
    ui->imgIconLeft->showDrawing("app/icon");
    ui->imgIconRight->showDrawing("app/icon");
    const QCursor pointer(Render_Drawing("app/pointer", 32), 4, 2);
    for (int index = 3; index <= 5; ++index) {
        caption(index)->setCursor(pointer);
        caption(index)->setFocusPolicy(Qt::StrongFocus);
        caption(index)->setAccessibleName(QStringLiteral("Open ") + caption(index)->text());
        caption(index)->setAccessibleDescription(QStringLiteral("Opens %1").arg(caption(index)->text()));
    }
    ui->lblMoonToday->setFocusPolicy(Qt::StrongFocus);
    ui->lblMoonToday->setCursor(Qt::PointingHandCursor);
    Welcome_Panel::attach(ui->picMain);
}

// Fitted to the screen when first shown, not when made: the window exists then, and where the
// platform frames windows itself its frame is known, so the launcher is fitted once.
void frmMDI::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!fittedToScreen) {
        fittedToScreen = true;
        Keep_On_Screen(this);
    }
}

// While a sub-program is open the launcher is only its three strips, docked at the bottom of the
// screen where the sub-program windows, placed at the top, leave it visible; when the welcome
// panel returns, so does the launcher's size and place.
void frmMDI::followWelcomePanel()
{
    const bool dock = ui->picMain->isHidden();
    if (dock == docked)
        return;
    docked = dock;
    welcomeScroll->setVisible(!dock);
    tightenStrips(dock);
    if (!dock) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setGeometry(undockedGeometry);
        return;
    }
    undockedGeometry = geometry();
    // Twice: at the narrower width some strip may need another height.
    for (int pass = 0; pass < 2; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        setFixedSize(sizeHint());
    }
    Place_Frame(this, Screen_Area(this), FramePlace::BottomCentre);
    for (SubWindow kind : {SubWindow::Divination, SubWindow::Healing, SubWindow::Entry, SubWindow::Display, SubWindow::Report, SubWindow::MoonCalendar})
        if (QWidget* window = Sub_Programs::instance(kind); window && window->isVisible())
            Sub_Programs::placeAtTopCentre(window);
}

// Docked, the strips keep thin margins and the menu bar hides (each sub-program window has the
// same menus), leaving the sub-program above as much of the screen as they can.
void frmMDI::tightenStrips(bool tight)
{
    constexpr int Tight_Margin = 2;
    ui->menuBar->setVisible(!tight);
    const QList<QFrame*> strips = {ui->Picture6, ui->Picture1, ui->PicCoBrand};
    if (stripMargins.isEmpty())
        for (QFrame* strip : strips)
            stripMargins << strip->layout()->contentsMargins();
    for (qsizetype at = 0; at < strips.size(); ++at) {
        QMargins margins = stripMargins[at];
        if (tight)
            margins.setTop(Tight_Margin), margins.setBottom(Tight_Margin);
        strips[at]->layout()->setContentsMargins(margins);
    }
}

void frmMDI::cmdSelectOption_Click(int index)
{
    Sub_Programs::closeAll();
    Welcome_Panel::setVisible(false);
    openSubProgram(buttonProgram(index));
}

void frmMDI::lblCaption_Click(int index)
{
    Sub_Programs::closeAll();
    if (!isLinkCaption(index))
        return;
    Welcome_Panel::setVisible(false);
    openSubProgram(buttonProgram(index - 3));
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (isLinkCaption(index))
        setUnderlined(caption(index), true);
}

void frmMDI::picMain_MouseMove()
{
    for (int index = 0; index <= 5; ++index)
        setUnderlined(caption(index), false);
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->picMain && event->type() == QEvent::Paint) {
        paintNightSky(ui->picMain);
        if (!moonTimer) {
            moonTimer = new QTimer(this);
            moonTimer->setSingleShot(true);
            connect(moonTimer, &QTimer::timeout, this, &frmMDI::showMoonToday);
            moonTimer->start(Moon_After_First_Frame_Ms);
        }
    }
    if (watched == ui->picMain && event->type() == QEvent::MouseMove)
        picMain_MouseMove();
    if (watched == ui->picMain && (event->type() == QEvent::HideToParent || event->type() == QEvent::ShowToParent))
        followWelcomePanel();
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::cmdMdiExit_Click()
{
    close();
}

void frmMDI::mnuExit_Click()
{
    close();
}

void frmMDI::cmdMDIDonate_Click()
{
    if (QWidget* donate = Sub_Programs::obtain(SubWindow::Donation)) {
        donate->show();
        donate->raise();
    }
}

// The Moon's sign, phase and stone now, in the computer's zone, until its next change.
void frmMDI::showMoonToday()
{
    const QDateTime now = Clock::now();
    const MoonToday today = Moon_Today(now, QTimeZone::systemTimeZone());
    ui->lblMoonToday->setText(today.text);
    ui->picMoonToday->setElongation(today.elongation);
    ui->fraMoonToday->setVisible(!today.text.isEmpty());
    moonTimer->start(static_cast<int>(std::clamp(now.msecsTo(today.nextChange), qint64{1000}, Longest_Moon_Wait_Ms)));
}

void frmMDI::mnuMoonCalendar_Click()
{
    Sub_Programs::closeAll();
    Welcome_Panel::setVisible(false);
    openSubProgram(SubWindow::MoonCalendar);
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    MDIForm_Unload();
}

void frmMDI::MDIForm_Unload()
{
    Quit_Program();
}
