#pragma once
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"
#include "people/person.h"
#include "report/report_runs.h"

#include "shell/sub_program_window.h"

namespace Ui {
class frmGemologyDisplay;
class GemologySunSignTab;
class GemologyMoonSignTab;
}
class DeferredPage;
class QScrollArea;
class frmGemologySave;

// Window "Zev Gemology": one finished reading on three tabs (birth stone, sun sign, moon sign).
// It holds the reading it shows; the tabs (the sun and moon tabs made when first shown) and the
// report window are made from it. Back hides it, and the next reading is shown in it again.
class frmGemologyDisplay : public SubProgramWindow {
    Q_OBJECT
public:
    explicit frmGemologyDisplay(QWidget* parent = nullptr);
    ~frmGemologyDisplay() override;

    // Shows a reading on the first tab, scrolled to the top; a field the reading did not write
    // keeps what the window showed before. The person read for, when given, is the one
    // "Save Person" keeps in the book and the one the report's PDF tells of.
    void showReading(const GemologyReading& written, std::optional<Person> person = std::nullopt);

    // The eight texts the report repeats and the notes shown beside them, as the window shows
    // them now.
    ReportTexts reportTexts() const;

    // The report window of the reading shown, made now and known to the launcher as the report
    // until it closes; not yet shown. Print shows it modally.
    frmGemologySave* makeReport() const;

private slots:
    void cmdPrint_Click();
    void mnuPrint_Click();
    void cmdBqck_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void mnuSavePerson_Click();

private:
    void Form_Load();

    void buildSunSignTab(DeferredPage* page);
    void buildMoonSignTab(DeferredPage* page);
    void showBirthStone();
    void showSunSign();
    void showMoonSign();

    Ui::frmGemologyDisplay* ui;
    Ui::GemologySunSignTab* sunUi = nullptr;
    Ui::GemologyMoonSignTab* moonUi = nullptr;
    QScrollArea* body;
    // The reading shown: the placeholders, then every field a reading wrote, the latest of each.
    GemologyReading reading;
    // The birth data of the person read for, when the reading came with one.
    std::optional<BirthData> birth;
    std::optional<Person> readFor;  // the person of the reading shown
};
