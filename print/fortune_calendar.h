#pragma once
// The fortune calendar (開運カレンダー): for one month, or the twelve months of a year, a page with
// the month's readings above a grid of the days; each day shows its pillar, how its branch stands
// to the chart's day, month and year branches, and a line of advice by its ten god and one by its
// branch.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/print_document.h"

namespace suimei {
class PassageTable;
}

namespace suimei::print {

// How two branches stand to each other on the calendar. A pair that falls under two relations
// shows the stronger one, in this order: 冲, 支合, 三合, 刑, 害, 破 (寅申 and 丑未 are clashes,
// 巳申 and 寅亥 combinations, 寅巳 and 未戌 punishments). A branch with itself is 自刑 for 辰 午
// 酉 亥 and nothing for the others.
enum class BranchRelation {
    None,
    Combination,     // 支合
    Clash,           // 冲
    Harmony,         // 三合 (two members of one triple)
    Punishment,      // 刑 (寅巳申, 丑戌未, 子卯)
    Harm,            // 害
    Break,           // 破
    SelfPunishment,  // 自刑
};

// Relation of the day's branch a to the chart's branch b, both 1..12; None out of range.
BranchRelation branchRelationOf(int a, int b);
// "支合", "冲", "三合", "刑", "害", "破", "自刑"; empty for None.
std::string_view branchRelationName(BranchRelation relation);
// The one-word reading printed after "日支-", "月支-", "年支-".
std::string_view branchRelationReading(BranchRelation relation);

// What the calendar reads of the chart.
struct FortuneChart {
    int dayStem = 0;      // 1..10, the day master
    int dayBranch = 0;    // 1..12
    int monthBranch = 0;  // 1..12
    int yearBranch = 0;   // 1..12
};

// The calendar's texts from the passage table: the daily lines by ten god ("毎日1") and by
// branch ("毎日2"), and the month readings ("月運1", "月運金", "月運愛") by ten god.
struct FortuneTexts {
    std::array<std::vector<std::string>, 11> byTenGod;  // [1..10]
    std::array<std::vector<std::string>, 13> byBranch;  // [1..12]
    std::array<std::array<std::string, 3>, 11> month;   // [ten god 1..10][general, money, love]
};
// Reads every text of the calendar; a key without a passage leaves its entry empty.
FortuneTexts loadFortuneTexts(PassageTable& passages);

// Which of a daily passage's lines a day takes. A day's ten god comes round every ten days and
// its branch every twelve; each time it comes round the next line is taken, so the lines of one
// ten god follow one another through the year: line (serial div 10) mod 20 and line (serial div
// 12) mod 16, serial being the days since 1970-01-01.
int dailyTenGodLine(int y, int m, int d);
int dailyBranchLine(int y, int m, int d);

struct FortuneDay {
    int day = 0;
    int stem = 0;                               // the day pillar
    int branch = 0;                             //
    int tenGod = 0;                             // of the day's stem seen from the day master
    std::array<BranchRelation, 3> relations{};  // against the chart's day, month, year branch
    std::string tenGodText;                     // the day's "毎日1" line (empty when missing)
    std::string branchText;                     // the day's "毎日2" line
};
FortuneDay fortuneDayOf(const FortuneChart& chart, const FortuneTexts& texts, int y, int m, int d);

// Ten god 1..10 of the month's stem (the month pillar of its 15th) seen from the day master.
int monthTenGodOf(const FortuneChart& chart, int y, int m);

struct FortuneCalendarContent {
    std::string clientName;  // printed as name + " 様" above the heading; empty: no line
    FortuneChart chart;
    int year = 0;
    int month = 0;  // 1..12, or 0 for the twelve months of the year
    std::string practitionerName;
    std::string practitionerTelephone;
};

// Heading of a month's page: year + "年度 " + month + "月度の開運暦".
std::string fortuneCalendarHeading(int year, int month);

// One page per month, in month order; no page for a month out of range.
PrintDocument composeFortuneCalendar(const FortuneCalendarContent& content,
                                     const FortuneTexts& texts);

}  // namespace suimei::print
