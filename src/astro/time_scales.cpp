#include "astro/time_scales.h"

#include <cstdint>

namespace {

// The floor of the real quotient a / b, for b > 0 and a of either sign.
std::int64_t Floor_Quotient(std::int64_t a, std::int64_t b)
{
    const std::int64_t quotient = a / b;
    return a % b < 0 ? quotient - 1 : quotient;
}

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
    const std::int64_t m = 12 * (year + std::int64_t{4800}) + month - 3;  // months since March of -4800
    std::int64_t j = Floor_Quotient(m, 48) + day
                     + Floor_Quotient(365 * m + 2 * (m - 12 * Floor_Quotient(m, 12)) + 7, 12) - 32083;
    if (j > 2299171)  // the Gregorian correction, from 1582-10-16 on
        j += Floor_Quotient(m, 4800) - Floor_Quotient(m, 1200) + 38;
    return static_cast<double>(j);
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
