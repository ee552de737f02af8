#include "healing/frmCrystalHealingMain.h"

#include "healing/catalogue_find.h"
#include "healing/healing_entry_links.h"
#include "healing/healing_pictures.h"
#include "healing/stone_in_readings.h"
#include "shell/widgets/screen_fit.h"
#include "shell/prompts.h"
#include "shell/sub_programs.h"
#include "shell/table_text.h"
#include "shell/vendor_links.h"
#include "shell/widgets/clipboard_guard.h"
#include "shell/widgets/deferred_page.h"
#include "ui_frmCrystalHealingDiseasePanel.h"
#include "ui_frmCrystalHealingIllnessPanel.h"
#include "ui_frmCrystalHealingMain.h"
#include "ui_frmCrystalHealingOrganPanel.h"
#include "ui_frmCrystalHealingStonePanel.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolTip>

#include <algorithm>

namespace {

// The stones pictured along the foot of the start panel, by number.
constexpr int Gallery_Stones[] = {10, 7, 12, 14, 31, 33, 29};

void appendAll(QListWidget* list, std::span<const std::string_view> items)
{
    for (std::string_view item : items)
        list->addItem(To_QString(item));
}

// Where a result of the find list leads: its group and its place in the group's list.
constexpr int Found_Group_Role = Qt::UserRole;
constexpr int Found_Index_Role = Qt::UserRole + 1;
// The find list shows this many rows at most and scrolls for more, like a drop-down list.
constexpr int Found_Rows_Shown = 14;
// The stone whose label a crystal panel item shows.
constexpr int Label_Stone_Role = Qt::UserRole;

// A stone's labels of one kind, each telling in its tooltip where a click on it leads.
void appendLabels(QListWidget* list, EntryKind kind, const HealingStone& stone)
{
    for (std::string_view label : stone.labels(kind)) {
        auto* item = new QListWidgetItem(To_QString(label), list);
        item->setData(Label_Stone_Role, To_QString(stone.name));
        const auto entry = Linked_Entry(kind, stone.name, label);
        item->setToolTip(entry ? QStringLiteral("Show the crystals for \u201c%1\u201d")
                                     .arg(To_QString(EntryTexts(kind)[*entry]))
                               : QStringLiteral("No entry of the catalogue lists %1 for \u201c%2\u201d.")
                                     .arg(To_QString(stone.name), To_QString(label)));
    }
}

// A line of the find list that is no result: a group's heading, or the word that nothing was found.
void addFoundHeading(QListWidget* list, const QString& shown)
{
    auto* item = new QListWidgetItem(shown, list);
    item->setFlags(Qt::NoItemFlags);
    QFont bold = list->font();
    bold.setBold(true);
    item->setFont(bold);
}

}  // namespace

frmCrystalHealingMain::frmCrystalHealingMain(QWidget* parent)
    : SubProgramWindow(parent), ui(new Ui::frmCrystalHealingMain), optSearch(new QButtonGroup(this))
{
    ui->setupUi(this);
    const std::array<QString, 4> panelNames{"picSearchByStone", "picSearchByDisease", "picSearchByIllness",
                                            "picSearchByOrgan"};
    std::array<DeferredPage*, 4> pages{};
    for (int option = 0; option <= 3; ++option) {
        pages[option] = new DeferredPage(panelNames[option], [this, option](DeferredPage* page) { buildPanel(option, page); });
        ui->stkPanels->addWidget(pages[option]);
    }
    searches = {{
        {std::nullopt, pages[0], &frmCrystalHealingMain::cboStone_Click},
        {EntryKind::PhysicalDisease, pages[1], &frmCrystalHealingMain::cboDiseases_Click},
        {EntryKind::MentalIllness, pages[2], &frmCrystalHealingMain::cboIllness_Click},
        {EntryKind::Organ, pages[3], &frmCrystalHealingMain::cboOrgans_Click},
    }};
    Scroll_Body(centralWidget());
    for (int index = 0; index <= 3; ++index)
        optSearch->addButton(findChild<QRadioButton*>(QStringLiteral("optSearch_%1").arg(index)), index);
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmCrystalHealingMain::cmdNext_Click);
    connect(ui->txtFind, &QLineEdit::textChanged, this, &frmCrystalHealingMain::txtFind_Change);
    connect(ui->lstFound, &QListWidget::itemClicked, this, &frmCrystalHealingMain::lstFound_Click);
    ui->txtFind->installEventFilter(this);
    ui->lstFound->setUniformItemSizes(true);
    ui->lstFound->hide();
    connect(ui->mnuExit, &QAction::triggered, this, &frmCrystalHealingMain::mnuExit_Click);
    Connect_Vendor_Links(this);
    Form_Load();
}

