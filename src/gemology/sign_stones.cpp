#include "gemology/sign_stones.h"

#include "astro/zodiac_signs.h"
#include "gemology/gemology_pictures.h"
#include "gemology/stone_texts.h"

#include <array>

namespace {

using namespace Stone_Texts;

// A lucky stone as the reading shows it, and its text.
struct LuckyStone {
    std::string_view stone;
    std::string_view text;
};

struct SignStones {
    LuckyStone sun;
    LuckyStone moon;
};

// The signs from Aries. The Aries sun stone keeps its trailing space: it is shown and saved that
// way. Gemini and Virgo share one moon emerald text; the Aquarius moon stone shows the January
// garnet text.
constexpr std::array<SignStones, 12> Sign_Stone_Table{{
    //                 sun sign                                     moon sign
    /* Aries       */ {{"Diamond ", Sun_Aries_Diamond},             {"Coral", Moon_Aries_Coral}},
    /* Taurus      */ {{"Emerald", Sun_Taurus_Emerald},             {"Diamond", Moon_Taurus_Diamond}},
    /* Gemini      */ {{"Pearl", Sun_Gemini_Pearl},                 {"Emerald", Moon_Gemini_Virgo_Emerald}},
    /* Cancer      */ {{"Ruby", Sun_Cancer_Ruby},                   {"Pearl", Moon_Cancer_Pearl}},
    /* Leo         */ {{"Peridot", Sun_Leo_Peridot},                {"Ruby", Moon_Leo_Ruby}},
    /* Virgo       */ {{"Sapphire", Sun_Virgo_Sapphire},            {"Emerald", Moon_Gemini_Virgo_Emerald}},
    /* Libra       */ {{"Opal", Sun_Libra_Opal},                    {"Diamond", Moon_Libra_Diamond}},
    /* Scorpio     */ {{"Cat's eye", Sun_Scorpio_Cats_Eye},         {"Coral", Moon_Scorpio_Coral}},
    /* Sagittarius */ {{"Coral", Sun_Sagittarius_Coral},            {"Peridot", Moon_Sagittarius_Peridot}},
    /* Capricorn   */ {{"Garnet", Sun_Capricorn_Garnet},            {"Sapphire", Moon_Capricorn_Sapphire}},
    /* Aquarius    */ {{"Gomed(Hessonite)", Sun_Aquarius_Hessonite}, {"Garnet", Month_January_Garnet}},
    /* Pisces      */ {{"Aquamarine", Sun_Pisces_Aquamarine},       {"Yellow Sapphire", Moon_Pisces_Yellow_Sapphire}},
}};

// Where one kind of sign writes its stone in the reading.
struct SignFields {
    LuckyStone SignStones::*stone;
    std::optional<std::string> GemologyReading::*sign;
    std::optional<std::string> GemologyReading::*stoneShown;
    std::optional<int> GemologyReading::*signPicture;
    std::optional<int> GemologyReading::*stonePicture;
    std::optional<std::string> GemologyReading::*text;
};

constexpr SignFields Sun_Fields{&SignStones::sun,           &GemologyReading::sunSign,
                                &GemologyReading::sunStone, &GemologyReading::sunSignPicture,
                                &GemologyReading::sunStonePicture, &GemologyReading::sunText};
constexpr SignFields Moon_Fields{&SignStones::moon,           &GemologyReading::moonSign,
                                 &GemologyReading::moonStone, &GemologyReading::moonSignPicture,
                                 &GemologyReading::moonStonePicture, &GemologyReading::moonText};

// Both stone catalogues hold one stone per sign from Aries, so the stone's picture stands at the
// sign's own position; the sign's picture is the one its key names.
void Write_Lucky_Stone(GemologyReading& reading, const SignFields& fields)
{
    const std::optional<std::string>& name = reading.*fields.sign;
    const std::optional<int> sign = name ? Zodiac_Sign_Named(*name) : std::nullopt;
    if (!sign)
        return;
    const LuckyStone& stone = Sign_Stone_Table[static_cast<std::size_t>(*sign)].*fields.stone;
    reading.*fields.stoneShown = std::string(stone.stone);
    reading.*fields.signPicture = Sign_Picture_Position(*name);
    reading.*fields.stonePicture = *sign + 1;
    reading.*fields.text = std::string(stone.text);
}

}  // namespace

void Sun_More_About_LuckyStone(GemologyReading& reading)
{
    Write_Lucky_Stone(reading, Sun_Fields);
}

void Moon_More_About_LuckyStone(GemologyReading& reading)
{
    Write_Lucky_Stone(reading, Moon_Fields);
}

std::string_view Moon_Lucky_Stone(std::string_view sign)
{
    const std::optional<int> index = Zodiac_Sign_Named(sign);
    return index ? Sign_Stone_Table[static_cast<std::size_t>(*index)].moon.stone : std::string_view{};
}
