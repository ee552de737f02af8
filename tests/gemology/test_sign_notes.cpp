#include "astro/moon_longitude.h"
#include "gemology/birth_check.h"
#include "gemology/birth_clock.h"
#include "gemology/moon_sign.h"
#include "gemology/reading_sequence.h"

#include <QTest>

#include <random>

Q_DECLARE_METATYPE(BirthData)

namespace {

using Accuracy = TimeAccuracy;

// A birth at Greenwich (GMT, longitude 0) as the entry window hands it to the reading.
BirthData Birth(int year, int month, int day, int hour, int minute, Accuracy accuracy = Accuracy::exact)
{
    BirthEntry entry;
    entry.birth.name = QStringLiteral("ASHA");
    entry.birth.year = static_cast<std::int16_t>(year);
    entry.birth.month = static_cast<std::int16_t>(month);
    entry.birth.day = static_cast<std::int16_t>(day);
    entry.birth.hour = static_cast<std::int16_t>(hour);
    entry.birth.minute = static_cast<std::int16_t>(minute);
    entry.birth.timeAccuracy = accuracy;
    entry.longitudeDegrees = entry.longitudeMinutes = QStringLiteral("0");
    return Birth_Data_Of(entry);
}

QString Text(const std::optional<std::string>& text)
{
    return QString::fromStdString(text.value_or("(unset)"));
}

QString Moon_Sign_At(BirthData birth, int minuteOfDay)
{
    birth.hour = static_cast<std::int16_t>(minuteOfDay / 60);
    birth.minute = static_cast<std::int16_t>(minuteOfDay % 60);
    return Text(Make_Gemology_Reading(birth).moonSign);
}

}  // namespace

class TestSignNotes : public QObject {
    Q_OBJECT

private slots:
    void changeMinuteAgreesWithTheReadings();
    void moonNoteFollowsTheAccuracy_data();
    void moonNoteFollowsTheAccuracy();
    void sunNoteOnlyOnCuspDays_data();
    void sunNoteOnlyOnCuspDays();
};

// On random days, zones and places the minute of a change is the first minute whose own reading
// gives the new sign; the Moon moves forward, so a day whose first and last minutes read alike
// holds no change.
void TestSignNotes::changeMinuteAgreesWithTheReadings()
{
    std::mt19937 random(15);
    int changes = 0;
    for (int sample = 0; sample < 2000; ++sample) {
        BirthData birth = Birth(1901 + static_cast<int>(random() % 150), 1 + static_cast<int>(random() % 12),
                                1 + static_cast<int>(random() % 28), 12, 0);
        birth.zoneIndex = static_cast<std::int16_t>(random() % 71);
        birth.longitudeDegrees = static_cast<std::int16_t>(random() % 180);
        birth.east = random() % 2 == 0;
        birth.daylightSaving = random() % 3 == 0;
        const BirthClock clock = Birth_Clock(Moon_Chart_Input(birth));
        const std::optional<ClockSignChange> change = Sign_Change_Between(Moon_Longitude, clock, 0, 1439);
        if (!change) {
            QCOMPARE(Moon_Sign_At(birth, 1439), Moon_Sign_At(birth, 0));
            continue;
        }
        ++changes;
        QVERIFY(change->minute >= 1 && change->minute <= 1439);
        QCOMPARE(Moon_Sign_At(birth, change->minute - 1), Moon_Sign_At(birth, 0));
        QCOMPARE(Moon_Sign_At(birth, change->minute), Moon_Sign_At(birth, 1439));
        QVERIFY(Moon_Sign_At(birth, 0) != Moon_Sign_At(birth, 1439));
    }
    QVERIFY(changes > 800);
}

