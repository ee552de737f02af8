#pragma once
#include "gemology/birth_clock.h"
#include "gemology/time_accuracy.h"

#include <string>

// The Moon's position at the reading's moment, e.g. The Moon at 13° 18' 57" in Scorpio.
std::string Moon_Position_Note(const BirthClock& clock);

// What the time of birth the user allows means for the moon sign, by the theory that gives it:
// - the allowed span (the time given ± the accuracy, or with no known time the whole day)
//   holds a change of sign: both signs with their stones and the minute of the change;
// - an exact time within 30 minutes of a change: the other sign, its stone and the minutes;
// - no change in the allowed span: that the sign held all through it.
// Empty for an exact time far from any change.
std::string Moon_Sign_Note(TimeAccuracy accuracy, const BirthClock& clock);
