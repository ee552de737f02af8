#include "astro/time_scales.h"
#include "birthplace/zone_table.h"
#include "shell/table_text.h"

#include <QTest>

#include <climits>

Q_DECLARE_METATYPE(ZoneDirection)

namespace {

QString Text_At(const std::vector<std::string_view>& texts, int position)
{
    return To_QString(texts.at(static_cast<std::size_t>(position)));
}

// The engine input for a local noon at a place, with the zone of a list position passed the
// way the reading passes it: sizes only, and the direction when the reading asks for it.
ChartInput Noon_In_Zone(int position, bool east, bool daylightSaving, bool withDirection)
{
    const ZoneOffset offset = Zone_Calculation(position).value();
    ChartInput input;
    input.hour = 12;
    input.zoneHours = static_cast<std::int16_t>(std::abs(offset.hours));
    input.zoneMinutes = static_cast<std::int16_t>(std::abs(offset.minutes));
    input.longitudeDegrees = 3;
    input.longitudeMinutes = 42;
    input.east = east;
    input.daylightSaving = daylightSaving;
    if (withDirection)
        input.zoneDirection = Zone_Direction(offset);
    return input;
}

}  // namespace

class TestZoneTable : public QObject {
    Q_OBJECT

private slots:
    void zoneCalculation_data();
    void zoneCalculation();
    void positionOutsideTheListHasNoRow_data();
    void positionOutsideTheListHasNoRow();
    void listedOffsetMatchesStoredOffset();
    void listTexts();
    void direction_data();
    void direction();
    void universalTimeInZone_data();
    void universalTimeInZone();
};

void TestZoneTable::zoneCalculation_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("listText");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");

    QTest::newRow("29") << 29 << "Greenwich Mean Time,GMT,0.0" << 0 << 0;
    QTest::newRow("61") << 61 << "Universal Time, UT, 0.0" << 0 << 0;
    QTest::newRow("34") << 34 << "Indian Time, IST, +5.3" << -5 << -30;
    QTest::newRow("50") << 50 << "Newfoundland Standard Time,NST,-3.5" << 3 << 30;
    QTest::newRow("52") << 52 << "North Sumatra Time,NST,+6.5" << -6 << -30;
    QTest::newRow("46") << 46 << "New Zealand Std Summer Time,NZST,+13.0" << -13 << 0;
    QTest::newRow("35") << 35 << "Int'l Date Line East,IDLE,+12.0" << -12 << 0;
    QTest::newRow("36") << 36 << "Int'l Date Line West,IDLW,-12.0" << 12 << 0;
    QTest::newRow("27") << 27 << "Eastern Standard Time,EST,-5.0" << 5 << 0;
    QTest::newRow("SAD, first of two alike") << 56 << "South Australia Daylight Time,SAD,+10.5" << -10 << -30;
    QTest::newRow("SDT, second of two alike") << 57 << "South Australia Daylight Time,SDT,+10.5" << -10 << -30;
    QTest::newRow("first") << 0 << "Alaska/Hawaii Daylight Time,AHDT,-9.0" << 9 << 0;
    QTest::newRow("last") << 70 << "Yukon War Time,YWT,-8.0" << 8 << 0;
}

void TestZoneTable::zoneCalculation()
{
    QFETCH(int, position);
    QFETCH(QString, listText);
    QFETCH(int, hours);
    QFETCH(int, minutes);

    QCOMPARE(Text_At(Zone_List_Texts(), position), listText);
    const std::optional<ZoneOffset> offset = Zone_Calculation(position);
    QVERIFY(offset.has_value());
    QCOMPARE(offset->hours, hours);
    QCOMPARE(offset->minutes, minutes);
}

void TestZoneTable::positionOutsideTheListHasNoRow_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("-1") << -1;
    QTest::newRow("71") << 71;
    QTest::newRow("lowest int") << INT_MIN;
    QTest::newRow("highest int") << INT_MAX;
}

void TestZoneTable::positionOutsideTheListHasNoRow()
{
    QFETCH(int, position);
    QVERIFY(!Zone_Calculation(position).has_value());
}

// Every row's stored offset is its listed offset with the sign reversed; .5, and the .3 of
// Indian Time, stand for half an hour.
void TestZoneTable::listedOffsetMatchesStoredOffset()
{
    const std::vector<std::string_view> texts = Zone_List_Texts();
    for (int position = 0; position < static_cast<int>(texts.size()); ++position) {
        const QString listed = Text_At(texts, position).section(QLatin1Char(','), -1).trimmed();
        const int wholeHours = listed.section(QLatin1Char('.'), 0, 0).toInt();
        const bool halfHour = listed.endsWith(QLatin1String(".5")) || listed.endsWith(QLatin1String(".3"));
        const int direction = listed.startsWith(QLatin1Char('-')) ? -1 : 1;
        const ZoneOffset offset = Zone_Calculation(position).value();
        QVERIFY2(offset.hours == -wholeHours && offset.minutes == (halfHour ? -30 * direction : 0),
                 qPrintable(Text_At(texts, position)));
    }
}

void TestZoneTable::listTexts()
{
    const std::vector<std::string_view> texts = Zone_List_Texts();
    QCOMPARE(texts.size(), std::size_t{71});
    QCOMPARE(Text_At(texts, Zone_Default_Position), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
}

void TestZoneTable::direction_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<ZoneDirection>("expected");

    QTest::newRow("CET is ahead") << 20 << ZoneDirection::aheadOfGreenwich;
    QTest::newRow("IST, half hour, is ahead") << 34 << ZoneDirection::aheadOfGreenwich;
    QTest::newRow("EST is behind") << 27 << ZoneDirection::behindGreenwich;
    QTest::newRow("NST Newfoundland, half hour, is behind") << 50 << ZoneDirection::behindGreenwich;
    QTest::newRow("GMT is unknown") << 29 << ZoneDirection::unknown;
    QTest::newRow("UT is unknown") << 61 << ZoneDirection::unknown;
}

void TestZoneTable::direction()
{
    QFETCH(int, position);
    QFETCH(ZoneDirection, expected);
    QCOMPARE(Zone_Direction(Zone_Calculation(position).value()), expected);
}

// A local noon at longitude 3°42' converted with a zone of the list.
void TestZoneTable::universalTimeInZone_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("east");
    QTest::addColumn<bool>("daylightSaving");
    QTest::addColumn<bool>("withDirection");
    QTest::addColumn<double>("expected");

    QTest::newRow("EST east, hemisphere decides") << 27 << true << false << false << 7.0;
    QTest::newRow("EST west with daylight saving, hemisphere decides") << 27 << false << true << false << 16.0;
    QTest::newRow("EST east, the row decides") << 27 << true << false << true << 17.0;
    QTest::newRow("CET west, the row decides") << 20 << false << false << true << 11.0;
    QTest::newRow("CET west with daylight saving, the row decides") << 20 << false << true << true << 10.0;
    QTest::newRow("GMT west with daylight saving, no direction to read")
        << 29 << false << true << true << 11.0;
}

void TestZoneTable::universalTimeInZone()
{
    QFETCH(int, position);
    QFETCH(bool, east);
    QFETCH(bool, daylightSaving);
    QFETCH(bool, withDirection);
    QFETCH(double, expected);
    QCOMPARE(Universal_Time(Noon_In_Zone(position, east, daylightSaving, withDirection)), expected);
}

QTEST_GUILESS_MAIN(TestZoneTable)
#include "test_zone_table.moc"
