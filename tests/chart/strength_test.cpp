#include "chart/strength.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

// Stems 甲乙丙丁戊己庚辛壬癸 = 1..10, branches 子丑寅卯辰巳午未申酉戌亥 = 1..12.
FourPillars chart(Pillar y, Pillar m, Pillar d, Pillar h) {
    return {y, m, d, h};
}

TEST(SeasonAndMonthCommand, LabelAndScore) {
    EXPECT_EQ(seasonLabelOf(3, 1), "春-木");  // 甲 in 寅
    EXPECT_EQ(monthCommandScoreOf(3, 1), 4);
    EXPECT_EQ(monthCommandScoreOf(7, 7), 0);   // 庚 in 午
    EXPECT_EQ(monthCommandScoreOf(6, 7), 1);   // 庚 in 巳
    EXPECT_EQ(seasonLabelOf(8, 4), "夏-火");   // 丁 in 未
    EXPECT_EQ(seasonLabelOf(11, 6), "秋-土");  // 己 in 戌
    EXPECT_EQ(seasonLabelOf(2, 10), "冬-水");  // 癸 in 丑
    EXPECT_EQ(monthCommandScoreOf(2, 10), 3);
    EXPECT_EQ(monthCommandScoreOf(5, 8), 3) << "辛 in 辰";
    EXPECT_EQ(monthCommandScoreOf(0, 1), 0);
}

TEST(RelationScore, SupportAndDrainOfTheEightCharacters) {
    EXPECT_EQ(elementSupport(1, 5), 1) << "水 produces 木";
    EXPECT_EQ(elementSupport(1, 2), -1) << "木 produces 火: a drain";
    EXPECT_EQ(elementSupport(4, 3), 1) << "土 produces 金";
    EXPECT_EQ(elementSupport(1, 0), 0);
    // 木 day master among 木 and 水 only: 壬子 甲寅 甲卯 癸亥.
    EXPECT_EQ(relationScoreOf(chart({9, 1}, {1, 3}, {1, 4}, {10, 12})), 8);
    // Only 火 and 土 around a 木 day stem: 丙午 戊辰 甲巳 丁未.
    EXPECT_EQ(relationScoreOf(chart({3, 7}, {5, 5}, {1, 6}, {4, 8})), -6);
    // No hour: the day stem and five other characters.
    EXPECT_EQ(relationScoreOf(chart({9, 1}, {1, 3}, {1, 4}, {})), 6);
}

TEST(StageScore, BestOfMonthDayAndHour) {
    EXPECT_EQ(stageScoreOf(2, 5, 2), 2) << "帝旺 on the day branch, 沐浴 elsewhere";
    EXPECT_EQ(stageScoreOf(1, 2, 3), 1) << "長生 and 冠帯 give 1";
    EXPECT_EQ(stageScoreOf(2, 6, 12), 0);
    EXPECT_EQ(stageScoreOf(0, 0, 0), 0);
}

TEST(StrengthTotal, ClassificationBoundaries) {
    EXPECT_EQ(strengthClassOf(-4), "身弱");
    EXPECT_EQ(strengthClassOf(-3), "中和");
    EXPECT_EQ(strengthClassOf(3), "中和");
    EXPECT_EQ(strengthClassOf(4), "身旺");
}

TEST(StrengthGauges, FormulasClampedToTheScale) {
    const StrengthGauges top = strengthGaugesOf(4, 8, 2, 14);
    EXPECT_EQ(top.monthCommand, 100) << "4 x 25 + 2 = 102";
    EXPECT_EQ(top.relation, 100);
    EXPECT_EQ(top.stage, 100) << "2 x 50 + 2 = 102";
    EXPECT_EQ(top.total, 100) << "(14 + 8) x 5 = 110";
    const StrengthGauges low = strengthGaugesOf(0, -6, 0, -6);
    EXPECT_EQ(low.relation, 16);
    EXPECT_EQ(low.total, 10);
}

TEST(DayMasterPoints, PerPillarTablesAndHalving) {
    // 木 day master on 寅 寅 寅 寅: 2 + 4 + 3 + 2.
    FourPillars p = chart({1, 3}, {1, 3}, {1, 3}, {1, 3});
    DayMasterPoints r = computeDayMasterPoints(p, findPillarClashFlags(p));
    EXPECT_EQ(r.year, 2);
    EXPECT_EQ(r.month, 4);
    EXPECT_EQ(r.day, 3);
    EXPECT_EQ(r.hour, 2);
    EXPECT_EQ(r.total, 11);
    EXPECT_EQ(dayMasterWordingOf(r.total), "強すぎる(極旺)");
    // Year 申 hurts the month 寅: 0 + 4 div 2 + 3 + 2.
    p[kYearPillar] = {7, 9};
    r = computeDayMasterPoints(p, findPillarClashFlags(p));
    EXPECT_EQ(r.year, 0);
    EXPECT_EQ(r.month, 2);
    EXPECT_EQ(r.total, 7);
    // A hurt 3 becomes 1: day 寅 next to a 申 month; no hour gives 0.
    p = chart({1, 1}, {7, 9}, {1, 3}, {});
    r = computeDayMasterPoints(p, findPillarClashFlags(p));
    EXPECT_EQ(r.year, 1);
    EXPECT_EQ(r.month, 0);
    EXPECT_EQ(r.day, 1);
    EXPECT_EQ(r.hour, 0);
    EXPECT_EQ(r.total, 2);
    // No day stem: nothing.
    p = chart({1, 3}, {1, 3}, {0, 3}, {1, 3});
    EXPECT_EQ(computeDayMasterPoints(p, {}).total, 0);
}

TEST(DayMasterPoints, WordingBoundaries) {
    EXPECT_EQ(dayMasterWordingOf(7), "強すぎる(極旺)");
    EXPECT_EQ(dayMasterWordingOf(6), "かなり強い");
    EXPECT_EQ(dayMasterWordingOf(4), "強い");
    EXPECT_EQ(dayMasterWordingOf(3), "やや弱い");
    EXPECT_EQ(dayMasterWordingOf(2), "弱い");
    EXPECT_EQ(dayMasterWordingOf(1), "かなり弱い(極弱)");
}

}  // namespace
}  // namespace suimei
