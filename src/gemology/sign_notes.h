#pragma once
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"

// Writes the notes beside the reading on every reading, each empty when it has nothing to say:
// the Sun's own sign against the calendar's (sunSignNote), the Moon's position (moonPosition)
// and what the time of birth the user allows means for the moon sign (moonSignNote). They take
// the reading's own moment, through the engine input the moon sign is computed from. The
// calendar sun sign must be written first.
void Write_Sign_Notes(const BirthData& birth, GemologyReading& reading);
