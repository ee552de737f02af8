#include "gemology/gemology_pictures.h"
#include "gemology/month_stones.h"
#include "gemology/moon_stones.h"
#include "gemology/stone_texts.h"
#include "gemology/sun_stones.h"

#include <QTest>

namespace {

QString Text(const std::optional<std::string>& value)
{
    return QString::fromStdString(value.value_or("(unset)"));
}

QString Key(const PictureCatalogue& catalogue, const std::optional<int>& position)
{
    const PictureEntry* entry = position ? catalogue.at(*position) : nullptr;
    return entry ? QString::fromLatin1(entry->key.data(), static_cast<qsizetype>(entry->key.size())) : QString();
}

QString Text(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class TestStoneTables : public QObject {
    Q_OBJECT

private slots:
    void sunStone_data();
    void sunStone();
    void moonStone_data();
    void moonStone();
    void monthStone_data();
    void monthStone();
    void unknownSignWritesNothing_data();
    void unknownSignWritesNothing();
    void monthOutsideTheYearWritesNothing();
};

void TestStoneTables::sunStone_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("stone");
    QTest::addColumn<int>("signPicture");
    QTest::addColumn<QString>("signKey");
    QTest::addColumn<int>("stonePicture");
    QTest::addColumn<QString>("stoneKey");
    QTest::addColumn<QString>("text");

    using namespace Stone_Texts;
    QTest::newRow("Aries") << "Aries" << "Diamond " << 2 << "aries" << 1 << "Diamond" << Text(Sun_Aries_Diamond);
    QTest::newRow("Taurus") << "Taurus" << "Emerald" << 11 << "taurus" << 2 << "Emerald" << Text(Sun_Taurus_Emerald);
    QTest::newRow("Gemini") << "Gemini" << "Pearl" << 5 << "gemini" << 3 << "Pearl" << Text(Sun_Gemini_Pearl);
    QTest::newRow("Cancer") << "Cancer" << "Ruby" << 3 << "cancer" << 4 << "Ruby" << Text(Sun_Cancer_Ruby);
    QTest::newRow("Leo") << "Leo" << "Peridot" << 6 << "leo" << 5 << "Peridot" << Text(Sun_Leo_Peridot);
    QTest::newRow("Virgo") << "Virgo" << "Sapphire" << 12 << "virgo" << 6 << "Sapphire" << Text(Sun_Virgo_Sapphire);
    QTest::newRow("Libra") << "Libra" << "Opal" << 7 << "libra" << 7 << "Opal" << Text(Sun_Libra_Opal);
    QTest::newRow("Scorpio") << "Scorpio" << "Cat's eye" << 10 << "scorpio" << 8 << "Cat's eye"
                             << Text(Sun_Scorpio_Cats_Eye);
    QTest::newRow("Sagittarius") << "Sagittarius" << "Coral" << 9 << "sagittarius" << 9 << "Coral"
                                 << Text(Sun_Sagittarius_Coral);
    QTest::newRow("Capricorn") << "Capricorn" << "Garnet" << 4 << "capricorn" << 10 << "Garnet"
                               << Text(Sun_Capricorn_Garnet);
    QTest::newRow("Aquarius") << "Aquarius" << "Gomed(Hessonite)" << 1 << "aquarius" << 11 << "gomed"
                              << Text(Sun_Aquarius_Hessonite);
    QTest::newRow("Pisces") << "Pisces" << "Aquamarine" << 8 << "pisces" << 12 << "Aquamarine"
                            << Text(Sun_Pisces_Aquamarine);
}

void TestStoneTables::sunStone()
{
    QFETCH(QString, sign);
    QFETCH(QString, stone);
    QFETCH(int, signPicture);
    QFETCH(QString, signKey);
    QFETCH(int, stonePicture);
    QFETCH(QString, stoneKey);
    QFETCH(QString, text);

    GemologyReading reading;
    reading.sunSign = sign.toStdString();
    Sun_More_About_LuckyStone(reading);
    QCOMPARE(Text(reading.sunStone), stone);
    QCOMPARE(reading.sunSignPicture, std::optional<int>(signPicture));
    QCOMPARE(Key(ImglistSunSign, reading.sunSignPicture), signKey);
    QCOMPARE(reading.sunStonePicture, std::optional<int>(stonePicture));
    QCOMPARE(Key(ImgSunSignStone, reading.sunStonePicture), stoneKey);
    QCOMPARE(Text(reading.sunText), text);
    QVERIFY(!reading.moonStone && !reading.birthStone);
}

void TestStoneTables::moonStone_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("stone");
    QTest::addColumn<int>("signPicture");
    QTest::addColumn<QString>("signKey");
    QTest::addColumn<int>("stonePicture");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("textLength");

