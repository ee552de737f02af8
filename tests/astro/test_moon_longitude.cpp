#include "astro/moon_longitude.h"
#include "astro/moon_periodic_terms.h"
#include "astro/time_scales.h"

#include <QTest>

#include <cmath>

class TestMoonLongitude : public QObject {
    Q_OBJECT

private slots:
    void longitude_data();
    void longitude();
    void sameBitsAsTheTheoryWrittenOut();
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

// The theory as written: every product, the terms summed in the table's order, then whole turns
// added or taken off one at a time. The engine's shortcuts must not move a single bit.
void TestMoonLongitude::sameBitsAsTheTheoryWrittenOut()
{
    for (int step = 0; step <= 4000; ++step) {
        const double t = -1.2 + step * 0.00047;  // 1880 to 2068
        const MoonElements e = Moon_Elements(t);
        double sum = 0.0;
        for (const MoonPeriodicTerm& term : Moon_Periodic_Terms) {
            const double contribution = term.coefficient * std::sin(term.d * e.elongation + term.m * e.sunAnomaly
                                                                    + term.mPrime * e.moonAnomaly
                                                                    + term.f * e.latitudeArgument);
            sum += term.m != 0 ? contribution * e.eccentricity : contribution;
        }
        double longitude = e.meanLongitude + sum;
        while (longitude < 0.0)
            longitude += 360.0;
        while (longitude > 360.0)
            longitude -= 360.0;
        if (Moon_Longitude(t) != longitude)
            QFAIL(qPrintable(QStringLiteral("differs at T = %1").arg(t, 0, 'g', 17)));
    }
}

QTEST_GUILESS_MAIN(TestMoonLongitude)
#include "test_moon_longitude.moc"
