#pragma once
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"

// Writes the sun sign of the birth month and day (the full sign name). A month outside 1-12 or
// a day past the month's end writes nothing.
void Gem_Sun_Sign(const BirthData& birth, GemologyReading& reading);
