#include "divination/crystal_draw.h"

#include "divination/divination_crystals.h"

#include <cmath>

int Crystal_Number(double r)
{
    const double slot = std::floor(r * Divination_Crystals::Count);
    if (!(slot >= 0.0))
        return 1;
    if (slot >= Divination_Crystals::Count)
        return Divination_Crystals::Count;
    return 1 + static_cast<int>(slot);
}
