#include "gemology/moon_sign.h"

#include "astro/moon_position.h"
#include "astro/zodiac_signs.h"
#include "birthplace/zone_table.h"

#include <cstdlib>

namespace {

std::int16_t Size_Of(int value)
{
    return static_cast<std::int16_t>(std::abs(value));
}

// The date, clock time and longitude of the birth, without a zone.
ChartInput Birth_Moment(const BirthData& birth)
{
    ChartInput input;
    input.month = birth.month;
    input.day = birth.day;
    input.year = birth.year;
    input.hour = birth.hour;
    input.minute = birth.minute;
    input.longitudeDegrees = birth.longitudeDegrees;
    input.longitudeMinutes = birth.longitudeMinutes;
    input.east = birth.east;
    return input;
}

// A row of the zone list; a position outside the list counts as Greenwich.
ChartInput In_Zone_Row(ChartInput input, int row, bool daylightSaving)
{
    const ZoneOffset zone = Zone_Calculation(row).value_or(ZoneOffset{0, 0});
    input.zoneHours = Size_Of(zone.hours);
    input.zoneMinutes = Size_Of(zone.minutes);
    input.daylightSaving = daylightSaving;
    input.zoneDirection = Zone_Direction(zone);
    return input;
}

ChartInput At_Offset(ChartInput input, int offsetMinutes)
{
    input.zoneHours = Size_Of(offsetMinutes / 60);
    input.zoneMinutes = Size_Of(offsetMinutes % 60);
    input.daylightSaving = false;
    input.zoneDirection = offsetMinutes > 0   ? ZoneDirection::aheadOfGreenwich
                          : offsetMinutes < 0 ? ZoneDirection::behindGreenwich
                                              : ZoneDirection::unknown;
    return input;
}

}  // namespace

ChartInput Moon_Chart_Input(const BirthData& birth)
{
    const ChartInput moment = Birth_Moment(birth);
    if (!birth.atlasZone)
        return In_Zone_Row(moment, birth.zoneIndex, birth.daylightSaving);
    const AtlasZone& zone = *birth.atlasZone;
    return zone.row ? In_Zone_Row(moment, zone.row->position, zone.row->daylightSaving)
                    : At_Offset(moment, zone.offsetMinutes);
}

std::string_view Moon_Sign_Of_Row(std::string_view row)
{
    const std::optional<ZodiacSign> sign = Sign_Of_Row(row);
    return sign ? sign->name : Zodiac_Signs.front().name;
}

void Gem_Moon_Sign(const BirthData& birth, GemologyReading& reading)
{
    reading.moonSign = std::string(Moon_Sign_Of_Row(Moon_Position_Row(Moon_Chart_Input(birth))));
}
