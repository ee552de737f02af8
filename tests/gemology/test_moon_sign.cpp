#include "astro/position_text.h"
#include "astro/time_scales.h"
#include "gemology/moon_sign.h"
#include "gemology/moon_stones.h"

#include <QTest>

namespace {

QString Text(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class TestMoonSign : public QObject {
    Q_OBJECT

private slots:
    void birthMomentReachesTheEngine();
    void zoneRowSetsTheDirectionOfTheClock_data();
    void zoneRowSetsTheDirectionOfTheClock();
    void signOfRow_data();
    void signOfRow();
    void fullCircleIsAries();
};

void TestMoonSign::birthMomentReachesTheEngine()
{
    BirthData birth;
    birth.day = 14;
    birth.month = 8;
    birth.year = 1947;
    birth.hour = 23;
    birth.minute = 59;
    birth.second = 30;
    birth.longitudeDegrees = 77;
    birth.longitudeMinutes = 13;
    birth.latitudeDegrees = 28;
    birth.east = true;
    birth.daylightSaving = true;

    const ChartInput input = Moon_Chart_Input(birth, *Zone_Calculation(34));  // Indian Time, -5 h -30 min
    QCOMPARE(input.day, 14);
    QCOMPARE(input.month, 8);
    QCOMPARE(input.year, 1947);
    QCOMPARE(input.hour, 23);
    QCOMPARE(input.minute, 59);
    QCOMPARE(input.zoneHours, 5);
    QCOMPARE(input.zoneMinutes, 30);
    QCOMPARE(input.longitudeDegrees, 77);
    QCOMPARE(input.longitudeMinutes, 13);
    QCOMPARE(input.east, true);
    QCOMPARE(input.daylightSaving, true);
    QCOMPARE(input.zoneDirection, ZoneDirection::aheadOfGreenwich);
}

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
    QCOMPARE(Universal_Time(Moon_Chart_Input(birth, *Zone_Calculation(zone))), universalTime);
}

void TestMoonSign::signOfRow_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("sign");

    QTest::newRow("13 Sco 18") << "13 Sco 18" << "Scorpio";
    QTest::newRow("00 Ari 00") << "00 Ari 00" << "Aries";
    QTest::newRow("05 Tau 31") << "05 Tau 31" << "Taurus";
    QTest::newRow("29 Gem 59") << "29 Gem 59" << "Gemini";
    QTest::newRow("01 Can 00") << "01 Can 00" << "Cancer";
    QTest::newRow("12 Leo 12") << "12 Leo 12" << "Leo";
    QTest::newRow("08 Vir 44") << "08 Vir 44" << "Virgo";
    QTest::newRow("17 Lib 03") << "17 Lib 03" << "Libra";
    QTest::newRow("05 Sag 03") << "05 Sag 03" << "Sagittarius";
    QTest::newRow("22 Cap 10") << "22 Cap 10" << "Capricorn";
    QTest::newRow("03 Aqu 27") << "03 Aqu 27" << "Aquarius";
    QTest::newRow("29 Pis 59") << "29 Pis 59" << "Pisces";
}

void TestMoonSign::signOfRow()
{
    QFETCH(QString, row);
    QFETCH(QString, sign);
    QCOMPARE(Text(Moon_Sign_Of_Row(row.toStdString())), sign);
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

QTEST_APPLESS_MAIN(TestMoonSign)
#include "test_moon_sign.moc"
