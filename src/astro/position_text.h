#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// A position text held in place, with no allocation, for callers that format often.
struct PositionText {
    // The longest text is 29° 59' 59" Sco: sixteen bytes, the degree sign taking two.
    std::array<char, 16> bytes{};
    std::size_t length = 0;

    std::string_view view() const { return {bytes.data(), length}; }
};

// The position text of an ecliptic longitude: whole degrees within the sign, minutes and
// seconds (all truncated, never rounded up into the next sign), then the sign's
// abbreviation, e.g. 13° 18' 57" Sco. The sign of the longitude is dropped. Exactly 360
// degrees has no abbreviation; a longitude beyond 360 either way, or not a number at all,
// has no position and gives an empty text.
PositionText Position_Text(double longitude);

// The same text as a string.
std::string Format_Longitude(double longitude);

// The row text of a position text: two-digit degrees, a blank, the abbreviation, a blank,
// two-digit minutes, e.g. 13 Sco 18, so the abbreviation stands at characters 4 to 6.
// Accepts any text: a part whose mark (° or ') is missing comes out as "0".
std::string Position_Row(std::string_view positionText);

// Position_Row(Position_Text(longitude).view()), written straight from the longitude.
std::string Longitude_Row(double longitude);
