#include "moon/day_details.h"

#include "astro/zodiac_signs.h"
#include "gemology/sign_stones.h"
#include "text/calendar_text.h"

#include <QLocale>

#include <cmath>

namespace {

constexpr qsizetype Opening_Length = 140;
constexpr qsizetype Shortest_Opening = 60;

// The whole sentences within the opening's length, and more than a short first one.
QString Opening_Of(const QString& text)
{
    qsizetype end = text.indexOf(QLatin1String(". "));
    while (end >= 0) {
        const qsizetype next = text.indexOf(QLatin1String(". "), end + 1);
        if (next < 0 || (next >= Opening_Length && end >= Shortest_Opening))
            break;
        end = next;
    }
    return end < 0 ? text : text.left(end + 1);
}

QString Offset_Text(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString Offset_Of(int offsetSeconds, const QString& abbreviation)
{
    const QString offset = Offset_Text(offsetSeconds);
    return abbreviation.isEmpty() || abbreviation.startsWith(QLatin1String("UTC"))
               ? offset
               : QStringLiteral("%1 (%2)").arg(abbreviation, offset);
}

}  // namespace

SignStone Sign_Stone(int sign)
{
    GemologyReading reading;
    reading.moonSign = std::string(Zodiac_Sign_Name(sign));
    Moon_More_About_LuckyStone(reading);
    return {Name_Text(Zodiac_Sign_Name(sign)), QString::fromStdString(reading.moonStone.value_or("")),
            reading.moonStonePicture.value_or(0), Opening_Of(QString::fromStdString(reading.moonText.value_or("")))};
}

QString Day_Details_Text(const MoonDay& day)
{
    QString text = QStringLiteral("<b>%1 %2</b>").arg(QLocale::c().dayName(day.date.dayOfWeek()), Date_Text(day.date));
    if (day.hours != 24)
        text += QStringLiteral(" (a day of %1 hours: the clocks change)").arg(day.hours);
    text += QStringLiteral("<br>The Moon is in %1 at midnight.").arg(Name_Text(Zodiac_Sign_Name(day.startSign)));
    for (const DayEvent& event : day.events) {
        const QString time = Clock_Text(event.local.time());
        text += event.event.kind == MoonEventKind::SignChange
                    ? QStringLiteral("<br>%1 It enters %2.").arg(time, Name_Text(Zodiac_Sign_Name(event.event.sign)))
                    : QStringLiteral("<br>%1 <b>%2</b>.").arg(time, Name_Text(Event_Name(event.event.kind)));
    }
    text += QStringLiteral("<br>%1 at midday, %2% lit.")
                .arg(Name_Text(Phase_Name(day.elongation)), QString::number(std::lround(day.litFraction * 100)));
    return text;
}

QString Zone_Text(const QTimeZone& zone, const QString& zoneName, int year, int month)
{
    const QDateTime start(QDate(year, month, 1), QTime(0, 0), zone);
    const QDateTime end = start.addMonths(1);
    // The zone's own offset and name at the month's start: a zone without transitions (UTC)
    // gives no offset data.
    QString text = QStringLiteral("Times in %1: %2").arg(zoneName, Offset_Of(zone.offsetFromUtc(start), zone.abbreviation(start)));
    for (const QTimeZone::OffsetData& change : zone.transitions(start, end)) {
        const QDateTime local = change.atUtc.toTimeZone(zone);
        text += QStringLiteral(", from %1 %2 %3 %4")
                    .arg(QString::number(local.date().day()), QLocale::c().monthName(local.date().month()),
                         Clock_Text(local.time()), Offset_Of(change.offsetFromUtc, change.abbreviation));
    }
    return text + QLatin1Char('.');
}
