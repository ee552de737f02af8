#include "gemology/gemology_pictures.h"
#include "gemology/month_stones.h"
#include "gemology/sign_stones.h"
#include "gemology/stone_texts.h"
#include "shell/table_text.h"

#include <QTest>

namespace {

QString Written(const std::optional<std::string>& value)
{
    return QString::fromStdString(value.value_or("(unset)"));
}

QString Key(const PictureCatalogue& catalogue, const std::optional<int>& position)
{
    const PictureEntry* entry = position ? catalogue.at(*position) : nullptr;
    return entry ? To_QString(entry->key) : QString();
}

// What a sign's stone step wrote, whichever step it was.
struct SignStone {
    QString stone;
    std::optional<int> signPicture;
    std::optional<int> stonePicture;
    QString signKey;
    QString stoneKey;
    QString text;
};

SignStone Sun_Stone_Of(const QString& sign)
{
    GemologyReading reading;
    reading.sunSign = sign.toStdString();
    Sun_More_About_LuckyStone(reading);
    return {Written(reading.sunStone),
            reading.sunSignPicture,
            reading.sunStonePicture,
            Key(ImglistSunSign, reading.sunSignPicture),
            Key(ImgSunSignStone, reading.sunStonePicture),
            Written(reading.sunText)};
}

SignStone Moon_Stone_Of(const QString& sign)
{
    GemologyReading reading;
    reading.moonSign = sign.toStdString();
    Moon_More_About_LuckyStone(reading);
    return {Written(reading.moonStone),
            reading.moonSignPicture,
            reading.moonStonePicture,
            Key(imgListMoonSign, reading.moonSignPicture),
            Key(ImgMoonSignStone, reading.moonStonePicture),
            Written(reading.moonText)};
}

}  // namespace

class TestStoneTables : public QObject {
    Q_OBJECT

private slots:
    void signStone_data();
    void signStone();
    void monthStone_data();
    void monthStone();
    void unknownSignOrMonthWritesNothing();
};

void TestStoneTables::signStone_data()
{
    QTest::addColumn<bool>("moon");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("stone");
    QTest::addColumn<int>("signPicture");
    QTest::addColumn<int>("stonePicture");
    QTest::addColumn<QString>("stoneKey");
    QTest::addColumn<QString>("text");

    using namespace Stone_Texts;
    auto sun = [](const char* sign) -> QTestData& { return QTest::addRow("sun %s", sign) << false << sign; };
    sun("Aries") << "Diamond " << 2 << 1 << "Diamond" << To_QString(Sun_Aries_Diamond);
    sun("Taurus") << "Emerald" << 11 << 2 << "Emerald" << To_QString(Sun_Taurus_Emerald);
    sun("Gemini") << "Pearl" << 5 << 3 << "Pearl" << To_QString(Sun_Gemini_Pearl);
    sun("Cancer") << "Ruby" << 3 << 4 << "Ruby" << To_QString(Sun_Cancer_Ruby);
    sun("Leo") << "Peridot" << 6 << 5 << "Peridot" << To_QString(Sun_Leo_Peridot);
    sun("Virgo") << "Sapphire" << 12 << 6 << "Sapphire" << To_QString(Sun_Virgo_Sapphire);
    sun("Libra") << "Opal" << 7 << 7 << "Opal" << To_QString(Sun_Libra_Opal);
    sun("Scorpio") << "Cat's eye" << 10 << 8 << "Cat's eye" << To_QString(Sun_Scorpio_Cats_Eye);
    sun("Sagittarius") << "Coral" << 9 << 9 << "Coral" << To_QString(Sun_Sagittarius_Coral);
    sun("Capricorn") << "Garnet" << 4 << 10 << "Garnet" << To_QString(Sun_Capricorn_Garnet);
    sun("Aquarius") << "Gomed(Hessonite)" << 1 << 11 << "gomed" << To_QString(Sun_Aquarius_Hessonite);
    sun("Pisces") << "Aquamarine" << 8 << 12 << "Aquamarine" << To_QString(Sun_Pisces_Aquamarine);

    auto moon = [](const char* sign) -> QTestData& { return QTest::addRow("moon %s", sign) << true << sign; };
    moon("Aries") << "Coral" << 2 << 1 << "coral" << To_QString(Moon_Aries_Coral);
    moon("Taurus") << "Diamond" << 11 << 2 << "diamond" << To_QString(Moon_Taurus_Diamond);
    moon("Gemini") << "Emerald" << 5 << 3 << "emerald" << To_QString(Moon_Gemini_Virgo_Emerald);
    moon("Cancer") << "Pearl" << 3 << 4 << "pearl" << To_QString(Moon_Cancer_Pearl);
    moon("Leo") << "Ruby" << 6 << 5 << "ruby" << To_QString(Moon_Leo_Ruby);
    moon("Virgo") << "Emerald" << 12 << 6 << "emerald" << To_QString(Moon_Gemini_Virgo_Emerald);
    moon("Libra") << "Diamond" << 7 << 7 << "diamond" << To_QString(Moon_Libra_Diamond);
    moon("Scorpio") << "Coral" << 10 << 8 << "coral" << To_QString(Moon_Scorpio_Coral);
    moon("Sagittarius") << "Peridot" << 9 << 9 << "peridot" << To_QString(Moon_Sagittarius_Peridot);
    moon("Capricorn") << "Sapphire" << 4 << 10 << "sapphire" << To_QString(Moon_Capricorn_Sapphire);
    moon("Aquarius") << "Garnet" << 1 << 11 << "garnet" << To_QString(Month_January_Garnet);
    moon("Pisces") << "Yellow Sapphire" << 8 << 12 << "yellow sapphire" << To_QString(Moon_Pisces_Yellow_Sapphire);
}

