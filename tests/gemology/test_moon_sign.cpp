#include "astro/position_text.h"
#include "astro/time_scales.h"
#include "gemology/moon_sign.h"
#include "gemology/moon_stones.h"
#include "shell/table_text.h"

#include <QTest>

namespace {

}  // namespace

class TestMoonSign : public QObject {
    Q_OBJECT

private slots:
    void zoneRowSetsTheDirectionOfTheClock_data();
    void zoneRowSetsTheDirectionOfTheClock();
    void signOfRow_data();
    void signOfRow();
    void fullCircleIsAries();
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
    QCOMPARE(Universal_Time(Moon_Chart_Input(birth, *Zone_Calculation(zone))), universalTime);
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

QTEST_APPLESS_MAIN(TestMoonSign)
#include "test_moon_sign.moc"
