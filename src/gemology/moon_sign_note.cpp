#include "gemology/moon_sign_note.h"

#include "astro/moon_longitude.h"
#include "astro/position_text.h"
#include "astro/zodiac_signs.h"
#include "gemology/sign_stones.h"

namespace {

// How close to a change an exact time has to be for the note to warn of the other sign.
constexpr int Near_Change_Minutes = 30;

std::string Sign_Name(int sign)
{
    return std::string(Zodiac_Sign_Name(sign));
}

// "Leo, lucky stone Ruby"
std::string Sign_And_Stone(int sign)
{
    return Sign_Name(sign) + ", lucky stone " + std::string(Moon_Lucky_Stone(Zodiac_Sign_Name(sign)));
}

std::string Minutes_Text(int minutes)
{
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}

std::string Day_Of(const BirthClock& clock, int minute)
{
    return minute >= 0 && minute < Minutes_Per_Day ? std::string("this day") : Date_Text(clock, minute);
}

std::string Change_In_Span_Note(const BirthClock& clock, const ClockSignChange& change)
{
    const std::string from = Clock_Text(clock, change.minute);
    return "The Moon moved from " + Sign_Name(change.fromSign) + " into " + Sign_Name(change.toSign) + " at "
           + Time_Of_Day_Text(change.minute) + " local time on " + Day_Of(clock, change.minute) + ". Born before "
           + from + ": moon sign " + Sign_And_Stone(change.fromSign) + ". From " + from + " on: "
           + Sign_And_Stone(change.toSign) + ".";
}

// An exact time close to a change: how many minutes off the record would have to be for the
// other sign. A birth at the change's minute already has the new sign.
std::string Near_Change_Note(const BirthClock& clock, const ClockSignChange& change)
{
    const std::string moved =
        "The Moon moved into " + Sign_Name(change.toSign) + " at " + Clock_Text(clock, change.minute);
    if (change.minute > clock.minute) {
        const std::string later = Minutes_Text(change.minute - clock.minute);
        return moved + ", " + later + " after the time given: if you were born even " + later
               + " later than recorded, your moon sign is " + Sign_And_Stone(change.toSign) + ".";
    }
    const int before = clock.minute - change.minute;
    const std::string when =
        before == 0 ? std::string("the very minute given") : Minutes_Text(before) + " before the time given";
    return moved + ", " + when + ": if you were born even " + Minutes_Text(before + 1)
           + " earlier than recorded, your moon sign is " + Sign_And_Stone(change.fromSign) + ".";
}

}  // namespace

std::string Moon_Position_Note(const BirthClock& clock)
{
    const double longitude = Moon_Longitude(clock.julianCenturies);
    const PositionText text = Position_Text(longitude);
    const std::string_view position = text.view();
    const std::size_t secondsMark = position.find('"');
    if (secondsMark == std::string_view::npos)
        return {};
    return "The Moon at " + std::string(position.substr(0, secondsMark + 1)) + " in "
           + Sign_Name(Zodiac_Sign_Index(longitude));
}

std::string Moon_Sign_Note(TimeAccuracy accuracy, const BirthClock& clock)
{
    if (accuracy == TimeAccuracy::exact) {
        const std::optional<ClockSignChange> near = Sign_Change_Between(
            Moon_Longitude, clock, clock.minute - Near_Change_Minutes, clock.minute + Near_Change_Minutes);
        return near ? Near_Change_Note(clock, *near) : std::string();
    }
    const MinuteSpan span = Allowed_Birth_Minutes(accuracy, clock.minute);
    const std::optional<ClockSignChange> change = Sign_Change_Between(Moon_Longitude, clock, span.first, span.last);
    if (accuracy == TimeAccuracy::notKnown) {
        if (change)
            return Change_In_Span_Note(clock, *change) + " Without a time of birth the reading takes the Moon at "
                   + Time_Of_Day_Text(clock.minute) + ".";
        return "The Moon stayed in " + Sign_Name(Sign_At(Moon_Longitude, clock, span.first))
               + " all day, so the time of birth does not change your moon sign.";
    }
    if (change)
        return Change_In_Span_Note(clock, *change);
    return "The Moon stayed in " + Sign_Name(Sign_At(Moon_Longitude, clock, span.first)) + " from "
           + Clock_Text(clock, span.first) + " to " + Clock_Text(clock, span.last)
           + ", so a birth at any time you allow has the same moon sign.";
}
