#pragma once
#include "healing/healing_catalogue.h"

#include <QMainWindow>

namespace Ui { class frmCrystalHealingMain; }
class QButtonGroup;
class QComboBox;
class QListWidget;

// Window "Zev Crystal Healing": pick a search on the start panel, then walk from a crystal,
// disease, mental illness or organ to the matching stones and one stone's description and
// picture.
class frmCrystalHealingMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCrystalHealingMain(QWidget* parent = nullptr);
    ~frmCrystalHealingMain() override;

protected:
    void closeEvent(QCloseEvent* event) override;

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
    void mnuExit_Click();

private:
    void Form_Load();
    void Form_Unload();

    // Lists the stones of the selector's entry and selects the first of them.
    void showEntryStones(const QComboBox* selector, EntryKind kind, QListWidget* stones);
    // Shows a stone's labels on the crystal panel and its description and picture everywhere.
    void showStone(const QString& name);

    Ui::frmCrystalHealingMain* ui;
    QButtonGroup* optSearch;
};
