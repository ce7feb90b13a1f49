#pragma once
// Astronomy of the pillars: the julian day of a clock time, the apparent solar longitude, and the
// entry (節入り) of the solar term that falls in each calendar month, found by stepping through the
// days and hours of the month.

#include "calendar/astronomy.h"

namespace suimei {

// Julian day (days; UT when fromJst is set, the clock otherwise) of a Gregorian date and clock
// time. With fromJst the clock is Japan Standard Time and nine hours are taken off. Day 0 is the
// last day of the previous month, day 32 the day after the 31st, and so on.
double julianDay(int year, int month, int day, int hour, int minute, bool fromJst);

// Apparent geocentric solar longitude in degrees, 0 <= value < 360, at julian day jd (UT),
// from the low-precision series of van Flandern and Pulkkinen (1979) less the annual aberration.
double sunLongitude(double jd);

// Apparent solar longitude in degrees 0..360 at a JST clock time, by the chosen astronomy.
double sunLongitudeAtJst(int year, int month, int day, int hour, int minute,
                         Astronomy astronomy = Astronomy::Described);

// Solar longitude in degrees of the 節 that falls in calendar month 1..12: January 285 (小寒),
// February 315 (立春), March 345 (啓蟄), April 15 (清明), ... December 255 (大雪); 0 otherwise.
int monthTermLongitude(int month);

// The entry of a solar term in one calendar month, JST, to the hour.
struct MonthEntry {
    int day = 0;         // 0..31; 0 is the last day of the previous month
    int hour = 0;        // 0..23: the clock hour within which the longitude is reached
    bool found = false;  // false when the month never reaches the longitude (day and hour 0)
};

// Entry of the 節 of calendar month 1..12 of `year` (JST, to the hour).
MonthEntry findMonthEntry(int year, int month, Astronomy astronomy = Astronomy::Described);

// First clock hour of calendar month `month` of `year` within which the apparent solar longitude
// reaches `longitude` degrees, searched day by day at 00:00 from the 1st and then hour by hour.
MonthEntry findLongitudeEntry(int year, int month, double longitude,
                              Astronomy astronomy = Astronomy::Described);

}  // namespace suimei
