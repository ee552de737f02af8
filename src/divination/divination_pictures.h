#pragma once
#include "healing/healing_pictures.h"
#include "shell/picture_catalogue.h"

#include <array>
#include <cstddef>
#include <iterator>

// The divination window's pictures: 1 to 31 the crystals, which are the healing stones without
// 20 (Jasper) and 25 (Goldstone), with the healing stones' pictures and keys; 32 the starting
// picture.
namespace Divination_Pictures {
inline constexpr int Starting_Picture = 32;

inline constexpr auto Entries = [] {
    std::array<PictureEntry, std::size(Healing_Pictures::Entries) - 1> entries{};
    std::size_t kept = 0;
    for (std::size_t at = 0; at < std::size(Healing_Pictures::Entries); ++at) {
        const int healingStone = static_cast<int>(at) + 1;
        if (healingStone != 20 && healingStone != 25)
            entries[kept++] = Healing_Pictures::Entries[at];
    }
    entries[kept] = {"main", "divination/main"};
    return entries;
}();
static_assert(Entries.size() == Starting_Picture);
}  // namespace Divination_Pictures

inline constexpr PictureCatalogue Divination_IMG{Divination_Pictures::Entries};
