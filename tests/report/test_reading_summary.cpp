#include "report/reading_summary.h"

#include <QtTest>

namespace {

// Someone born on 15 January 1980 at 14:30 in Greenwich, on the zone list's Greenwich row.
BirthData Greenwich_Birth()
{
    BirthData birth;
    birth.name = QStringLiteral("ADA");
    birth.month = 1;
    birth.day = 15;
    birth.year = 1980;
    birth.hour = 14;
    birth.minute = 30;
    birth.city = QStringLiteral("Greenwich");
    birth.country = QStringLiteral("United Kingdom");
    birth.latitudeDegrees = 51;
    birth.latitudeMinutes = 29;
    return birth;
}

QString Fact(const ReadingSummary& summary, const QString& label)
{
    for (const SummaryFact& fact : summary.facts) {
        if (fact.label == label)
            return fact.value;
    }
    return QStringLiteral("(none)");
}

}  // namespace

// The first page of a reading's PDF: the birth details as entered and the zone the reading used.
class TestReadingSummary : public QObject {
    Q_OBJECT

private slots:
    void birthDetailsAsEntered_data()
    {
        QTest::addColumn<BirthData>("birth");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("value");

        const BirthData greenwich = Greenwich_Birth();
        QTest::newRow("date") << greenwich << QStringLiteral("Born") << QStringLiteral("15 January 1980");
        QTest::newRow("exact time") << greenwich << QStringLiteral("Time") << QStringLiteral("14:30");
        BirthData within = greenwich;
        within.timeAccuracy = TimeAccuracy::within15Minutes;
        QTest::newRow("time within 15 minutes") << within << QStringLiteral("Time")
                                                << QStringLiteral("14:30, within 15 minutes");
        BirthData unknown = greenwich;
        unknown.timeAccuracy = TimeAccuracy::notKnown;
        unknown.hour = 12;
        unknown.minute = 0;
        QTest::newRow("time not known") << unknown << QStringLiteral("Time")
                                        << QStringLiteral("not known; the reading takes 12:00");
        QTest::newRow("place without state") << greenwich << QStringLiteral("Place")
                                             << QStringLiteral("Greenwich, United Kingdom");
        BirthData nowhere = greenwich;
        nowhere.city = nowhere.country = QStringLiteral("  ");
        QTest::newRow("no place") << nowhere << QStringLiteral("Place") << QStringLiteral("(none)");
        QTest::newRow("north and east") << greenwich << QStringLiteral("Coordinates")
                                        << QStringLiteral("51°29′ N, 0°00′ E");
        BirthData lima = greenwich;
        lima.latitudeDegrees = 12;
        lima.latitudeMinutes = 3;
        lima.south = true;
        lima.longitudeDegrees = 77;
        lima.longitudeMinutes = 2;
        lima.east = false;
        QTest::newRow("south and west") << lima << QStringLiteral("Coordinates") << QStringLiteral("12°03′ S, 77°02′ W");
        QTest::newRow("zone list row") << greenwich << QStringLiteral("Zone") << QStringLiteral("GMT (UTC+00:00)");
        BirthData summer = greenwich;
        summer.zoneIndex = 41;  // Middle European Time, an hour ahead
        summer.daylightSaving = true;
        QTest::newRow("zone list row with daylight saving")
            << summer << QStringLiteral("Zone") << QStringLiteral("MET with daylight saving (UTC+02:00)");
        BirthData atlas = greenwich;
        atlas.atlasZone = AtlasZone{-300, std::nullopt, QStringLiteral("EST")};
        QTest::newRow("zone of the atlas") << atlas << QStringLiteral("Zone") << QStringLiteral("EST (UTC−05:00)");
        atlas.atlasZone->name.clear();
        QTest::newRow("zone of the atlas without a name") << atlas << QStringLiteral("Zone")
                                                          << QStringLiteral("UTC−05:00");
    }

    void birthDetailsAsEntered()
    {
        QFETCH(BirthData, birth);
        QFETCH(QString, label);
        QFETCH(QString, value);

        const ReadingSummary summary = Reading_Summary_Of(birth, GemologyReading());

        QCOMPARE(summary.name, QStringLiteral("ADA"));
        QCOMPARE(Fact(summary, label), value);
    }

    void resultsTakeTheirPictures()
    {
        GemologyReading reading;
        reading.birthStonePicture = 1;  // garnet
        reading.sunSignPicture = 4;     // capricorn
        reading.sunStonePicture = 10;   // garnet
        reading.moonSignPicture = 6;    // leo
        reading.moonStonePicture = 99;  // none
        ReportTexts texts;
        texts.birthStone = QStringLiteral("Garnet");
        texts.sunSign = QStringLiteral("Capricorn");
        texts.sunStone = QStringLiteral("Garnet");
        texts.moonSign = QStringLiteral("Leo");
        texts.moonStone = QStringLiteral("Ruby");

        const ReadingSummary summary = Reading_Summary_Of(std::nullopt, reading);

        const QList<SummaryResult> expected = {
            {QStringLiteral("Birth-month stone"), QStringLiteral("Garnet"), QStringLiteral("stones/garnet"), {}, {}},
            {QStringLiteral("Sun sign"), QStringLiteral("Capricorn"), QStringLiteral("signs/capricorn"),
             QStringLiteral("Garnet"), QStringLiteral("stones/garnet")},
            {QStringLiteral("Moon sign"), QStringLiteral("Leo"), QStringLiteral("signs/leo"), QStringLiteral("Ruby"), {}},
        };
        QCOMPARE(Summary_Results(texts, summary), expected);
        QVERIFY(summary.facts.isEmpty());
        QCOMPARE(Reading_Title(summary), QStringLiteral("Gemology reading"));
        QCOMPARE(Reading_Title(Reading_Summary_Of(Greenwich_Birth(), reading)), QStringLiteral("Gemology reading for ADA"));
    }
};

QTEST_GUILESS_MAIN(TestReadingSummary)
#include "test_reading_summary.moc"
