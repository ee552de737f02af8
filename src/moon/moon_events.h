#pragma once
#include "moon/ephemeris.h"

#include <string_view>
#include <vector>

// The moments the Moon enters a sign and the four phases: the Moon-Sun elongation (the Moon's
// longitude less the Sun's) reaching 0, 90, 180 and 270 degrees.

enum class MoonEventKind { SignChange, NewMoon, FirstQuarter, FullMoon, LastQuarter };

struct MoonEvent {
    MoonEventKind kind;
    double julianDay;  // Universal Time, within a tenth of a second
    int sign;          // the sign entered (0 Aries ... 11 Pisces); for a phase, the Moon's sign then
};

// Every event from startJd (included) to endJd (excluded), in time order. The span is walked in
// steps of at most a day (the Moon gains less than 16 degrees a day on the Sun and on the
// signs' boundaries, so no step holds two crossings of one kind) and each crossing is closed in
// on by regula falsi.
std::vector<MoonEvent> Moon_Events(double startJd, double endJd);

// The same over moments the caller chooses, in order and at most 25 hours apart: every event
// after the first moment and up to the last. The places at the moments are kept in places.
std::vector<MoonEvent> Moon_Events_Between(const std::vector<double>& moments, std::vector<MoonAndSun>& places);

// The Moon-Sun elongation in degrees, 0 up to 360: below 180 the Moon waxes.
double Elongation_Of(const MoonAndSun& places);

// The part of the Moon's disc lit as seen from the Earth, 0 to 1: (1 - cos e) / 2 for the
// angle e between Moon and Sun (their longitudes and the Moon's latitude). It differs from the
// phase angle's by under a fifth of a percent.
double Lit_Fraction(const MoonAndSun& places);

// "Waxing crescent", "Waxing gibbous", "Waning gibbous" or "Waning crescent": the quarter of
// the month the elongation stands in.
std::string_view Phase_Name(double elongation);

// "New moon", "First quarter", "Full moon", "Last quarter", or "enters" for a sign change.
std::string_view Event_Name(MoonEventKind kind);

// Whether the event is one of the four phases.
bool Is_Phase(MoonEventKind kind);
