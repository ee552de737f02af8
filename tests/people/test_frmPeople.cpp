#include "gemmarium.h"
#include "gemology/frmGemologyDisplay.h"
#include "gemology/frmGemologyMain.h"
#include "people/frmPeople.h"
#include "people/people_book.h"
#include "people/people_csv.h"
#include "people_fixture.h"
#include "shell/sub_programs.h"
#include "support/find_control.h"
#include "support/fixture_atlas.h"
#include "support/scripted_prompts.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

namespace {

template <typename Control>
Control* control(const QWidget* window, const char* name)
{
    return Find_Control<Control>(window, QString::fromLatin1(name));
}

void click(const QWidget* window, const char* button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

// Everything the entry window shows that a reading or a saved person takes from it.
QStringList Entry_State(const QWidget* entry)
{
    QStringList state;
    for (const QLineEdit* field : entry->findChildren<QLineEdit*>()) {
        if (!field->objectName().isEmpty() && !field->objectName().startsWith(QStringLiteral("qt_")))
            state.append(field->objectName() + u'=' + field->text());
    }
    for (const QComboBox* list : entry->findChildren<QComboBox*>())
        state.append(list->objectName() + u'=' + QString::number(list->currentIndex()));
    for (const QAbstractButton* box : entry->findChildren<QAbstractButton*>()) {
        if (box->isCheckable())
            state.append(box->objectName() + u'=' + QString::number(box->isChecked()));
    }
    state.append(control<QLabel>(entry, "lblPlaceZone")->text());
    state.sort();
    return state;
}

// The reading the display window shows, every text and note of it.
QStringList Shown_Reading()
{
    auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::instance(SubWindow::Display));
    if (!display || !display->isVisible())
        return {QStringLiteral("no display")};
    const ReportTexts texts = display->reportTexts();
    return QStringList{texts.birthStone, texts.birthStoneText, texts.sunSign, texts.sunStone, texts.sunText,
                       texts.moonSign, texts.moonStone, texts.moonText}
           + texts.notes;
}

}  // namespace

class TestFrmPeople : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void savingTwiceKeepsOnePerson();
    void savingRefusesWhatTheReadingRefuses();
    void personRestoresTheEntryAndTheReading_data();
    void personRestoresTheEntryAndTheReading();
    void displayMenuSavesThePersonRead();
    void findNoteDeleteAndUndo();
    void importAsksWithTheRefusedRowsThenAdds();
    void exportWritesTheBookSafeFromFormulas();
    void damagedBookIsKeptAsideBeforeANewOne();
    void bookOfTenThousandIsShownWithItsImportSummary();

private:
    frmGemologyMain* openEntry();
    frmPeople* openBook();
    void fillEntry(frmGemologyMain* entry, const QString& name);
    void choosePlace(frmGemologyMain* entry, const QString& typed);
    void chooseInBook(frmPeople* book, const QString& name);
    PeopleBook& book() { return PeopleBook::shared(); }

    QTemporaryDir home;
    ScriptedPrompts prompts;
    QWidget welcomePanel;
};

void TestFrmPeople::initTestCase()
{
    QVERIFY(home.isValid());
    Use_Test_Home(home);
    QVERIFY(PlaceAtlas::useReaderForShared(Fixture_Atlas_Places));
    Register_Windows();
    Welcome_Panel::attach(&welcomePanel);
    QVERIFY(PeopleBook::defaultPath().startsWith(home.path()));
}

void TestFrmPeople::init()
{
    prompts.messages.clear();
    prompts.questions.clear();
    prompts.yesNoAnswers.clear();
    if (!book().isOpen())
        QCOMPARE(book().open(), BookFault::none);
    while (!book().people().empty())
        QCOMPARE(book().remove(book().people().front().id), BookFault::none);
}

