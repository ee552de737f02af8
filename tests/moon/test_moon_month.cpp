#include "moon/julian_day.h"
#include "moon/moon_month.h"

#include <QTest>

#include <set>

namespace {

QDateTime Utc(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(0, 0), QTimeZone::utc());
}

const MoonDay& Day_Of(const std::vector<MoonDay>& days, QDate date)
{
    return days[static_cast<std::size_t>(date.day() - 1)];
}

}  // namespace

class TestMoonMonth : public QObject {
    Q_OBJECT

private slots:
    void daysOfClockChanges_data();
    void daysOfClockChanges();
    void changeAtLocalMidnight_data();
    void changeAtLocalMidnight();
    void monthsOfTheRange_data();
    void monthsOfTheRange();
};

void TestMoonMonth::daysOfClockChanges_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("hours");
    QTest::newRow("Berlin, spring") << QByteArray("Europe/Berlin") << QDate(2024, 3, 31) << 23;
    QTest::newRow("Berlin, autumn") << QByteArray("Europe/Berlin") << QDate(2024, 10, 27) << 25;
    QTest::newRow("New York, spring") << QByteArray("America/New_York") << QDate(2024, 3, 10) << 23;
    QTest::newRow("New York, autumn") << QByteArray("America/New_York") << QDate(2024, 11, 3) << 25;
    QTest::newRow("London, an ordinary day") << QByteArray("Europe/London") << QDate(2024, 6, 12) << 24;
}

// The day has its hours, and over the whole month every event of the span between the month's
// first and last midnights is shown once, on the day and at the minute the zone's clock gives
// it, and each day opens in the sign the day before closed in.
void TestMoonMonth::daysOfClockChanges()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, day);
    QFETCH(int, hours);
    const QTimeZone timeZone(zone);
    const std::vector<MoonDay> days = Moon_Month(day.year(), day.month(), timeZone);
    QCOMPARE(days.size(), std::size_t(day.daysInMonth()));
    QCOMPARE(Day_Of(days, day).hours, hours);

    const QDateTime first(QDate(day.year(), day.month(), 1), QTime(0, 0), timeZone);
    const QDateTime last = first.addMonths(1);
    std::size_t shown = 0;
    for (std::size_t at = 0; at < days.size(); ++at) {
        for (const DayEvent& event : days[at].events) {
            const QDateTime moment = Moment_Of_Julian_Day(event.event.julianDay).toTimeZone(timeZone);
            QVERIFY(std::abs(moment.secsTo(event.local)) <= 30);
            QCOMPARE(event.local.date(), days[at].date);
            QCOMPARE(event.local.time().second(), 0);
            ++shown;
        }
        if (at > 0)
            QCOMPARE(days[at].startSign, Day_Signs(days[at - 1]).back());
    }
    QCOMPARE(shown, Moon_Events(Julian_Day_Of(first), Julian_Day_Of(last)).size());
}

void TestMoonMonth::changeAtLocalMidnight_data()
{
    QTest::addColumn<int>("secondsAfterMidnight");
    QTest::newRow("20 seconds after") << 20;
    QTest::newRow("20 seconds before, which rounds to it") << -20;
}

// A zone whose clock reads 00:00 (give or take the seconds of the row) when the Moon enters a
// sign: the change opens that day, which is in the new sign only; the day before ends in the old
// sign and does not show the change.
void TestMoonMonth::changeAtLocalMidnight()
{
    QFETCH(int, secondsAfterMidnight);
    const double from = Julian_Day_Of(Utc(2024, 3, 11));
    const MoonEvent change = Moon_Events(from, from + 3).front();
    QCOMPARE(change.kind, MoonEventKind::SignChange);
    const QDateTime utc = Moment_Of_Julian_Day(change.julianDay);
    int offset = secondsAfterMidnight - utc.time().msecsSinceStartOfDay() / 1000;
    if (offset < -14 * 3600)
        offset += 86400;
    const QTimeZone zone(offset);
    const QDate opened = utc.toTimeZone(zone).addSecs(-secondsAfterMidnight).date();

    const std::vector<MoonDay> days = Moon_Month(opened.year(), opened.month(), zone);
    const MoonDay& day = Day_Of(days, opened);
    QCOMPARE(day.events.front().event.kind, MoonEventKind::SignChange);
    QCOMPARE(day.events.front().local, QDateTime(opened, QTime(0, 0), zone));
    QCOMPARE(day.startSign, change.sign);
    QCOMPARE(Day_Signs(day), std::vector<int>{change.sign});

    const MoonDay& before = Day_Of(days, opened.addDays(-1));
    for (const DayEvent& event : before.events)
        QVERIFY(event.event.kind != MoonEventKind::SignChange);
    QCOMPARE(Day_Signs(before).back(), (change.sign + 11) % 12);
}

void TestMoonMonth::monthsOfTheRange_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("January 1901") << 1901 << 1 << true;
    QTest::newRow("December 2050") << 2050 << 12 << true;
    QTest::newRow("December 1900") << 1900 << 12 << false;
    QTest::newRow("January 2051") << 2051 << 1 << false;
    QTest::newRow("month 13") << 2000 << 13 << false;
    QTest::newRow("month 0") << 2000 << 0 << false;
}

// The first and last months are whole: every day, at least 13 changes of sign and the four
// phases; a month outside gives no days.
void TestMoonMonth::monthsOfTheRange()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, inRange);
    QCOMPARE(Month_In_Range(year, month), inRange);
    const std::vector<MoonDay> days = Moon_Month(year, month, QTimeZone("Europe/Paris"));
    if (!inRange) {
        QVERIFY(days.empty());
        return;
    }
    QCOMPARE(days.size(), std::size_t{31});
    int changes = 0;
    std::set<MoonEventKind> phases;
    for (const MoonDay& day : days) {
        QVERIFY(day.litFraction >= 0 && day.litFraction <= 1);
        for (const DayEvent& event : day.events)
            Is_Phase(event.event.kind) ? void(phases.insert(event.event.kind)) : void(++changes);
    }
    QVERIFY(changes >= 13);
    QCOMPARE(phases.size(), std::size_t{4});
}

QTEST_GUILESS_MAIN(TestMoonMonth)
#include "test_moon_month.moc"
