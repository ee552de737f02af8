#pragma once
#include "astro/chart_input.h"
#include "astro/sign_change.h"

#include <optional>
#include <string>

inline constexpr int Minutes_Per_Day = 1440;

// The reading's moment on the two scales the notes need: Julian centuries for the theories,
// and the local clock minute counted from midnight at the start of the birth date (below 0 on
// the day before, 1440 and more on the day after). Any other clock minute is reached by adding
// whole minutes to both, so every moment a note names lies on the clock the reading used.
struct BirthClock {
    double julianCenturies = 0.0;
    int minute = 0;
    int day = 1;
    int month = 1;
    int year = 2000;
};

// The clock of a reading's engine input.
BirthClock Birth_Clock(const ChartInput& input);

// Julian centuries at a clock minute.
double Centuries_At(const BirthClock& clock, int minute);

// The sign (0 Aries … 11 Pisces) a longitude stands in at a clock minute.
int Sign_At(LongitudeOfTime longitude, const BirthClock& clock, int minute);

// A change of sign seen on the clock: the first whole minute in the new sign, so a birth at
// any minute before it has the old sign and one at that minute or later the new one.
struct ClockSignChange {
    int minute;
    int fromSign;
    int toSign;
};

// The change of sign after minute `first` and up to minute `last`; none when the longitude
// stands in one sign at both. The longitude must move forward, less than 30 degrees between them.
std::optional<ClockSignChange> Sign_Change_Between(LongitudeOfTime longitude, const BirthClock& clock,
                                                   int first, int last);

// The time of day of a clock minute: "14:37".
std::string Time_Of_Day_Text(int minute);

// "14:37" for a minute of the birth date, "00:12 on 24 July 1990" for one of another day.
std::string Clock_Text(const BirthClock& clock, int minute);

// The date a clock minute falls on: "23 July 1990".
std::string Date_Text(const BirthClock& clock, int minute);
