#include "methods/illness.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calendar/types.h"

namespace suimei {
namespace {

std::string namesOf(const std::array<int, 5>& order) {
    std::string names;
    for (int e : order) names += std::string(elementName(e));
    return names;
}

// Energies are given as {unused, 木, 火, 土, 金, 水}; the orders are the exchange rule worked by
// hand (weakest first).
TEST(Illness, ExchangeRuleOrdersTheElementsWeakestFirst) {
    struct Case {
        const char* name;
        ElementArray points;
        const char* order;
    };
    const Case cases[] = {
        // Pairs 1-3 swap (土 before 木), then 2-4 (金 before 火), then 3-5 (水 before 木); the
        // two threes are never exchanged with each other, so 木 ends up last.
        {"two equal strongest", {0, 3, 3, 0, 0, 0}, "土金水火木"},
        {"all equal: no exchange", {0, 2, 2, 2, 2, 2}, "木火土金水"},
        {"all zero, as before a run", {0, 0, 0, 0, 0, 0}, "木火土金水"},
        // A stable sort would give 火金木土水: the exchange of 木 with 金 passes over 土.
        {"equal middles are reordered by the exchanges", {0, 1, 0, 1, 0, 2}, "火金土木水"},
        {"signed energies", {0, -2, 5, 0, 7, 1}, "木土水火金"},
        {"a single strongest among equals", {0, 0, 0, 0, 0, 9}, "木火土金水"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(namesOf(elementsByEnergy(c.points)), c.order) << c.name;
    }
}

TEST(Illness, BasicTextNamesTheStrongestAndTheWeakest) {
    const std::vector<std::string> lines = illnessBasicText({0, 3, 3, 0, 0, 0});
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "●東洋医学では、五行に人間の生理的作用を分類して病気を見ます。");
    EXPECT_EQ(lines[1],
              "・木は疎泄を司ります：気がスムーズに働くように作用します。肝臓、自律神経。");
    EXPECT_EQ(lines[4],
              "・金は肺を司ります：呼吸器、肺臓、骨、歯、筋肉、便秘、水分代謝、アレルギー。");
    EXPECT_EQ(lines[5], "・水は成長と生殖を司ります：腎臓、血液、泌尿器、子宮、生殖器。");
    EXPECT_EQ(lines[6],
              "○五行エネルギーの最強と最弱の気を説明します。ここが注意する所だからです。");
    EXPECT_EQ(lines[7], "○五行エネルギーの最強は、木性です。");
    EXPECT_EQ(lines[8], "○五行エネルギーの最弱は、土性です。");
    EXPECT_EQ(lines[9], "");

    const std::vector<std::string> even = illnessBasicText({0, 1, 1, 1, 1, 1});
    EXPECT_EQ(even[7], "○五行エネルギーの最強は、水性です。");
    EXPECT_EQ(even[8], "○五行エネルギーの最弱は、木性です。");
}

TEST(Illness, FoodLinesComeInPairsOfTheElementsStems) {
    EXPECT_EQ(
        illnessFoodLines(3),
        (std::vector<std::string>{
            "○戊を補助する食物：ソバ・えんどう豆・ジャガイモ・サツマイモ・ブタ肉・フナ・カニ・"
            "にんにく・ほうれん草・かぼちゃ・ナス・キャベツ・苺・西瓜",
            "○己を補助する食物：トウモロコシ・玄米・ヤマイモ・牛肉・羊肉・コイ・人参・松茸・"
            "みかん・バナナ・砂糖きび・ココア"}));
    EXPECT_EQ(illnessFoodLines(1)[0], "○甲を補助する食物：ザボン");
    EXPECT_EQ(illnessFoodLines(5)[1],
              "○癸を補助する食物：ミソ・ゴマ・鴨肉・海産卵類（いくら・ウニ）・牡蠣・クラゲ・にら・"
              "瓜・ぶどう・プラム・お茶");
    EXPECT_EQ(illnessFoodChoice(4), "金性の食物");
    EXPECT_TRUE(illnessFoodLines(0).empty());
    EXPECT_TRUE(illnessFoodLines(6).empty());
    EXPECT_EQ(illnessFoodLine(11), "");
    EXPECT_EQ(illnessOrganLine(0), "");
}

// Each element appears once too strong over the element it controls and once too weak.
TEST(Illness, ExamplesCoverEveryElementTooStrongAndTooWeak) {
    const auto& examples = illnessExamples();
    ASSERT_GE(examples.size(), 10u);
    EXPECT_EQ(examples[0].heading, "(1)五行の木が強く土を剋している場合");
    EXPECT_TRUE(examples[0].text.starts_with("日干が土で弱い場合、消化器の病気になりやすい。"));
    std::set<std::string> headings;
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const std::string number = "(" + std::to_string(i + 1) + ")";
        EXPECT_TRUE(examples[i].heading.starts_with(number)) << examples[i].heading;
        headings.insert(std::string(examples[i].heading.substr(number.size())));
    }
    for (int e = 1; e <= 5; ++e) {
        const std::string name(elementName(e));
        const std::string controlled(elementName((e + 1) % 5 + 1));
        EXPECT_TRUE(headings.count("五行の" + name + "が強く" + controlled + "を剋している場合"))
            << name;
        EXPECT_TRUE(headings.count("五行の" + name + "が弱い場合")) << name;
    }
}

}  // namespace
}  // namespace suimei
