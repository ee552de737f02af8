#pragma once
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"

// One reading for validated birth data, step by step: the sun sign and its stone, the zone
// offset, the moon sign and its stone, then the birth month's stone.
GemologyReading Make_Gemology_Reading(const BirthData& birth);
