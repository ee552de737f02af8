#include "astro/sign_change.h"

#include <cmath>

namespace {

constexpr double Millisecond_In_Centuries = 0.001 / 86400.0 / 36525.0;

// Secant steps before the answer is checked: the longitudes are smooth and nearly straight over
// a day, so the first step lands within minutes, the second within a second and the third
// within a microsecond.
constexpr int Secant_Steps = 3;

// Far more halvings than a day needs to reach a millisecond (37); the cap only makes sure that
// no input keeps the search going.
constexpr int Most_Halvings = 64;

// How far a longitude lies past a boundary, in degrees from -180 to 180: below 0 before it.
double Past_Boundary(double longitude, double boundary)
{
    return std::remainder(longitude - boundary, 360.0);
}

// The moment the longitude reaches the boundary by the secant method from the span's ends.
double Secant_Estimate(LongitudeOfTime longitude, double boundary, double startT, double startPast,
                       double endT, double endPast)
{
    double older = startT;
    double olderPast = startPast;
    double newer = endT;
    double newerPast = endPast;
    for (int step = 0; step < Secant_Steps && newerPast != olderPast; ++step) {
        const double next = newer - newerPast * (newer - older) / (newerPast - olderPast);
        older = newer;
        olderPast = newerPast;
        newer = next;
        newerPast = Past_Boundary(longitude(next), boundary);
    }
    return newer;
}

}  // namespace

int Zodiac_Sign_Index(double longitude)
{
    if (!(longitude >= 0.0 && longitude < 360.0))
        return 0;
    return static_cast<int>(std::floor(longitude / 30.0));
}

std::optional<SignChange> Find_Sign_Change(LongitudeOfTime longitude, double startT, double endT)
{
    const double startLongitude = longitude(startT);
    const double endLongitude = longitude(endT);
    const int fromSign = Zodiac_Sign_Index(startLongitude);
    const int toSign = Zodiac_Sign_Index(endLongitude);
    if (fromSign == toSign)
        return std::nullopt;
    const double boundary = 30.0 * toSign;

    // The signs half a millisecond either side of the secant's answer confirm it.
    const double estimate = Secant_Estimate(longitude, boundary, startT, Past_Boundary(startLongitude, boundary),
                                            endT, Past_Boundary(endLongitude, boundary));
    const double justBefore = estimate - Millisecond_In_Centuries / 2.0;
    const double justAfter = estimate + Millisecond_In_Centuries / 2.0;
    if (justBefore > startT && justAfter < endT && Zodiac_Sign_Index(longitude(justBefore)) == fromSign
        && Zodiac_Sign_Index(longitude(justAfter)) != fromSign)
        return SignChange{justAfter, fromSign, toSign};

    // Otherwise the span is halved, keeping the old sign at its start and the new one at its end.
    double before = startT;
    double after = endT;
    for (int halving = 0; halving < Most_Halvings && after - before > Millisecond_In_Centuries; ++halving) {
        const double middle = before + (after - before) / 2.0;
        if (Zodiac_Sign_Index(longitude(middle)) == fromSign)
            before = middle;
        else
            after = middle;
    }
    return SignChange{after, fromSign, toSign};
}
