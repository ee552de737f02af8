#pragma once
#include <string>
#include <string_view>

// Where a healing stone stands in a Zev Gemology reading: the birth months, sun signs and moon
// signs whose stone it is, as one line, for example for "Garnet": "Birth stone of January. Lucky
// stone of Capricorn (sun sign) and Aquarius (moon sign)." The places are those the reading's
// own steps give, matched to healing stones through Gemology_Stone_Names.
std::string Stone_In_Readings(std::string_view healingStone);
