#pragma once
#include <array>

// One periodic term of the Moon's longitude: coefficient × sin(d·D + m·M + m′·M′ + f·F),
// the coefficient in degrees. A term with m other than 0 is scaled once more by the
// eccentricity factor E.
struct MoonPeriodicTerm {
    int d;        // multiplier of D, the Moon's mean elongation
    int m;        // multiplier of M, the Sun's mean anomaly
    int mPrime;   // multiplier of M′, the Moon's mean anomaly
    int f;        // multiplier of F, the Moon's argument of latitude
    double coefficient;
};

// The first 25 rows of the ELP-2000/82 truncation's lunar longitude table, summed in this order.
inline constexpr std::array<MoonPeriodicTerm, 25> Moon_Periodic_Terms{{
    //  d   m  m′   f   coefficient
    {0, 0, 1, 0, +6.288774},
    {2, 0, -1, 0, +1.274027},
    {2, 0, 0, 0, +0.658314},
    {0, 0, 2, 0, +0.213618},
    {0, 1, 0, 0, -0.185116},
    {0, 0, 0, 2, -0.114332},
    {2, 0, -2, 0, +0.058793},
    {2, -1, -1, 0, +0.057066},
    {2, 0, 1, 0, +0.053322},
    {2, -1, 0, 0, +0.045758},
    {0, 1, -1, 0, -0.040923},
    {1, 0, 0, 0, -0.034720},
    {0, 1, 1, 0, -0.030383},
    {2, 0, 0, -2, +0.015327},
    {0, 0, 1, 2, -0.012528},
    {0, 0, 1, -2, +0.010980},
    {4, 0, -1, 0, +0.010675},
    {0, 0, 3, 0, +0.010034},
    {4, 0, -2, 0, +0.008548},
    {2, 1, -1, 0, -0.007888},
    {2, 1, 0, 0, -0.006766},
    {1, 0, -1, 0, -0.005163},
    {1, 1, 0, 0, +0.004987},
    {2, -1, 1, 0, +0.004036},
    {2, 0, 2, 0, +0.003994},
}};
