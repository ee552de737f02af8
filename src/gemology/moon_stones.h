#pragma once
#include "gemology/gemology_reading.h"

#include <string_view>

// Writes the lucky stone of the reading's moon sign, the sign's picture (imgListMoonSign), the
// stone's picture (ImgMoonSignStone) and the stone's text. A moon sign that is unset or not
// one of the twelve names writes nothing.
void Moon_More_About_LuckyStone(GemologyReading& reading);

// The lucky stone of a moon sign by its full name, as the reading shows it; empty for a name
// that is not one of the twelve.
std::string_view Moon_Lucky_Stone(std::string_view sign);
