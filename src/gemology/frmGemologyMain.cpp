#include "gemology/frmGemologyMain.h"

#include "birthplace/birth_zone.h"
#include "gemology/frmGemologyDisplay.h"
#include "gemology/name_letters.h"
#include "gemology/people_book_access.h"
#include "text/month_names.h"
#include "birthplace/place_atlas.h"
#include "birthplace/place_finder.h"
#include "birthplace/map_search.h"
#include "gemology/reading_sequence.h"
#include "birthplace/zone_table.h"
#include "shell/widgets/screen_fit.h"
#include "shell/page_links.h"
#include "shell/prompts.h"
#include "shell/sub_programs.h"
#include "shell/table_text.h"
#include "shell/vendor_links.h"
#include "shell/widgets/paste_guard.h"
#include "ui_frmGemologyMain.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>

#include <algorithm>

namespace {

void fillNumbers(QComboBox* list, int first, int last)
{
    for (int number = first; number <= last; ++number)
        list->addItem(QString::number(number));
}

std::int16_t chosenNumber(const QComboBox* list)
{
    return list->currentText().toShort();
}

// Whether a key types characters into a field, the way a text box decides it: keys that type
// nothing (Tab, arrows, Delete, Home, End), Enter and Backspace, and Ctrl shortcuts such as
// Ctrl+V do not. Ctrl with Alt is AltGr on some keyboards, and types.
bool typesCharacters(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    const QList<uint> typed = key.text().toUcs4();  // an emoji is one character of two code units
    return !typed.isEmpty() && QChar::isPrint(typed.front());
}

bool isAsciiDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}

Prompts::Icon iconOf(ProblemIcon icon)
{
    return icon == ProblemIcon::error ? Prompts::Icon::Error : Prompts::Icon::Information;
}

// Stands in for the search component outside the program: opens the map search for the text
// in the user's browser. The vendor page that the component shows beside its results has no
// place in a map search.
void Open_Search_Page(const QString& searchText, const QUrl& /*pageAddress*/)
{
    QDesktopServices::openUrl(Search_Page_Address(QStringLiteral(ZEV_SEARCH_URL), searchText));
}

void showArc(const ArcMinutes& arc, QLineEdit* degrees, QLineEdit* minutes)
{
    degrees->setText(QString::number(arc.degrees));
    minutes->setText(QString::number(arc.minutes));
}

}  // namespace

frmGemologyMain::frmGemologyMain(QWidget* parent)
    : SubProgramWindow(parent), ui(new Ui::frmGemologyMain)
{
    ui->setupUi(this);
    Scroll_Body(centralWidget());
    for (QLineEdit* field : {ui->txtName, ui->txtLatD, ui->txtLatM, ui->txtLonD, ui->txtLonM})
        field->installEventFilter(this);
    for (QLineEdit* field : {ui->txtLatD, ui->txtLatM, ui->txtLonD, ui->txtLonM})
        PasteGuard::protect(field, [this] { showOnlyNumbersMessage(); });
    connect(ui->cmdRashi, &QPushButton::clicked, this, &frmGemologyMain::cmdRashi_Click);
    connect(ui->mnuNext, &QAction::triggered, this, &frmGemologyMain::mnuNext_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmGemologyMain::mnuExit_Click);
    connect(ui->cmdBrowser, &QPushButton::clicked, this, &frmGemologyMain::cmdBrowser_Click);
    connect(ui->cmdSavePerson, &QPushButton::clicked, this, &frmGemologyMain::cmdSavePerson_Click);
    connect(ui->cmdPeople, &QPushButton::clicked, this, &frmGemologyMain::cmdPeople_Click);
    Connect_Vendor_Links(this);
    Form_Load();

    connect(ui->txtMCity, &QLineEdit::textEdited, this, &frmGemologyMain::txtMCity_TextEdited);
    connect(new PlaceFinder(ui->txtMCity), &PlaceFinder::placeChosen, this, &frmGemologyMain::choosePlace);
    connect(&PlaceAtlas::shared(), &PlaceAtlas::ready, this, &frmGemologyMain::showPlaceZone);
    connect(ui->cmbTimeZone, &QComboBox::activated, this, &frmGemologyMain::cmbTimeZone_Activated);
    connect(ui->chkDST, &QCheckBox::clicked, this, &frmGemologyMain::chkDST_Click);
    connect(ui->cboTimeAccuracy, &QComboBox::currentIndexChanged, this, &frmGemologyMain::cboTimeAccuracy_Click);
    for (QComboBox* list : {ui->cboMonth, ui->cboDate, ui->cboYear, ui->cboHH, ui->cboMM, ui->cboTimeAccuracy})
        connect(list, &QComboBox::currentIndexChanged, this, &frmGemologyMain::showPlaceZone);
    showPlaceZone();
}

