#include "gemology/sign_notes.h"

#include "gemology/birth_clock.h"
#include "gemology/moon_sign.h"
#include "gemology/moon_sign_note.h"
#include "gemology/sun_sign_note.h"

void Write_Sign_Notes(const BirthData& birth, GemologyReading& reading)
{
    const BirthClock clock = Birth_Clock(Moon_Chart_Input(birth));
    reading.sunSignNote = reading.sunSign ? Sun_Sign_Note(*reading.sunSign, birth.timeAccuracy, clock) : std::string();
    reading.moonPosition = Moon_Position_Note(clock);
    reading.moonSignNote = Moon_Sign_Note(birth.timeAccuracy, clock);
}
