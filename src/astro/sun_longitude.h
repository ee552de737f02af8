#pragma once

// The Sun's apparent geocentric ecliptic longitude of date in degrees, 0 ≤ λ < 360, at T Julian
// centuries since J2000.0.
//
// Source: the low-accuracy solar theory of J. Meeus, Astronomical Algorithms (2nd ed., 1998),
// chapter 25: the geometric mean longitude and the mean anomaly to T², the equation of the
// centre in three terms, then nutation and aberration through the longitude of the Moon's
// ascending node. The book gives its accuracy as 0.01°. Measured against the published
// Universal Times of the equinoxes and solstices of 2004, 2010, 2015, 2020 and 2024 (twenty
// moments, tests/astro/test_sun_longitude.cpp) the moments it gives lie within 6.7 minutes of
// time, 2.5 minutes on average: within 0.005° of longitude.
//
// T counts Universal Time here, as it does for the Moon; the theory is written for dynamical
// time, which runs at most about 1.5 minutes apart over the years 1901 to 2050, so the Sun
// moves by under 0.001° between the two.
double Sun_Apparent_Longitude(double julianCenturies);
