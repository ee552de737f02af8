#include "gemology/reading_sequence.h"

#include "astro/time_scales.h"
#include "gemology/month_stones.h"
#include "gemology/moon_sign.h"
#include "gemology/sign_stones.h"
#include "gemology/sign_notes.h"
#include "birthplace/place_zone_text.h"
#include "gemology/sun_sign.h"

GemologyReading Make_Gemology_Reading(const BirthData& birth)
{
    GemologyReading reading;
    Gem_Sun_Sign(birth, reading);
    Sun_More_About_LuckyStone(reading);
    Gem_Moon_Sign(birth, reading);
    if (birth.atlasZone) {
        const double universalHours = Universal_Time(Moon_Chart_Input(birth));
        reading.moonSignMoment = (birth.timeAccuracy == TimeAccuracy::notKnown
                                      ? Noon_Moment_Text(birth.atlasZone->name, universalHours)
                                      : Birth_Moment_Text(QTime(birth.hour, birth.minute), birth.atlasZone->name, universalHours))
                                     .toStdString();
    }
    Moon_More_About_LuckyStone(reading);
    Avoid_Stone(birth, reading);
    Write_Sign_Notes(birth, reading);
    return reading;
}