void TestFrmPeople::cleanup()
{
    Sub_Programs::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmGemologyMain* TestFrmPeople::openEntry()
{
    auto* entry = qobject_cast<frmGemologyMain*>(Sub_Programs::obtain(SubWindow::Entry));
    entry->show();
    return entry;
}

frmPeople* TestFrmPeople::openBook()
{
    auto* window = qobject_cast<frmPeople*>(Sub_Programs::obtain(SubWindow::People));
    window->show();
    return window;
}

void TestFrmPeople::fillEntry(frmGemologyMain* entry, const QString& name)
{
    control<QLineEdit>(entry, "txtName")->setText(name);
    control<QComboBox>(entry, "cboYear")->setCurrentText(QStringLiteral("1987"));
    control<QComboBox>(entry, "cboMonth")->setCurrentIndex(6);
    control<QComboBox>(entry, "cboDate")->setCurrentText(QStringLiteral("19"));
    control<QComboBox>(entry, "cboHH")->setCurrentText(QStringLiteral("23"));
    control<QComboBox>(entry, "cboMM")->setCurrentText(QStringLiteral("41"));
    control<QComboBox>(entry, "cboSS")->setCurrentText(QStringLiteral("7"));
    control<QLineEdit>(entry, "txtMCity")->setText(QStringLiteral("Recife"));
    control<QLineEdit>(entry, "txtMState")->setText(QStringLiteral("Pernambuco"));
    control<QLineEdit>(entry, "txtMCountry")->setText(QStringLiteral("Brazil"));
    control<QLineEdit>(entry, "txtLatD")->setText(QStringLiteral("8"));
    control<QLineEdit>(entry, "txtLatM")->setText(QStringLiteral("3"));
    control<QRadioButton>(entry, "optLat_1")->setChecked(true);
    control<QLineEdit>(entry, "txtLonD")->setText(QStringLiteral("34"));
    control<QLineEdit>(entry, "txtLonM")->setText(QStringLiteral("52"));
    control<QRadioButton>(entry, "optLong_1")->setChecked(true);
    control<QComboBox>(entry, "cmbTimeZone")->setCurrentIndex(12);
    control<QCheckBox>(entry, "chkDST")->setChecked(true);
}

void TestFrmPeople::choosePlace(frmGemologyMain* entry, const QString& typed)
{
    QVERIFY(QTest::qWaitFor([] { return PlaceAtlas::shared().index() != nullptr; }));
    QLineEdit* city = control<QLineEdit>(entry, "txtMCity");
    city->setFocus();
    city->clear();
    QTest::keyClicks(city, typed);
    QAbstractItemView* places = control<QCompleter>(entry, "lstPlaces")->popup();
    QVERIFY(places->isVisible());
    QTest::keyClick(places, Qt::Key_Down);  // the list opens with no row chosen
    QTest::keyClick(places, Qt::Key_Return);
}

void TestFrmPeople::chooseInBook(frmPeople* window, const QString& name)
{
    QLineEdit* find = control<QLineEdit>(window, "txtFindPerson");
    find->setText(name);
    auto* list = control<QTableView>(window, "lstPeople");
    QVERIFY(list->model()->rowCount() >= 1);
    QCOMPARE(list->model()->index(0, 0).data().toString(), name);
    QVERIFY(list->selectionModel()->isRowSelected(0, {}));
}

void TestFrmPeople::savingTwiceKeepsOnePerson()
{
    frmGemologyMain* entry = openEntry();
    fillEntry(entry, QStringLiteral("ZOË"));
    click(entry, "cmdSavePerson");
    QCOMPARE(book().people().size(), std::size_t(1));
    control<QLineEdit>(entry, "txtMCity")->setText(QStringLiteral("Olinda"));
    click(entry, "cmdSavePerson");
    QCOMPARE(book().people().size(), std::size_t(1));
    QVERIFY(prompts.messages.isEmpty());
    // On disk, as another reader of the file finds it.
    PeopleBook other(PeopleBook::defaultPath());
    QCOMPARE(other.open(), BookFault::none);
    QCOMPARE(other.people().size(), std::size_t(1));
    QCOMPARE(other.people().front().birth.city, QStringLiteral("Olinda"));
    QCOMPARE(other.people().front().birth.name, QStringLiteral("ZOË"));
}

void TestFrmPeople::savingRefusesWhatTheReadingRefuses()
{
    frmGemologyMain* entry = openEntry();
    fillEntry(entry, QStringLiteral("ASHA"));
    control<QLineEdit>(entry, "txtLonD")->setText(QStringLiteral("180"));
    click(entry, "cmdSavePerson");
    QCOMPARE(prompts.lastMessage(), QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude"));
    QVERIFY(book().people().empty());
}

void TestFrmPeople::personRestoresTheEntryAndTheReading_data()
{
    QTest::addColumn<QString>("place");   // typed into the city field and chosen; empty: by hand
    QTest::addColumn<bool>("zoneByHand");  // the zone row changed after choosing the place
    QTest::addColumn<int>("answer");       // to a repeated hour: 1 first, 2 second; 0 none asked

    QTest::newRow("place and zone by hand") << "" << false << 0;
    QTest::newRow("atlas place and its zone") << "madrid" << false << 0;
    QTest::newRow("atlas place, zone then set by hand") << "madrid" << true << 0;
    QTest::newRow("repeated hour, the later clock") << "new york" << false << 2;
}

void TestFrmPeople::personRestoresTheEntryAndTheReading()
{
    QFETCH(QString, place);
    QFETCH(bool, zoneByHand);
    QFETCH(int, answer);
    frmGemologyMain* entry = openEntry();
    fillEntry(entry, QStringLiteral("O'BRIEN"));
    if (!place.isEmpty())
        choosePlace(entry, place);
    if (answer) {  // 1:30 on 1 November 2009 happened twice in New York
        control<QComboBox>(entry, "cboYear")->setCurrentText(QStringLiteral("2009"));
        control<QComboBox>(entry, "cboMonth")->setCurrentIndex(10);
        control<QComboBox>(entry, "cboDate")->setCurrentText(QStringLiteral("1"));
        control<QComboBox>(entry, "cboHH")->setCurrentText(QStringLiteral("1"));
        control<QComboBox>(entry, "cboMM")->setCurrentText(QStringLiteral("30"));
        prompts.whichAnswers = {answer == 1 ? Prompts::Answer::First : Prompts::Answer::Second};
    }
    if (zoneByHand) {
        auto* zones = control<QComboBox>(entry, "cmbTimeZone");
        zones->setCurrentIndex(3);
        emit zones->activated(3);
    }
    const QStringList state = Entry_State(entry);
    click(entry, "cmdSavePerson");
    QCOMPARE(book().people().size(), std::size_t(1));
    QCOMPARE(book().people().front().birth.atlasZone.has_value(), !place.isEmpty());

    // The reading made in the entry window...
    if (answer)
        prompts.whichAnswers = {answer == 1 ? Prompts::Answer::First : Prompts::Answer::Second};
    click(entry, "cmdRashi");
    const QStringList reading = Shown_Reading();
    QVERIFY(reading.size() >= 8 && reading.front() != QLatin1String("no display"));
    Sub_Programs::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // ...is the reading read from the book, which asks nothing again.
    frmPeople* window = openBook();
    chooseInBook(window, QStringLiteral("O'BRIEN"));
    const int questions = static_cast<int>(prompts.questions.size());
    QTest::keyClick(control<QTableView>(window, "lstPeople"), Qt::Key_Return);
    QCOMPARE(Shown_Reading(), reading);
    QCOMPARE(prompts.questions.size(), questions);

    // Edit fills a new entry window exactly as it was, and its reading is the same again.
    click(window, "cmdEditPerson");
    auto* edited = qobject_cast<frmGemologyMain*>(Sub_Programs::instance(SubWindow::Entry));
    QVERIFY(edited && edited->isVisible());
    QCOMPARE(Entry_State(edited), state);
    if (answer)
        prompts.whichAnswers = {answer == 1 ? Prompts::Answer::First : Prompts::Answer::Second};
    click(edited, "cmdRashi");
    QCOMPARE(Shown_Reading(), reading);
}

void TestFrmPeople::displayMenuSavesThePersonRead()
{
    frmGemologyMain* entry = openEntry();
    fillEntry(entry, QStringLiteral("ANNE-MARIE"));
    click(entry, "cmdRashi");
    auto* display = qobject_cast<frmGemologyDisplay*>(Sub_Programs::instance(SubWindow::Display));
    QVERIFY(display);
    QAction* save = display->findChild<QAction*>(QStringLiteral("mnuSavePerson"));
    QVERIFY(save && save->isEnabled());
    save->trigger();
    QCOMPARE(book().people().size(), std::size_t(1));
    QCOMPARE(book().people().front().birth.name, QStringLiteral("ANNE-MARIE"));
    display->showReading(GemologyReading{});  // a reading of no one: nothing to save
    QVERIFY(!save->isEnabled());
}

void TestFrmPeople::findNoteDeleteAndUndo()
{
    std::vector<Person> people;
    for (int number = 0; number < 5; ++number)
        people.push_back(Fixture_Person(number));
    QCOMPARE(book().addAll(people, QDateTime::currentDateTimeUtc()), BookFault::none);
    frmPeople* window = openBook();
    auto* list = control<QTableView>(window, "lstPeople");
    QCOMPARE(list->model()->rowCount(), 5);
    QCOMPARE(control<QLabel>(window, "lblPeopleCount")->text(), QStringLiteral("5 people"));
    chooseInBook(window, Fixture_Name(2));
    QCOMPARE(control<QLabel>(window, "lblPeopleCount")->text(), QStringLiteral("1 of 5 people"));

    // The note is saved as it is typed, and found.
    auto* note = control<QPlainTextEdit>(window, "txtPersonNotes");
    note->setFocus();
    note->selectAll();
    QTest::keyClicks(note, QStringLiteral("opal"));
    {
        PeopleBook other(PeopleBook::defaultPath());
        QCOMPARE(other.open(), BookFault::none);
        QCOMPARE(other.person(book().people().at(2).id)->note, QStringLiteral("opal"));
    }
    control<QLineEdit>(window, "txtFindPerson")->setText(QStringLiteral("OPAL"));
    QCOMPARE(list->model()->rowCount(), 1);

    // Deleting asks first; No keeps the person.
    click(window, "cmdDeletePerson");
    QCOMPARE(prompts.questions.size(), 1);
    QVERIFY(prompts.questions.front().startsWith(QStringLiteral("Delete %1 from the book of people?").arg(Fixture_Name(2))));
    QCOMPARE(book().people().size(), std::size_t(5));
    prompts.yesNoAnswers = {true};
    click(window, "cmdDeletePerson");
    QCOMPARE(book().people().size(), std::size_t(4));
    QVERIFY(control<QPushButton>(window, "cmdUndoDelete")->isEnabled());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(book().people().size(), std::size_t(5));
    QCOMPARE(book().people().at(2).note, QStringLiteral("opal"));
    QVERIFY(!control<QPushButton>(window, "cmdUndoDelete")->isEnabled());
    QCOMPARE(list->model()->rowCount(), 1);
}

void TestFrmPeople::importAsksWithTheRefusedRowsThenAdds()
{
    Person inBook = Fixture_Person(1);
    QCOMPARE(book().save(inBook, QDateTime::currentDateTimeUtc()), BookFault::none);
    std::vector<Person> people{Fixture_Person(1), Fixture_Person(2), Fixture_Person(3), Fixture_Person(4)};
    people[2].birth.longitudeDegrees = 200;  // line 4: refused
    const QString path = home.filePath(QStringLiteral("people.csv"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(People_Csv(people));
    }
    frmPeople* window = openBook();
    prompts.openPaths = {path};
    click(window, "cmdImportPeople");
    QCOMPARE(prompts.questions.size(), 1);
    QCOMPARE(prompts.questions.front(),
             QStringLiteral("Importing this file would add 2 people to the book.\n"
                            "1 person is in the book already and left as they are.\n"
                            "1 row is refused:\n"
                            "  line 4: Please Enter Value Between 0 And 179 in the Degree of Longitude\n\nAdd them now?"));
    QCOMPARE(book().people().size(), std::size_t(1));  // answered No

    prompts.openPaths = {path};
    prompts.yesNoAnswers = {true};
    click(window, "cmdImportPeople");
    QCOMPARE(book().people().size(), std::size_t(3));
    QCOMPARE(control<QTableView>(window, "lstPeople")->model()->rowCount(), 3);

    // A file that is no CSV changes nothing.
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("name,year\n\"ASHA,1990\n");
    }
    prompts.openPaths = {path};
    click(window, "cmdImportPeople");
    QVERIFY(prompts.lastMessage().startsWith(QStringLiteral("The file is not CSV")));
    QCOMPARE(book().people().size(), std::size_t(3));
}

void TestFrmPeople::exportWritesTheBookSafeFromFormulas()
{
    std::vector<Person> people;
    for (int number = 0; number < 8; ++number)
        people.push_back(Fixture_Person(number));
    QCOMPARE(book().addAll(people, QDateTime::currentDateTimeUtc()), BookFault::none);
    frmPeople* window = openBook();
    const QString path = home.filePath(QStringLiteral("export.csv"));
    prompts.savePaths = {path};
    click(window, "cmdExportPeople");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), People_Csv(book().people()));

    // Into a folder that does not exist: a message, and no file.
    prompts.savePaths = {home.filePath(QStringLiteral("no such folder/export.csv"))};
    click(window, "cmdExportPeople");
    QVERIFY(prompts.lastMessage().startsWith(QStringLiteral("The people could not be written")));
}

