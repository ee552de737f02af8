#pragma once
#include "shell/picture_catalogue.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

// The sign and stone pictures of a gemology reading, addressed by position from 1.
namespace Gemology_Pictures {

inline constexpr PictureEntry Sign_Pictures[] = {
    {"aquarius", "signs/aquarius"},       {"aries", "signs/aries"},
    {"cancer", "signs/cancer"},           {"capricorn", "signs/capricorn"},
    {"gemini", "signs/gemini"},           {"leo", "signs/leo"},
    {"libra", "signs/libra"},             {"pisces", "signs/pisces"},
    {"sagittarius", "signs/sagittarius"}, {"scorpio", "signs/scorpio"},
    {"taurus", "signs/taurus"},           {"virgo", "signs/virgo"},
};

inline constexpr PictureEntry Sun_Stone_Pictures[] = {
    {"Diamond", "stones/diamond"},  {"Emerald", "stones/emerald"},     {"Pearl", "stones/pearl"},
    {"Ruby", "stones/ruby"},        {"Peridot", "stones/peridot"},     {"Sapphire", "stones/sapphire"},
    {"Opal", "stones/opal"},        {"Cat's eye", "stones/cats-eye"},  {"Coral", "stones/coral"},
    {"Garnet", "stones/garnet"},    {"gomed", "stones/hessonite"},     {"Aquamarine", "stones/aquamarine"},
};

// One stone per moon sign in zodiac order (the keys name the stone shown).
inline constexpr PictureEntry Moon_Stone_Pictures[] = {
    {"coral", "stones/coral"},       {"diamond", "stones/diamond"}, {"emerald", "stones/emerald"},
    {"pearl", "stones/pearl"},       {"ruby", "stones/ruby"},       {"emerald", "stones/emerald"},
    {"diamond", "stones/diamond"},   {"coral", "stones/coral"},     {"peridot", "stones/peridot"},
    {"sapphire", "stones/sapphire"}, {"garnet", "stones/garnet"},   {"yellow sapphire", "stones/yellow-sapphire"},
};

inline constexpr PictureEntry Birth_Stone_Pictures[] = {
    {"Garnet", "stones/garnet"},          {"Amethyst", "stones/amethyst"},
    {"Aquamarine", "stones/aquamarine"},  {"Diamond", "stones/diamond"},
    {"Emerald", "stones/emerald"},        {"pearl", "stones/pearl"},
    {"Ruby", "stones/ruby"},              {"Peridot", "stones/peridot"},
    {"Sapphire", "stones/sapphire"},      {"Opal", "stones/opal"},
    {"Yellow Topaz", "stones/yellow-topaz"}, {"Blue Zircon", "stones/blue-zircon"},
};

}  // namespace Gemology_Pictures

// The position of a sign's picture, whose key is the sign's full name in lower case; 0 for a
// name that no picture has.
constexpr int Sign_Picture_Position(std::string_view sign)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t at = 0; at < std::size(Gemology_Pictures::Sign_Pictures); ++at) {
        if (std::ranges::equal(Gemology_Pictures::Sign_Pictures[at].key, sign, {}, {}, lower))
            return static_cast<int>(at) + 1;
    }
    return 0;
}

inline constexpr PictureCatalogue ImglistSunSign{Gemology_Pictures::Sign_Pictures};
inline constexpr PictureCatalogue imgListMoonSign{Gemology_Pictures::Sign_Pictures};
inline constexpr PictureCatalogue ImgSunSignStone{Gemology_Pictures::Sun_Stone_Pictures};
inline constexpr PictureCatalogue ImgMoonSignStone{Gemology_Pictures::Moon_Stone_Pictures};
inline constexpr PictureCatalogue ImgBirthStone{Gemology_Pictures::Birth_Stone_Pictures};
