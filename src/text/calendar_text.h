#pragma once
#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>

// How the program writes dates, clock times and angles for the user, and its one rule for
// whole minutes.

// "12 March 1990"; empty for a date that is not valid.
QString Date_Text(QDate date);

// "04:30", on the 24-hour clock.
QString Clock_Text(QTime time);

// "3°42′ W": whole degrees, two-digit minutes of arc, then the letter of the side, the first
// letter for zero and above ('N' or 'E'), the second below zero ('S' or 'W').
QString Degrees_Minutes_Text(int signedMinutes, QChar positiveSide, QChar negativeSide);

// A count of minutes to the nearest whole minute, halves away from zero: 2.5 is 3, -362.5 is
// -363. Seconds of time and fractions of a degree become minutes by this rule; only the Moon's
// position text truncates, so that no longitude is written into the next sign.
int Nearest_Minute(double minutes);
