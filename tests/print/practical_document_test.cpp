// The practical document of one luck column of the worked chart: the age captions, the luck
// pillar and its ten years with their calendar years and void marks, the coloured lines, the ten
// hint paragraphs in order with the chart's values written in.

#include "print/practical_document.h"

#include <gtest/gtest.h>

#include "print/memo_document.h"
#include "tests/print/document_checks.h"
#include "tests/print/worked_chart.h"

namespace suimei::print {
namespace {

using testing::expectEverythingOnThePage;
using testing::expectInOrder;
using testing::indexOf;
using testing::textsOf;

TEST(LuckAgeRange, StartToStartPlusNine) {
    EXPECT_EQ(luckAgeRangeText(28), "28-37才");
    EXPECT_EQ(luckAgeRangeText(101), "101-110才");
}

TEST(LuckHints, TenParagraphsInTheirOrderWithTheChartsValues) {
    const auto paragraphs = luckHintParagraphs(12, "金水", "木火土");
    const std::vector<std::string> headings = {"〔奇宿〕",   "〔命宮〕", "〔喜ぶ神〕", "〔忌む神〕",
                                               "〔吉方位〕", "〔行運〕", "〔肉体面〕", "〔行運〕",
                                               "〔年運〕",   "〔行運〕"};
    ASSERT_EQ(paragraphs.size(), headings.size());
    for (std::size_t i = 0; i < headings.size(); ++i) {
        EXPECT_EQ(paragraphs[i].rfind(headings[i], 0), 0u) << i;
        // Each says something of its own: no two paragraphs share their body.
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(paragraphs[i], paragraphs[j]);
    }
    EXPECT_NE(paragraphs[1].find("「亥」"), std::string::npos);
    EXPECT_NE(paragraphs[2].find("「金水」"), std::string::npos);
    EXPECT_NE(paragraphs[3].find("「木火土」"), std::string::npos);
    // A chart without a palace or elements shows a dash, not an empty quote.
    const auto empty = luckHintParagraphs(0, "", "");
    EXPECT_NE(empty[1].find("「-」"), std::string::npos);
    EXPECT_NE(empty[2].find("「-」"), std::string::npos);
}

class PracticalDocumentTest : public testing::WorkedChart {
  protected:
    PracticalDocumentContent content(std::size_t column) {
        const auto columns = practicalLuckColumns(chart());
        PracticalDocumentContent c;
        c.clientName = "山田 太郎";
        c.chart = &chart();
        c.luck = columns.at(column);
        return c;
    }
};

TEST_F(PracticalDocumentTest, TheLuckPillarAndItsTenYears) {
    const PrintDocument doc = composePracticalDocument(content(0));
    EXPECT_EQ(doc.title, "実践鑑定表 2/2");
    const auto texts = textsOf(doc);
    // Period 4 starts at 28 with 己巳 (丁卯 at 8, 戊辰 at 18); 己 is 正財 to 甲.
    expectInOrder(texts, {"山田 太郎 様",
                          "実践鑑定表 2/2",
                          "日柱",
                          "甲",
                          "戌",
                          "月柱",
                          "丙:食神",
                          "寅",
                          "年柱",
                          "甲:比肩",
                          "子",
                          "大運 28-37才",
                          "己:正財",
                          "巳",
                          "28才",
                          "壬:偏印",
                          "辰",
                          "2012年",
                          "29才",
                          "2013年",
                          "37才",
                          "2021年",
                          "[行運診断秘訣集]"});
    // Void 申酉: 2016 丙申 and 2017 丁酉 are marked.
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "空亡"), 2);
    const int marked = indexOf(texts, "2016年");
    EXPECT_EQ(texts[static_cast<std::size_t>(marked + 1)], "空亡");
    // Ten ratings of the years and the two of the luck pillar, each one of ○ × △.
    const auto ratings = std::count_if(texts.begin(), texts.end(), [](const std::string& t) {
        return t == "○" || t == "×" || t == "△";
    });
    EXPECT_EQ(ratings, 12);
}

TEST_F(PracticalDocumentTest, CombinationsOfTheLuckStemAreDrawnInGreen) {
    // 己 of the luck pillar binds the day and year stems 甲: 干合 lines in green.
    const PrintDocument doc = composePracticalDocument(content(0));
    int green = 0;
    for (const PrintItem& item : doc.pages[0].items) {
        if (item.kind == ItemKind::Line && item.colour == "#008000") ++green;
    }
    EXPECT_GE(green, 2);
}

TEST_F(PracticalDocumentTest, HintsFollowInOrderAndNothingLeavesThePage) {
    for (std::size_t column = 0; column < 7; ++column) {
        PracticalDocumentContent c = content(column);
        if (column == 6) c.clientName = std::string(60, 'W');  // a long name shrinks to fit
        const PrintDocument doc = composePracticalDocument(c);
        const auto texts = textsOf(doc);
        int at = indexOf(texts, "[行運診断秘訣集]");
        ASSERT_GE(at, 0);
        for (const char* heading :
             {"〔奇宿〕", "〔命宮〕", "〔喜ぶ神〕", "〔忌む神〕", "〔吉方位〕", "〔行運〕",
              "〔肉体面〕", "〔行運〕", "〔年運〕", "〔行運〕"}) {
            const int next = indexOf(texts, heading, at, true);
            ASSERT_GT(next, at) << heading;
            at = next;
        }
        EXPECT_GE(indexOf(texts, "〔命宮〕あなたの命宮は「亥」", -1, true), 0);
        EXPECT_EQ(texts.back(), kMakerNotice);
        expectEverythingOnThePage(doc);
    }
}

}  // namespace
}  // namespace suimei::print
