#include "moon/frmMoonCalendar.h"

#include "birthplace/place_finder.h"
#include "gemology/gemology_pictures.h"
#include "moon/day_details.h"
#include "moon/ephemeris.h"
#include "shell/clock.h"
#include "shell/prompts.h"
#include "shell/sub_programs.h"
#include "shell/widgets/screen_fit.h"
#include "text/month_names.h"
#include "ui_frmMoonCalendar.h"

#include <QPainter>
#include <QPrinter>
#include <QShortcut>

namespace {

QString Title_Of(int year, int month)
{
    const std::string_view name = Month_Names[static_cast<std::size_t>(month - 1)];
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), QString::number(year));
}

}  // namespace

frmMoonCalendar::frmMoonCalendar(QWidget* parent) : SubProgramWindow(parent), ui(new Ui::frmMoonCalendar)
{
    ui->setupUi(this);
    Scroll_Body(centralWidget());
    connect(ui->cmdPrevMonth, &QPushButton::clicked, this, &frmMoonCalendar::cmdPrevMonth_Click);
    connect(ui->cmdNextMonth, &QPushButton::clicked, this, &frmMoonCalendar::cmdNextMonth_Click);
    connect(ui->cmdToday, &QPushButton::clicked, this, &frmMoonCalendar::cmdToday_Click);
    connect(ui->cmdPrintMonth, &QPushButton::clicked, this, &frmMoonCalendar::cmdPrintMonth_Click);
    connect(ui->mnuPrintMonth, &QAction::triggered, this, &frmMoonCalendar::cmdPrintMonth_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(ui->calMonth, &MoonMonthGrid::chosen, this, &frmMoonCalendar::calMonth_Chosen);
    connect(ui->txtCalendarPlace, &QLineEdit::textEdited, this, &frmMoonCalendar::txtCalendarPlace_TextEdited);
    connect(new PlaceFinder(ui->txtCalendarPlace), &PlaceFinder::placeChosen, this, &frmMoonCalendar::choosePlace);
    new QShortcut(QKeySequence(Qt::Key_PageUp), this, this, &frmMoonCalendar::cmdPrevMonth_Click);
    new QShortcut(QKeySequence(Qt::Key_PageDown), this, this, &frmMoonCalendar::cmdNextMonth_Click);
    Form_Load();
}

frmMoonCalendar::~frmMoonCalendar()
{
    delete ui;
}

void frmMoonCalendar::Form_Load()
{
    for (std::string_view name : Month_Names)
        ui->cboMonth->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    for (int year = First_Calendar_Year; year <= Last_Calendar_Year; ++year)
        ui->cboYear->addItem(QString::number(year));
    connect(ui->cboMonth, &QComboBox::activated, this, &frmMoonCalendar::cboMonth_Click);
    connect(ui->cboYear, &QComboBox::activated, this, &frmMoonCalendar::cboMonth_Click);
    ui->lblEphemeris->setText(Ephemeris_Text());
    useComputerZone();
    const QDate today = todayInZone();
    showMonth(std::clamp(today.year(), First_Calendar_Year, Last_Calendar_Year), today.month());
    ui->calMonth->choose(today);
    ui->calMonth->setFocus();
    Sub_Programs::placeAtTopCentre(this);
}

QDate frmMoonCalendar::todayInZone() const
{
    return Clock::now().toTimeZone(zone).date();
}

void frmMoonCalendar::showMonth(int year, int month)
{
    if (!Month_In_Range(year, month))
        return;
    shownYear = year;
    shownMonth = month;
    ui->cboMonth->setCurrentIndex(month - 1);
    ui->cboYear->setCurrentIndex(year - First_Calendar_Year);
    ui->cmdPrevMonth->setEnabled(Month_In_Range(QDate(year, month, 1).addMonths(-1).year(), QDate(year, month, 1).addMonths(-1).month()));
    ui->cmdNextMonth->setEnabled(Month_In_Range(QDate(year, month, 1).addMonths(1).year(), QDate(year, month, 1).addMonths(1).month()));
    ui->calMonth->showMonth(Moon_Month(year, month, zone), todayInZone());
    ui->lblCalendarZone->setText(Zone_Text(zone, zoneName, year, month));
    setWindowTitle(QStringLiteral("Moon Calendar - %1").arg(Title_Of(year, month)));
    showChosenDay();
}

void frmMoonCalendar::setZone(const QTimeZone& newZone, const QString& name)
{
    if (!newZone.isValid())
        return;
    zone = newZone;
    zoneName = name;
    showMonth(shownYear, shownMonth);
}

void frmMoonCalendar::useComputerZone()
{
    zone = QTimeZone::systemTimeZone();
    zoneName = QStringLiteral("this computer's zone, %1").arg(QString::fromUtf8(zone.id()));
}

// Emptying the place brings the computer's zone back.
void frmMoonCalendar::txtCalendarPlace_TextEdited(const QString& text)
{
    if (!text.trimmed().isEmpty() || zoneName.startsWith(QLatin1String("this computer's")))
        return;
    useComputerZone();
    showMonth(shownYear, shownMonth);
}

// A place from the atlas: the month's times on its zone's clock.
void frmMoonCalendar::choosePlace(const AtlasPlace& place)
{
    ui->txtCalendarPlace->setText(place.name);
    const QTimeZone placeZone(place.zoneId);
    if (!placeZone.isValid()) {
        Prompts::current().showMessage(this, QStringLiteral("This computer does not know the time zone of %1 (%2): "
                                                            "the times stay in %3.")
                                                 .arg(place.name, QString::fromUtf8(place.zoneId), zoneName),
                                       Prompts::Icon::Information);
        return;
    }
    const QString where = place.country.isEmpty() ? place.name : QStringLiteral("%1, %2").arg(place.name, place.country);
    setZone(placeZone, QStringLiteral("%1's zone, %2").arg(where, QString::fromUtf8(place.zoneId)));
}

void frmMoonCalendar::turnMonths(int count)
{
    const QDate month = QDate(shownYear, shownMonth, 1).addMonths(count);
    showMonth(month.year(), month.month());
}

void frmMoonCalendar::cmdPrevMonth_Click()
{
    turnMonths(-1);
}

void frmMoonCalendar::cmdNextMonth_Click()
{
    turnMonths(1);
}

void frmMoonCalendar::cmdToday_Click()
{
    const QDate today = todayInZone();
    showMonth(today.year(), today.month());
    ui->calMonth->choose(today);
}

void frmMoonCalendar::cboMonth_Click()
{
    showMonth(First_Calendar_Year + ui->cboYear->currentIndex(), ui->cboMonth->currentIndex() + 1);
}

void frmMoonCalendar::calMonth_Chosen()
{
    showChosenDay();
}

// The chosen day's events, then each sign of the day with its stone, picture and first lines.
void frmMoonCalendar::showChosenDay()
{
    const MoonDay* day = ui->calMonth->chosenDay();
    if (!day)
        return;
    ui->lblDayDetails->setText(Day_Details_Text(*day));
    const std::vector<int> signs = Day_Signs(*day);
    PictureBox* pictures[] = {ui->picDayStone_0, ui->picDayStone_1};
    WrappedLabel* texts[] = {ui->lblDayStone_0, ui->lblDayStone_1};
    for (std::size_t at = 0; at < std::size(pictures); ++at) {
        const bool shown = at < signs.size();
        pictures[at]->setVisible(shown);
        texts[at]->setVisible(shown);
        if (!shown)
            continue;
        const SignStone stone = Sign_Stone(signs[at]);
        pictures[at]->showPicture(ImgMoonSignStone, stone.picture);
        texts[at]->setText(QStringLiteral("<b>Moon in %1: %2</b><br>%3")
                               .arg(stone.sign, stone.stone, stone.opening.toHtmlEscaped()));
    }
}

// The month on one landscape page: its title and zone above the grid.
void frmMoonCalendar::cmdPrintMonth_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Moon Calendar %1").arg(Title_Of(shownYear, shownMonth)));
    if (!Prompts::current().askPrinter(this, printer, false))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        Prompts::current().showMessage(this, QStringLiteral("The month could not be printed: the printer did not start."),
                                       Prompts::Icon::Error);
        return;
    }
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution()).translated(
        -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    QFont font = ui->calMonth->font();
    font.setPointSizeF(9);
    painter.setFont(font);
    const double line = QFontMetricsF(font, &printer).height();
    QFont title = font;
    title.setPointSizeF(14);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), line * 2), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Moon Calendar: %1").arg(Title_Of(shownYear, shownMonth)));
    painter.setFont(font);
    painter.drawText(QRectF(page.left(), page.top() + line * 2, page.width(), line), Qt::AlignLeft,
                     ui->lblCalendarZone->text() + QLatin1Char(' ') + ui->lblEphemeris->text());
    ui->calMonth->paintGrid(painter, QRectF(page.left(), page.top() + line * 3.5, page.width(), page.height() - line * 3.5));
    painter.end();
}
