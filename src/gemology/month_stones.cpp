#include "gemology/month_stones.h"

#include "gemology/stone_texts.h"

#include <array>
#include <string_view>

namespace {

using namespace Stone_Texts;

// The stone of one birth month, the position of its picture and its text.
struct MonthStoneEntry {
    std::string_view stone;
    int picture;
    std::string_view text;
};

constexpr std::array<MonthStoneEntry, 12> Month_Stone_Table{{
    /* January   */ {"Garnet",                    1, Month_January_Garnet},
    /* February  */ {"Amethyst",                  2, Month_February_Amethyst},
    /* March     */ {"Aquamarine",                3, Month_March_Aquamarine},
    /* April     */ {"Diamond",                   4, Month_April_Diamond},
    /* May       */ {"Emerald",                   5, Month_May_Emerald},
    /* June      */ {"Pearl or Moonstone",        6, Month_June_Pearl_Moonstone},
    /* July      */ {"Ruby",                      7, Month_July_Ruby},
    /* August    */ {"Peridot",                   8, Month_August_Peridot},
    /* September */ {"Sapphire",                  9, Month_September_Sapphire},
    /* October   */ {"Opal or Tourmaline",       10, Month_October_Opal_Tourmaline},
    /* November  */ {"Citrine or Yellow Topaz",  11, Month_November_Topaz_Citrine},
    /* December  */ {"Turquoise or Blue Zircon", 12, Month_December_Zircon_Turquoise},
}};

}  // namespace

void Avoid_Stone(const BirthData& birth, GemologyReading& reading)
{
    if (birth.month < 1 || birth.month > 12)
        return;
    const MonthStoneEntry& row = Month_Stone_Table[static_cast<std::size_t>(birth.month - 1)];
    reading.birthStone = std::string(row.stone);
    reading.birthStonePicture = row.picture;
    reading.birthStoneText = std::string(row.text);
}
