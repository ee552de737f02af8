#include "gemology/moon_stones.h"

#include "gemology/sign_stone_entry.h"
#include "gemology/stone_texts.h"

namespace {

using namespace Stone_Texts;

// Gemini and Virgo share one emerald text; Aquarius shows the January garnet text.
constexpr MoonStoneEntry Moon_Stone_Table[] = {
    //  sign           lucky stone         sign pic  stone pic  text
    {"Aries",       "Coral",             2,  1, Moon_Aries_Coral},
    {"Taurus",      "Diamond",          11,  2, Moon_Taurus_Diamond},
    {"Gemini",      "Emerald",           5,  3, Moon_Gemini_Virgo_Emerald},
    {"Cancer",      "Pearl",             3,  4, Moon_Cancer_Pearl},
    {"Leo",         "Ruby",              6,  5, Moon_Leo_Ruby},
    {"Virgo",       "Emerald",          12,  6, Moon_Gemini_Virgo_Emerald},
    {"Libra",       "Diamond",           7,  7, Moon_Libra_Diamond},
    {"Scorpio",     "Coral",            10,  8, Moon_Scorpio_Coral},
    {"Sagittarius", "Peridot",           9,  9, Moon_Sagittarius_Peridot},
    {"Capricorn",   "Sapphire",          4, 10, Moon_Capricorn_Sapphire},
    {"Aquarius",    "Garnet",            1, 11, Month_January_Garnet},
    {"Pisces",      "Yellow Sapphire",   8, 12, Moon_Pisces_Yellow_Sapphire},
};

}  // namespace

void Moon_More_About_LuckyStone(GemologyReading& reading)
{
    const MoonStoneEntry* row = Find_Sign_Row(Moon_Stone_Table, reading.moonSign);
    if (!row)
        return;
    reading.moonStone = std::string(row->stone);
    reading.moonSignPicture = row->signPicture;
    reading.moonStonePicture = row->stonePicture;
    reading.moonText = std::string(row->text);
}

std::string_view Moon_Lucky_Stone(std::string_view sign)
{
    const MoonStoneEntry* row = Find_Sign_Row(Moon_Stone_Table, std::string(sign));
    return row ? row->stone : std::string_view{};
}
