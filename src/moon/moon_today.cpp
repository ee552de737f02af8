#include "moon/moon_today.h"

#include "astro/sign_change.h"
#include "astro/zodiac_signs.h"
#include "gemology/sign_stones.h"
#include "moon/julian_day.h"
#include "moon/moon_month.h"
#include "text/calendar_text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<const char*, 7> Weekday_Names{"Monday", "Tuesday", "Wednesday", "Thursday",
                                                   "Friday", "Saturday", "Sunday"};
// The Moon stays in a sign two and a half days at most.
constexpr double Days_To_Look_Ahead = 3.0;

// "Thursday 14:37", or "14:37 today".
QString When_Text(const QDateTime& change, QDate today)
{
    if (change.date() == today)
        return QStringLiteral("%1 today").arg(Clock_Text(change.time()));
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(Weekday_Names[static_cast<std::size_t>(change.date().dayOfWeek() - 1)]),
                                       Clock_Text(change.time()));
}

}  // namespace

MoonToday Moon_Today(const QDateTime& now, const QTimeZone& zone)
{
    MoonToday today;
    if (Ephemeris_Source() == EphemerisSource::Missing)
        return today;
    const QDateTime local = now.toTimeZone(zone);
    const QDateTime midnight(local.date(), QTime(0, 0), zone);
    const QDateTime nextMidnight(local.date().addDays(1), QTime(0, 0), zone);
    const double nowJd = Julian_Day_Of(local);
    const MoonAndSun places = Moon_And_Sun_At(nowJd);
    today.elongation = Elongation_Of(places);
    today.litFraction = Lit_Fraction(places);

    const std::vector<MoonEvent> events = Moon_Events(Julian_Day_Of(midnight), nowJd + Days_To_Look_Ahead);
    const auto change = std::ranges::find_if(events, [&](const MoonEvent& event) {
        return event.kind == MoonEventKind::SignChange && event.julianDay > nowJd;
    });
    const auto phaseToday = std::ranges::find_if(events, [&](const MoonEvent& event) {
        return Is_Phase(event.kind) && Local_Minute(event.julianDay, zone) < nextMidnight;
    });
    const QString phase = Name_Text(phaseToday != events.end() ? Event_Name(phaseToday->kind) : Phase_Name(today.elongation));
    const int percent = static_cast<int>(std::lround(today.litFraction * 100));

    const int sign = Zodiac_Sign_Index(places.moonLongitude);
    QString where = QStringLiteral("The Moon is in %1").arg(Name_Text(Zodiac_Sign_Name(sign)));
    today.nextChange = nextMidnight;
    if (change != events.end()) {
        const QDateTime changeTime = Local_Minute(change->julianDay, zone);
        where += QStringLiteral(" until %1, then %2").arg(When_Text(changeTime, local.date()), Name_Text(Zodiac_Sign_Name(change->sign)));
        today.nextChange = std::min(nextMidnight, Moment_Of_Julian_Day(change->julianDay).addSecs(1).toTimeZone(zone));
    }
    today.text = QStringLiteral("%1. %2, %3% lit. Its stone: %4.")
                     .arg(where, phase, QString::number(percent), Name_Text(Moon_Lucky_Stone(Zodiac_Sign_Name(sign))));
    return today;
}
