#include "gemmarium.h"
#include "gemology/frmGemologyDisplay.h"
#include "gemology/frmGemologyMain.h"
#include "birthplace/place_atlas.h"
#include "shell/sub_programs.h"
#include "support/find_control.h"
#include "support/fixture_atlas.h"
#include "support/scripted_prompts.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using Answer = Prompts::Answer;

class TestFrmGemologyMainAtlas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cityTypedWhileLoadingIsListedOnceReady();
    void typingListsThePlacesAndEscapeKeepsTheText();
    void keystrokeFindingTheSamePlacesLeavesTheList();
    void choosingAPlaceFillsTheEntry_data();
    void choosingAPlaceFillsTheEntry();
    void readingUsesTheZoneOfTheBirthMoment_data();
    void readingUsesTheZoneOfTheBirthMoment();
    void zoneChosenByHandWinsUntilTheCityChanges();
    void skippedTimeIsRefused();

private:
    template <typename Control>
    Control* control(const char* name) const { return Find_Control<Control>(window, QString::fromLatin1(name)); }
    QAbstractItemView* placeList() const { return control<QCompleter>("lstPlaces")->popup(); }
    void choosePlace(const QString& typed, int down = 0);
    void setMoment(int year, int month, int day, int hour, int minute);
    frmGemologyDisplay* runReading();
    bool atlasRead();

    AtlasGate atlasGate;  // the entry windows' atlas reads the fixture once the gate is open
    ScriptedPrompts prompts;
    QWidget welcomePanel;
    QPointer<frmGemologyMain> window;
};

void TestFrmGemologyMainAtlas::initTestCase()
{
    QVERIFY(PlaceAtlas::useReaderForShared(atlasGate.reader()));
    Register_Windows();
    Welcome_Panel::attach(&welcomePanel);
}

void TestFrmGemologyMainAtlas::init()
{
    prompts.messages.clear();
    prompts.questions.clear();
    window = qobject_cast<frmGemologyMain*>(Sub_Programs::obtain(SubWindow::Entry));
    QVERIFY(window);
    window->show();
}

