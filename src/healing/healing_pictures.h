#pragma once
#include "shell/picture_catalogue.h"

// The healing stones' pictures: picture n belongs to stone n.
namespace Healing_Pictures {
inline constexpr PictureEntry Entries[] = {
    {"01 red jasper", "stones/red-jasper"},   {"02 green aventurine", "stones/green-aventurine"},
    {"03 sodalite", "stones/sodalite"},       {"04 hematite", "stones/hematite"},
    {"05 moonstone", "stones/moonstone"},     {"06 tiger eye", "stones/tiger-eye"},
    {"07 rose quartz", "stones/rose-quartz"}, {"08 carnelian", "stones/carnelian"},
    {"09 jade", "stones/jade"},               {"10 amethyst", "stones/amethyst"},
    {"11 bloodstone", "stones/bloodstone"},   {"12 emerald", "stones/emerald"},
    {"13 ruby", "stones/ruby"},               {"14 sapphire", "stones/sapphire"},
    {"15 diamond", "stones/diamond"},         {"16 pearl", "stones/pearl"},
    {"17 coral", "stones/coral"},             {"18 turquoise", "stones/turquoise"},
    {"19 peridot", "stones/peridot"},         {"20 jasper", "stones/jasper"},
    {"21 topaz", "stones/topaz"},             {"22 garnet", "stones/garnet"},
    {"23 azurite", "stones/azurite"},         {"24 cat's eye", "stones/cats-eye"},
    {"25 goldstone", "stones/goldstone"},     {"26 malachite", "stones/malachite"},
    {"27 quartz", "stones/quartz"},           {"28 selenite", "stones/selenite"},
    {"29 lapiz lazuli", "stones/lapis-lazuli"}, {"30 celestite", "stones/celestite"},
    {"31 citrine", "stones/citrine"},         {"32 chrysocolla", "stones/chrysocolla"},
    {"33 aquamarine", "stones/aquamarine"},
};
}  // namespace Healing_Pictures

inline constexpr PictureCatalogue Healing_IMG{Healing_Pictures::Entries};
