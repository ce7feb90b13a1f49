// The cover: the chosen picture of hyousi/, the practitioner as its title with the telephone, and
// the footer.

#include "print/cover_document.h"

#include <gtest/gtest.h>

#include "print/memo_document.h"
#include "tests/print/document_checks.h"

namespace suimei::print {
namespace {

TEST(Cover, ThePictureOfTheChosenCover) {
    EXPECT_EQ(coverPicturePath("/app/hyousi", 3), std::filesystem::path("/app/hyousi/3.bmp"));
    EXPECT_EQ(coverPicturePath("/app/hyousi", 0), std::filesystem::path("/app/hyousi/0.bmp"));
    // A choice out of range falls back to the first cover rather than a file that is not there.
    EXPECT_EQ(coverPicturePath("/app/hyousi", 5), std::filesystem::path("/app/hyousi/0.bmp"));
    EXPECT_EQ(coverPicturePath("/app/hyousi", -1), std::filesystem::path("/app/hyousi/0.bmp"));
}

TEST(Cover, PractitionerAsTitleWithTheTelephone) {
    CoverContent c;
    c.practitionerName = "鑑定室 星見";
    c.practitionerTelephone = "03-1234-5678";
    c.clientName = "山田 太郎";
    c.picture = "/app/hyousi/2.bmp";
    const PrintDocument doc = composeCover(c);
    ASSERT_EQ(doc.pages.size(), 1u);
    const auto texts = testing::textsOf(doc);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"鑑　定　書", "山田 太郎 様", "鑑定室 星見",
                                        "TEL 03-1234-5678", "鑑定室 星見     TEL 03-1234-5678"}));
    int pictures = 0;
    for (const PrintItem& item : doc.pages[0].items) {
        if (item.kind != ItemKind::Picture) continue;
        ++pictures;
        EXPECT_EQ(item.text, "/app/hyousi/2.bmp");
    }
    EXPECT_EQ(pictures, 1);
    testing::expectEverythingOnThePage(doc);
}

TEST(Cover, LongNamesShrinkToTheirLineInsteadOfRunningOffIt) {
    CoverContent c;
    for (int i = 0; i < 40; ++i) c.practitionerName += "鑑";
    for (int i = 0; i < 30; ++i) c.clientName += "名";
    c.practitionerTelephone = "03-1234-5678";
    c.picture = "/app/hyousi/0.bmp";
    const PrintDocument doc = composeCover(c);
    testing::expectEverythingOnThePage(doc);
    for (const PrintItem& item : doc.pages[0].items) {
        if (item.text == c.practitionerName) {
            EXPECT_LT(item.pointSize, 20);
            EXPECT_EQ(wrapText(item.text, item.width, item.pointSize).size(), 1u);
        }
    }
}

TEST(Cover, WithoutAPractitionerTheMakerSignsTheFooter) {
    CoverContent c;
    c.picture = "/app/hyousi/0.bmp";
    const auto texts = testing::textsOf(composeCover(c));
    EXPECT_EQ(texts, (std::vector<std::string>{"鑑　定　書", kMakerNotice}));
}

}  // namespace
}  // namespace suimei::print
