// The printed conception-day reading: heading, the four explanations in Gothic, the memo in
// Mincho running on to further pages, and the practitioner's footer.

#include "print/conception_document.h"

#include "print/memo_document.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace suimei::print {
namespace {

const PrintItem* find(const PrintPage& page, std::string_view text) {
    const auto it = std::find_if(page.items.begin(), page.items.end(),
                                 [&](const PrintItem& item) { return item.text == text; });
    return it == page.items.end() ? nullptr : &*it;
}

TEST(ConceptionDocument, HeadingExplanationsAndMemoOnTheFirstPage) {
    ConceptionDocumentContent content;
    content.clientName = "山田 花子";
    content.memoLines = {"■日干支は小性と呼ばれ、初年期から青年期における素質や才能を見ます。",
                         "干支：己亥", "己亥の文章。", ""};
    content.practitionerName = "東風鑑定所";
    content.practitionerTelephone = "03-0000-0000";
    const PrintDocument doc = composeConceptionDocument(content);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.title, "【 天源占星術鑑定文章 】");
    const PrintPage& page = doc.pages[0];
    ASSERT_NE(find(page, "山田 花子 様 "), nullptr);
    ASSERT_NE(find(page, "【 天源占星術鑑定文章 】"), nullptr);
    double lastY = 0;
    for (const std::string_view line : conceptionExplanationLines()) {
        const PrintItem* item = find(page, line);
        ASSERT_NE(item, nullptr) << line;
        EXPECT_EQ(item->face, FontFace::Gothic);
        EXPECT_EQ(item->pointSize, 12);
        EXPECT_GT(item->y, lastY);
        lastY = item->y;
    }
    const PrintItem* passage = find(page, "己亥の文章。");
    ASSERT_NE(passage, nullptr);
    EXPECT_EQ(passage->face, FontFace::Mincho);
    EXPECT_EQ(passage->pointSize, 11);
    EXPECT_GT(passage->y, lastY);
    EXPECT_NE(find(page, "東風鑑定所     TEL 03-0000-0000"), nullptr);
}

TEST(ConceptionDocument, LongMemoRunsOnWithoutTheExplanations) {
    ConceptionDocumentContent content;
    // The four explanations and a blank line take five of the first page's 45 lines.
    for (int i = 1; i <= 41; ++i) content.memoLines.push_back("行" + std::to_string(i));
    const PrintDocument doc = composeConceptionDocument(content);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_NE(find(doc.pages[0], "行40"), nullptr);
    EXPECT_EQ(find(doc.pages[0], "行41"), nullptr);
    EXPECT_NE(find(doc.pages[1], "行41"), nullptr);
    EXPECT_EQ(find(doc.pages[1], conceptionExplanationLines()[0]), nullptr);
    EXPECT_NE(find(doc.pages[1], "【 天源占星術鑑定文章 】"), nullptr);
    // Without a practitioner the footer is the maker's notice.
    EXPECT_NE(find(doc.pages[1], kMakerNotice), nullptr);
}

TEST(ConceptionDocument, MemoLineEqualToAnExplanationStaysInMincho) {
    ConceptionDocumentContent content;
    content.memoLines = {std::string(conceptionExplanationLines()[1])};
    const PrintDocument doc = composeConceptionDocument(content);
    int gothic = 0, mincho = 0;
    for (const PrintItem& item : doc.pages[0].items) {
        if (item.text != conceptionExplanationLines()[1]) continue;
        (item.face == FontFace::Gothic ? gothic : mincho)++;
    }
    EXPECT_EQ(gothic, 1);
    EXPECT_EQ(mincho, 1);
}

}  // namespace
}  // namespace suimei::print
