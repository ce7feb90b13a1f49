// The readings of the luck pages and the family diagram: keys formed from a chart, the luck memo
// lines of a grid click, and the annual imagery found by its stem keys.
#include <gtest/gtest.h>

#include "chart/luck.h"
#include "readings/family_readings.h"
#include "readings/luck_readings.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

const std::string kBom = "\xEF\xBB\xBF";

Tmandata dayChart(int dayStem, int dayBranch) {
    Tmandata c;
    c.sex = 'M';
    c.dayPillar.stem = static_cast<Stem>(dayStem);
    c.dayPillar.branch = static_cast<Branch>(dayBranch);
    return c;
}

TEST(FamilyReadingKeys, SpouseStemIsLookedForInEveryPlace) {
    // Day 甲: the spouse stem is 己. It stands as the month stem and in the day branch.
    Tmandata c = dayChart(1, 11);
    c.monthPillar.stem = 6;
    c.dayPillar.activeHidden = 6;
    c.voidFirst = 9, c.voidSecond = 10;
    EXPECT_EQ(familyReadingKeys(FamilyReading::SpousePosition, c),
              (std::vector<std::string>{"{配偶者干-月干}", "{配偶者干-日支蔵干}"}));
    // 己 against itself in the day branch: 比肩.
    EXPECT_EQ(familyReadingKeys(FamilyReading::SpouseDayBranch, c),
              (std::vector<std::string>{"{日支の干-比肩}"}));
    EXPECT_EQ(familyReadingKeys(FamilyReading::VoidTrial, c),
              (std::vector<std::string>{"{天冲殺-申酉}"}));
    // Nowhere: one "なし" passage. 戊 in the day branch seen from 己: 劫財.
    c.monthPillar.stem = 3;
    c.dayPillar.activeHidden = 5;
    EXPECT_EQ(familyReadingKeys(FamilyReading::SpousePosition, c),
              (std::vector<std::string>{"{配偶者干-なし}"}));
    EXPECT_EQ(familyReadingKeys(FamilyReading::SpouseDayBranch, c),
              (std::vector<std::string>{"{日支の干-劫財}"}));
    EXPECT_TRUE(familyReadingKeys(FamilyReading::VoidTrial, Tmandata{}).empty());
    EXPECT_FALSE(voidTrialSectionKey(2));  // a pair starts at a yang branch
    EXPECT_FALSE(spousePositionSectionKey(8));
}

TEST(FamilyReadingLines, HeadingThenEachSection) {
    testing::TempDir dir;
    dir.write("rokusin.txt", kBom +
                                 "{配偶者干-月干}\r\n月干の文。\r\n{配偶者干-日支蔵干}\r\n日支の文"
                                 "。\r\n二行目。\r\n{end}\r\n");
    Tmandata c = dayChart(1, 11);
    c.monthPillar.stem = 6;
    c.dayPillar.activeHidden = 6;
    RecordingNotifier notes;
    const auto lines =
        familyReadingLines(FamilyReading::SpousePosition, c, AppPaths(dir.path()), notes);
    EXPECT_EQ(lines, (std::vector<std::string>{"【配偶者干と位置関係】", "月干の文。", "日支の文。",
                                               "二行目。"}));
}

TEST(LuckGridClick, HeadingAndMemoSectionOrNothingOutsideTheGrid) {
    testing::TempDir dir;
    dir.write("memo3.txt", kBom + "{正財-帝旺}\r\n読み。\r\n{end}\r\n");
    Tmandata c = dayChart(1, 11);
    c.luckAges[3] = 13;
    c.luckTenGods[3] = 8;
    c.luckStages[3] = 5;
    c.annualTenGods[40] = 8;
    c.annualStages[40] = 5;
    RecordingNotifier notes;
    const AppPaths paths(dir.path());
    EXPECT_EQ(luckGridClickLines(c, LuckGrid::Periods, 3, paths, notes),
              (std::vector<std::string>{"●13才から１０年間の大運－【正財-帝旺】", "読み。"}));
    EXPECT_EQ(luckGridClickLines(c, LuckGrid::Years, 41, paths, notes),
              (std::vector<std::string>{"○40才の年運－【正財-帝旺】", "読み。"}));
    for (int column : {0, 13}) {
        EXPECT_TRUE(luckGridClickLines(c, LuckGrid::Periods, column, paths, notes).empty());
    }
    EXPECT_TRUE(luckGridClickLines(c, LuckGrid::Years, 121, paths, notes).empty());
    EXPECT_TRUE(luckGridClickLines(Tmandata{}, LuckGrid::Years, 1, paths, notes).empty());
}

TEST(AnnualImagery, RowsAreFoundByTheirStemKeysInAnyOrder) {
    testing::TempDir dir;
    auto t = openReadingTable(AppPaths(dir.path()), ReadingTableKind::AnnualImagery);
    ASSERT_TRUE(t);
    {
        // Written backwards: 癸/癸 first, 甲/甲 last.
        Table::Batch batch(*t);
        for (int day = 10; day >= 1; --day) {
            for (int year = 10; year >= 1; --year) {
                t->append();
                t->setField("k01", std::string(stemName(day)));
                t->setField("k02", std::string(stemName(year)));
                t->setField("tango1", "good" + std::to_string(day) + "-" + std::to_string(year));
                t->setField("tango2", "bad" + std::to_string(day) + "-" + std::to_string(year));
                t->setField("hlp1", "gh");
                t->setField("hlp2", "bh");
                ASSERT_TRUE(t->post());
            }
        }
        ASSERT_TRUE(batch.commit());
    }
    const AnnualImagery a = loadAnnualImagery(*t);
    EXPECT_EQ(a.goodKeyword[1][1], "good1-1");
    EXPECT_EQ(a.badKeyword[3][7], "bad3-7");
    // A ○ year reads the good keyword, any other mark the bad one; out of range reads nothing.
    AnnualColumn y;
    y.stem = 7;
    y.mark = kRatingGood;
    EXPECT_EQ(annualFortune(a, 3, y).text, "good3-7");
    EXPECT_EQ(annualFortune(a, 3, y).hint, "gh");
    y.mark = kRatingNeutral;
    EXPECT_EQ(annualFortune(a, 3, y).text, "bad3-7");
    y.outOfRange = true;
    EXPECT_EQ(annualFortune(a, 3, y).text, "");
}

}  // namespace
}  // namespace suimei
