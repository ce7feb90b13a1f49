// Luck ratings, practical columns, annual columns and lines, grids and the life graph, on a chart
// worked by hand: 甲子 丙寅 甲戌 戊辰 (year, month, day, hour), born 1984, counted luck start 4.
#include <gtest/gtest.h>

#include "chart/life_graph.h"
#include "chart/luck.h"
#include "core/notifier.h"

namespace suimei {
namespace {

// Liked 火 土 金, disliked 木 水, the month's active hidden stem 甲 (木): every rating below is
// worked from these, not from the pattern code.
Tmandata handChart(char sex, int countedLuckStart = 4) {
    Tmandata c;
    RecordingNotifier notes;
    c.sex = sex;
    EXPECT_TRUE(c.validateBirthInput("1984/02/20", kEraWestern, {2024, 6, 1}, notes));
    c.setPillars({1, 1}, {3, 3}, {1, 11}, {5, 5}, 10);
    c.luckStartAge = countedLuckStart;
    c.deriveNatalChart(Schools{});
    c.monthPillar.activeHidden = 1;
    c.favourable1 = 2, c.favourable2 = 3, c.favourable3 = 4;
    c.unfavourable1 = 1, c.unfavourable2 = 5, c.unfavourable3 = 0;
    c.elementPoints = {0, 5, 3, 2, 1, 4};
    return c;
}

TEST(PracticalLuckRow, HandChartGivesSevenColumnsWithTheirFourteenMarks) {
    // Forward (yang year, man): p4 己巳 at 23 .. p10 乙亥 at 83. Chart: YB 子 (feeds none of
    // 火土金), MB 寅 (feeds 火), no pair or clash among them.
    //  己: binds year 甲 into 土, not the month's 木 -> 甲 (木, disliked) bound -> ○
    //  巳: free, season 火 liked -> ○          庚: 金 liked ○; 午 clashes 子 (feeds nothing) ○
    //  辛: binds month 丙 into 水 != 木 -> 丙 (火, liked) bound -> ×; 未 土 ○
    //  壬: 水 ×; 申 clashes 寅 (feeds 火) ×   癸: 水 ×; 酉 金 ○
    //  甲: 木 ×; 戌 土 ○                      乙: 木 ×; 亥 pairs with 寅 (feeds 火) ×
    const Tmandata c = handChart('M');
    const auto cols = practicalLuckColumns(c);
    ASSERT_EQ(cols.size(), 7u);
    const int ages[] = {23, 33, 43, 53, 63, 73, 83};
    const int marks[7][2] = {{1, 1}, {1, 1}, {2, 1}, {2, 2}, {2, 1}, {2, 1}, {2, 2}};
    for (std::size_t k = 0; k < 7; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(cols[k].startAge, ages[k]);
        EXPECT_EQ(cols[k].period, static_cast<int>(k) + 4);
        EXPECT_EQ(cols[k].marks[0], marks[k][0]);
        EXPECT_EQ(cols[k].marks[1], marks[k][1]);
    }
    EXPECT_EQ(stemButtonText(cols[0].stem, cols[0].tenGod), "己:正財");
    EXPECT_EQ(cols[0].markHints[0], "23-27才の運");
    EXPECT_EQ(cols[0].markHints[1], "28-32才の運");
    EXPECT_TRUE(practicalChartLines(c).empty());  // 甲戌-丙寅-甲子: no clash, no combination
}

TEST(PracticalLuckRow, ColumnsStartAtTheFirstPeriodFromAge21) {
    struct Case {
        int counted;
        int first;
        int last;
    };
    // Period 2 starts at counted age - 1.
    for (const Case& k : {Case{26, 25, 85}, Case{22, 21, 81}, Case{19, 28, 88}}) {
        const auto cols = practicalLuckColumns(handChart('M', k.counted));
        ASSERT_EQ(cols.size(), 7u);
        EXPECT_EQ(cols.front().startAge, k.first) << k.counted;
        EXPECT_EQ(cols.back().startAge, k.last) << k.counted;
    }
}

TEST(AnnualColumns, HandChartColumnOneMarksAndLines) {
    // Luck 己巳; years 2007 丁亥 .. 2016 丙申 at ages 23..32.
    //  丁亥 亥 clashes 巳 -> △   戊子 土 ○   己丑 binds 甲 (土 != 木), 甲 disliked -> ○
    //  庚寅 金 ○   辛卯 binds 丙 (水 != 木), 丙 liked -> ×   壬辰 水 ×   癸巳 水 ×
    //  甲午 午 clashes 子 (feeds nothing) -> ○   乙未 木 ×   丙申 申 pairs with 巳 -> △
    const Tmandata c = handChart('M');
    const auto luck = practicalLuckColumns(c).front();
    const auto years = annualColumnsOf(c, luck);
    const int marks[] = {3, 1, 1, 1, 2, 2, 2, 1, 2, 3};
    for (std::size_t r = 0; r < 10; ++r) {
        EXPECT_EQ(years[r].age, 23 + static_cast<int>(r));
        EXPECT_EQ(years[r].mark, marks[r]) << "year " << r + 1;
    }
    EXPECT_EQ(annualYearText(years[0]), "2007年");
    EXPECT_EQ(years[0].stem, 4);
    EXPECT_EQ(years[0].branch, 12);
    // Void of 甲戌: 申 酉; 丙申 (2016) is void.
    EXPECT_EQ(annualVoidText(years[9]), "空亡");
    EXPECT_EQ(annualVoidText(years[8]), "");
    EXPECT_EQ(annualMarkHint(years[9]), "32才の運");

    std::vector<std::string> got;
    for (const LuckLine& l : annualLines(c, luck, years)) {
        got.push_back(lineEndName(l.from) + ">" + lineEndName(l.to) + " " +
                      std::string(lineKindName(l.kind)));
    }
    // 己 with the day and year 甲; 亥 against 巳; 己丑 with both 甲; 辛 with the month 丙; 辰
    // against the day 戌; 午 against the year 子 and 甲 with the luck 己; 申 against the month 寅.
    const std::vector<std::string> want = {
        "day.stem>luck.stem 干合",       "year.stem>luck.stem 干合",
        "luck.branch>annual1.branch 冲", "day.stem>annual3.stem 干合",
        "year.stem>annual3.stem 干合",   "month.stem>annual5.stem 干合",
        "day.branch>annual6.branch 冲",  "year.branch>annual8.branch 冲",
        "luck.stem>annual8.stem 干合",   "month.branch>annual10.branch 冲"};
    EXPECT_EQ(got, want);
}

TEST(AnnualColumns, AgesPast119AreOutOfRangeNeverRead) {
    // Counted start 57: period 8 (column 7) starts at 116, so ages 120..125 have no year.
    const Tmandata c = handChart('M', 57);
    const auto luck = practicalLuckColumns(c).back();
    ASSERT_EQ(luck.startAge, 116);
    const auto years = annualColumnsOf(c, luck);
    EXPECT_FALSE(years[3].outOfRange);
    EXPECT_EQ(years[3].year, 1984 + 119);
    for (std::size_t r = 4; r < 10; ++r) {
        EXPECT_TRUE(years[r].outOfRange);
        EXPECT_EQ(years[r].stem, 0);
        EXPECT_EQ(annualYearText(years[r]), "");
    }
    for (const LuckLine& l : annualLines(c, luck, years)) EXPECT_LE(l.to.annual, 4);
}

TEST(Punishments, YellowLinesRunFromTheChartBranchesInvolved) {
    Tmandata c = handChart('M');
    // Year 申, month 寅, day 子: a luck 巳 completes 寅巳申 with the month and year branches (and
    // clashes or combines with nothing); a luck 卯 forms 子卯 with the day branch.
    c.dayPillar.branch = 1;
    c.yearPillar.branch = 9;
    PracticalLuckColumn luck;
    luck.branch = 6;
    luck.stem = 2;
    auto lines = annualLines(c, luck, {});
    std::vector<std::string> got;
    for (const auto& l : lines) got.push_back(lineEndName(l.from) + ">" + lineEndName(l.to));
    EXPECT_EQ(got,
              (std::vector<std::string>{"month.branch>luck.branch", "year.branch>luck.branch"}));
    EXPECT_EQ(lines[0].kind, LineKind::Punishment);
    EXPECT_EQ(lineColourRgb(LineKind::Punishment), 0xFFFF00);
    luck.branch = 4;
    lines = annualLines(c, luck, {});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lineEndName(lines[0].from), "day.branch");
}

TEST(RateLuckBranch, PairAndClashStatesBothHoldFollowTheOrderWritten) {
    // Year 子, month 午, day 未: H1 no, H2 yes (午未), C1 yes (子午), C2 yes.
    Tmandata c = handChart('M');
    c.yearPillar.branch = 1;
    c.monthPillar.branch = 7;
    c.dayPillar.branch = 8;
    struct Case {
        int branch;
        int likedFire;   // liked 火土金
        int likedWater;  // liked 水木 (午 feeds neither, 子 feeds 水)
    };
    // 午 clashes the year: only C1 holds -> △. 子 clashes the month: H2 holds -> freed, 午
    // feeds 火. 丑 pairs with the year: C1 holds -> 子 feeds 水. 未 pairs with the month: C2
    // holds -> 午 feeds 火.
    for (const Case& k : {Case{7, 3, 3}, Case{1, 1, 2}, Case{2, 2, 1}, Case{8, 1, 2}}) {
        c.favourable1 = 2, c.favourable2 = 3, c.favourable3 = 4;
        EXPECT_EQ(RateLuckBranch(c, k.branch), k.likedFire) << k.branch;
        c.favourable1 = 5, c.favourable2 = 1, c.favourable3 = 0;
        EXPECT_EQ(RateLuckBranch(c, k.branch), k.likedWater) << k.branch;
    }
}

TEST(RateLuckStem, TransformationIntoTheMonthElementRatesByThatElement) {
    Tmandata c = handChart('M');
    c.yearPillar.stem = 4;           // 丁
    c.monthPillar.activeHidden = 1;  // 甲: the month rules 木
    c.favourable1 = 1, c.favourable2 = 0, c.favourable3 = 0;
    c.unfavourable1 = 5, c.unfavourable2 = 0, c.unfavourable3 = 0;
    // 壬 (水, disliked) binds 丁 into 木 = the month's element, liked -> ○.
    EXPECT_EQ(RateLuckStem(c, 9), 1);
    // With the month ruling 土 the binding only takes 丁 (火, neither) -> △.
    c.monthPillar.activeHidden = 5;
    EXPECT_EQ(RateLuckStem(c, 9), 3);
    // An unbound 癸 goes by its own element 水 -> ×.
    EXPECT_EQ(RateLuckStem(c, 10), 2);
}

TEST(LuckGrids, HoldTwelvePeriodsAndAllAgesTo119) {
    const Tmandata c = handChart('M');
    const LuckGrids g = luckGrids(c);
    ASSERT_EQ(g.dai.size(), 5u);
    ASSERT_EQ(g.dai[0].size(), 13u);
    EXPECT_EQ(g.dai[0][2], "3才");
    EXPECT_EQ(g.dai[1][2], "丁");
    EXPECT_EQ(g.dai[2][2], "卯");
    EXPECT_EQ(g.dai[3][0], "通変星");
    ASSERT_EQ(g.nen.size(), 6u);
    ASSERT_EQ(g.nen[0].size(), 121u);
    EXPECT_EQ(g.nen[0][120], "2103");
    EXPECT_EQ(g.nen[1][120], "119才");
    EXPECT_EQ(g.nen[1][0], "年齢");
}

TEST(LuckPillars, AWomanOfAYangYearRunsBackward) {
    Tmandata c = handChart('F');
    EXPECT_EQ(c.luckStems[2], 2);     // 乙 = 丙 - 1
    EXPECT_EQ(c.luckBranches[2], 2);  // 丑 = 寅 - 1
    c.setPillars({1, 1}, {1, 1}, {1, 11}, {5, 5}, 10);
    c.deriveNatalChart(Schools{});
    EXPECT_EQ(c.luckStems[2], 10);  // a 甲子 month gives 癸亥
    EXPECT_EQ(c.luckBranches[2], 12);
}

TEST(LifeGraph, HandChartPointsZeroToTen) {
    // Base 木5 火3 土2 金1 水4. Block 1 is period 2's stem 丁 (火): 木-1 火+3 土+1 金-2 水0;
    // years at ages 3..7 are 丁卯 戊辰 己巳 庚午 辛未 (火 土 土 金 金) +1 at their point only.
    // Block 2 starts from point 5 {4,6,3,0,4} with 卯 (木): 木+3 火+1 土-2 金0 水-1; years at 8..12
    // 壬 癸 甲 乙 丙 (水 水 木 木 火).
    const Tmandata c = handChart('M');
    const LifeGraph g = lifeElementGraph(c, ElementGraphWeights{});
    const int want[11][5] = {{5, 3, 2, 1, 4}, {4, 7, 3, -1, 4}, {4, 6, 4, -1, 4}, {4, 6, 4, -1, 4},
                             {4, 6, 3, 0, 4}, {4, 6, 3, 0, 4},  {7, 7, 1, 0, 4},  {7, 7, 1, 0, 4},
                             {8, 7, 1, 0, 3}, {8, 7, 1, 0, 3},  {7, 8, 1, 0, 3}};
    for (std::size_t p = 0; p <= 10; ++p) {
        for (std::size_t e = 1; e <= 5; ++e) {
            EXPECT_EQ(g.series[e][p], want[p][e - 1]) << "point " << p << " element " << e;
        }
    }
    EXPECT_EQ(g.ages[0], 0);
    EXPECT_EQ(g.ages[1], 3);
    EXPECT_EQ(g.ages[100], 102);
    EXPECT_EQ(g.categories[1].label, "木性：気力");
    EXPECT_EQ(g.categories[4].label, "金性：官星");
    EXPECT_EQ(g.categories[5].description, "企画・アイデア・学習");
}

TEST(LifeGraph, AWoodLuckStemMovesEverySeriesAtPointOne) {
    // The woman runs backward: period 2 is 乙丑, a 木 stem. Her year at age 3 is 丁 (火).
    const Tmandata c = handChart('F');
    ElementGraphWeights w;
    w.yearSame = 0;
    const int delta[] = {3, 1, -2, 0, -1};
    LifeGraph g = lifeElementGraph(c, w);
    for (std::size_t e = 1; e <= 5; ++e) {
        EXPECT_EQ(g.series[e][1] - g.series[e][0], delta[e - 1]) << e;
    }
    g = lifeElementGraph(c, ElementGraphWeights{});  // the year weight +1 moves 火 as well
    EXPECT_EQ(g.series[2][1] - g.series[2][0], 2);
    EXPECT_EQ(g.series[1][1] - g.series[1][0], 3);
}

TEST(StageMonth, LeapFebruariesAndMonthSteps) {
    const Tmandata c = handChart('M');
    struct Case {
        int year;
        int days;
    };
    for (const Case& k : {Case{2000, 29}, Case{2024, 29}, Case{2100, 28}, Case{2023, 28}}) {
        EXPECT_EQ(stageMonthGraph(c, 0, {0, 7, 1, 11, 12, 13, 10, 8, 0, 2, 3, 5, 4}, {k.year, 2})
                      .days.size(),
                  static_cast<std::size_t>(k.days))
            << k.year;
    }
    // 2000-01-01 is 戊午 (55), so 2000-02-01 is 55 + 31 = 86 -> 26, branch 丑; 甲 on 丑 is 冠帯
    // (長生 at 亥), 11 points by default.
    const StageMonth m =
        stageMonthGraph(c, 0, {0, 7, 1, 11, 12, 13, 10, 8, 0, 2, 3, 5, 4}, {2000, 2});
    EXPECT_EQ(m.days[0].branch, 2);
    EXPECT_EQ(m.days[0].stage, 3);
    EXPECT_EQ(m.days[0].points, 11);
    EXPECT_EQ(m.yearText, "2000年");
    EXPECT_EQ(m.monthText, "2月");
    EXPECT_EQ(stepMonth({2024, 12}, 1), (YearMonth{2025, 1}));
    EXPECT_EQ(stepMonth({2024, 1}, -1), (YearMonth{2023, 12}));
    EXPECT_EQ(stepMonth({2024, 5}, -12), (YearMonth{2023, 5}));
    EXPECT_EQ(stageChooserItems({0, 7, 1, 11, 12, 13, 10, 8, 0, 2, 3, 5, 4})[0], "7点-長生");
}

TEST(TenGodDiagram, YearClickMarksGroupLuckAndUsefulLines) {
    Tmandata c = handChart('M');
    c.usefulStem = 3;  // 丙: 食神 of 甲, group 食傷
    // Age 23: 丁亥 (傷官, group 2) inside period 4 己巳 (正財).
    const DiagramYearMarks m = tenGodDiagramYearMarks(c, 23);
    EXPECT_EQ(m.group, 2);
    EXPECT_EQ(m.ageLabel, "23才");
    EXPECT_EQ(m.luckTenGod, 8);
    // 食傷 -> 財 is production; 食神 -> 傷官 is inside one group, no line.
    ASSERT_EQ(m.lines.size(), 1u);
    EXPECT_EQ(m.lines[0].set, DiagramLineSet::Production);
    // Beyond the start of period 12 (108) the red circle is hidden.
    EXPECT_EQ(tenGodDiagramYearMarks(c, 110).luckTenGod, 0);
    EXPECT_EQ(diagramLineSet(1, 3), DiagramLineSet::Control);  // 比肩 -> 偏財: 木 controls 土
}

}  // namespace
}  // namespace suimei
