#include "chart/hidden_stems.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

// Branch numbers used below: 子 1, 丑 2, 寅 3, 午 7, 亥 12.
constexpr int kRat = 1, kOx = 2, kTiger = 3, kHorse = 7, kPig = 12;

Schools school(int index, bool ownDepth = false) {
    Schools s;
    s.hiddenStemSchool = index;
    s.ownDepthPerBranch = ownDepth;
    return s;
}

HiddenStemMoment atDepth(long double days) {
    HiddenStemMoment m;
    m.depthTenths = termDepthTenths(days);
    return m;
}

HiddenStemMoment atClock(int hour, int minute) {
    HiddenStemMoment m;
    m.hour = hour;
    m.minute = minute;
    return m;
}

HiddenStemMoment onDate(int month, int day, bool beforeEntry = false) {
    HiddenStemMoment m;
    m.month = month;
    m.day = day;
    m.beforeEntry = beforeEntry;
    return m;
}

int activeStem(const Schools& s, PillarPosition pos, int branch, const HiddenStemMoment& m) {
    return hiddenStemEntry(s.hiddenStemSchool, branch, activeHiddenSlot(s, pos, branch, m)).stem;
}

TEST(HiddenStemTables, EveryBranchEndsInItsOwnElement) {
    // Whatever the school, a branch's main qi (last non-empty slot) carries the branch's element,
    // slot 1 is never empty and the slots are filled from the front.
    for (int school = 0; school < kHiddenStemSchoolCount; ++school) {
        for (int b = 1; b <= 12; ++b) {
            const int count = hiddenStemCount(school, b);
            ASSERT_GE(count, 1) << school << "/" << b;
            for (int k = 1; k <= 3; ++k) {
                EXPECT_EQ(hiddenStemEntry(school, b, k).stem != 0, k <= count)
                    << school << "/" << b << "/" << k;
            }
            EXPECT_EQ(elementOfStem(hiddenStemEntry(school, b, count).stem), elementOfBranch(b))
                << school << "/" << b;
        }
    }
}

TEST(HiddenStemTables, SpotChecksAgainstThePrintedTables) {
    EXPECT_EQ(hiddenStemEntry(2, 6, 3).stem, 3);  // 命理約言 巳: 丙16.55
    EXPECT_EQ(hiddenStemEntry(2, 6, 3).spanHundredths, 1655);
    EXPECT_EQ(hiddenStemEntry(1, 9, 1).stem, 6);  // 渕海子平 申: 己10 壬3 庚18
    EXPECT_EQ(hiddenStemEntry(1, 9, 1).spanHundredths, 1000);
    EXPECT_EQ(hiddenStemEntry(4, kHorse, 1).stem, 6);  // 算命学式 午: 己19 丁12
    EXPECT_EQ(hiddenStemCount(4, kRat), 1);
    EXPECT_EQ(hiddenStemCount(5, kTiger), 1);  // 透派 寅: 甲32
    EXPECT_EQ(hiddenStemEntry(5, kTiger, 1).spanHundredths, 3200);
    EXPECT_EQ(hiddenStemEntry(6, 1, 1).stem, 0);  // no such school
    EXPECT_EQ(hiddenStemEntry(1, 13, 1).stem, 0);
    EXPECT_EQ(hiddenStemEntry(1, 1, 4).stem, 0);
}

TEST(TermDepth, CutToTenthsWithoutLosingExactTenths) {
    EXPECT_EQ(termDepthTenths(9.3L), 93);
    // A depth that arrives as a double: 1.2 is stored as 1.1999999999999999556.
    EXPECT_EQ(termDepthTenths(static_cast<long double>(1.2)), 12);
    EXPECT_EQ(termDepthTenths(static_cast<long double>(0.1 * 3)), 3);
    // A raw depth of whole minutes just below a tenth stays below it (143 minutes < 0.1 day).
    EXPECT_EQ(termDepthTenths(143.0L / 1440.0L), 0);
    EXPECT_EQ(termDepthTenths(144.0L / 1440.0L), 1);
}

TEST(MonthDepthRule, BoundaryAtTheFirstSpanDiffersForTheMonth) {
    const Schools s = school(1);  // 渕海子平 丑: 癸9 辛3 己19
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kOx, atDepth(8.9L)), 10);
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kOx, atDepth(9.0L)), 8);  // month: slot 2
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kOx, atDepth(9.0L)), 10);  // others: slot 1
    EXPECT_EQ(activeStem(s, PillarPosition::Hour, kOx, atDepth(9.1L)), 8);
    // At d1 + d2 both keep slot 2; a tenth later both take slot 3.
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kOx, atDepth(12.0L)), 8);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kOx, atDepth(12.0L)), 8);
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kOx, atDepth(12.1L)), 6);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kOx, atDepth(12.1L)), 6);
    // A two-stem branch past d1 + d2 keeps its second stem.
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kRat, atDepth(31.5L)), 10);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kRat, atDepth(31.5L)), 10);
}

TEST(MonthDepthRule, DecimalSpansCompareExactly) {
    const Schools s = school(2);  // 命理約言 丑: 癸9.3 辛3.1 己18.6
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kOx, atDepth(9.2L)), 10);
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kOx, atDepth(9.3L)), 8);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kOx, atDepth(9.3L)), 10);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kOx, atDepth(9.35L)), 10);  // cut to 9.3 first
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kOx, atDepth(9.4L)), 8);
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kOx, atDepth(12.4L)), 8);  // 9.3 + 3.1
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kOx, atDepth(12.5L)), 6);
    // 子 壬10.35: a depth of 10.3 is still 壬 for the month, 10.4 is 癸.
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kRat, atDepth(10.3L)), 9);
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kRat, atDepth(10.4L)), 10);
}

