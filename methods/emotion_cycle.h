#pragma once
// The emotion cycle (感情周期): the ten god that the day master forms with the stem of a year, a
// month or a day, read as the emotional climate of that period, with a stability score per ten
// god. This method numbers the ten gods in its own order, 1 比肩 2 劫財 3 食神 4 傷官 5 偏財
// 6 正財 7 偏官 8 正官 9 偏印 10 印綬, which is not the chart's numbering; names are what the two
// share.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "readings/reading_keys.h"

namespace suimei {

class Tmandata;
class PassageTable;

inline constexpr int kEmotionTenGodCount = 10;

// Ten god 1..10 (this method's order) of stem `other` seen from day master `dayMaster`; 0 when
// either stem is outside 1..10.
int emotionTenGod(int dayMaster, int other);
// Name of ten god 1..10 in this method's order; empty text out of range.
std::string_view emotionTenGodName(int god);
// Emotional stability score (感情安定度数) 1..10 of ten god 1..10; 0 out of range.
int emotionScore(int god);
// Legend text of the score ("比肩：４点"); empty out of range.
std::string_view emotionScoreLegend(int god);
// Explanation line of the score ("・比肩は、..."); empty out of range.
std::string_view emotionScoreExplanation(int god);

// One period of the chosen date: its pillar, ten god and whether its branch is void.
struct EmotionPeriod {
    int stem = 0;    // 1..10, 0 when the date has no pillar
    int branch = 0;  // 1..12
    int tenGod = 0;  // 1..10 in this method's order, 0 before a run
    bool isVoid = false;
    std::string heading;  // the first sentence of the period's text
};

struct EmotionCycle {
    EmotionPeriod year, month, day;
};

// The three periods of the Gregorian date y-m-d for the chart's day master, from the quick
// pillars: a date before its month's entry belongs to the previous solar month (and before 立春
// to the previous year). Years before 1312 have no stems: every ten god is then 0.
EmotionCycle emotionCycleOn(const Tmandata& chart, int y, int m, int d);

// Passage keys of a ten god's period paragraph and of its void addition.
PassageKey emotionPassageKey(int god);
PassageKey emotionVoidPassageKey(int god);

// The text of one period as the window shows it: the heading, the paragraph of its ten god, and
// the void addition when its branch is void.
std::vector<std::string> emotionPeriodLines(const EmotionPeriod& period, PassageTable& passages);

// Scores of the twelve months of year y: from the month stem of January 15, one stem on for
// each month. Zeros when the day master or the year has no stem.
std::array<int, 12> emotionYearScores(int dayMaster, int y);
// Scores of every day of month m of year y (29 for February of a leap year), by the day stem.
std::vector<int> emotionMonthScores(int dayMaster, int y, int m);

}  // namespace suimei
