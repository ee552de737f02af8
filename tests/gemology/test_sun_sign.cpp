#include "gemology/sun_sign.h"

#include <QTest>

class TestSunSign : public QObject {
    Q_OBJECT

private slots:
    void signOfTheDay_data();
    void signOfTheDay();
    void dayOrMonthWithoutRuleWritesNothing_data();
    void dayOrMonthWithoutRuleWritesNothing();
};

void TestSunSign::signOfTheDay_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");

    // Each month: its first day, the last day of its first sign, the first day of its second
    // sign and its last day.
    struct Month {
        int lastDay;
        int split;  // first day of the second sign
        const char* first;
        const char* second;
    };
    const Month months[] = {
        {31, 20, "Capricorn", "Aquarius"}, {29, 19, "Aquarius", "Pisces"},  {31, 21, "Pisces", "Aries"},
        {30, 21, "Aries", "Taurus"},       {31, 21, "Taurus", "Gemini"},    {30, 21, "Gemini", "Cancer"},
        {31, 21, "Cancer", "Leo"},         {31, 21, "Leo", "Virgo"},        {30, 21, "Virgo", "Libra"},
        {31, 21, "Libra", "Scorpio"},      {30, 21, "Scorpio", "Sagittarius"},
        {31, 21, "Sagittarius", "Capricorn"},
    };
    for (int month = 1; month <= 12; ++month) {
        const Month& m = months[month - 1];
        for (int day : {1, m.split - 1})
            QTest::addRow("%d/%d", day, month) << month << day << QString::fromLatin1(m.first);
        for (int day : {m.split, m.lastDay})
            QTest::addRow("%d/%d", day, month) << month << day << QString::fromLatin1(m.second);
    }
}

void TestSunSign::signOfTheDay()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, sign);

    BirthData birth;
    birth.month = static_cast<std::int16_t>(month);
    birth.day = static_cast<std::int16_t>(day);
    GemologyReading reading;
    Gem_Sun_Sign(birth, reading);
    QCOMPARE(QString::fromStdString(reading.sunSign.value_or("(none)")), sign);
}

void TestSunSign::dayOrMonthWithoutRuleWritesNothing_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");

    QTest::newRow("32 January") << 1 << 32;
    QTest::newRow("30 February") << 2 << 30;
    QTest::newRow("31 April") << 4 << 31;
    QTest::newRow("month 0") << 0 << 5;
    QTest::newRow("month 13") << 13 << 5;
}

void TestSunSign::dayOrMonthWithoutRuleWritesNothing()
{
    QFETCH(int, month);
    QFETCH(int, day);

    BirthData birth;
    birth.month = static_cast<std::int16_t>(month);
    birth.day = static_cast<std::int16_t>(day);
    GemologyReading reading;
    reading.sunSign = "Leo";
    Gem_Sun_Sign(birth, reading);
    QCOMPARE(reading.sunSign, std::optional<std::string>("Leo"));
}

QTEST_APPLESS_MAIN(TestSunSign)
#include "test_sun_sign.moc"
