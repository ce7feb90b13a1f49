#include "print/mansion_document.h"

#include <gtest/gtest.h>

#include "print/memo_document.h"

namespace suimei::print {
namespace {

MansionDocumentContent sample() {
    MansionDocumentContent c;
    c.title = "宿曜が教える宿星の意味";
    c.clientName = "山田 花子";
    c.birthLine = "1985年1月3日　生まれ";
    c.picturePath = "/app/bmp/QR27-4.bmp";
    c.lines = {"【参宿】宿星の意味", "参宿は改革の星です。"};
    return c;
}

std::vector<std::string> texts(const PrintPage& page) {
    std::vector<std::string> out;
    for (const auto& item : page.items) {
        if (item.kind == ItemKind::Text) out.push_back(item.text);
    }
    return out;
}

bool has(const std::vector<std::string>& all, const std::string& text) {
    return std::find(all.begin(), all.end(), text) != all.end();
}

TEST(MansionDocument, OnePageWithNameBirthPictureTextAndFooter) {
    const PrintDocument doc = composeMansionDocument(sample());
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.title, "宿曜が教える宿星の意味");
    const auto all = texts(doc.pages[0]);
    EXPECT_TRUE(has(all, "山田 花子 様 "));
    EXPECT_TRUE(has(all, "1985年1月3日　生まれ"));
    EXPECT_TRUE(has(all, "宿曜が教える宿星の意味"));
    EXPECT_TRUE(has(all, "参宿は改革の星です。"));
    EXPECT_TRUE(has(all, kMakerNotice));
    int pictures = 0;
    for (const auto& item : doc.pages[0].items) {
        if (item.kind != ItemKind::Picture) continue;
        ++pictures;
        EXPECT_EQ(item.text, "/app/bmp/QR27-4.bmp");
    }
    EXPECT_EQ(pictures, 1);

    MansionDocumentContent office = sample();
    office.practitionerName = "推命鑑定室";
    office.practitionerTelephone = "03-1234-5678";
    EXPECT_TRUE(
        has(texts(composeMansionDocument(office).pages[0]), "推命鑑定室     TEL 03-1234-5678"));
}

// A text far longer than the space under the picture is set smaller and then cut, but never
// runs onto the footer or off the page.
TEST(MansionDocument, LongTextStaysOnItsOnePage) {
    MansionDocumentContent c = sample();
    for (int i = 0; i < 80; ++i) c.lines.push_back("長い文章の行です。宿曜の教えを書き連ねます。");
    const PrintDocument doc = composeMansionDocument(c);
    ASSERT_EQ(doc.pages.size(), 1u);
    double lowestText = 0;
    for (const auto& item : doc.pages[0].items) {
        EXPECT_LE(item.x + item.width, doc.paperWidth);
        EXPECT_LE(item.y + item.height, doc.paperHeight);
        if (item.kind == ItemKind::Text && item.text != kMakerNotice) {
            lowestText = std::max(lowestText, item.y + item.height);
            EXPECT_LE(textWidthEm(item.text) * item.pointSize * kMillimetresPerPoint,
                      item.width + 0.01)
                << item.text;
        }
    }
    EXPECT_LE(lowestText, 280.0);
    EXPECT_TRUE(has(texts(doc.pages[0]), "…"));
    // The short text is printed whole at the largest size.
    const PrintDocument whole = composeMansionDocument(sample());
    for (const auto& item : whole.pages[0].items) {
        if (item.text == "参宿は改革の星です。") {
            EXPECT_EQ(item.pointSize, 11);
        }
    }
}

}  // namespace
}  // namespace suimei::print
