#pragma once

// Degrees become radians by this factor throughout the engine.
inline constexpr double Radians_Per_Degree = 0.0174532925199433;

// The Moon theory's time-dependent quantities at T Julian centuries since J2000.0.
// D, M, M′ and F are in radians and not reduced to one turn; L′ stays in degrees.
struct MoonElements {
    double meanLongitude;     // L′, degrees
    double elongation;        // D, radians
    double sunAnomaly;        // M, radians
    double moonAnomaly;       // M′, radians
    double latitudeArgument;  // F, radians
    double eccentricity;      // E, the factor for terms that carry M
};

MoonElements Moon_Elements(double julianCenturies);

// The Moon's geocentric ecliptic longitude of date in degrees, 0 ≤ λ ≤ 360.
double Moon_Longitude(double julianCenturies);
