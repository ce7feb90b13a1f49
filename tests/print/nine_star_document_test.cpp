// The printed Nine Star Ki reading: boards with their fills and marks, headings with the pillars,
// the memo continued on further pages without running over the footer.

#include "print/nine_star_document.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "chart/mandata.h"
#include "print/memo_document.h"

namespace suimei::print {
namespace {

int count(const PrintDocument& doc, const std::string& text) {
    int n = 0;
    for (const PrintPage& page : doc.pages) {
        n += static_cast<int>(std::count_if(page.items.begin(), page.items.end(),
                                            [&](const PrintItem& i) { return i.text == text; }));
    }
    return n;
}

int filled(const PrintPage& page, const std::string& colour) {
    return static_cast<int>(std::count_if(page.items.begin(), page.items.end(), [&](const auto& i) {
        return i.kind == ItemKind::Box && i.fill == colour;
    }));
}

NineStarDocumentContent sample(int memoLines) {
    Tmandata chart;
    chart.yearStar = 7;
    chart.monthStar = 6;
    chart.starValue1 = 9;
    chart.starValue2 = 6;
    chart.yearPillar.stem = 1;  // 甲子
    chart.yearPillar.branch = 1;
    chart.monthPillar.stem = 4;  // 丁丑
    chart.monthPillar.branch = 2;
    NineStarDocumentContent c;
    c.clientName = "山田 花子";
    c.natal = readNatalNineStar(chart);
    c.future = readNineStarFuture(7, 2025, 3);
    c.natalMemo = {"本命星の文章。", " "};
    for (int i = 1; i <= memoLines; ++i) c.futureMemo.push_back("未来の行" + std::to_string(i));
    c.practitionerName = "鑑定所 星読み";
    c.practitionerTelephone = "03-1234-5678";
    return c;
}

TEST(NineStarDocument, BoardsHeadingsAndMarksOnTheFirstPage) {
    const PrintDocument doc = composeNineStarDocument(sample(3));
    EXPECT_EQ(doc.title, "九星気学鑑定書");
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintPage& page = doc.pages[0];
    for (const char* text :
         {"山田 花子 様 ", "九星気学鑑定書", "年盤（本命）　甲子", "月盤（月命星・傾斜法）　丁丑",
          "2025年盤 乙巳", "3月盤 己卯", "八白土星が年盤と月盤で同会", "本命星の文章。",
          "未来の行3", "鑑定所 星読み     TEL 03-1234-5678"}) {
        EXPECT_EQ(count(doc, text), 1) << text;
    }
    // Four boards of nine squares, the inclination square alone in light yellow, the two break
    // directions of the future boards in yellow.
    EXPECT_EQ(filled(page, kInclinationColour), 1);
    EXPECT_EQ(filled(page, kBreakColour), 2);
    EXPECT_EQ(count(doc, "七赤金星"), 4);  // on every board once
    EXPECT_EQ(count(doc, "暗剣殺"), 2);
    EXPECT_EQ(count(doc, "同会"), 2);
    EXPECT_EQ(count(doc, "年月同会"), 1);
    EXPECT_EQ(count(doc, "午"), 4);
    // The natal memo, then an empty line, then the future memo.
    double natalY = 0, futureY = 0;
    for (const PrintItem& i : page.items) {
        if (i.text == "本命星の文章。") natalY = i.y;
        if (i.text == "未来の行1") futureY = i.y;
    }
    EXPECT_NEAR(futureY - natalY, 3 * 5.4, 0.01);
}

TEST(NineStarDocument, LongMemoContinuesOnPagesThatNeverRunOffThePaper) {
    const PrintDocument doc = composeNineStarDocument(sample(120));
    ASSERT_GE(doc.pages.size(), 3u);
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const PrintPage& page = doc.pages[p];
        EXPECT_EQ(count(PrintDocument{"", 210, 297, {page}}, "山田 花子 様 "), 1) << p;
        EXPECT_EQ(count(PrintDocument{"", 210, 297, {page}}, "鑑定所 星読み     TEL 03-1234-5678"),
                  1)
            << p;
        for (const PrintItem& i : page.items) {
            // Only the footer line sits at the foot; everything else ends above it.
            if (i.y >= 283) continue;
            EXPECT_LE(i.y + i.height, 281.01) << p << ": " << i.text;
            EXPECT_LE(i.x + i.width, 190.01) << p << ": " << i.text;
        }
    }
    for (int i = 1; i <= 120; ++i) EXPECT_EQ(count(doc, "未来の行" + std::to_string(i)), 1) << i;
    EXPECT_EQ(count(doc, "1/" + std::to_string(doc.pages.size())), 1);
}

TEST(NineStarDocument, AWrappedLineEndingInAClosingMarkStillFitsItsBox) {
    // Forty-five full-width characters fill the 170 mm line at 10.5 pt; the 。 after them may
    // not start the next line.
    std::string line;
    for (int i = 0; i < 45; ++i) line += "あ";
    NineStarDocumentContent c = sample(0);
    c.futureMemo = {line + "。" + line + "。"};
    const PrintDocument doc = composeNineStarDocument(c);
    int memoItems = 0;
    for (const PrintItem& i : doc.pages[0].items) {
        if (i.kind != ItemKind::Text || i.text.find("あ") == std::string::npos) continue;
        ++memoItems;
        EXPECT_LE(textWidthEm(i.text) * i.pointSize * kMillimetresPerPoint, i.width) << i.text;
    }
    EXPECT_GE(memoItems, 3);
}

TEST(NineStarDocument, WithoutAFutureReadingOnlyTheNatalBoards) {
    NineStarDocumentContent c = sample(0);
    c.future.reset();
    c.practitionerName.clear();
    const PrintDocument doc = composeNineStarDocument(c);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(count(doc, "七赤金星"), 2);
    EXPECT_EQ(count(doc, "暗剣殺"), 0);
    EXPECT_EQ(count(doc, kMakerNotice), 1);
}

}  // namespace
}  // namespace suimei::print
