#pragma once
// The 特殊星: the auspicious and inauspicious stars that each pillar of a chart
// carries, found by walking fixed tables of (key, target) pairs. The key is the day stem, the
// month branch or the day branch; the target is a stem or a branch that the checked pillar must
// show. Stars are numbered 1..19 in catalogue order; 0 means none.

#include <string_view>
#include <vector>

#include "calendar/types.h"

namespace suimei {

class Tmandata;

inline constexpr int kTokushuStarCount = 19;
// Rows of the window's grid below its header row. No chart fills more than 27 of them (己未 in
// all four pillars: 5 + 6 + 8 + 8 stars), so every star of every chart is shown.
inline constexpr int kTokushuStarGridRows = 30;

// The catalogue string of star 1..19: the star's name and its meaning joined by "：" (":" for
// star 19; stars 13..18 begin with "."). Empty text otherwise.
std::string_view tokushuStarText(int star);

// The pillars in the order the grid lists them.
enum class StarPillar { Hour, Day, Month, Year };
// "時柱", "日柱", "月柱", "年柱".
std::string_view starPillarLabel(StarPillar pillar);

// The values of a chart that the detection reads (stems 1..10, branches 1..12, 0 none).
struct TokushuStarChart {
    Stem dayStem = 0;
    Stem monthStem = 0;
    Stem hourStem = 0;
    Branch yearBranch = 0;
    Branch monthBranch = 0;
    Branch dayBranch = 0;
    Branch hourBranch = 0;
};
TokushuStarChart tokushuStarChartOf(const Tmandata& chart);

// Star numbers 1..19 per pillar, in catalogue order; star 13 can appear twice in one pillar (once
// from its stem table, once from its branch table). A list can hold up to 8 stars.
struct TokushuStars {
    std::vector<int> hour;
    std::vector<int> day;
    std::vector<int> month;
    std::vector<int> year;
    const std::vector<int>& of(StarPillar pillar) const;
    std::vector<int>& of(StarPillar pillar);
};

// The stars of every pillar of `chart`; a chart before its first run (all 0) has none.
TokushuStars detectTokushuStars(const TokushuStarChart& chart);
TokushuStars detectTokushuStars(const Tmandata& chart);

// One row of the grid: the pillar's label and the star's catalogue string.
struct TokushuStarRow {
    std::string_view pillar;
    int star = 0;
    std::string_view text;
};
// The rows in grid order: the hour list, then the day, month and year lists.
std::vector<TokushuStarRow> tokushuStarRows(const TokushuStars& stars);

}  // namespace suimei
