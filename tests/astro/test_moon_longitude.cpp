#include "astro/moon_longitude.h"
#include "astro/time_scales.h"

#include <QTest>

#include <cmath>

class TestMoonLongitude : public QObject {
    Q_OBJECT

private slots:
    void longitude_data();
    void longitude();
};

void TestMoonLongitude::longitude_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("universalTime");
    QTest::addColumn<double>("expected");

    QTest::newRow("J2000.0, Scorpio") << 2000 << 1 << 1 << 12.0 << 223.31610;
    QTest::newRow("1992-04-12 0h, Leo") << 1992 << 4 << 12 << 0.0 << 133.15808;
    QTest::newRow("first day of the range, Taurus") << 1901 << 1 << 1 << 0.0 << 48.31004;
    QTest::newRow("last minute of the range, Leo") << 2050 << 12 << 31 << 23.0 + 59.0 / 60.0 << 144.78515;
}

void TestMoonLongitude::longitude()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(double, universalTime);
    QFETCH(double, expected);

    const double t = Julian_Centuries(Julian_Day_Number(month, day, year), universalTime);
    const double longitude = Moon_Longitude(t);
    QVERIFY2(std::abs(longitude - expected) < 1e-5, qPrintable(QString::number(longitude, 'f', 8)));
}

QTEST_GUILESS_MAIN(TestMoonLongitude)
#include "test_moon_longitude.moc"
