#include "astro/sun_longitude.h"

#include "astro/avx_copy.h"
#include "astro/moon_longitude.h"

#include <cmath>

ZEV_WITH_AVX_COPY double Sun_Apparent_Longitude(double t)
{
    const double meanLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double meanAnomaly = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * Radians_Per_Degree;
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(meanAnomaly)
                          + (0.019993 - 0.000101 * t) * std::sin(2.0 * meanAnomaly)
                          + 0.000289 * std::sin(3.0 * meanAnomaly);
    const double node = (125.04 - 1934.136 * t) * Radians_Per_Degree;
    const double apparent = meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node);
    const double reduced = std::fmod(apparent, 360.0);
    return reduced < 0.0 ? reduced + 360.0 : reduced;
}
