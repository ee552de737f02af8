#include "healing/gemology_stone_names.h"
#include "healing/healing_catalogue.h"
#include "healing/stone_in_readings.h"

#include <QtTest>

#include <set>

class TestStoneInReadings : public QObject {
    Q_OBJECT

private slots:
    void everyReadingStoneIsMatchedOrListedAsNone();
    void lineNamesMonthsAndSigns_data();
    void lineNamesMonthsAndSigns();
};

void TestStoneInReadings::everyReadingStoneIsMatchedOrListedAsNone()
{
    std::set<std::string> shown;
    for (const ReadingPlace& place : Reading_Places())
        shown.insert(place.stone);
    QCOMPARE(Reading_Places().size(), 36u);
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
    QTest::newRow("Moonstone, shared with Pearl") << "Moonstone" << "Birth stone of June.";
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
