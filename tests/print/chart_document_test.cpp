// The chart document of a chart worked by hand: its blocks in order, the "-" column of a chart
// without an hour, the element shares, the footer, and nothing off the page.

#include "print/chart_document.h"

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

TEST(ElementShares, PercentagesAddUpToExactlyAHundred) {
    EXPECT_EQ(elementShares({0, 0, 0, 0, 0, 0}), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(elementShares({0, 3, 1, 0, 0, 0}), (std::array<int, 5>{75, 25, 0, 0, 0}));
    // Three equal thirds: the rounding goes to the first of the equal remainders.
    EXPECT_EQ(elementShares({0, 1, 1, 1, 0, 0}), (std::array<int, 5>{34, 33, 33, 0, 0}));
    // 2/7 = 28.57, 5/7 = 71.43: rounded to the nearer.
    EXPECT_EQ(elementShares({0, 0, 2, 0, 0, 5}), (std::array<int, 5>{0, 29, 0, 0, 71}));
    // Negative points count as none.
    EXPECT_EQ(elementShares({0, -4, 1, 0, 0, 1}), (std::array<int, 5>{0, 50, 0, 0, 50}));
}

class ChartDocumentTest : public testing::WorkedChart {
  protected:
    ChartDocumentContent content() {
        ChartDocumentContent c = chartDocumentContent(chart(), 0, runner.nineStars());
        c.hiddenStemSchool = "渕海子平";
        c.stageSchool = "陽生陰死式";
        return c;
    }
};

TEST_F(ChartDocumentTest, EveryBlockInItsOrder) {
    const ChartDocumentContent c = content();
    const PrintDocument doc = composeChartDocument(c);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.title, "命式鑑定表 1/2");
    const auto texts = textsOf(doc);
    expectInOrder(
        texts,
        {"山田 太郎 様 ", "命式鑑定表 1/2", "[蔵干表]渕海子平", "[十二運星]陽生陰死式", "時 柱",
         "日 柱", "月 柱", "年 柱",
         // Stems with their ten gods from 甲; the day stem is the day master.
         "戊(偏財)", "甲(日主)", "丙(食神)", "甲(比肩)", "辰", "戌", "寅", "子",
         // The hidden stems of 辰 (乙 癸 戊) come first in the row.
         "乙(劫財)", "癸(印綬)", "戊(偏財)",
         // Own stages: 戊 on 辰 冠帯, 甲 on 戌 養, 丙 on 寅 長生, 甲 on 子 沐浴.
         "冠帯", "養", "長生", "沐浴", "干 合", "なし", "三 合", "なし", "方 合", "なし", "支 合",
         "なし", " 冲", "辰戌", "三 刑", "なし", "自 刑", "なし", "特殊星",
         // Day stem 甲: 金興禄 on 辰 and 戌, 福星 on 寅, 大極 on the year's 子; month
         // branch 寅: 月徳 on the month stem 丙, 華蓋 on 戌.
         "時 柱：金興禄", "日 柱：金興禄・華蓋", "月 柱：福星貴人・月徳貴人", "年 柱：大極貴人",
         // 甲 on 辰 戌 寅 子: 衰 養 建禄 沐浴.
         "日干から各柱", "衰", "養", "建禄", "沐浴",
         // 戊 丙 on 寅 長生 (fire and earth together), 甲 on 寅 建禄.
         ".月支から各柱", "長生", "建禄", "長生", "建禄", "命式身旺身弱", "五行強弱", "十二運星",
         "我身の強さ", "*弱いと逆境に弱いが「敏」強いと逆境に強いが「鈍」", "九星", "用  神",
         "喜ぶ神", "忌む神", "空  亡", "申酉", "*喜神の五行を強く持った人とは相性吉",
         "五行の強さのバランス", "木", "火", "土", "金", "水",
         "*五行がバランスしていると性格もバランスが良い"});
    EXPECT_GE(indexOf(texts, "*上記を格局でいうと本命は「" + chart().patternName + "」です"), 0);
    // 1984 is a 七赤 year; its 寅 month is 八白; 七赤 stands at 巽 on the board of 八白.
    EXPECT_GE(indexOf(texts, "本命星：七赤金星  月命星：八白土星  傾斜宮：巽宮"), 0);
    EXPECT_EQ(indexOf(texts, kMakerNotice), static_cast<int>(texts.size()) - 1);
    expectEverythingOnThePage(doc);
}

TEST_F(ChartDocumentTest, TheElementPercentagesAreTheChartsPointsInHundredths) {
    const ChartDocumentContent c = content();
    int sum = 0;
    for (int s : c.elementShare) sum += s;
    EXPECT_EQ(sum, 100);
    const auto texts = textsOf(composeChartDocument(c));
    for (int s : c.elementShare) EXPECT_GE(indexOf(texts, std::to_string(s) + "%"), 0);
}

TEST_F(ChartDocumentTest, AChartWithoutAnHourPrintsADashInTheHourColumn) {
    Tmandata noHour = chart();
    noHour.hourPillar = PillarBlock{};
    const ChartDocumentContent c = chartDocumentContent(noHour, 0, runner.nineStars());
    const ChartColumn& hour = c.columns[0];
    EXPECT_EQ(hour.heading, "時 柱");
    for (const std::string* t :
         {&hour.stem, &hour.branch, &hour.stage, &hour.stageFromDay, &hour.stageFromMonth}) {
        EXPECT_EQ(*t, "-");
    }
    EXPECT_EQ(hour.hiddenStems, std::vector<std::string>{"-"});
    // The other columns are unchanged.
    EXPECT_EQ(c.columns[1].stem, "甲(日主)");
    const auto texts = textsOf(composeChartDocument(c));
    EXPECT_EQ(texts[static_cast<std::size_t>(indexOf(texts, "天 干") + 1)], "-");
}

TEST_F(ChartDocumentTest, TheFooterNamesThePractitionerOrElseTheMaker) {
    ChartDocumentContent c = content();
    c.practitionerName = "鑑定室 星見";
    c.practitionerTelephone = "03-1234-5678";
    auto texts = textsOf(composeChartDocument(c));
    EXPECT_EQ(texts.back(), "鑑定室 星見     TEL 03-1234-5678");
    EXPECT_EQ(indexOf(texts, kMakerNotice), -1);
    c.practitionerTelephone.clear();
    texts = textsOf(composeChartDocument(c));
    EXPECT_EQ(texts.back(), "鑑定室 星見");
}

TEST_F(ChartDocumentTest, LongNamesAndStarListsStayInTheirPlaces) {
    ChartDocumentContent c = content();
    for (auto& stars : c.tokushuStars) {
        stars.assign(12, "天乙貴人");
    }
    c.clientName.clear();
    for (int i = 0; i < 30; ++i) c.clientName += "長";
    const PrintDocument doc = composeChartDocument(c);
    expectEverythingOnThePage(doc);
    double stagesTop = 0;
    for (const PrintItem& item : doc.pages[0].items) {
        if (item.text == "日干から各柱") stagesTop = item.y;
    }
    ASSERT_GT(stagesTop, 0);
    for (const PrintItem& item : doc.pages[0].items) {
        if (item.text.find("天乙貴人") != std::string::npos) {
            EXPECT_LE(item.y + item.height, stagesTop) << item.text;
        }
    }
}

}  // namespace
}  // namespace suimei::print
