#include "moon/moon_events.h"

#include "astro/sign_change.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Degrees_To_Radians = 0.0174532925199433;
constexpr double Largest_Step_Days = 1.0;
constexpr double Closest_Days = 1e-6;       // 0.09 s
constexpr double Closest_Degrees = 1e-5;    // the Moon needs 0.07 s for it, the elongation 0.08 s

// An angle brought into -180 (included) to 180 (excluded) degrees.
double Signed_Angle(double degrees)
{
    double angle = std::fmod(degrees + 180.0, 360.0);
    if (angle < 0)
        angle += 360.0;
    return angle - 180.0;
}

// The moment in (before, after] where an angle that grows through the span reaches target, by
// the secant through the two latest moments tried, kept inside the span that still holds the
// crossing (halved when the secant leaves it). at(t) is the angle at t; the angles at the
// span's ends are known. The first secant is a day's straight line and lands within a few
// hundredths of a degree; the next two close in to under a billionth.
template <typename AngleAt>
double Crossing(AngleAt at, double target, double before, double angleBefore, double after, double angleAfter)
{
    double low = before, high = after;
    double earlier = before, earlierValue = Signed_Angle(angleBefore - target);
    double later = after, laterValue = Signed_Angle(angleAfter - target);
    double moment = high;
    for (int step = 0; step < 80 && high - low > Closest_Days; ++step) {
        moment = later - laterValue * (later - earlier) / (laterValue - earlierValue);
        if (!(moment > low && moment < high))
            moment = (low + high) / 2;
        const double value = Signed_Angle(at(moment) - target);
        if (std::abs(value) < Closest_Degrees)
            return moment;
        (value >= 0 ? high : low) = moment;
        earlier = later, earlierValue = laterValue;
        later = moment, laterValue = value;
    }
    return moment;
}

double Moon_Longitude(double julianDay)
{
    return Moon_Longitude_At(julianDay);
}

int Quarter_Of(double elongation)
{
    return std::min(3, static_cast<int>(elongation / 90.0));
}

constexpr MoonEventKind Quarter_Events[] = {MoonEventKind::NewMoon, MoonEventKind::FirstQuarter,
                                            MoonEventKind::FullMoon, MoonEventKind::LastQuarter};

}  // namespace

double Elongation_Of(const MoonAndSun& places)
{
    double elongation = std::fmod(places.moonLongitude - places.sunLongitude, 360.0);
    return elongation < 0 ? elongation + 360.0 : elongation;
}

double Lit_Fraction(const MoonAndSun& places)
{
    const double cosine = std::cos(places.moonLatitude * Degrees_To_Radians) *
                          std::cos((places.moonLongitude - places.sunLongitude) * Degrees_To_Radians);
    return (1.0 - cosine) / 2.0;
}

std::string_view Phase_Name(double elongation)
{
    constexpr std::string_view Names[] = {"Waxing crescent", "Waxing gibbous", "Waning gibbous", "Waning crescent"};
    return Names[Quarter_Of(elongation)];
}

std::string_view Event_Name(MoonEventKind kind)
{
    switch (kind) {
    case MoonEventKind::NewMoon: return "New moon";
    case MoonEventKind::FirstQuarter: return "First quarter";
    case MoonEventKind::FullMoon: return "Full moon";
    case MoonEventKind::LastQuarter: return "Last quarter";
    case MoonEventKind::SignChange: break;
    }
    return "enters";
}

bool Is_Phase(MoonEventKind kind)
{
    return kind != MoonEventKind::SignChange;
}

std::vector<MoonEvent> Moon_Events(double startJd, double endJd)
{
    if (!(endJd > startJd))
        return {};
    const int steps = static_cast<int>(std::ceil((endJd - startJd) / Largest_Step_Days));
    std::vector<double> moments;
    for (int at = 0; at < steps; ++at)
        moments.push_back(startJd + at * (endJd - startJd) / steps);
    moments.push_back(endJd);
    std::vector<MoonAndSun> places;
    std::vector<MoonEvent> events = Moon_Events_Between(moments, places);
    std::erase_if(events, [&](const MoonEvent& event) { return event.julianDay < startJd || event.julianDay >= endJd; });
    return events;
}

std::vector<MoonEvent> Moon_Events_Between(const std::vector<double>& moments, std::vector<MoonAndSun>& places)
{
    std::vector<MoonEvent> events;
    places.clear();
    for (double moment : moments)
        places.push_back(Moon_And_Sun_At(moment));
    for (std::size_t at = 1; at < moments.size(); ++at) {
        const double from = moments[at - 1];
        const double to = moments[at];
        const MoonAndSun& before = places[at - 1];
        const MoonAndSun& after = places[at];
        const int signBefore = Zodiac_Sign_Index(before.moonLongitude);
        const int signAfter = Zodiac_Sign_Index(after.moonLongitude);
        if (signBefore != signAfter) {
            const double moment = Crossing(Moon_Longitude, 30.0 * signAfter, from, before.moonLongitude, to, after.moonLongitude);
            events.push_back({MoonEventKind::SignChange, moment, signAfter});
        }
        const int quarterBefore = Quarter_Of(Elongation_Of(before));
        const int quarterAfter = Quarter_Of(Elongation_Of(after));
        if (quarterBefore != quarterAfter) {
            double moonThen = after.moonLongitude;
            const auto elongationAt = [&](double julianDay) {
                const MoonAndSun then = Moon_And_Sun_At(julianDay);
                moonThen = then.moonLongitude;
                return Elongation_Of(then);
            };
            const double moment = Crossing(elongationAt, 90.0 * quarterAfter, from, Elongation_Of(before), to, Elongation_Of(after));
            events.push_back({Quarter_Events[quarterAfter], moment, Zodiac_Sign_Index(moonThen)});
        }
    }
    std::ranges::sort(events, {}, &MoonEvent::julianDay);
    return events;
}
