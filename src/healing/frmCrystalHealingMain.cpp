#include "healing/frmCrystalHealingMain.h"

#include "healing/healing_pictures.h"
#include "shell/prompts.h"
#include "shell/sub_programs.h"
#include "shell/table_text.h"
#include "shell/vendor_links.h"
#include "shell/widgets/clipboard_guard.h"
#include "shell/widgets/drawing_icon.h"
#include "ui_frmCrystalHealingMain.h"

#include <QButtonGroup>
#include <QCloseEvent>

namespace {

// The stones pictured along the foot of the start panel, by number.
constexpr int Gallery_Stones[] = {10, 7, 12, 14, 31, 33, 29};

void appendAll(QListWidget* list, std::span<const std::string_view> items)
{
    for (std::string_view item : items)
        list->addItem(To_QString(item));
}

}  // namespace

frmCrystalHealingMain::frmCrystalHealingMain(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::frmCrystalHealingMain), optSearch(new QButtonGroup(this))
{
    ui->setupUi(this);
    for (int index = 0; index <= 3; ++index) {
        optSearch->addButton(findChild<QRadioButton*>(QStringLiteral("optSearch_%1").arg(index)), index);
        auto* back = findChild<QPushButton*>(QStringLiteral("cmdBack_%1").arg(index));
        connect(back, &QPushButton::clicked, this, [this, index] { cmdBack_Click(index); });
    }
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmCrystalHealingMain::cmdNext_Click);
    connect(ui->cboStone, &QComboBox::currentIndexChanged, this, &frmCrystalHealingMain::cboStone_Click);
    connect(ui->cboDiseases, &QComboBox::currentIndexChanged, this, &frmCrystalHealingMain::cboDiseases_Click);
    connect(ui->cboIllness, &QComboBox::currentIndexChanged, this, &frmCrystalHealingMain::cboIllness_Click);
    connect(ui->cboOrgans, &QComboBox::currentIndexChanged, this, &frmCrystalHealingMain::cboOrgans_Click);
    connect(ui->lstStone_Disease, &QListWidget::currentRowChanged, this,
            &frmCrystalHealingMain::lstStone_Disease_Click);
    connect(ui->lstStone_Illness, &QListWidget::currentRowChanged, this,
            &frmCrystalHealingMain::lstStone_Illness_Click);
    connect(ui->lstStone_Organ, &QListWidget::currentRowChanged, this,
            &frmCrystalHealingMain::lstStone_Organ_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmCrystalHealingMain::mnuExit_Click);
    Connect_Vendor_Links(this);
    ClipboardGuard::protect(ui->txtStoneDesc);
    Form_Load();
}

frmCrystalHealingMain::~frmCrystalHealingMain()
{
    delete ui;
}

void frmCrystalHealingMain::Form_Load()
{
    setWindowIcon(Drawing_Icon("app/icon"));
    for (int place = 0; place < static_cast<int>(std::size(Gallery_Stones)); ++place) {
        if (auto* picture = findChild<PictureBox*>(QStringLiteral("imgGallery_%1").arg(place)))
            picture->showPicture(Healing_IMG, Gallery_Stones[place]);
    }
    ui->stkPanels->setCurrentWidget(ui->picMain);
    Sub_Programs::placeAtTopCentre(this);
}

void frmCrystalHealingMain::cmdNext_Click()
{
    struct Search {
        QComboBox* selector;
        std::span<const std::string_view> items;
        QWidget* panel;
    };
    // The searches in the order of the option buttons.
    const Search searches[] = {
        {ui->cboStone, StoneNames(), ui->picSearchByStone},
        {ui->cboDiseases, EntryTexts(EntryKind::PhysicalDisease), ui->picSearchByDisease},
        {ui->cboIllness, EntryTexts(EntryKind::MentalIllness), ui->picSearchByIllness},
        {ui->cboOrgans, EntryTexts(EntryKind::Organ), ui->picSearchByOrgan},
    };

    const int chosen = optSearch->checkedId();
    if (chosen < 0) {
        Prompts::current().showMessage(this, QStringLiteral("Please Select A Search Option"),
                                       Prompts::Icon::Error);
        return;
    }
    const Search& search = searches[chosen];
    for (std::string_view item : search.items)
        search.selector->addItem(To_QString(item));
    search.selector->setCurrentIndex(0);
    ui->stkPanels->setCurrentWidget(search.panel);
}

