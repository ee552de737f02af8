#include "gemology/sun_stones.h"

#include "gemology/sign_stone_entry.h"
#include "gemology/stone_texts.h"

namespace {

using namespace Stone_Texts;

// The Aries stone keeps its trailing space: it is shown and saved that way.
constexpr SunStoneEntry Sun_Stone_Table[] = {
    //  sign           lucky stone          sign pic  stone pic  text
    {"Aries",       "Diamond ",           2,  1, Sun_Aries_Diamond},
    {"Taurus",      "Emerald",           11,  2, Sun_Taurus_Emerald},
    {"Gemini",      "Pearl",              5,  3, Sun_Gemini_Pearl},
    {"Cancer",      "Ruby",               3,  4, Sun_Cancer_Ruby},
    {"Leo",         "Peridot",            6,  5, Sun_Leo_Peridot},
    {"Virgo",       "Sapphire",          12,  6, Sun_Virgo_Sapphire},
    {"Libra",       "Opal",               7,  7, Sun_Libra_Opal},
    {"Scorpio",     "Cat's eye",         10,  8, Sun_Scorpio_Cats_Eye},
    {"Sagittarius", "Coral",              9,  9, Sun_Sagittarius_Coral},
    {"Capricorn",   "Garnet",             4, 10, Sun_Capricorn_Garnet},
    {"Aquarius",    "Gomed(Hessonite)",   1, 11, Sun_Aquarius_Hessonite},
    {"Pisces",      "Aquamarine",         8, 12, Sun_Pisces_Aquamarine},
};

}  // namespace

void Sun_More_About_LuckyStone(GemologyReading& reading)
{
    const SunStoneEntry* row = Find_Sign_Row(Sun_Stone_Table, reading.sunSign);
    if (!row)
        return;
    reading.sunStone = std::string(row->stone);
    reading.sunSignPicture = row->signPicture;
    reading.sunStonePicture = row->stonePicture;
    reading.sunText = std::string(row->text);
}