frmGemologyMain::~frmGemologyMain()
{
    delete ui;
}

void frmGemologyMain::Form_Load()
{
    for (std::string_view month : Month_Names)
        ui->cboMonth->addItem(To_QString(month));
    fillNumbers(ui->cboDate, 1, 31);
    fillNumbers(ui->cboYear, 1901, 2050);
    fillNumbers(ui->cboHH, 0, 23);
    fillNumbers(ui->cboMM, 0, 59);
    fillNumbers(ui->cboSS, 0, 59);
    for (std::string_view zone : Zone_List_Texts())
        ui->cmbTimeZone->addItem(To_QString(zone));
    ui->cmbTimeZone->setCurrentIndex(Zone_Default_Position);
    for (const TimeAccuracyChoice& choice : Time_Accuracy_Choices)
        ui->cboTimeAccuracy->addItem(To_QString(choice.listText));
    ui->cboTimeAccuracy->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);  // never narrower than its longest item
    ui->fraMain->raise();
    Sub_Programs::placeAtTopCentre(this);
}

bool frmGemologyMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return SubProgramWindow::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!typesCharacters(key))
        return false;

    using KeyFilter = QString (frmGemologyMain::*)(const QString&);
    const std::pair<QLineEdit*, KeyFilter> filters[] = {
        {ui->txtName, &frmGemologyMain::txtName_KeyPress}, {ui->txtLatD, &frmGemologyMain::txtLatD_KeyPress},
        {ui->txtLatM, &frmGemologyMain::txtLatM_KeyPress}, {ui->txtLonD, &frmGemologyMain::txtLonD_KeyPress},
        {ui->txtLonM, &frmGemologyMain::txtLonM_KeyPress},
    };
    for (const auto& [field, filter] : filters) {
        if (field != watched)
            continue;
        const QString passed = (this->*filter)(key.text());
        if (passed == key.text())
            return false;
        if (!passed.isEmpty())
            field->insert(passed);
        return true;
    }
    return false;
}

QString frmGemologyMain::txtName_KeyPress(const QString& typed)
{
    if (!Name_Characters_Allowed(typed)) {
        Prompts::current().showMessage(this, QStringLiteral("Please Enter only Letters"), Prompts::Icon::Information);
        return {};
    }
    return typed.toUpper();
}

QString frmGemologyMain::txtLatD_KeyPress(const QString& typed)
{
    return numberKeyPress(typed);
}

QString frmGemologyMain::txtLatM_KeyPress(const QString& typed)
{
    return numberKeyPress(typed);
}

QString frmGemologyMain::txtLonD_KeyPress(const QString& typed)
{
    return numberKeyPress(typed);
}

QString frmGemologyMain::txtLonM_KeyPress(const QString& typed)
{
    return numberKeyPress(typed);
}

QString frmGemologyMain::numberKeyPress(const QString& typed)
{
    if (!std::all_of(typed.begin(), typed.end(), isAsciiDigit)) {
        showOnlyNumbersMessage();
        return {};
    }
    return typed;
}

