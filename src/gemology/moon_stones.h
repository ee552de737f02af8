#pragma once
#include "gemology/gemology_reading.h"

// Writes the lucky stone of the reading's moon sign, the sign's picture (imgListMoonSign), the
// stone's picture (ImgMoonSignStone) and the stone's text. A moon sign that is unset or not
// one of the twelve names writes nothing.
void Moon_More_About_LuckyStone(GemologyReading& reading);
