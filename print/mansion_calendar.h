#pragma once
// The lunar-mansion calendar (宿曜カレンダー): for one month, or the twelve months of a year, a
// page with the client's birth mansion and one cell per day with the day's mansion and its relation
// to the birth mansion; the dark days (暗黒日) of the birth mansion in red, 栄 and 親 in blue.

#include <array>
#include <string>

#include "calendar/taiwan_calendar.h"
#include "core/print_document.h"

namespace suimei::print {

// Dark-day mansions of each birth mansion 1..28 (index 0 unused), seven entries each. The table is
// kept exactly as the calendar has always printed it: the seventh entry repeats the first except
// for 斗 (0) and 胃 (柳), 牛 has only its seventh entry, and 0 matches no day.
inline constexpr std::array<std::array<int, 7>, 29> kDarkDayMansions = {{
    {0, 0, 0, 0, 0, 0, 0},         //
    {11, 12, 13, 14, 15, 16, 11},  // 1 昴
    {12, 13, 14, 15, 16, 17, 12},  // 2 畢
    {13, 14, 15, 16, 17, 18, 13},  // 3 觜
    {14, 15, 16, 17, 18, 19, 14},  // 4 参
    {15, 16, 17, 18, 19, 21, 15},  // 5 井
    {16, 17, 18, 19, 21, 22, 16},  // 6 鬼
    {17, 18, 19, 21, 22, 23, 17},  // 7 柳
    {18, 19, 21, 22, 23, 24, 18},  // 8 星
    {19, 21, 22, 23, 24, 25, 19},  // 9 張
    {21, 22, 23, 24, 25, 26, 21},  // 10 翼
    {22, 23, 24, 25, 26, 27, 22},  // 11 軫
    {23, 24, 25, 26, 27, 28, 23},  // 12 角
    {24, 25, 26, 27, 28, 1, 24},   // 13 亢
    {25, 26, 27, 28, 1, 2, 25},    // 14 氏
    {26, 27, 28, 1, 2, 3, 26},     // 15 房
    {27, 28, 1, 2, 3, 4, 27},      // 16 心
    {28, 1, 2, 3, 4, 5, 28},       // 17 尾
    {1, 2, 3, 4, 5, 6, 1},         // 18 箕
    {2, 3, 4, 5, 6, 7, 0},         // 19 斗
    {0, 0, 0, 0, 0, 0, 2},         // 20 牛
    {3, 4, 5, 6, 7, 8, 3},         // 21 女
    {4, 5, 6, 7, 8, 9, 4},         // 22 虚
    {5, 6, 7, 8, 9, 10, 5},        // 23 危
    {6, 7, 8, 9, 10, 11, 6},       // 24 室
    {7, 8, 9, 10, 11, 12, 7},      // 25 壁
    {8, 9, 10, 11, 12, 13, 8},     // 26 奎
    {9, 10, 11, 12, 13, 14, 9},    // 27 婁
    {10, 11, 12, 13, 14, 15, 7},   // 28 胃
}};

// Whether a day of mansion `dayMansion` (1..28, not lowered) is a dark day for `birthMansion`.
bool isDarkDay(int birthMansion, int dayMansion);

struct MansionDay {
    int day = 0;
    int mansion = 0;         // 1..28 (27-mansion numbering), 0 when the date has none
    int relationIndex = -1;  // 0..26, -1 for none
    bool dark = false;
    std::string mansionText;   // mansion name + "宿"
    std::string relationText;  // relation name, + "(暗黒日)" on a dark day
    std::string colour;        // red on a dark day, blue for 栄 and 親, else black
};
// The cell of a day whose 27-mansion number is `dayMansion`, for the birth mansion.
MansionDay mansionDayOf(int birthMansion, int dayMansion, int day);

struct MansionCalendarContent {
    std::string clientName;
    int birthMansion = 0;  // 1..28
    int year = 0;
    int month = 0;  // 1..12, or 0 for the twelve months of the year
    // The Taiwan table when the old calendar is reckoned in that variant; nullptr: Japanese.
    const TaiwanTable* taiwan = nullptr;
    std::string practitionerName;
    std::string practitionerTelephone;
};

// Heading of a month's page: name + " 様 　　" + year + "年" + month + "月度宿曜暦".
std::string mansionCalendarHeading(const std::string& name, int year, int month);

// One page per month, in month order; no page for a month out of range.
PrintDocument composeMansionCalendar(const MansionCalendarContent& content);

}  // namespace suimei::print
