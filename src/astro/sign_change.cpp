#include "astro/sign_change.h"

#include <cmath>

namespace {

constexpr double Millisecond_In_Centuries = 0.001 / 86400.0 / 36525.0;

// Far more halvings than a day needs to reach a millisecond (37); the cap only makes sure
// that no input keeps the search going.
constexpr int Most_Halvings = 64;

}  // namespace

int Zodiac_Sign_Index(double longitude)
{
    if (!(longitude >= 0.0 && longitude < 360.0))
        return 0;
    return static_cast<int>(std::floor(longitude / 30.0));
}

std::optional<SignChange> Find_Sign_Change(Longitude_Of_Time longitude, double startT, double endT)
{
    const int fromSign = Zodiac_Sign_Index(longitude(startT));
    const int toSign = Zodiac_Sign_Index(longitude(endT));
    if (fromSign == toSign)
        return std::nullopt;
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
