#include "gemology/frmGemologyMain.h"

#include "gemology/frmGemologyDisplay.h"
#include "gemology/place_search.h"
#include "gemology/reading_sequence.h"
#include "gemology/zone_table.h"
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

constexpr const char* Month_Names[] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

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
    return !key.text().isEmpty() && key.text().front().isPrint();
}

bool isAsciiLetterOrSpace(QChar character)
{
    return (character >= u'A' && character <= u'Z') || (character >= u'a' && character <= u'z') || character == u' ';
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

}  // namespace

frmGemologyMain::frmGemologyMain(QWidget* parent) : QMainWindow(parent), ui(new Ui::frmGemologyMain)
{
    ui->setupUi(this);
    for (QLineEdit* field : {ui->txtName, ui->txtLatD, ui->txtLatM, ui->txtLonD, ui->txtLonM})
        field->installEventFilter(this);
    for (QLineEdit* field : {ui->txtLatD, ui->txtLatM, ui->txtLonD, ui->txtLonM})
        PasteGuard::protect(field, [this] { showOnlyNumbersMessage(); });
    connect(ui->cmdRashi, &QPushButton::clicked, this, &frmGemologyMain::cmdRashi_Click);
    connect(ui->mnuNext, &QAction::triggered, this, &frmGemologyMain::mnuNext_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmGemologyMain::mnuExit_Click);
    connect(ui->cmdBrowser, &QPushButton::clicked, this, &frmGemologyMain::cmdBrowser_Click);
    Connect_Vendor_Links(this);
    Form_Load();
}

frmGemologyMain::~frmGemologyMain()
{
    delete ui;
}

void frmGemologyMain::Form_Load()
{
    for (const char* month : Month_Names)
        ui->cboMonth->addItem(QString::fromLatin1(month));
    fillNumbers(ui->cboDate, 1, 31);
    fillNumbers(ui->cboYear, 1901, 2050);
    fillNumbers(ui->cboHH, 0, 23);
    fillNumbers(ui->cboMM, 0, 59);
    fillNumbers(ui->cboSS, 0, 59);
    for (std::string_view zone : Zone_List_Texts())
        ui->cmbTimeZone->addItem(To_QString(zone));
    ui->cmbTimeZone->setCurrentIndex(Zone_Default_Position);
    ui->fraMain->raise();
    Sub_Programs::placeAtTopCentre(this);
}

void frmGemologyMain::Form_Unload()
{
    Welcome_Panel::setVisible(true);
}

void frmGemologyMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

bool frmGemologyMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
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
    if (!std::all_of(typed.begin(), typed.end(), isAsciiLetterOrSpace)) {
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
    Open_Search_Page(Place_Search_Text(place), Page_Address(QStringLiteral("home-page")));
}

void frmGemologyMain::cmdRashi_Click()
{
    if (!Check_Birth_Data())
        return;
    const GemologyReading reading = Make_Gemology_Reading(Birth_Data_Of(birthEntry()));

    close();
    if (auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::obtain(SubWindow::Display))) {
        display->showReading(reading);
        display->show();
        Sub_Programs::placeAtTopCentre(display);
    }
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
