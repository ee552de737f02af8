#pragma once
#include <array>
#include <string_view>

// How well the user knows the time of birth, as chosen in the entry window's accuracy list.
enum class TimeAccuracy {
    exact,
    within15Minutes,
    withinOneHour,
    withinTwoHours,
    notKnown,
};

// One item of the accuracy list: its text, its accuracy, and how many minutes the birth may
// lie either side of the time given (none for an exact time or an unknown one).
struct TimeAccuracyChoice {
    std::string_view listText;
    TimeAccuracy accuracy;
    int marginMinutes;
};

// The accuracy list in list order; the first item is chosen at start.
inline constexpr std::array<TimeAccuracyChoice, 5> Time_Accuracy_Choices{{
    {"Exact time", TimeAccuracy::exact, 0},
    {"Within 15 minutes", TimeAccuracy::within15Minutes, 15},
    {"Within 1 hour", TimeAccuracy::withinOneHour, 60},
    {"Within 2 hours", TimeAccuracy::withinTwoHours, 120},
    {"Time not known", TimeAccuracy::notKnown, 0},
}};

// The accuracy at a list position; a position outside the list counts as an exact time.
TimeAccuracy Time_Accuracy_At(int position);

// The clock minutes a birth may have, first and last included, counted from midnight at the
// start of the birth date: the minute given and the margin either side of it, or with an
// unknown time every minute of the day, 00:00 to 23:59.
struct MinuteSpan {
    int first;
    int last;
};
MinuteSpan Allowed_Birth_Minutes(TimeAccuracy accuracy, int givenMinute);
