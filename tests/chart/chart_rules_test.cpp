#include "chart/chart_rules.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

TEST(TenGods, DayMasterKinoeAgainstEveryStem) {
    // 甲: 甲 比肩, 乙 劫財, 丙 食神, 丁 傷官, 戊 偏財, 己 正財, 庚 偏官, 辛 正官, 壬 偏印, 癸 印綬.
    const int expected[11] = {0, 1, 6, 2, 7, 3, 8, 4, 9, 5, 10};
    for (int other = 1; other <= 10; ++other) {
        EXPECT_EQ(tenGodOf(1, other), expected[other]) << "other " << other;
    }
}

TEST(TenGods, YinDayMastersAndWrapAround) {
    EXPECT_EQ(tenGodOf(2, 2), 1);   // 乙 on 乙: 比肩
    EXPECT_EQ(tenGodOf(2, 1), 6);   // 乙 on 甲: same element, other polarity: 劫財
    EXPECT_EQ(tenGodOf(2, 4), 2);   // 乙 produces 丁 (both yin): 食神
    EXPECT_EQ(tenGodOf(2, 7), 9);   // 庚 controls 乙, other polarity: 正官
    EXPECT_EQ(tenGodOf(2, 10), 5);  // 癸 produces 乙, both yin: 偏印
    EXPECT_EQ(tenGodOf(10, 3), 8);  // 癸 controls 丙 (water over fire), other polarity: 正財
    EXPECT_EQ(tenGodOf(9, 1), 2);   // 壬 produces 甲 across the 水→木 wrap: 食神
    EXPECT_EQ(tenGodOf(1, 0), 0);
    EXPECT_EQ(tenGodOf(0, 1), 0);
    EXPECT_EQ(tenGodOf(1, 11), 0);
}

TEST(TwelveStages, TextbookSchoolStartsOfEveryStem) {
    // 長生 at 亥 寅 寅 巳 申 for 甲 丙 戊 庚 壬 (forward) and 午 酉 酉 子 卯 for 乙 丁 己 辛 癸.
    const int starts[11] = {0, 12, 7, 3, 10, 3, 10, 6, 1, 9, 4};
    for (int stem = 1; stem <= 10; ++stem) {
        EXPECT_EQ(twelveStageOf(stem, starts[stem], 0), 1) << "stem " << stem;
    }
    EXPECT_EQ(twelveStageOf(1, 11, 0), 12);  // 甲 養 at 戌 (one before 長生, across the wrap)
    EXPECT_EQ(twelveStageOf(4, 7, 0), 4);    // 丁 建禄 at 午 (yin runs backward)
    EXPECT_EQ(twelveStageOf(10, 1, 0), 4);   // 癸 建禄 at 子
}

TEST(TwelveStages, TheThreeSchoolsDifferOnYinStems) {
    for (int school = 0; school <= 2; ++school) EXPECT_EQ(twelveStageOf(1, 12, school), 1);
    EXPECT_EQ(twelveStageOf(2, 7, 0), 1);  // 乙 at 午: 長生 in the textbook school
    EXPECT_EQ(twelveStageOf(2, 7, 1), 8);  // 死 when 乙 runs as 甲
    EXPECT_EQ(twelveStageOf(2, 7, 2), 8);
    EXPECT_EQ(twelveStageOf(6, 9, 1), 1);   // 己 at 申: 長生 as 壬 in school 1
    EXPECT_EQ(twelveStageOf(6, 9, 2), 7);   // 病 as 丙 in school 2
    EXPECT_EQ(twelveStageOf(6, 10, 0), 1);  // 長生 at 酉 as 丁 in school 0
    EXPECT_EQ(twelveStageOf(4, 7, 1), 5);   // 丁 at 午 runs as 丙: 帝旺
    EXPECT_EQ(twelveStageOf(5, 3, 2), 1);   // 戊 as 丙 in both same-sequence schools
    EXPECT_EQ(twelveStageOf(10, 9, 1), 1);  // 癸 as 壬
}

TEST(TwelveStages, OutOfRangeGivesNone) {
    EXPECT_EQ(twelveStageOf(0, 1, 0), 0);
    EXPECT_EQ(twelveStageOf(1, 0, 0), 0);
    EXPECT_EQ(twelveStageOf(1, 13, 0), 0);
    EXPECT_EQ(twelveStageOf(1, 12, 3), 0);
}

TEST(VoidBranches, DecadesOfTheCycle) {
    EXPECT_EQ(voidBranchesOf(1, 1), (VoidBranches{11, 12}));  // 甲子: 戌亥
    EXPECT_EQ(voidBranchesOf(1, 11), (VoidBranches{9, 10}));  // 甲戌: 申酉
    EXPECT_EQ(voidBranchesOf(10, 12), (VoidBranches{1, 2}));  // 癸亥 (b < s wraps): 子丑
    EXPECT_EQ(voidBranchesOf(1, 3), (VoidBranches{1, 2}));    // 甲寅: 子丑
    EXPECT_EQ(voidBranchesOf(5, 7), (VoidBranches{1, 2}));    // 戊午 (55), 甲寅 decade: 子丑
    EXPECT_EQ(voidBranchesOf(1, 2), (VoidBranches{}));        // no such pillar
    EXPECT_EQ(voidBranchesOf(0, 0), (VoidBranches{}));
}

TEST(LifePalace, ModuloStaysPositive) {
    EXPECT_EQ(lifePalaceOf(1, 1), 6);     // hour 子, month 子: 巳
    EXPECT_EQ(lifePalaceOf(1, 6), 1);     // hour 子, month 巳: 子
    EXPECT_EQ(lifePalaceOf(4, 4), 12);    // 8 − 8 = 0 reads 亥
    EXPECT_EQ(lifePalaceOf(12, 12), 8);   // 8 − 24 = −16 ≡ 8: 未, not −4
    EXPECT_EQ(lifePalaceOf(10, 11), 11);  // −13 ≡ 11: 戌
    EXPECT_EQ(lifePalaceOf(0, 5), 0);     // no hour: none
}

}  // namespace
}  // namespace suimei
