#include "chart/relations.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

// Stems 甲乙丙丁戊己庚辛壬癸 = 1..10, branches 子丑寅卯辰巳午未申酉戌亥 = 1..12.
FourPillars stems(int y, int m, int d, int h) {
    return {Pillar{static_cast<Stem>(y), 1}, Pillar{static_cast<Stem>(m), 1},
            Pillar{static_cast<Stem>(d), 1}, Pillar{static_cast<Stem>(h), 1}};
}
FourPillars branches(int y, int m, int d, int h) {
    return {Pillar{1, static_cast<Branch>(y)}, Pillar{1, static_cast<Branch>(m)},
            Pillar{1, static_cast<Branch>(d)}, Pillar{1, static_cast<Branch>(h)}};
}

TEST(StemCombinations, EveryNeighbouringCounts) {
    const Tkango k = findStemCombinations(stems(1, 6, 1, 6));  // 甲 己 甲 己
    EXPECT_EQ(k.counts[1], 3);
    EXPECT_EQ(k.present, 1);
    EXPECT_EQ(k.elements[1], 3) << "甲己 becomes 土";
    EXPECT_EQ(k.elements[2], 4) << "乙庚 becomes 金";
    EXPECT_EQ(k.elements[5], 2) << "戊癸 becomes 火";
}

TEST(StemCombinations, OnlyNeighbouringPillarsAreCompared) {
    // 甲 (year) and 己 (day) with 丙 between: not neighbours.
    EXPECT_EQ(findStemCombinations(stems(1, 3, 6, 3)).present, 0);
    // 乙 (month) and 庚 (hour) are not neighbours either; nor 丁 (year) and 壬 (hour).
    const Tkango k = findStemCombinations(stems(4, 2, 1, 7));
    EXPECT_EQ(k.counts[2], 0);
    EXPECT_EQ(k.present, 0);
    EXPECT_EQ(findStemCombinations(stems(4, 1, 1, 9)).present, 0);
    // The same pair in either order, day–hour neighbouring: 癸 day, 戊 hour.
    EXPECT_EQ(findStemCombinations(stems(1, 1, 10, 5)).counts[5], 1);
}

TEST(BranchRelations, PairsAndClashesBetweenNeighbours) {
    // 子 丑 寅 亥: 子丑 (year–month) is a pair, 寅亥 (day–hour) too.
    const Tsigou s = findBranchPairCombinations(branches(1, 2, 3, 12));
    EXPECT_EQ(s.counts[1], 1);
    EXPECT_EQ(s.counts[2], 1);
    EXPECT_EQ(s.present, 1);
    // 子 寅 午 申: 子 and 午 are year and day, not neighbours; 寅 and 申 are month and hour.
    EXPECT_EQ(findClashes(branches(1, 3, 7, 9)).present, 0);
    EXPECT_EQ(findBranchPairCombinations(branches(5, 1, 10, 1)).present, 0)
        << "辰 and 酉 are year and day";
}

TEST(BranchRelations, ClashEveryNeighbouringAndItsFlags) {
    const FourPillars p = branches(1, 7, 1, 7);  // 子 午 子 午
    const Toki o = findClashes(p);
    EXPECT_EQ(o.counts[1], 3);
    EXPECT_EQ(o.present, 1);
    const PillarClashFlags f = findPillarClashFlags(p);
    EXPECT_EQ(f.monthHurt, 1) << "午 next to 子";
    EXPECT_EQ(f.yearHurt, 0) << "子 is not hurt by 午";
    EXPECT_EQ(f.dayHurt, 0);
    EXPECT_EQ(f.hourHurt, 1);
}

TEST(BranchRelations, ClashFlagsOnlyForTheControlledBranch) {
    // 申 寅 酉 卯: 寅 hurt by 申 (year), 卯 hurt by 酉 (day); 申 and 酉 are not hurt.
    PillarClashFlags f = findPillarClashFlags(branches(9, 3, 10, 4));
    EXPECT_EQ(f.yearHurt, 0);
    EXPECT_EQ(f.monthHurt, 1);
    EXPECT_EQ(f.dayHurt, 0);
    EXPECT_EQ(f.hourHurt, 1);
    // 巳 day between 亥 month and 亥 hour.
    f = findPillarClashFlags(branches(1, 12, 6, 12));
    EXPECT_EQ(f.dayHurt, 1);
    EXPECT_EQ(f.monthHurt, 0);
    EXPECT_EQ(f.hourHurt, 0);
    // 丑未 and 辰戌 are clashes but never set a flag.
    const FourPillars p = branches(2, 8, 5, 11);
    EXPECT_EQ(findClashes(p).counts[2], 1);
    EXPECT_EQ(findClashes(p).counts[5], 1);
    f = findPillarClashFlags(p);
    EXPECT_EQ(f.yearHurt + f.monthHurt + f.dayHurt + f.hourHurt, 0);
    // Year–day is not a neighbouring: 午 year, 子 day.
    f = findPillarClashFlags(branches(7, 3, 1, 3));
    EXPECT_EQ(f.yearHurt, 0);
}

