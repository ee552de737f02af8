#include "astro/zodiac_signs.h"
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"
#include "gemology/month_stones.h"
#include "gemology/moon_stones.h"
#include "gemology/sun_stones.h"
#include "healing/gemology_stone_names.h"
#include "healing/healing_catalogue.h"
#include "healing/stone_in_readings.h"

#include <QtTest>

#include <set>

namespace {

// Every stone text a reading can show: the twelve sun stones, moon stones and month stones.
std::set<std::string> readingStones()
{
    std::set<std::string> stones;
    for (const ZodiacSign& sign : Zodiac_Signs) {
        GemologyReading reading;
        reading.sunSign = reading.moonSign = std::string(sign.name);
        Sun_More_About_LuckyStone(reading);
        Moon_More_About_LuckyStone(reading);
        stones.insert({*reading.sunStone, *reading.moonStone});
    }
    for (int month = 1; month <= 12; ++month) {
        BirthData birth;
        birth.month = static_cast<std::int16_t>(month);
        GemologyReading reading;
        Avoid_Stone(birth, reading);
        stones.insert(*reading.birthStone);
    }
    return stones;
}

}  // namespace

class TestStoneInReadings : public QObject {
    Q_OBJECT

private slots:
    void everyReadingStoneIsMatchedOrListedAsNone();
    void lineNamesMonthsAndSigns_data();
    void lineNamesMonthsAndSigns();
};

void TestStoneInReadings::everyReadingStoneIsMatchedOrListedAsNone()
{
    const std::set<std::string> shown = readingStones();
    std::set<std::string> listed;
    for (const auto& [gemology, healing] : Gemology_Stone_Names::Table) {
        QVERIFY2(listed.insert(std::string(gemology)).second, gemology.data());
        for (std::string_view name : healing)
            QVERIFY2(name.empty() || FindStone(name), name.data());
    }
    // The table lists exactly the texts a reading shows: none missing, none left over.
    QCOMPARE(listed, shown);
}

void TestStoneInReadings::lineNamesMonthsAndSigns_data()
{
    QTest::addColumn<QString>("stone");
    QTest::addColumn<QString>("line");

    QTest::newRow("Garnet") << "Garnet"
                            << "Birth stone of January. Lucky stone of Capricorn (sun sign) and Aquarius (moon sign).";
    QTest::newRow("Diamond, Aries's stone with its trailing space")
        << "Diamond" << "Birth stone of April. Lucky stone of Aries (sun sign), Taurus and Libra (moon signs).";
    QTest::newRow("Sapphire, Yellow Sapphire included")
        << "Sapphire" << "Birth stone of September. Lucky stone of Virgo (sun sign), Capricorn and Pisces (moon signs).";
    QTest::newRow("Cat's Eye spelled otherwise") << "Cat's Eye" << "Lucky stone of Scorpio (sun sign).";
    QTest::newRow("Pearl, shared with Moonstone")
        << "Pearl" << "Birth stone of June. Lucky stone of Gemini (sun sign) and Cancer (moon sign).";
    QTest::newRow("Moonstone") << "Moonstone" << "Birth stone of June.";
    QTest::newRow("Topaz, as Yellow Topaz") << "Topaz" << "Birth stone of November.";
    QTest::newRow("Coral, no month") << "Coral" << "Lucky stone of Sagittarius (sun sign), Aries and Scorpio (moon signs).";
    QTest::newRow("Red Jasper, nowhere") << "Red Jasper" << "Neither a birth stone nor a lucky stone in Zev Gemology.";
}

void TestStoneInReadings::lineNamesMonthsAndSigns()
{
    QFETCH(QString, stone);
    QFETCH(QString, line);

    QCOMPARE(QString::fromStdString(Stone_In_Readings(stone.toStdString())), line);
}

QTEST_GUILESS_MAIN(TestStoneInReadings)
#include "test_stone_in_readings.moc"
