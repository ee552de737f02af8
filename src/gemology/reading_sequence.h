#pragma once
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"

// One reading for validated birth data, step by step: the sun sign and its stone, the zone
// offset, the moon sign and its stone, the birth month's stone, then the notes on the Sun's
// and the Moon's changes of sign.
GemologyReading Make_Gemology_Reading(const BirthData& birth);
