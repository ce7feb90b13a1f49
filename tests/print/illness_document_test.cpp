// The printed illness reading: name, title, the memo in Mincho 11 pt and the practitioner's
// footer, on as many pages as the memo needs.

#include "print/illness_document.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "methods/illness.h"

namespace suimei::print {
namespace {

const PrintItem* findItem(const PrintPage& page, const std::string& text) {
    const auto it = std::find_if(page.items.begin(), page.items.end(),
                                 [&](const PrintItem& item) { return item.text == text; });
    return it == page.items.end() ? nullptr : &*it;
}

TEST(IllnessDocument, NameTitleMemoAndFooterOnThePage) {
    MemoDocumentContent content;
    content.title = "ignored";
    content.clientName = "山田 花子";
    content.memoLines = {"○五行エネルギーの最強は、水性です。", "", "○甲を補助する食物：ザボン"};
    content.practitionerName = "鑑定処 星見";
    content.practitionerTelephone = "03-1234-5678";
    const PrintDocument doc = composeIllnessDocument(content);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.title, "【 四柱推命 臓器学説 鑑定文章 】");
    const PrintPage& page = doc.pages[0];
    const PrintItem* name = findItem(page, "山田 花子 様 ");
    const PrintItem* title = findItem(page, "【 四柱推命 臓器学説 鑑定文章 】");
    ASSERT_NE(name, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_LT(name->y, title->y);
    EXPECT_EQ(name->face, FontFace::Gothic);
    EXPECT_EQ(name->pointSize, 12);
    const PrintItem* first = findItem(page, content.memoLines[0]);
    const PrintItem* third = findItem(page, content.memoLines[2]);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(first->face, FontFace::Mincho);
    EXPECT_EQ(first->pointSize, 11);
    // The empty line keeps its place: the third line stands two lines below the first.
    content.memoLines = {"一", "二"};
    const PrintPage two = composeIllnessDocument(content).pages[0];
    const double lineHeight = findItem(two, "二")->y - findItem(two, "一")->y;
    EXPECT_GT(lineHeight, 4.0);
    EXPECT_DOUBLE_EQ(third->y - first->y, 2 * lineHeight);
    EXPECT_NE(findItem(page, "鑑定処 星見     TEL 03-1234-5678"), nullptr);
    EXPECT_EQ(findItem(page, "ignored"), nullptr);
}

// The basic text (10 lines), the earth foods (the 戊 and the 己 line wrap to two each) and 40
// short lines: 54 printed lines, so 行31 ends the first page and 行32 opens the second.
TEST(IllnessDocument, ALongMemoWrapsAndContinuesOnAFurtherPageWithTheTitle) {
    MemoDocumentContent content;
    content.clientName = "山田 花子";
    content.memoLines = illnessBasicText(ElementArray{0, 1, 2, 3, 4, 5});
    for (const std::string& line : illnessFoodLines(3)) content.memoLines.push_back(line);
    for (int i = 1; i <= 40; ++i) content.memoLines.push_back("行" + std::to_string(i));
    const PrintDocument doc = composeIllnessDocument(content);
    ASSERT_EQ(doc.pages.size(), 2u);
    for (const PrintPage& page : doc.pages) {
        EXPECT_NE(findItem(page, kIllnessPrintTitle), nullptr);
        EXPECT_NE(findItem(page, "山田 花子 様 "), nullptr);
        EXPECT_NE(findItem(page, kMakerNotice), nullptr);
    }
    EXPECT_NE(findItem(doc.pages[0], "行31"), nullptr);
    EXPECT_NE(findItem(doc.pages[1], "行32"), nullptr);
    const auto& items = doc.pages[0].items;
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const PrintItem& item) {
        return item.text.starts_with("○戊を補助する食物：ソバ") && item.text.size() < 43 * 3 + 1;
    }));
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const PrintItem& item) {
        return item.text.ends_with("苺・西瓜") && !item.text.starts_with("○");
    }));
}

}  // namespace
}  // namespace suimei::print
