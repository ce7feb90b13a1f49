#include "readings/topic_keys.h"

#include "chart/chart_rules.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

// Ten gods in the chart's numbering, written out so the cases read as the rules do.
constexpr int kHiken = 1, kShokujin = 2, kHenzai = 3, kHenkan = 4, kHenin = 5, kGouzai = 6,
              kShoukan = 7, kSeizai = 8, kSeikan = 9, kInju = 10;

struct KeyCase {
    const char* name;
    std::optional<PassageKey> formed;
    const char* key1;  // nullptr: refused
    const char* key2;
};

void expectKeys(const std::vector<KeyCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.key1) {
            EXPECT_FALSE(c.formed.has_value());
            continue;
        }
        ASSERT_TRUE(c.formed.has_value());
        EXPECT_EQ(c.formed->key1, c.key1);
        EXPECT_EQ(c.formed->key2, c.key2);
    }
}

TEST(TopicKeys, MarriageAndWorkKeysAreDecimalNumbersWithoutLeadingZeros) {
    expectKeys({
        {"甲 ideal partner", dayStemTopicKey(DayStemTopic::RuinousPartner, 1), "結婚1", "1"},
        {"癸 marriage timing", dayStemTopicKey(DayStemTopic::MarriageTiming, 10), "結婚時期", "10"},
        {"丙 spiritual love", dayStemTopicKey(DayStemTopic::SpiritualLove, 3), "性愛精神", "3"},
        {"壬 business person", dayStemTopicKey(DayStemTopic::BusinessPerson, 9), "仕事1", "9"},
        {"己 work future", dayStemTopicKey(DayStemTopic::WorkFuture, 6), "未来1", "6"},
        {"day stem 0", dayStemTopicKey(DayStemTopic::WorkFuture, 0), nullptr, nullptr},
        {"day stem 11", dayStemTopicKey(DayStemTopic::RuinousPartner, 11), nullptr, nullptr},
        {"養 physical love", dayStageTopicKey(DayStageTopic::PhysicalLove, 12), "性愛肉体", "12"},
        {"長生 money sense", dayStageTopicKey(DayStageTopic::MoneySense, 1), "金銭感覚", "1"},
        {"stage 13", dayStageTopicKey(DayStageTopic::MoneySense, 13), nullptr, nullptr},
        {"正官 employee", monthTenGodTopicKey(MonthTenGodTopic::EmployeeAptitude, kSeikan), "仕事2",
         "9"},
        {"印綬 independence", monthTenGodTopicKey(MonthTenGodTopic::Independence, kInju), "独立1",
         "10"},
        {"ten god 0", monthTenGodTopicKey(MonthTenGodTopic::Independence, 0), nullptr, nullptr},
    });
}

TEST(TopicKeys, AfterMarriageReadsTheTableOfTheClientsSex) {
    expectKeys({
        {"a man", afterMarriageKey('M', 5), "結婚後M", "5"},
        {"a woman", afterMarriageKey('F', 5), "結婚後F", "5"},
        {"no sex set", afterMarriageKey(0, 5), nullptr, nullptr},
        {"stage 0", afterMarriageKey('F', 0), nullptr, nullptr},
    });
}

TEST(TopicKeys, TenGodGroupsPairTheSiblingGods) {
    const std::pair<int, int> groups[] = {{kHiken, 1},  {kGouzai, 1}, {kShokujin, 2}, {kShoukan, 2},
                                          {kHenzai, 3}, {kSeizai, 3}, {kHenkan, 4},   {kSeikan, 4},
                                          {kHenin, 5},  {kInju, 5},   {0, 0},         {11, 0}};
    for (const auto& [god, group] : groups) EXPECT_EQ(tenGodGroup(god), group) << god;
}

TEST(TopicKeys, AbilityKeysUseTheGroupsSmallerFirst) {
    expectKeys({
        {"傷官 year, 正財 month", abilityOverallKey(kShoukan, kSeizai), "能力総合1", "2-3"},
        {"swapped", abilityOverallKey(kSeizai, kShoukan), "能力総合1", "2-3"},
        {"偏財 and 正財 are one group", abilityOverallKey(kHenzai, kSeizai), "能力総合1", "3-3"},
        {"the two ends", abilityOverallKey(kInju, kHiken), "能力総合1", "1-5"},
        {"year ten god 0", abilityOverallKey(0, kHiken), nullptr, nullptr},
        {"month 印綬", abilityLevelKey(kInju), "能力レベル", "5"},
        {"month 劫財", abilityLevelKey(kGouzai), "能力レベル", "1"},
        {"month 0", abilityLevelKey(0), nullptr, nullptr},
    });
}

TEST(TopicKeys, CompatibilityKeysPutTheClientFirst) {
    expectKeys({
        {"甲 and 己", spiritCompatibilityKey(1, 6), "相性2", "甲己"},
        {"己 and 甲", spiritCompatibilityKey(6, 1), "相性2", "己甲"},
        {"癸 twice", spiritCompatibilityKey(10, 10), "相性2", "癸癸"},
        {"partner without a chart", spiritCompatibilityKey(1, 0), nullptr, nullptr},
        {"比肩 and 正官", conductCompatibilityKey(kHiken, kSeikan), "相性", "比肩正官"},
        {"正官 and 比肩", conductCompatibilityKey(kSeikan, kHiken), "相性", "正官比肩"},
        {"ten god 11", conductCompatibilityKey(11, kHiken), nullptr, nullptr},
    });
}

