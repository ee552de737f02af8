#include "birthplace/atlas_zone.h"

#include "birthplace/place_zone_text.h"

AtlasZone Atlas_Zone_Of(const ZoneClock& clock, int longitudeMinutes)
{
    const ZoneChoice choice = Zone_Choice(clock, longitudeMinutes);
    AtlasZone zone;
    zone.offsetMinutes = choice.offsetMinutes;
    if (choice.row)
        zone.row = AtlasZone::Row{*choice.row, choice.boxTicked()};
    zone.name = Zone_Clock_Name(clock);
    return zone;
}

AtlasZone Atlas_Zone_By_Hand(int row, bool daylightSaving)
{
    AtlasZone zone;
    zone.offsetMinutes = Zone_Row_Offset_Minutes(row) + (daylightSaving ? 60 : 0);
    zone.row = AtlasZone::Row{row, daylightSaving};
    zone.name = Hand_Zone_Name(row, daylightSaving);
    return zone;
}