void frmGemologyMain::showOnlyNumbersMessage()
{
    Prompts::current().showMessage(this, QStringLiteral("Only Numbers Are Accepted"), Prompts::Icon::Error);
}

BirthEntry frmGemologyMain::birthEntry() const
{
    BirthEntry entry;
    BirthData& birth = entry.birth;
    birth.name = ui->txtName->text();
    birth.month = static_cast<std::int16_t>(ui->cboMonth->currentIndex() + 1);
    birth.day = chosenNumber(ui->cboDate);
    birth.year = chosenNumber(ui->cboYear);
    birth.hour = chosenNumber(ui->cboHH);
    birth.minute = chosenNumber(ui->cboMM);
    birth.second = chosenNumber(ui->cboSS);
    birth.timeAccuracy = Time_Accuracy_At(ui->cboTimeAccuracy->currentIndex());
    birth.city = ui->txtMCity->text();
    birth.state = ui->txtMState->text();
    birth.country = ui->txtMCountry->text();
    birth.south = ui->optLat_1->isChecked();
    birth.east = ui->optLong_0->isChecked();
    birth.zoneIndex = static_cast<std::int16_t>(ui->cmbTimeZone->currentIndex());
    birth.daylightSaving = ui->chkDST->isChecked();
    entry.latitudeDegrees = ui->txtLatD->text();
    entry.latitudeMinutes = ui->txtLatM->text();
    entry.longitudeDegrees = ui->txtLonD->text();
    entry.longitudeMinutes = ui->txtLonM->text();
    return entry;
}

QLineEdit* frmGemologyMain::fieldOf(EntryField field) const
{
    switch (field) {
    case EntryField::name: return ui->txtName;
    case EntryField::longitudeDegrees: return ui->txtLonD;
    case EntryField::longitudeMinutes: return ui->txtLonM;
    case EntryField::latitudeDegrees: return ui->txtLatD;
    case EntryField::latitudeMinutes: return ui->txtLatM;
    case EntryField::city: return ui->txtMCity;
    case EntryField::state: return ui->txtMState;
    case EntryField::country: return ui->txtMCountry;
    }
    return nullptr;
}

void frmGemologyMain::showProblem(const EntryProblem& problem)
{
    Prompts::current().showMessage(this, problem.message, iconOf(problem.icon));
    if (problem.focus)
        fieldOf(*problem.focus)->setFocus();
}

bool frmGemologyMain::Check_Birth_Data()
{
    const std::optional<EntryProblem> problem = Birth_Entry_Problem(birthEntry());
    if (problem)
        showProblem(*problem);
    return !problem;
}

void frmGemologyMain::cmdBrowser_Click()
{
    const BirthData place = birthEntry().birth;
    if (const std::optional<EntryProblem> problem = Birth_Place_Problem(place)) {
        showProblem(*problem);
        return;
    }
    Open_Search_Page(Place_Search_Text(place.city, place.state, place.country), Page_Address(QStringLiteral("home-page")));
}

void frmGemologyMain::txtMCity_TextEdited()
{
    chosenPlace.reset();
    zoneByHand = false;
    showPlaceZone();
}

void frmGemologyMain::choosePlace(const AtlasPlace& place)
{
    ui->txtMCity->setText(place.name);
    ui->txtMState->setText(place.state);
    ui->txtMCountry->setText(place.country);
    const ArcMinutes latitude = Arc_Minutes_Of(place.latitude);
    const ArcMinutes longitude = Arc_Minutes_Of(place.longitude);
    showArc(latitude, ui->txtLatD, ui->txtLatM);
    showArc(longitude, ui->txtLonD, ui->txtLonM);
    (latitude.negative ? ui->optLat_1 : ui->optLat_0)->setChecked(true);
    (longitude.negative ? ui->optLong_1 : ui->optLong_0)->setChecked(true);
    chosenPlace = place;
    zoneByHand = false;
    showPlaceZone();
}

void frmGemologyMain::cmbTimeZone_Activated()
{
    if (!chosenPlace)
        return;
    zoneByHand = true;
    showPlaceZone();
}

