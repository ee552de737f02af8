#include "birthplace/birth_zone.h"
#include "birthplace/place_zone_text.h"

#include <QtTest>

Q_DECLARE_METATYPE(PlaceMoment)

using Kind = ZoneAtMoment::Kind;

class TestBirthZone : public QObject {
    Q_OBJECT

private slots:
    void zoneOfTheBirthMoment_data();
    void zoneOfTheBirthMoment();
    void changedClocksAreFound_data();
    void changedClocksAreFound();
    void labelSaysWhatTheReadingUses_data();
    void labelSaysWhatTheReadingUses();
    void unknownZoneFallsBackToTheList();
    void missingDaysAreNamed_data();
    void missingDaysAreNamed();
};

// Checked against the IANA history; none of these moments has changed between tzdata releases.
void TestBirthZone::zoneOfTheBirthMoment_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("longitude");  // minutes of arc, East positive
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<int>("offset");     // minutes east of Greenwich the reading uses
    QTest::addColumn<int>("row");        // -1: no row, the exact offset
    QTest::addColumn<bool>("box");
    QTest::addColumn<bool>("meanTime");

    const auto at = [](int y, int m, int d, int h, int mi) { return QDateTime(QDate(y, m, d), QTime(h, mi)); };
    QTest::newRow("Madrid 1992: CEST, CET row ticked") << QByteArray("Europe/Madrid") << -222 << at(1992, 4, 13, 4, 30)
                                                        << 120 << 20 << true << false;
    QTest::newRow("New York 1974: daylight saving in January") << QByteArray("America/New_York") << -4440
                                                                << at(1974, 1, 10, 12, 0) << -240 << 27 << true << false;
    // British Standard Time: +1 all year and no saving in IANA, so the row that bears its name
    // ("British Summer Time,BST,+1.0") with the box clear, which is exactly +1.
    QTest::newRow("London 1970: BST all year") << QByteArray("Europe/London") << -8 << at(1970, 1, 10, 12, 0) << 60
                                               << 16 << false << false;
    QTest::newRow("Kolkata 1943: war time, IST row ticked") << QByteArray("Asia/Kolkata") << 5302
                                                            << at(1943, 6, 1, 0, 0) << 390 << 34 << true << false;
    QTest::newRow("London 1943: double summer time has its row") << QByteArray("Europe/London") << -8
                                                                 << at(1943, 6, 1, 12, 0) << 120 << 15 << false << false;
    QTest::newRow("Dublin 1990: winter GMT is standard time") << QByteArray("Europe/Dublin") << -375
                                                              << at(1990, 1, 1, 12, 0) << 0 << 29 << false << false;
    QTest::newRow("Kathmandu 1990: +5:45, no row") << QByteArray("Asia/Kathmandu") << 5119 << at(1990, 6, 1, 0, 0)
                                                   << 345 << -1 << false << false;
    QTest::newRow("Caracas 2010: -4:30, no row") << QByteArray("America/Caracas") << -4013 << at(2010, 6, 1, 0, 0)
                                                 << -270 << -1 << false << false;
    QTest::newRow("Kathmandu 1910: local mean time 5:41:16") << QByteArray("Asia/Kathmandu") << 5119
                                                             << at(1910, 6, 1, 12, 0) << 341 << -1 << false << true;
    // The zone kept Riyadh's mean time (3:06:52); Jeddah's own 39°11' E gives 2:36:44.
    QTest::newRow("Jeddah 1940: its own mean time") << QByteArray("Asia/Riyadh") << 2351 << at(1940, 6, 1, 12, 0)
                                                    << 157 << -1 << false << true;
    // 90°38' W gives 6:02:32 behind Greenwich.
    QTest::newRow("west of Greenwich, mean time rounds away from 0") << QByteArray("America/Guatemala") << -5438
                                                                     << at(1910, 6, 1, 12, 0) << -363 << -1 << false
                                                                     << true;
    // Zones that today's tzdata keep as links to others.
    QTest::newRow("Kyiv 1990: Moscow summer time, +3 row ticked") << QByteArray("Europe/Kiev") << 1831
                                                                  << at(1990, 6, 15, 12, 0) << 240 << 12 << true << false;
    QTest::newRow("Thunder Bay 1985: EDT, EST row ticked") << QByteArray("America/Thunder_Bay") << -5363
                                                           << at(1985, 7, 1, 12, 0) << -240 << 27 << true << false;
}

