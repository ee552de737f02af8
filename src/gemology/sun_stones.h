#pragma once
#include "gemology/gemology_reading.h"

// Writes the lucky stone of the reading's sun sign, the sign's picture (ImglistSunSign), the
// stone's picture (ImgSunSignStone) and the stone's text. A sun sign that is unset or not one
// of the twelve names writes nothing.
void Sun_More_About_LuckyStone(GemologyReading& reading);
