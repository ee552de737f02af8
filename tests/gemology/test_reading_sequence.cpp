#include "gemology/reading_sequence.h"
#include "gemology/stone_texts.h"

#include <QTest>

namespace {

BirthData Birth(int day, int month, int year, int hour, int minute, int zone)
{
    BirthData birth;
    birth.name = QStringLiteral("ASHA");
    birth.day = static_cast<std::int16_t>(day);
    birth.month = static_cast<std::int16_t>(month);
    birth.year = static_cast<std::int16_t>(year);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    birth.zoneIndex = static_cast<std::int16_t>(zone);
    return birth;
}

QString Text(const std::optional<std::string>& value)
{
    return QString::fromStdString(value.value_or("(unset)"));
}

}  // namespace

class TestReadingSequence : public QObject {
    Q_OBJECT

private slots:
    void everyStepWritesItsFields();
    void moonSignOfRealBirths_data();
    void moonSignOfRealBirths();
    void latitudeAndSecondsChangeNothing();
};

void TestReadingSequence::everyStepWritesItsFields()
{
    // The Moon stood at 223°19' (13 Sco 18) at noon GMT on 1 January 2000.
    const GemologyReading reading = Make_Gemology_Reading(Birth(1, 1, 2000, 12, 0, 29));

    QCOMPARE(Text(reading.sunSign), QStringLiteral("Capricorn"));
    QCOMPARE(Text(reading.sunStone), QStringLiteral("Garnet"));
    QCOMPARE(reading.sunSignPicture, std::optional<int>(4));
    QCOMPARE(reading.sunStonePicture, std::optional<int>(10));
    QCOMPARE(reading.sunText, std::optional<std::string>(Stone_Texts::Sun_Capricorn_Garnet));

    QCOMPARE(Text(reading.moonSign), QStringLiteral("Scorpio"));
    QCOMPARE(Text(reading.moonStone), QStringLiteral("Coral"));
    QCOMPARE(reading.moonSignPicture, std::optional<int>(10));
    QCOMPARE(reading.moonStonePicture, std::optional<int>(8));
    QCOMPARE(reading.moonText, std::optional<std::string>(Stone_Texts::Moon_Scorpio_Coral));

    QCOMPARE(Text(reading.birthStone), QStringLiteral("Garnet"));
    QCOMPARE(reading.birthStonePicture, std::optional<int>(1));
    QCOMPARE(reading.birthStoneText, std::optional<std::string>(Stone_Texts::Month_January_Garnet));
}

void TestReadingSequence::moonSignOfRealBirths_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("east");
    QTest::addColumn<int>("longitudeDegrees");
    QTest::addColumn<int>("longitudeMinutes");
    QTest::addColumn<QString>("moonSign");

    // The Moon stood at 133°10' at 0h on 12 April 1992.
    QTest::newRow("London, 12 April 1992 00:00 GMT") << 12 << 4 << 1992 << 0 << 0 << 29 << false << 0 << 7
                                                     << "Leo";
    // New Delhi, 17:30 Indian Time is 12:00 GMT.
    QTest::newRow("New Delhi, 1 January 2000 17:30 IST") << 1 << 1 << 2000 << 17 << 30 << 34 << true << 77 << 13
                                                         << "Scorpio";
    // The Moon entered Virgo at 04:11 GMT on 13 April 1992: 04:30 in Madrid on CET was still
    // 03:30 GMT, in Leo. Reading the zone the wrong way (05:30 GMT) would give Virgo.
    QTest::newRow("Madrid, 13 April 1992 04:30 CET") << 13 << 4 << 1992 << 4 << 30 << 20 << false << 3 << 42
                                                     << "Leo";
    QTest::newRow("Madrid, 13 April 1992 06:00 CET") << 13 << 4 << 1992 << 6 << 0 << 20 << false << 3 << 42
                                                     << "Virgo";
}

void TestReadingSequence::moonSignOfRealBirths()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, zone);
    QFETCH(bool, east);
    QFETCH(int, longitudeDegrees);
    QFETCH(int, longitudeMinutes);
    QFETCH(QString, moonSign);

    BirthData birth = Birth(day, month, year, hour, minute, zone);
    birth.east = east;
    birth.longitudeDegrees = static_cast<std::int16_t>(longitudeDegrees);
    birth.longitudeMinutes = static_cast<std::int16_t>(longitudeMinutes);
    QCOMPARE(Text(Make_Gemology_Reading(birth).moonSign), moonSign);
}

void TestReadingSequence::latitudeAndSecondsChangeNothing()
{
    BirthData birth = Birth(13, 4, 1992, 4, 30, 20);
    birth.longitudeDegrees = 3;
    birth.longitudeMinutes = 42;
    birth.east = false;
    const GemologyReading first = Make_Gemology_Reading(birth);

    birth.latitudeDegrees = 40;
    birth.latitudeMinutes = 25;
    birth.south = true;
    birth.second = 59;
    birth.city = QStringLiteral("Madrid");
    const GemologyReading second = Make_Gemology_Reading(birth);
    QCOMPARE(second.moonSign, first.moonSign);
    QCOMPARE(second.moonText, first.moonText);
    QCOMPARE(second.sunSign, first.sunSign);
}

QTEST_APPLESS_MAIN(TestReadingSequence)
#include "test_reading_sequence.moc"
