#include "print/mansion_calendar.h"

#include <algorithm>

#include "calendar/old_calendar.h"
#include "methods/mansion_relation.h"
#include "print/calendar_grid.h"
#include "print/memo_document.h"

namespace suimei::print {

namespace {

constexpr char kDarkColour[] = "#ff0000";
constexpr char kGoodColour[] = "#0000ff";
constexpr char kPlainColour[] = "#000000";

}  // namespace

bool isDarkDay(int birthMansion, int dayMansion) {
    if (birthMansion < 1 || birthMansion > 28 || dayMansion < 1) return false;
    const auto& entries = kDarkDayMansions[static_cast<std::size_t>(birthMansion)];
    return std::find(entries.begin(), entries.end(), dayMansion) != entries.end();
}

MansionDay mansionDayOf(int birthMansion, int dayMansion, int day) {
    MansionDay cell;
    cell.day = day;
    cell.mansion = dayMansion;
    cell.colour = kPlainColour;
    if (mansionName(dayMansion).empty()) return cell;
    cell.mansionText = std::string(mansionName(dayMansion)) + "宿";
    cell.relationIndex = mansionRelationIndex(birthMansion, dayMansion);
    cell.relationText = std::string(mansionRelationName(cell.relationIndex));
    cell.dark = isDarkDay(birthMansion, dayMansion);
    if (cell.dark) {
        cell.relationText += "(暗黒日)";
        cell.colour = kDarkColour;
    } else if (cell.relationText == "栄" || cell.relationText == "親") {
        cell.colour = kGoodColour;
    }
    return cell;
}

std::string mansionCalendarHeading(const std::string& name, int year, int month) {
    return name + " 様 　　" + std::to_string(year) + "年" + std::to_string(month) + "月度宿曜暦";
}

PrintDocument composeMansionCalendar(const MansionCalendarContent& content) {
    PrintDocument doc;
    doc.title = "宿曜カレンダー";
    const std::string footer = footerLine(content.practitionerName, content.practitionerTelephone);
    for (const int month : calendarMonths(content.month)) {
        PrintPage page;
        PrintItem heading = textItem(
            kCalendarLeft, 14, kCalendarWidth, 9,
            mansionCalendarHeading(content.clientName, content.year, month), FontFace::Gothic, 15);
        heading.bold = true;
        page.items.push_back(heading);
        page.items.push_back(
            textItem(kCalendarLeft, 26, 90, 7,
                     "本命宿：" + std::string(mansionName(content.birthMansion)) + "宿",
                     FontFace::Gothic, 12));
        PrintItem legend = textItem(kCalendarLeft + 90, 27.5, 90, 5,
                                    "赤字：暗黒日　青字：栄・親の日", FontFace::Mincho, 8.5);
        legend.align = Align::Right;
        page.items.push_back(legend);
        const double top = 36;
        const std::vector<CalendarCell> cells = monthCells(content.year, month, top);
        addGridFrame(page, top, cells);
        for (const CalendarCell& c : cells) {
            const OldCalendarDate date =
                oldCalendarDate(content.year, month, c.day, content.taiwan);
            const MansionDay day = mansionDayOf(content.birthMansion, date.mansion27, c.day);
            const double x = c.x + 1;
            const double width = c.width - 2;
            PrintItem number =
                textItem(x, c.y + 1, width, 5, std::to_string(c.day), FontFace::Gothic, 10);
            number.bold = true;
            number.colour = weekdayColour(c.weekday);
            page.items.push_back(number);
            PrintItem mansion =
                textItem(x, c.y + 8, width, 6, day.mansionText, FontFace::Mincho, 12);
            mansion.align = Align::Centre;
            page.items.push_back(mansion);
            PrintItem relation =
                textItem(x, c.y + 16, width, 5, day.relationText, FontFace::Gothic, 9.5);
            relation.align = Align::Centre;
            relation.colour = day.colour;
            page.items.push_back(relation);
        }
        addCalendarFooter(page, footer);
        doc.pages.push_back(std::move(page));
    }
    return doc;
}

}  // namespace suimei::print