frmCrystalHealingMain::~frmCrystalHealingMain()
{
    delete stoneUi;
    delete diseaseUi;
    delete illnessUi;
    delete organUi;
    delete ui;
}

// A panel of the stones for an entry: its controls made on the page, its selector kept for the
// search, its stone list answering a pick; its Back button.
template <typename PanelUi, typename Controls>
QPushButton* frmCrystalHealingMain::buildResultPanel(PanelUi*& panelUi, DeferredPage* page, Search& search,
                                                     QComboBox* Controls::*selector, QPushButton* Controls::*back,
                                                     QListWidget* Controls::*stones, void (frmCrystalHealingMain::*pick)())
{
    panelUi = new PanelUi;
    panelUi->setupUi(page);
    search.selector = panelUi->*selector;
    connect(panelUi->*stones, &QListWidget::currentRowChanged, this, pick);
    return panelUi->*back;
}

void frmCrystalHealingMain::buildPanel(int option, DeferredPage* page)
{
    Search& search = searches[static_cast<std::size_t>(option)];
    QPushButton* back = nullptr;
    switch (option) {
    case 0:
        stoneUi = new Ui::HealingStonePanel;
        stoneUi->setupUi(page);
        search.selector = stoneUi->cboStone;
        back = stoneUi->cmdBack_0;
        connect(stoneUi->lstDiseases, &QListWidget::itemClicked, this, &frmCrystalHealingMain::lstDiseases_Click);
        connect(stoneUi->lstIllness, &QListWidget::itemClicked, this, &frmCrystalHealingMain::lstIllness_Click);
        connect(stoneUi->lstOrgans, &QListWidget::itemClicked, this, &frmCrystalHealingMain::lstOrgans_Click);
        for (QListWidget* labels : {stoneUi->lstDiseases, stoneUi->lstIllness, stoneUi->lstOrgans})
            labels->viewport()->setCursor(Qt::PointingHandCursor);
        ClipboardGuard::protect(stoneUi->txtStoneDesc);
        break;
    case 1:
        back = buildResultPanel(diseaseUi, page, search, &Ui::HealingDiseasePanel::cboDiseases,
                                &Ui::HealingDiseasePanel::cmdBack_1, &Ui::HealingDiseasePanel::lstStone_Disease,
                                &frmCrystalHealingMain::lstStone_Disease_Click);
        break;
    case 2:
        back = buildResultPanel(illnessUi, page, search, &Ui::HealingIllnessPanel::cboIllness,
                                &Ui::HealingIllnessPanel::cmdBack_2, &Ui::HealingIllnessPanel::lstStone_Illness,
                                &frmCrystalHealingMain::lstStone_Illness_Click);
        break;
    default:
        back = buildResultPanel(organUi, page, search, &Ui::HealingOrganPanel::cboOrgans,
                                &Ui::HealingOrganPanel::cmdBack_3, &Ui::HealingOrganPanel::lstStone_Organ,
                                &frmCrystalHealingMain::lstStone_Organ_Click);
        break;
    }
    connect(back, &QPushButton::clicked, this, [this, option] { cmdBack_Click(option); });
    // A selector looks its item up when the program sets it and whenever the user picks an item,
    // the one already picked included.
    connect(search.selector, &QComboBox::currentIndexChanged, this, [this, &search] { lookUp(search); });
    connect(search.selector, &QComboBox::activated, this, [this, &search](int index) { pickItem(search, index); });
    showShownStone();
}

DeferredPage* frmCrystalHealingMain::panel(int option)
{
    DeferredPage* page = searches[static_cast<std::size_t>(option)].panel;
    page->build();
    return page;
}

void frmCrystalHealingMain::Form_Load()
{
    for (int place = 0; place < static_cast<int>(std::size(Gallery_Stones)); ++place) {
        if (auto* picture = findChild<PictureBox*>(QStringLiteral("imgGallery_%1").arg(place)))
            picture->showPicture(Healing_IMG, Gallery_Stones[place]);
    }
    ui->stkPanels->setCurrentWidget(ui->picMain);
    Sub_Programs::placeAtTopCentre(this);
}

void frmCrystalHealingMain::cmdNext_Click()
{
    const int chosen = optSearch->checkedId();
    if (chosen < 0) {
        Prompts::current().showMessage(this, QStringLiteral("Please Select A Search Option"),
                                       Prompts::Icon::Error);
        return;
    }
    const Search& search = searches[static_cast<std::size_t>(chosen)];
    panel(chosen);
    for (std::string_view item : search.kind ? EntryTexts(*search.kind) : StoneNames())
        search.selector->addItem(To_QString(item));
    search.selector->setCurrentIndex(0);
    // The panel's list is its focus: the focus goes from Next straight to it, through nothing else.
    search.selector->setFocus(Qt::OtherFocusReason);
    ui->stkPanels->setCurrentWidget(search.panel);
    if (isActiveWindow() && !search.panel->isAncestorOf(focusWidget()))
        search.selector->setFocus(Qt::OtherFocusReason);
}

