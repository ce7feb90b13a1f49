#pragma once
// The month grid both printed calendars share: seven weekday columns (日 .. 土) under a header
// row, one box per day of the Gregorian month, and the footer line at the foot of the page.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/print_document.h"

namespace suimei::print {

inline constexpr std::array<std::string_view, 7> kWeekdayNames = {"日", "月", "火", "水",
                                                                  "木", "金", "土"};
// Left edge and width of the grid and of every full-width line of a calendar page, in mm.
inline constexpr double kCalendarLeft = 15;
inline constexpr double kCalendarWidth = 180;
// Bottom of the grid; the footer sits below it.
inline constexpr double kCalendarGridBottom = 280;

// Days from 1970-01-01 to the Gregorian date y-m-d (negative before it).
int civilDaySerial(int y, int m, int d);
// Day of the week 0..6 of the Gregorian date, 0 = Sunday.
int weekdayOf(int y, int m, int d);

// The months a calendar prints for the chosen month: 1..12 that month alone, 0 ("１年分") the
// twelve months in order; none for any other value.
std::vector<int> calendarMonths(int month);

struct CalendarCell {
    int day = 0;  // 1..31
    int weekday = 0;
    double x = 0, y = 0, width = 0, height = 0;  // mm
};

// The day cells of month m of year y, in day order, laid out in weekday columns from `top`
// (below the header row) down to kCalendarGridBottom. Empty for a month out of 1..12.
std::vector<CalendarCell> monthCells(int y, int m, double top);

// Adds the weekday header row (its top at `top`, Sunday in red, Saturday in blue) and a box
// around every cell.
void addGridFrame(PrintPage& page, double top, const std::vector<CalendarCell>& cells);
// Adds the footer line (see footerLine) at the foot of the page.
void addCalendarFooter(PrintPage& page, const std::string& footer);
// Colour of a day number in the grid: Sunday red, Saturday blue, other days black.
std::string weekdayColour(int weekday);

}  // namespace suimei::print
