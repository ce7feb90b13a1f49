#include "readings/reading_keys.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

std::string key2(const std::optional<PassageKey>& k) {
    return k ? k->key1 + "/" + k->key2 : "(refused)";
}

TEST(ReadingKeys, TableKeysOfTheAIFamily) {
    EXPECT_EQ(key2(dayMasterKey(1)), "AI/甲");
    EXPECT_EQ(key2(dayMasterKey(10)), "AI/癸");
    // Ten gods in the chart's numbering: 2 食神, 6 劫財, 10 印綬.
    EXPECT_EQ(key2(pillarTenGodKey(KeyPillar::Year, 2)), "AI/年柱-食神");
    EXPECT_EQ(key2(pillarTenGodKey(KeyPillar::Month, 6)), "AI/月柱-劫財");
    EXPECT_EQ(key2(pillarTenGodKey(KeyPillar::Month, 10)), "AI/月柱-印綬");
    EXPECT_EQ(key2(pillarStageKey(KeyPillar::Year, 1)), "AI/年柱-長生");
    EXPECT_EQ(key2(pillarStageKey(KeyPillar::Month, 6)), "AI/月柱-衰");
    EXPECT_EQ(key2(pillarStageKey(KeyPillar::Day, 12)), "AI/日柱-養");
}

TEST(ReadingKeys, ValuesOutOfRangeAreRefusedBeforeAnyKeyIsFormed) {
    EXPECT_FALSE(dayMasterKey(0));
    EXPECT_FALSE(dayMasterKey(11));
    EXPECT_FALSE(dayMasterKey(-1));
    EXPECT_FALSE(pillarTenGodKey(KeyPillar::Year, 0));
    EXPECT_FALSE(pillarTenGodKey(KeyPillar::Year, 11));
    EXPECT_FALSE(pillarTenGodKey(KeyPillar::Day, 1));  // the day stem has no ten god
    EXPECT_FALSE(pillarStageKey(KeyPillar::Day, 13));
    EXPECT_FALSE(climateKey(0, 1));   // no month branch, no season
    EXPECT_FALSE(climateKey(3, 11));  // stem out of range
    const ElementSlots fav = {0, 1, 2, 3};
    const ElementArray rank = {0, 5, 4, 3, 2, 1};
    EXPECT_FALSE(fortuneTenGodKey(0, 1, fav, rank));
    EXPECT_FALSE(fortuneTenGodKey(11, 1, fav, rank));
    EXPECT_FALSE(fortuneTenGodKey(1, 0, fav, rank));
    EXPECT_FALSE(socialTenGodKey(ReadingMode::General, KeyPillar::Year, 0, 1, fav, rank));
    EXPECT_FALSE(yearStemSectionKey(0));
    EXPECT_FALSE(yearStemSectionKey(11));
    EXPECT_FALSE(monthBranchSectionKey(13));
    EXPECT_FALSE(dayPillarSectionKey(11, 1));
    EXPECT_FALSE(climateUsefulSectionKey(1, 0));
    EXPECT_FALSE(monthCommandSectionKey(1, 0));
    EXPECT_FALSE(luckSectionKey(1, 0));
}

TEST(ReadingKeys, FortuneKeyFavourAndStrengthThresholds) {
    // 丙 (3) is fire, element 2.
    ElementArray rank{};
    rank[2] = 4;
    EXPECT_EQ(key2(fortuneTenGodKey(3, 2, {0, 2, 0, 0}, rank)), "AI/食神-喜神-強");
    // Favour in any of the three slots.
    EXPECT_EQ(key2(fortuneTenGodKey(3, 2, {0, 5, 1, 2}, rank)), "AI/食神-喜神-強");
    // Level 3 is not above 3: weak; level 5 strong.
    rank[2] = 3;
    EXPECT_EQ(key2(fortuneTenGodKey(4, 7, {0, 1, 2, 0}, rank)), "AI/傷官-喜神-弱");
    rank[2] = 5;
    EXPECT_EQ(key2(fortuneTenGodKey(4, 7, {0, 1, 3, 4}, rank)), "AI/傷官-忌神-強");
    // Only the stem's own element counts: water strong, fire weak.
    ElementArray other = {0, 1, 1, 1, 1, 5};
    EXPECT_EQ(key2(fortuneTenGodKey(3, 3, {0, 5, 0, 0}, other)), "AI/偏財-忌神-弱");
    EXPECT_EQ(key2(fortuneTenGodKey(10, 3, {0, 5, 0, 0}, other)), "AI/偏財-喜神-強");
    // Empty slots (0) never match a stem's element.
    EXPECT_EQ(key2(fortuneTenGodKey(1, 9, {0, 0, 0, 0}, other)), "AI/正官-忌神-弱");
}

TEST(ReadingKeys, ModeChoosesBetweenGeneralAndFortuneKeys) {
    const ElementArray rank = {0, 4, 1, 1, 1, 1};
    EXPECT_EQ(
        key2(socialTenGodKey(ReadingMode::General, KeyPillar::Month, 1, 1, {0, 1, 0, 0}, rank)),
        "AI/月柱-比肩");
    EXPECT_EQ(key2(socialTenGodKey(ReadingMode::Professional, KeyPillar::Month, 1, 1, {0, 1, 0, 0},
                                   rank)),
              "AI/比肩-喜神-強");
}

TEST(ReadingKeys, ClimateSeasonsFollowTheMonthBranch) {
    EXPECT_EQ(key2(climateKey(3, 1)), "調候/春甲");   // 寅
    EXPECT_EQ(key2(climateKey(5, 2)), "調候/春乙");   // 辰
    EXPECT_EQ(key2(climateKey(6, 3)), "調候/夏丙");   // 巳
    EXPECT_EQ(key2(climateKey(8, 4)), "調候/夏丁");   // 未
    EXPECT_EQ(key2(climateKey(9, 5)), "調候/秋戊");   // 申
    EXPECT_EQ(key2(climateKey(11, 6)), "調候/秋己");  // 戌
    EXPECT_EQ(key2(climateKey(12, 7)), "調候/冬庚");  // 亥
    EXPECT_EQ(key2(climateKey(1, 9)), "調候/冬壬");   // 子
    EXPECT_EQ(key2(climateKey(2, 10)), "調候/冬癸");  // 丑
}

TEST(ReadingKeys, SectionKeys) {
    EXPECT_EQ(yearStemSectionKey(3), "{3}");
    EXPECT_EQ(yearStemSectionKey(10), "{10}");
    EXPECT_EQ(monthBranchSectionKey(12), "{12}");
    EXPECT_EQ(dayPillarSectionKey(1, 1), "{1-1}");
    EXPECT_EQ(dayPillarSectionKey(1, 11), "{1-11}");
    EXPECT_EQ(dayPillarSectionKey(10, 12), "{10-12}");
    EXPECT_EQ(climateUsefulSectionKey(1, 3), "{甲-寅}");
    EXPECT_EQ(climateUsefulSectionKey(10, 12), "{癸-亥}");
    EXPECT_EQ(monthCommandSectionKey(3, 1), "{春甲}");
    EXPECT_EQ(monthCommandSectionKey(1, 10), "{冬癸}");
    EXPECT_EQ(luckSectionKey(1, 1), "{比肩-長生}");
    EXPECT_EQ(luckSectionKey(10, 12), "{印綬-養}");
}

}  // namespace
}  // namespace suimei
