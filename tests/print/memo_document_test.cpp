// A memo printed as pages of 45 lines, with the title on every page and a footer.

#include "print/memo_document.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace suimei::print {
namespace {

std::vector<std::string> numberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) lines.push_back("行" + std::to_string(i));
    return lines;
}

bool pageHas(const PrintPage& page, const std::string& text) {
    return std::any_of(page.items.begin(), page.items.end(),
                       [&](const PrintItem& item) { return item.text == text; });
}

TEST(MemoDocument, FortyFiveLinesToAPageAndNoFooterOnlyPage) {
    struct Case {
        int lines;
        std::size_t pages;
    };
    for (const Case c :
         {Case{0, 1}, Case{1, 1}, Case{45, 1}, Case{46, 2}, Case{90, 2}, Case{91, 3}}) {
        MemoDocumentContent content;
        content.title = "【四柱推命ＡＩ（人工知能）鑑定文章】";
        content.memoLines = numberedLines(c.lines);
        const PrintDocument doc = composeMemoDocument(content);
        EXPECT_EQ(doc.pages.size(), c.pages) << c.lines << " lines";
    }
}

TEST(MemoDocument, LaterPagesRepeatTheTitleAndCarryTheFollowingLines) {
    MemoDocumentContent content;
    content.title = "四柱推命の結婚運に関する総合鑑定";
    content.clientName = "山田 花子";
    content.memoLines = numberedLines(46);
    const PrintDocument doc = composeMemoDocument(content);
    ASSERT_EQ(doc.pages.size(), 2u);
    for (const PrintPage& page : doc.pages) {
        EXPECT_TRUE(pageHas(page, content.title));
        EXPECT_TRUE(pageHas(page, "山田 花子 様 "));
        EXPECT_TRUE(pageHas(page, kMakerNotice));
    }
    EXPECT_TRUE(pageHas(doc.pages[0], "行45"));
    EXPECT_FALSE(pageHas(doc.pages[0], "行46"));
    EXPECT_TRUE(pageHas(doc.pages[1], "行46"));
    EXPECT_TRUE(pageHas(doc.pages[1], "2/2"));
}

TEST(MemoDocument, LongLinesWrapAndCountAsSeveralLines) {
    // 11 pt is 3.88 mm: a 170 mm line holds 43 full-width characters, so 100 characters take
    // three printed lines, and 43 short lines after it make 46: two pages.
    MemoDocumentContent content;
    std::string longLine;
    for (int i = 0; i < 100; ++i) longLine += "命";
    content.memoLines = {longLine};
    for (const std::string& line : numberedLines(43)) content.memoLines.push_back(line);
    const PrintDocument doc = composeMemoDocument(content);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_TRUE(pageHas(doc.pages[1], "行43"));
    for (const PrintItem& item : doc.pages[0].items) {
        if (item.kind != ItemKind::Text) continue;
        EXPECT_LE(item.x + textWidthEm(item.text) * item.pointSize * kMillimetresPerPoint,
                  item.x + item.width + 1e-6)
            << item.text;
        EXPECT_LE(item.y + item.height, 297.0);
    }
}

TEST(MemoDocument, FooterNamesThePractitionerWhenOneIsSet) {
    EXPECT_EQ(footerLine("", "03-1234-5678"), kMakerNotice);
    EXPECT_EQ(footerLine("星見鑑定所", ""), "星見鑑定所");
    EXPECT_EQ(footerLine("星見鑑定所", "03-1234-5678"), "星見鑑定所     TEL 03-1234-5678");
}

}  // namespace
}  // namespace suimei::print