    using namespace Stone_Texts;
    QTest::newRow("Aries") << "Aries" << "Coral" << 2 << "aries" << 1 << Text(Moon_Aries_Coral) << 510;
    QTest::newRow("Taurus") << "Taurus" << "Diamond" << 11 << "taurus" << 2 << Text(Moon_Taurus_Diamond) << 560;
    QTest::newRow("Gemini") << "Gemini" << "Emerald" << 5 << "gemini" << 3 << Text(Moon_Gemini_Virgo_Emerald)
                            << 385;
    QTest::newRow("Cancer") << "Cancer" << "Pearl" << 3 << "cancer" << 4 << Text(Moon_Cancer_Pearl) << 413;
    QTest::newRow("Leo") << "Leo" << "Ruby" << 6 << "leo" << 5 << Text(Moon_Leo_Ruby) << 611;
    QTest::newRow("Virgo") << "Virgo" << "Emerald" << 12 << "virgo" << 6 << Text(Moon_Gemini_Virgo_Emerald)
                           << 385;
    QTest::newRow("Libra") << "Libra" << "Diamond" << 7 << "libra" << 7 << Text(Moon_Libra_Diamond) << 609;
    QTest::newRow("Scorpio") << "Scorpio" << "Coral" << 10 << "scorpio" << 8 << Text(Moon_Scorpio_Coral) << 511;
    QTest::newRow("Sagittarius") << "Sagittarius" << "Peridot" << 9 << "sagittarius" << 9
                                 << Text(Moon_Sagittarius_Peridot) << 516;
    QTest::newRow("Capricorn") << "Capricorn" << "Sapphire" << 4 << "capricorn" << 10
                               << Text(Moon_Capricorn_Sapphire) << 609;
    QTest::newRow("Aquarius, the January text") << "Aquarius" << "Garnet" << 1 << "aquarius" << 11
                                                << Text(Month_January_Garnet) << 515;
    QTest::newRow("Pisces") << "Pisces" << "Yellow Sapphire" << 8 << "pisces" << 12
                            << Text(Moon_Pisces_Yellow_Sapphire) << 477;
}

void TestStoneTables::moonStone()
{
    QFETCH(QString, sign);
    QFETCH(QString, stone);
    QFETCH(int, signPicture);
    QFETCH(QString, signKey);
    QFETCH(int, stonePicture);
    QFETCH(QString, text);
    QFETCH(int, textLength);

    GemologyReading reading;
    reading.moonSign = sign.toStdString();
    Moon_More_About_LuckyStone(reading);
    QCOMPARE(Text(reading.moonStone), stone);
    QCOMPARE(reading.moonSignPicture, std::optional<int>(signPicture));
    QCOMPARE(Key(imgListMoonSign, reading.moonSignPicture), signKey);
    QCOMPARE(reading.moonStonePicture, std::optional<int>(stonePicture));
    QVERIFY(ImgMoonSignStone.at(stonePicture));
    QCOMPARE(Text(reading.moonText), text);
    QCOMPARE(Text(reading.moonText).size(), textLength);
    QVERIFY(!reading.sunStone && !reading.birthStone);
}

void TestStoneTables::monthStone_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("stone");
    QTest::addColumn<QString>("pictureKey");
    QTest::addColumn<QString>("text");

    using namespace Stone_Texts;
    QTest::newRow("January") << 1 << "Garnet" << "Garnet" << Text(Month_January_Garnet);
    QTest::newRow("February") << 2 << "Amethyst" << "Amethyst" << Text(Month_February_Amethyst);
    QTest::newRow("March") << 3 << "Aquamarine" << "Aquamarine" << Text(Month_March_Aquamarine);
    QTest::newRow("April") << 4 << "Diamond" << "Diamond" << Text(Month_April_Diamond);
    QTest::newRow("May") << 5 << "Emerald" << "Emerald" << Text(Month_May_Emerald);
    QTest::newRow("June") << 6 << "Pearl or Moonstone" << "pearl" << Text(Month_June_Pearl_Moonstone);
    QTest::newRow("July") << 7 << "Ruby" << "Ruby" << Text(Month_July_Ruby);
    QTest::newRow("August") << 8 << "Peridot" << "Peridot" << Text(Month_August_Peridot);
    QTest::newRow("September") << 9 << "Sapphire" << "Sapphire" << Text(Month_September_Sapphire);
    QTest::newRow("October") << 10 << "Opal or Tourmaline" << "Opal" << Text(Month_October_Opal_Tourmaline);
    QTest::newRow("November") << 11 << "Citrine or Yellow Topaz" << "Yellow Topaz"
                              << Text(Month_November_Topaz_Citrine);
    QTest::newRow("December") << 12 << "Turquoise or Blue Zircon" << "Blue Zircon"
                              << Text(Month_December_Zircon_Turquoise);
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
    QCOMPARE(Text(reading.birthStone), stone);
    QCOMPARE(reading.birthStonePicture, std::optional<int>(month));
    QCOMPARE(Key(ImgBirthStone, reading.birthStonePicture), pictureKey);
    QCOMPARE(Text(reading.birthStoneText), text);
}

void TestStoneTables::unknownSignWritesNothing_data()
{
    QTest::addColumn<QString>("sign");  // "(unset)" leaves the sign unset

    QTest::newRow("unset") << "(unset)";
    QTest::newRow("empty") << "";
    QTest::newRow("lower case") << "aries";
    QTest::newRow("trailing blank") << "Leo ";
    QTest::newRow("placeholder") << "YourSunSign";
}

void TestStoneTables::unknownSignWritesNothing()
{
    QFETCH(QString, sign);

    GemologyReading reading;
    if (sign != QLatin1String("(unset)"))
        reading.sunSign = reading.moonSign = sign.toStdString();
    Sun_More_About_LuckyStone(reading);
    Moon_More_About_LuckyStone(reading);
    QVERIFY(!reading.sunStone && !reading.sunSignPicture && !reading.sunStonePicture && !reading.sunText);
    QVERIFY(!reading.moonStone && !reading.moonSignPicture && !reading.moonStonePicture && !reading.moonText);
}

void TestStoneTables::monthOutsideTheYearWritesNothing()
{
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
