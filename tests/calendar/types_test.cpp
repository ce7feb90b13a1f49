#include "calendar/types.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

TEST(SexagenaryNumbers, CheckValuesOfTheNumbering) {
    EXPECT_EQ(pillarOfSexagenary(1), (Pillar{1, 1}));     // 甲子
    EXPECT_EQ(pillarOfSexagenary(55), (Pillar{5, 7}));    // 戊午
    EXPECT_EQ(pillarOfSexagenary(60), (Pillar{10, 12}));  // 癸亥
    EXPECT_EQ(pillarName(pillarOfSexagenary(55)), "戊午");
    for (int n = 1; n <= 60; ++n) EXPECT_EQ(sexagenaryOf(pillarOfSexagenary(n)), n) << n;
    EXPECT_EQ(sexagenaryOf(1, 2), 0) << "stem and branch of different polarity";
    EXPECT_EQ(sexagenaryOf(0, 0), 0);
}

TEST(SexagenaryNumbers, SteppingWraps) {
    EXPECT_EQ(stepBack(Pillar{1, 1}), (Pillar{10, 12}));
    EXPECT_EQ(stepForward(Pillar{10, 12}), (Pillar{1, 1}));
}

TEST(Elements, StemsBranchesAndCycles) {
    EXPECT_EQ(elementOfStem(1), 1);
    EXPECT_EQ(elementOfStem(10), 5);
    EXPECT_EQ(elementOfStem(0), 0);
    EXPECT_EQ(elementOfBranch(1), 5);    // 子 水
    EXPECT_EQ(elementOfBranch(11), 3);   // 戌 土
    EXPECT_EQ(producedElement(5), 1);    // 水→木
    EXPECT_EQ(controlledElement(4), 1);  // 金→木
    EXPECT_EQ(controlledElement(5), 2);  // 水→火
    EXPECT_EQ(seasonOfBranch(3), 1);
    EXPECT_EQ(seasonOfBranch(2), 4);
}

TEST(NameTables, IndexZeroAndOutOfRangeAreEmpty) {
    EXPECT_EQ(stemName(0), "");
    EXPECT_EQ(stemName(11), "");
    EXPECT_EQ(branchName(-1), "");
    EXPECT_EQ(tenGodName(10), "印綬");
    EXPECT_EQ(stageName(12), "養");
}

TEST(Calendar, MonthLengthsAndLeapYears) {
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(2023, 12), 31);
    EXPECT_EQ(daysInMonth(2023, 13), 0);
}

TEST(BirthTimeList, IndexesAndMiddles) {
    EXPECT_EQ(birthTimeIndexOf("07:00-09:00"), 4);
    EXPECT_EQ(birthTimeIndexOf("不明の場合"), 13);
    EXPECT_EQ(birthTimeIndexOf("7:00"), -1);
    int h = -1, m = -1;
    ASSERT_TRUE(birthTimeSlotMiddle(0, h, m));
    EXPECT_EQ(h * 60 + m, 30);
    ASSERT_TRUE(birthTimeSlotMiddle(11, h, m));
    EXPECT_EQ(h * 60 + m, 22 * 60);
    ASSERT_TRUE(birthTimeSlotMiddle(12, h, m));
    EXPECT_EQ(h * 60 + m, 23 * 60 + 30);
    EXPECT_FALSE(birthTimeSlotMiddle(13, h, m));
    // Each middle lies in its own period.
    for (int i = 0; i <= 12; ++i) {
        ASSERT_TRUE(birthTimeSlotMiddle(i, h, m));
        EXPECT_EQ(birthTimeIndexOfHour(h), i) << i;
    }
    EXPECT_EQ(birthTimeIndexOfHour(0), 0);
    EXPECT_EQ(birthTimeIndexOfHour(1), 1);
    EXPECT_EQ(birthTimeIndexOfHour(24), -1);
}

TEST(FloorMod, NegativeOperands) {
    EXPECT_EQ(floorMod(-1, 12), 11);
    EXPECT_EQ(floorMod(-12, 12), 0);
    EXPECT_EQ(floorDiv(-1, 12), -1);
    EXPECT_EQ(floorDiv(13, 12), 1);
}

}  // namespace
}  // namespace suimei
