#include "gemology/sun_sign.h"

#include <array>
#include <string_view>

namespace {

// Each month splits into two signs: the days up to `lastDayOfFirst` belong to the first sign,
// the rest of the month, up to `lastDayOfSecond`, to the second.
struct SunSignSplit {
    int lastDayOfFirst;
    std::string_view firstSign;
    int lastDayOfSecond;
    std::string_view secondSign;
};

constexpr std::array<SunSignSplit, 12> Sun_Sign_Boundaries{{
    /* January   */ {19, "Capricorn", 31, "Aquarius"},
    /* February  */ {18, "Aquarius", 29, "Pisces"},
    /* March     */ {20, "Pisces", 31, "Aries"},
    /* April     */ {20, "Aries", 30, "Taurus"},
    /* May       */ {20, "Taurus", 31, "Gemini"},
    /* June      */ {20, "Gemini", 30, "Cancer"},
    /* July      */ {20, "Cancer", 31, "Leo"},
    /* August    */ {20, "Leo", 31, "Virgo"},
    /* September */ {20, "Virgo", 30, "Libra"},
    /* October   */ {20, "Libra", 31, "Scorpio"},
    /* November  */ {20, "Scorpio", 30, "Sagittarius"},
    /* December  */ {20, "Sagittarius", 31, "Capricorn"},
}};

}  // namespace

void Gem_Sun_Sign(const BirthData& birth, GemologyReading& reading)
{
    if (birth.month < 1 || birth.month > 12)
        return;
    const SunSignSplit& split = Sun_Sign_Boundaries[static_cast<std::size_t>(birth.month - 1)];
    if (birth.day <= split.lastDayOfFirst)
        reading.sunSign = std::string(split.firstSign);
    else if (birth.day <= split.lastDayOfSecond)
        reading.sunSign = std::string(split.secondSign);
}
