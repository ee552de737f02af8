#include "astro/time_scales.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(ChartInput)

namespace {

constexpr bool East = true;
constexpr bool West = false;
constexpr bool Dst = true;
constexpr bool NoDst = false;

// A birth moment on 2000-01-01 at a given place, zone size and clock time.
ChartInput Moment(int longitudeDegrees, int longitudeMinutes, bool east, int zoneHours, int zoneMinutes,
                  bool daylightSaving, int hour, int minute,
                  ZoneDirection direction = ZoneDirection::unknown)
{
    ChartInput input;
    input.hour = static_cast<std::int16_t>(hour);
    input.minute = static_cast<std::int16_t>(minute);
    input.zoneHours = static_cast<std::int16_t>(zoneHours);
    input.zoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    input.longitudeDegrees = static_cast<std::int16_t>(longitudeDegrees);
    input.longitudeMinutes = static_cast<std::int16_t>(longitudeMinutes);
    input.east = east;
    input.daylightSaving = daylightSaving;
    input.zoneDirection = direction;
    return input;
}

}  // namespace

class TestTimeScales : public QObject {
    Q_OBJECT

private slots:
    void julianDayNumber_data();
    void julianDayNumber();
    void universalTime_data();
    void universalTime();
    void julianCenturies_data();
    void julianCenturies();
    void negativeUniversalTimeFallsOnThePreviousDay();
};

void TestTimeScales::julianDayNumber_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("expected");

    QTest::newRow("J2000 epoch") << 2000 << 1 << 1 << 2451545.0;
    QTest::newRow("leap day 2000") << 2000 << 2 << 29 << 2451604.0;
    QTest::newRow("first day of the year list") << 1901 << 1 << 1 << 2415386.0;
    QTest::newRow("last day of the year list") << 2050 << 12 << 31 << 2470172.0;
    QTest::newRow("last Julian day") << 1582 << 10 << 4 << 2299160.0;
    QTest::newRow("15 Oct 1582 still counts as Julian") << 1582 << 10 << 15 << 2299171.0;
    QTest::newRow("16 Oct 1582 is Gregorian") << 1582 << 10 << 16 << 2299162.0;
    QTest::newRow("Julian Day zero") << -4712 << 1 << 1 << 0.0;
    QTest::newRow("months counted below zero") << -4801 << 2 << 28 << -32449.0;
    QTest::newRow("lowest year a ChartInput holds") << -32768 << 12 << 31 << -10247089.0;
}

void TestTimeScales::julianDayNumber()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(double, expected);
    QCOMPARE(Julian_Day_Number(month, day, year), expected);
}

void TestTimeScales::universalTime_data()
{
    QTest::addColumn<ChartInput>("input");
    QTest::addColumn<double>("expected");

    // With no known zone direction the hemisphere of the longitude decides it.
    QTest::newRow("east, half-hour zone") << Moment(77, 13, East, 5, 30, NoDst, 10, 30) << 5.0;
    QTest::newRow("west, daylight saving shrinks the zone") << Moment(74, 0, West, 5, 0, Dst, 14, 0) << 18.0;
    QTest::newRow("Greenwich, daylight saving") << Moment(0, 0, West, 0, 0, Dst, 12, 0) << 11.0;
    QTest::newRow("East chosen at 0°00' counts as west") << Moment(0, 0, East, 2, 0, NoDst, 12, 0) << 14.0;
    QTest::newRow("west place, zone ahead, direction unknown") << Moment(3, 42, West, 1, 0, NoDst, 12, 0) << 13.0;
    QTest::newRow("east, past midnight goes below zero") << Moment(77, 13, East, 5, 30, NoDst, 0, 30) << -5.0;
    QTest::newRow("west, evening reaches past 24") << Moment(120, 0, West, 8, 0, NoDst, 20, 15) << 28.25;

    // A zone of known direction is applied its own way round whatever the hemisphere, and
    // daylight saving always moves Universal Time one hour earlier.
    constexpr ZoneDirection ahead = ZoneDirection::aheadOfGreenwich;
    constexpr ZoneDirection behind = ZoneDirection::behindGreenwich;
    QTest::newRow("Madrid on CET, west and ahead") << Moment(3, 42, West, 1, 0, NoDst, 12, 0, ahead) << 11.0;
    QTest::newRow("Madrid on CET with daylight saving") << Moment(3, 42, West, 1, 0, Dst, 12, 0, ahead) << 10.0;
    QTest::newRow("London on BST, west and ahead") << Moment(0, 7, West, 1, 0, NoDst, 9, 30, ahead) << 8.5;
    QTest::newRow("Attu on AHST, east and behind") << Moment(172, 54, East, 10, 0, NoDst, 12, 0, behind) << 22.0;
    QTest::newRow("Attu on AHST with daylight saving") << Moment(172, 54, East, 10, 0, Dst, 12, 0, behind) << 21.0;
}

void TestTimeScales::universalTime()
{
    QFETCH(ChartInput, input);
    QFETCH(double, expected);
    QCOMPARE(Universal_Time(input), expected);
}

void TestTimeScales::julianCenturies_data()
{
    QTest::addColumn<double>("julianDayNumber");
    QTest::addColumn<double>("universalTime");
    QTest::addColumn<double>("expected");

    QTest::newRow("J2000.0 itself") << 2451545.0 << 12.0 << 0.0;
    QTest::newRow("1992-04-12 0h") << Julian_Day_Number(4, 12, 1992) << 0.0 << -0.077221081451;
    QTest::newRow("a century after J2000.0") << 2451545.0 + 36525.0 << 12.0 << 1.0;
}

void TestTimeScales::julianCenturies()
{
    QFETCH(double, julianDayNumber);
    QFETCH(double, universalTime);
    QFETCH(double, expected);
    QVERIFY(std::abs(Julian_Centuries(julianDayNumber, universalTime) - expected) < 1e-12);
}

void TestTimeScales::negativeUniversalTimeFallsOnThePreviousDay()
{
    ChartInput input = Moment(77, 13, East, 5, 30, NoDst, 0, 30);
    input.year = 1992;
    input.month = 4;
    input.day = 12;
    const double t = Julian_Centuries(Julian_Day_Number(input.month, input.day, input.year), Universal_Time(input));
    const double previousEvening = Julian_Centuries(Julian_Day_Number(4, 11, 1992), 19.0);
    QVERIFY(std::abs(t - previousEvening) < 1e-15);
}

QTEST_GUILESS_MAIN(TestTimeScales)
#include "test_time_scales.moc"