TEST(MonthDepthRule, OneStemBranchNeverYieldsAnEmptySlot) {
    const Schools s = school(4);  // 算命学式 子: 癸31
    for (const long double depth : {0.0L, 15.0L, 31.0L, 31.1L, 40.0L}) {
        for (const auto pos : {PillarPosition::Year, PillarPosition::Month, PillarPosition::Day,
                               PillarPosition::Hour}) {
            EXPECT_EQ(activeHiddenSlot(s, pos, kRat, atDepth(depth)), 1);
            EXPECT_EQ(activeStem(s, pos, kRat, atDepth(depth)), 10);
        }
    }
    EXPECT_EQ(activeHiddenSlot(s, PillarPosition::Month, 0, atDepth(5)), 0);  // no branch
    EXPECT_EQ(activeHiddenSlot(school(7), PillarPosition::Month, kRat, atDepth(5)), 0);
}

TEST(TouhaRule, MonthByDepthOthersByMainQi) {
    const Schools s = school(5, true);  // the own-depth choice does not apply to this school
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kRat, atDepth(5.9L)), 9);   // 壬
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kRat, atDepth(6.0L)), 10);  // 癸
    for (const long double depth : {0.0L, 31.9L, 32.0L, 35.0L}) {
        EXPECT_EQ(activeStem(s, PillarPosition::Month, kTiger, atDepth(depth)), 1);  // 甲 always
    }
    EXPECT_EQ(activeHiddenSlot(s, PillarPosition::Year, kRat, atDepth(0)), 2);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kRat, onDate(1, 5)), 10);
    EXPECT_EQ(activeStem(s, PillarPosition::Hour, kOx, atClock(1, 0)), 6);  // 己
    EXPECT_EQ(activeHiddenSlot(s, PillarPosition::Hour, kTiger, atClock(3, 0)), 1);
}

TEST(OwnDepthRule, HourBranchSharesItsTwoHours) {
    // 日本教科書 寅 戊7 丙7 甲17 from 3:00: 戊 until 3:27.1, 丙 until 3:54.2, then 甲.
    const Schools s = school(3, true);
    EXPECT_EQ(activeStem(s, PillarPosition::Hour, kTiger, atClock(3, 0)), 5);
    EXPECT_EQ(activeStem(s, PillarPosition::Hour, kTiger, atClock(3, 27)), 5);
    EXPECT_EQ(activeStem(s, PillarPosition::Hour, kTiger, atClock(3, 28)), 3);
    EXPECT_EQ(activeStem(s, PillarPosition::Hour, kTiger, atClock(3, 54)), 3);
    EXPECT_EQ(activeStem(s, PillarPosition::Hour, kTiger, atClock(3, 55)), 1);
    EXPECT_EQ(activeStem(s, PillarPosition::Hour, kTiger, atClock(4, 59)), 1);
    // 子 from 23:00 across midnight (渕海子平 壬10 癸21: 壬 until 23:38.7).
    const Schools s1 = school(1, true);
    EXPECT_EQ(activeStem(s1, PillarPosition::Hour, kRat, atClock(23, 30)), 9);
    EXPECT_EQ(activeStem(s1, PillarPosition::Hour, kRat, atClock(23, 40)), 10);
    EXPECT_EQ(activeStem(s1, PillarPosition::Hour, kRat, atClock(0, 30)), 10);
}

TEST(OwnDepthRule, DayBranchSharesTheDayFromEleven) {
    // 渕海子平 寅 戊7 丙7 甲17: w1 = 23 + 7·24/31 → 4:25.2, w2 → 9:50.3.
    const Schools s = school(1, true);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kTiger, atClock(23, 30)),
              1);  // 23:00-24:00 slot 3
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kTiger, atClock(0, 30)), 5);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kTiger, atClock(4, 25)), 5);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kTiger, atClock(4, 26)), 3);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kTiger, atClock(9, 50)), 3);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kTiger, atClock(9, 51)), 1);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kTiger, atClock(22, 59)), 1);
    // 子 壬10 癸21: 壬 until 6:44.5, then 癸; 23:xx wants slot 3 and falls back to 癸.
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kRat, atClock(6, 44)), 9);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kRat, atClock(6, 45)), 10);
    EXPECT_EQ(activeStem(s, PillarPosition::Day, kRat, atClock(23, 30)), 10);
    EXPECT_EQ(activeStem(school(4, true), PillarPosition::Day, kRat, atClock(23, 30)), 10);
}

TEST(OwnDepthRule, YearBranchSharesTheYearFromSpring) {
    // 渕海子平 寅: y1 = 2.13 + 7·12/31 ≈ 4.8397, y2 ≈ 7.5494 (month + day/30).
    const Schools s = school(1, true);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kTiger, onDate(3, 1)), 5);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kTiger, onDate(4, 25)), 5);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kTiger, onDate(4, 26)), 3);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kTiger, onDate(7, 16)), 3);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kTiger, onDate(7, 17)), 1);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kTiger, onDate(1, 15)), 1);  // January: slot 3
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kTiger, onDate(2, 3, true)), 1);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kTiger, onDate(2, 20)), 5);
    // 亥 戊7 甲5 壬19 before the February entry takes its main qi; 子 falls back to 癸.
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kPig, onDate(2, 3, true)), 9);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kRat, onDate(2, 3, true)), 10);
    EXPECT_EQ(activeStem(s, PillarPosition::Year, kRat, onDate(1, 10)), 10);
    // The month branch keeps the month-depth rule under this choice.
    EXPECT_EQ(activeStem(s, PillarPosition::Month, kRat, atDepth(10.0L)), 10);
}

}  // namespace
}  // namespace suimei
