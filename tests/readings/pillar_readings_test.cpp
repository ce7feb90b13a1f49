#include "readings/pillar_readings.h"

#include <gtest/gtest.h>

#include "chart/mandata.h"
#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

using Lines = std::vector<std::string>;

// 丙午 year, 己卯 month, 甲子 day, no hour. For the 甲 day master (陽生陰死 stages):
// 丙 is 食神 and 己 is 正財; 甲 is 死 on 午, 帝旺 on 卯, 沐浴 on 子; 卯 is a spring month.
Tmandata sampleChart() {
    Tmandata c;
    c.setPillars({3, 7}, {6, 4}, {1, 1}, {0, 0}, 10);
    c.computeTenGods();
    c.computeStages(Schools{});
    // Fire liked and strong; earth neither liked nor strong.
    c.favourable1 = 2;
    c.favourable2 = 1;
    c.favourable3 = 0;
    c.elementRank = {0, 3, 4, 2, 1, 5};
    return c;
}

void addPassage(Table& t, const std::string& k1, const std::string& k2, const std::string& memo) {
    t.append();
    t.setField("key1", k1);
    t.setField("key2", k2);
    t.setField("memo", memo);
    ASSERT_TRUE(t.post()) << t.lastError();
}

class PillarReadingsTest : public ::testing::Test {
  protected:
    void write(const std::string& name, const Lines& lines) {
        const auto bytes = encodeCp932Lines(lines);
        ASSERT_TRUE(bytes);
        dir.write(name, *bytes);
    }
    testing::TempDir dir;
    AppPaths paths{dir.path()};
    RecordingNotifier notes;
};

TEST_F(PillarReadingsTest, ChartIsTheOneWorkedByHand) {
    const Tmandata c = sampleChart();
    EXPECT_EQ(c.yearPillar.stemTenGod, 2);       // 食神
    EXPECT_EQ(c.monthPillar.stemTenGod, 8);      // 正財
    EXPECT_EQ(c.yearPillar.dayMasterStage, 8);   // 死
    EXPECT_EQ(c.monthPillar.dayMasterStage, 5);  // 帝旺
    EXPECT_EQ(c.dayPillar.dayMasterStage, 2);    // 沐浴
}

TEST_F(PillarReadingsTest, PagesAfterARunReadTheirTableKeys) {
    auto passages = PassageTable::open(paths);
    ASSERT_TRUE(passages);
    Table& t = passages->table();
    addPassage(t, "AI", "年柱-食神", "年柱の食神。");
    addPassage(t, "AI", "食神-喜神-強", "喜神で強い食神。");
    addPassage(t, "AI", "食神-喜神-弱", "違う。");
    addPassage(t, "AI", "年柱-死", "年柱の死。\n二行目。");
    addPassage(t, "AI", "月柱-正財", "月柱の正財。");
    addPassage(t, "AI", "正財-忌神-弱", "忌神で弱い正財。");
    addPassage(t, "AI", "月柱-帝旺", "月柱の帝旺。");
    addPassage(t, "調候", "春甲", "春の甲木。");
    addPassage(t, "AI", "春甲", "違う。");
    addPassage(t, "AI", "日柱-沐浴", "日柱の沐浴。");

    const PillarPageTexts p = pillarPageTexts(sampleChart(), *passages);
    EXPECT_EQ(p.year.memo1, (Lines{"年柱の食神。", "喜神で強い食神。"}));
    EXPECT_EQ(p.year.memo2, (Lines{"年柱の死。", "二行目。"}));
    EXPECT_EQ(p.month.memo1, (Lines{"月柱の正財。", "忌神で弱い正財。"}));
    EXPECT_EQ(p.month.memo2, Lines{"月柱の帝旺。"});
    EXPECT_EQ(p.day.memo1, Lines{"春の甲木。"});
    EXPECT_EQ(p.day.memo2, Lines{"日柱の沐浴。"});

    // Before a run nothing is read.
    const PillarPageTexts none = pillarPageTexts(Tmandata{}, *passages);
    EXPECT_TRUE(none.year.memo1.empty() && none.month.memo2.empty() && none.day.memo1.empty());
}

