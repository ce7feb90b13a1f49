#include "print/nine_star_document.h"

#include <algorithm>

#include "methods/nine_star.h"
#include "print/memo_document.h"

namespace suimei::print {

namespace {

constexpr double kLeft = 20;        // mm
constexpr double kTextWidth = 170;  // mm
constexpr double kHeadTop = 14;     // mm
constexpr double kRing = 6;         // mm: depth of the ring of branch labels around a board
constexpr double kSquare = 17;      // mm: one square of a board
constexpr double kBoardSize = 2 * kRing + 3 * kSquare;
constexpr double kRightBoardX = kLeft + kTextWidth - kBoardSize;
constexpr double kHeadingHeight = 6;  // mm: a board's heading above it
constexpr double kMarkStep = 2.5;     // mm between the marks of one square
constexpr double kLineHeight = 5.4;   // mm: one memo line
constexpr double kMemoPoints = 10.5;  // pt, Mincho
constexpr double kLaterBodyTop = 36;  // mm: the memo's first line on the pages after the first
constexpr double kFooterTop = 283;    // mm
constexpr char kDarkSwordColour[] = "#d00000";
constexpr char kMeetingColour[] = "#0000c0";

PrintItem box(double x, double y, double w, double h, std::string fill = {}) {
    PrintItem b;
    b.kind = ItemKind::Box;
    b.x = x;
    b.y = y;
    b.width = w;
    b.height = h;
    b.fill = std::move(fill);
    return b;
}

PrintItem rule(double y) {
    PrintItem r;
    r.kind = ItemKind::Line;
    r.x = kLeft;
    r.y = y;
    r.width = kTextWidth;
    return r;
}

PrintItem centred(double x, double y, double w, double h, std::string text, FontFace face,
                  double points, std::string colour = "#000000") {
    PrintItem t = textItem(x, y, w, h, std::move(text), face, points);
    t.align = Align::Centre;
    t.colour = std::move(colour);
    return t;
}

// Left or top edge of frame row/column `i` (0..4) of a board starting at `origin`.
double frameEdge(double origin, int i) {
    if (i <= 0) return origin;
    return origin + kRing + (i - 1) * kSquare;
}

double frameExtent(int i) {
    return i == 0 || i == 4 ? kRing : kSquare;
}

// One board with its heading: the squares with palace and star names and their marks, the
// twelve branch labels around them.
void drawBoard(PrintPage& page, double x, double y, const std::string& heading,
               const NineStarBoardFace& face) {
    page.items.push_back(
        textItem(x, y, kBoardSize, kHeadingHeight, heading, FontFace::Gothic, 10.5));
    const double top = y + kHeadingHeight;
    for (int b = 1; b <= 12; ++b) {
        const BoardCell cell = branchLabelCell(b);
        const double cx = frameEdge(x, cell.column);
        const double cy = frameEdge(top, cell.row);
        const double w = frameExtent(cell.column);
        const double h = frameExtent(cell.row);
        if (b == face.breakBranch) page.items.push_back(box(cx, cy, w, h, kBreakColour));
        const double textHeight = 8 * kMillimetresPerPoint;
        page.items.push_back(centred(cx, cy + (h - textHeight) / 2, w, textHeight + 1,
                                     std::string(branchName(b)), FontFace::Gothic, 8));
    }
    for (int p = 1; p <= 9; ++p) {
        const BoardCell cell = boardSquareCell(p);
        const double sx = frameEdge(x, cell.column);
        const double sy = frameEdge(top, cell.row);
        page.items.push_back(
            box(sx, sy, kSquare, kSquare, p == face.highlightPosition ? kInclinationColour : ""));
        page.items.push_back(
            centred(sx, sy + 0.8, kSquare, 3.5, std::string(palaceName(p)), FontFace::Gothic, 7));
        page.items.push_back(centred(sx, sy + 4.3, kSquare, 4.2,
                                     std::string(nineStarName(face.stars[p])), FontFace::Mincho,
                                     8.5));
        std::vector<std::pair<std::string, std::string>> marks;
        if (p == face.meetingPosition) {
            marks.emplace_back("同会", kMeetingColour);
            if (face.yearMonthMeeting) marks.emplace_back("年月同会", kMeetingColour);
        }
        if (p == face.darkSwordPosition) marks.emplace_back("暗剣殺", kDarkSwordColour);
        double my = sy + 8.9;
        for (const auto& [text, colour] : marks) {
            PrintItem mark =
                centred(sx, my, kSquare, kMarkStep, text, FontFace::Gothic, 6.5, colour);
            mark.bold = true;
            page.items.push_back(mark);
            my += kMarkStep;
        }
    }
}

// The name and title at the head of every page; returns where the page's body may start.
double drawHead(PrintPage& page, const std::string& clientName) {
    double y = kHeadTop;
    if (!clientName.empty()) {
        page.items.push_back(
            textItem(kLeft, y, kTextWidth, 7, clientName + " 様 ", FontFace::Gothic, 12));
        y += 7;
    }
    PrintItem title =
        centred(kLeft, y, kTextWidth, 8, kNineStarDocumentTitle, FontFace::Gothic, 14);
    title.bold = true;
    page.items.push_back(title);
    y += 10;
    page.items.push_back(rule(y));
    return y + 3;
}

}  // namespace

PrintDocument composeNineStarDocument(const NineStarDocumentContent& content) {
    PrintDocument doc;
    doc.title = kNineStarDocumentTitle;

    PrintPage first;
    double y = drawHead(first, content.clientName);
    const NatalNineStar& natal = content.natal;
    drawBoard(first, kLeft, y, "年盤（本命）　" + natal.yearPillarText, natal.yearBoard);
    drawBoard(first, kRightBoardX, y, "月盤（月命星・傾斜法）　" + natal.monthPillarText,
              natal.monthBoard);
    y += kHeadingHeight + kBoardSize + 4;
    if (content.future) {
        const NineStarFuture& f = *content.future;
        drawBoard(first, kLeft, y, std::to_string(f.year) + "年盤 " + f.yearPillarText,
                  f.yearBoard);
        drawBoard(first, kRightBoardX, y, std::to_string(f.month) + "月盤 " + f.monthPillarText,
                  f.monthBoard);
        y += kHeadingHeight + kBoardSize + 3;
        first.items.push_back(
            textItem(kLeft, y, kTextWidth, 6, yearMonthMeetingLine(f), FontFace::Gothic, 11));
        y += 7;
    }
    first.items.push_back(rule(y));
    y += 3;

    // The memo: the natal window's, an empty line, the future reading's; every line wrapped to
    // the text width, an empty memo line kept as an empty printed line.
    std::vector<std::string> memo = content.natalMemo;
    memo.emplace_back();
    memo.insert(memo.end(), content.futureMemo.begin(), content.futureMemo.end());
    std::vector<std::string> printed;
    for (const std::string& line : memo) {
        // One em to spare: a closing mark kept at a line's end may hang past the wrap width,
        // and the line must still fit its box.
        std::vector<std::string> wrapped =
            wrapText(line, kTextWidth - kMemoPoints * kMillimetresPerPoint, kMemoPoints);
        if (wrapped.empty()) wrapped.emplace_back();
        printed.insert(printed.end(), wrapped.begin(), wrapped.end());
    }

    const double bodyBottom = kFooterTop - 2;
    std::vector<PrintPage> pages;
    pages.push_back(std::move(first));
    for (const std::string& line : printed) {
        if (y + kLineHeight > bodyBottom) {
            pages.emplace_back();
            y = std::max(drawHead(pages.back(), content.clientName), kLaterBodyTop);
        }
        if (!line.empty()) {
            pages.back().items.push_back(
                textItem(kLeft, y, kTextWidth, kLineHeight, line, FontFace::Mincho, kMemoPoints));
        }
        y += kLineHeight;
    }

    const std::string footer = footerLine(content.practitionerName, content.practitionerTelephone);
    const std::string count = std::to_string(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pages[i].items.push_back(
            textItem(kLeft, kFooterTop, kTextWidth - 20, 6, footer, FontFace::Gothic, 8));
        PrintItem number = textItem(kLeft + kTextWidth - 20, kFooterTop, 20, 6,
                                    std::to_string(i + 1) + "/" + count, FontFace::Gothic, 8);
        number.align = Align::Right;
        pages[i].items.push_back(number);
    }
    doc.pages = std::move(pages);
    return doc;
}

}  // namespace suimei::print