void TestBirthZone::zoneOfTheBirthMoment()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, longitude);
    QFETCH(QDateTime, local);
    QFETCH(int, offset);
    QFETCH(int, row);
    QFETCH(bool, box);
    QFETCH(bool, meanTime);

    const ZoneAtMoment found = Zone_At_Moment(zone, local.date(), local.time());
    QCOMPARE(found.kind, Kind::once);
    const ZoneChoice choice = Zone_Choice(found.clocks.front(), longitude);
    QCOMPARE(choice.offsetMinutes, offset);
    QCOMPARE(choice.row.value_or(-1), row);
    QCOMPARE(choice.boxTicked(), box);
    QCOMPARE(choice.localMeanTime, meanTime);
    if (choice.row)  // what the row and the box give is the clock itself
        QCOMPARE(Zone_Row_Offset_Minutes(*choice.row) + (box ? 60 : 0), offset);
}

void TestBirthZone::changedClocksAreFound_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("offsets");  // each clock's offset, in seconds
    QTest::addColumn<QString>("change");

    const auto at = [](int y, int m, int d, int h, int mi) { return QDateTime(QDate(y, m, d), QTime(h, mi)); };
    const QByteArray newYork("America/New_York");
    QTest::newRow("skipped 02:30") << newYork << at(2021, 3, 14, 2, 30) << int(Kind::skipped) << QList<int>{}
                                   << "02:00 03:00";
    QTest::newRow("skipped 02:00 exactly") << newYork << at(2021, 3, 14, 2, 0) << int(Kind::skipped) << QList<int>{}
                                           << "02:00 03:00";
    QTest::newRow("03:00 is there") << newYork << at(2021, 3, 14, 3, 0) << int(Kind::once) << QList<int>{-14400}
                                    << "";
    QTest::newRow("01:30 twice, daylight first") << newYork << at(2021, 11, 7, 1, 30) << int(Kind::twice)
                                                 << QList<int>{-14400, -18000} << "02:00 01:00";
    QTest::newRow("02:00 once, after the change") << newYork << at(2021, 11, 7, 2, 0) << int(Kind::once)
                                                  << QList<int>{-18000} << "";
    QTest::newRow("Madrid's change at 02:00") << QByteArray("Europe/Madrid") << at(1992, 3, 29, 2, 15)
                                              << int(Kind::skipped) << QList<int>{} << "02:00 03:00";
    QTest::newRow("Kyiv's skipped hour, a linked zone") << QByteArray("Europe/Kiev") << at(1993, 3, 28, 2, 10)
                                                        << int(Kind::skipped) << QList<int>{} << "02:00 03:00";
    QTest::newRow("Apia's missing day") << QByteArray("Pacific/Apia") << at(2011, 12, 30, 12, 0) << int(Kind::skipped)
                                        << QList<int>{} << "00:00 00:00";
}

void TestBirthZone::changedClocksAreFound()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, local);
    QFETCH(int, kind);
    QFETCH(QList<int>, offsets);
    QFETCH(QString, change);

    const ZoneAtMoment found = Zone_At_Moment(zone, local.date(), local.time());
    QCOMPARE(int(found.kind), kind);
    QList<int> seen;
    for (const ZoneClock& clock : found.clocks)
        seen.append(clock.offsetSeconds);
    QCOMPARE(seen, offsets);
    if (!change.isEmpty())
        QCOMPARE(found.changedFrom.toString("HH:mm") + u' ' + found.changedTo.toString("HH:mm"), change);
}