void TestStoneTables::signStone()
{
    QFETCH(bool, moon);
    QFETCH(QString, sign);
    QFETCH(QString, stone);
    QFETCH(int, signPicture);
    QFETCH(int, stonePicture);
    QFETCH(QString, stoneKey);
    QFETCH(QString, text);

    const SignStone written = moon ? Moon_Stone_Of(sign) : Sun_Stone_Of(sign);
    QCOMPARE(written.stone, stone);
    QCOMPARE(written.signPicture, std::optional<int>(signPicture));
    QCOMPARE(written.signKey, sign.toLower());
    QCOMPARE(written.stonePicture, std::optional<int>(stonePicture));
    QCOMPARE(written.stoneKey, stoneKey);
    QCOMPARE(written.text, text);
}

void TestStoneTables::monthStone_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("stone");
    QTest::addColumn<QString>("pictureKey");
    QTest::addColumn<QString>("text");

    using namespace Stone_Texts;
    QTest::newRow("January") << 1 << "Garnet" << "Garnet" << To_QString(Month_January_Garnet);
    QTest::newRow("February") << 2 << "Amethyst" << "Amethyst" << To_QString(Month_February_Amethyst);
    QTest::newRow("March") << 3 << "Aquamarine" << "Aquamarine" << To_QString(Month_March_Aquamarine);
    QTest::newRow("April") << 4 << "Diamond" << "Diamond" << To_QString(Month_April_Diamond);
    QTest::newRow("May") << 5 << "Emerald" << "Emerald" << To_QString(Month_May_Emerald);
    QTest::newRow("June") << 6 << "Pearl or Moonstone" << "pearl" << To_QString(Month_June_Pearl_Moonstone);
    QTest::newRow("July") << 7 << "Ruby" << "Ruby" << To_QString(Month_July_Ruby);
    QTest::newRow("August") << 8 << "Peridot" << "Peridot" << To_QString(Month_August_Peridot);
    QTest::newRow("September") << 9 << "Sapphire" << "Sapphire" << To_QString(Month_September_Sapphire);
    QTest::newRow("October") << 10 << "Opal or Tourmaline" << "Opal" << To_QString(Month_October_Opal_Tourmaline);
    QTest::newRow("November") << 11 << "Citrine or Yellow Topaz" << "Yellow Topaz"
                              << To_QString(Month_November_Topaz_Citrine);
    QTest::newRow("December") << 12 << "Turquoise or Blue Zircon" << "Blue Zircon"
                              << To_QString(Month_December_Zircon_Turquoise);
}

void TestStoneTables::monthStone()
{
    QFETCH(int, month);
    QFETCH(QString, stone);
    QFETCH(QString, pictureKey);
    QFETCH(QString, text);

    BirthData birth;
    birth.month = static_cast<std::int16_t>(month);
    GemologyReading reading;
    Avoid_Stone(birth, reading);
    QCOMPARE(Written(reading.birthStone), stone);
    QCOMPARE(reading.birthStonePicture, std::optional<int>(month));
    QCOMPARE(Key(ImgBirthStone, reading.birthStonePicture), pictureKey);
    QCOMPARE(Written(reading.birthStoneText), text);
}

void TestStoneTables::unknownSignOrMonthWritesNothing()
{
    GemologyReading unset;
    Sun_More_About_LuckyStone(unset);
    Moon_More_About_LuckyStone(unset);
    QVERIFY(!unset.sunStone && !unset.moonStone);

    // Names are compared letter for letter; the display's placeholders are no sign.
    for (const char* sign : {"", "aries", "Leo ", "YourSunSign", "MoonSign"}) {
        QCOMPARE(Sun_Stone_Of(QString::fromLatin1(sign)).stone, QStringLiteral("(unset)"));
        QCOMPARE(Moon_Stone_Of(QString::fromLatin1(sign)).stone, QStringLiteral("(unset)"));
    }

    for (std::int16_t month : {0, 13, -1}) {
        BirthData birth;
        birth.month = month;
        GemologyReading reading;
        Avoid_Stone(birth, reading);
        QVERIFY(!reading.birthStone && !reading.birthStonePicture && !reading.birthStoneText);
    }
}

QTEST_APPLESS_MAIN(TestStoneTables)
#include "test_stone_tables.moc"
