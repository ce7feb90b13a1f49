// The general-audience report of the worked chart over a passage table of the test's own: the
// category marks, the keys in their order, the three stem-relation keywords, the footer lines,
// and long passages flowing over pages.

#include "print/general_report.h"

#include <gtest/gtest.h>

#include "print/memo_document.h"
#include "readings/passage_table.h"
#include "tests/print/document_checks.h"
#include "tests/print/worked_chart.h"

namespace suimei::print {
namespace {

using testing::expectEverythingOnThePage;
using testing::expectInOrder;
using testing::indexOf;
using testing::textsOf;

class GeneralReportTest : public testing::WorkedChart {
  protected:
    void SetUp() override {
        WorkedChart::SetUp();
        std::string error;
        passages = PassageTable::open(AppPaths(dir.path()), &error);
        ASSERT_TRUE(passages) << error;
    }
    void add(const std::string& k1, const std::string& k2, const std::string& memo,
             const std::string& bun1 = {}) {
        Table& t = passages->table();
        t.append();
        t.setField("key1", k1);
        t.setField("key2", k2);
        t.setField("bun1", bun1);
        t.setField("memo", memo);
        ASSERT_TRUE(t.post()) << t.lastError();
    }
    std::unique_ptr<PassageTable> passages;
};

// From 甲: month stem 丙 食神 (食傷 ◎), year stem 甲 比肩 (比劫 ○), hour stem 戊 偏財 (財 △).
TEST_F(GeneralReportTest, CategoryMarksFollowTheMonthYearAndHourStems) {
    EXPECT_EQ(categoryMarks(chart()), (std::array<std::string, 5>{"○", "◎", "△", "", ""}));
    Tmandata shared = chart();
    shared.hourPillar.stemTenGod = 7;  // 傷官: the month's category again
    EXPECT_EQ(categoryMarks(shared), (std::array<std::string, 5>{"○", "◎△", "", "", ""}));
    shared.hourPillar = PillarBlock{};  // no hour: no △
    EXPECT_EQ(categoryMarks(shared), (std::array<std::string, 5>{"○", "◎", "", "", ""}));
}

TEST_F(GeneralReportTest, TheKeysInTheirOrder) {
    std::vector<PassageKey> keys;
    for (const ReportReading& r : generalReportReadings(chart())) keys.push_back(r.key);
    // Hidden stems in force: 戊 of 寅 (偏財), 辛 of 戌 (正官); stages 建禄 on 寅, 養 on 戌.
    const std::vector<PassageKey> expected = {
        {"日干", "甲"},       {"目的", "食神"},   {"目的", "偏財"},   {"手段", "比肩"},
        {"職場内面", "建禄"}, {"青年精神", "甲"}, {"中年精神", "丙"}, {"老年精神", "甲"},
        {"配偶行動", "正官"}, {"異性内面", "養"}, {"理想配偶", "甲"}, {"目下行動", "偏財"}};
    EXPECT_EQ(keys, expected);
    const auto relations = stemRelationKeys(chart());
    EXPECT_EQ(relations[0], (PassageKey{"干関係", "戊甲"}));
    EXPECT_EQ(relations[1], (PassageKey{"干関係", "甲丙"}));
    EXPECT_EQ(relations[2], (PassageKey{"干関係", "丙甲"}));

    // Without an hour the hour's reading and the hour-day keyword are not asked for.
    Tmandata noHour = chart();
    noHour.hourPillar = PillarBlock{};
    const auto readings = generalReportReadings(noHour);
    ASSERT_EQ(readings.size(), 11u);
    EXPECT_EQ(readings.back().key, (PassageKey{"理想配偶", "甲"}));
    EXPECT_EQ(stemRelationKeys(noHour)[0].key2, "");
}

TEST_F(GeneralReportTest, PassagesAndKeywordsPrintInOrderWithTheFooterLines) {
    // Stored in another order than the report reads them, with a decoy of the same key2.
    add("目下行動", "偏財", "目下の人には気前良く接します。");
    add("日干", "甲", "大樹のようにまっすぐな人です。\nいつも上を目指します。");
    add("理想配偶", "甲", "支えてくれる人が理想です。");
    add("目的", "食神", "楽しみを分かち合うことが目的です。");
    add("目的", "偏財", "広く人と交わることを心の奥で求めます。");
    add("干関係", "戊甲", "", "切磋琢磨");
    add("干関係", "甲丙", "", "才能開花");
    add("干関係", "丙甲", "", "相互扶助");
    add("AI", "甲", "別の読み物です。");
    GeneralReportContent content = generalReportContent(chart(), *passages);
    EXPECT_EQ(content.stems, (std::array<std::string, 4>{"戊", "甲", "丙", "甲"}));
    EXPECT_EQ(content.branches, (std::array<std::string, 4>{"辰", "戌", "寅", "子"}));
    EXPECT_EQ(content.stages, (std::array<std::string, 4>{"衰", "養", "建禄", "沐浴"}));
    EXPECT_EQ(content.monthHiddenStem, "(戊)");
    EXPECT_EQ(content.stemRelations,
              (std::array<std::string, 3>{"切磋琢磨", "才能開花", "相互扶助"}));

    const PrintDocument doc = composeGeneralReport(content);
    const auto texts = textsOf(doc);
    expectInOrder(texts, {"総合診断書",
                          "比劫 ○",
                          "食傷 ◎",
                          "財 △",
                          "官 ",
                          "印 ",
                          "(戊)",
                          "◆あなたの本質",
                          "大樹のようにまっすぐな人です。",
                          "いつも上を目指します。",
                          "◆人生の目的",
                          "楽しみを分かち合うことが目的です。",
                          "◆心の奥にある目的",
                          "広く人と交わることを心の奥で求めます。",
                          "◆理想の伴侶",
                          "支えてくれる人が理想です。",
                          "◆目下の人への接し方",
                          "目下の人には気前良く接します。",
                          "◆干の関係",
                          "時柱と日柱：切磋琢磨",
                          "日柱と月柱：才能開花",
                          "月柱と年柱：相互扶助",
                          kMakerNotice,
                          "山田 太郎 様 　1984年2月10日　07:00-09:00"});
    EXPECT_EQ(indexOf(texts, "別の読み物です。"), -1);
    // Readings the table does not hold leave no empty heading.
    EXPECT_EQ(indexOf(texts, "◆目的を果たす手段"), -1);
    expectEverythingOnThePage(doc);

    content.practitionerName = "鑑定室 星見";
    content.practitionerTelephone = "03-1234-5678";
    const auto withOffice = textsOf(composeGeneralReport(content));
    EXPECT_GE(indexOf(withOffice, "鑑定室 星見     TEL 03-1234-5678"), 0);
    EXPECT_EQ(indexOf(withOffice, kMakerNotice), -1);
}

TEST_F(GeneralReportTest, LongPassagesRunOverPagesWithEveryLineOnAPage) {
    std::string longPassage;
    for (int i = 0; i < 40; ++i)
        longPassage += "長い鑑定文の一行です。改行のない文章も頁の幅で折り返されます。\n";
    for (const char* k1 : {"日干", "青年精神", "理想配偶"}) add(k1, "甲", longPassage);
    const PrintDocument doc = composeGeneralReport(generalReportContent(chart(), *passages));
    ASSERT_GE(doc.pages.size(), 3u);
    expectEverythingOnThePage(doc);
    // Every page carries the footer lines; the numbered pages count up to the last.
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const auto texts = textsOf(doc.pages[p]);
        EXPECT_EQ(texts.back(), "山田 太郎 様 　1984年2月10日　07:00-09:00");
        EXPECT_GE(indexOf(texts, std::to_string(p + 1) + "/" + std::to_string(doc.pages.size())),
                  0);
    }
    // All 120 passage lines are there, none lost at a page break.
    const auto texts = textsOf(doc);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.rfind("長い鑑定文", 0) == 0; }),
              120);
}

}  // namespace
}  // namespace suimei::print
