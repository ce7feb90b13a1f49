#include "print/mansion_document.h"

#include "print/memo_document.h"

namespace suimei::print {

namespace {

constexpr double kLeft = 20;          // mm
constexpr double kTextWidth = 170;    // mm
constexpr double kPictureTop = 44;    // mm
constexpr double kPictureSize = 128;  // mm, square
constexpr double kTextTop = 180;      // mm
constexpr double kTextBottom = 278;   // mm: above the footer
constexpr double kFooterTop = 283;    // mm
constexpr double kLargestPoints = 11;
constexpr double kSmallestPoints = 8;
constexpr double kLineSpacing = 1.4;  // line height in multiples of the point size

std::vector<std::string> wrapAll(const std::vector<std::string>& lines, double points) {
    std::vector<std::string> printed;
    for (const std::string& line : lines) {
        std::vector<std::string> wrapped = wrapText(line, kTextWidth, points);
        if (wrapped.empty()) wrapped.emplace_back();
        printed.insert(printed.end(), wrapped.begin(), wrapped.end());
    }
    return printed;
}

}  // namespace

PrintDocument composeMansionDocument(const MansionDocumentContent& content) {
    PrintDocument doc;
    doc.title = content.title;
    PrintPage page;
    if (!content.clientName.empty()) {
        page.items.push_back(
            textItem(kLeft, 14, kTextWidth, 8, content.clientName + " 様 ", FontFace::Gothic, 13));
    }
    if (!content.birthLine.empty()) {
        page.items.push_back(
            textItem(kLeft, 23, kTextWidth, 6, content.birthLine, FontFace::Mincho, 10.5));
    }
    PrintItem title = textItem(kLeft, 32, kTextWidth, 8, content.title, FontFace::Gothic, 14);
    title.bold = true;
    title.align = Align::Centre;
    page.items.push_back(title);

    PrintItem picture;
    picture.kind = ItemKind::Picture;
    picture.x = kLeft + (kTextWidth - kPictureSize) / 2;
    picture.y = kPictureTop;
    picture.width = kPictureSize;
    picture.height = kPictureSize;
    picture.text = content.picturePath;
    page.items.push_back(picture);

    // The largest size at which the whole text fits; at the smallest, the lines that fit.
    double points = kLargestPoints;
    std::vector<std::string> printed = wrapAll(content.lines, points);
    auto capacity = [](double pt) {
        return static_cast<std::size_t>((kTextBottom - kTextTop) /
                                        (pt * kLineSpacing * kMillimetresPerPoint));
    };
    while (printed.size() > capacity(points) && points > kSmallestPoints) {
        points -= 0.5;
        printed = wrapAll(content.lines, points);
    }
    if (printed.size() > capacity(points)) {
        printed.resize(capacity(points));
        if (!printed.empty()) printed.back() = "…";
    }
    const double lineHeight = points * kLineSpacing * kMillimetresPerPoint;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        if (printed[i].empty()) continue;
        page.items.push_back(textItem(kLeft, kTextTop + static_cast<double>(i) * lineHeight,
                                      kTextWidth, lineHeight, printed[i], FontFace::Mincho,
                                      points));
    }

    PrintItem rule;
    rule.kind = ItemKind::Line;
    rule.x = kLeft;
    rule.y = kFooterTop - 2;
    rule.width = kTextWidth;
    page.items.push_back(rule);
    page.items.push_back(textItem(
        kLeft, kFooterTop, kTextWidth, 6,
        footerLine(content.practitionerName, content.practitionerTelephone), FontFace::Gothic, 8));
    doc.pages.push_back(std::move(page));
    return doc;
}

}  // namespace suimei::print
