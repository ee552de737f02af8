#include "divination/crystal_draw.h"
#include "divination/divination_crystals.h"
#include "divination/divination_pictures.h"
#include "shell/table_text.h"

#include <QSet>
#include <QTest>
#include <cmath>
#include <limits>

namespace {
}  // namespace

class TestDivinationCrystals : public QObject {
    Q_OBJECT
private slots:
    void row_data();
    void row();
    void readingIsOnePlainParagraph_data() { row_data(); }
    void readingIsOnePlainParagraph();
    void namesAreDistinctAndLeaveOutJasperAndGoldstone();
    void crystalNumber_data();
    void crystalNumber();
};

void TestDivinationCrystals::row_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pictureKey");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");

    struct Row {
        int number;
        const char* name;
        const char* pictureKey;
        const char* opening;
        int length;
    };
    const Row rows[] = {
        {1, "Red Jasper", "01 red jasper", "Unlike other red crystals that evoke an outburst", 338},
        {2, "Green Aventurine", "02 green aventurine", "This crystal is defined as an all-round healer", 312},
        {3, "Sodalite", "03 sodalite", "Sodalite can greatly beneficial for you, if you", 412},
        {4, "Hematite", "04 hematite", "Some of us just can not help to", 424},
        {5, "Moonstone", "05 moonstone", "This translucent crystal tinged with shades of blue,", 338},
        {6, "Tiger Eye", "06 tiger eye", "In order to achieve success in your life,", 377},
        {7, "Rose Quartz", "07 rose quartz", "This pink colored crystal amplifies your sense of", 431},
        {8, "Carnelian", "08 carnelian", "If you are forgetful or recently feel like", 349},
        {9, "Jade", "09 jade", "One of the hardest stones, Jade is usually", 512},
        {10, "Amethyst", "10 amethyst", "From ancient times, amethyst has been used to", 481},
        {11, "Bloodstone", "11 bloodstone", "In ancient Greece, Bloodstone was also called as", 559},
        {12, "Emerald", "12 emerald", "The glistening green crystal is one of the", 492},
        {13, "Ruby", "13 ruby", "Ruby is the most precious, coveted and powerful", 507},
        {14, "Sapphire", "14 sapphire", "Sapphires usually come in two colors, blue and", 586},
        {15, "Diamond", "15 diamond", "Often fondly described as the eternal stone for", 517},
        {16, "Pearl", "16 pearl", "These lustrous white drops with a creamy sheen", 592},
        {17, "Coral", "17 coral", "Coral is an organic stone formed by the", 724},
        {18, "Turquoise", "18 turquoise", "Traditionally known as the natural stone for Sagittarians,", 494},
        {19, "Peridot", "19 peridot", "While facing the ups and downs in our", 508},
        {20, "Topaz", "21 topaz", "Topazes are found in many different colors including", 573},
        {21, "Garnet", "22 garnet", "This reddish stone representing the warmth of sun", 483},
        {22, "Azurite", "23 azurite", "Are you finding it difficult to let go", 419},
        {23, "Cat's Eye", "24 cat's eye", "According to Indian Vedic astrology, cat's eye is", 526},
        {24, "Malachite", "26 malachite", "This greenish crystal is unique in its property", 537},
        {25, "Quartz", "27 quartz", "Quartz is found in nature as white crystals", 531},
        {26, "Selenite", "28 selenite", "Selenites come in two different shapes. One is", 583},
        {27, "Lapis Lazuli", "29 lapiz lazuli", "Traditionally associated to Taurus sign, Lapis lazulis are", 637},
        {28, "Celestite", "30 celestite", "Reflecting the serenity and tranquility of the azure", 649},
        {29, "Citrine", "31 citrine", "The third chakra in the body carries out", 576},
        {30, "Chrysocolla", "32 chrysocolla", "Often called as the peace inducing stone, Chrysocolla", 564},
        {31, "Aquamarine", "33 aquamarine", "Aquamarine has long been held in high esteem", 710},
    };
    QCOMPARE(Divination_Crystals::Rows.size(), std::size(rows));
    for (const Row& row : rows)
        QTest::addRow("%d %s", row.number, row.name)
            << row.number << row.name << row.pictureKey << row.opening << row.length;
}

void TestDivinationCrystals::row()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(QString, pictureKey);
    QFETCH(QString, opening);
    QFETCH(int, length);

    const DivinationCrystal& crystal = Divination_Crystals::crystal(number);
    QCOMPARE(To_QString(crystal.name), name);
    const PictureEntry* picture = Divination_IMG.at(crystal.picture);
    QVERIFY(picture);
    QCOMPARE(To_QString(picture->key), pictureKey);
    QVERIFY2(To_QString(crystal.reading).startsWith(opening), qPrintable(To_QString(crystal.reading).left(80)));
    QCOMPARE(static_cast<int>(crystal.reading.size()), length);
}

void TestDivinationCrystals::readingIsOnePlainParagraph()
{
    QFETCH(int, number);
    const std::string_view reading = Divination_Crystals::crystal(number).reading;
    for (char c : reading) {
        const auto code = static_cast<unsigned char>(c);
        QVERIFY2(code >= 0x20 && code < 0x7f, qPrintable(QStringLiteral("character code %1").arg(code)));
        QVERIFY2(c != '"', "double quote");
    }
    QCOMPARE(reading.find("  "), std::string_view::npos);
    QVERIFY(reading.front() != ' ' && reading.back() != ' ');
}

void TestDivinationCrystals::namesAreDistinctAndLeaveOutJasperAndGoldstone()
{
    QSet<QString> names;
    for (const DivinationCrystal& crystal : Divination_Crystals::Rows)
        names.insert(To_QString(crystal.name));
    QCOMPARE(names.size(), Divination_Crystals::Count);
    QVERIFY(!names.contains(QStringLiteral("Jasper")));
    QVERIFY(!names.contains(QStringLiteral("Goldstone")));
}

void TestDivinationCrystals::crystalNumber_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("number");

    constexpr double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("0 draws the first") << 0.0 << 1;
    QTest::newRow("0.03 still the first") << 0.03 << 1;
    QTest::newRow("0.033 the second") << 0.033 << 2;
    QTest::newRow("a half draws the middle one") << 0.5 << 16;
    QTest::newRow("just below 1 draws the last") << std::nextafter(1.0, 0.0) << 31;
    QTest::newRow("1 is held to the last") << 1.0 << 31;
    QTest::newRow("far above is held to the last") << 7.5 << 31;
    QTest::newRow("infinity is held to the last") << infinity << 31;
    QTest::newRow("below 0 is held to the first") << -0.25 << 1;
    QTest::newRow("minus infinity is held to the first") << -infinity << 1;
    QTest::newRow("not a number gives the first") << std::numeric_limits<double>::quiet_NaN() << 1;
}

void TestDivinationCrystals::crystalNumber()
{
    QFETCH(double, r);
    QFETCH(int, number);
    QCOMPARE(Crystal_Number(r), number);
}

QTEST_MAIN(TestDivinationCrystals)
#include "test_divination_crystals.moc"
