#include "birthplace/place_atlas.h"
#include "gemmarium.h"
#include "moon/frmMoonCalendar.h"
#include "moon/moon_month_grid.h"
#include "shell/clock.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "shell/widgets/moon_phase_box.h"
#include "shell/widgets/picture_box.h"
#include "support/find_control.h"
#include "support/fixture_atlas.h"
#include "support/scripted_prompts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The launcher's Moon today and the calendar it opens, on a clock the test sets, in UTC.
class TestMoonCalendar : public QObject {
    Q_OBJECT

private:
    static frmMoonCalendar* openCalendar(frmMDI& launcher)
    {
        launcher.findChild<QAction*>(QStringLiteral("mnuMoonCalendar"))->trigger();
        return qobject_cast<frmMoonCalendar*>(Sub_Programs::instance(SubWindow::MoonCalendar));
    }

    static QString shownMonth(QWidget* calendar)
    {
        return Find_Control<QComboBox>(calendar, QStringLiteral("cboMonth"))->currentText() + QLatin1Char(' ') +
               Find_Control<QComboBox>(calendar, QStringLiteral("cboYear"))->currentText();
    }

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        QVERIFY(PlaceAtlas::useReaderForShared(Fixture_Atlas_Places));
        Register_Windows();
        Clock::setForTesting([] { return QDateTime(QDate(2024, 3, 25), QTime(12, 0), QTimeZone::utc()); });
    }

    void cleanupTestCase() { Clock::setForTesting({}); }

    // After the launcher's first frame, the panel tells the Moon of the clock's moment; a click
    // on it opens the calendar on today's month, the launcher's welcome panel hidden.
    void launcherTellsTheMoonTodayAndOpensTheCalendar()
    {
        frmMDI launcher;
        auto* text = Find_Control<QLabel>(&launcher, QStringLiteral("lblMoonToday"));
        QVERIFY(text->text().isEmpty());
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        QTRY_COMPARE(text->text(), QStringLiteral("The Moon is in Libra until Wednesday 09:03, then Scorpio. "
                                                  "Full moon, 100% lit. Its stone: Diamond."));
        QVERIFY(text->isVisible());
        QVERIFY(std::abs(Find_Control<MoonPhaseBox>(&launcher, QStringLiteral("picMoonToday"))->elongation() - 180) < 5);

        QTest::keyClick(text, Qt::Key_Return);
        QWidget* calendar = Sub_Programs::instance(SubWindow::MoonCalendar);
        QVERIFY(calendar && calendar->isVisible());
        QVERIFY(!Find_Control<QWidget>(&launcher, QStringLiteral("picMain"))->isVisible());
        QCOMPARE(shownMonth(calendar), QStringLiteral("March 2024"));
        calendar->close();
        QVERIFY(Find_Control<QWidget>(&launcher, QStringLiteral("picMain"))->isVisible());
        QCOMPARE(Sub_Programs::instance(SubWindow::MoonCalendar), nullptr);
    }

    // Page Up and Page Down, the buttons and the choice turn months, never beyond the range.
    void monthsTurnWithinTheRange()
    {
        frmMDI launcher;
        frmMoonCalendar* calendar = openCalendar(launcher);
        calendar->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calendar));
        QTest::keyClick(calendar, Qt::Key_PageDown);
        QCOMPARE(shownMonth(calendar), QStringLiteral("April 2024"));
        QTest::keyClick(calendar, Qt::Key_PageUp);
        QTest::keyClick(calendar, Qt::Key_PageUp);
        QCOMPARE(shownMonth(calendar), QStringLiteral("February 2024"));
        calendar->showMonth(1901, 1);
        auto* previous = Find_Control<QAbstractButton>(calendar, QStringLiteral("cmdPrevMonth"));
        QVERIFY(!previous->isEnabled());
        QTest::keyClick(calendar, Qt::Key_PageUp);
        QCOMPARE(shownMonth(calendar), QStringLiteral("January 1901"));
        calendar->showMonth(2050, 12);
        QTest::keyClick(calendar, Qt::Key_PageDown);
        QCOMPARE(shownMonth(calendar), QStringLiteral("December 2050"));
        QVERIFY(!Find_Control<QAbstractButton>(calendar, QStringLiteral("cmdNextMonth"))->isEnabled());
        Find_Control<QAbstractButton>(calendar, QStringLiteral("cmdToday"))->click();
        QCOMPARE(shownMonth(calendar), QStringLiteral("March 2024"));
        calendar->close();
    }

    // The chosen day tells its events and, for each sign of the day, the moon-sign reading's stone
    // with its picture: 27 March 2024, Libra then Scorpio at 09:03.
    void chosenDayTellsItsEventsAndStones()
    {
        frmMDI launcher;
        frmMoonCalendar* calendar = openCalendar(launcher);
        auto* grid = Find_Control<MoonMonthGrid>(calendar, QStringLiteral("calMonth"));
        grid->choose(QDate(2024, 3, 27));
        const QString details = Find_Control<QLabel>(calendar, QStringLiteral("lblDayDetails"))->text();
        QVERIFY2(details.contains(QStringLiteral("09:03 It enters Scorpio.")), qPrintable(details));
        QVERIFY(Find_Control<QLabel>(calendar, QStringLiteral("lblDayStone_0"))->text().contains(QStringLiteral("Moon in Libra: Diamond")));
        QVERIFY(Find_Control<QLabel>(calendar, QStringLiteral("lblDayStone_1"))->text().contains(QStringLiteral("Moon in Scorpio: Coral")));
        QCOMPARE(Find_Control<PictureBox>(calendar, QStringLiteral("picDayStone_1"))->drawing(), QStringLiteral("stones/coral"));
        QTest::keyClick(grid, Qt::Key_Right);
        QVERIFY(Find_Control<QLabel>(calendar, QStringLiteral("lblDayDetails"))->text().contains(QStringLiteral("28 March 2024")));
        QVERIFY(!Find_Control<QLabel>(calendar, QStringLiteral("lblDayStone_1"))->isVisibleTo(calendar));
        calendar->close();
    }

    // A place chosen from the atlas puts the times on its zone's clock, its change to summer
    // time told and its day of 23 hours; emptying the place brings the computer's zone back.
    void placeChosenGivesItsZone()
    {
        frmMDI launcher;
        frmMoonCalendar* calendar = openCalendar(launcher);
        calendar->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calendar));
        QTRY_VERIFY(PlaceAtlas::shared().index() != nullptr);
        auto* place = Find_Control<QLineEdit>(calendar, QStringLiteral("txtCalendarPlace"));
        place->setFocus();
        QTest::keyClicks(place, QStringLiteral("New York"));
        QAbstractItemView* rows = Find_Control<QCompleter>(calendar, QStringLiteral("lstPlaces"))->popup();
        QTRY_VERIFY(rows->isVisible());
        QTest::keyClick(rows, Qt::Key_Down);
        QTest::keyClick(rows, Qt::Key_Return);
        auto* zone = Find_Control<QLabel>(calendar, QStringLiteral("lblCalendarZone"));
        QCOMPARE(zone->text(), QStringLiteral("Times in New York, United States of America's zone, America/New_York: "
                                              "EST (UTC-05:00), from 10 March 03:00 EDT (UTC-04:00)."));
        const auto& days = Find_Control<MoonMonthGrid>(calendar, QStringLiteral("calMonth"))->monthDays();
        QCOMPARE(days.at(9).hours, 23);
        QCOMPARE(days.at(26).events.front().local.time(), QTime(5, 3));  // 09:02:42 UT

        place->selectAll();
        QTest::keyClick(place, Qt::Key_Backspace);
        QVERIFY(zone->text().startsWith(QStringLiteral("Times in this computer's zone")));
        QCOMPARE(days.at(9).hours, 24);
        calendar->close();
    }

    // The phase as seen from the north: lit from the right while the Moon waxes, from the left
    // while it wanes; a crescent lights its edge only, a gibbous Moon its middle too.
    void phaseIsDrawnLitOnItsSide_data()
    {
        QTest::addColumn<double>("elongation");
        QTest::addColumn<bool>("leftLit");
        QTest::addColumn<bool>("middleLit");
        QTest::addColumn<bool>("rightLit");
        QTest::newRow("new") << 0.0 << false << false << false;
        QTest::newRow("waxing crescent") << 45.0 << false << false << true;
        QTest::newRow("waxing gibbous") << 135.0 << false << true << true;
        QTest::newRow("full") << 180.0 << true << true << true;
        QTest::newRow("waning gibbous") << 225.0 << true << true << false;
        QTest::newRow("waning crescent") << 315.0 << true << false << false;
    }

    void phaseIsDrawnLitOnItsSide()
    {
        QFETCH(double, elongation);
        QFETCH(bool, leftLit);
        QFETCH(bool, middleLit);
        QFETCH(bool, rightLit);
        QImage image(101, 101, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        Paint_Moon_Phase(painter, QRectF(0, 0, 101, 101), elongation);
        painter.end();
        const auto lit = [&](int x) { return qGray(image.pixel(x, 50)) > 160; };
        QCOMPARE(lit(8), leftLit);
        QCOMPARE(lit(50), middleLit);
        QCOMPARE(lit(92), rightLit);
    }

    // Print Month makes one landscape page; a printer dialog cancelled prints nothing.
    void printsTheMonthOnOneLandscapePage()
    {
        frmMDI launcher;
        frmMoonCalendar* calendar = openCalendar(launcher);
        ScriptedPrompts prompts;
        auto* print = Find_Control<QAbstractButton>(calendar, QStringLiteral("cmdPrintMonth"));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("month.pdf"));
        print->click();
        QVERIFY(!QFile::exists(pdf));
        prompts.printToPdf = pdf;
        print->click();
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished());
        const QString answer = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(answer.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(answer));
        const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(answer);
        QVERIFY(size.hasMatch());
        QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
        QVERIFY(prompts.messages.isEmpty());
        calendar->close();
    }
};

QTEST_MAIN(TestMoonCalendar)
#include "test_frmMoonCalendar.moc"
