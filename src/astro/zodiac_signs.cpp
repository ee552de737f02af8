#include "astro/zodiac_signs.h"

#include "astro/utf8_text.h"

namespace {

constexpr bool Abbreviations_Agree()
{
    for (std::size_t k = 0; k < Zodiac_Signs.size(); ++k) {
        if (Sign_Abbreviations.substr(3 * k, 3) != Zodiac_Signs[k].abbreviation)
            return false;
    }
    return Sign_Abbreviations.size() == 3 * Zodiac_Signs.size();
}
static_assert(Abbreviations_Agree(), "the sign table and the abbreviation text must list the same signs");

}  // namespace

std::optional<ZodiacSign> Sign_Of_Row(std::string_view rowText)
{
    const std::string_view abbreviation = Utf8_Middle(rowText, 3, 3);
    for (const ZodiacSign& sign : Zodiac_Signs) {
        if (sign.abbreviation == abbreviation)
            return sign;
    }
    return std::nullopt;
}

std::string_view Zodiac_Sign_Name(int sign)
{
    const int count = static_cast<int>(Zodiac_Signs.size());
    return Zodiac_Signs[static_cast<std::size_t>((sign % count + count) % count)].name;
}

std::optional<int> Zodiac_Sign_Named(std::string_view name)
{
    for (std::size_t k = 0; k < Zodiac_Signs.size(); ++k) {
        if (Zodiac_Signs[k].name == name)
            return static_cast<int>(k);
    }
    return std::nullopt;
}
