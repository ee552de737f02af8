#pragma once
#include "astro/chart_input.h"

// Julian Day Number of a civil date: the Julian Day of its noon. Dates after 1582-10-15
// are Gregorian, earlier ones Julian (proleptic, for any year).
double Julian_Day_Number(int month, int day, int year);

// The birth moment in Universal Time, decimal hours counted from midnight at the start of
// the civil date. Not wrapped into a day: it may be negative or reach 24 and more.
double Universal_Time(const ChartInput& input);

// Julian centuries since J2000.0 for a civil date's Julian Day Number and a Universal Time
// counted from that date's midnight.
double Julian_Centuries(double julianDayNumber, double universalTime);
