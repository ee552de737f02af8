#include "text/calendar_text.h"

#include <QtTest>

class TestCalendarText : public QObject {
    Q_OBJECT

private slots:
    void dateText_data();
    void dateText();
    void clockText_data();
    void clockText();
    void degreesMinutesText_data();
    void degreesMinutesText();
    void nearestMinute_data();
    void nearestMinute();
};

void TestCalendarText::dateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("one-digit day") << QDate(1990, 3, 2) << "2 March 1990";
    QTest::newRow("January") << QDate(1901, 1, 31) << "31 January 1901";
    QTest::newRow("December") << QDate(2050, 12, 12) << "12 December 2050";
    QTest::newRow("not a date") << QDate(1901, 2, 29) << "";
}

void TestCalendarText::dateText()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(Date_Text(date), text);
}

void TestCalendarText::clockText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("midnight") << QTime(0, 0) << "00:00";
    QTest::newRow("morning, seconds dropped") << QTime(4, 5, 59) << "04:05";
    QTest::newRow("afternoon") << QTime(23, 59) << "23:59";
}

void TestCalendarText::clockText()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(Clock_Text(time), text);
}

void TestCalendarText::degreesMinutesText_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::newRow("zero") << 0 << "0°00′ N" << "0°00′ E";
    QTest::newRow("minutes only, below zero") << -8 << "0°08′ S" << "0°08′ W";
    QTest::newRow("Madrid") << -222 << "3°42′ S" << "3°42′ W";
    QTest::newRow("three-digit degrees") << 10779 << "179°39′ N" << "179°39′ E";
}

void TestCalendarText::degreesMinutesText()
{
    QFETCH(int, minutes);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QCOMPARE(Degrees_Minutes_Text(minutes, u'N', u'S'), latitude);
    QCOMPARE(Degrees_Minutes_Text(minutes, u'E', u'W'), longitude);
}

void TestCalendarText::nearestMinute_data()
{
    QTest::addColumn<double>("minutes");
    QTest::addColumn<int>("nearest");
    QTest::newRow("just under a half") << 2.49 << 2;
    QTest::newRow("a half goes up") << 2.5 << 3;
    QTest::newRow("a half below zero goes down") << -362.5 << -363;
    QTest::newRow("just over a half below zero") << -362.49 << -362;
    QTest::newRow("seconds of time: 5:41:16") << 20476 / 60.0 << 341;
    QTest::newRow("seconds of time: 30 s") << 30 / 60.0 << 1;
}

void TestCalendarText::nearestMinute()
{
    QFETCH(double, minutes);
    QFETCH(int, nearest);
    QCOMPARE(Nearest_Minute(minutes), nearest);
}

QTEST_APPLESS_MAIN(TestCalendarText)
#include "test_calendar_text.moc"
