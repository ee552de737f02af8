#pragma once
#include "gemology/birth_data.h"
#include "gemology/gemology_reading.h"

// Writes the birth month's stone, its picture (ImgBirthStone at the month number) and its text.
// A month outside 1-12 writes nothing.
void Avoid_Stone(const BirthData& birth, GemologyReading& reading);