void TestFrmPeople::damagedBookIsKeptAsideBeforeANewOne()
{
    book().close();
    {
        QFile file(PeopleBook::defaultPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("this is no database");
    }
    QFile::remove(PeopleBook::defaultPath() + "-wal");
    prompts.yesNoAnswers = {false};
    frmPeople* window = openBook();
    QCOMPARE(prompts.questions.size(), 1);
    QVERIFY(prompts.questions.front().contains(QStringLiteral("is damaged or is not a book of people")));
    QVERIFY(!control<QPushButton>(window, "cmdImportPeople")->isEnabled());
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QFile kept(PeopleBook::defaultPath());  // put back as it was: the user wanted no new book
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("this is no database"));
    kept.close();

    prompts.yesNoAnswers = {true};
    window = openBook();
    QCOMPARE(prompts.questions.size(), 2);
    QVERIFY(book().isOpen());
    QVERIFY(book().people().empty());
    const QStringList aside = QDir(QFileInfo(PeopleBook::defaultPath()).path())
                                  .entryList({QStringLiteral("people damaged *.sqlite")});
    QCOMPARE(aside.size(), 1);
    QVERIFY(prompts.questions.back().contains(aside.front()));
    QFile damaged(QFileInfo(PeopleBook::defaultPath()).path() + u'/' + aside.front());
    QVERIFY(damaged.open(QIODevice::ReadOnly));
    QCOMPARE(damaged.readAll(), QByteArray("this is no database"));
}

