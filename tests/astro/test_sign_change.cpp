#include "astro/moon_longitude.h"
#include "astro/sign_change.h"
#include "astro/sun_longitude.h"
#include "astro/time_scales.h"

#include <QTest>

#include <cmath>
#include <random>

Q_DECLARE_METATYPE(LongitudeOfTime)

namespace {

constexpr double Seconds_Per_Century = 36525.0 * 86400.0;

}  // namespace

class TestSignChange : public QObject {
    Q_OBJECT

private slots:
    void signOfLongitude_data();
    void signOfLongitude();
    void changeAgreesWithASecondBySecondScan_data();
    void changeAgreesWithASecondBySecondScan();
    void jumpIsFoundByHalving();
};

void TestSignChange::signOfLongitude_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("sign");
    QTest::newRow("0 is Aries") << 0.0 << 0;
    QTest::newRow("just below 30 is still Aries") << 29.999999 << 0;
    QTest::newRow("30 is Taurus") << 30.0 << 1;
    QTest::newRow("just below 360 is Pisces") << 359.999999 << 11;
    QTest::newRow("a full circle is Aries") << 360.0 << 0;
}

void TestSignChange::signOfLongitude()
{
    QFETCH(double, longitude);
    QFETCH(int, sign);
    QCOMPARE(Zodiac_Sign_Index(longitude), sign);
}

void TestSignChange::changeAgreesWithASecondBySecondScan_data()
{
    QTest::addColumn<LongitudeOfTime>("longitude");
    QTest::addColumn<int>("fewestChanges");  // in 2000 days: the Moon changes sign on 44% of them
    QTest::newRow("Moon") << LongitudeOfTime{Moon_Longitude} << 800;
    QTest::newRow("Sun") << LongitudeOfTime{Sun_Apparent_Longitude} << 40;
}

// Random days of 1901-2050, scanned for the first second in a new sign: at 15-minute steps, then
// by the minute and by the second inside the step where the sign changes. Both bodies move
// forward and cross a boundary at most once a day, so a change between two steps of one sign
// does not exist.
void TestSignChange::changeAgreesWithASecondBySecondScan()
{
    QFETCH(LongitudeOfTime, longitude);
    QFETCH(int, fewestChanges);
    std::mt19937 random(1990);
    std::uniform_int_distribution<int> dayNumber(Julian_Day_Number(1, 1, 1901), Julian_Day_Number(12, 31, 2050));
    int changes = 0;
    for (int sample = 0; sample < 2000; ++sample) {
        const double start = Julian_Centuries(dayNumber(random), 0.0);
        const auto at = [start](int seconds) { return start + seconds / Seconds_Per_Century; };
        const int first = Zodiac_Sign_Index(longitude(at(0)));
        const auto firstInNewSign = [&](int from, int step, int to) {
            while (from < to && Zodiac_Sign_Index(longitude(at(from + step))) == first)
                from += step;
            return from + step;
        };
        int second = firstInNewSign(0, 900, 86400);
        const std::optional<SignChange> change = Find_Sign_Change(longitude, at(0), at(86400));
        QCOMPARE(change.has_value(), second <= 86400);
        if (!change)
            continue;
        ++changes;
        second = firstInNewSign(second - 900, 60, second);
        second = firstInNewSign(second - 60, 1, second);
        const double found = (change->julianCenturies - start) * Seconds_Per_Century;
        QVERIFY2(found > second - 1 && found <= second + 0.001, qPrintable(QString::number(found - second, 'f', 4)));
        QCOMPARE(change->fromSign, first);
        QCOMPARE(change->toSign, Zodiac_Sign_Index(longitude(at(86400))));
        const double beyond = std::remainder(longitude(change->julianCenturies), 30.0);
        QVERIFY2(beyond >= 0.0 && beyond < 0.01, qPrintable(QString::number(beyond)));
    }
    QVERIFY(changes >= fewestChanges);
}

// A longitude that jumps over the boundary at T = 0.3 leads the secant astray; halving finds it.
void TestSignChange::jumpIsFoundByHalving()
{
    const LongitudeOfTime jump = [](double t) { return t < 0.3 ? 29.0 : 31.0; };
    const std::optional<SignChange> change = Find_Sign_Change(jump, 0.0, 1.0);
    QVERIFY(change);
    QVERIFY(change->julianCenturies >= 0.3 && change->julianCenturies - 0.3 < 1e-3 / Seconds_Per_Century);
}

QTEST_GUILESS_MAIN(TestSignChange)
#include "test_sign_change.moc"
