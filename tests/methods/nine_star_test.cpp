#include "methods/nine_star.h"

#include <gtest/gtest.h>

#include <set>

namespace suimei {
namespace {

// Year stars of the published Nine Star Ki tables (the star of the solar year from 立春).
TEST(NineStar, YearStarsOfKnownYears) {
    struct Case {
        int year, star;
    };
    const Case cases[] = {{1900, 1}, {1984, 7}, {1985, 6}, {1986, 5}, {1987, 4},
                          {1988, 3}, {1989, 2}, {1990, 1}, {1991, 9}, {1992, 8},
                          {2000, 9}, {2024, 3}, {2025, 2}, {101, 9},  {100, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(natalStar(c.year, false), c.star) << c.year;
    }
    EXPECT_EQ(nineStarName(7), "七赤金星");
    EXPECT_EQ(nineStarName(2), "ニ黒土星");  // katakana ニ
    EXPECT_EQ(nineStarName(9), "九紫火星");
    EXPECT_EQ(nineStarName(0), "");
    EXPECT_EQ(nineStarName(10), "");
}

TEST(NineStar, BirthBeforeRisshunTakesThePreviousYearsStar) {
    EXPECT_EQ(natalStar(1985, true), 7);  // still the 1984 solar year
    EXPECT_EQ(natalStar(1991, true), 1);  // 九紫 + 1 wraps to 一白 (1990)
    EXPECT_EQ(natalStar(2000, true), 1);  // 1999 is 一白
}

// Month stars from the published month tables: in 一白・四緑・七赤 years the 寅 month is 八白,
// in 三碧・六白・九紫 years 五黄, in 二黒・五黄・八白 years 二黒; one less each month after.
TEST(NineStar, MonthStarsOfKnownYears) {
    // 1984 (七赤): February 寅 ... December 子; January 1985 is the 丑 month of 1984.
    const int y1984[] = {8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7};
    for (int m = 2; m <= 12; ++m) EXPECT_EQ(monthStar(1984, m, false), y1984[m - 2]) << m;
    EXPECT_EQ(monthStar(1985, 1, false), 6);
    // 2000 (九紫).
    const int y2000[] = {5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4};
    for (int m = 2; m <= 12; ++m) EXPECT_EQ(monthStar(2000, m, false), y2000[m - 2]) << m;
    // 1989 (二黒).
    EXPECT_EQ(monthStar(1989, 2, false), 2);
    EXPECT_EQ(monthStar(1989, 3, false), 1);
    EXPECT_EQ(monthStar(1989, 4, false), 9);
    // Before the month's 節 the previous month's star holds.
    EXPECT_EQ(monthStar(1984, 3, true), 8);
    EXPECT_EQ(monthStar(1984, 10, true), 1);  // 九紫 + 1 wraps to 一白
    EXPECT_EQ(monthStar(1984, 0, false), 0);
    EXPECT_EQ(monthStar(1984, 13, true), 0);
}

// The chart's stems tell whether the birth precedes 立春 or its month's 節: 1984 is 甲子 and
// its 寅 month 丙寅; 2 February 1984 still lies in 乙丑 of 癸亥 (1983). January 1985 after 小寒
// is 丁丑, before it 丙子. 2000 is 庚辰; December 2000 after 大雪 is 戊子.
TEST(NineStar, StemsShowBirthsBeforeTheSolarTerm) {
    EXPECT_FALSE(isBeforeSolarYearStart(1984, 1));  // 甲
    EXPECT_TRUE(isBeforeSolarYearStart(1984, 10));  // 癸
    EXPECT_FALSE(isBeforeSolarYearStart(2000, 7));  // 庚
    EXPECT_TRUE(isBeforeSolarYearStart(2000, 6));   // 己
    EXPECT_FALSE(isBeforeSolarYearStart(1984, 0));  // no stem: no shift
    EXPECT_FALSE(isBeforeMonthTerm(1984, 2, 3));    // 丙寅
    EXPECT_TRUE(isBeforeMonthTerm(1984, 2, 2));     // 乙丑
    EXPECT_FALSE(isBeforeMonthTerm(1985, 1, 4));    // 丁丑
    EXPECT_TRUE(isBeforeMonthTerm(1985, 1, 3));     // 丙子
    EXPECT_FALSE(isBeforeMonthTerm(2000, 12, 5));   // 戊子
    EXPECT_FALSE(isBeforeMonthTerm(2000, 13, 5));
    EXPECT_FALSE(isBeforeMonthTerm(2000, 12, 0));
}

TEST(NineStar, BirthsAroundTheNewYearOf1985) {
    // 15 January 1985: after 小寒, before 立春.
    auto k =
        computeNineStarKi(1985, 1, isBeforeSolarYearStart(1985, 1), isBeforeMonthTerm(1985, 1, 4));
    EXPECT_EQ(k.natalStar, 7);
    EXPECT_EQ(k.monthStar, 6);
    // 3 January 1985: before 小寒, so N = T = 7 and the centre table gives 艮.
    k = computeNineStarKi(1985, 1, true, isBeforeMonthTerm(1985, 1, 3));
    EXPECT_EQ(k.natalStar, 7);
    EXPECT_EQ(k.monthStar, 7);
    EXPECT_EQ(palaceName(k.inclinationPosition), "艮");
    EXPECT_EQ(k.inclinationStar, 8);
    // 2 February 1985: before 立春, so also before the 寅 month: 丑 month of 1984.
    k = computeNineStarKi(1985, 2, true, true);
    EXPECT_EQ(k.natalStar, 7);
    EXPECT_EQ(k.monthStar, 6);
}

TEST(NineStar, InclinationWhereTheNatalStarStandsOnTheMonthBoard) {
    EXPECT_EQ(inclinationPosition(1, 2), 1);  // 巽
    EXPECT_EQ(fixedStar(inclinationPosition(1, 2)), 4);
    // N - T + 4 is negative here: the star 1 stands in 乾 on the board of 九紫.
    EXPECT_EQ(inclinationPosition(1, 9), 9);
    EXPECT_EQ(inclinationPosition(2, 9), 6);  // 兌
    // 七赤 born in a 八白 month (February 1984): on the board of 8, star 7 stands in 巽.
    EXPECT_EQ(palaceName(inclinationPosition(7, 8)), "巽");
    // Whatever N and T, the inclination is where the board of T holds N.
    for (int n = 1; n <= 9; ++n) {
        for (int t = 1; t <= 9; ++t) {
            if (n == t) continue;
            EXPECT_EQ(boardStar(t, inclinationPosition(n, t)), n) << n << "/" << t;
        }
    }
    EXPECT_EQ(inclinationPosition(0, 3), 0);
    EXPECT_EQ(inclinationPosition(3, 10), 0);
}

// The centre rule of the published tables: 一白→離, 二黒→乾, 三碧→巽, 四緑→震, 五黄→兌 (a
// woman's square is shown at 乾), 六白→坤, 七赤→艮, 八白→兌, 九紫→坎.
TEST(NineStar, NatalStarInTheCentre) {
    const char* palaces[] = {"離", "乾", "巽", "震", "兌", "坤", "艮", "兌", "坎"};
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(palaceName(inclinationPosition(n, n)), palaces[n - 1]);
    EXPECT_EQ(inclinationHighlightPosition(5, 5, true), 9);
    EXPECT_EQ(inclinationHighlightPosition(5, 5, false), 6);
    EXPECT_EQ(inclinationHighlightPosition(7, 8, true), 1);
    EXPECT_EQ(computeNineStarKi(1986, 8, false, false).inclinationStar, 7);  // N = T = 5
}

TEST(NineStar, Boards) {
    // 一白 in the centre: 巽 九紫, 離 五黄, 坤 七赤, 震 八白, 兌 三碧, 艮 四緑, 坎 六白, 乾 二黒.
    const int board1[] = {9, 5, 7, 8, 1, 3, 4, 6, 2};
    for (int p = 1; p <= 9; ++p) {
        EXPECT_EQ(boardStar(1, p), board1[p - 1]) << p;
        EXPECT_EQ(boardStar(5, p), fixedStar(p)) << p;
    }
    for (int c = 1; c <= 9; ++c) {
        std::set<int> stars;
        for (int p = 1; p <= 9; ++p) stars.insert(boardStar(c, p));
        EXPECT_EQ(stars.size(), 9u) << c;
        EXPECT_EQ(boardStar(c, 5), c);
        for (int s = 1; s <= 9; ++s) EXPECT_EQ(boardStar(c, positionOfStar(c, s)), s);
        // Dark sword: the square opposite 五黄 (positions p and 10 - p face each other).
        EXPECT_EQ(darkSwordPosition(c), c == 5 ? 0 : 10 - positionOfStar(c, 5)) << c;
    }
    EXPECT_EQ(boardStar(0, 1), 0);
    EXPECT_EQ(boardStar(1, 10), 0);
    EXPECT_EQ(fixedStar(0), 0);
}

TEST(NineStar, DirectionsBreakAndTheFutureYearBoard) {
    EXPECT_EQ(palaceName(branchPosition(1)), "坎");  // 子 north
    EXPECT_EQ(palaceName(branchPosition(4)), "震");  // 卯 east
    EXPECT_EQ(palaceName(breakPosition(1)), "離");   // 子 year breaks at 午, south
    EXPECT_EQ(palaceName(breakPosition(3)), "坤");   // 寅 breaks at 申
    EXPECT_EQ(breakPosition(0), 0);
    EXPECT_EQ(yearBoardStar(2025, 1), 3);  // January still in 2024
    EXPECT_EQ(yearBoardStar(2025, 2), 2);
    EXPECT_EQ(yearBoardStar(2025, 13), 0);
}

}  // namespace
}  // namespace suimei
