#pragma once
#include <functional>

// Uniform random values in [0, 1). Each draw seeds a fresh generator from the clock at its
// finest resolution, so two quick draws are independent; tests replace the source.
namespace Random_Source {
double uniform();
// Replaces the source; an empty function restores the clock-seeded generator.
void setForTesting(std::function<double()> source);
}
