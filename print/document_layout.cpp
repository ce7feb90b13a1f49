#include "print/document_layout.h"

#include <algorithm>

namespace suimei::print {

PrintItem lineItem(double x1, double y1, double x2, double y2, std::string colour) {
    PrintItem item;
    item.kind = ItemKind::Line;
    item.x = x1;
    item.y = y1;
    item.width = x2 - x1;
    item.height = y2 - y1;
    item.colour = std::move(colour);
    return item;
}

PrintItem boxItem(double x, double y, double width, double height, std::string fill) {
    PrintItem item;
    item.kind = ItemKind::Box;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    item.fill = std::move(fill);
    return item;
}

PrintItem alignedText(double x, double y, double width, double height, std::string text,
                      FontFace face, double points, Align align) {
    PrintItem item = textItem(x, y, width, height, std::move(text), face, points);
    item.align = align;
    return item;
}

double fittedPoints(std::string_view text, double widthMm, double maxPoints, double minPoints) {
    const double em = textWidthEm(text);
    if (em <= 0) return maxPoints;
    return std::clamp(widthMm / (em * kMillimetresPerPoint), minPoints, maxPoints);
}

TextFlow::TextFlow(PrintDocument& doc, double left, double width, double top,
                   std::function<double(PrintPage&)> startPage)
    : doc_(doc), left_(left), width_(width), y_(top), startPage_(std::move(startPage)) {
    if (doc_.pages.empty()) {
        newPage();
        y_ = top;
    }
}

void TextFlow::newPage() {
    doc_.pages.emplace_back();
    y_ = startPage_ ? startPage_(doc_.pages.back()) : 20;
}

void TextFlow::paragraph(const std::string& text, const FlowStyle& style) {
    std::vector<std::string> lines = wrapText(text, width_ - style.indent, style.pointSize);
    if (lines.empty()) lines.emplace_back();
    for (std::string& line : lines) {
        if (y_ + style.lineHeight > kBodyBottom) newPage();
        if (!line.empty()) {
            PrintItem item =
                textItem(left_ + style.indent, y_, width_ - style.indent, style.lineHeight,
                         std::move(line), style.face, style.pointSize);
            item.bold = style.bold;
            item.align = style.align;
            doc_.pages.back().items.push_back(std::move(item));
        }
        y_ += style.lineHeight;
    }
}

void TextFlow::gap(double mm) {
    y_ = std::min(y_ + mm, kBodyBottom);
}

void TextFlow::keepTogether(double mm) {
    if (y_ + mm > kBodyBottom) newPage();
}

void addFooters(PrintDocument& doc, const std::string& footer) {
    const std::string count = std::to_string(doc.pages.size());
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        PrintPage& page = doc.pages[p];
        page.items.push_back(lineItem(kPageLeft, kFooterTop - 1.5, kPageLeft + kPageWidth,
                                      kFooterTop - 1.5, "#808080"));
        page.items.push_back(textItem(kPageLeft, kFooterTop, kPageWidth - 22, 6, footer,
                                      FontFace::Gothic, kFooterPoints));
        // A one-page document needs no page number.
        if (doc.pages.size() < 2) continue;
        page.items.push_back(alignedText(kPageLeft + kPageWidth - 20, kFooterTop, 20, 6,
                                         std::to_string(p + 1) + "/" + count, FontFace::Gothic,
                                         kFooterPoints, Align::Right));
    }
}

}  // namespace suimei::print
