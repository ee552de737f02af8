#include "moon/ephemeris.h"
#include "moon/julian_day.h"
#include "moon/moon_events.h"

#include <QTest>

#include <swephexp.h>

#include <array>
#include <cmath>

namespace {

QDateTime Utc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc());
}

// The Moon's longitude straight from the library, as its own interface gives it.
double Library_Moon_Longitude(double julianDayUt)
{
    std::array<double, 6> place{};
    std::array<char, AS_MAXCH> error{};
    swe_calc_ut(julianDayUt, SE_MOON, SEFLG_SWIEPH, place.data(), error.data());
    return place[0];
}

int Library_Sign(double julianDayUt)
{
    return static_cast<int>(Library_Moon_Longitude(julianDayUt) / 30.0) % 12;
}

// Whether a moment rounds to the published minute, give or take the few seconds by which the
// almanacs' reckoning of the Earth's rotation and of nutation differ from the library's: the
// published minute is the moment rounded, so the moment lies within 30 seconds of it, and 6
// seconds more allow for the difference.
bool Within_Published_Minute(double julianDay, const QDateTime& published)
{
    return std::abs(Moment_Of_Julian_Day(julianDay).msecsTo(published)) <= 36'000;
}

}  // namespace

Q_DECLARE_METATYPE(MoonEventKind)

class TestMoonEvents : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void phasesOf2024_data();
    void phasesOf2024();
    void signChangesAgreeWithTheLibraryReadHourByHour_data();
    void signChangesAgreeWithTheLibraryReadHourByHour();
    void placesAgreeWithTheLibrarysFullReading();
    void twoFullMoonsInAugust2023();
    void litFractionAgreesWithThePhaseAngle();
    void phaseNamesByQuarter();
};

void TestMoonEvents::initTestCase()
{
    QCOMPARE(Ephemeris_Source(), EphemerisSource::Files);
}

// The year's phases as the almanacs publish them, in Universal Time to the minute.
void TestMoonEvents::phasesOf2024_data()
{
    QTest::addColumn<MoonEventKind>("kind");
    QTest::addColumn<QDateTime>("published");
    struct Phase { MoonEventKind kind; int month, day, hour, minute; };
    constexpr auto New = MoonEventKind::NewMoon, First = MoonEventKind::FirstQuarter,
                   Full = MoonEventKind::FullMoon, Last = MoonEventKind::LastQuarter;
    constexpr Phase Phases[] = {
        {Last, 1, 4, 3, 30},    {New, 1, 11, 11, 57},  {First, 1, 18, 3, 53},  {Full, 1, 25, 17, 54},
        {Last, 2, 2, 23, 18},   {New, 2, 9, 22, 59},   {First, 2, 16, 15, 1},  {Full, 2, 24, 12, 30},
        {Last, 3, 3, 15, 23},   {New, 3, 10, 9, 0},    {First, 3, 17, 4, 11},  {Full, 3, 25, 7, 0},
        {Last, 4, 2, 3, 15},    {New, 4, 8, 18, 21},   {First, 4, 15, 19, 13}, {Full, 4, 23, 23, 49},
        {Last, 5, 1, 11, 27},   {New, 5, 8, 3, 22},    {First, 5, 15, 11, 48}, {Full, 5, 23, 13, 53},
        {Last, 5, 30, 17, 13},  {New, 6, 6, 12, 38},   {First, 6, 14, 5, 18},  {Full, 6, 22, 1, 8},
        {Last, 6, 28, 21, 53},  {New, 7, 5, 22, 57},   {First, 7, 13, 22, 49}, {Full, 7, 21, 10, 17},
        {Last, 7, 28, 2, 51},   {New, 8, 4, 11, 13},   {First, 8, 12, 15, 19}, {Full, 8, 19, 18, 26},
        {Last, 8, 26, 9, 26},   {New, 9, 3, 1, 55},    {First, 9, 11, 6, 6},   {Full, 9, 18, 2, 34},
        {Last, 9, 24, 18, 50},  {New, 10, 2, 18, 49},  {First, 10, 10, 18, 55}, {Full, 10, 17, 11, 26},
        {Last, 10, 24, 8, 3},   {New, 11, 1, 12, 47},  {First, 11, 9, 5, 55},  {Full, 11, 15, 21, 28},
        {Last, 11, 23, 1, 28},  {New, 12, 1, 6, 21},   {First, 12, 8, 15, 27}, {Full, 12, 15, 9, 2},
        {Last, 12, 22, 22, 18}, {New, 12, 30, 22, 27},
    };
    for (const Phase& phase : Phases) {
        const QDateTime published = Utc(2024, phase.month, phase.day, phase.hour, phase.minute);
        QTest::newRow(qPrintable(published.toString(Qt::ISODate))) << phase.kind << published;
    }
}

void TestMoonEvents::phasesOf2024()
{
    QFETCH(MoonEventKind, kind);
    QFETCH(QDateTime, published);
    const double around = Julian_Day_Of(published);
    std::vector<MoonEvent> phases = Moon_Events(around - 0.5, around + 0.5);
    std::erase_if(phases, [](const MoonEvent& event) { return !Is_Phase(event.kind); });
    QCOMPARE(phases.size(), std::size_t{1});
    QCOMPARE(phases.front().kind, kind);
    QVERIFY2(Within_Published_Minute(phases.front().julianDay, published),
             qPrintable(Moment_Of_Julian_Day(phases.front().julianDay).toString(Qt::ISODateWithMs)));
}