// With the time of birth not known the reading takes noon: the time lists show 12:00:00 and
// rest disabled, and show the time they held again when a known time is chosen.
void frmGemologyMain::cboTimeAccuracy_Click()
{
    const bool known = Time_Accuracy_At(ui->cboTimeAccuracy->currentIndex()) != TimeAccuracy::notKnown;
    const std::array<QComboBox*, 3> lists{ui->cboHH, ui->cboMM, ui->cboSS};
    if (known == ui->cboHH->isEnabled())
        return;
    for (std::size_t at = 0; at < lists.size(); ++at) {
        if (!known)
            heldTime[at] = lists[at]->currentIndex();
        lists[at]->setCurrentIndex(known ? heldTime[at] : Noon[at]);
        lists[at]->setEnabled(known);
    }
}

void frmGemologyMain::chkDST_Click()
{
    cmbTimeZone_Activated();
}

std::optional<PlaceMoment> frmGemologyMain::placeMoment() const
{
    if (!chosenPlace)
        return std::nullopt;
    // The moment the reading takes: with no known time of birth, noon of the birth day.
    const BirthData birth = Birth_Data_Of(birthEntry());
    const QDate date(birth.year, birth.month, birth.day);
    if (!date.isValid())
        return std::nullopt;
    return PlaceMoment{chosenPlace->name, date, QTime(birth.hour, birth.minute),
                       Arc_Minutes_Of(chosenPlace->longitude).signedMinutes()};
}

void frmGemologyMain::showPlaceZone()
{
    if (!chosenPlace) {
        const QString& atlasProblem = PlaceAtlas::shared().problem();
        ui->lblPlaceZone->setText(atlasProblem.isEmpty() ? Place_Zone_Text_Without_Place()
                                                         : Place_Zone_Text_Without_Atlas(atlasProblem));
        return;
    }
    if (zoneByHand) {
        ui->lblPlaceZone->setText(Place_Zone_Text_By_Hand(chosenPlace->name));
        return;
    }
    const std::optional<PlaceMoment> moment = placeMoment();
    if (!moment) {
        ui->lblPlaceZone->setText(Place_Zone_Text_Without_Date(chosenPlace->name));
        return;
    }
    const ZoneAtMoment zone = Zone_At_Moment(chosenPlace->zoneId, moment->date, moment->time);
    if (!zone.clocks.empty()) {  // of a repeated time, the earlier clock until the reading asks
        const ZoneChoice choice = Zone_Choice(zone.clocks.front(), moment->longitudeMinutes);
        if (choice.row)
            ui->cmbTimeZone->setCurrentIndex(*choice.row);
        ui->chkDST->setChecked(choice.boxTicked());
    }
    ui->lblPlaceZone->setText(Place_Zone_Text(*moment, zone));
}

bool frmGemologyMain::takePlaceZone(BirthData& birth)
{
    const std::optional<PlaceMoment> moment = placeMoment();
    if (!moment)
        return true;
    if (zoneByHand) {
        birth.atlasZone = Atlas_Zone_By_Hand(birth.zoneIndex, birth.daylightSaving);
        return true;
    }
    const ZoneAtMoment zone = Zone_At_Moment(chosenPlace->zoneId, moment->date, moment->time);
    std::size_t which = 0;
    switch (zone.kind) {
    case ZoneAtMoment::Kind::unknownZone:
        return true;  // the zone and the box as the user set them, as for a place typed by hand
    case ZoneAtMoment::Kind::skipped:
        Prompts::current().showMessage(this, Skipped_Time_Message(*moment, zone), Prompts::Icon::Error);
        ui->cboHH->setFocus();
        return false;
    case ZoneAtMoment::Kind::twice:
        switch (Prompts::current().askWhich(this, Repeated_Time_Question(*moment, zone),
                                            Repeated_Time_Answer(zone, 0), Repeated_Time_Answer(zone, 1))) {
        case Prompts::Answer::First: which = 0; break;
        case Prompts::Answer::Second: which = 1; break;
        case Prompts::Answer::None: ui->cboHH->setFocus(); return false;
        }
        break;
    case ZoneAtMoment::Kind::once:
        break;
    }
    birth.atlasZone = Atlas_Zone_Of(zone.clocks.at(which), moment->longitudeMinutes);
    return true;
}

