#pragma once
// Keys of the readings: the (key1, key2) pairs of the passage table and the {section} keys of the
// sectioned files, formed from chart values. Every builder refuses a number out of range
// (nullopt) before it forms anything, so no reader ever looks up a half-made key.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/pattern.h"

namespace suimei {

// Topic families (key1) of the readings on the main window and in the character readings.
inline constexpr std::string_view kFamilyAI = "AI";
inline constexpr std::string_view kFamilyClimate = "調候";

// Sectioned reading files in the application directory.
inline constexpr std::string_view kYearStemFile = "nentxt.txt";         // {year stem}
inline constexpr std::string_view kMonthBranchFile = "tukitxt.txt";     // {month branch}
inline constexpr std::string_view kDayPillarFile = "daytxt.txt";        // {stem-branch}
inline constexpr std::string_view kClimateUsefulFile = "cyoukou2.txt";  // {甲-寅}
inline constexpr std::string_view kMonthCommandFile = "cyoukou.txt";    // {春甲}
inline constexpr std::string_view kLuckReadingFile = "memo3.txt";       // {比肩-長生}

// Ten-god names in the order of the editor's picker (not the chart's numbering).
inline constexpr std::array<std::string_view, 10> kTenGodPickerNames = {
    "比肩", "劫財", "食神", "傷官", "正財", "偏財", "正官", "偏官", "印綬", "偏印"};

struct PassageKey {
    std::string key1;
    std::string key2;
    friend bool operator==(const PassageKey&, const PassageKey&) = default;
};

// The pillar named inside a key: "年柱-", "月柱-", "日柱-".
enum class KeyPillar { Year, Month, Day };

// Which texts the social readings use: the professional mode speaks of favour and strength
// (喜忌), the general mode of the ten god alone.
enum class ReadingMode { Professional, General };

// "AI" / day-stem name ("甲"); day stem 1..10.
std::optional<PassageKey> dayMasterKey(int dayStem);
// "AI" / "年柱-" or "月柱-" + ten-god name ("年柱-比肩"); ten god 1..10 in the chart's
// numbering; the day pillar has no stem ten god and is refused.
std::optional<PassageKey> pillarTenGodKey(KeyPillar pillar, int tenGod);
// "AI" / ten-god name + "-" + "喜神-" or "忌神-" + "強" or "弱" ("偏財-喜神-強") for a pillar
// whose stem is `stem` (1..10) with ten god `tenGod` (1..10): 喜神 when the stem's element is one
// of the three favourable elements (slots 1..3), 強 when that element's energy level
// (elementRank, 1..5) is above 3.
std::optional<PassageKey> fortuneTenGodKey(int stem, int tenGod, const ElementSlots& favourable,
                                           const ElementArray& elementRank);
// The social reading of the year or month stem in the given mode: pillarTenGodKey in the general
// mode, fortuneTenGodKey in the professional mode.
std::optional<PassageKey> socialTenGodKey(ReadingMode mode, KeyPillar pillar, int stem, int tenGod,
                                          const ElementSlots& favourable,
                                          const ElementArray& elementRank);
// "AI" / "年柱-", "月柱-" or "日柱-" + twelve-stage name ("日柱-帝旺"); stage 1..12.
std::optional<PassageKey> pillarStageKey(KeyPillar pillar, int stage);
// "調候" / season of the month branch + day-stem name ("春甲"); branch 1..12, stem 1..10.
std::optional<PassageKey> climateKey(int monthBranch, int dayStem);

// Section keys.
// nentxt.txt: "{" + year stem in decimal + "}" ("{3}"); stem 1..10.
std::optional<std::string> yearStemSectionKey(int yearStem);
// tukitxt.txt: "{" + month branch in decimal + "}" ("{12}"); branch 1..12.
std::optional<std::string> monthBranchSectionKey(int monthBranch);
// daytxt.txt: "{" + day stem + "-" + day branch, both in decimal + "}" ("{1-1}").
std::optional<std::string> dayPillarSectionKey(int dayStem, int dayBranch);
// cyoukou2.txt: "{" + day-stem name + "-" + month-branch name + "}" ("{甲-寅}").
std::optional<std::string> climateUsefulSectionKey(int dayStem, int monthBranch);
// cyoukou.txt: "{" + season + day-stem name + "}" ("{春甲}").
std::optional<std::string> monthCommandSectionKey(int monthBranch, int dayStem);
// memo3.txt: "{" + ten-god name + "-" + twelve-stage name + "}" ("{比肩-長生}"); ten god 1..10,
// stage 1..12.
std::optional<std::string> luckSectionKey(int tenGod, int stage);

}  // namespace suimei
