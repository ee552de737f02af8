#include "gemology/reading_sequence.h"
#include "gemology/stone_texts.h"

#include <QTest>

namespace {

BirthData Birth(int day, int month, int year, int hour, int minute, int zone)
{
    BirthData birth;
    birth.name = QStringLiteral("ASHA");
    birth.day = static_cast<std::int16_t>(day);
    birth.month = static_cast<std::int16_t>(month);
    birth.year = static_cast<std::int16_t>(year);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    birth.zoneIndex = static_cast<std::int16_t>(zone);
    return birth;
}

QString Text(const std::optional<std::string>& value)
{
    return QString::fromStdString(value.value_or("(unset)"));
}

}  // namespace

class TestReadingSequence : public QObject {
    Q_OBJECT

private slots:
    void everyStepWritesItsFields();
};

void TestReadingSequence::everyStepWritesItsFields()
{
    // The Moon stood at 223°19' (13 Sco 18) at noon GMT on 1 January 2000.
    const GemologyReading reading = Make_Gemology_Reading(Birth(1, 1, 2000, 12, 0, 29));

    QCOMPARE(Text(reading.sunSign), QStringLiteral("Capricorn"));
    QCOMPARE(Text(reading.sunStone), QStringLiteral("Garnet"));
    QCOMPARE(reading.sunSignPicture, std::optional<int>(4));
    QCOMPARE(reading.sunStonePicture, std::optional<int>(10));
    QCOMPARE(reading.sunText, std::optional<std::string>(Stone_Texts::Sun_Capricorn_Garnet));

    QCOMPARE(Text(reading.moonSign), QStringLiteral("Scorpio"));
    QCOMPARE(Text(reading.moonStone), QStringLiteral("Coral"));
    QCOMPARE(reading.moonSignPicture, std::optional<int>(10));
    QCOMPARE(reading.moonStonePicture, std::optional<int>(8));
    QCOMPARE(reading.moonText, std::optional<std::string>(Stone_Texts::Moon_Scorpio_Coral));

    QCOMPARE(Text(reading.birthStone), QStringLiteral("Garnet"));
    QCOMPARE(reading.birthStonePicture, std::optional<int>(1));
    QCOMPARE(reading.birthStoneText, std::optional<std::string>(Stone_Texts::Month_January_Garnet));
}

QTEST_APPLESS_MAIN(TestReadingSequence)
#include "test_reading_sequence.moc"