std::optional<Person> frmGemologyMain::enteredPerson()
{
    if (!Check_Birth_Data())
        return std::nullopt;
    const BirthEntry entry = birthEntry();
    BirthData birth = Birth_Data_Of(entry);
    if (!takePlaceZone(birth))
        return std::nullopt;
    std::optional<PersonPlace> place;
    if (chosenPlace)
        place = PersonPlace{chosenPlace->latitude, chosenPlace->longitude, chosenPlace->zoneId};
    Person person = Person_Of(entry, place, zoneByHand, birth.atlasZone);
    person.id = shownPersonId;
    return person;
}

void frmGemologyMain::cmdSavePerson_Click()
{
    std::optional<Person> person = enteredPerson();
    if (person && Save_Person(this, *person))
        shownPersonId = person->id;
}

void frmGemologyMain::cmdPeople_Click()
{
    if (QWidget* book = Sub_Programs::obtain(SubWindow::People)) {
        book->show();
        book->raise();
        book->activateWindow();
    }
}

void frmGemologyMain::showPerson(const Person& person)
{
    const BirthData& birth = person.birth;
    chosenPlace.reset();
    ui->txtName->setText(birth.name);
    ui->cboMonth->setCurrentIndex(birth.month - 1);
    ui->cboDate->setCurrentIndex(birth.day - 1);
    ui->cboYear->setCurrentIndex(birth.year - 1901);
    ui->cboHH->setCurrentIndex(birth.hour);
    ui->cboMM->setCurrentIndex(birth.minute);
    ui->cboSS->setCurrentIndex(birth.second);
    ui->cboTimeAccuracy->setCurrentIndex(static_cast<int>(birth.timeAccuracy));
    ui->txtMCity->setText(birth.city);
    ui->txtMState->setText(birth.state);
    ui->txtMCountry->setText(birth.country);
    ui->txtLatD->setText(QString::number(birth.latitudeDegrees));
    ui->txtLatM->setText(QString::number(birth.latitudeMinutes));
    ui->txtLonD->setText(QString::number(birth.longitudeDegrees));
    ui->txtLonM->setText(QString::number(birth.longitudeMinutes));
    (birth.south ? ui->optLat_1 : ui->optLat_0)->setChecked(true);
    (birth.east ? ui->optLong_0 : ui->optLong_1)->setChecked(true);
    if (person.place)
        chosenPlace = AtlasPlace{birth.city, birth.state, birth.country, person.place->latitude,
                                 person.place->longitude, 0, person.place->zoneId};
    zoneByHand = person.zoneByHand;
    showPlaceZone();
    ui->cmbTimeZone->setCurrentIndex(birth.zoneIndex);
    ui->chkDST->setChecked(birth.daylightSaving);
    shownPersonId = person.id;
}

void frmGemologyMain::cmdRashi_Click()
{
    const std::optional<Person> person = enteredPerson();
    if (!person)
        return;
    const GemologyReading reading = Make_Gemology_Reading(Reading_Birth_Data(*person));

    // The display is shown and active before this window closes, so the focus goes from here
    // straight to it, never through the launcher.
    if (auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::obtain(SubWindow::Display))) {
        display->showReading(reading, *person);
        display->show();
        Sub_Programs::placeAtTopCentre(display);
        display->activateWindow();
    }
    close();
    Welcome_Panel::setVisible(false);
}

void frmGemologyMain::mnuNext_Click()
{
    cmdRashi_Click();
}

void frmGemologyMain::mnuExit_Click()
{
    close();
}
