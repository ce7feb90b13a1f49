#include "methods/tokushu_stars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <set>
#include <string>

namespace suimei {
namespace {

using Stars = std::vector<int>;

// Stems 甲..癸 = 1..10, branches 子..亥 = 1..12.
enum : Stem { kKinoe = 1, kKinoto, kHinoe, kHinoto, kTsuchinoe, kTsuchinoto, kKanoe };
enum : Branch { kNe = 1, kUshi, kTora, kU, kTatsu, kMi, kUma, kHitsuji, kSaru, kTori, kInu, kI };

TEST(TokushuStars, CatalogueKeepsItsMarksAndIsEmptyOutsideOneToNineteen) {
    EXPECT_EQ(tokushuStarText(1), "大極貴人：力と発展の星");
    EXPECT_EQ(tokushuStarText(4), "天官貴人：官史・出世の星");
    EXPECT_EQ(tokushuStarText(13), ".天徳貴人：最高の徳と幸運");
    EXPECT_EQ(tokushuStarText(18), ".感池殺：愛と性,色情");
    EXPECT_EQ(tokushuStarText(19), "魁ごう:実行力,強情");
    EXPECT_EQ(tokushuStarText(0), "");
    EXPECT_EQ(tokushuStarText(20), "");
    EXPECT_EQ(tokushuStarText(30), "");
    EXPECT_EQ(tokushuStarText(-1), "");
}

// 甲 with 子 in every branch: 子 is a 大極貴人 branch of 甲 and nothing else of 甲's tables, so
// the star shows under the year only, although the other pillars carry the same branch.
TEST(TokushuStars, GreatPoleIsReadFromTheYearBranchAlone) {
    TokushuStarChart c;
    c.dayStem = kKinoe;
    c.yearBranch = c.monthBranch = c.dayBranch = c.hourBranch = kNe;
    const TokushuStars s = detectTokushuStars(c);
    EXPECT_EQ(s.year, Stars{1});
    EXPECT_TRUE(s.month.empty());
    EXPECT_TRUE(s.day.empty());
    EXPECT_TRUE(s.hour.empty());
}

// 甲 with 丑 everywhere: 天乙貴人 (甲→丑) under the year and the month only; the day and the hour
// carry 華蓋 (month 丑 → 丑), and the grid lists the hour first and the year last.
TEST(TokushuStars, HeavenlyNobleIsReadFromYearAndMonthOnlyAndRowsRunHourToYear) {
    TokushuStarChart c;
    c.dayStem = kKinoe;
    c.yearBranch = c.monthBranch = c.dayBranch = c.hourBranch = kUshi;
    const TokushuStars s = detectTokushuStars(c);
    EXPECT_EQ(s.year, Stars{2});
    EXPECT_EQ(s.month, Stars{2});
    EXPECT_EQ(s.day, Stars{17});
    EXPECT_EQ(s.hour, Stars{17});
    const auto rows = tokushuStarRows(s);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].pillar, "時柱");
    EXPECT_EQ(rows[0].text, ".華蓋：博愛精神");
    EXPECT_EQ(rows[1].pillar, "日柱");
    EXPECT_EQ(rows[2].pillar, "月柱");
    EXPECT_EQ(rows[2].text, "天乙貴人：援助,引き立ての星");
    EXPECT_EQ(rows[3].pillar, "年柱");
    EXPECT_EQ(rows[3].star, 2);
}