TEST(TopicKeys, MedicineKeysFollowTheStemAndTheSymptomChoice) {
    expectKeys({
        {"甲", medicineStemKey(1), "中医学", "甲"},
        {"癸", medicineStemKey(10), "中医学", "癸"},
        {"stem 0", medicineStemKey(0), nullptr, nullptr},
        {"first choice", medicineSymptomKey(0), "中医学", "昇"},
        {"third choice", medicineSymptomKey(2), "中医学", "分"},
        {"last choice", medicineSymptomKey(4), "中医学", "収"},
        {"no choice", medicineSymptomKey(-1), nullptr, nullptr},
        {"past the list", medicineSymptomKey(5), nullptr, nullptr},
    });
}

TEST(TopicKeys, SixtyPillarKeyIsTheSexAndTheDayPillarsNumber) {
    struct Case {
        const char* name;
        char sex;
        int stem, branch;
        std::optional<SixtyPillarKey> expected;
    };
    const Case cases[] = {
        {"甲子 man", 'M', 1, 1, SixtyPillarKey{"男", 1}},
        {"戊午 woman (2000-01-01)", 'F', 5, 7, SixtyPillarKey{"女", 55}},
        {"癸亥 woman", 'F', 10, 12, SixtyPillarKey{"女", 60}},
        {"甲戌 man", 'M', 1, 11, SixtyPillarKey{"男", 11}},
        {"甲丑 is no pillar", 'M', 1, 2, std::nullopt},
        {"no day pillar yet", 'M', 0, 0, std::nullopt},
        {"no sex set", 0, 1, 1, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sixtyPillarKey(c.sex, c.stem, c.branch), c.expected) << c.name;
    }
}

class MemoButtonKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        chart.yearPillar.stem = 3;  // 丙, fire
        chart.yearPillar.stemTenGod = kHenzai;
        chart.yearPillar.dayMasterStage = 9;  // 墓
        chart.monthPillar.stem = 9;           // 壬, water
        chart.monthPillar.stemTenGod = kSeikan;
        chart.monthPillar.branch = 3;           // 寅, spring
        chart.monthPillar.dayMasterStage = 12;  // 養
        chart.dayPillar.stem = 1;               // 甲
        chart.dayPillar.dayMasterStage = 4;     // 建禄
        chart.favourable1 = 5;
        chart.favourable2 = 1;
        chart.favourable3 = 2;  // fire favoured in the third slot
        chart.elementRank = {0, 2, 3, 1, 4, 5};
    }
    std::string key2(MemoButton b, ReadingMode mode = ReadingMode::Professional) {
        const auto key = memoButtonKey(b, mode, chart);
        EXPECT_TRUE(key.has_value());
        if (!key) return {};
        EXPECT_EQ(key->key1, b == MemoButton::Climate ? "調候" : "AI");
        return key->key2;
    }
    Tmandata chart;
};

TEST_F(MemoButtonKeys, EachButtonReadsItsOwnPillar) {
    EXPECT_EQ(key2(MemoButton::Character), "甲");
    EXPECT_EQ(key2(MemoButton::InnerSocial), "年柱-墓");
    EXPECT_EQ(key2(MemoButton::WorkplacePsychology), "月柱-養");
    EXPECT_EQ(key2(MemoButton::SpouseAttitude), "日柱-建禄");
    EXPECT_EQ(key2(MemoButton::Climate), "春甲");
    EXPECT_EQ(key2(MemoButton::OuterSocial, ReadingMode::General), "年柱-偏財");
    EXPECT_EQ(key2(MemoButton::WorkplaceAbility, ReadingMode::General), "月柱-正官");
}

TEST_F(MemoButtonKeys, ProfessionalModeTurnsStrongAboveEnergyLevelThree) {
    // Fire is favourable with energy level 3: 弱; at 4: 強.
    EXPECT_EQ(key2(MemoButton::OuterSocial), "偏財-喜神-弱");
    chart.elementRank[2] = 4;
    EXPECT_EQ(key2(MemoButton::OuterSocial), "偏財-喜神-強");
    // Water (the month stem 壬) is favourable in the first slot, level 5.
    EXPECT_EQ(key2(MemoButton::WorkplaceAbility), "正官-喜神-強");
    chart.favourable1 = 4;
    EXPECT_EQ(key2(MemoButton::WorkplaceAbility), "正官-忌神-強");
}

TEST_F(MemoButtonKeys, NoChartFormsNoKey) {
    const Tmandata empty;
    for (const MemoButton b :
         {MemoButton::Character, MemoButton::OuterSocial, MemoButton::WorkplaceAbility,
          MemoButton::InnerSocial, MemoButton::WorkplacePsychology, MemoButton::SpouseAttitude,
          MemoButton::Climate}) {
        EXPECT_FALSE(memoButtonKey(b, ReadingMode::Professional, empty).has_value());
    }
}

}  // namespace
}  // namespace suimei
