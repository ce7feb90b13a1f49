#pragma once
// Low-precision solar and lunar astronomy of the old lunar calendar (旧暦). Time is a day number:
// whole civil days of Japan Standard Time counted from midnight plus the fraction of the JST day.

#include "calendar/astronomy.h"

namespace suimei::qreki {

// A civil moment in JST.
struct CivilMoment {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// Day number (JST days, the integer part changes at midnight JST) of a Gregorian date and time.
double dayNumber(int y, int m, int d, int hour = 0, int minute = 0, int second = 0);

// Gregorian date and time (JST) of day number x; the second is rounded up when within 0.05 s of
// the next one, carrying into the minute, hour and day. All zero for a NaN or |x| >= 1e9.
CivilMoment dateFromDayNumber(double x);

// Angle reduced into [0, 360) degrees.
double normalizeAngle(double degrees);

// Julian centuries from J2000.0 (in universal time) of day number x.
double julianCenturies(double x);

// Solar longitude in degrees [0, 360) at T Julian centuries from J2000.0 (NaN for |T| >= 1e6).
double sunLongitude(double T);

// Lunar longitude in degrees [0, 360) at T Julian centuries from J2000.0 (NaN for |T| >= 1e6).
double moonLongitude(double T);

struct TermMoment {
    double dayNumber = 0;  // JST day number of the term
    double angle = 0;      // its solar longitude in degrees, a multiple of the step
};

// The last moment at or before day number x at which the solar longitude is a multiple of step
// degrees (15, 30 or 90), with that angle. The described astronomy is this calendar's own series;
// the precise one places the sun as apparentSunLongitude does.
TermMoment lastTermAtOrBefore(double x, int step, Astronomy astronomy = Astronomy::Described);

struct NewMoonSearch {
    double dayNumber = 0;  // JST day number of the new moon (x itself when not converged)
    int iterations = 0;    // iterations used, 1..30
    bool restarted = false;
    bool converged = false;
};

// The new-moon search behind lastNewMoonBefore, with how it went.
NewMoonSearch searchLastNewMoon(double x);

// JST day number of the last new moon before day number x (x itself when the search fails).
double lastNewMoonBefore(double x);

}  // namespace suimei::qreki
