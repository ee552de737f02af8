#pragma once
#include "astro/chart_input.h"
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"
#include "birthplace/zone_table.h"

#include <string_view>

// The birth moment as the engine takes it: the local date and clock time, the size of the
// zone offset with the direction the zone's own row gives it (a zero offset leaves the
// direction to the hemisphere), the longitude and the daylight-saving flag. An exact offset of
// the birth place's zone takes the place of the row and the flag.
ChartInput Moon_Chart_Input(const BirthData& birth, ZoneOffset zone);

// The full sign name that a Moon row text names at its characters 4 to 6. A row without a sign
// abbreviation comes only from a longitude of exactly 360 degrees, which is 0 degrees: Aries.
std::string_view Moon_Sign_Of_Row(std::string_view row);

// Runs the engine for the birth moment and writes the moon sign. Every reading writes one.
void Gem_Moon_Sign(const BirthData& birth, ZoneOffset zone, GemologyReading& reading);
