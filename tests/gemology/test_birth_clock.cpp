#include "gemology/birth_clock.h"

#include <QTest>

namespace {

BirthClock Clock_On(int year, int month, int day)
{
    BirthClock clock;
    clock.year = year;
    clock.month = month;
    clock.day = day;
    return clock;
}

}  // namespace

class TestBirthClock : public QObject {
    Q_OBJECT

private slots:
    void clockOfAnotherDay_data();
    void clockOfAnotherDay();
};

// The notes name a minute of the day before or after the birth date by its date; the edge
// years of the birth years' span (1901 to 2050) and the century years around it.
void TestBirthClock::clockOfAnotherDay_data()
{
    QTest::addColumn<QDate>("birthDate");
    QTest::addColumn<int>("minute");  // from midnight at the start of the birth date
    QTest::addColumn<QString>("text");

    QTest::newRow("the birth date itself") << QDate(1990, 7, 23) << 14 * 60 + 37 << "14:37";
    QTest::newRow("last minute of the birth date") << QDate(1990, 7, 23) << 1439 << "23:59";
    QTest::newRow("the next day") << QDate(1990, 7, 23) << 1440 + 12 << "00:12 on 24 July 1990";
    QTest::newRow("the day before") << QDate(1990, 7, 23) << -1 << "23:59 on 22 July 1990";
    QTest::newRow("first day of the span, the day before") << QDate(1901, 1, 1) << -30 << "23:30 on 31 December 1900";
    QTest::newRow("last day of the span, the next day") << QDate(2050, 12, 31) << 1440 << "00:00 on 1 January 2051";
    QTest::newRow("2000 is a leap year") << QDate(2000, 3, 1) << -1 << "23:59 on 29 February 2000";
    QTest::newRow("into 29 February 2000") << QDate(2000, 2, 28) << 1440 << "00:00 on 29 February 2000";
    QTest::newRow("1904 is a leap year") << QDate(1904, 2, 29) << 1440 << "00:00 on 1 March 1904";
    QTest::newRow("1901 is not") << QDate(1901, 3, 1) << -1 << "23:59 on 28 February 1901";
    QTest::newRow("1900 is not") << QDate(1900, 3, 1) << -1 << "23:59 on 28 February 1900";
    QTest::newRow("2100 is not") << QDate(2100, 2, 28) << 1440 << "00:00 on 1 March 2100";
}

void TestBirthClock::clockOfAnotherDay()
{
    QFETCH(QDate, birthDate);
    QFETCH(int, minute);
    QFETCH(QString, text);
    const BirthClock clock = Clock_On(birthDate.year(), birthDate.month(), birthDate.day());
    QCOMPARE(QString::fromStdString(Clock_Text(clock, minute)), text);
}

QTEST_APPLESS_MAIN(TestBirthClock)
#include "test_birth_clock.moc"
