#include "print/family_sheet.h"

#include <array>

#include "calendar/types.h"
#include "print/memo_document.h"

namespace suimei::print {

namespace {

constexpr double kLeft = 15;
constexpr double kWidth = 180;
constexpr double kColumn = 22.5;  // mm between the centres of neighbouring grandparents
constexpr double kBoxWidth = 16;
constexpr double kBoxHeight = 9;
constexpr double kLabelHeight = 5;
constexpr double kRowStep = 24;  // mm from one generation to the next
constexpr double kDiagramTop = 40;
constexpr double kMemoPoints = 10;
constexpr double kMemoLineHeight = 5;
constexpr double kMemoBottom = 278;
constexpr double kFooterTop = 283;
constexpr char kOwnBoxFill[] = "#00ffff";

// Position of boxes 1..18 as (column centre in grandparent columns, generation row): each parent
// stands over the middle of its own two parents, each of the couple over the middle of theirs.
constexpr std::array<std::pair<double, int>, kFamilyBoxes> kPlaces = {{{0, 0},
                                                                       {1, 0},
                                                                       {2, 0},
                                                                       {3, 0},
                                                                       {4, 0},
                                                                       {5, 0},
                                                                       {6, 0},
                                                                       {7, 0},
                                                                       {0.5, 1},
                                                                       {2.5, 1},
                                                                       {4.5, 1},
                                                                       {6.5, 1},
                                                                       {1.5, 2},
                                                                       {5.5, 2},
                                                                       {1.5, 3},
                                                                       {2.8, 3},
                                                                       {4.2, 3},
                                                                       {5.5, 3}}};

// Parent links by box number: child, first parent, second parent.
constexpr std::array<std::array<int, 3>, 8> kDescent = {{{9, 1, 2},
                                                         {10, 3, 4},
                                                         {11, 5, 6},
                                                         {12, 7, 8},
                                                         {13, 9, 10},
                                                         {14, 11, 12},
                                                         {16, 13, 14},
                                                         {17, 13, 14}}};
// Married pairs among the children: 嫁 with 男の子, 女の子 with 婿.
constexpr std::array<std::array<int, 2>, 2> kChildCouples = {{{15, 16}, {17, 18}}};

double boxLeft(int box) {
    return kLeft + kColumn * kPlaces[static_cast<std::size_t>(box - 1)].first +
           (kColumn - kBoxWidth) / 2;
}
double boxTop(int box) {
    return kDiagramTop + kLabelHeight +
           kRowStep * kPlaces[static_cast<std::size_t>(box - 1)].second;
}

PrintItem line(double x1, double y1, double x2, double y2) {
    return shapeItem(ItemKind::Line, x1, y1, x2 - x1, y2 - y1);
}

PrintItem box(double x, double y, double width, double height, std::string fill) {
    PrintItem item = shapeItem(ItemKind::Box, x, y, width, height);
    item.fill = std::move(fill);
    return item;
}

PrintPage headedPage(const FamilySheetContent& content, const std::string& footer) {
    PrintPage page;
    if (!content.clientName.empty()) {
        page.items.push_back(
            textItem(kLeft, 14, kWidth, 7, content.clientName + " 様 ", FontFace::Gothic, 12));
    }
    PrintItem title = textItem(kLeft, 22, kWidth, 8, kFamilySheetTitle, FontFace::Gothic, 14);
    title.bold = true;
    page.items.push_back(title);
    page.items.push_back(line(kLeft, 33, kLeft + kWidth, 33));
    page.items.push_back(textItem(kLeft, kFooterTop, kWidth, 6, footer, FontFace::Gothic, 8));
    return page;
}

void addDiagram(PrintPage& page, const FamilyDiagram& d) {
    for (int b = 1; b <= kFamilyBoxes; ++b) {
        const FamilyBox& fb = d.boxes[static_cast<std::size_t>(b - 1)];
        const double x = boxLeft(b);
        const double y = boxTop(b);
        PrintItem label = textItem(x - 3, y - kLabelHeight, kBoxWidth + 6, kLabelHeight, fb.label,
                                   FontFace::Gothic, 8);
        label.align = Align::Centre;
        page.items.push_back(label);
        page.items.push_back(
            box(x, y, kBoxWidth, kBoxHeight, fb.highlighted ? kOwnBoxFill : std::string()));
        PrintItem stem = textItem(x, y + 1.5, kBoxWidth, kBoxHeight - 1.5,
                                  std::string(stemName(fb.stem)), FontFace::Mincho, 14);
        stem.align = Align::Centre;
        page.items.push_back(stem);
    }
    for (const auto& [child, first, second] : kDescent) {
        const double childX = boxLeft(child) + kBoxWidth / 2;
        const double childY = boxTop(child) - kLabelHeight - 0.5;
        for (const int parent : {first, second}) {
            page.items.push_back(
                line(boxLeft(parent) + kBoxWidth / 2, boxTop(parent) + kBoxHeight, childX, childY));
        }
    }
    for (const auto& [a, b] : kChildCouples) {
        const double y = boxTop(a) + kBoxHeight / 2;
        page.items.push_back(line(boxLeft(a) + kBoxWidth, y, boxLeft(b), y));
    }
}

// The side panel; returns the y below it.
double addSidePanel(PrintPage& page, const FamilyDiagram& d, double top) {
    const char* heads[] = {"時柱", "日柱", "月柱", "年柱"};
    const double width = 30;
    const double left = kLeft + (kWidth - 4 * width) / 2;
    for (int c = 0; c < 4; ++c) {
        const double x = left + width * c;
        const auto cell = [&](double y, double h, const std::string& text, FontFace face,
                              double points, bool framed) {
            if (framed) page.items.push_back(box(x + 3, y, width - 6, h, {}));
            PrintItem t = textItem(x, y + (framed ? 1.2 : 0), width, h, text, face, points);
            t.align = Align::Centre;
            page.items.push_back(t);
        };
        const FamilySideCell& stem = d.side[static_cast<std::size_t>(c)];
        const FamilySideCell& hidden = d.side[static_cast<std::size_t>(c + 4)];
        cell(top, 5, heads[c], FontFace::Gothic, 9, false);
        cell(top + 5, 5, stem.role, FontFace::Gothic, 8, false);
        cell(top + 10, 8, std::string(stemName(stem.stem)), FontFace::Mincho, 12, true);
        cell(top + 18, 8, std::string(stemName(hidden.stem)), FontFace::Mincho, 12, true);
        cell(top + 26.5, 5, hidden.role, FontFace::Gothic, 8, false);
    }
    return top + 33;
}

}  // namespace

PrintDocument composeFamilySheet(const FamilySheetContent& content) {
    PrintDocument doc;
    doc.title = kFamilySheetTitle;
    const std::string footer = footerLine(content.practitionerName, content.practitionerTelephone);
    PrintPage page = headedPage(content, footer);
    addDiagram(page, content.diagram);
    double y = addSidePanel(page, content.diagram, boxTop(15) + kBoxHeight + 8) + 4;
    for (const std::string& memoLine : content.memoLines) {
        std::vector<std::string> wrapped =
            wrapText(memoLine, kWidth * kWrapWidthShare, kMemoPoints);
        if (wrapped.empty()) wrapped.emplace_back();  // an empty memo line stays a line
        for (const std::string& text : wrapped) {
            if (y + kMemoLineHeight > kMemoBottom) {
                doc.pages.push_back(std::move(page));
                page = headedPage(content, footer);
                y = 38;
            }
            if (!text.empty()) {
                page.items.push_back(textItem(kLeft, y, kWidth, kMemoLineHeight, text,
                                              FontFace::Mincho, kMemoPoints));
            }
            y += kMemoLineHeight;
        }
    }
    doc.pages.push_back(std::move(page));
    return doc;
}

}  // namespace suimei::print
