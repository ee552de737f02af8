#include "astro/moon_longitude.h"

#include "astro/moon_periodic_terms.h"

#include <cmath>

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

double Moon_Longitude(double t)
{
    const MoonElements e = Moon_Elements(t);
    double sum = 0.0;
    for (const MoonPeriodicTerm& term : Moon_Periodic_Terms) {
        const double argument = term.d * e.elongation + term.m * e.sunAnomaly
                                + term.mPrime * e.moonAnomaly + term.f * e.latitudeArgument;
        const double contribution = term.coefficient * std::sin(argument);
        sum += term.m != 0 ? contribution * e.eccentricity : contribution;
    }
    double longitude = e.meanLongitude + sum;
    // Whole turns only; exactly 360 stays 360.
    while (longitude < 0.0)
        longitude += 360.0;
    while (longitude > 360.0)
        longitude -= 360.0;
    return longitude;
}
