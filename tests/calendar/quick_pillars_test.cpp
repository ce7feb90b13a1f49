#include "calendar/quick_pillars.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

// Day numbers: 2000-01-01 is 戊午 (55) and 1900-01-01 甲戌 (11), 36524 days apart; 1949-10-01 is
// a well-known 甲子 day. The rest follow by counting days from these.
TEST(QuickDayNumber, KnownDays) {
    EXPECT_EQ(quickDayNumber(2000, 1, 1), 55);
    EXPECT_EQ(quickDayStem(2000, 1, 1), 5);    // 戊
    EXPECT_EQ(quickDayBranch(2000, 1, 1), 7);  // 午
    EXPECT_EQ(quickDayNumber(1900, 1, 1), 11);
    EXPECT_EQ(quickDayNumber(1949, 10, 1), 1);
    EXPECT_EQ(quickDayNumber(1984, 2, 10), 11);
}

TEST(QuickDayNumber, FebruaryEndsOfLeapAndCommonCenturies) {
    // 2000 is a leap year: 2000-02-29 is the 60th day (55 + 59 → 54), 03-01 the next.
    EXPECT_EQ(quickDayNumber(2000, 2, 29), 54);
    EXPECT_EQ(quickDayNumber(2000, 3, 1), 55);
    // 1900 is not: 02-28 is day 59 of the year and 03-01 follows at once.
    EXPECT_EQ(quickDayNumber(1900, 2, 28), 9);
    EXPECT_EQ(quickDayNumber(1900, 3, 1), 10);
    // A remainder of 0 reads 60: 1999-11-07, 55 days before 2000-01-01, is 癸亥.
    EXPECT_EQ(quickDayNumber(1999, 11, 7), 60);
    EXPECT_EQ(quickDayStem(1999, 11, 7), 10);
    EXPECT_EQ(quickDayBranch(1999, 11, 7), 12);
}

TEST(QuickYearMonth, CheckValues) {
    // 1984-02-10: year 甲子, month 丙寅.
    EXPECT_EQ(quickYearMonthStems(210, 1984), (QuickYearMonth{1, 3}));
    EXPECT_EQ(quickYearMonthBranches(210, 1984), (QuickYearMonth{1, 3}));
    // 1984-01-03: before 立春 and before the January entry: year 癸亥, month 甲子.
    EXPECT_EQ(quickYearMonthStems(103, 1984), (QuickYearMonth{10, 1}));
    EXPECT_EQ(quickYearMonthBranches(103, 1984), (QuickYearMonth{12, 1}));
}

TEST(QuickYearMonth, SpringEntryOnFebruaryFourthOrFifth) {
    // 2005 mod 12 = 1: 立春 on the 4th, so 02-04 already belongs to 乙酉.
    EXPECT_FALSE(beforeSpringEntry(2005, 204));
    EXPECT_TRUE(beforeSpringEntry(2005, 203));
    EXPECT_EQ(quickYearMonthStems(204, 2005).year, 2);
    EXPECT_EQ(quickYearMonthBranches(204, 2005).year, 10);
    EXPECT_EQ(quickYearMonthBranches(203, 2005).year, 9);  // still 甲申
    // 2004 mod 12 = 0: 立春 on the 5th, so 02-04 still belongs to 癸未.
    EXPECT_TRUE(beforeSpringEntry(2004, 204));
    EXPECT_FALSE(beforeSpringEntry(2004, 205));
    EXPECT_EQ(quickYearMonthStems(204, 2004).year, 10);
    EXPECT_EQ(quickYearMonthBranches(204, 2004).year, 8);
}

TEST(QuickYearMonth, MonthEntriesAtTheYearEnds) {
    // 2001-01-05 precedes the January entry (6th in class 9): month 子 of the 庚辰 year, whose
    // 子 month is 戊子 (one step back from January's 己).
    EXPECT_TRUE(beforeMonthEntry(2001, 105));
    EXPECT_FALSE(beforeMonthEntry(2001, 106));
    EXPECT_EQ(quickYearMonthStems(105, 2001), (QuickYearMonth{7, 5}));
    EXPECT_EQ(quickYearMonthBranches(105, 2001), (QuickYearMonth{5, 1}));
    EXPECT_EQ(quickYearMonthStems(106, 2001).month, 6);  // 己丑
    EXPECT_EQ(quickYearMonthBranches(106, 2001).month, 2);
    // 2023 (class 7) enters December on the 8th: 12-08 is 甲子, 12-07 still 癸亥.
    EXPECT_EQ(quickYearMonthStems(1208, 2023).month, 1);
    EXPECT_EQ(quickYearMonthBranches(1208, 2023).month, 1);
    EXPECT_EQ(quickYearMonthStems(1207, 2023).month, 10);
    EXPECT_EQ(quickYearMonthBranches(1207, 2023).month, 12);
    // The table's odd rows: class 8 enters January on the 7th, class 11 March on the 7th.
    EXPECT_TRUE(beforeMonthEntry(2000, 106));
    EXPECT_TRUE(beforeMonthEntry(2003, 306));
    EXPECT_FALSE(beforeMonthEntry(2003, 307));
}

TEST(QuickYearMonth, EarliestYearAndOutOfRange) {
    // 1312 is 壬子; its March before the entry is the 寅 month 壬寅.
    EXPECT_EQ(quickYearMonthStems(301, 1312), (QuickYearMonth{9, 9}));
    EXPECT_EQ(quickYearMonthBranches(301, 1312), (QuickYearMonth{1, 3}));
    // Before 1312 (and January 1312, still in the 1311 year) no stem is produced.
    EXPECT_EQ(quickYearMonthStems(610, 1311), (QuickYearMonth{}));
    EXPECT_EQ(quickYearMonthStems(110, 1312).year, 0);
    // A month outside 1..12 gives no month value and no failure.
    EXPECT_EQ(quickYearMonthStems(1310, 2000), (QuickYearMonth{}));
    EXPECT_EQ(quickYearMonthBranches(1310, 2000).month, 0);
    EXPECT_FALSE(beforeMonthEntry(2000, 1));
}

TEST(QuickBranches, YearBranchAndOpposite) {
    EXPECT_EQ(yearBranchOf(1984), 1);
    EXPECT_EQ(yearBranchOf(1983), 12);
    EXPECT_EQ(yearBranchOf(1312), 1);
    EXPECT_EQ(opposingBranch(1), 7);
    EXPECT_EQ(opposingBranch(6), 12);
    EXPECT_EQ(opposingBranch(7), 1);
    EXPECT_EQ(opposingBranch(12), 6);
    EXPECT_EQ(opposingBranch(0), 0);
    EXPECT_EQ(opposingBranch(13), 0);
}

}  // namespace
}  // namespace suimei
