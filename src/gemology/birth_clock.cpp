#include "gemology/birth_clock.h"

#include "astro/time_scales.h"
#include "text/calendar_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Minutes_Per_Century = 36525.0 * Minutes_Per_Day;

int Floor_Days(int minute)
{
    return minute >= 0 ? minute / Minutes_Per_Day : -((-minute + Minutes_Per_Day - 1) / Minutes_Per_Day);
}

// The birth date moved by whole days.
QDate Date_After(const BirthClock& clock, int days)
{
    return QDate(clock.year, clock.month, clock.day).addDays(days);
}

}  // namespace

BirthClock Birth_Clock(const ChartInput& input)
{
    BirthClock clock;
    clock.julianCenturies = Julian_Centuries(Julian_Day_Number(input.month, input.day, input.year),
                                             Universal_Time(input));
    clock.minute = input.hour * 60 + input.minute;
    clock.day = input.day;
    clock.month = input.month;
    clock.year = input.year;
    return clock;
}

double Centuries_At(const BirthClock& clock, int minute)
{
    return clock.julianCenturies + (minute - clock.minute) / Minutes_Per_Century;
}

int Sign_At(LongitudeOfTime longitude, const BirthClock& clock, int minute)
{
    return Zodiac_Sign_Index(longitude(Centuries_At(clock, minute)));
}

std::optional<ClockSignChange> Sign_Change_Between(LongitudeOfTime longitude, const BirthClock& clock,
                                                   int first, int last)
{
    const std::optional<SignChange> change =
        Find_Sign_Change(longitude, Centuries_At(clock, first), Centuries_At(clock, last));
    if (!change)
        return std::nullopt;
    // The first whole minute at or after the moment found, checked against the longitude at
    // whole minutes themselves so that the minute and the reading of a birth at it always agree.
    const double minutesIn = (change->julianCenturies - Centuries_At(clock, first)) * Minutes_Per_Century;
    int minute = first + static_cast<int>(std::ceil(minutesIn));
    minute = std::max(first + 1, std::min(minute, last));
    while (minute > first + 1 && Sign_At(longitude, clock, minute - 1) != change->fromSign)
        --minute;
    while (minute < last && Sign_At(longitude, clock, minute) == change->fromSign)
        ++minute;
    return ClockSignChange{minute, change->fromSign, change->toSign};
}

std::string Time_Of_Day_Text(int minute)
{
    return Clock_Text(QTime(0, 0).addSecs((minute - Floor_Days(minute) * Minutes_Per_Day) * 60)).toStdString();
}

std::string Clock_Text(const BirthClock& clock, int minute)
{
    if (Floor_Days(minute) == 0)
        return Time_Of_Day_Text(minute);
    return Time_Of_Day_Text(minute) + " on " + Date_Text(clock, minute);
}

std::string Date_Text(const BirthClock& clock, int minute)
{
    return Date_Text(Date_After(clock, Floor_Days(minute))).toStdString();
}
