#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// A place record of the atlas library read straight from the bytes GLib keeps it in: a GVariant
// of type "(sssssssudd)" (id, name, state code, state, country code, country, zone, population,
// latitude, longitude). Plain C++, for the atlas reader, which would otherwise ask GLib for each
// field in turn at many times the cost.
struct CityRecord {
    std::array<std::string_view, 7> texts;  // the seven texts, each without its closing NUL
    std::uint32_t population = 0;
    double latitude = 0;
    double longitude = 0;
};

// The record when its bytes are laid out just as GLib lays out such a record: each text ending
// in its one NUL, the framing offsets in order and within the bytes, the numbers right before
// them. None for any other bytes, for the caller to read through GLib, which knows what to
// make of them. Whether the texts are UTF-8 is left to the caller.
std::optional<CityRecord> Read_City_Record(std::string_view bytes);
