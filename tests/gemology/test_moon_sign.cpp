#include "astro/position_text.h"
#include "astro/time_scales.h"
#include "gemology/moon_sign.h"
#include "gemology/sign_stones.h"
#include "gemology/reading_sequence.h"
#include "shell/table_text.h"

#include <QTest>

Q_DECLARE_METATYPE(AtlasZone)

namespace {

ZoneClock Clock(int offsetMinutes, int daylightMinutes, const char* abbreviation, const char* standardAbbreviation)
{
    ZoneClock clock;
    clock.offsetSeconds = offsetMinutes * 60;
    clock.standardSeconds = (offsetMinutes - daylightMinutes) * 60;
    clock.daylightSeconds = daylightMinutes * 60;
    clock.abbreviation = QString::fromLatin1(abbreviation);
    clock.standardAbbreviation = QString::fromLatin1(standardAbbreviation);
    clock.localMeanTime = clock.abbreviation == QLatin1String("LMT");
    return clock;
}

// A birth on 13 April 1992 at a place of the given longitude (minutes of arc, East positive).
BirthData Birth_At(int hour, int minute, int longitudeMinutes)
{
    BirthData birth;
    birth.day = 13;
    birth.month = 4;
    birth.year = 1992;
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    birth.longitudeDegrees = static_cast<std::int16_t>(std::abs(longitudeMinutes) / 60);
    birth.longitudeMinutes = static_cast<std::int16_t>(std::abs(longitudeMinutes) % 60);
    birth.east = longitudeMinutes > 0;
    return birth;
}

}  // namespace

class TestMoonSign : public QObject {
    Q_OBJECT

private slots:
    void zoneRowSetsTheDirectionOfTheClock_data();
    void zoneRowSetsTheDirectionOfTheClock();
    void signOfRow_data();
    void signOfRow();
    void fullCircleIsAries();
    void atlasZoneIsTheReadingsZone_data();
    void atlasZoneIsTheReadingsZone();
    void unknownTimeIsSaidToBeNoon();
};

void TestMoonSign::zoneRowSetsTheDirectionOfTheClock_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("east");
    QTest::addColumn<int>("longitude");
    QTest::addColumn<bool>("daylightSaving");
    QTest::addColumn<double>("universalTime");  // for a local time of 12:00

    QTest::newRow("Madrid on CET, West longitude") << 20 << false << 3 << false << 11.0;
    QTest::newRow("CET, East longitude") << 20 << true << 13 << false << 11.0;
    QTest::newRow("CET, West longitude, daylight saving") << 20 << false << 3 << true << 10.0;
    QTest::newRow("EST, East longitude") << 27 << true << 74 << false << 17.0;
    QTest::newRow("EST, West longitude, daylight saving") << 27 << false << 74 << true << 16.0;
    QTest::newRow("Indian Time, West longitude") << 34 << false << 77 << false << 6.5;
    QTest::newRow("Newfoundland, East longitude") << 50 << true << 52 << false << 15.5;
    QTest::newRow("NZST, West longitude") << 46 << false << 175 << false << -1.0;
    // Zero offsets leave the direction to the hemisphere, where 0°00' counts as west.
    QTest::newRow("GMT, East 0°00', daylight saving") << 29 << true << 0 << true << 11.0;
    QTest::newRow("GMT, East 10°, daylight saving") << 29 << true << 10 << true << 11.0;
    QTest::newRow("Universal Time, West, daylight saving") << 61 << false << 10 << true << 11.0;
    QTest::newRow("GMT, no daylight saving") << 29 << true << 10 << false << 12.0;
}

void TestMoonSign::zoneRowSetsTheDirectionOfTheClock()
{
    QFETCH(int, zone);
    QFETCH(bool, east);
    QFETCH(int, longitude);
    QFETCH(bool, daylightSaving);
    QFETCH(double, universalTime);

    BirthData birth;
    birth.hour = 12;
    birth.east = east;
    birth.longitudeDegrees = static_cast<std::int16_t>(longitude);
    birth.daylightSaving = daylightSaving;
    birth.zoneIndex = static_cast<std::int16_t>(zone);
    QCOMPARE(Universal_Time(Moon_Chart_Input(birth)), universalTime);
}

void TestMoonSign::signOfRow_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("sign");

    QTest::newRow("13 Sco 18") << "13 Sco 18" << "Scorpio";
    QTest::newRow("00 Ari 00") << "00 Ari 00" << "Aries";
    QTest::newRow("29 Pis 59") << "29 Pis 59" << "Pisces";
}

void TestMoonSign::signOfRow()
{
    QFETCH(QString, row);
    QFETCH(QString, sign);
    QCOMPARE(To_QString(Moon_Sign_Of_Row(row.toStdString())), sign);
}

