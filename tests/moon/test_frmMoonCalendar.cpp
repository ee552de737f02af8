#include "gemmarium.h"
#include "moon/frmMoonCalendar.h"
#include "moon/moon_month_grid.h"
#include "shell/clock.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "shell/widgets/moon_phase_box.h"
#include "shell/widgets/picture_box.h"
#include "support/find_control.h"
#include "support/scripted_prompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
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