TEST(TokushuStars, KuiGangNeedsTheDayBranchOfItsTable) {
    TokushuStarChart c;
    c.dayStem = kTsuchinoe;
    c.dayBranch = kInu;
    EXPECT_EQ(detectTokushuStars(c).day, Stars{19});
    // 戊辰 is not in the table (庚辰 and 壬辰 are); 辰 is 戊's 紅艶 branch instead.
    c.dayBranch = kTatsu;
    EXPECT_EQ(detectTokushuStars(c).day, Stars{11});
    c.dayStem = kKanoe;
    EXPECT_EQ(detectTokushuStars(c).day, (Stars{12, 19}));
    // 戌 in the hour does not count: the star looks at the day pillar only.
    c.dayStem = kTsuchinoe;
    c.dayBranch = kTatsu;
    c.hourBranch = kInu;
    const TokushuStars s = detectTokushuStars(c);
    EXPECT_EQ(std::count(s.hour.begin(), s.hour.end(), 19), 0);
}

// 亥→乙 stands twice in the table of 天徳貴人; the walk stops at the first.
TEST(TokushuStars, ADuplicatedPairAddsItsStarOnce) {
    TokushuStarChart c;
    c.monthBranch = kI;
    c.dayStem = kKinoto;
    c.hourStem = kKinoto;
    const TokushuStars s = detectTokushuStars(c);
    EXPECT_EQ(s.day, Stars{13});
    EXPECT_EQ(s.hour, Stars{13});
    // The month's own stem is not read by 天徳貴人; its branch 亥 is 乙's 福星貴人.
    EXPECT_EQ(s.month, Stars{3});
}

// Year 丙子, month 乙未, day 己未, hour 甲子, worked by hand:
//  year 子:  天乙貴人 (己→子).
//  month 未: 福星 金興禄 暗禄 羊刃 (己→未 in tables 3, 7, 8, 9); its stem 乙 is no month-keyed
//            target of 未, and 未 is no 感池殺 branch of a 未 day.
//  day 己未: the same four, 天徳貴人 (未→己), 天徳合 and 月徳合 (未→己), 華蓋 (未→未): eight.
//  hour 甲子: 天徳貴人 and 月徳貴人 (未→甲), 感池殺 (day 未 → 子).
TEST(TokushuStars, TheDayListHoldsAllEightStarsOfItsChart) {
    TokushuStarChart c;
    c.dayStem = kTsuchinoto;
    c.monthStem = kKinoto;
    c.hourStem = kKinoe;
    c.yearBranch = kNe;
    c.monthBranch = kHitsuji;
    c.dayBranch = kHitsuji;
    c.hourBranch = kNe;
    const TokushuStars s = detectTokushuStars(c);
    EXPECT_EQ(s.year, Stars{2});
    EXPECT_EQ(s.month, (Stars{3, 7, 8, 9}));
    EXPECT_EQ(s.day, (Stars{3, 7, 8, 9, 13, 15, 16, 17}));
    EXPECT_EQ(s.hour, (Stars{13, 14, 18}));
    const auto rows = tokushuStarRows(s);
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[3].pillar, "日柱");
    EXPECT_EQ(rows[10].text, ".華蓋：博愛精神");
    EXPECT_EQ(rows[11].pillar, "月柱");
    EXPECT_EQ(rows[15].pillar, "年柱");

    // 己未 in the hour as well gives the hour the same eight.
    c.hourStem = kTsuchinoto;
    c.hourBranch = kHitsuji;
    EXPECT_EQ(detectTokushuStars(c).hour, (Stars{3, 7, 8, 9, 13, 15, 16, 17}));
}

TEST(TokushuStars, AChartBeforeItsFirstRunHasNoStars) {
    const TokushuStars s = detectTokushuStars(TokushuStarChart{});
    EXPECT_TRUE(tokushuStarRows(s).empty());
    // A chart without its hour: the hour list stays empty whatever the others show.
    TokushuStarChart c;
    c.dayStem = kTsuchinoto;
    c.monthBranch = c.dayBranch = kHitsuji;
    EXPECT_TRUE(detectTokushuStars(c).hour.empty());
}

