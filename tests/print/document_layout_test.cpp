// The text flow of the longer documents: lines wrap to the width, a line that would reach the
// footer starts a new page with its heading, and the footer numbers pages only when there are
// several.

#include "print/document_layout.h"

#include <gtest/gtest.h>

#include "tests/print/document_checks.h"

namespace suimei::print {
namespace {

using testing::expectEverythingOnThePage;
using testing::textsOf;

TEST(TextFlow, ALineThatWouldReachTheFooterStartsANewPageUnderItsHeading) {
    PrintDocument doc;
    int headings = 0;
    TextFlow flow(doc, kPageLeft, kPageWidth, 260, [&headings](PrintPage& page) {
        ++headings;
        page.items.push_back(textItem(kPageLeft, 10, 50, 6, "見出し", FontFace::Gothic, 10));
        return 20.0;
    });
    EXPECT_EQ(headings, 1);
    const FlowStyle style{FontFace::Mincho, 10, 5, false, 0, Align::Left};
    // 260 + 3 x 5 = 275 fits above 278; the fourth line does not.
    for (int i = 1; i <= 4; ++i) flow.paragraph("行" + std::to_string(i), style);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(headings, 2);
    EXPECT_EQ(textsOf(doc.pages[0]).back(), "行3");
    EXPECT_EQ(textsOf(doc.pages[1]), (std::vector<std::string>{"見出し", "行4"}));
    EXPECT_DOUBLE_EQ(flow.y(), 25);
}

TEST(TextFlow, LongParagraphsWrapAndEmptyOnesKeepTheirLine) {
    PrintDocument doc;
    TextFlow flow(doc, kPageLeft, 50, 20, nullptr);
    const FlowStyle style{FontFace::Mincho, 10, 5, false, 0, Align::Left};
    // 50 mm at 10 pt holds 14 full-width characters (3.53 mm each).
    std::string thirty;
    for (int i = 0; i < 30; ++i) thirty += "あ";
    flow.paragraph(thirty, style);
    EXPECT_EQ(textsOf(doc).size(), 3u);
    flow.paragraph("", style);
    EXPECT_DOUBLE_EQ(flow.y(), 20 + 4 * 5);
    expectEverythingOnThePage(doc);
}

TEST(TextFlow, AHundredParagraphsFillSeveralPagesAndStayOnThem) {
    PrintDocument doc;
    TextFlow flow(doc, kPageLeft, kPageWidth, 30, [](PrintPage&) { return 20.0; });
    for (int i = 0; i < 100; ++i) {
        flow.paragraph(
            "四柱推命の鑑定文の段落です。長い段落が続いても、本文は必ず頁の内側に収まり、"
            "足元の署名と重なることはありません。",
            {FontFace::Mincho, 10.5, 5.4, false, 4, Align::Left});
    }
    addFooters(doc, "鑑定室 星見");
    ASSERT_GT(doc.pages.size(), 3u);
    for (const PrintPage& page : doc.pages) {
        for (const PrintItem& item : page.items) {
            if (item.kind == ItemKind::Text && item.text != "鑑定室 星見" &&
                item.text.find('/') == std::string::npos) {
                EXPECT_LE(item.y + item.height, kBodyBottom + 1e-9);
            }
        }
    }
    expectEverythingOnThePage(doc);
    EXPECT_EQ(textsOf(doc.pages.back()).back(),
              std::to_string(doc.pages.size()) + "/" + std::to_string(doc.pages.size()));
}

TEST(Footers, OnePageHasNoPageNumber) {
    PrintDocument doc;
    doc.pages.emplace_back();
    addFooters(doc, "鑑定室 星見     TEL 03-1234-5678");
    EXPECT_EQ(textsOf(doc), std::vector<std::string>{"鑑定室 星見     TEL 03-1234-5678"});
}

}  // namespace
}  // namespace suimei::print
