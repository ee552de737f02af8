#include "divination/frmCrystalDivinationMain.h"

#include "divination/crystal_draw.h"
#include "divination/divination_crystals.h"
#include "divination/divination_pictures.h"
#include "shell/widgets/screen_fit.h"
#include "shell/random_source.h"
#include "shell/sub_programs.h"
#include "shell/table_text.h"
#include "shell/vendor_links.h"
#include "ui_frmCrystalDivinationMain.h"

#include <QCloseEvent>
#include <algorithm>

namespace {

std::string_view longestReading()
{
    const auto& rows = Divination_Crystals::Rows;
    return std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
               return a.reading.size() < b.reading.size();
           })->reading;
}
}  // namespace

frmCrystalDivinationMain::frmCrystalDivinationMain(QWidget* parent)
    : SubProgramWindow(parent), ui(new Ui::frmCrystalDivinationMain)
{
    ui->setupUi(this);
    Scroll_Body(centralWidget());
    connect(ui->picCrystal, &PictureBox::clicked, this, &frmCrystalDivinationMain::picCrystal_Click);
    connect(ui->cmdRefresh, &QPushButton::clicked, this, &frmCrystalDivinationMain::cmdRefresh_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmCrystalDivinationMain::mnuExit_Click);
    Connect_Vendor_Links(this);
    keepRoomForLongestReading();
    Form_Load();
}

frmCrystalDivinationMain::~frmCrystalDivinationMain()
{
    delete ui;
}

void frmCrystalDivinationMain::Form_Load()
{
    Sub_Programs::placeAtTopCentre(this);
    showReadyView();
}

void frmCrystalDivinationMain::picCrystal_Click()
{
    DrawCrystal();
}

void frmCrystalDivinationMain::DrawCrystal()
{
    const int number = Crystal_Number(Random_Source::uniform());
    const DivinationCrystal& crystal = Divination_Crystals::crystal(number);
    ui->lblCrystalName->setText(To_QString(crystal.name));
    ui->lblCrystalName->show();
    ui->lblCrystalDesc->setText(To_QString(crystal.reading));
    showResultToScreenReaders(To_QString(crystal.name), To_QString(crystal.reading));
    ui->picCrystal->showPicture(Divination_IMG, crystal.picture);
    ui->picCrystal->setEnabled(false);
    ui->picCrystal->unsetCursor();
}

void frmCrystalDivinationMain::cmdRefresh_Click()
{
    showReadyView();
}

// The reading takes the focus, named after the crystal, so a screen reader says the crystal's
// name and then its reading the moment it is drawn.
void frmCrystalDivinationMain::showResultToScreenReaders(const QString& name, const QString& reading)
{
    QLabel* result = ui->lblCrystalDesc;
    result->setAccessibleName(name);
    result->setAccessibleDescription(reading);
    result->setFocusPolicy(Qt::StrongFocus);
    result->setFocus(Qt::OtherFocusReason);
}

void frmCrystalDivinationMain::showReadyView()
{
    const bool resultHadFocus = ui->lblCrystalDesc->hasFocus();
    ui->lblCrystalDesc->setFocusPolicy(Qt::NoFocus);
    ui->lblCrystalDesc->setAccessibleName(QString());
    ui->lblCrystalDesc->setAccessibleDescription(QString());
    ui->lblCrystalName->clear();
    ui->lblCrystalName->hide();  // no empty band above the introduction
    ui->lblCrystalDesc->setText(To_QString(Divination_Crystals::Introduction));
    ui->picCrystal->showPicture(Divination_IMG, Divination_Pictures::Starting_Picture);
    ui->picCrystal->setEnabled(true);
    ui->picCrystal->setCursor(Qt::PointingHandCursor);
    if (resultHadFocus)
        ui->picCrystal->setFocus(Qt::OtherFocusReason);
}

// The reading area is as tall as the longest reading needs at the area's narrowest, so the
// window can never be made so small that a reading is cut off.
void frmCrystalDivinationMain::keepRoomForLongestReading()
{
    QLabel* area = ui->lblCrystalDesc;
    area->ensurePolished();
    QLabel probe;
    probe.setFont(area->font());
    probe.setWordWrap(true);
    probe.setText(To_QString(longestReading()));
    area->setMinimumHeight(probe.heightForWidth(area->minimumWidth()));
}

void frmCrystalDivinationMain::mnuExit_Click()
{
    close();
}