// Every combination of the values the detection reads. The lists split by what they depend on
// (the year on the year branch, the month on the month stem, the hour on the hour pillar, all of
// them besides on day stem, month branch and day branch), so the largest grid of each
// (day stem, month branch, day branch) is the sum of the separate largest lists.
TEST(TokushuStars, NoChartOverflowsTheGridAndNoPillarGetsAStarOutsideItsTables) {
    std::size_t largestGrid = 0;
    std::size_t largestList = 0;
    auto checkLists = [&](const TokushuStars& s) {
        for (StarPillar p :
             {StarPillar::Hour, StarPillar::Day, StarPillar::Month, StarPillar::Year}) {
            const Stars& list = s.of(p);
            largestList = std::max(largestList, list.size());
            ASSERT_TRUE(std::is_sorted(list.begin(), list.end()));
            ASSERT_EQ(std::set<int>(list.begin(), list.end()).size(), list.size())
                << "a star twice in one pillar";
        }
        for (int star : s.year) ASSERT_LE(star, 12) << "a month- or day-keyed star in the year";
        for (int star : s.day) ASSERT_TRUE(star >= 3 && star != 18);
        for (int star : s.month) ASSERT_TRUE(star >= 2 && star != 13 && star != 17 && star != 19);
        for (int star : s.hour) ASSERT_TRUE(star >= 3 && star != 19);
    };
    for (int ds = 1; ds <= 10; ++ds) {
        for (int mb = 1; mb <= 12; ++mb) {
            for (int db = 1; db <= 12; ++db) {
                TokushuStarChart c;
                c.dayStem = static_cast<Stem>(ds);
                c.monthBranch = static_cast<Branch>(mb);
                c.dayBranch = static_cast<Branch>(db);
                std::size_t year = 0, month = 0, hour = 0;
                for (int yb = 1; yb <= 12; ++yb) {
                    TokushuStarChart y = c;
                    y.yearBranch = static_cast<Branch>(yb);
                    const TokushuStars s = detectTokushuStars(y);
                    checkLists(s);
                    year = std::max(year, s.year.size());
                }
                for (int ms = 1; ms <= 10; ++ms) {
                    TokushuStarChart m = c;
                    m.monthStem = static_cast<Stem>(ms);
                    const TokushuStars s = detectTokushuStars(m);
                    checkLists(s);
                    month = std::max(month, s.month.size());
                }
                for (int hs = 1; hs <= 10; ++hs) {
                    for (int hb = 1; hb <= 12; ++hb) {
                        TokushuStarChart h = c;
                        h.hourStem = static_cast<Stem>(hs);
                        h.hourBranch = static_cast<Branch>(hb);
                        const TokushuStars s = detectTokushuStars(h);
                        checkLists(s);
                        hour = std::max(hour, s.hour.size());
                    }
                }
                const std::size_t day = detectTokushuStars(c).day.size();
                largestGrid = std::max(largestGrid, year + month + day + hour);
            }
        }
    }
    std::cout << "[ bound ] largest grid " << largestGrid << " rows, largest list " << largestList
              << "\n";
    EXPECT_LE(largestGrid, static_cast<std::size_t>(kTokushuStarGridRows));
    EXPECT_EQ(largestList, 8u);
}

// The largest grid, by hand: 己未 in every pillar gives the year 大極 福星 金興禄 暗禄 羊刃, the
// month the four 未 stars with 天徳合 and 月徳合 on its stem 己, the day and the hour eight each.
TEST(TokushuStars, FourPillarsOfJiWeiFillTwentySevenRows) {
    TokushuStarChart c;
    c.dayStem = c.monthStem = c.hourStem = kTsuchinoto;
    c.yearBranch = c.monthBranch = c.dayBranch = c.hourBranch = kHitsuji;
    const TokushuStars s = detectTokushuStars(c);
    EXPECT_EQ(s.year, (Stars{1, 3, 7, 8, 9}));
    EXPECT_EQ(s.month, (Stars{3, 7, 8, 9, 15, 16}));
    EXPECT_EQ(tokushuStarRows(s).size(), 27u);
}

}  // namespace
}  // namespace suimei
