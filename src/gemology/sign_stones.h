#pragma once
#include "gemology/gemology_reading.h"

#include <string_view>

// Writes the lucky stone of the reading's sun sign, the sign's picture (ImglistSunSign), the
// stone's picture (ImgSunSignStone) and the stone's text. A sun sign that is unset or not one
// of the twelve names writes nothing.
void Sun_More_About_LuckyStone(GemologyReading& reading);

// The same for the moon sign, from imgListMoonSign and ImgMoonSignStone.
void Moon_More_About_LuckyStone(GemologyReading& reading);

// The lucky stone of a moon sign by its full name, as the reading shows it; empty for a name
// that is not one of the twelve.
std::string_view Moon_Lucky_Stone(std::string_view sign);
