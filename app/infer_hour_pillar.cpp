#include "app/infer_hour_pillar.h"

#include <array>

namespace suimei {

namespace {

struct InferRow {
    Stem stem;
    std::array<Branch, 11> branchByDayStem;  // index 1..10
};

// One row per month branch 子..亥: the hour stem, then the hour branch for day stems 甲..癸.
constexpr std::array<InferRow, 13> kInferTable = {{
    {0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {9, {0, 9, 7, 5, 3, 1, 9, 7, 5, 5, 1}},       // 子
    {10, {0, 10, 8, 6, 4, 2, 8, 8, 6, 4, 2}},     // 丑
    {6, {0, 12, 4, 2, 10, 12, 6, 4, 12, 10, 8}},  // 寅
    {1, {0, 11, 9, 7, 5, 3, 11, 9, 7, 3, 3}},     // 卯
    {2, {0, 2, 10, 8, 6, 4, 2, 12, 8, 6, 4}},     // 辰
    {2, {0, 6, 2, 10, 2, 8, 10, 10, 2, 12, 12}},  // 巳
    {3, {0, 3, 11, 9, 7, 5, 3, 11, 9, 7, 5}},     // 午
    {4, {0, 4, 12, 12, 8, 6, 4, 2, 10, 8, 6}},    // 未
    {5, {0, 5, 3, 11, 9, 7, 5, 3, 1, 9, 7}},      // 申
    {7, {0, 7, 5, 3, 1, 9, 7, 5, 11, 11, 9}},     // 酉
    {8, {0, 8, 6, 4, 12, 10, 12, 6, 4, 2, 10}},   // 戌
    {7, {0, 1, 1, 1, 11, 11, 1, 1, 3, 1, 11}},    // 亥
}};

}  // namespace

Pillar InferHourPillar(int monthBranch, int dayStem) {
    if (!isBranch(monthBranch) || !isStem(dayStem)) return {};
    const InferRow& row = kInferTable[static_cast<std::size_t>(monthBranch)];
    return {row.stem, row.branchByDayStem[static_cast<std::size_t>(dayStem)]};
}

}  // namespace suimei
