#pragma once
#include "astro/chart_input.h"

#include <string>

// The engine entry: the Moon's row text for a birth moment, e.g. 13 Sco 18, whose
// characters 4 to 6 name the sign the Moon stood in. The same input always gives the same row.
std::string Moon_Position_Row(const ChartInput& input);
