#pragma once
#include "gemology/time_accuracy.h"
#include "birthplace/atlas_zone.h"
#include "birthplace/zone_table.h"

#include <QString>

#include <cstdint>
#include <optional>

// One person's birth details as the entry window collects them, after validation. The
// latitude, the North/South choice, the seconds and the place names are collected and checked
// but no computation reads them.
struct BirthData {
    QString name;
    std::int16_t month = 1;  // 1-12
    std::int16_t day = 1;    // 1-31
    std::int16_t year = 1901;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    std::int16_t second = 0;
    QString city;
    QString state;
    QString country;
    std::int16_t latitudeDegrees = 0;   // 0-89
    std::int16_t latitudeMinutes = 0;   // 0-59
    bool south = false;
    std::int16_t longitudeDegrees = 0;  // 0-179
    std::int16_t longitudeMinutes = 0;  // 0-59
    bool east = true;
    std::int16_t zoneIndex = Zone_Default_Position;  // position in the time-zone list
    bool daylightSaving = false;

    // How well the time of birth is known (cboTimeAccuracy). With no known time the reading
    // takes 12:00 of the birth day, whatever the time lists hold.
    TimeAccuracy timeAccuracy = TimeAccuracy::exact;

    // The zone of the birth moment, when the place was chosen from the atlas: the reading then
    // takes it instead of the zone list's row and the daylight-saving box above.
    std::optional<AtlasZone> atlasZone;
};
