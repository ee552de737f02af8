#pragma once
#include "astro/chart_input.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A zone offset as the zone table stores it: the sign is reversed against the listed
// offset, so a zone listed ahead of Greenwich has negative hours, and the minutes (0 or 30)
// carry the same sign as the hours.
struct ZoneOffset {
    std::int16_t hours;
    std::int16_t minutes;
};

// One item of the time-zone list: the text shown in the list, then its offset.
struct ZoneEntry {
    std::string_view listText;
    std::int16_t hours;
    std::int16_t minutes;
};

// The list position chosen when the list is first shown: Greenwich Mean Time.
inline constexpr int Zone_Default_Position = 29;

// The list texts in list order, for filling the zone drop-down.
std::vector<std::string_view> Zone_List_Texts();

// The offset of the zone at a list position; none for a position outside the list, so the
// caller keeps the values it had.
std::optional<ZoneOffset> Zone_Calculation(int position);

// Which way the zone's clock runs against Greenwich, read from the sign of its stored offset:
// negative is ahead, positive behind, and a zero offset leaves the direction unknown.
ZoneDirection Zone_Direction(ZoneOffset offset);
