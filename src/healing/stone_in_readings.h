#pragma once
#include <string>
#include <string_view>
#include <vector>

// One place where a Zev Gemology reading names a stone: a birth month, a sun sign or a moon sign,
// with the stone's text as the reading shows it.
struct ReadingPlace {
    enum class Kind { BirthMonth, SunSign, MoonSign } kind;
    std::string_view name;  // "January", "Capricorn"
    std::string stone;      // "Garnet", "Gomed(Hessonite)"
};

// The 36 places, as the reading's own steps give their stones: the twelve birth months from
// January, then the sun and the moon stone of each sign from Aries.
const std::vector<ReadingPlace>& Reading_Places();

// Where a healing stone stands in a reading, as one line, for example for "Garnet": "Birth stone
// of January. Lucky stone of Capricorn (sun sign) and Aquarius (moon sign)." A reading's stone is
// matched to healing stones through Gemology_Stone_Names.
std::string Stone_In_Readings(std::string_view healingStone);
