#include "methods/emotion_cycle.h"

#include <gtest/gtest.h>

#include "calendar/types.h"
#include "chart/chart_rules.h"
#include "chart/mandata.h"
#include "core/table_store.h"
#include "readings/passage_table.h"

namespace suimei {
namespace {

Tmandata chartWithDayMaster(int stem, int voidFirst = 0, int voidSecond = 0) {
    Tmandata chart;
    chart.dayPillar.stem = static_cast<Stem>(stem);
    chart.voidFirst = static_cast<std::uint8_t>(voidFirst);
    chart.voidSecond = static_cast<std::uint8_t>(voidSecond);
    return chart;
}

// The method numbers its ten gods in its own order; by name it must agree with the chart's own
// relation of every pair of stems.
TEST(EmotionCycle, TenGodsAgreeByNameWithTheChartsRelation) {
    for (int dm = 1; dm <= 10; ++dm) {
        for (int other = 1; other <= 10; ++other) {
            EXPECT_EQ(emotionTenGodName(emotionTenGod(dm, other)), tenGodName(tenGodOf(dm, other)))
                << dm << " " << other;
        }
    }
    EXPECT_EQ(emotionTenGod(0, 1), 0);
    EXPECT_EQ(emotionTenGod(1, 11), 0);
    EXPECT_EQ(emotionTenGodName(11), "");
}

TEST(EmotionCycle, ScoresFollowTheNamesNotTheChartsNumbering) {
    const std::pair<const char*, int> scores[] = {
        {"比肩", 4}, {"劫財", 1}, {"食神", 7},  {"傷官", 3}, {"偏財", 7},
        {"正財", 9}, {"偏官", 6}, {"正官", 10}, {"偏印", 5}, {"印綬", 8}};
    for (int g = 1; g <= 10; ++g) {
        EXPECT_EQ(emotionTenGodName(g), scores[g - 1].first);
        EXPECT_EQ(emotionScore(g), scores[g - 1].second) << scores[g - 1].first;
        EXPECT_TRUE(emotionScoreExplanation(g).starts_with(std::string("・") + scores[g - 1].first +
                                                           "は、"));
    }
    // 甲 sees 庚 as 偏官: 6 points (the chart's number 4 would be 傷官's 3).
    EXPECT_EQ(emotionScore(emotionTenGod(1, 7)), 6);
    EXPECT_EQ(emotionScoreLegend(8), "正官：１０点");
    EXPECT_EQ(emotionScore(0), 0);
}

TEST(EmotionCycle, JanuaryBeforeItsEntryReadsThePreviousSolarMonthAndYear) {
    const Tmandata chart = chartWithDayMaster(1);  // 甲
    // 1985-01-03 lies before January's entry (the 6th): still 甲子 year, 丙子 month.
    const EmotionCycle before = emotionCycleOn(chart, 1985, 1, 3);
    EXPECT_EQ(before.year.heading, "「甲子」年の１年間の感情周期は、「比肩」です。");
    EXPECT_EQ(before.month.heading, "「甲子」年「丙子」月　の１ヶ月の感情周期は、「食神」です。");
    EXPECT_EQ(before.day.heading, "「丙子」月「壬寅」日 の１日の感情周期は、「偏印」です。");
    // A week later the month is 丁丑; the year stays 甲子 until 立春.
    const EmotionCycle after = emotionCycleOn(chart, 1985, 1, 10);
    EXPECT_EQ(after.month.stem, 4);
    EXPECT_EQ(after.month.branch, 2);
    EXPECT_EQ(after.year.stem, 1);
    EXPECT_EQ(emotionTenGodName(after.month.tenGod), "傷官");
}

TEST(EmotionCycle, DayMasterJiaOnAGengDayIsPianGuanWithSixPoints) {
    // 2000-01-01 is 戊午, so 2000-01-03 is 庚申; the month is 丙子 of the 己卯 year.
    const EmotionCycle c = emotionCycleOn(chartWithDayMaster(1), 2000, 1, 3);
    EXPECT_EQ(c.day.heading, "「丙子」月「庚申」日 の１日の感情周期は、「偏官」です。");
    EXPECT_EQ(emotionScore(c.day.tenGod), 6);
    EXPECT_EQ(emotionMonthScores(1, 2000, 1)[2], 6);
}

TEST(EmotionCycle, VoidAdditionExactlyWhenThePeriodsBranchIsVoid) {
    auto t =
        Table::openReadOnly(readingTablePath(AppPaths(SUIMEI_APP_DIR), ReadingTableKind::Passages),
                            readingTableDef(ReadingTableKind::Passages));
    ASSERT_NE(t, nullptr);
    PassageTable passages(std::move(t));
    const std::string addition = "また、この期間は空亡していますので、";
    // Void 申酉: the 庚申 day is void, the 己卯 year and the 丙子 month are not.
    const EmotionCycle c = emotionCycleOn(chartWithDayMaster(1, 9, 10), 2000, 1, 3);
    EXPECT_FALSE(c.year.isVoid);
    EXPECT_FALSE(c.month.isVoid);
    EXPECT_TRUE(c.day.isVoid);
    auto text = [&](const EmotionPeriod& p) {
        std::string all;
        for (const auto& line : emotionPeriodLines(p, passages)) all += line + "\n";
        return all;
    };
    const std::string day = text(c.day);
    EXPECT_TRUE(day.starts_with(c.day.heading + "\n"));
    EXPECT_NE(day.find(addition), std::string::npos) << day;
    EXPECT_EQ(text(c.year).find(addition), std::string::npos);
    EXPECT_EQ(text(c.month).find(addition), std::string::npos);
    // With void 子丑 the month is void instead; an unset void (0) never matches a branch.
    const EmotionCycle m = emotionCycleOn(chartWithDayMaster(1, 1, 2), 2000, 1, 3);
    EXPECT_TRUE(m.month.isVoid);
    EXPECT_FALSE(m.day.isVoid);
    EXPECT_NE(text(m.month).find(addition), std::string::npos);
    EXPECT_FALSE(emotionCycleOn(chartWithDayMaster(1), 2000, 1, 3).day.isVoid);
    // Every paragraph is longer than its heading: the ten keys all have passages.
    for (int g = 1; g <= 10; ++g) {
        EXPECT_FALSE(
            passages.lookupLines(emotionPassageKey(g).key1, emotionPassageKey(g).key2).empty());
    }
}

TEST(EmotionCycle, YearScoresStartFromTheMonthStemOfJanuaryFifteenth) {
    // January 15 of 2024 is in the 乙丑 month of the 癸卯 year; then 丙寅, 丁卯, ...
    const std::array<int, 12> expected = {1, 7, 3, 7, 9, 6, 10, 5, 8, 4, 1, 7};
    EXPECT_EQ(emotionYearScores(1, 2024), expected);
    EXPECT_EQ(emotionYearScores(0, 2024), (std::array<int, 12>{}));
}

TEST(EmotionCycle, MonthScoresHaveOnePointPerDay) {
    EXPECT_EQ(emotionMonthScores(1, 2024, 2).size(), 29u);
    EXPECT_EQ(emotionMonthScores(1, 2023, 2).size(), 28u);
    EXPECT_EQ(emotionMonthScores(1, 1900, 2).size(), 28u);
    EXPECT_EQ(emotionMonthScores(1, 2000, 2).size(), 29u);
    EXPECT_EQ(emotionMonthScores(1, 2024, 13).size(), 0u);
    // 2024-02-01 is 乙未: 乙 丙 丁 戊 己 庚 辛 壬 癸 甲, then again; the 29th is 癸.
    const std::vector<int> feb = emotionMonthScores(1, 2024, 2);
    const std::vector<int> firstTen = {1, 7, 3, 7, 9, 6, 10, 5, 8, 4};
    EXPECT_EQ(std::vector<int>(feb.begin(), feb.begin() + 10), firstTen);
    EXPECT_EQ(feb[28], 8);
}

}  // namespace
}  // namespace suimei
