#pragma once
#include "moon/moon_events.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <vector>

// The Moon day by day over a month of a time zone's calendar.

inline constexpr int First_Calendar_Year = 1901;
inline constexpr int Last_Calendar_Year = 2050;

// An event as the calendar shows it: its moment on the zone's clock, to the nearest minute.
struct DayEvent {
    MoonEvent event;
    QDateTime local;
};

struct MoonDay {
    QDate date;
    int hours = 24;                // 23 or 25 on the days the clocks change
    int startSign = 0;             // the sign in force at the day's first minute
    std::vector<DayEvent> events;  // in time order, each on the day its minute falls on
    double elongation = 0;         // at the middle of the day, drawn from its midnights
    double litFraction = 0;
};

// Whether the month lies within January 1901 to December 2050.
bool Month_In_Range(int year, int month);

// The month's days in the zone, each from its midnight to the next; empty for a month out of
// range or without the ephemeris. An event whose minute is 00:00 belongs to the day it opens.
std::vector<MoonDay> Moon_Month(int year, int month, const QTimeZone& zone);

// The signs the Moon stands in during the day, in order: the first, then each one it enters.
std::vector<int> Day_Signs(const MoonDay& day);

// The moment on the zone's clock to the nearest minute (the offsets of early years may hold
// seconds: the clock's minute is rounded, not Universal Time's).
QDateTime Local_Minute(double julianDay, const QTimeZone& zone);

// A name from the tables of signs, phases and events, as the windows write it.
QString Name_Text(std::string_view name);
