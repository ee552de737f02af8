#include "gemology/reading_sequence.h"

#include "astro/time_scales.h"
#include "gemology/month_stones.h"
#include "gemology/moon_sign.h"
#include "gemology/moon_stones.h"
#include "gemology/sign_notes.h"
#include "birthplace/place_zone_text.h"
#include "gemology/sun_sign.h"
#include "gemology/sun_stones.h"
#include "birthplace/zone_table.h"

GemologyReading Make_Gemology_Reading(const BirthData& birth)
{
    GemologyReading reading;
    Gem_Sun_Sign(birth, reading);
    Sun_More_About_LuckyStone(reading);
    // The zone list always has a row chosen; a position outside it would count as Greenwich.
    const ZoneOffset zone = Zone_Calculation(birth.zoneIndex).value_or(ZoneOffset{0, 0});
    Gem_Moon_Sign(birth, zone, reading);
    if (birth.zoneFromAtlas)
        reading.moonSignMoment = Birth_Moment_Text(QTime(birth.hour, birth.minute), birth.zoneName,
                                                   Universal_Time(Moon_Chart_Input(birth, zone)))
                                     .toStdString();
    Moon_More_About_LuckyStone(reading);
    Avoid_Stone(birth, reading);
    Write_Sign_Notes(birth, zone, reading);
    return reading;
}
