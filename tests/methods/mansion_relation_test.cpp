#include "methods/mansion_relation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace suimei {
namespace {

TEST(MansionRelation, CountsTheDistanceAroundTheCycleOfTwentySeven) {
    EXPECT_EQ(mansionRelationIndex(1, 1), 0);
    EXPECT_EQ(mansionRelationName(mansionRelationIndex(1, 1)), "命");
    EXPECT_EQ(mansionRelationName(mansionRelationIndex(1, 2)), "栄");
    // 牛 (20) is not on the cycle: 斗 (19) and 女 (21) are neighbours.
    EXPECT_EQ(mansionRelationIndex(19, 21), 1);
    EXPECT_EQ(mansionRelationIndex(21, 19), 26);
    // Backwards from 昴: 胃 (28) is the last of the cycle, 親.
    EXPECT_EQ(mansionRelationIndex(1, 28), 26);
    EXPECT_EQ(mansionRelationName(26), "親");
    EXPECT_EQ(mansionRelationName(9), "業");
    EXPECT_EQ(mansionRelationName(18), "胎");
    EXPECT_EQ(mansionRelationIndex(0, 1), -1);
    EXPECT_EQ(mansionRelationIndex(1, 29), -1);
    EXPECT_EQ(mansionRelationName(27), "");
}

TEST(MansionRelation, EveryOtherMansionHasOneRelationAndTheKindsCoverTheCycle) {
    std::map<std::string, int> names;
    std::map<MansionRelationKind, int> kinds;
    for (int other = 1; other <= 28; ++other) {
        if (other == 20) continue;
        const int j = mansionRelationIndex(5, other);
        names[std::string(mansionRelationName(j))]++;
        kinds[mansionRelationKind(j)]++;
    }
    // 命 and 業 and 胎 once, the six others three times each.
    EXPECT_EQ(names["命"], 1);
    EXPECT_EQ(names["業"], 1);
    EXPECT_EQ(names["胎"], 1);
    for (const char* n : {"栄", "衰", "安", "危", "成", "壊", "友", "親"})
        EXPECT_EQ(names[n], 3) << n;
    EXPECT_EQ(kinds[MansionRelationKind::Mei], 1);
    EXPECT_EQ(kinds[MansionRelationKind::GyoTai], 2);
    EXPECT_EQ(kinds[MansionRelationKind::EiShin], 6);
    EXPECT_EQ(mansionRelationKindCaption(MansionRelationKind::AnKai), "安・壊");
}

}  // namespace
}  // namespace suimei
