#pragma once
#include <QDateTime>
#include <QString>
#include <QTimeZone>

// What the launcher says about the Moon at a moment: "The Moon is in Scorpio until Thursday
// 14:37, then Sagittarius. Waxing gibbous, 78% lit. Its stone: Coral."
struct MoonToday {
    QString text;
    double elongation = 0;    // to draw the phase
    double litFraction = 0;
    QDateTime nextChange;     // when the text next changes: just after the next change of sign, or midnight
};

// The Moon at that moment, its times on the zone's clock; an empty text without the ephemeris.
MoonToday Moon_Today(const QDateTime& now, const QTimeZone& zone);
