// The conception day: the date 265 days before birth with its quick pillars, the labels the
// window shows, and the blocks the text buttons append from tengen.db.

#include "methods/conception_day.h"

#include <gtest/gtest.h>

#include "chart/mandata.h"
#include "core/app_paths.h"
#include "readings/passage_table.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

Tmandata bornOn(int year, int month, int day) {
    Tmandata chart;
    chart.birthYear = year;
    chart.birthMonth = static_cast<std::uint8_t>(month);
    chart.birthDay = static_cast<std::uint8_t>(day);
    chart.computePriorDate();
    return chart;
}

TEST(ConceptionDay, PriorDateAndItsQuickPillars) {
    // 2001-10-28 is day 301 of 2001; 265 days earlier is day 36, February 5. 2001 mod 12 = 9,
    // whose February entry is the 4th, so the 5th already belongs to the year 辛巳 and the month
    // 庚寅 (a 辛 year starts its months at 庚寅). Day: 2000-01-01 is 戊午 (55); 401 days on is
    // 55 + 401 = 456 ≡ 36, 己亥.
    const Tmandata chart = bornOn(2001, 10, 28);
    EXPECT_EQ(chart.priorYear, 2001);
    EXPECT_EQ(chart.priorMonth, 2);
    EXPECT_EQ(chart.priorDay, 5);
    EXPECT_EQ(conceptionDateLabel(chart), "《宿霊日》 2001/2/5");
    const std::array<std::string, 6> expected = {"辛", "巳", "庚", "寅", "己", "亥"};
    EXPECT_EQ(conceptionPillarLabels(chart), expected);

    // 2001-09-28 goes back to 2001-01-06: before the February entry, so still the year 庚辰,
    // and on the day of the January entry (the 6th), so already the month 己丑 (month stems of
    // calendar 2001 start from base 6: January is 己).
    const Tmandata january = bornOn(2001, 9, 28);
    EXPECT_EQ(conceptionDateLabel(january), "《宿霊日》 2001/1/6");
    const auto labels = conceptionPillarLabels(january);
    EXPECT_EQ(labels[0] + labels[1], "庚辰");
    EXPECT_EQ(labels[2] + labels[3], "己丑");
}

TEST(ConceptionDay, NoRunShowsEmptyLabels) {
    const Tmandata empty;
    for (const std::string& label : conceptionPillarLabels(empty)) EXPECT_EQ(label, "");
}

class ConceptionTable : public ::testing::Test {
  protected:
    void add(const std::string& stem, const std::string& branch, const std::string& memo) {
        table->append();
        table->setField("item1", stem);
        table->setField("item2", branch);
        table->setField("memo", memo);
        ASSERT_TRUE(table->post());
    }
    testing::TempDir dir;
    std::unique_ptr<Table> table =
        openReadingTable(AppPaths(dir.path()), ReadingTableKind::ConceptionDay);
};

TEST_F(ConceptionTable, FirstExactMatchGivesThePassage) {
    add("己 ", "亥", "空白のある干");
    add("己", "亥", "一つ目の己亥。\n二行目。");
    add("己", "亥", "二つ目の己亥。");
    add("庚", "寅", "");
    EXPECT_EQ(lookupConceptionPassage(*table, "己", "亥"), "一つ目の己亥。\n二行目。");
    EXPECT_EQ(lookupConceptionPassage(*table, "庚", "寅"), "");
    EXPECT_EQ(lookupConceptionPassage(*table, "辛", "巳"), "");
    EXPECT_EQ(lookupConceptionPassage(*table, "", ""), "");
}

TEST_F(ConceptionTable, EachButtonsBlockIsFourLines) {
    add("己", "亥", "己亥の文章。");
    const Tmandata chart = bornOn(2001, 10, 28);
    const std::vector<std::string> day = conceptionBlock(ConceptionPillar::Day, chart, *table);
    const std::vector<std::string> expectedDay = {
        "■日干支は小性と呼ばれ、初年期から青年期における素質や才能を見ます。", "干支：己亥",
        "己亥の文章。", ""};
    EXPECT_EQ(day, expectedDay);
    // No record for 辛巳 or 庚寅: the block is still written, with an empty passage line.
    const auto year = conceptionBlock(ConceptionPillar::Year, chart, *table);
    ASSERT_EQ(year.size(), 4u);
    EXPECT_EQ(year[0], "■年干支は大性と呼ばれ、天性の素質や遺伝を見ます。");
    EXPECT_EQ(year[1], "干支：辛巳");
    EXPECT_EQ(year[2], "");
    const auto month = conceptionBlock(ConceptionPillar::Month, chart, *table);
    EXPECT_EQ(month[0], "■月干支は中性と呼ばれ、中年期における素質や才能を見ます。");
    EXPECT_EQ(month[1], "干支：庚寅");
}

}  // namespace
}  // namespace suimei
