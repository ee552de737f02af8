#pragma once
#include "birthplace/atlas_place.h"
#include "gemology/birth_check.h"
#include "birthplace/place_zone_text.h"
#include "people/person.h"

#include "shell/sub_program_window.h"

#include <array>
#include <optional>

namespace Ui { class frmGemologyMain; }
class QLineEdit;

// Window "Zev Gemology": the birth details of one person. "Get My Gemology Report" checks them,
// makes the reading, closes this window and shows the reading in the display window.
class frmGemologyMain : public SubProgramWindow {
    Q_OBJECT
public:
    explicit frmGemologyMain(QWidget* parent = nullptr);
    ~frmGemologyMain() override;

    // Fills the window with a person of the book exactly as the person was saved: the fields,
    // the place chosen from the atlas and the zone row and box. Saving again updates that person.
    void showPerson(const Person& person);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdRashi_Click();
    void mnuNext_Click();
    void mnuExit_Click();
    void cmdBrowser_Click();
    void txtMCity_TextEdited();
    void cmbTimeZone_Activated();
    void chkDST_Click();
    void cboTimeAccuracy_Click();
    void cmdSavePerson_Click();
    void cmdPeople_Click();

private:
    void Form_Load();

    // The keystroke filters get the characters a key would type and give back what may reach
    // the field: the same, a replacement, or nothing.
    QString txtName_KeyPress(const QString& typed);
    QString txtLatD_KeyPress(const QString& typed);
    QString txtLatM_KeyPress(const QString& typed);
    QString txtLonD_KeyPress(const QString& typed);
    QString txtLonM_KeyPress(const QString& typed);
    QString numberKeyPress(const QString& typed);
    // The number fields' message, for a typed character that is no digit and for pasted text
    // that does not fit the field.
    void showOnlyNumbersMessage();

    bool Check_Birth_Data();
    BirthEntry birthEntry() const;
    void showProblem(const EntryProblem& problem);
    QLineEdit* fieldOf(EntryField field) const;

    // A place chosen from the place finder's list under City.
    void choosePlace(const AtlasPlace& place);
    // The zone of the chosen place at the entered moment: sets the zone row and the box, and
    // says in lblPlaceZone what the reading will use.
    void showPlaceZone();
    std::optional<PlaceMoment> placeMoment() const;
    // Puts the chosen place's zone into the birth data; false when the reading must not run
    // (a time the clocks skipped, or a repeated one left unanswered).
    bool takePlaceZone(BirthData& birth);
    // The person entered, after the same checks and questions as a reading; none when refused.
    std::optional<Person> enteredPerson();

    Ui::frmGemologyMain* ui;
    static constexpr std::array<int, 3> Noon{12, 0, 0};  // the hour, minute and second lists at noon
    std::array<int, 3> heldTime{};  // the time lists' places while the time is not known
    std::optional<AtlasPlace> chosenPlace;  // from the atlas, until the city text changes
    bool zoneByHand = false;                 // the user set the zone after choosing the place
    qint64 shownPersonId = 0;                // the person of the book the window was filled with
};
