#include "gemology/sun_sign_note.h"

#include "astro/sun_longitude.h"
#include "astro/zodiac_signs.h"

namespace {

std::string Sign_Name(int sign)
{
    return std::string(Zodiac_Sign_Name(sign));
}

std::string With_Article(std::string_view sign)
{
    const bool vowel = !sign.empty() && std::string_view("AEIOU").find(sign.front()) != std::string_view::npos;
    return (vowel ? "an " : "a ") + std::string(sign);
}

std::string Change_Note(const BirthClock& clock, const MinuteSpan& birth, const ClockSignChange& change)
{
    const std::string time = Time_Of_Day_Text(change.minute);
    const std::string day = " local time on " + Date_Text(clock, change.minute);
    const std::string into = " The Sun itself entered " + Sign_Name(change.toSign);
    if (birth.first < change.minute && change.minute <= birth.last)
        return into + " at " + time + day + ": born before " + time + ", the Sun stood in "
               + Sign_Name(change.fromSign) + "; from " + time + " on, in " + Sign_Name(change.toSign) + ".";
    if (clock.minute >= change.minute)
        return into + " at " + time + day + ", before your birth.";
    return into + " only at " + time + day + ", after your birth: it still stood in " + Sign_Name(change.fromSign)
           + " when you were born.";
}

}  // namespace

std::string Sun_Sign_Note(std::string_view calendarSign, TimeAccuracy accuracy, const BirthClock& clock)
{
    const std::string calendar = "By the calendar you are " + With_Article(calendarSign) + ".";
    const std::optional<ClockSignChange> change =
        Sign_Change_Between(Sun_Apparent_Longitude, clock, 0, Minutes_Per_Day - 1);
    if (change)
        return calendar + Change_Note(clock, Allowed_Birth_Minutes(accuracy, clock.minute), *change);

    const int own = Sign_At(Sun_Apparent_Longitude, clock, clock.minute);
    if (Sign_Name(own) == calendarSign)
        return {};
    std::string note = calendar + " The Sun itself stood in " + Sign_Name(own) + " all day on "
                       + Date_Text(clock, clock.minute);
    if (Sign_Name(own + 1) == calendarSign)
        note += ", and reached " + std::string(calendarSign) + " only later";
    else if (Sign_Name(own - 1) == calendarSign)
        note += ", having already left " + std::string(calendarSign);
    return note + ".";
}
