#pragma once
#include "gemology/gemology_reading.h"
#include "report/report_runs.h"

#include <QMainWindow>

namespace Ui {
class frmGemologyDisplay;
class GemologySunSignTab;
class GemologyMoonSignTab;
}
class DeferredPage;

// Window "Zev Gemology": one finished reading on three tabs (birth stone, sun sign, moon sign).
// Its controls are the reading's only store; the report window reads its texts from here. The
// sun and moon tabs are made when first shown; until then they keep what they will show.
class frmGemologyDisplay : public QMainWindow {
    Q_OBJECT
public:
    explicit frmGemologyDisplay(QWidget* parent = nullptr);
    ~frmGemologyDisplay() override;

    // Writes the reading's fields into the window's controls; a field the reading did not
    // write keeps what the control showed before.
    void showReading(const GemologyReading& reading);

    // The eight texts the report repeats and the notes shown beside them, as the controls show
    // them now.
    ReportTexts reportTexts() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdPrint_Click();
    void mnuPrint_Click();
    void cmdBqck_Click();
    void mnuBack_Click();
    void mnuExit_Click();

private:
    void Form_Load();
    void Form_Unload();

    void buildSunSignTab(DeferredPage* page);
    void buildMoonSignTab(DeferredPage* page);
    void showSunSign(const GemologyReading& reading);
    void showMoonSign(const GemologyReading& reading);

    Ui::frmGemologyDisplay* ui;
    Ui::GemologySunSignTab* sunUi = nullptr;
    Ui::GemologyMoonSignTab* moonUi = nullptr;
    DeferredPage* sunTab;
    DeferredPage* moonTab;
    // The readings' fields for a tab not built yet, the latest written of each.
    GemologyReading unbuiltFields;
};
