#pragma once
#include <string>
#include <string_view>

// The position text of an ecliptic longitude: whole degrees within the sign, minutes and
// seconds (all truncated, never rounded up into the next sign), then the sign's
// abbreviation, e.g. 13° 18' 57" Sco. Exactly 360 degrees has no abbreviation; neither has
// any longitude beyond it. A longitude that is not a finite number gives an empty text.
std::string Format_Longitude(double longitude);

// The row text of a position text: two-digit degrees, a blank, the abbreviation, a blank,
// two-digit minutes, e.g. 13 Sco 18, so the abbreviation stands at characters 4 to 6.
// Accepts any text: a part whose mark (° or ') is missing comes out as "0".
std::string Position_Row(std::string_view positionText);
