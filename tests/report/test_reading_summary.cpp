#include "report/reading_summary.h"

#include <QtTest>

// The first page of a reading's PDF: the birth details as entered and the zone the reading used.
class TestReadingSummary : public QObject {
    Q_OBJECT

private slots:
    void birthDetailsAsEntered_data()
    {
        QTest::addColumn<BirthData>("birth");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("zone");

        BirthData birth;  // 15 January 1980, 14:30, Greenwich, on the zone list's Greenwich row
        birth.name = QStringLiteral("ADA");
        birth.day = 15;
        birth.year = 1980;
        birth.hour = 14;
        birth.minute = 30;
        birth.city = QStringLiteral("Greenwich");
        birth.country = QStringLiteral("United Kingdom");
        birth.latitudeDegrees = 51;
        birth.latitudeMinutes = 29;
        QTest::newRow("exact time, zone list") << birth << QStringLiteral("14:30")
                                               << QStringLiteral("Greenwich, United Kingdom; 51°29′ N, 0°00′ E")
                                               << QStringLiteral("GMT (UTC+00:00)");
        birth.timeAccuracy = TimeAccuracy::within15Minutes;
        birth.state = QStringLiteral("London");
        birth.south = true;
        birth.east = false;
        birth.longitudeMinutes = 5;
        birth.zoneIndex = 41;  // Middle European Time, an hour ahead
        birth.daylightSaving = true;
        QTest::newRow("within 15 minutes, south and west, daylight saving")
            << birth << QStringLiteral("14:30, within 15 minutes")
            << QStringLiteral("Greenwich, London, United Kingdom; 51°29′ S, 0°05′ W")
            << QStringLiteral("MET with daylight saving (UTC+02:00)");
        birth.timeAccuracy = TimeAccuracy::notKnown;
        birth.city = birth.state = birth.country = QStringLiteral(" ");
        birth.atlasZone = AtlasZone{-300, std::nullopt, QStringLiteral("EST")};
        QTest::newRow("time not known, no place, zone of the atlas")
            << birth << QStringLiteral("not known; the reading takes 14:30") << QStringLiteral("51°29′ S, 0°05′ W")
            << QStringLiteral("EST (UTC−05:00)");
        birth.atlasZone->name.clear();
        QTest::newRow("zone of the atlas without a name")
            << birth << QStringLiteral("not known; the reading takes 14:30") << QStringLiteral("51°29′ S, 0°05′ W")
            << QStringLiteral("UTC−05:00");
    }

    void birthDetailsAsEntered()
    {
        QFETCH(BirthData, birth);
        QFETCH(QString, time);
        QFETCH(QString, place);
        QFETCH(QString, zone);

        const ReadingSummary summary = Reading_Summary_Of(birth, GemologyReading());

        QStringList where;
        for (const SummaryFact& fact : summary.facts.mid(2, summary.facts.size() - 3))
            where.append(fact.value);
        const QList<SummaryFact> expected = {{QStringLiteral("Born"), QStringLiteral("15 January 1980")},
                                             {QStringLiteral("Time"), time},
                                             {QStringLiteral("Zone"), zone}};
        QCOMPARE((QList<SummaryFact>{summary.facts.first(), summary.facts.at(1), summary.facts.last()}), expected);
        QCOMPARE(where.join(QStringLiteral("; ")), place);
        QCOMPARE(Reading_Title(summary), QStringLiteral("Gemology reading for ADA"));
    }

    void resultsTakeTheirPictures()
    {
        GemologyReading reading;
        reading.birthStonePicture = 1;  // garnet
        reading.sunSignPicture = 4;     // capricorn
        reading.moonStonePicture = 99;  // none
        ReportTexts texts;
        texts.sunStone = QStringLiteral("Garnet");

        const ReadingSummary summary = Reading_Summary_Of(std::nullopt, reading);

        const QList<SummaryResult> results = Summary_Results(texts, summary);
        QCOMPARE(results.at(0).picture, QStringLiteral("stones/garnet"));
        QCOMPARE(results.at(1).picture, QStringLiteral("signs/capricorn"));
        QCOMPARE(results.at(1).luckyStone, QStringLiteral("Garnet"));
        QCOMPARE(results.at(2).luckyStonePicture, QString());
        QCOMPARE(Reading_Title(summary), QStringLiteral("Gemology reading"));
    }
};

QTEST_GUILESS_MAIN(TestReadingSummary)
#include "test_reading_summary.moc"
