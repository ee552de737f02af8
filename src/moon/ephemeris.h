#pragma once
#include <QString>

// The Moon's and the Sun's apparent geocentric places from the Swiss Ephemeris: its compressed
// JPL files in the ephemeris folder when they are there, Moshier's analytical theory (built into
// the library) when they are not. Everything runs on the one thread of the windows.

enum class EphemerisSource { Files, Moshier, Missing };

// Where the Moon stands at a moment of Universal Time (a Julian day number), with the Sun's
// longitude; degrees of the ecliptic of date.
struct MoonAndSun {
    double moonLongitude;
    double moonLatitude;
    double sunLongitude;
};

// The ephemeris in use; the first call opens the library and its files. Without the library
// the Moon cannot be computed: every place is then 0.
EphemerisSource Ephemeris_Source();

// The places at a Julian day of Universal Time.
MoonAndSun Moon_And_Sun_At(double julianDayUt);

// The Moon's longitude alone, at half the cost.
double Moon_Longitude_At(double julianDayUt);

// Which ephemeris the times come from, in one sentence for the calendar window.
QString Ephemeris_Text();
