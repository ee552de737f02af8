#include "moon/moon_today.h"

#include <QTest>

class TestMoonToday : public QObject {
    Q_OBJECT

private slots:
    void sentence_data();
    void sentence();
};

void TestMoonToday::sentence_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("nextChange");
    const QTimeZone berlin("Europe/Berlin");
    // Full at 07:00 UT on 25 March 2024; the Moon enters Scorpio on the 27th at 09:02:42 UT.
    QTest::newRow("the day of a full moon")
        << QDateTime(QDate(2024, 3, 25), QTime(12, 0), QTimeZone::utc()) << QByteArray("Europe/Berlin")
        << "The Moon is in Libra until Wednesday 10:03, then Scorpio. Full moon, 100% lit. Its stone: Diamond."
        << QDateTime(QDate(2024, 3, 26), QTime(0, 0), berlin);
    QTest::newRow("a change later today, the next update at it")
        << QDateTime(QDate(2024, 3, 27), QTime(6, 0), QTimeZone::utc()) << QByteArray("UTC")
        << "The Moon is in Libra until 09:03 today, then Scorpio. Waning gibbous, 97% lit. Its stone: Diamond."
        << QDateTime(QDate(2024, 3, 27), QTime(9, 2, 43), QTimeZone::utc());
    QTest::newRow("between the phases, the zone's own clock")
        << QDateTime(QDate(2024, 3, 20), QTime(6, 0), QTimeZone::utc()) << QByteArray("America/New_York")
        << "The Moon is in Leo until Friday 03:42, then Virgo. Waxing gibbous, 79% lit. Its stone: Ruby."
        << QDateTime(QDate(2024, 3, 21), QTime(0, 0), QTimeZone("America/New_York"));
}

void TestMoonToday::sentence()
{
    QFETCH(QDateTime, now);
    QFETCH(QByteArray, zone);
    QFETCH(QString, text);
    QFETCH(QDateTime, nextChange);
    const MoonToday today = Moon_Today(now, QTimeZone(zone));
    QCOMPARE(today.text, text);
    QVERIFY2(std::abs(today.nextChange.secsTo(nextChange)) <= 1, qPrintable(today.nextChange.toString(Qt::ISODate)));
}

QTEST_GUILESS_MAIN(TestMoonToday)
#include "test_moon_today.moc"
