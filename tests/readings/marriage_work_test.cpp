#include "readings/marriage_work.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace suimei {
namespace {

using Lines = std::vector<std::string>;

// Years worked from 1984 = 甲子: the stem of year Y is 甲 + (Y - 1984) mod 10.
//   2024: 40 mod 10 = 0 -> 甲;  2029: 45 mod 10 = 5 -> 己.
std::array<std::string, 11> years2024() {
    return {"",       "2024年", "2025年", "2026年", "2027年", "2028年",
            "2029年", "2030年", "2031年", "2032年", "2033年"};
}

TEST(TenYearTexts, EachStemGetsTheOneYearOfItsStemAmongTheTen) {
    EXPECT_EQ(tenYearTexts(2024), years2024());
    // 2029 is 己: 己..癸 run 2029..2033, then 甲..戊 wrap to 2034..2038.
    const auto from2029 = tenYearTexts(2029);
    EXPECT_EQ(from2029[6], "2029年");
    EXPECT_EQ(from2029[10], "2033年");
    EXPECT_EQ(from2029[1], "2034年");
    EXPECT_EQ(from2029[5], "2038年");
}

TEST(FillPlaceholders, EveryPlaceholderIsReplacedInOnePass) {
    struct Case {
        const char* what;
        std::string name;
        bool withYears;
        std::string passage;
        std::string expected;
    };
    const Case cases[] = {
        {"the name twice", "山田さん", false, "＠ｉは甲。＠ｉの相手。",
         "山田さんは甲。山田さんの相手。"},
        {"a name holding a year placeholder is not read again", "＠甲子さん", true,
         "＠ｉは＠甲に動きます。", "＠甲子さんは2024年に動きます。"},
        {"a name holding the name placeholder", "＠ｉさん", false, "＠ｉ、＠ｉ",
         "＠ｉさん、＠ｉさん"},
        {"years next to each other and to the name", "花子さん", true, "＠ｉ＠乙＠癸",
         "花子さん2025年2033年"},
        {"year placeholders stay when the button fills none", "花子さん", false, "＠ｉは＠甲に",
         "花子さんは＠甲に"},
        {"an unknown mark and a trailing mark stay", "花子さん", true, "＠Ｘと＠子と＠",
         "＠Ｘと＠子と＠"},
        {"a doubled mark keeps the first", "花子さん", true, "＠＠丙", "＠2026年"},
        {"no placeholder", "花子さん", true, "そのままの文章です。", "そのままの文章です。"},
        {"empty", "花子さん", true, "", ""},
    };
    for (const Case& c : cases) {
        PlaceholderTexts texts{c.name, std::nullopt};
        if (c.withYears) texts.years = years2024();
        EXPECT_EQ(fillPlaceholders(c.passage, texts), c.expected) << c.what;
    }
}

TEST(ClientNameText, AnEmptyNameAddressesTheClientDirectly) {
    EXPECT_EQ(clientNameText("山田 花子"), "山田 花子さん");
    EXPECT_EQ(clientNameText(""), "あなた");
    EXPECT_EQ(clientNameText(" 　"), "あなた");
}

Tmandata chartOf(char sex, int dayStem, int dayStage, int yearTenGod, int monthTenGod) {
    Tmandata c;
    c.nameText = "山田";
    c.sex = sex;
    c.dayPillar.stem = static_cast<Stem>(dayStem);
    c.dayPillar.dayMasterStage = static_cast<std::uint8_t>(dayStage);
    c.yearPillar.stemTenGod = static_cast<std::uint8_t>(yearTenGod);
    c.monthPillar.stemTenGod = static_cast<std::uint8_t>(monthTenGod);
    return c;
}

TEST(TopicButtonKeys, AbilityKeysPairTheSmallerGroupFirstWhicheverPillarHoldsIt) {
    // 傷官 (7) is group 2, 正財 (8) group 3; 正財 in the month reads level 3.
    const auto keys =
        topicButtonKeys(TopicWindowKind::Work, "SpeedButton1", chartOf('M', 1, 4, 7, 8));
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0], (PassageKey{"能力総合1", "2-3"}));
    EXPECT_EQ(keys[1], (PassageKey{"金銭感覚", "4"}));
    EXPECT_EQ(keys[2], (PassageKey{"能力レベル", "3"}));
    const auto swapped =
        topicButtonKeys(TopicWindowKind::Work, "SpeedButton1", chartOf('M', 1, 4, 8, 7));
    EXPECT_EQ(swapped[0], (PassageKey{"能力総合1", "2-3"}));
    // 傷官 in the month: level of group 2.
    EXPECT_EQ(swapped[2], (PassageKey{"能力レベル", "2"}));
}

