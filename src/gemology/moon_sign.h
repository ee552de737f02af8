#pragma once
#include "astro/chart_input.h"
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"

#include <string_view>

// The birth moment as the engine takes it: the local date and clock time, the longitude and the
// zone of the birth moment. That zone is the atlas's when the place was chosen from the atlas,
// else the zone list's row with the daylight-saving box. A row gives the size of its offset with
// the direction of its own sign (a zero offset leaves the direction to the hemisphere); the
// atlas's exact offset, where no row gives it, goes in as it is, without the box.
ChartInput Moon_Chart_Input(const BirthData& birth);

// The full sign name that a Moon row text names at its characters 4 to 6. A row without a sign
// abbreviation comes only from a longitude of exactly 360 degrees, which is 0 degrees: Aries.
std::string_view Moon_Sign_Of_Row(std::string_view row);

// Runs the engine for the birth moment and writes the moon sign. Every reading writes one.
void Gem_Moon_Sign(const BirthData& birth, GemologyReading& reading);
