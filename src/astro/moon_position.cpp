#include "astro/moon_position.h"

#include "astro/moon_longitude.h"
#include "astro/position_text.h"
#include "astro/time_scales.h"

std::string Moon_Position_Row(const ChartInput& input)
{
    const double t = Julian_Centuries(Julian_Day_Number(input.month, input.day, input.year),
                                      Universal_Time(input));
    return Longitude_Row(Moon_Longitude(t));
}