TEST(BranchRelations, ThreeCombinationNeedsTheWholeGroup) {
    // 申 子 辰 辰: (year, month, day) and (year, month, hour) hold the group.
    Tsango s = findThreeCombinations(branches(9, 1, 5, 5));
    EXPECT_EQ(s.counts[1], 2);
    EXPECT_EQ(s.elements[1], 5) << "申子辰 becomes 水";
    // Half a group (申 子 without 辰) is nothing.
    s = findThreeCombinations(branches(9, 1, 7, 7));
    EXPECT_EQ(s.present, 0);
    // The group may be spread over non-neighbouring pillars: 亥 卯 未 亥.
    s = findThreeCombinations(branches(12, 4, 8, 12));
    EXPECT_EQ(s.counts[4], 2);
    // Any order of the branches: 戌 午 寅 (year, month, day), hour missing.
    FourPillars p = branches(11, 7, 3, 0);
    p[kHourPillar] = {};
    EXPECT_EQ(findThreeCombinations(p).counts[3], 1);
}

TEST(BranchRelations, DirectionalAndPunishments) {
    FourPillars p = branches(12, 1, 2, 0);  // 亥 子 丑, no hour
    p[kHourPillar] = {};
    const Thogou h = findDirectionalCombinations(p);
    EXPECT_EQ(h.counts[1], 1);
    EXPECT_EQ(h.elements[1], 5);
    EXPECT_EQ(findDirectionalCombinations(branches(3, 4, 4, 6)).present, 0) << "寅卯 without 辰";

    // 子卯 counts only between neighbours; the two groups count like three-combinations.
    EXPECT_EQ(findPunishments(branches(1, 4, 1, 4)).counts[1], 3);
    EXPECT_EQ(findPunishments(branches(1, 3, 4, 3)).counts[1], 0);
    const Tsankei k = findPunishments(branches(8, 2, 11, 3));  // 未 丑 戌 寅
    EXPECT_EQ(k.counts[2], 1);
    EXPECT_EQ(k.counts[3], 0);
    EXPECT_EQ(findPunishments(branches(6, 3, 1, 9)).counts[3], 1) << "巳 寅 . 申";

    const Tjikei j = findSelfPunishments(branches(5, 5, 5, 5));
    EXPECT_EQ(j.counts[1], 3);
    EXPECT_EQ(j.present, 1);
    EXPECT_EQ(findSelfPunishments(branches(12, 7, 12, 7)).present, 0) << "not neighbours";
    EXPECT_EQ(findSelfPunishments(branches(1, 10, 10, 1)).counts[3], 1);
}

TEST(BranchRelations, MissingHourTakesPartInNothing) {
    // 甲子 己丑 戊午, hour none: only 甲己 and 子丑 (year–month) are found.
    FourPillars p = {Pillar{1, 1}, Pillar{6, 2}, Pillar{5, 7}, Pillar{}};
    EXPECT_EQ(findStemCombinations(p).counts[1], 1);
    EXPECT_EQ(findStemCombinations(p).counts[5], 0) << "戊 does not combine with a missing stem";
    EXPECT_EQ(findBranchPairCombinations(p).counts[1], 1);
    EXPECT_EQ(findClashes(p).present, 0);
    EXPECT_EQ(findThreeCombinations(p).present, 0);
    EXPECT_EQ(findPunishments(p).present, 0);
    // 巳 day with no hour: not clashed by the hour, and no flag.
    p = {Pillar{1, 3}, Pillar{3, 3}, Pillar{6, 6}, Pillar{}};  // 甲寅 丙寅 己巳
    EXPECT_EQ(findClashes(p).present, 0);
    const PillarClashFlags f = findPillarClashFlags(p);
    EXPECT_EQ(f.dayHurt + f.hourHurt, 0);
    EXPECT_EQ(countAdjacentPairs(0, 5, {0, 0, 5, 0}), 0);
    EXPECT_EQ(countTriples(0, 1, 5, {0, 1, 5, 0}), 0);
}

}  // namespace
}  // namespace suimei
