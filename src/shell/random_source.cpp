#include "shell/random_source.h"

#include <chrono>
#include <random>

namespace {
std::function<double()>& Replacement_Source()
{
    static std::function<double()> source;
    return source;
}

double Clock_Seeded_Uniform()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32)};
    std::mt19937_64 generator(seed);
    return std::generate_canonical<double, 53>(generator);
}
}  // namespace

double Random_Source::uniform()
{
    if (Replacement_Source()) {
        const double r = Replacement_Source()();
        return (r >= 0.0 && r < 1.0) ? r : 0.0;
    }
    const double r = Clock_Seeded_Uniform();
    return r < 1.0 ? r : 0.0;  // generate_canonical may round up to 1 on some libraries
}

void Random_Source::setForTesting(std::function<double()> source)
{
    Replacement_Source() = std::move(source);
}
