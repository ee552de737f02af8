#include "moon/moon_month.h"

#include "astro/sign_change.h"
#include "moon/julian_day.h"
#include "text/calendar_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Minute_Days = 1.0 / 1440.0;

QDateTime Midnight(QDate date, const QTimeZone& zone)
{
    return QDateTime(date, QTime(0, 0), zone);
}

double Signed_Difference(double from, double to)
{
    double difference = std::fmod(to - from, 360.0);
    if (difference >= 180)
        difference -= 360;
    else if (difference < -180)
        difference += 360;
    return difference;
}

// The places halfway between two moments under a day apart, drawn from theirs: the Moon's
// motion bends so little in a day that the middle lies within a twentieth of a degree.
MoonAndSun Halfway(const MoonAndSun& from, const MoonAndSun& to)
{
    return {from.moonLongitude + Signed_Difference(from.moonLongitude, to.moonLongitude) / 2,
            (from.moonLatitude + to.moonLatitude) / 2,
            from.sunLongitude + Signed_Difference(from.sunLongitude, to.sunLongitude) / 2};
}

}  // namespace

bool Month_In_Range(int year, int month)
{
    return month >= 1 && month <= 12 && year >= First_Calendar_Year && year <= Last_Calendar_Year;
}

QDateTime Local_Minute(double julianDay, const QTimeZone& zone)
{
    const QDateTime moment = Moment_Of_Julian_Day(julianDay);
    const qint64 offset = zone.offsetFromUtc(moment);
    const double localMinutes = static_cast<double>(moment.toMSecsSinceEpoch() / 1000 + offset) / 60.0 +
                                static_cast<double>(moment.toMSecsSinceEpoch() % 1000) / 60000.0;
    const qint64 utcSeconds = qint64{Nearest_Minute(localMinutes)} * 60 - offset;
    return QDateTime::fromSecsSinceEpoch(utcSeconds, zone);
}

std::vector<MoonDay> Moon_Month(int year, int month, const QTimeZone& zone)
{
    std::vector<MoonDay> days;
    if (!Month_In_Range(year, month) || !zone.isValid() || Ephemeris_Source() == EphemerisSource::Missing)
        return days;
    const QDate first(year, month, 1);
    const int count = first.daysInMonth();
    std::vector<QDateTime> midnights;
    for (int day = 0; day <= count; ++day)
        midnights.push_back(Midnight(first.addDays(day), zone));

    // The places at each midnight, and a minute either side of the month, so that a change whose
    // minute rounds onto the month's edge is found.
    std::vector<double> moments{Julian_Day_Of(midnights.front()) - Minute_Days};
    for (const QDateTime& midnight : midnights)
        moments.push_back(Julian_Day_Of(midnight));
    moments.push_back(moments.back() + Minute_Days);
    std::vector<MoonAndSun> places;
    const std::vector<MoonEvent> events = Moon_Events_Between(moments, places);
    auto next = events.begin();
    days.resize(static_cast<std::size_t>(count));
    for (int day = 0; day < count; ++day) {
        MoonDay& moonDay = days[static_cast<std::size_t>(day)];
        const QDateTime& start = midnights[static_cast<std::size_t>(day)];
        const QDateTime& end = midnights[static_cast<std::size_t>(day) + 1];
        moonDay.date = first.addDays(day);
        moonDay.hours = static_cast<int>((start.secsTo(end) + 1800) / 3600);
        for (; next != events.end(); ++next) {
            const QDateTime local = Local_Minute(next->julianDay, zone);
            if (local >= end)
                break;
            if (local >= start)
                moonDay.events.push_back({*next, local});
        }
        const MoonAndSun& atStart = places[static_cast<std::size_t>(day) + 1];
        const MoonAndSun& atEnd = places[static_cast<std::size_t>(day) + 2];
        moonDay.startSign = Zodiac_Sign_Index(atStart.moonLongitude);
        const auto opening = std::ranges::find_if(moonDay.events, [&](const DayEvent& event) {
            return event.event.kind == MoonEventKind::SignChange && event.local == start;
        });
        if (opening != moonDay.events.end())
            moonDay.startSign = opening->event.sign;
        const MoonAndSun middle = Halfway(atStart, atEnd);
        moonDay.elongation = Elongation_Of(middle);
        moonDay.litFraction = Lit_Fraction(middle);
    }
    return days;
}

std::vector<int> Day_Signs(const MoonDay& day)
{
    std::vector<int> signs{day.startSign};
    for (const DayEvent& event : day.events) {
        if (event.event.kind == MoonEventKind::SignChange && event.event.sign != signs.back())
            signs.push_back(event.event.sign);
    }
    return signs;
}

QString Name_Text(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}
