#pragma once
#include <array>
#include <string_view>

// Which healing stones each stone of a gemology reading is, by the texts the reading shows for
// its sun-sign, moon-sign and birth-month stones. The two catalogues spell their stones their
// own way; a reading's stone that is no stone of the healing catalogue has no healing stones.
namespace Gemology_Stone_Names {

struct Correspondence {
    std::string_view gemology;                 // as the reading shows it
    std::array<std::string_view, 2> healing;   // healing stone names; unused places stay empty
};

inline constexpr Correspondence Table[] = {
    {"Diamond ", {"Diamond"}},  // the Aries sun stone, shown with a trailing space
    {"Diamond", {"Diamond"}},
    {"Emerald", {"Emerald"}},
    {"Pearl", {"Pearl"}},
    {"Ruby", {"Ruby"}},
    {"Peridot", {"Peridot"}},
    {"Sapphire", {"Sapphire"}},
    {"Yellow Sapphire", {"Sapphire"}},
    {"Cat's eye", {"Cat's Eye"}},
    {"Coral", {"Coral"}},
    {"Garnet", {"Garnet"}},
    {"Aquamarine", {"Aquamarine"}},
    {"Amethyst", {"Amethyst"}},
    {"Pearl or Moonstone", {"Pearl", "Moonstone"}},
    {"Citrine or Yellow Topaz", {"Citrine", "Topaz"}},
    {"Turquoise or Blue Zircon", {"Turquoise"}},
    {"Opal", {}},
    {"Opal or Tourmaline", {}},
    {"Gomed(Hessonite)", {}},
};

}  // namespace Gemology_Stone_Names
