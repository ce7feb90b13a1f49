#pragma once
// Quick pillars of arbitrary dates: a day-number formula for the day pillar and a fixed table of
// solar-term entry days (by year mod 12) for the year and month boundaries. No data file and no
// astronomy; a date next to a boundary may come out a day off from the exact pillars, which the
// day-by-day and month-by-month views accept. The birth chart never takes its pillars from here.

#include <array>

#include "calendar/types.h"

namespace suimei {

// Year and month values of one date: stems (1..10) or branches (1..12), 0 for none.
struct QuickYearMonth {
    int year = 0;
    int month = 0;
    friend constexpr bool operator==(const QuickYearMonth&, const QuickYearMonth&) = default;
};

// Day of month on which the 節 of calendar month m begins, by class r = year mod 12 (rows) and
// month (columns 1..12; column 0 unused).
inline constexpr std::array<std::array<int, 13>, 12> kQuickEntryDays = {{
    // Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec
    {0, 6, 5, 6, 5, 6, 6, 7, 8, 8, 8, 8, 7},  // 0
    {0, 6, 4, 6, 5, 6, 6, 7, 8, 8, 9, 8, 8},  // 1
    {0, 6, 4, 6, 5, 6, 6, 8, 8, 8, 9, 8, 8},  // 2
    {0, 6, 5, 6, 6, 6, 7, 8, 8, 9, 9, 8, 8},  // 3
    {0, 6, 5, 6, 5, 6, 6, 7, 8, 8, 9, 8, 7},  // 4
    {0, 6, 4, 6, 5, 6, 6, 7, 8, 8, 9, 8, 8},  // 5
    {0, 6, 5, 6, 5, 6, 6, 7, 8, 8, 9, 8, 8},  // 6
    {0, 6, 5, 6, 5, 6, 6, 7, 8, 8, 9, 8, 8},  // 7
    {0, 7, 5, 6, 5, 6, 6, 7, 8, 8, 9, 8, 7},  // 8
    {0, 6, 4, 6, 5, 6, 6, 7, 8, 8, 9, 8, 8},  // 9
    {0, 6, 4, 6, 5, 6, 6, 7, 8, 8, 9, 8, 8},  // 10
    {0, 6, 5, 7, 6, 6, 7, 8, 8, 9, 9, 8, 8},  // 11
}};

// Entry day 1..31 of month m (1..12) in year y from the table above; 0 for a month out of range.
int quickEntryDay(int y, int m);

// Sexagenary number 1..60 of the Gregorian date y-m-d (2000-01-01 is 55, 戊午).
int quickDayNumber(int y, int m, int d);
// Day stem 1..10 of the date.
int quickDayStem(int y, int m, int d);
// Day branch 1..12 of the date.
int quickDayBranch(int y, int m, int d);

// Whether the date (year y, MMDD = month·100 + day) precedes the 節 of its calendar month.
bool beforeMonthEntry(int y, int mmdd);
// Whether the date precedes the February entry (立春), which starts the sexagenary year.
bool beforeSpringEntry(int y, int mmdd);

// Year stem and month stem 1..10 of the date; both 0 for years before 1312 (no stem there) or a
// month out of 1..12.
QuickYearMonth quickYearMonthStems(int mmdd, int y);
// Year branch and month branch 1..12 of the date; the month branch is 0 for a month out of 1..12.
QuickYearMonth quickYearMonthBranches(int mmdd, int y);

// Branch 1..12 of the sexagenary year that begins (at 立春) in Gregorian year y.
int yearBranchOf(int y);
// The branch six places on (子 <-> 午, 丑 <-> 未, ...); 0 for a branch out of 1..12.
int opposingBranch(int b);

}  // namespace suimei
