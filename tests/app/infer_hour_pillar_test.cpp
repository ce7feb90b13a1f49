#include "app/infer_hour_pillar.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

// Rows read off the rule table: hour stem by month branch, hour branch by month branch and day
// stem. Every row is checked against its grouped form, so a slip in one cell shows.
TEST(InferHourPillar, StemDependsOnTheMonthBranchOnly) {
    const int stems[13] = {0, 9, 10, 6, 1, 2, 2, 3, 4, 5, 7, 8, 7};
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= 10; ++d) EXPECT_EQ(InferHourPillar(m, d).stem, stems[m]) << m << d;
    }
}

TEST(InferHourPillar, BranchGroupsOfEachMonth) {
    struct Group {
        int month;
        std::initializer_list<int> dayStems;
        int branch;
    };
    const Group groups[] = {
        {1, {1, 6}, 9},       {1, {2, 7}, 7},
        {1, {3, 8, 9}, 5},    {1, {4}, 3},
        {1, {5, 10}, 1},      {2, {1}, 10},
        {2, {2, 6, 7}, 8},    {2, {3, 8}, 6},
        {2, {4, 9}, 4},       {2, {5, 10}, 2},
        {3, {1, 5, 8}, 12},   {3, {2, 7}, 4},
        {3, {3}, 2},          {3, {4, 9}, 10},
        {3, {6}, 6},          {3, {10}, 8},
        {4, {1, 6}, 11},      {4, {2, 7}, 9},
        {4, {3, 8}, 7},       {4, {4}, 5},
        {4, {5, 9, 10}, 3},   {5, {1, 6}, 2},
        {5, {2}, 10},         {5, {3, 8}, 8},
        {5, {4, 9}, 6},       {5, {5, 10}, 4},
        {5, {7}, 12},         {6, {1}, 6},
        {6, {2, 4, 8}, 2},    {6, {3, 6, 7}, 10},
        {6, {5}, 8},          {6, {9, 10}, 12},
        {7, {1, 6}, 3},       {7, {2, 7}, 11},
        {7, {3, 8}, 9},       {7, {4, 9}, 7},
        {7, {5, 10}, 5},      {8, {1, 6}, 4},
        {8, {2, 3}, 12},      {8, {4, 9}, 8},
        {8, {5, 10}, 6},      {8, {7}, 2},
        {8, {8}, 10},         {9, {1, 6}, 5},
        {9, {2, 7}, 3},       {9, {3}, 11},
        {9, {4, 9}, 9},       {9, {5, 10}, 7},
        {9, {8}, 1},          {10, {1, 6}, 7},
        {10, {2, 7}, 5},      {10, {3}, 3},
        {10, {4}, 1},         {10, {5, 10}, 9},
        {10, {8, 9}, 11},     {11, {1}, 8},
        {11, {2, 7}, 6},      {11, {3, 8}, 4},
        {11, {4, 6}, 12},     {11, {5, 10}, 10},
        {11, {9}, 2},         {12, {1, 2, 3, 6, 7, 9}, 1},
        {12, {4, 5, 10}, 11}, {12, {8}, 3},
    };
    int covered[13][11] = {};
    for (const auto& g : groups) {
        for (int d : g.dayStems) {
            EXPECT_EQ(InferHourPillar(g.month, d).branch, g.branch)
                << "month " << g.month << " day " << d;
            ++covered[g.month][d];
        }
    }
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= 10; ++d) EXPECT_EQ(covered[m][d], 1) << "cell " << m << "/" << d;
    }
}

TEST(InferHourPillar, OutOfRangeGivesNoPillar) {
    EXPECT_EQ(InferHourPillar(0, 1), Pillar{});
    EXPECT_EQ(InferHourPillar(13, 1), Pillar{});
    EXPECT_EQ(InferHourPillar(1, 0), Pillar{});
    EXPECT_EQ(InferHourPillar(1, 11), Pillar{});
}

}  // namespace
}  // namespace suimei
