#pragma once
#include <optional>

// A longitude in degrees as a function of T, Julian centuries since J2000.0.
using LongitudeOfTime = double (*)(double julianCenturies);

// The zodiac sign (0 Aries … 11 Pisces) a longitude in degrees falls in, as the position text
// reads it: sign k from 30k degrees (included) to 30(k + 1) (excluded), and exactly 360 degrees
// counted as Aries.
int Zodiac_Sign_Index(double longitude);

// A change of zodiac sign: the first moment found in the new sign, and the two signs.
struct SignChange {
    double julianCenturies;
    int fromSign;
    int toSign;
};

// The change of sign between two moments, for a longitude that only moves forward and moves
// less than 30 degrees between them (the Sun always does, the Moon over a day and more): none
// when both moments stand in the same sign. The moment given lies within a millisecond after
// the longitude reaches the new sign, and the longitude there already stands in it. Secant
// steps find it in about seven evaluations of the longitude; should their answer not be
// confirmed, halving the span finds it in about forty.
std::optional<SignChange> Find_Sign_Change(LongitudeOfTime longitude, double startT, double endT);