void frmCrystalHealingMain::cmdBack_Click(int)
{
    for (int option : {0, 3, 2, 1}) {
        if (QComboBox* selector = searches[static_cast<std::size_t>(option)].selector)
            selector->clear();
    }
    ui->stkPanels->setCurrentWidget(ui->picMain);
}

void frmCrystalHealingMain::cboStone_Click()
{
    if (stoneUi->cboStone->currentIndex() >= 0)
        showStone(stoneUi->cboStone->currentText().trimmed());
}

void frmCrystalHealingMain::cboDiseases_Click()
{
    showEntryStones(diseaseUi->cboDiseases, EntryKind::PhysicalDisease, diseaseUi->lstStone_Disease);
}

void frmCrystalHealingMain::cboIllness_Click()
{
    showEntryStones(illnessUi->cboIllness, EntryKind::MentalIllness, illnessUi->lstStone_Illness);
}

void frmCrystalHealingMain::cboOrgans_Click()
{
    showEntryStones(organUi->cboOrgans, EntryKind::Organ, organUi->lstStone_Organ);
}

void frmCrystalHealingMain::lstStone_Disease_Click()
{
    if (const QListWidgetItem* item = diseaseUi->lstStone_Disease->currentItem())
        showStone(item->text().trimmed());
}

void frmCrystalHealingMain::lstStone_Illness_Click()
{
    if (const QListWidgetItem* item = illnessUi->lstStone_Illness->currentItem())
        showStone(item->text().trimmed());
}

void frmCrystalHealingMain::lstStone_Organ_Click()
{
    if (const QListWidgetItem* item = organUi->lstStone_Organ->currentItem())
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
    shownSelection = nullptr;
    std::optional<HealingStone> stone = FindStone(name.toStdString());
    labelsShown = stone.has_value();
    if (stone)
        shownStone = std::move(stone);
    showShownStone();
}

void frmCrystalHealingMain::showShownStone()
{
    if (stoneUi) {
        stoneUi->lstDiseases->clear();
        stoneUi->lstOrgans->clear();
        stoneUi->lstIllness->clear();
    }
    if (!shownStone)
        return;
    const HealingStone& stone = *shownStone;
    const QString description = To_QString(stone.description);
    const QString inReadings = QString::fromStdString(Stone_In_Readings(stone.name));
    if (stoneUi) {
        if (labelsShown) {
            appendLabels(stoneUi->lstDiseases, EntryKind::PhysicalDisease, stone);
            appendLabels(stoneUi->lstIllness, EntryKind::MentalIllness, stone);
            appendLabels(stoneUi->lstOrgans, EntryKind::Organ, stone);
        }
        stoneUi->txtStoneDesc->setPlainText(description);
        stoneUi->imgStone->showPicture(Healing_IMG, stone.picture);
        stoneUi->lblStoneInReadings_0->setText(inReadings);
    }
    // The result panels show the description, the picture and where the readings name the stone.
    const auto showOn = [&](QLabel* about, PictureBox* picture, QLabel* readings) {
        about->setText(description);
        picture->showPicture(Healing_IMG, stone.picture);
        readings->setText(inReadings);
    };
    if (organUi)
        showOn(organUi->lblOrgans, organUi->imgStone_Organ, organUi->lblStoneInReadings_3);
    if (illnessUi)
        showOn(illnessUi->lblIllness, illnessUi->imgStone_Illness, illnessUi->lblStoneInReadings_2);
    if (diseaseUi)
        showOn(diseaseUi->lblDisease, diseaseUi->imgStone_Disease, diseaseUi->lblStoneInReadings_1);
}

void frmCrystalHealingMain::lookUp(const Search& search)
{
    (this->*search.lookUp)();
    shownSelection = search.selector;
}

void frmCrystalHealingMain::pickItem(const Search& search, int index)
{
    if (search.selector->currentIndex() != index)
        search.selector->setCurrentIndex(index);  // looks the item up
    else if (shownSelection != search.selector)
        lookUp(search);
}

void frmCrystalHealingMain::showInSearch(int option, int index)
{
    const Search& search = searches[static_cast<std::size_t>(option)];
    if (ui->stkPanels->currentWidget() != search.panel) {
        cmdBack_Click(option);
        optSearch->button(option)->setChecked(true);
        cmdNext_Click();
    }
    pickItem(search, index);
}

void frmCrystalHealingMain::lstDiseases_Click(QListWidgetItem* item)
{
    followLabel(EntryKind::PhysicalDisease, item);
}

