#include "gemology/sun_sign.h"

#include "astro/zodiac_signs.h"

#include <QDate>

#include <array>

namespace {

// The day of each month, from January, on which the Sun's sign of the calendar changes. The
// days before it belong to the sign the month began in (Capricorn for January), the rest of the
// month to the next sign.
constexpr std::array<int, 12> First_Day_Of_Next_Sign{20, 19, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21};

// The sign each month begins in: January in Capricorn, then one sign a month.
constexpr int Sign_Of_First_Days(int month)
{
    return (month + 8) % 12;
}

}  // namespace

void Gem_Sun_Sign(const BirthData& birth, GemologyReading& reading)
{
    if (birth.month < 1 || birth.month > 12)
        return;
    // The longest the month can be: a leap year's.
    if (birth.day > QDate(2000, birth.month, 1).daysInMonth())
        return;
    const bool nextSign = birth.day >= First_Day_Of_Next_Sign[static_cast<std::size_t>(birth.month - 1)];
    reading.sunSign = std::string(Zodiac_Sign_Name(Sign_Of_First_Days(birth.month) + (nextSign ? 1 : 0)));
}
