#pragma once
// The readings of the main window's pillars: the texts of the year, month and day pages, the
// message boxes of the pillar headings and of the month branch, and the memo of the month-command
// window "日干と月支の関係（重要）".

#include <string>
#include <string_view>
#include <vector>

#include "core/app_paths.h"
#include "core/notifier.h"
#include "readings/passage_table.h"

namespace suimei {

class Tmandata;

struct PillarPage {
    std::vector<std::string> memo1;  // yymemo1 / mmmemo1 / ddcyoukou
    std::vector<std::string> memo2;  // yymemo2 / mmmemo2 / ddmemo1
};

// Texts of the pages 年柱分析, 月柱分析 and 日柱分析, all read from the passage table:
//   year  memo1: "AI" "年柱-" + ten god of the year stem, then the same ten god's favour and
//                strength reading ("AI" ten god + "-喜神-強" ...);  memo2: "AI" "年柱-" + stage
//   month memo1: likewise with "月柱-" and the month stem;        memo2: "AI" "月柱-" + stage
//   day   memo1: "調候" season of the month branch + day stem;     memo2: "AI" "日柱-" + stage
// The stages are those of the day stem on each pillar's branch. Everything stays empty before a
// run (day stem 0); a value out of range leaves only its own text empty.
struct PillarPageTexts {
    PillarPage year;
    PillarPage month;
    PillarPage day;
};
PillarPageTexts pillarPageTexts(const Tmandata& chart, PassageTable& passages);

// Captions of the heading boxes.
inline constexpr std::string_view kYearHeadingCaption = "年柱";
inline constexpr std::string_view kMonthHeadingCaption = "月柱";
inline constexpr std::string_view kDayHeadingCaption = "日柱";
inline constexpr std::string_view kClimateUsefulCaption = "調候用神";

// Year-pillar heading: the nentxt.txt section of the year stem as an information box. Does nothing
// while the year stem is 0 (no appraisal yet). Returns true when a box was shown.
bool showYearHeadingReading(const Tmandata& chart, const AppPaths& paths, Notifier& notifier);
// Month-pillar heading: the tukitxt.txt section of the month branch. Nothing before a run.
bool showMonthHeadingReading(const Tmandata& chart, const AppPaths& paths, Notifier& notifier);
// Day-pillar heading: the daytxt.txt section of the day stem and branch. Nothing before a run.
bool showDayHeadingReading(const Tmandata& chart, const AppPaths& paths, Notifier& notifier);
// Month branch (tuki2): month-branch name + "月生まれの" + day-stem name + "の調候用神：" + the
// cyoukou2.txt section of the day stem and month branch. Nothing before a run.
bool showClimateUsefulReading(const Tmandata& chart, const AppPaths& paths, Notifier& notifier);

// Memo of the month-command window: the lines of the cyoukou.txt section of the season and day
// stem, read afresh each time the window opens; no lines unless both the month branch and the day
// stem are set. A format error keeps the lines read before it.
std::vector<std::string> monthCommandMemoLines(const Tmandata& chart, const AppPaths& paths,
                                               Notifier& notifier);

// What the month-command window shows: "春(寅)" for the season and month branch, "木(甲)" for
// the day master, and the memo above. Texts are empty for a missing branch or stem.
struct MonthCommandView {
    std::string seasonText;
    std::string dayMasterText;
    std::vector<std::string> memo;
};
inline constexpr std::string_view kMonthCommandWindowCaption = "日干と月支の関係（重要）";
inline constexpr std::string_view kMonthCommandCaptionLine =
    "日干が月支の気をどう受けているかを見ます";
MonthCommandView monthCommandView(const Tmandata& chart, const AppPaths& paths, Notifier& notifier);

}  // namespace suimei