void frmCrystalHealingMain::lstIllness_Click(QListWidgetItem* item)
{
    followLabel(EntryKind::MentalIllness, item);
}

void frmCrystalHealingMain::lstOrgans_Click(QListWidgetItem* item)
{
    followLabel(EntryKind::Organ, item);
}

void frmCrystalHealingMain::followLabel(EntryKind kind, const QListWidgetItem* item)
{
    const std::string stone = item->data(Label_Stone_Role).toString().toStdString();
    const auto entry = Linked_Entry(kind, stone, item->text().toStdString());
    if (!entry) {
        QToolTip::showText(QCursor::pos(), item->toolTip(), item->listWidget());
        return;
    }
    const auto search = std::ranges::find(searches, std::optional(kind), &Search::kind);
    showInSearch(static_cast<int>(search - searches.begin()), static_cast<int>(*entry));
}

void frmCrystalHealingMain::txtFind_Change()
{
    QListWidget* list = ui->lstFound;
    list->clear();
    const QString typed = ui->txtFind->text();
    if (typed.trimmed().isEmpty()) {
        list->hide();
        return;
    }
    const std::vector<FoundItem> found = Find_In_Catalogue(typed);
    if (found.empty())
        addFoundHeading(list, QStringLiteral("Nothing found"));
    std::optional<FoundGroup> group;
    for (const FoundItem& item : found) {
        if (item.group != group) {
            group = item.group;
            addFoundHeading(list, Found_Group_Title(item.group));
        }
        auto* result = new QListWidgetItem(Found_Item_Text(item), list);
        result->setData(Found_Group_Role, static_cast<int>(item.group));
        result->setData(Found_Index_Role, item.index);
    }
    moveInFound(+1);
    placeFoundList();
    list->show();
}

void frmCrystalHealingMain::lstFound_Click(QListWidgetItem* item)
{
    if (!item || !item->data(Found_Group_Role).isValid())
        return;
    ui->lstFound->hide();
    showInSearch(item->data(Found_Group_Role).toInt(), item->data(Found_Index_Role).toInt());
}

// Moves the highlight of the find list to the next result up or down, over the headings.
void frmCrystalHealingMain::moveInFound(int step)
{
    QListWidget* list = ui->lstFound;
    for (int row = list->currentRow() + step; row >= 0 && row < list->count(); row += step) {
        if (list->item(row)->flags() & Qt::ItemIsEnabled) {
            list->setCurrentRow(row);
            return;
        }
    }
}

// The find list opens under the find field, over the panels, as tall as its items need and as
// the window allows.
void frmCrystalHealingMain::placeFoundList()
{
    QListWidget* list = ui->lstFound;
    const QRect field(ui->txtFind->mapTo(ui->centralWidget, QPoint(0, 0)), ui->txtFind->size());
    const int width = std::max(field.width(), 360);
    const int room = ui->centralWidget->height() - field.bottom() - 12;
    const int wanted = std::min(list->count(), Found_Rows_Shown) * list->sizeHintForRow(0) + 2 * list->frameWidth() + 8;
    list->setGeometry(field.right() - width + 1, field.bottom() + 2, width, std::min(wanted, room));
    list->raise();
}

void frmCrystalHealingMain::resizeEvent(QResizeEvent* event)
{
    SubProgramWindow::resizeEvent(event);
    if (ui->lstFound->isVisible())
        placeFoundList();
}

// The find list closes when its field loses the focus to another control, and opens again when
// the focus comes back.
bool frmCrystalHealingMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->txtFind) {
        switch (event->type()) {
        case QEvent::FocusOut:
            if (const auto reason = static_cast<QFocusEvent*>(event)->reason();
                reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                ui->lstFound->hide();
            break;
        case QEvent::FocusIn:
            if (!ui->lstFound->isVisible() && !ui->txtFind->text().isEmpty())
                txtFind_Change();
            break;
        case QEvent::KeyPress:
            if (ui->lstFound->isVisible() && answerFindKey(static_cast<QKeyEvent*>(event)->key()))
                return true;
            break;
        default:
            break;
        }
    }
    return SubProgramWindow::eventFilter(watched, event);
}

// Keys typed into the find field that act on its open list: arrows move, Enter chooses, Escape
// closes. Whether the key was one of them.
bool frmCrystalHealingMain::answerFindKey(int key)
{
    switch (key) {
    case Qt::Key_Down: moveInFound(+1); return true;
    case Qt::Key_Up: moveInFound(-1); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: lstFound_Click(ui->lstFound->currentItem()); return true;
    case Qt::Key_Escape: ui->lstFound->hide(); return true;
    default: return false;
    }
}

void frmCrystalHealingMain::mnuExit_Click()
{
    close();
}