void TestMoonEvents::signChangesAgreeWithTheLibraryReadHourByHour_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::newRow("March 2024") << Utc(2024, 3, 1, 0, 0);
    QTest::newRow("January 1901") << Utc(1901, 1, 1, 0, 0);
    QTest::newRow("December 2050") << Utc(2050, 12, 1, 0, 0);
}

// Every hour at which the library's own reading of the Moon shows a new sign holds exactly one
// change found, into that sign, and the library puts the Moon in the old sign a second before
// it and in the new one a second after.
void TestMoonEvents::signChangesAgreeWithTheLibraryReadHourByHour()
{
    QFETCH(QDateTime, start);
    constexpr double Hour = 1.0 / 24, Second = 1.0 / 86400;
    const double from = Julian_Day_Of(start);
    std::vector<MoonEvent> changes = Moon_Events(from, from + 31);
    std::erase_if(changes, [](const MoonEvent& event) { return Is_Phase(event.kind); });
    std::size_t found = 0;
    for (int hour = 0; hour < 31 * 24; ++hour) {
        const double before = from + hour * Hour, after = before + Hour;
        if (Library_Sign(before) == Library_Sign(after))
            continue;
        QVERIFY2(found < changes.size(), qPrintable(Moment_Of_Julian_Day(after).toString(Qt::ISODate)));
        const MoonEvent& change = changes[found++];
        QVERIFY(change.julianDay > before && change.julianDay <= after);
        QCOMPARE(change.sign, Library_Sign(after));
        QCOMPARE(Library_Sign(change.julianDay - Second), Library_Sign(before));
        QCOMPARE(Library_Sign(change.julianDay + Second), change.sign);
    }
    QCOMPARE(found, changes.size());
    QVERIFY(found >= 13);
}

// The places as the calendar reads them against the library's own reading with its nutation
// worked out in full, at moments from 1901 to 2050 at every hour of the day and on both sides
// of midnight: within a twentieth of a second of arc, a tenth of a second of the Moon's motion.
void TestMoonEvents::placesAgreeWithTheLibrarysFullReading()
{
    constexpr double ArcSecond = 1.0 / 3600;
    const double first = Julian_Day_Of(Utc(1901, 1, 1, 0, 0)), last = Julian_Day_Of(Utc(2050, 12, 31, 0, 0));
    double largest = 0;
    for (int step = 0; step < 500; ++step) {
        const double day = std::floor(first + (last - first) * step / 500);
        const double when = day + std::array{0.0, 1e-7, 0.5, 0.999999, 0.3, 0.77}[step % 6];
        const MoonAndSun places = Moon_And_Sun_At(when);
        std::array<double, 6> moon{}, sun{};
        std::array<char, AS_MAXCH> error{};
        swe_calc_ut(when, SE_MOON, SEFLG_SWIEPH, moon.data(), error.data());
        swe_calc_ut(when, SE_SUN, SEFLG_SWIEPH, sun.data(), error.data());
        for (const double difference : {places.moonLongitude - moon[0], places.moonLatitude - moon[1],
                                        places.sunLongitude - sun[0], Moon_Longitude_At(when) - moon[0]})
            largest = std::max(largest, std::abs(std::remainder(difference, 360.0)));
    }
    QVERIFY2(largest < ArcSecond / 20, qPrintable(QStringLiteral("%1 seconds of arc").arg(largest / ArcSecond)));
}

// A blue moon: full on 1 August 2023 at 18:32 UT and again on the 31st at 01:36.
void TestMoonEvents::twoFullMoonsInAugust2023()
{
    std::vector<MoonEvent> full = Moon_Events(Julian_Day_Of(Utc(2023, 8, 1, 0, 0)), Julian_Day_Of(Utc(2023, 9, 1, 0, 0)));
    std::erase_if(full, [](const MoonEvent& event) { return event.kind != MoonEventKind::FullMoon; });
    QCOMPARE(full.size(), std::size_t{2});
    QVERIFY(Within_Published_Minute(full[0].julianDay, Utc(2023, 8, 1, 18, 32)));
    QVERIFY(Within_Published_Minute(full[1].julianDay, Utc(2023, 8, 31, 1, 36)));
}

// The lit part of the disc against the library's own, from the true phase angle, every six
// hours through a month: within 1 %.
void TestMoonEvents::litFractionAgreesWithThePhaseAngle()
{
    const double from = Julian_Day_Of(Utc(2024, 3, 1, 0, 0));
    double largest = 0;
    for (int step = 0; step < 31 * 4; ++step) {
        const double when = from + step * 0.25;
        std::array<double, 20> attributes{};
        std::array<char, AS_MAXCH> error{};
        swe_pheno_ut(when, SE_MOON, SEFLG_SWIEPH, attributes.data(), error.data());
        largest = std::max(largest, std::abs(Lit_Fraction(Moon_And_Sun_At(when)) - attributes[1]));
    }
    QVERIFY2(largest < 0.01, qPrintable(QString::number(largest)));
}

void TestMoonEvents::phaseNamesByQuarter()
{
    QCOMPARE(Phase_Name(0.0), "Waxing crescent");
    QCOMPARE(Phase_Name(89.99), "Waxing crescent");
    QCOMPARE(Phase_Name(90.0), "Waxing gibbous");
    QCOMPARE(Phase_Name(180.0), "Waning gibbous");
    QCOMPARE(Phase_Name(359.99), "Waning crescent");
}

QTEST_GUILESS_MAIN(TestMoonEvents)
#include "test_moon_events.moc"
