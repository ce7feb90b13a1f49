#pragma once
// The small rules every part of the chart shares: ten gods, twelve stages, void branches, life
// palace and the opposite branch. Out-of-range arguments give 0 ("none"), never a failure.

#include "calendar/types.h"

namespace suimei {

// Ten god 1..10 (比肩 食神 偏財 偏官 偏印 劫財 傷官 正財 正官 印綬) of stem `other` seen from the
// day stem; 0 when either stem is outside 1..10.
int tenGodOf(int dayStem, int other);

// Ten-god group 1..5 (比劫 食傷 財 官 印) of a ten god 1..10 (g, or g - 5 above 5); 0 for none.
int tenGodGroup(int tenGod);

// Twelve stage 1..12 (長生 .. 養) of `stem` on `branch` under stage school 0..2; 0 when the stem,
// the branch or the school is out of range.
int twelveStageOf(int stem, int branch, int stageSchool);

// The two void branches (空亡) of a day pillar, {0, 0} for a pillar that is no sexagenary pair.
struct VoidBranches {
    Branch first = 0;
    Branch second = 0;
    friend constexpr bool operator==(const VoidBranches&, const VoidBranches&) = default;
};
VoidBranches voidBranchesOf(int dayStem, int dayBranch);

// Branch 1..12 of the life palace (命宮) from the hour and month branches; 0 when either is
// outside 1..12.
int lifePalaceOf(int hourBranch, int monthBranch);

}  // namespace suimei
