#pragma once
// Pieces the appraisal documents share: lines and boxes in millimetres, a text flow that wraps
// paragraphs down the page and starts a new page before it would reach the footer, and the footer
// with the page number that closes every page.

#include <functional>
#include <string>
#include <string_view>

#include "core/print_document.h"

namespace suimei::print {

inline constexpr double kPageLeft = 15;     // mm
inline constexpr double kPageWidth = 180;   // mm: text width of an A4 page
inline constexpr double kFooterTop = 283;   // mm
inline constexpr double kBodyBottom = 278;  // mm: nothing of the body below this
inline constexpr double kFooterPoints = 8;  // pt, Gothic

PrintItem lineItem(double x1, double y1, double x2, double y2, std::string colour = "#000000");
PrintItem boxItem(double x, double y, double width, double height, std::string fill = {});
// A text item aligned in its box.
PrintItem alignedText(double x, double y, double width, double height, std::string text,
                      FontFace face, double points, Align align);

// The largest size up to `maxPoints` at which `text` fits `widthMm` on one line (never below
// `minPoints`, where it wraps instead).
double fittedPoints(std::string_view text, double widthMm, double maxPoints, double minPoints = 6);

// What one paragraph of a flow looks like.
struct FlowStyle {
    FontFace face = FontFace::Mincho;
    double pointSize = 10.5;
    double lineHeight = 5.2;  // mm per wrapped line
    bool bold = false;
    double indent = 0;  // mm from the flow's left edge
    Align align = Align::Left;
};

// Places paragraphs line by line from a starting height down to kBodyBottom; a line that would
// pass it starts a new page, which `startPage` heads and whose body begins where it says. On an
// empty document the flow starts the first page the same way, its body beginning at `top`.
class TextFlow {
  public:
    TextFlow(PrintDocument& doc, double left, double width, double top,
             std::function<double(PrintPage&)> startPage);
    // Wraps `text` to the width (less the indent) and places its lines; an empty text gives one
    // empty line.
    void paragraph(const std::string& text, const FlowStyle& style);
    // Empty space; at the bottom of a page it is dropped rather than carried over.
    void gap(double mm);
    // Starts a new page unless `mm` of height are left on this one.
    void keepTogether(double mm);
    double y() const { return y_; }

  private:
    void newPage();

    PrintDocument& doc_;
    double left_;
    double width_;
    double y_;
    std::function<double(PrintPage&)> startPage_;
};

// Adds the footer line to every page of the document, and "page/pages" when it has more than one.
void addFooters(PrintDocument& doc, const std::string& footer);

}  // namespace suimei::print
