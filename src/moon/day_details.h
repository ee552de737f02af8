#pragma once
#include "moon/moon_month.h"

#include <QString>
#include <QTimeZone>

// The texts of the calendar's chosen day and of its zone.

// The Moon's stone for a sign, as the moon-sign reading gives it.
struct SignStone {
    QString sign;       // "Scorpio"
    QString stone;      // "Coral"
    int picture = 0;    // position in ImgMoonSignStone
    QString opening;    // the first sentences of the reading's text, about 140 characters
};

SignStone Sign_Stone(int sign);

// "Monday 25 March 2024", then each event with its time, and how much of the Moon is lit at
// midday; as rich text.
QString Day_Details_Text(const MoonDay& day);

// "Times in Europe/Berlin: CET (UTC+01:00), from 31 March 03:00 CEST (UTC+02:00)." for the
// zone's offsets over the month.
QString Zone_Text(const QTimeZone& zone, const QString& zoneName, int year, int month);
