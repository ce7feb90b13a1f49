#pragma once
// Strength of the day master (日主): the season label, the month command (月令), the support of the
// other characters (5行強弱), the best life stage (12運星), their total with its classification,
// and the day-master points per pillar with their wording.

#include <array>
#include <string>
#include <string_view>

#include "chart/relations.h"

namespace suimei {

class Tmandata;

// Month-command tables (月令表): per element 1..5 (木火土金水) four sub-tables (0 year, 1 month,
// 2 day, 3 hour) of 13 values, index 0 holding 0 and then 子..亥. Sub-table 1 also gives the
// month-command score.
inline constexpr std::array<std::array<std::array<int, 13>, 4>, 6> kMonthCommandTables = {{
    {},
    {{
        // 木
        {0, 1, 0, 2, 2, 1, 0, 0, 1, 0, 0, 0, 1},
        {0, 2, 1, 4, 4, 3, 0, 0, 1, 0, 0, 0, 3},
        {0, 1, 1, 3, 3, 2, 0, 0, 1, 0, 0, 0, 2},
        {0, 1, 1, 2, 2, 2, 0, 0, 1, 0, 0, 0, 1},
    }},
    {{
        // 火
        {0, 0, 0, 1, 1, 0, 2, 2, 1, 0, 0, 1, 0},
        {0, 0, 0, 3, 2, 0, 4, 4, 3, 0, 0, 1, 0},
        {0, 0, 0, 2, 1, 0, 3, 3, 2, 0, 0, 1, 0},
        {0, 0, 0, 1, 1, 0, 2, 2, 1, 0, 0, 1, 0},
    }},
    {{
        // 土
        {0, 0, 2, 0, 0, 2, 1, 1, 2, 0, 0, 2, 0},
        {0, 0, 4, 0, 0, 4, 3, 3, 4, 0, 0, 4, 0},
        {0, 0, 3, 0, 0, 3, 2, 2, 3, 0, 0, 3, 0},
        {0, 0, 2, 0, 0, 2, 1, 1, 2, 0, 0, 2, 0},
    }},
    {{
        // 金
        {0, 0, 1, 0, 0, 1, 0, 0, 1, 2, 2, 1, 0},
        {0, 0, 2, 0, 0, 3, 1, 0, 1, 4, 4, 3, 0},
        {0, 0, 2, 0, 0, 2, 0, 0, 1, 3, 3, 2, 0},
        {0, 0, 1, 0, 0, 1, 0, 0, 1, 2, 2, 1, 0},
    }},
    {{
        // 水
        {0, 2, 1, 0, 0, 1, 0, 0, 0, 1, 1, 0, 2},
        {0, 4, 3, 0, 0, 2, 0, 0, 0, 3, 2, 0, 4},
        {0, 3, 2, 0, 0, 2, 0, 0, 0, 2, 1, 0, 3},
        {0, 2, 1, 0, 0, 1, 0, 0, 0, 1, 1, 0, 2},
    }},
}};

// Month-command table value 0..4 for element 1..5, sub-table 0..3 and branch 1..12; 0 otherwise.
int monthCommandValue(int element, int subTable, int branch);

// Season label such as "春-木": season of the month branch, then the day master's element name.
// A missing part gives empty text for that part.
std::string seasonLabelOf(int monthBranch, int dayStem);
// Month-command score 0..4: sub-table 1 of the day master's element at the month branch.
int monthCommandScoreOf(int monthBranch, int dayStem);

// +1 when `other` equals the day master's element or produces it, else -1; 0 when either element
// is outside 1..5 (a missing character adds nothing).
int elementSupport(int dayElement, int otherElement);
// Relation score -6..+8: support of the four stems (the day stem counts itself, +1) and the four
// branches for the day master's element; a missing hour adds 0.
int relationScoreOf(const FourPillars& pillars);

// Points 0..2 of a twelve stage 1..12: 長生 1, 冠帯 1, 建禄 2, 帝旺 2, anything else 0.
int stagePoints(int stage);
// Stage score 0..2: the best points among the day master's stages on the month, day and hour
// branches (the year branch does not count).
int stageScoreOf(int monthStage, int dayStage, int hourStage);

// Strength classification of a strength total: below -3 "身弱", -3..3 "中和", 4 and above "身旺".
std::string_view strengthClassOf(int strengthTotal);

// The four strength gauges of the main window on their 0..100 scale (the formulas reach past 100;
// the gauge shows them clamped, the chart keeps the scores as computed).
struct StrengthGauges {
    int monthCommand = 0;  // 月令
    int relation = 0;      // 5行強弱
    int stage = 0;         // 12運星
    int total = 0;         // 総合
};
StrengthGauges strengthGaugesOf(int monthCommandScore, int relationScore, int stageScore,
                                int strengthTotal);

// Day-master points per pillar (each halved when its pillar is hurt) and their sum 0..11.
struct DayMasterPoints {
    int total = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
};
// Day-master points from the month-command sub-tables of the day master's element at each
// pillar's branch; a pillar whose clash flag is set keeps half (integer division). Day stem 0: all
// 0.
DayMasterPoints computeDayMasterPoints(const FourPillars& pillars, const PillarClashFlags& hurt);
// Wording of day-master points: 7+ "強すぎる(極旺)", 6 "かなり強い", 4..5 "強い", 3 "やや弱い",
// 2 "弱い", 1 or less "かなり弱い(極弱)".
std::string_view dayMasterWordingOf(int points);

// Day-master points of the chart after its clash flags are set: stores dayMasterPoints and the
// year, month, day and hour points in the record and returns the total 0..11.
int computeDayMasterPoints(Tmandata& chart);

}  // namespace suimei
