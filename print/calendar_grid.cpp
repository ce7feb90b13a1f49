#include "print/calendar_grid.h"

#include "calendar/types.h"

namespace suimei::print {

namespace {

constexpr double kHeaderHeight = 6;  // mm, the weekday row

}  // namespace

int civilDaySerial(int y, int m, int d) {
    // Counted from March so that the leap day ends the counting year.
    const int shifted = m <= 2 ? y - 1 : y;
    const int era = floorDiv(shifted, 400);
    const int yearOfEra = shifted - era * 400;
    const int dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int weekdayOf(int y, int m, int d) {
    // 1970-01-01 was a Thursday.
    return floorMod(civilDaySerial(y, m, d) + 4, 7);
}

std::vector<int> calendarMonths(int month) {
    if (month >= 1 && month <= 12) return {month};
    if (month != 0) return {};
    std::vector<int> all;
    for (int m = 1; m <= 12; ++m) all.push_back(m);
    return all;
}

std::vector<CalendarCell> monthCells(int y, int m, double top) {
    const int days = daysInMonth(y, m);
    if (days == 0) return {};
    const int first = weekdayOf(y, m, 1);
    const int rows = (first + days + 6) / 7;
    const double width = kCalendarWidth / 7;
    const double height = (kCalendarGridBottom - top - kHeaderHeight) / rows;
    std::vector<CalendarCell> cells;
    for (int d = 1; d <= days; ++d) {
        const int slot = first + d - 1;
        CalendarCell c;
        c.day = d;
        c.weekday = slot % 7;
        c.x = kCalendarLeft + width * (slot % 7);
        c.y = top + kHeaderHeight + height * (slot / 7);
        c.width = width;
        c.height = height;
        cells.push_back(c);
    }
    return cells;
}

std::string weekdayColour(int weekday) {
    if (weekday == 0) return "#cc0000";
    if (weekday == 6) return "#0000cc";
    return "#000000";
}

void addGridFrame(PrintPage& page, double top, const std::vector<CalendarCell>& cells) {
    const double width = kCalendarWidth / 7;
    for (int w = 0; w < 7; ++w) {
        PrintItem box =
            shapeItem(ItemKind::Box, kCalendarLeft + width * w, top, width, kHeaderHeight);
        box.fill = "#eeeeee";
        page.items.push_back(box);
        PrintItem name =
            textItem(box.x, top + 1, width, kHeaderHeight - 1,
                     std::string(kWeekdayNames[static_cast<std::size_t>(w)]), FontFace::Gothic, 9);
        name.align = Align::Centre;
        name.colour = weekdayColour(w);
        page.items.push_back(name);
    }
    for (const CalendarCell& c : cells) {
        page.items.push_back(shapeItem(ItemKind::Box, c.x, c.y, c.width, c.height));
    }
}

void addCalendarFooter(PrintPage& page, const std::string& footer) {
    page.items.push_back(textItem(kCalendarLeft, kCalendarGridBottom + 4, kCalendarWidth, 6, footer,
                                  FontFace::Gothic, 8));
}

}  // namespace suimei::print