TEST(TopicButtonKeys, EachButtonReadsItsOwnChartValue) {
    // Day stem 壬 (9), day stage 養 (12), year 比肩 (1), month 印綬 (10).
    const Tmandata chart = chartOf('F', 9, 12, 1, 10);
    struct Case {
        TopicWindowKind kind;
        const char* button;
        PassageKey key;
    };
    const Case cases[] = {
        {TopicWindowKind::Marriage, "bman1btn", {"結婚1", "9"}},
        {TopicWindowKind::Marriage, "bman2btn", {"性愛精神", "9"}},
        {TopicWindowKind::Marriage, "dokuritubtn", {"性愛肉体", "12"}},
        {TopicWindowKind::Marriage, "kekkongobtn", {"結婚後F", "12"}},
        {TopicWindowKind::Marriage, "rithmbtn", {"結婚時期", "9"}},
        {TopicWindowKind::Work, "bman1btn", {"仕事1", "9"}},
        {TopicWindowKind::Work, "bman2btn", {"仕事2", "10"}},
        {TopicWindowKind::Work, "dokuritubtn", {"独立1", "10"}},
        {TopicWindowKind::Work, "rithmbtn", {"未来1", "9"}},
    };
    for (const Case& c : cases) {
        const auto keys = topicButtonKeys(c.kind, c.button, chart);
        ASSERT_EQ(keys.size(), 1u) << c.button;
        EXPECT_EQ(keys[0], c.key) << c.button;
    }
    EXPECT_TRUE(topicButtonKeys(TopicWindowKind::Marriage, "SpeedButton1", chart).empty());
    // Every button the window shows forms its keys.
    for (const auto kind : {TopicWindowKind::Marriage, TopicWindowKind::Work}) {
        for (const TopicButton& b : topicButtons(kind)) {
            EXPECT_FALSE(topicButtonKeys(kind, b.name, chart).empty()) << b.name;
        }
    }
}

class TopicButtonLinesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        passages = PassageTable::open(paths, &error);
        ASSERT_TRUE(passages) << error;
    }
    void add(const std::string& k1, const std::string& k2, const std::string& memo) {
        Table& t = passages->table();
        t.append();
        t.setField("key1", k1);
        t.setField("key2", k2);
        t.setField("memo", memo);
        ASSERT_TRUE(t.post()) << t.lastError();
    }
    testing::TempDir dir;
    AppPaths paths{dir.path()};
    std::unique_ptr<PassageTable> passages;
};

TEST_F(TopicButtonLinesTest, AWomanReadsTheWomansAfterMarriagePassage) {
    add("結婚後M", "5", "男性の帝旺。");
    add("結婚後F", "5", "＠ｉは女性の帝旺。");
    Tmandata chart = chartOf('F', 3, 5, 1, 1);
    EXPECT_EQ(topicButtonLines(TopicWindowKind::Marriage, "kekkongobtn", chart, 2024, *passages),
              (Lines{" ", "山田さんは女性の帝旺。"}));
    chart.sex = 'M';
    EXPECT_EQ(topicButtonLines(TopicWindowKind::Marriage, "kekkongobtn", chart, 2024, *passages),
              (Lines{" ", "男性の帝旺。"}));
    // No sex set: neither passage, only the leading line.
    chart.sex = 0;
    EXPECT_EQ(topicButtonLines(TopicWindowKind::Marriage, "kekkongobtn", chart, 2024, *passages),
              (Lines{" "}));
}

TEST_F(TopicButtonLinesTest, OnlyTheTenYearButtonFillsTheYears) {
    add("結婚時期", "1", "＠ｉは＠甲と＠癸に縁。\n＠乙は静か。");
    add("結婚1", "1", "＠ｉは＠甲のまま。");
    const Tmandata chart = chartOf('M', 1, 1, 1, 1);
    EXPECT_EQ(topicButtonLines(TopicWindowKind::Marriage, "rithmbtn", chart, 2024, *passages),
              (Lines{" ", "山田さんは2024年と2033年に縁。", "2025年は静か。"}));
    EXPECT_EQ(topicButtonLines(TopicWindowKind::Marriage, "bman1btn", chart, 2024, *passages),
              (Lines{" ", "山田さんは＠甲のまま。"}));
}

TEST_F(TopicButtonLinesTest, AbilitiesReadThreePassagesEachAfterItsBlankLine) {
    add("能力総合1", "2-3", "総合。");
    add("能力レベル", "3", "レベル。");  // 金銭感覚 is missing: its blank line stays alone
    const Tmandata chart = chartOf('M', 1, 6, 8, 2);  // 正財 (3) and 食神 (2)
    EXPECT_EQ(topicButtonLines(TopicWindowKind::Work, "SpeedButton1", chart, 2024, *passages),
              (Lines{" ", "総合。", " ", " "}));
    const Tmandata other = chartOf('M', 1, 6, 2, 8);  // level now reads group 3
    EXPECT_EQ(topicButtonLines(TopicWindowKind::Work, "SpeedButton1", other, 2024, *passages),
              (Lines{" ", "総合。", " ", " ", "レベル。"}));
}

TEST_F(TopicButtonLinesTest, AChartWithoutADayStemAppendsOnlyTheBlankLine) {
    add("仕事1", "1", "甲の仕事。");
    const Tmandata none = chartOf('M', 0, 0, 0, 0);
    EXPECT_EQ(topicButtonLines(TopicWindowKind::Work, "bman1btn", none, 2024, *passages),
              (Lines{" "}));
    EXPECT_EQ(topicButtonLines(TopicWindowKind::Work, "SpeedButton1", none, 2024, *passages),
              (Lines{" ", " ", " "}));
    EXPECT_TRUE(topicButtonLines(TopicWindowKind::Work, "nobtn", none, 2024, *passages).empty());
}

}  // namespace
}  // namespace suimei
