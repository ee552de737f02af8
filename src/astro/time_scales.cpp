#include "astro/time_scales.h"

#include <cmath>

namespace {

// Decimal degrees, positive West and negative East; 0°00' stays 0 whichever option is chosen.
double Signed_Longitude(const ChartInput& input)
{
    const double degrees = input.longitudeDegrees + input.longitudeMinutes / 60.0;
    return input.east ? -degrees : degrees;
}

// Whether the zone clock runs ahead of Greenwich. A zone of known direction says so itself;
// otherwise the hemisphere decides: east of Greenwich ahead, on it or west of it behind.
bool Clock_Runs_Ahead(const ChartInput& input)
{
    switch (input.zoneDirection) {
    case ZoneDirection::aheadOfGreenwich:
        return true;
    case ZoneDirection::behindGreenwich:
        return false;
    case ZoneDirection::unknown:
        break;
    }
    return Signed_Longitude(input) < 0.0;
}

}  // namespace

double Julian_Day_Number(int month, int day, int year)
{
    const double m = 12.0 * (year + 4800) + month - 3;
    double j = std::floor(m / 48.0) + day
               + std::floor((365.0 * m + 2.0 * (m - 12.0 * std::floor(m / 12.0)) + 7.0) / 12.0)
               - 32083.0;
    if (j > 2299171.0)
        j += std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    return j;
}

double Universal_Time(const ChartInput& input)
{
    const double local = input.hour + input.minute / 60.0;
    double zone = input.zoneHours + input.zoneMinutes / 60.0;
    const bool ahead = Clock_Runs_Ahead(input);
    // Daylight saving puts the clock one hour further ahead: a zone ahead of Greenwich grows
    // by an hour, one behind it shrinks by an hour.
    if (input.daylightSaving)
        zone += ahead ? 1.0 : -1.0;
    return ahead ? local - zone : local + zone;
}

double Julian_Centuries(double julianDayNumber, double universalTime)
{
    return (julianDayNumber - 2451545.0 + universalTime / 24.0 - 0.5) / 36525.0;
}