TEST_F(PillarReadingsTest, HeadingClicksShowTheirSections) {
    write("nentxt.txt", {"{3}", "丙年生まれは", "明るい。", "{end}"});
    write("tukitxt.txt", {"{4}", "卯月。", "{end}"});
    write("daytxt.txt", {"{1-11}", "甲戌。", "{1-1}", "甲子。", "{end}"});
    write("cyoukou2.txt", {"{甲-卯}", "庚金と丙火。", "{end}"});
    const Tmandata c = sampleChart();
    EXPECT_TRUE(showYearHeadingReading(c, paths, notes));
    EXPECT_TRUE(showMonthHeadingReading(c, paths, notes));
    EXPECT_TRUE(showDayHeadingReading(c, paths, notes));
    EXPECT_TRUE(showClimateUsefulReading(c, paths, notes));
    ASSERT_EQ(notes.notices.size(), 4u);
    EXPECT_EQ(notes.notices[0].kind, NoticeKind::Information);
    EXPECT_EQ(notes.notices[0].text, "丙年生まれは明るい。");
    EXPECT_EQ(notes.notices[1].text, "卯月。");
    EXPECT_EQ(notes.notices[2].text, "甲子。");
    EXPECT_EQ(notes.notices[3].text, "卯月生まれの甲の調候用神：庚金と丙火。");
}

TEST_F(PillarReadingsTest, NothingHappensBeforeARunAndAnEmptyReadingShowsOnlyItsFrame) {
    write("nentxt.txt", {"{1}", "甲年。", "{end}"});
    write("cyoukou2.txt", {"{end}"});
    const Tmandata none;
    EXPECT_FALSE(showYearHeadingReading(none, paths, notes));
    EXPECT_FALSE(showMonthHeadingReading(none, paths, notes));
    EXPECT_FALSE(showDayHeadingReading(none, paths, notes));
    EXPECT_FALSE(showClimateUsefulReading(none, paths, notes));
    EXPECT_TRUE(monthCommandMemoLines(none, paths, notes).empty());
    EXPECT_TRUE(notes.empty());

    // The key {3} is not in the file: an empty box; the climate box keeps its prefix.
    const Tmandata c = sampleChart();
    EXPECT_TRUE(showYearHeadingReading(c, paths, notes));
    EXPECT_TRUE(showClimateUsefulReading(c, paths, notes));
    ASSERT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[0].text, "");
    EXPECT_EQ(notes.notices[1].text, "卯月生まれの甲の調候用神：");

    // A missing file shows its error and no box.
    EXPECT_FALSE(showDayHeadingReading(c, paths, notes));
    ASSERT_EQ(notes.notices.size(), 3u);
    EXPECT_EQ(notes.notices[2].kind, NoticeKind::Error);
}

TEST_F(PillarReadingsTest, MonthCommandMemoNeedsMonthBranchAndDayStem) {
    write("cyoukou.txt", {"{冬甲}", "冬。", "{春甲}", "春の甲の一。", "春の甲の二。", "{end}"});
    const Tmandata c = sampleChart();
    EXPECT_EQ(monthCommandMemoLines(c, paths, notes), (Lines{"春の甲の一。", "春の甲の二。"}));
    const MonthCommandView view = monthCommandView(c, paths, notes);
    EXPECT_EQ(view.seasonText, "春(卯)");
    EXPECT_EQ(view.dayMasterText, "木(甲)");
    EXPECT_EQ(view.memo.size(), 2u);
    Tmandata noBranch = c;
    noBranch.monthPillar.branch = 0;
    EXPECT_TRUE(monthCommandMemoLines(noBranch, paths, notes).empty());
    Tmandata badStem = c;
    badStem.dayPillar.stem = 11;
    EXPECT_TRUE(monthCommandMemoLines(badStem, paths, notes).empty());
    EXPECT_TRUE(notes.empty());
}

}  // namespace
}  // namespace suimei