void TestSignNotes::moonNoteFollowsTheAccuracy_data()
{
    QTest::addColumn<BirthData>("birth");
    QTest::addColumn<QString>("moonSign");  // of the reading's own moment
    QTest::addColumn<QString>("note");

    // On 1 April 1990 the Moon entered Cancer at 12:51 GMT.
    const QString change = QStringLiteral(
        "The Moon moved from Gemini into Cancer at 12:51 local time on this day. Born before 12:51: moon sign Gemini, "
        "lucky stone Emerald. From 12:51 on: Cancer, lucky stone Pearl.");
    QTest::newRow("exact, 51 minutes before the change") << Birth(1990, 4, 1, 12, 0) << "Gemini" << QString();
    QTest::newRow("exact, 5 minutes before the change")
        << Birth(1990, 4, 1, 12, 46) << "Gemini"
        << "The Moon moved into Cancer at 12:51, 5 minutes after the time given: if you were born even 5 minutes "
           "later than recorded, your moon sign is Cancer, lucky stone Pearl.";
    QTest::newRow("exact, 5 minutes after the change")
        << Birth(1990, 4, 1, 12, 56) << "Cancer"
        << "The Moon moved into Cancer at 12:51, 5 minutes before the time given: if you were born even 6 minutes "
           "earlier than recorded, your moon sign is Gemini, lucky stone Emerald.";
    QTest::newRow("within 15 minutes")
        << Birth(1990, 4, 1, 12, 0, Accuracy::within15Minutes) << "Gemini"
        << "The Moon stayed in Gemini from 11:45 to 12:15, so a birth at any time you allow has the same moon sign.";
    QTest::newRow("within 1 hour") << Birth(1990, 4, 1, 12, 0, Accuracy::withinOneHour) << "Gemini" << change;
    QTest::newRow("within 2 hours") << Birth(1990, 4, 1, 14, 0, Accuracy::withinTwoHours) << "Cancer" << change;
    QTest::newRow("not known, change at midday")
        << Birth(1990, 4, 1, 7, 0, Accuracy::notKnown) << "Gemini"  // the Moon at 12:00
        << change + " Without a time of birth the reading takes the Moon at 12:00.";
    QTest::newRow("within 1 hour, across midnight")
        << Birth(1990, 4, 1, 23, 50, Accuracy::withinOneHour) << "Cancer"
        << "The Moon stayed in Cancer from 22:50 to 00:50 on 2 April 1990, so a birth at any time you allow has the "
           "same moon sign.";
    QTest::newRow("not known, no change")
        << Birth(1990, 1, 2, 7, 0, Accuracy::notKnown) << "Pisces"
        << "The Moon stayed in Pisces all day, so the time of birth does not change your moon sign.";
    QTest::newRow("not known, change just after midnight")
        << Birth(1990, 6, 7, 7, 0, Accuracy::notKnown) << "Sagittarius"
        << "The Moon moved from Scorpio into Sagittarius at 00:02 local time on this day. Born before 00:02: moon sign "
           "Scorpio, lucky stone Coral. From 00:02 on: Sagittarius, lucky stone Peridot. Without a time of birth the "
           "reading takes the Moon at 12:00.";
    QTest::newRow("not known, change just before midnight")
        << Birth(1995, 4, 28, 7, 0, Accuracy::notKnown) << "Aries"
        << "The Moon moved from Aries into Taurus at 23:54 local time on this day. Born before 23:54: moon sign Aries, "
           "lucky stone Coral. From 23:54 on: Taurus, lucky stone Diamond. Without a time of birth the reading takes "
           "the Moon at 12:00.";
}

// The reading's sign, position and note tell one story; the minutes of a note near a change are
// checked against the readings of every minute in changeMinuteAgreesWithTheReadings.
void TestSignNotes::moonNoteFollowsTheAccuracy()
{
    QFETCH(BirthData, birth);
    QFETCH(QString, moonSign);
    QFETCH(QString, note);
    const GemologyReading reading = Make_Gemology_Reading(birth);
    QCOMPARE(Text(reading.moonSign), moonSign);
    QVERIFY(Text(reading.moonPosition).endsWith(QStringLiteral("\" in ") + moonSign));
    QCOMPARE(Text(reading.moonSignNote), note);
}

void TestSignNotes::sunNoteOnlyOnCuspDays_data()
{
    QTest::addColumn<BirthData>("birth");
    QTest::addColumn<QString>("note");

    // The calendar makes 21 July on a Leo; in 1990 the Sun entered Leo at 02:27 GMT on 23 July.
    QTest::newRow("calendar Leo, Sun in Cancer all day")
        << Birth(1990, 7, 21, 12, 0)
        << "By the calendar you are a Leo. The Sun itself stood in Cancer all day on 21 July 1990, and reached Leo "
           "only later.";
    QTest::newRow("Sun entered Leo before the birth")
        << Birth(1990, 7, 23, 12, 0)
        << "By the calendar you are a Leo. The Sun itself entered Leo at 02:27 local time on 23 July 1990, before "
           "your birth.";
    QTest::newRow("Sun entered Leo after the birth")
        << Birth(1990, 7, 23, 1, 0)
        << "By the calendar you are a Leo. The Sun itself entered Leo only at 02:27 local time on 23 July 1990, after "
           "your birth: it still stood in Cancer when you were born.";
    QTest::newRow("Sun entered Leo within the time allowed")
        << Birth(1990, 7, 23, 1, 0, Accuracy::withinTwoHours)
        << "By the calendar you are a Leo. The Sun itself entered Leo at 02:27 local time on 23 July 1990: born "
           "before 02:27, the Sun stood in Cancer; from 02:27 on, in Leo.";
    QTest::newRow("ordinary day in July") << Birth(1990, 7, 10, 12, 0) << QString();
    QTest::newRow("ordinary day in January, time not known") << Birth(1990, 1, 15, 12, 0, Accuracy::notKnown)
                                                            << QString();
}

void TestSignNotes::sunNoteOnlyOnCuspDays()
{
    QFETCH(BirthData, birth);
    QFETCH(QString, note);
    QCOMPARE(Text(Make_Gemology_Reading(birth).sunSignNote), note);
}

QTEST_APPLESS_MAIN(TestSignNotes)
#include "test_sign_notes.moc"
