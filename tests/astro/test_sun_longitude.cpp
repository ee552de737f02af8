#include "astro/sign_change.h"
#include "astro/sun_longitude.h"
#include "astro/time_scales.h"

#include <QTest>

#include <cmath>

class TestSunLongitude : public QObject {
    Q_OBJECT

private slots:
    void workedExample();
    void equinoxesAndSolstices_data();
    void equinoxesAndSolstices();
};

// The worked example of the theory's source: 1992 October 13, 0h, T = -0.072183436.
void TestSunLongitude::workedExample()
{
    QVERIFY(std::abs(Sun_Apparent_Longitude(-0.072183436) - 199.90895) < 0.00005);
}

void TestSunLongitude::equinoxesAndSolstices_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("minuteOfDay");  // published, Universal Time
    // March equinox, June solstice, September equinox, December solstice: day, hour, minute
    const int published[5][4][3] = {
        {{20, 6, 49}, {21, 0, 57}, {22, 16, 30}, {21, 12, 42}},
        {{20, 17, 32}, {21, 11, 28}, {23, 3, 9}, {21, 23, 38}},
        {{20, 22, 45}, {21, 16, 38}, {23, 8, 20}, {22, 4, 48}},
        {{20, 3, 50}, {20, 21, 44}, {22, 13, 31}, {21, 10, 2}},
        {{20, 3, 6}, {20, 20, 51}, {22, 12, 44}, {21, 9, 20}},
    };
    const int years[] = {2004, 2010, 2015, 2020, 2024};
    for (int row = 0; row < 5; ++row)
        for (int event = 0; event < 4; ++event) {
            const int* moment = published[row][event];
            QTest::addRow("%d-%02d", years[row], 3 + 3 * event)
                << years[row] << 3 + 3 * event << moment[0] << 60 * moment[1] + moment[2];
        }
}

// The Sun enters Aries, Cancer, Libra and Capricorn at the equinoxes and solstices.
void TestSunLongitude::equinoxesAndSolstices()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, minuteOfDay);
    const double dayNumber = Julian_Day_Number(month, day, year);
    const std::optional<SignChange> change = Find_Sign_Change(
        Sun_Apparent_Longitude, Julian_Centuries(dayNumber, -24.0), Julian_Centuries(dayNumber, 48.0));
    QVERIFY(change);
    QCOMPARE(change->toSign, (month - 3) % 12);
    const double minutes = (change->julianCenturies - Julian_Centuries(dayNumber, 0.0)) * 36525.0 * 1440.0;
    QVERIFY2(std::abs(minutes - minuteOfDay) < 8.0, qPrintable(QString::number(minutes - minuteOfDay, 'f', 1)));
}

QTEST_GUILESS_MAIN(TestSunLongitude)
#include "test_sun_longitude.moc"
