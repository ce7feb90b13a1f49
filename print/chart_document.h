#pragma once
// The chart document "命式鑑定表 1/2": one page with the client's name, the schools of the run, the
// pillar table (hour, day, month, year) with stems, branches, hidden stems and their ten gods and
// the stages, the relations, the 特殊星, the stages from the day stem and from the month
// branch, the strength of the day master, the nine stars, the useful, liked and disliked elements
// with the void, and the balance of the five elements with the chart's pattern.

#include <array>
#include <string>
#include <vector>

#include "chart/pattern.h"
#include "core/print_document.h"

namespace suimei {
class Tmandata;
struct NineStarKi;
}  // namespace suimei

namespace suimei::print {

inline constexpr char kChartDocumentTitle[] = "命式鑑定表 1/2";

// One pillar column. A pillar without a stem and branch (no hour given) prints "-" throughout.
struct ChartColumn {
    std::string heading;                   // "時 柱", "日 柱", "月 柱", "年 柱"
    std::string stem;                      // "甲(比肩)"; the day stem "甲(日主)"
    std::string branch;                    // "子"
    std::vector<std::string> hiddenStems;  // "壬(偏印)", in table order
    int activeHidden = 0;                  // index + 1 of the hidden stem in force, 0 none
    std::string stage;                     // the pillar's own stem on its branch
    std::string stageFromDay;              // the day stem on the pillar's branch
    std::string stageFromMonth;            // the pillar's stem on the month branch
};

struct ChartDocumentContent {
    std::string clientName;
    std::string hiddenStemSchool;  // "渕海子平"
    std::string stageSchool;  // "陽生陰死式", "陰陽同一式" or "陰陽火土同一式"
    std::array<ChartColumn, 4> columns;  // hour, day, month, year (left to right)
    // "干 合", "三 合", "方 合", "支 合", " 冲", "三 刑", "自 刑" and what the chart holds of each.
    std::array<std::string, 7> relations;
    // The 特殊星 of each column (hour, day, month, year).
    std::array<std::vector<std::string>, 4> tokushuStars;
    std::string strengthClass;  // 身旺, 中和, 身弱
    int strengthTotal = 0;
    int relationScore = 0;
    int stageScore = 0;
    int totalGauge = 0;  // 0..100
    int relationGauge = 0;
    int stageGauge = 0;
    int dayMasterPoints = 0;  // 0..11
    std::string dayMasterWording;
    std::string natalStar;  // "一白水星"
    std::string monthStar;
    std::string inclination;  // "坎宮"
    std::string usefulStem;
    std::string favourable;
    std::string unfavourable;
    std::string voidBranches;           // "申酉"
    std::array<int, 5> elementShare{};  // percent of 木火土金水, summing to 100 (or all 0)
    std::string patternName;
    std::string practitionerName;
    std::string practitionerTelephone;
};

// Captions of the relation rows, in order.
inline constexpr std::array<const char*, 7> kRelationRowCaptions = {
    "干 合", "三 合", "方 合", "支 合", " 冲", "三 刑", "自 刑"};

// Percent of each element (木火土金水) in the chart's points, rounded so that they add up to
// exactly 100 (the largest remainders get the rounding); all 0 when the chart has no points.
std::array<int, 5> elementShares(const ElementArray& points);

// The chart's own parts of the document, its 特殊星 included (everything but the names
// of the schools and the practitioner); `stageSchool` 0..2 is the run's, for the stages from the
// month branch.
ChartDocumentContent chartDocumentContent(const Tmandata& chart, int stageSchool,
                                          const NineStarKi& stars);

PrintDocument composeChartDocument(const ChartDocumentContent& content);

}  // namespace suimei::print
