#include "gemology/moon_sign.h"

#include "astro/moon_position.h"
#include "astro/zodiac_signs.h"

#include <cstdlib>

namespace {

std::int16_t Size_Of(std::int16_t value)
{
    return static_cast<std::int16_t>(std::abs(value));
}

}  // namespace

ChartInput Moon_Chart_Input(const BirthData& birth, ZoneOffset zone)
{
    ChartInput input;
    input.month = birth.month;
    input.day = birth.day;
    input.year = birth.year;
    input.hour = birth.hour;
    input.minute = birth.minute;
    input.zoneHours = Size_Of(zone.hours);
    input.zoneMinutes = Size_Of(zone.minutes);
    input.longitudeDegrees = birth.longitudeDegrees;
    input.longitudeMinutes = birth.longitudeMinutes;
    input.east = birth.east;
    input.daylightSaving = birth.daylightSaving;
    input.zoneDirection = Zone_Direction(zone);
    if (birth.exactZoneMinutes) {
        const int offset = *birth.exactZoneMinutes;
        input.zoneHours = Size_Of(static_cast<std::int16_t>(offset / 60));
        input.zoneMinutes = Size_Of(static_cast<std::int16_t>(offset % 60));
        input.daylightSaving = false;
        input.zoneDirection = offset > 0   ? ZoneDirection::aheadOfGreenwich
                              : offset < 0 ? ZoneDirection::behindGreenwich
                                           : ZoneDirection::unknown;
    }
    return input;
}

std::string_view Moon_Sign_Of_Row(std::string_view row)
{
    const std::optional<ZodiacSign> sign = Sign_Of_Row(row);
    return sign ? sign->name : Zodiac_Signs.front().name;
}

void Gem_Moon_Sign(const BirthData& birth, ZoneOffset zone, GemologyReading& reading)
{
    reading.moonSign = std::string(Moon_Sign_Of_Row(Moon_Position_Row(Moon_Chart_Input(birth, zone))));
}
