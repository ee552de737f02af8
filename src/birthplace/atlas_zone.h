#pragma once
#include "birthplace/birth_zone.h"

#include <QString>

#include <optional>

// The zone of the birth moment at a place chosen from the atlas, as the reading takes it.
struct AtlasZone {
    // A row of the zone list with the daylight-saving box, applied as a row chosen by hand is.
    struct Row {
        int position = 0;
        bool daylightSaving = false;
    };
    int offsetMinutes = 0;   // east of Greenwich, daylight saving included
    std::optional<Row> row;  // none: the offset itself (no row gives it, or a local mean time)
    QString name;            // how the reading names the zone ("CEST", "local mean time"); may be empty
};

// The zone of a clock of the place's zone history; `longitudeMinutes` is the place's longitude
// in minutes of arc, East positive.
AtlasZone Atlas_Zone_Of(const ZoneClock& clock, int longitudeMinutes);

// A zone row and box the user set by hand for a place of the atlas.
AtlasZone Atlas_Zone_By_Hand(int row, bool daylightSaving);