// A book of 10,000 people, and the summary of an import with a refused row, as the user sees
// them; pictures of both go to <build>/screenshots/ for a person to look at.
void TestFrmPeople::bookOfTenThousandIsShownWithItsImportSummary()
{
    std::vector<Person> people;
    for (int number = 0; number < 10'000; ++number)
        people.push_back(Fixture_Person(number));
    QCOMPARE(book().addAll(people, QDateTime::currentDateTimeUtc()), BookFault::none);
    frmPeople* window = openBook();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(control<QTableView>(window, "lstPeople")->model()->rowCount(), 10'000);
    QCOMPARE(control<QLabel>(window, "lblPeopleCount")->text(), QStringLiteral("10,000 people"));
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));

    QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots"));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QVERIFY(window->grab().save(folder.filePath(QStringLiteral("people-book.png"))));

    std::vector<Person> file{Fixture_Person(10'001), Fixture_Person(10'002), Fixture_Person(3)};
    file[1].birth.day = 31;
    file[1].birth.month = 4;
    const QString path = home.filePath(QStringLiteral("refused.csv"));
    {
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write(People_Csv(file));
    }
    prompts.openPaths = {path};
    click(window, "cmdImportPeople");
    QCOMPARE(prompts.questions.size(), 1);
    QVERIFY(prompts.questions.front().contains(QStringLiteral("line 3: Please Enter Correct Date Or Month !")));
    // The question as the program's own dialog shows it, answered No once pictured.
    Prompts::install(nullptr);
    bool pictured = false;
    QTimer::singleShot(300, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            pictured = box->grab().save(folder.filePath(QStringLiteral("people-import-summary.png")));
            box->button(QMessageBox::No)->click();
        }
    });
    const bool added = Prompts::current().askYesNo(window, prompts.questions.front());
    Prompts::install(&prompts);
    QVERIFY(pictured);
    QVERIFY(!added);
}

QTEST_MAIN(TestFrmPeople)
#include "test_frmPeople.moc"
