#include "astro/position_text.h"
#include "astro/zodiac_signs.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

class TestPositionText : public QObject {
    Q_OBJECT

private slots:
    void longitudeToRow_data();
    void longitudeToRow();
    void rowStraightFromLongitudeIsTheRowOfItsText();
    void rowOfOddText_data();
    void rowOfOddText();
    void rowOfVeryLongText();
    void rowOfRandomBytesKeepsItsShape();
};

void TestPositionText::longitudeToRow_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QByteArray>("positionText");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QByteArray>("sign");  // empty: no sign is found

    QTest::newRow("223.31610") << 223.31610 << QByteArray("13° 18' 57\" Sco") << QByteArray("13 Sco 18")
                               << QByteArray("Scorpio");
    QTest::newRow("245.52063") << 245.52063 << QByteArray("5° 31' 14\" Sag") << QByteArray("05 Sag 31")
                               << QByteArray("Sagittarius");
    QTest::newRow("0") << 0.0 << QByteArray("0° 0' 0\" Ari") << QByteArray("00 Ari 00") << QByteArray("Aries");
    QTest::newRow("30, lower boundary belongs to the sign")
        << 30.0 << QByteArray("0° 0' 0\" Tau") << QByteArray("00 Tau 00") << QByteArray("Taurus");
    QTest::newRow("29.99999, no carry into the next sign")
        << 29.99999 << QByteArray("29° 59' 59\" Ari") << QByteArray("29 Ari 59") << QByteArray("Aries");
    QTest::newRow("359.99") << 359.99 << QByteArray("29° 59' 24\" Pis") << QByteArray("29 Pis 59")
                            << QByteArray("Pisces");
    QTest::newRow("245.06, leading zero on the minutes")
        << 245.06 << QByteArray("5° 3' 36\" Sag") << QByteArray("05 Sag 03") << QByteArray("Sagittarius");
    QTest::newRow("360 has no abbreviation") << 360.0 << QByteArray("0° 0' 0\" ") << QByteArray("00 0\" 00")
                                             << QByteArray();
    QTest::newRow("negative, the sign is dropped") << -245.06 << QByteArray("5° 3' 36\" Sag") << QByteArray("05 Sag 03")
                                                   << QByteArray("Sagittarius");
    QTest::newRow("beyond a turn has no position") << 360.5 << QByteArray() << QByteArray("0  0") << QByteArray();
    QTest::newRow("not a number has no position") << std::nan("") << QByteArray() << QByteArray("0  0")
                                                  << QByteArray();
    QTest::newRow("infinity has no position") << -HUGE_VAL << QByteArray() << QByteArray("0  0") << QByteArray();
}

void TestPositionText::longitudeToRow()
{
    QFETCH(double, longitude);
    QFETCH(QByteArray, positionText);
    QFETCH(QByteArray, row);
    QFETCH(QByteArray, sign);

    const std::string text = Format_Longitude(longitude);
    QCOMPARE(QByteArray::fromStdString(text), positionText);
    const std::string rowText = Position_Row(text);
    QCOMPARE(QByteArray::fromStdString(rowText), row);
    QCOMPARE(QByteArray::fromStdString(Longitude_Row(longitude)), row);
    const std::optional<ZodiacSign> found = Sign_Of_Row(rowText);
    QCOMPARE(found.has_value(), !sign.isEmpty());
    if (found)
        QCOMPARE(QByteArray::fromStdString(std::string(found->name)), sign);
}

// Every second of arc of the circle, a hair either side of it, and random longitudes past a
// turn either way.
void TestPositionText::rowStraightFromLongitudeIsTheRowOfItsText()
{
    const auto check = [](double longitude) {
        if (Longitude_Row(longitude) != Position_Row(Position_Text(longitude).view()))
            QFAIL(qPrintable(QStringLiteral("rows differ at %1").arg(longitude, 0, 'g', 17)));
    };
    for (int second = 0; second <= 360 * 3600; ++second) {
        const double longitude = second / 3600.0;
        check(longitude);
        check(std::nextafter(longitude, -1.0));
        check(std::nextafter(longitude, 361.0));
    }
    std::mt19937 generator(20261208);
    std::uniform_real_distribution<double> anywhere(-400.0, 400.0);
    for (int round = 0; round < 200000; ++round)
        check(anywhere(generator));
}

void TestPositionText::rowOfOddText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("row");

    QTest::newRow("empty") << QByteArray() << QByteArray("0  0");
    QTest::newRow("blanks only") << QByteArray("    ") << QByteArray("0  0");
    QTest::newRow("no marks") << QByteArray("12 34 Sco") << QByteArray("0 Sco 0");
    QTest::newRow("no minute mark") << QByteArray("7° 5 Sco") << QByteArray("07 Sco 0");
    QTest::newRow("minute mark before the degree sign") << QByteArray("1'2° 3 Sco") << QByteArray("1'2 Sco 0");
    QTest::newRow("degree signs only") << QByteArray("°°°") << QByteArray("0 °°° 0");
    QTest::newRow("short text") << QByteArray("a") << QByteArray("0 a 0");
    QTest::newRow("blanks inside the parts, abbreviation from the untrimmed end")
        << QByteArray("  5 °  3 '  7\" Sag  ") << QByteArray("05 g 03");
    QTest::newRow("one two-byte character is one character") << QByteArray("é° 1' Sco") << QByteArray("0é Sco 01");
    QTest::newRow("ends inside a character") << QByteArray("5° 3' 1\" Sc\xC2") << QByteArray("05 Sc\xC2 03");
    QTest::newRow("stray continuation bytes") << QByteArray("\x80\x80") << QByteArray("0 \x80\x80 0");
    QTest::newRow("half a degree sign") << QByteArray("5\xC2 3' 1\" Sco") << QByteArray("0 Sco 0");
}

void TestPositionText::rowOfOddText()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, row);
    QCOMPARE(QByteArray::fromStdString(Position_Row(text.toStdString())), row);
}

void TestPositionText::rowOfVeryLongText()
{
    const std::string degrees(500000, '5');
    QCOMPARE(Position_Row(degrees + "° 1' 2\" Sco"), degrees + " Sco 01");
    QCOMPARE(Position_Row(std::string(1000000, 'x')), std::string("0 xxx 0"));
}

// Whatever the bytes, the row is a degrees part, a blank, the abbreviation part, a blank and a
// minutes part; the number parts hold no blanks and are never empty.
void TestPositionText::rowOfRandomBytesKeepsItsShape()
{
    static constexpr char alphabet[] = {' ', '\'', '"', '0', '7', 'S', 'c', '\xC2', '\xB0', '\x80', '\xFF'};
    std::mt19937 generator(20240601);
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1);
    for (int round = 0; round < 20000; ++round) {
        std::string text(length(generator), ' ');
        for (char& c : text)
            c = alphabet[pick(generator)];
        const std::string row = Position_Row(text);
        const std::size_t firstBlank = row.find(' ');
        const std::size_t lastBlank = row.rfind(' ');
        const bool shaped = std::count(row.begin(), row.end(), ' ') == 2 && firstBlank >= 1
                            && row.size() - lastBlank - 1 >= 1;
        if (!shaped)
            QFAIL(qPrintable(QStringLiteral("bad row \"%1\" for \"%2\"")
                                 .arg(QString::fromStdString(row), QString::fromStdString(text))));
        Sign_Of_Row(row);
    }
}

QTEST_GUILESS_MAIN(TestPositionText)
#include "test_position_text.moc"
