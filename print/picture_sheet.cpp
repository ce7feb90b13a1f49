#include "print/picture_sheet.h"

#include "print/memo_document.h"

namespace suimei::print {

namespace {

constexpr double kLeft = 15;
constexpr double kWidth = 180;
constexpr double kPictureTop = 38;
constexpr double kPictureHeight = 150;
constexpr double kCaptionLineHeight = 5.5;
constexpr double kCaptionPoints = 10.5;
constexpr double kCaptionBottom = 278;
constexpr double kFooterTop = 283;

}  // namespace

PrintDocument composePictureSheet(const PictureSheetContent& content) {
    PrintDocument doc;
    doc.title = content.title;
    PrintPage page;
    if (!content.clientName.empty()) {
        page.items.push_back(
            textItem(kLeft, 14, kWidth, 7, content.clientName + " 様 ", FontFace::Gothic, 12));
    }
    PrintItem title = textItem(kLeft, 22, kWidth, 8, content.title, FontFace::Gothic, 14);
    title.bold = true;
    page.items.push_back(title);
    page.items.push_back(shapeItem(ItemKind::Line, kLeft, 33, kWidth, 0));
    PrintItem picture = shapeItem(ItemKind::Picture, kLeft, kPictureTop, kWidth, kPictureHeight);
    picture.text = content.picturePath;
    page.items.push_back(picture);
    double y = kPictureTop + kPictureHeight + 6;
    for (const std::string& caption : content.captionLines) {
        for (const std::string& line :
             wrapText(caption, kWidth * kWrapWidthShare, kCaptionPoints)) {
            if (y + kCaptionLineHeight > kCaptionBottom) break;
            page.items.push_back(textItem(kLeft, y, kWidth, kCaptionLineHeight, line,
                                          FontFace::Mincho, kCaptionPoints));
            y += kCaptionLineHeight;
        }
    }
    page.items.push_back(textItem(
        kLeft, kFooterTop, kWidth, 6,
        footerLine(content.practitionerName, content.practitionerTelephone), FontFace::Gothic, 8));
    doc.pages.push_back(std::move(page));
    return doc;
}

}  // namespace suimei::print