void TestFrmGemologyMainAtlas::cleanup()
{
    Sub_Programs::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrmGemologyMainAtlas::choosePlace(const QString& typed, int down)
{
    QLineEdit* city = control<QLineEdit>("txtMCity");
    city->setFocus();
    city->clear();
    QTest::keyClicks(city, typed);
    QVERIFY(placeList()->isVisible());
    QVERIFY(!placeList()->currentIndex().isValid());  // no row chosen: the first Down chooses the first
    for (int step = 0; step <= down; ++step)
        QTest::keyClick(placeList(), Qt::Key_Down);
    QTest::keyClick(placeList(), Qt::Key_Return);
    QVERIFY(!placeList()->isVisible());
}

void TestFrmGemologyMainAtlas::setMoment(int year, int month, int day, int hour, int minute)
{
    control<QComboBox>("cboYear")->setCurrentText(QString::number(year));
    control<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
    control<QComboBox>("cboDate")->setCurrentText(QString::number(day));
    control<QComboBox>("cboHH")->setCurrentText(QString::number(hour));
    control<QComboBox>("cboMM")->setCurrentText(QString::number(minute));
}

frmGemologyDisplay* TestFrmGemologyMainAtlas::runReading()
{
    control<QLineEdit>("txtName")->setText(QStringLiteral("ASHA"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    return qobject_cast<frmGemologyDisplay*>(Sub_Programs::instance(SubWindow::Display));
}

// Lets the atlas be read and waits until it is.
bool TestFrmGemologyMainAtlas::atlasRead()
{
    atlasGate.open();
    return QTest::qWaitFor([] { return PlaceAtlas::shared().index() != nullptr; });
}

// Runs first, while the gate holds back the reading of the atlas.
void TestFrmGemologyMainAtlas::cityTypedWhileLoadingIsListedOnceReady()
{
    QVERIFY2(!atlasGate.isOpen(), "runs before any other test lets the atlas be read");
    QLineEdit* city = control<QLineEdit>("txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("zurich"));
    QTest::qWait(20);
    QVERIFY(!PlaceAtlas::shared().index());
    QVERIFY(!placeList()->isVisible());
    QVERIFY(atlasRead());
    QTRY_VERIFY(placeList()->isVisible());
    QCOMPARE(placeList()->model()->index(0, 0).data().toString(),
             QStringLiteral("Zurich, Canton of Zurich, Switzerland"));
    QCOMPARE(city->text(), QStringLiteral("zurich"));
}

void TestFrmGemologyMainAtlas::typingListsThePlacesAndEscapeKeepsTheText()
{
    QVERIFY(atlasRead());
    QLineEdit* city = control<QLineEdit>("txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("springf"));
    QVERIFY(placeList()->isVisible());
    QCOMPARE(placeList()->model()->rowCount(), 11);
    QCOMPARE(placeList()->model()->index(0, 0).data().toString(),
             QStringLiteral("Springfield, Missouri, United States of America"));
    QTest::keyClick(placeList(), Qt::Key_Escape);
    QVERIFY(!placeList()->isVisible());
    QCOMPARE(city->text(), QStringLiteral("springf"));
    QTest::keyClicks(city, QStringLiteral("qqq"));
    QVERIFY(placeList()->isVisible());  // saying that nothing was found
    QCOMPARE(placeList()->model()->rowCount(), 1);
    QCOMPARE(placeList()->model()->index(0, 0).data().toString(),
             QStringLiteral("No place of that name in the atlas: type the coordinates below"));
    QTest::keyClick(placeList(), Qt::Key_Down);
    QTest::keyClick(placeList(), Qt::Key_Return);  // the row only tells: nothing is chosen
    QCOMPARE(city->text(), QStringLiteral("springfqqq"));
    QCOMPARE(control<QLineEdit>("txtMState")->text(), QString());
    QVERIFY(prompts.messages.isEmpty());
}

// A screen reader would read the list and its chosen row anew after every keystroke that
// rebuilt it.
void TestFrmGemologyMainAtlas::keystrokeFindingTheSamePlacesLeavesTheList()
{
    QVERIFY(atlasRead());
    QLineEdit* city = control<QLineEdit>("txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("springfiel"));
    QVERIFY(placeList()->isVisible());
    QTest::keyClick(placeList(), Qt::Key_Down);
    QCOMPARE(placeList()->currentIndex().row(), 0);
    QSignalSpy rebuilt(placeList()->model(), &QAbstractItemModel::modelReset);
    QTest::keyClick(city, Qt::Key_D);
    QCOMPARE(city->text(), QStringLiteral("springfield"));
    QCOMPARE(rebuilt.size(), 0);
    QCOMPARE(placeList()->currentIndex().row(), 0);
    QTest::keyClick(city, Qt::Key_Space);  // "springfield " folds the same
    QCOMPARE(rebuilt.size(), 0);
    QTest::keyClicks(city, QStringLiteral("g"));  // Springfield Gardens alone
    QVERIFY(!rebuilt.isEmpty());
    QCOMPARE(placeList()->model()->rowCount(), 1);
    QVERIFY(!placeList()->currentIndex().isValid());
}

void TestFrmGemologyMainAtlas::choosingAPlaceFillsTheEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("down");
    QTest::addColumn<QStringList>("fields");  // city, state, country, the four numbers
    QTest::addColumn<bool>("south");
    QTest::addColumn<bool>("west");

    QTest::newRow("Madrid, Spain") << "madrid" << 0
                                   << QStringList{"Madrid", "Madrid", "Spain", "40", "25", "3", "42"} << false << true;
    QTest::newRow("São Paulo") << "sao p" << 0
                               << QStringList{"São Paulo", "São Paulo", "Brazil", "23", "33", "46", "38"} << true
                               << true;
    QTest::newRow("London, Ontario, second in the list") << "london" << 1
                                                         << QStringList{"London", "Ontario", "Canada", "42", "59", "81",
                                                                        "14"}
                                                         << false << true;
    QTest::newRow("Kathmandu") << "kathm" << 0
                               << QStringList{"Kathmandu", "Bagmati Province", "Nepal", "27", "42", "85", "19"} << false
                               << false;
}

void TestFrmGemologyMainAtlas::choosingAPlaceFillsTheEntry()
{
    QFETCH(QString, typed);
    QFETCH(int, down);
    QFETCH(QStringList, fields);
    QFETCH(bool, south);
    QFETCH(bool, west);

    QVERIFY(atlasRead());
    // Start from the other hemispheres, so that the choice must set them.
    control<QRadioButton>(south ? "optLat_0" : "optLat_1")->setChecked(true);
    control<QRadioButton>(west ? "optLong_0" : "optLong_1")->setChecked(true);
    choosePlace(typed, down);
    QStringList shown;
    for (const char* name : {"txtMCity", "txtMState", "txtMCountry", "txtLatD", "txtLatM", "txtLonD", "txtLonM"})
        shown.append(control<QLineEdit>(name)->text());
    QCOMPARE(shown, fields);
    QCOMPARE(control<QRadioButton>("optLat_1")->isChecked(), south);
    QCOMPARE(control<QRadioButton>("optLong_1")->isChecked(), west);
}

void TestFrmGemologyMainAtlas::readingUsesTheZoneOfTheBirthMoment_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("moment");  // year, month, day, hour, minute
    QTest::addColumn<QString>("zoneRow");
    QTest::addColumn<bool>("box");
    QTest::addColumn<QString>("moonSign");
    QTest::addColumn<QString>("bornLine");
    QTest::addColumn<QList<int>>("answers");  // to the question of a repeated time: 1 first, 2 second

    QTest::newRow("Madrid 1992: CET row with daylight saving")
        << "madrid" << QList<int>{1992, 4, 13, 4, 30} << "Central European Time,CET,+1.0" << true << "Leo"
        << "Born 04:30 CEST (UTC+02:00), 02:30 Universal Time" << QList<int>{};
    QTest::newRow("Kathmandu 1990: an offset of no row")
        << "kathmandu" << QList<int>{1990, 6, 1, 0, 0} << "Greenwich Mean Time,GMT,0.0" << false << "Virgo"
        << "Born 00:00 (UTC+05:45), 18:15 Universal Time of the day before" << QList<int>{};
    QTest::newRow("Jeddah 1940: its own mean time")
        << "jeddah" << QList<int>{1940, 6, 1, 12, 0} << "Greenwich Mean Time,GMT,0.0" << false << "Aries"
        << "Born 12:00 local mean time (UTC+02:37), 09:23 Universal Time" << QList<int>{};
    // A repeated time shows the earlier clock's row and box until the question is answered.
    QTest::newRow("New York 2021: the second 01:30")
        << "new york" << QList<int>{2021, 11, 7, 1, 30} << "Eastern Standard Time,EST,-5.0" << true << "Sagittarius"
        << "Born 01:30 EST (UTC−05:00), 06:30 Universal Time" << QList<int>{2};
    QTest::newRow("New York 2021: the first 01:30")
        << "new york" << QList<int>{2021, 11, 7, 1, 30} << "Eastern Standard Time,EST,-5.0" << true << "Sagittarius"
        << "Born 01:30 EDT (UTC−04:00), 05:30 Universal Time" << QList<int>{1};
}

void TestFrmGemologyMainAtlas::readingUsesTheZoneOfTheBirthMoment()
{
    QFETCH(QString, typed);
    QFETCH(QList<int>, moment);
    QFETCH(QString, zoneRow);
    QFETCH(bool, box);
    QFETCH(QString, moonSign);
    QFETCH(QString, bornLine);
    QFETCH(QList<int>, answers);

    QVERIFY(atlasRead());
    choosePlace(typed);
    setMoment(moment[0], moment[1], moment[2], moment[3], moment[4]);
    QCOMPARE(control<QComboBox>("cmbTimeZone")->currentText(), zoneRow);
    QCOMPARE(control<QCheckBox>("chkDST")->isChecked(), box);
    QVERIFY(control<QLabel>("lblPlaceZone")->text().startsWith(control<QLineEdit>("txtMCity")->text() + u','));
    prompts.whichAnswers.clear();
    for (const int answer : answers)
        prompts.whichAnswers.append(answer == 1 ? Answer::First : Answer::Second);

    frmGemologyDisplay* display = runReading();
    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(prompts.questions.size(), answers.size());
    QVERIFY(display);
    QLabel* born = Find_Control<QLabel>(display, "lblMoonSignMoment");
    QCOMPARE(born->text(), bornLine);
    QVERIFY(!born->isHidden());
    QVERIFY(display->reportTexts().notes.contains(bornLine));  // the report's closing notes
    QCOMPARE(Find_Control<QLabel>(display, "lblMoonSignYourMoonSign")->text(), moonSign);
}

void TestFrmGemologyMainAtlas::zoneChosenByHandWinsUntilTheCityChanges()
{
    QVERIFY(atlasRead());
    choosePlace(QStringLiteral("madrid"));
    setMoment(1992, 4, 13, 4, 30);
    auto* zone = control<QComboBox>("cmbTimeZone");
    auto* box = control<QCheckBox>("chkDST");
    QVERIFY(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);  // the user clears the box
    QCOMPARE(control<QLabel>("lblPlaceZone")->text(),
             QStringLiteral("Madrid: zone chosen by hand; the reading uses the zone and the daylight-saving box as "
                            "you set them."));
    setMoment(1992, 8, 1, 12, 0);  // a new moment no longer moves the hand-set zone
    QVERIFY(!box->isChecked());
    QCOMPARE(zone->currentText(), QStringLiteral("Central European Time,CET,+1.0"));

    // Choosing the place again ends the hand setting.
    choosePlace(QStringLiteral("madrid"));
    QVERIFY(box->isChecked());
    zone->setFocus();
    QTest::keyClick(zone, Qt::Key_Down);  // the user picks the next row
    QCOMPARE(zone->currentIndex(), 21);
    QVERIFY(control<QLabel>("lblPlaceZone")->text().contains(QLatin1String("by hand")));

    frmGemologyDisplay* display = runReading();
    QVERIFY(display);
    QCOMPARE(Find_Control<QLabel>(display, "lblMoonSignMoment")->text(),
             QStringLiteral("Born 12:00 CST with daylight saving (UTC−05:00), 17:00 Universal Time"));
}

void TestFrmGemologyMainAtlas::skippedTimeIsRefused()
{
    QVERIFY(atlasRead());
    choosePlace(QStringLiteral("new york"));
    setMoment(2021, 3, 14, 2, 30);
    control<QLineEdit>("txtName")->setFocus();
    QVERIFY(!runReading());
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.lastMessage(), QStringLiteral("On 14 March 2021 the clocks in New York went from 02:00 to 03:00: "
                                                   "02:30 did not exist there. Please check the time of birth."));
    QCOMPARE(window->focusWidget(), control<QWidget>("cboHH"));

    // A repeated time left unanswered makes no reading either.
    setMoment(2021, 11, 7, 1, 30);
    QVERIFY(!runReading());
    QCOMPARE(prompts.questions.size(), 1);
    QCOMPARE(prompts.questions.constLast(),
             QStringLiteral("On 7 November 2021 the clocks in New York went back from 02:00 to 01:00, so 01:30 happened "
                            "twice there: first in daylight saving time (EDT, UTC−04:00), then in standard time (EST, "
                            "UTC−05:00). Which one was the time of birth?"));
    QCOMPARE(prompts.whichChoices.constLast(), QStringLiteral("The first (EDT) | The second (EST)"));
    QVERIFY(window && window->isVisible());
}

QTEST_MAIN(TestFrmGemologyMainAtlas)
#include "test_frmGemologyMainAtlas.moc"
