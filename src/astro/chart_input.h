#pragma once
#include <cstdint>

// Which way the chosen time zone's clock runs against Greenwich, when the caller knows it.
// Unknown leaves the choice to the hemisphere of the birth place.
enum class ZoneDirection {
    unknown,
    aheadOfGreenwich,
    behindGreenwich,
};

// The birth moment as the astronomy engine receives it: local civil date and clock time,
// the size of the zone offset (never its sign), the birth place's longitude and the
// daylight-saving flag.
struct ChartInput {
    std::int16_t month = 1;             // 1-12
    std::int16_t day = 1;               // 1-31
    std::int16_t year = 2000;           // 1901-2050
    std::int16_t hour = 0;              // 0-23, local clock
    std::int16_t minute = 0;            // 0-59
    std::int16_t zoneHours = 0;         // size of the zone offset, whole hours
    std::int16_t zoneMinutes = 0;       // size of the zone offset's minute part
    std::int16_t longitudeDegrees = 0;  // 0-179
    std::int16_t longitudeMinutes = 0;  // 0-59
    bool east = false;
    bool daylightSaving = false;
    ZoneDirection zoneDirection = ZoneDirection::unknown;
};