void TestMoonSign::fullCircleIsAries()
{
    const std::string row = Position_Row(Format_Longitude(360.0));
    GemologyReading reading;
    reading.moonSign = std::string(Moon_Sign_Of_Row(row));
    Moon_More_About_LuckyStone(reading);
    QCOMPARE(reading.moonSign, std::optional<std::string>("Aries"));
    QCOMPARE(reading.moonStone, std::optional<std::string>("Coral"));
    QCOMPARE(reading.moonSignPicture, std::optional<int>(2));
    QCOMPARE(reading.moonStonePicture, std::optional<int>(1));
}

// The atlas's zone of the birth moment decides the Universal Time and the moment the reading
// names, whatever row and box the entry window holds (here Greenwich with the box ticked).
void TestMoonSign::atlasZoneIsTheReadingsZone_data()
{
    QTest::addColumn<AtlasZone>("zone");
    QTest::addColumn<int>("longitude");  // minutes of arc, East positive
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("offset");     // minutes east of Greenwich
    QTest::addColumn<int>("row");        // -1: the offset itself
    QTest::addColumn<double>("universalTime");
    QTest::addColumn<QString>("moment");

    // West of Greenwich on a zone ahead of it: the row's sign, not the hemisphere, sets the way.
    QTest::newRow("Madrid, CEST: CET row with daylight saving")
        << Atlas_Zone_Of(Clock(120, 60, "CEST", "CET"), -222) << -222 << 4 << 120 << 20 << 2.5
        << "Born 04:30 CEST (UTC+02:00), 02:30 Universal Time";
    QTest::newRow("Kathmandu, +05:45: no row has it")
        << Atlas_Zone_Of(Clock(345, 0, "+0545", "+0545"), 5119) << 5119 << 0 << 345 << -1 << -5.25
        << "Born 00:30 (UTC+05:45), 18:45 Universal Time of the day before";
    QTest::newRow("Caracas, −04:30: no row has it")
        << Atlas_Zone_Of(Clock(-270, 0, "-0430", "-0430"), -4013) << -4013 << 12 << -270 << -1 << 17.0
        << "Born 12:30 (UTC−04:30), 17:00 Universal Time";
    // Jeddah's own 39°11' E: 2:36:44, to the nearest minute 2:37, whatever the zone kept.
    QTest::newRow("Jeddah, local mean time")
        << Atlas_Zone_Of(Clock(187, 0, "LMT", "LMT"), 2351) << 2351 << 12 << 157 << -1 << 12.5 - 157.0 / 60.0
        << "Born 12:30 local mean time (UTC+02:37), 09:53 Universal Time";
    QTest::newRow("chosen by hand: CST with daylight saving")
        << Atlas_Zone_By_Hand(21, true) << -5438 << 12 << -300 << 21 << 17.5
        << "Born 12:30 CST with daylight saving (UTC−05:00), 17:30 Universal Time";
}

void TestMoonSign::atlasZoneIsTheReadingsZone()
{
    QFETCH(AtlasZone, zone);
    QFETCH(int, longitude);
    QFETCH(int, hour);
    QFETCH(int, offset);
    QFETCH(int, row);
    QFETCH(double, universalTime);
    QFETCH(QString, moment);

    QCOMPARE(zone.offsetMinutes, offset);
    QCOMPARE(zone.row ? zone.row->position : -1, row);
    BirthData birth = Birth_At(hour, 30, longitude);
    birth.zoneIndex = 29;
    birth.daylightSaving = true;
    birth.atlasZone = zone;
    QCOMPARE(Universal_Time(Moon_Chart_Input(birth)), universalTime);
    QCOMPARE(To_QString(Make_Gemology_Reading(birth).moonSignMoment.value_or("")), moment);
}

// The entry takes an unknown time as noon; the moment line says so rather than give it as known.
void TestMoonSign::unknownTimeIsSaidToBeNoon()
{
    BirthData birth = Birth_At(12, 0, -222);
    birth.timeAccuracy = TimeAccuracy::notKnown;
    birth.atlasZone = Atlas_Zone_Of(Clock(120, 60, "CEST", "CET"), -222);
    QCOMPARE(To_QString(Make_Gemology_Reading(birth).moonSignMoment.value_or("")),
             QStringLiteral("Time of birth not known, taken as noon: 12:00 CEST (UTC+02:00), 10:00 Universal Time"));
    birth.timeAccuracy = TimeAccuracy::withinOneHour;
    QCOMPARE(To_QString(Make_Gemology_Reading(birth).moonSignMoment.value_or("")),
             QStringLiteral("Born 12:00 CEST (UTC+02:00), 10:00 Universal Time"));
}

QTEST_APPLESS_MAIN(TestMoonSign)
#include "test_moon_sign.moc"