void frmCrystalHealingMain::cmdBack_Click(int)
{
    ui->cboStone->clear();
    ui->cboOrgans->clear();
    ui->cboIllness->clear();
    ui->cboDiseases->clear();
    ui->stkPanels->setCurrentWidget(ui->picMain);
}

void frmCrystalHealingMain::cboStone_Click()
{
    if (ui->cboStone->currentIndex() >= 0)
        showStone(ui->cboStone->currentText().trimmed());
}

void frmCrystalHealingMain::cboDiseases_Click()
{
    showEntryStones(ui->cboDiseases, EntryKind::PhysicalDisease, ui->lstStone_Disease);
}

void frmCrystalHealingMain::cboIllness_Click()
{
    showEntryStones(ui->cboIllness, EntryKind::MentalIllness, ui->lstStone_Illness);
}

void frmCrystalHealingMain::cboOrgans_Click()
{
    showEntryStones(ui->cboOrgans, EntryKind::Organ, ui->lstStone_Organ);
}

void frmCrystalHealingMain::lstStone_Disease_Click()
{
    if (const QListWidgetItem* item = ui->lstStone_Disease->currentItem())
        showStone(item->text().trimmed());
}

void frmCrystalHealingMain::lstStone_Illness_Click()
{
    if (const QListWidgetItem* item = ui->lstStone_Illness->currentItem())
        showStone(item->text().trimmed());
}

void frmCrystalHealingMain::lstStone_Organ_Click()
{
    if (const QListWidgetItem* item = ui->lstStone_Organ->currentItem())
        showStone(item->text().trimmed());
}

void frmCrystalHealingMain::showEntryStones(const QComboBox* selector, EntryKind kind, QListWidget* stones)
{
    // Emptying a selector (Back) leaves it with no item; there is nothing to look up then.
    if (selector->currentIndex() < 0)
        return;
    const std::string entry = selector->currentText().trimmed().toStdString();
    stones->clear();
    appendAll(stones, StonesForEntry(kind, entry));
    if (stones->count() > 0)
        stones->setCurrentRow(0);
}

void frmCrystalHealingMain::showStone(const QString& name)
{
    ui->lstDiseases->clear();
    ui->lstOrgans->clear();
    ui->lstIllness->clear();
    const std::optional<HealingStone> stone = FindStone(name.toStdString());
    if (!stone)
        return;
    appendAll(ui->lstDiseases, stone->physicalLabels);
    appendAll(ui->lstIllness, stone->mentalLabels);
    appendAll(ui->lstOrgans, stone->organLabels);

    const QString description = To_QString(stone->description);
    ui->txtStoneDesc->setPlainText(description);
    ui->imgStone->showPicture(Healing_IMG, stone->picture);
    ui->lblOrgans->setText(description);
    ui->imgStone_Organ->showPicture(Healing_IMG, stone->picture);
    ui->lblIllness->setText(description);
    ui->imgStone_Illness->showPicture(Healing_IMG, stone->picture);
    ui->lblDisease->setText(description);
    ui->imgStone_Disease->showPicture(Healing_IMG, stone->picture);
}

void frmCrystalHealingMain::mnuExit_Click()
{
    close();
}

void frmCrystalHealingMain::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    Form_Unload();
}

void frmCrystalHealingMain::Form_Unload()
{
    Welcome_Panel::setVisible(true);
}
