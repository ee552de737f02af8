#pragma once
#include "gemology/birth_clock.h"
#include "gemology/time_accuracy.h"

#include <string>
#include <string_view>

// The Sun's own sign beside the calendar's sun sign. Written only when the Sun stood in another
// sign than the calendar's at the reading's moment, or changed sign during the birth day
// (00:00 to 23:59 local time): the sign it stood in, and the minute of the change with how it
// lies against the birth. Empty otherwise.
std::string Sun_Sign_Note(std::string_view calendarSign, TimeAccuracy accuracy, const BirthClock& clock);
