#pragma once
#include <QDateTime>
#include <QTimeZone>

// Moments as Julian day numbers of Universal Time, which the ephemeris takes, and back.

inline constexpr double Julian_Day_Of_Unix_Epoch = 2440587.5;
inline constexpr double Milliseconds_Per_Day = 86400000.0;

inline double Julian_Day_Of(const QDateTime& moment)
{
    return static_cast<double>(moment.toMSecsSinceEpoch()) / Milliseconds_Per_Day + Julian_Day_Of_Unix_Epoch;
}

// The moment, to the millisecond, in Universal Time.
inline QDateTime Moment_Of_Julian_Day(double julianDay)
{
    const double milliseconds = (julianDay - Julian_Day_Of_Unix_Epoch) * Milliseconds_Per_Day;
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(milliseconds + (milliseconds < 0 ? -0.5 : 0.5)),
                                          QTimeZone::utc());
}
