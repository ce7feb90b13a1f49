#pragma once
// Japanese summer time of 1948-1951: the clocks ran one hour ahead of Japan Standard Time from
// the night of a Saturday in spring to the night of a Saturday in September. A birth time read
// off a clock in those months is one hour later than the standard time the pillars are worked
// from.

#include <array>

#include "calendar/pillars.h"

namespace suimei {

// One summer-time period in civil dates of the clock.
//   Start: at 24:00 of `startSaturday` (00:00 of the day after) the clocks went to 01:00; the
//          hour 00:00-00:59 of the day after never showed on a clock.
//   End:   at 25:00 summer time of `endSaturday` (01:00 of the Sunday after) the clocks went back
//          to 00:00; the hour 00:00-00:59 of that Sunday showed twice, first in summer time.
struct SummerTimePeriod {
    int year = 0;
    int startMonth = 0, startSaturday = 0;
    int endMonth = 0, endSaturday = 0;
};

// The periods as the time-zone database's `Rule Japan` lines give them (start "May Sat>=1
// 24:00" in 1948, 1950 and 1951, "Apr Sat>=1 24:00" in 1949; end "Sep Sat>=8 25:00"), the
// Saturdays worked out with a calendar: 1 January 1948 was a Thursday.
inline constexpr std::array<SummerTimePeriod, 4> kJapanSummerTime = {{
    {1948, 5, 1, 9, 11},
    {1949, 4, 2, 9, 10},
    {1950, 5, 6, 9, 9},
    {1951, 5, 5, 9, 8},
}};

// How a clock reading of a date and time stands to the summer-time periods.
enum class SummerTimeClock {
    Standard,  // outside every period: the clock showed standard time
    Summer,    // inside a period: one hour ahead of standard time
    Skipped,   // 00:00-00:59 of the first summer-time day: no clock showed it. It is read as a
               // clock not yet put forward, that is standard time, and nothing is corrected.
    Repeated,  // 00:00-00:59 of the Sunday the period ended: shown twice. It is read as the first
               // showing, in summer time, and corrected like any summer-time hour.
};

// The standing of a clock reading (hour 0..23, minute 0..59). A date or time out of range is
// Standard.
SummerTimeClock summerTimeClock(int year, int month, int day, int hour, int minute);

// True when a birth at this clock reading is corrected: Summer or Repeated.
constexpr bool needsSummerTimeCorrection(SummerTimeClock c) {
    return c == SummerTimeClock::Summer || c == SummerTimeClock::Repeated;
}

// The birth moment one hour earlier (the day, month and year carried back) when its clock reading
// is corrected; otherwise the moment unchanged. A birth with no hour is never corrected.
BirthMoment summerTimeCorrected(const BirthMoment& birth);

}  // namespace suimei
