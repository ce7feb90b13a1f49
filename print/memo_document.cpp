#include "print/memo_document.h"

namespace suimei::print {

namespace {

constexpr double kLeft = 20;         // mm
constexpr double kTextWidth = 170;   // mm
constexpr double kHeadTop = 14;      // mm
constexpr double kBodyTop = 36;      // mm
constexpr double kLineHeight = 5.4;  // mm: the 45th line ends above the footer
constexpr double kBodyPoints = 11;   // pt, Mincho
constexpr double kHeadPoints = 12;   // pt, Gothic
constexpr double kFooterTop = 283;   // mm

PrintItem lineItem(double y, double height, std::string text, FontFace face, double points) {
    return textItem(kLeft, y, kTextWidth, height, std::move(text), face, points);
}

}  // namespace

std::string footerLine(const std::string& practitionerName, const std::string& telephone) {
    if (practitionerName.empty()) return kMakerNotice;
    std::string line = practitionerName;
    if (!telephone.empty()) line += "     TEL " + telephone;
    return line;
}

PrintDocument composeMemoDocument(const MemoDocumentContent& content) {
    std::vector<std::string> printed;
    for (const std::string& line : content.memoLines) {
        std::vector<std::string> wrapped =
            wrapText(line, kTextWidth * kWrapWidthShare, kBodyPoints);
        if (wrapped.empty()) wrapped.emplace_back();  // an empty memo line stays a line
        printed.insert(printed.end(), wrapped.begin(), wrapped.end());
    }
    const std::size_t perPage = kMemoLinesPerPage;
    const std::size_t pageCount = printed.empty() ? 1 : (printed.size() + perPage - 1) / perPage;

    PrintDocument doc;
    doc.title = content.title;
    const std::string footer = footerLine(content.practitionerName, content.practitionerTelephone);
    for (std::size_t p = 0; p < pageCount; ++p) {
        PrintPage page;
        double y = kHeadTop;
        if (!content.clientName.empty()) {
            page.items.push_back(
                lineItem(y, 7, content.clientName + " 様 ", FontFace::Gothic, kHeadPoints));
            y += 7;
        }
        PrintItem title = lineItem(y, 8, content.title, FontFace::Gothic, kHeadPoints);
        title.bold = true;
        page.items.push_back(title);
        PrintItem rule;
        rule.kind = ItemKind::Line;
        rule.x = kLeft;
        rule.y = kBodyTop - 3;
        rule.width = kTextWidth;
        page.items.push_back(rule);
        for (std::size_t i = 0; i < perPage; ++i) {
            const std::size_t index = p * perPage + i;
            if (index >= printed.size()) break;
            if (printed[index].empty()) continue;
            page.items.push_back(lineItem(kBodyTop + static_cast<double>(i) * kLineHeight,
                                          kLineHeight, printed[index], FontFace::Mincho,
                                          kBodyPoints));
        }
        PrintItem foot = lineItem(kFooterTop, 6, footer, FontFace::Gothic, 8);
        foot.width = kTextWidth - 20;
        page.items.push_back(foot);
        PrintItem number =
            lineItem(kFooterTop, 6, std::to_string(p + 1) + "/" + std::to_string(pageCount),
                     FontFace::Gothic, 8);
        number.x = kLeft + kTextWidth - 20;
        number.width = 20;
        number.align = Align::Right;
        page.items.push_back(number);
        doc.pages.push_back(std::move(page));
    }
    return doc;
}

}  // namespace suimei::print
