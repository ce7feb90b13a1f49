// Growth-stage diagnosis: the ten-god pair index, the scores and labels, and the sentence tables.

#include "methods/growth_stage.h"

#include <gtest/gtest.h>

#include <set>

#include "chart/mandata.h"

namespace suimei {
namespace {

TEST(GrowthStage, TenGodPairIndexGroupsMonthThenYear) {
    // 印綬 (10) is in group 5, 比肩 (1) in group 1: 5 × 4 + 1.
    EXPECT_EQ(tenGodPairIndex(10, 1), 21);
    EXPECT_EQ(tenGodPairIndex(1, 10), 5);
    EXPECT_EQ(tenGodPairIndex(1, 1), 1);
    EXPECT_EQ(tenGodPairIndex(6, 7), 2);   // 劫財 with 傷官: 比劫 then 食傷
    EXPECT_EQ(tenGodPairIndex(9, 4), 19);  // 正官 with 偏官: both 官
    EXPECT_EQ(tenGodPairIndex(5, 10), 25);
    EXPECT_EQ(tenGodPairIndex(0, 1), 0);
    EXPECT_EQ(tenGodPairIndex(1, 11), 0);
}

TEST(GrowthStage, SelectorsComeFromTheChartAndAreZeroBeforeARun) {
    Tmandata chart;
    const std::array<int, kGrowthFeatures> none{};
    EXPECT_EQ(growthSelectors(chart), none);
    for (int f = 0; f < kGrowthFeatures; ++f) EXPECT_EQ(growthSentence(f, 0, 1), "");

    chart.dayPillar.stem = 3;
    chart.dayPillar.branch = 7;
    chart.dayPillar.dayMasterStage = 5;
    chart.monthPillar.stemTenGod = 10;
    chart.yearPillar.stemTenGod = 1;
    chart.mansionNumber = 28;
    const std::array<int, kGrowthFeatures> expected = {3, 21, 7, 5, 28};
    EXPECT_EQ(growthSelectors(chart), expected);
}

TEST(GrowthStage, ScoresWeighTheLevels) {
    const std::array<int, kGrowthFeatures> weights = {4, 4, 1, 2, 4};
    for (int f = 0; f < kGrowthFeatures; ++f) {
        EXPECT_EQ(growthScore(f, 0), 0);
        EXPECT_EQ(growthScore(f, 2), 2 * weights[static_cast<std::size_t>(f)]);
    }
    EXPECT_EQ(growthScoreLabel(0, 2), "精神：8点");
    EXPECT_EQ(growthScoreLabel(1, 2), "能力：8点");
    EXPECT_EQ(growthScoreLabel(2, 2), "本能：2点");
    EXPECT_EQ(growthScoreLabel(3, 2), "行動：4点");
    EXPECT_EQ(growthScoreLabel(4, 2), "人格：8点");
    EXPECT_EQ(growthScoreLabel(3, 0), "行動：0点");
    EXPECT_EQ(growthTotalLabel({2, 2, 2, 2, 2}), "合計点数 30 点／30点満点");
    EXPECT_EQ(growthTotalLabel({0, 0, 0, 0, 0}), "合計点数 0 点／30点満点");
    // 4 + 0 + 2 + 2 + 0: one group at each level.
    EXPECT_EQ(growthTotalLabel({1, 0, 2, 1, 0}), "合計点数 8 点／30点満点");
    // A level out of range scores nothing rather than more than the maximum.
    EXPECT_EQ(growthScore(0, 3), 0);
    EXPECT_EQ(growthScore(5, 2), 0);
}

TEST(GrowthStage, TablesHoldTheQuotedSentences) {
    EXPECT_EQ(growthSentence(0, 1, 0),
              "実力がともなわないのに理屈を通さないと気がすまない気難しい雰囲気。");
    EXPECT_EQ(growthSentence(0, 1, 1),
              "プランを練ることが好きで哲学的な思索性に優れるが、行動力は普通。");
    EXPECT_EQ(growthSentence(0, 1, 2),
              "まっすぐな姿勢で生きているので周囲から自然とリーダーに推薦される。");
    EXPECT_EQ(growthSentence(4, 1, 0),
              "志は一級品だが、理想や要求だけが先走り、実際は実力不足で何も出来ずにいる。");
    EXPECT_EQ(overallLevelText(0),
              "感情がコントロールできず、約束を守れず、自分の意見よりも人の意見が気になり、迷い"
              "が多く、規則正しい生活もできていない。");
    EXPECT_EQ(overallLevelText(2),
              "１０年以上変化しない目標を持ち続ける意志の強さがあり、言葉が非常に明確で重々しく、"
              "社会に奉仕したいという愛情がある。");
    EXPECT_EQ(growthLevelName(1), "成長途中");
}

TEST(GrowthStage, EveryRowIsFilledAndNoTwoSentencesAreEqual) {
    std::set<std::string_view> seen;
    int count = 0;
    const std::array<int, kGrowthFeatures> rows = {10, 25, 12, 12, 28};
    for (int f = 0; f < kGrowthFeatures; ++f) {
        EXPECT_EQ(growthFeatures()[static_cast<std::size_t>(f)].rows,
                  rows[static_cast<std::size_t>(f)]);
        for (int v = 1; v <= rows[static_cast<std::size_t>(f)]; ++v) {
            for (int level = 0; level < kGrowthLevels; ++level) {
                const std::string_view s = growthSentence(f, v, level);
                EXPECT_FALSE(s.empty()) << f << " " << v << " " << level;
                EXPECT_TRUE(seen.insert(s).second) << s;
                ++count;
            }
        }
        EXPECT_EQ(growthSentence(f, rows[static_cast<std::size_t>(f)] + 1, 0), "");
        EXPECT_EQ(growthSentence(f, 1, 3), "");
    }
    EXPECT_EQ(count, 261);
    for (int level = 0; level < kGrowthLevels; ++level) {
        EXPECT_TRUE(seen.insert(overallLevelText(level)).second);
    }
    EXPECT_EQ(growthSentence(5, 1, 0), "");
}

}  // namespace
}  // namespace suimei