void TestBirthZone::labelSaysWhatTheReadingUses_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<PlaceMoment>("moment");
    QTest::addColumn<QString>("label");

    const auto moment = [](const char* place, int y, int m, int d, int h, int mi, int longitude) {
        return PlaceMoment{QString::fromUtf8(place), QDate(y, m, d), QTime(h, mi), longitude};
    };
    QTest::newRow("row and box") << QByteArray("Europe/Madrid") << moment("Madrid", 1992, 4, 13, 4, 30, -222)
                                 << "Madrid, 13 April 1992 04:30: CEST, UTC+02:00 (daylight saving) — zone “Central "
                                    "European Time,CET,+1.0” with Daylight Saving Time";
    QTest::newRow("no row") << QByteArray("Asia/Kathmandu") << moment("Kathmandu", 1990, 6, 1, 0, 0, 5119)
                            << "Kathmandu, 1 June 1990 00:00: UTC+05:45 (standard time) — no zone in the list has "
                               "this offset; the reading uses it as it is";
    QTest::newRow("mean time") << QByteArray("Asia/Riyadh") << moment("Jeddah", 1940, 6, 1, 12, 0, 2351)
                               << "Jeddah, 1 June 1940 12:00: local mean time at 39°11′ E, UTC+02:37 — no zone in the "
                                  "list has this offset; the reading uses it as it is";
    QTest::newRow("skipped") << QByteArray("America/New_York") << moment("New York", 2021, 3, 14, 2, 30, -4440)
                             << "New York, 14 March 2021 02:30: this time did not exist there — the clocks went from "
                                "02:00 to 03:00. Please check the time of birth.";
}

void TestBirthZone::labelSaysWhatTheReadingUses()
{
    QFETCH(QByteArray, zone);
    QFETCH(PlaceMoment, moment);
    QFETCH(QString, label);
    QCOMPARE(Place_Zone_Text(moment, Zone_At_Moment(zone, moment.date, moment.time)), label);
}

void TestBirthZone::unknownZoneFallsBackToTheList()
{
    // Qt's own "UTC" loads, but gives no offset for a moment: no clock can be taken from it.
    for (const QByteArray& zone :
         {QByteArray(), QByteArray("Mars/Olympus_Mons"), QByteArray("../../etc/passwd"), QByteArray("UTC")}) {
        QCOMPARE(Zone_At_Moment(zone, QDate(2000, 1, 1), QTime(12, 0)).kind, Kind::unknownZone);
        QVERIFY(!Zone_Is_Known(zone));
    }
    for (const QByteArray& zone : {QByteArray("Europe/Kiev"), QByteArray("Asia/Choibalsan"), QByteArray("Etc/UTC")})
        QVERIFY(Zone_Is_Known(zone));
}

// A whole day the clocks jumped over is named, in the refusal and in the label.
void TestBirthZone::missingDaysAreNamed_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<PlaceMoment>("moment");
    QTest::addColumn<QString>("message");

    QTest::newRow("Apia 2011") << QByteArray("Pacific/Apia")
                               << PlaceMoment{"Apia", QDate(2011, 12, 30), QTime(12, 0), -10311}
                               << "30 December 2011 did not exist in Apia: the clocks went from 29 to 31 December.";
    QTest::newRow("Apia 2011, its first minute") << QByteArray("Pacific/Apia")
                                                 << PlaceMoment{"Apia", QDate(2011, 12, 30), QTime(0, 0), -10311}
                                                 << "30 December 2011 did not exist in Apia: the clocks went from 29 to "
                                                    "31 December.";
    QTest::newRow("Kiritimati 1994, across the year")
        << QByteArray("Pacific/Kiritimati") << PlaceMoment{"Kiritimati", QDate(1994, 12, 31), QTime(8, 0), -9444}
        << "31 December 1994 did not exist in Kiritimati: the clocks went from 30 December 1994 to 1 January 1995.";
}

void TestBirthZone::missingDaysAreNamed()
{
    QFETCH(QByteArray, zone);
    QFETCH(PlaceMoment, moment);
    QFETCH(QString, message);
    const ZoneAtMoment found = Zone_At_Moment(zone, moment.date, moment.time);
    QCOMPARE(found.kind, Kind::skipped);
    QCOMPARE(Skipped_Time_Message(moment, found), message);
    QCOMPARE(Place_Zone_Text(moment, found), message + QStringLiteral(" Please check the date of birth."));
    // The days either side were there.
    for (const int days : {-1, 1})
        QCOMPARE(Zone_At_Moment(zone, moment.date.addDays(days), moment.time).kind, Kind::once);
}

QTEST_GUILESS_MAIN(TestBirthZone)
#include "test_birth_zone.moc"
