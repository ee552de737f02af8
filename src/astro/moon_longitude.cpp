#include "astro/moon_longitude.h"

#include "astro/avx_copy.h"
#include "astro/moon_periodic_terms.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace {

// What fmod(longitude, 360) gives, zero's sign aside, without the library call. The product and
// the difference are exact; a quotient rounded up to the next whole turn leaves a rest a hair
// past zero on the other side, and one turn added back makes it exact again.
double Rest_Of_Turns(double longitude)
{
    double rest = longitude - 360.0 * std::trunc(longitude / 360.0);
    if (longitude < 0.0 ? rest > 0.0 : rest < 0.0)
        rest += longitude < 0.0 ? -360.0 : 360.0;
    return rest;
}

// Brings a longitude into range by whole turns as adding 360 while below 0, then subtracting
// 360 while above 360, would: below 0 it lands in [0, 360), above 360 in (0, 360], so exactly
// 360 stays 360. Every turn taken off is exact in double precision, so the rest of the whole
// turns is the same value at once instead of turn by turn.
double Whole_Turns_Removed(double longitude)
{
    if (longitude < 0.0) {
        const double rest = Rest_Of_Turns(longitude);
        return rest == 0.0 ? 0.0 : rest + 360.0;
    }
    if (longitude > 360.0) {
        const double rest = Rest_Of_Turns(longitude);
        return rest == 0.0 ? 360.0 : rest;
    }
    return longitude;
}

// d·D + m·M + m′·M′ + f·F. An element whose multiplier is zero is left out rather than
// multiplied by zero: for finite elements the sum is the same, and once the term loop is
// unrolled over the constant table only the products a term needs are left.
double Periodic_Argument(const MoonPeriodicTerm& term, const MoonElements& e)
{
    double argument = 0.0;
    if (term.d != 0)
        argument += term.d * e.elongation;
    if (term.m != 0)
        argument += term.m * e.sunAnomaly;
    if (term.mPrime != 0)
        argument += term.mPrime * e.moonAnomaly;
    if (term.f != 0)
        argument += term.f * e.latitudeArgument;
    return argument;
}

}  // namespace

MoonElements Moon_Elements(double t)
{
    return {
        218.3164591 + 481267.88134236 * t,
        (297.8502042 + 445267.1115168 * t) * Radians_Per_Degree,
        (357.5291092 + 35999.0502909 * t) * Radians_Per_Degree,
        (134.9634114 + 477198.8676313 * t) * Radians_Per_Degree,
        (93.2720993 + 483202.0175273 * t) * Radians_Per_Degree,
        1.0 - 0.002516 * t - 0.0000074 * t * t,
    };
}

ZEV_WITH_AVX_COPY double Moon_Longitude(double t)
{
    const MoonElements e = Moon_Elements(t);
    constexpr std::size_t terms = Moon_Periodic_Terms.size();
    // The arguments first, then the sines, then the sum in the table's order: no call to sin
    // sits between two products, so nothing has to be saved and restored around it. Unrolled
    // over the constant table, each term keeps only the products and the E it needs.
    std::array<double, terms> sines;
#pragma GCC unroll 25
    for (std::size_t i = 0; i < terms; ++i)
        sines[i] = Periodic_Argument(Moon_Periodic_Terms[i], e);
    for (double& sine : sines)
        sine = std::sin(sine);
    double sum = 0.0;
#pragma GCC unroll 25
    for (std::size_t i = 0; i < terms; ++i) {
        const MoonPeriodicTerm& term = Moon_Periodic_Terms[i];
        const double contribution = term.coefficient * sines[i];
        sum += term.m != 0 ? contribution * e.eccentricity : contribution;
    }
    return Whole_Turns_Removed(e.meanLongitude + sum);
}
