// Wrapped text leaves room in its box: a printer rounds the font to whole dots, and a line
// measured at the box's full width came out one character too wide and spilled onto the next
// line of the page.

#include <gtest/gtest.h>

#include "print/family_sheet.h"
#include "print/memo_document.h"
#include "print/picture_sheet.h"

namespace suimei::print {
namespace {

void expectRoomInEveryBox(const PrintDocument& doc, const char* what) {
    double widest = 0;
    for (const PrintPage& page : doc.pages) {
        for (const PrintItem& item : page.items) {
            if (item.kind != ItemKind::Text) continue;
            const double used = textWidthEm(item.text) * item.pointSize * kMillimetresPerPoint;
            widest = std::max(widest, used / item.width);
            EXPECT_LE(used, item.width * kWrapWidthShare + 1e-9) << what << ": " << item.text;
        }
    }
    std::printf("%s: widest line uses %.3f of its box\n", what, widest);
}

TEST(WrapMargin, LongLinesOfMemoFamilyAndPictureSheetsLeaveRoom) {
    std::string kanji;
    for (int i = 0; i < 120; ++i) kanji += "鑑";
    MemoDocumentContent memo;
    memo.title = "題";
    memo.memoLines = {kanji, "、" + kanji};
    expectRoomInEveryBox(composeMemoDocument(memo), "memo");
    FamilySheetContent family;
    family.memoLines = {kanji};
    expectRoomInEveryBox(composeFamilySheet(family), "family");
    PictureSheetContent picture;
    picture.captionLines = {kanji};
    expectRoomInEveryBox(composePictureSheet(picture), "picture");
}

}  // namespace
}  // namespace suimei::print
