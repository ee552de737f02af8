#pragma once
#include "healing/healing_catalogue.h"

#include "shell/sub_program_window.h"

#include <array>
#include <optional>

namespace Ui {
class frmCrystalHealingMain;
class HealingStonePanel;
class HealingDiseasePanel;
class HealingIllnessPanel;
class HealingOrganPanel;
}
class DeferredPage;
class QButtonGroup;
class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Window "Zev Crystal Healing": pick a search on the start panel, then walk from a crystal,
// disease, mental illness or organ to the matching stones and one stone's description and
// picture. A find field above the panels leads straight to any stone or entry by typing, and
// the labels on the crystal panel lead to their entries. The four search panels are made when
// first needed.
class frmCrystalHealingMain : public SubProgramWindow {
    Q_OBJECT
public:
    explicit frmCrystalHealingMain(QWidget* parent = nullptr);
    ~frmCrystalHealingMain() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdNext_Click();
    void cmdBack_Click(int index);
    void cboStone_Click();
    void cboDiseases_Click();
    void cboIllness_Click();
    void cboOrgans_Click();
    void lstStone_Disease_Click();
    void lstStone_Illness_Click();
    void lstStone_Organ_Click();
    void lstDiseases_Click(QListWidgetItem* item);
    void lstIllness_Click(QListWidgetItem* item);
    void lstOrgans_Click(QListWidgetItem* item);
    void txtFind_Change();
    void lstFound_Click(QListWidgetItem* item);
    void mnuExit_Click();

private:
    // One search of the start panel, in the order of the option buttons.
    struct Search {
        std::optional<EntryKind> kind;  // none: the crystal search
        DeferredPage* panel;
        void (frmCrystalHealingMain::*lookUp)();
        QComboBox* selector = nullptr;  // once the panel is built
    };

    void Form_Load();

    // Lists the stones of the selector's entry and selects the first of them.
    void showEntryStones(const QComboBox* selector, EntryKind kind, QListWidget* stones);
    // Shows a stone's labels on the crystal panel and its description and picture everywhere.
    void showStone(const QString& name);
    // Shows the stone last shown on the panels built so far.
    void showShownStone();

    // Makes the panel of a search and connects its controls.
    void buildPanel(int option, DeferredPage* page);
    template <typename PanelUi, typename Controls>
    QPushButton* buildResultPanel(PanelUi*& panelUi, DeferredPage* page, Search& search, QComboBox* Controls::*selector,
                                  QPushButton* Controls::*back, QListWidget* Controls::*stones,
                                  void (frmCrystalHealingMain::*pick)());
    // The panel of a search, built.
    DeferredPage* panel(int option);

    // Runs a selector's lookup for its current item.
    void lookUp(const Search& search);
    // Answers the pick of a selector's item, the item already picked included.
    void pickItem(const Search& search, int index);
    // Brings a search's panel to the front as Back and Next would, then picks the item.
    void showInSearch(int option, int index);
    void followLabel(EntryKind kind, const QListWidgetItem* item);

    bool answerFindKey(int key);
    void moveInFound(int step);
    void placeFoundList();

    Ui::frmCrystalHealingMain* ui;
    Ui::HealingStonePanel* stoneUi = nullptr;
    Ui::HealingDiseasePanel* diseaseUi = nullptr;
    Ui::HealingIllnessPanel* illnessUi = nullptr;
    Ui::HealingOrganPanel* organUi = nullptr;
    QButtonGroup* optSearch;
    std::array<Search, 4> searches;
    // The selector whose current item's lookup is what the window shows, until another stone is
    // shown; a pick of that same item then has nothing to change.
    const QComboBox* shownSelection = nullptr;
    // The stone the panels show, and whether the crystal panel lists its labels.
    std::optional<HealingStone> shownStone;
    bool labelsShown = false;
};
