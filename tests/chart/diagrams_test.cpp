#include "chart/diagrams.h"

#include <gtest/gtest.h>

#include <numeric>

#include "chart/chart_rules.h"
#include "chart/mandata.h"
#include "chart/pattern.h"

namespace suimei {
namespace {

// A chart of the given stems and branches (year, month, day, hour) with its relations detected.
Tmandata chartOf(std::array<int, 4> stems, std::array<int, 4> branches) {
    Tmandata c;
    for (int i = 0; i < 4; ++i) {
        c.pillarAt(i).stem = static_cast<Stem>(stems[static_cast<std::size_t>(i)]);
        c.pillarAt(i).branch = static_cast<Branch>(branches[static_cast<std::size_t>(i)]);
    }
    c.detectRelations();
    return c;
}

// Every ten god of every stem seen from a day master falls in the group whose relation is the
// element relation of that stem to the day master.
TEST(TenGodGroups, EachTenGodSitsInTheGroupOfItsElementRelation) {
    for (int day = 1; day <= 10; ++day) {
        for (int other = 1; other <= 10; ++other) {
            const int god = tenGodOf(day, other);
            int found = 0;
            for (const TenGodGroup& g : tenGodGroups()) {
                if (g.tenGods[0] != god && g.tenGods[1] != god) continue;
                ++found;
                EXPECT_EQ(g.relation, elementRelation(elementOfStem(day), elementOfStem(other), 0))
                    << "day " << day << " other " << other;
            }
            EXPECT_EQ(found, 1) << "ten god " << god;
        }
    }
    // Arrows: 印 gives the day master life and 官 controls it, so both point at it.
    const auto& g = tenGodGroups();
    EXPECT_TRUE(g[5].towardDayMaster && g[5].production);   // 偏印　印綬 生気
    EXPECT_TRUE(g[4].towardDayMaster && !g[4].production);  // 偏官　正官 剋される
    EXPECT_FALSE(g[2].towardDayMaster);                     // 食神　傷官 洩れる
}

struct StemCase {
    const char* name;
    std::array<int, 4> stems;
    std::vector<std::array<int, 4>> present;  // slot, a, b, count
    std::array<bool, 6> ticked;
};

TEST(StemDiagram, PresentPairsAndTickedBoxes) {
    const StemCase cases[] = {
        // 甲己 between all three neighbourings: slot 1, 土.
        {"甲己甲己", {1, 6, 1, 6}, {{1, 1, 6, 3}}, {false, true, false, false, false, false}},
        // Year 甲 and day 己 are not neighbours.
        {"甲丙己", {1, 3, 6, 0}, {}, {}},
        // 乙庚 (year–month) and 丁壬 (day–hour): slots 2 (金) and 4 (木).
        {"乙庚丁壬",
         {2, 7, 4, 9},
         {{2, 2, 7, 1}, {4, 4, 9, 1}},
         {false, false, true, false, true, false}},
    };
    for (const StemCase& c : cases) {
        SCOPED_TRACE(c.name);
        const StemDiagram d = stemDiagramOf(chartOf(c.stems, {1, 1, 1, 1}));
        ASSERT_EQ(d.all.size(), 5u);
        EXPECT_EQ(d.all[4].a, 5);  // 戊癸 → 火
        EXPECT_EQ(d.all[4].b, 10);
        EXPECT_EQ(d.all[4].element, 2);
        ASSERT_EQ(d.present.size(), c.present.size());
        for (std::size_t i = 0; i < c.present.size(); ++i) {
            EXPECT_EQ(d.present[i].slot, c.present[i][0]);
            EXPECT_EQ(d.present[i].a, c.present[i][1]);
            EXPECT_EQ(d.present[i].b, c.present[i][2]);
            EXPECT_EQ(d.present[i].count, c.present[i][3]);
        }
        EXPECT_EQ(d.ticked, c.ticked);
    }
}

struct BranchCase {
    const char* name;
    std::array<int, 4> branches;
    BranchKind kind;
    std::vector<std::vector<int>> present;  // branches of each present group of `kind`
    std::vector<int> counts;
    std::array<bool, 6> ticked;  // by element 1..5
};

TEST(BranchDiagram, PresentGroupsAndTickedBoxesPerKind) {
    const BranchCase cases[] = {
        // (year, month, day) and (year, month, hour) both hold 申子辰; 水 appears.
        {"申子辰辰 三合",
         {9, 1, 5, 5},
         BranchKind::Three,
         {{1, 5, 9}},
         {2},
         {false, false, false, false, false, true}},
        // 辰辰 on day–hour punishes itself once.
        {"申子辰辰 自刑", {9, 1, 5, 5}, BranchKind::Self, {{5}}, {1}, {}},
        // 子午 on every neighbouring; a clash brings forth no element.
        {"子午子午 七冲", {1, 7, 1, 7}, BranchKind::Clash, {{1, 7}}, {3}, {}},
        // 亥子丑 of the north: 水; 子丑 are also a pair on month–day.
        {"亥子丑寅 方合",
         {12, 1, 2, 3},
         BranchKind::Directional,
         {{1, 2, 12}},
         {1},
         {false, false, false, false, false, true}},
        {"亥子丑寅 支合", {12, 1, 2, 3}, BranchKind::Pair, {{1, 2}}, {1}, {}},
        // 寅 (year) and 亥 (hour) are not neighbours: no 寅亥 pair.
        {"亥子丑寅 no 寅亥", {3, 1, 2, 12}, BranchKind::Pair, {{1, 2}}, {1}, {}},
        // 丑未戌 needs all three; 寅巳申 with no hour is complete in the first three pillars.
        {"寅巳申 三刑", {3, 6, 9, 0}, BranchKind::Punishment, {{3, 6, 9}}, {1}, {}},
        {"丑未 only", {2, 8, 1, 0}, BranchKind::Punishment, {}, {}, {}},
    };
    for (const BranchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BranchDiagram d = branchDiagramOf(chartOf({1, 1, 1, 1}, c.branches));
        const auto present = d.groupsOf(c.kind, true);
        ASSERT_EQ(present.size(), c.present.size());
        for (std::size_t i = 0; i < present.size(); ++i) {
            EXPECT_EQ(present[i].branches, c.present[i]);
            EXPECT_EQ(present[i].count, c.counts[i]);
        }
        EXPECT_EQ(d.tickedBy(c.kind), c.ticked);
    }
    // The teaching rows hold every group whatever the chart.
    const BranchDiagram d = branchDiagramOf(Tmandata{});
    const std::size_t sizes[] = {4, 6, 6, 3, 4, 4};
    for (int k = 0; k < kBranchKinds; ++k) {
        EXPECT_EQ(d.groupsOf(static_cast<BranchKind>(k), false).size(), sizes[k]);
        EXPECT_TRUE(d.groupsOf(static_cast<BranchKind>(k), true).empty());
    }
}

// Day 甲 (木); stems 壬 丙 甲 庚, branches 子 寅 辰 申 (year, month, day, hour):
//   日干 甲 木 ＋, 年干 壬 水 ＋ (水 produces 木), 月干 丙 火 －, 時干 庚 金 －,
//   年支 子 水 ＋, 月支 寅 木 ＋, 日支 辰 土 －, 時支 申 金 －.
//   Lines in 木火土金水 order of the other elements: 木→火 相生 (leaks, red), 木→土 相剋 (red),
//   金→木 相剋 (red), 水→木 相生 (feeds, green). 申子辰 sits in (year, day, hour): 三合 水.
TEST(StrengthDiagram, PositionsMarksLinesAndAppearedWorkedByHand) {
    const StrengthDiagram d = strengthDiagramOf(chartOf({9, 3, 1, 7}, {1, 3, 5, 9}));
    EXPECT_EQ(d.dayElement, 1);
    ASSERT_EQ(d.positions.size(), 8u);
    const char* what[] = {"日干", "年干", "月干", "時干", "年支", "月支", "日支", "時支"};
    const int elements[] = {1, 5, 2, 4, 5, 1, 3, 4};
    const int marks[] = {1, 1, -1, -1, 1, 1, -1, -1};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(d.positions[i].what, what[i]);
        EXPECT_EQ(d.positions[i].element, elements[i]) << what[i];
        EXPECT_EQ(d.positions[i].mark, marks[i]) << what[i];
    }
    ASSERT_EQ(d.lines.size(), 4u);
    struct L {
        int from, to;
        ElementLineKind kind;
        bool gains;
    };
    const L lines[] = {{1, 2, ElementLineKind::Production, false},
                       {1, 3, ElementLineKind::Control, false},
                       {4, 1, ElementLineKind::Control, false},
                       {5, 1, ElementLineKind::Production, true}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(d.lines[i].from, lines[i].from) << i;
        EXPECT_EQ(d.lines[i].to, lines[i].to) << i;
        EXPECT_EQ(d.lines[i].kind, lines[i].kind) << i;
        EXPECT_EQ(d.lines[i].gains, lines[i].gains) << i;
    }
    ASSERT_EQ(d.appeared.size(), 1u);
    EXPECT_EQ(d.appeared[0].kind, "三合");
    EXPECT_EQ(d.appeared[0].element, 5);
}

TEST(StrengthDiagram, CombinationsMissingHourAndEmptyChart) {
    // 甲己 on every neighbouring: 干合 土 once; 亥子丑 (year, month, day): 方合 水. No hour: the
    // six remaining characters only, and 己 (土) is the only other element among the stems.
    const StrengthDiagram d = strengthDiagramOf(chartOf({1, 6, 1, 0}, {12, 1, 2, 0}));
    EXPECT_EQ(d.positions.size(), 6u);
    for (const StrengthPosition& p : d.positions) {
        EXPECT_NE(p.what, "時干");
        EXPECT_NE(p.what, "時支");
    }
    ASSERT_EQ(d.appeared.size(), 2u);
    EXPECT_EQ(d.appeared[0].kind, "干合");
    EXPECT_EQ(d.appeared[0].element, 3);
    EXPECT_EQ(d.appeared[1].kind, "方合");
    EXPECT_EQ(d.appeared[1].element, 5);
    // Held besides 木: 土 (己, 丑) and 水 (亥, 子).
    ASSERT_EQ(d.lines.size(), 2u);
    EXPECT_EQ(d.lines[0].to, 3);
    EXPECT_EQ(d.lines[1].from, 5);

    const StrengthDiagram empty = strengthDiagramOf(Tmandata{});
    EXPECT_EQ(empty.dayElement, 0);
    EXPECT_TRUE(empty.positions.empty());
    EXPECT_TRUE(empty.lines.empty());
}

TEST(ElementCycle, ProductionRoundAndControlAcross) {
    const auto lines = elementCycleLines();
    ASSERT_EQ(lines.size(), 10u);
    // 水 produces 木 (closing the round); 水 controls 火; 金 controls 木.
    EXPECT_EQ(lines[4].from, 5);
    EXPECT_EQ(lines[4].to, 1);
    EXPECT_EQ(lines[4].kind, ElementLineKind::Production);
    EXPECT_EQ(lines[9].from, 5);
    EXPECT_EQ(lines[9].to, 2);
    EXPECT_EQ(lines[8].to, 1);
    EXPECT_EQ(lines[8].kind, ElementLineKind::Control);
    EXPECT_EQ(elementSeason(3), "");
    EXPECT_EQ(elementSeason(4), "秋");
}

}  // namespace
}  // namespace suimei
