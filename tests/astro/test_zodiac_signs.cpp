#include "astro/position_text.h"
#include "astro/zodiac_signs.h"
#include "shell/table_text.h"

#include <QTest>

#include <string>

namespace {

QString Found_Name(std::string_view row)
{
    const std::optional<ZodiacSign> sign = Sign_Of_Row(row);
    return sign ? To_QString(sign->name) : QString();
}

}  // namespace

class TestZodiacSigns : public QObject {
    Q_OBJECT

private slots:
    void signCoversItsThirtyDegrees_data();
    void signCoversItsThirtyDegrees();
    void signOfRow_data();
    void signOfRow();
    void signByItsName_data();
    void signByItsName();
};

void TestZodiacSigns::signCoversItsThirtyDegrees_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<QString>("name");

    QTest::newRow("0") << 0 << "Ari" << "Aries";
    QTest::newRow("1") << 1 << "Tau" << "Taurus";
    QTest::newRow("2") << 2 << "Gem" << "Gemini";
    QTest::newRow("3") << 3 << "Can" << "Cancer";
    QTest::newRow("4") << 4 << "Leo" << "Leo";
    QTest::newRow("5") << 5 << "Vir" << "Virgo";
    QTest::newRow("6") << 6 << "Lib" << "Libra";
    QTest::newRow("7") << 7 << "Sco" << "Scorpio";
    QTest::newRow("8") << 8 << "Sag" << "Sagittarius";
    QTest::newRow("9") << 9 << "Cap" << "Capricorn";
    QTest::newRow("10") << 10 << "Aqu" << "Aquarius";
    QTest::newRow("11") << 11 << "Pis" << "Pisces";
}

// Sign k runs from 30k degrees (included) to 30(k + 1) (excluded), and its abbreviation
// leads from the row back to its name.
void TestZodiacSigns::signCoversItsThirtyDegrees()
{
    QFETCH(int, k);
    QFETCH(QString, abbreviation);
    QFETCH(QString, name);

    QCOMPARE(To_QString(Sign_Abbreviations.substr(3 * k, 3)), abbreviation);
    const std::string row = "12 " + abbreviation.toStdString() + " 34";
    QCOMPARE(Found_Name(row), name);
    QCOMPARE(Found_Name(Position_Row(Format_Longitude(30.0 * k))), name);
    QCOMPARE(Found_Name(Position_Row(Format_Longitude(30.0 * k + 15.5))), name);
    QCOMPARE(Found_Name(Position_Row(Format_Longitude(30.0 * (k + 1) - 1e-9))), name);
}

void TestZodiacSigns::signOfRow_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("name");  // empty: no sign

    QTest::newRow("usual row") << QByteArray("13 Sco 18") << "Scorpio";
    QTest::newRow("row cut after the abbreviation") << QByteArray("05 Sag") << "Sagittarius";
    QTest::newRow("lower case") << QByteArray("13 sco 18") << QString();
    QTest::newRow("abbreviation elsewhere") << QByteArray("Sco 13 18") << QString();
    QTest::newRow("too short") << QByteArray("13 Sc") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("row of 360 degrees") << QByteArray("00 0\" 00") << QString();
    QTest::newRow("multi-byte character before the abbreviation") << QByteArray("1° Leo 2") << "Leo";
}

void TestZodiacSigns::signOfRow()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, name);
    QCOMPARE(Found_Name(row.toStdString()), name);
}

void TestZodiacSigns::signByItsName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");  // -1: no sign
    QTest::newRow("Aries") << "Aries" << 0;
    QTest::newRow("Sagittarius") << "Sagittarius" << 8;
    QTest::newRow("Pisces") << "Pisces" << 11;
    QTest::newRow("lower case") << "aries" << -1;
    QTest::newRow("abbreviation") << "Ari" << -1;
    QTest::newRow("trailing blank") << "Leo " << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestZodiacSigns::signByItsName()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QCOMPARE(Zodiac_Sign_Named(name.toStdString()).value_or(-1), index);
}

QTEST_GUILESS_MAIN(TestZodiacSigns)
#include "test_zodiac_signs.moc"
