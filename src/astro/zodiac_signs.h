#pragma once
#include <array>
#include <optional>
#include <string_view>

// The three-letter abbreviations of the twelve signs in zodiac order: sign k sits at
// 1-based positions 3k + 1 to 3k + 3.
inline constexpr std::string_view Sign_Abbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// One sign of the tropical zodiac. Sign k covers longitudes from 30k degrees (included)
// to 30(k + 1) degrees (excluded).
struct ZodiacSign {
    std::string_view abbreviation;
    std::string_view name;
};

inline constexpr std::array<ZodiacSign, 12> Zodiac_Signs{{
    {"Ari", "Aries"},
    {"Tau", "Taurus"},
    {"Gem", "Gemini"},
    {"Can", "Cancer"},
    {"Leo", "Leo"},
    {"Vir", "Virgo"},
    {"Lib", "Libra"},
    {"Sco", "Scorpio"},
    {"Sag", "Sagittarius"},
    {"Cap", "Capricorn"},
    {"Aqu", "Aquarius"},
    {"Pis", "Pisces"},
}};

// The sign whose abbreviation stands at characters 4 to 6 of a row text, compared exactly
// and case-sensitively from Aries on; none when no abbreviation matches.
std::optional<ZodiacSign> Sign_Of_Row(std::string_view rowText);

// The name of sign k counted round the circle from Aries: 12 is Aries again, -1 is Pisces.
std::string_view Zodiac_Sign_Name(int sign);

// The index (0 Aries … 11 Pisces) of the sign with this full name, compared exactly; none for
// a name that is not one of the twelve.
std::optional<int> Zodiac_Sign_Named(std::string_view name);
