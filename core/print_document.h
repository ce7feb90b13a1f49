#pragma once
// A printed document as the engine composes it: pages of items placed in millimetres from the
// top-left corner of the paper. The ui draws the same pages on a printer, into a PDF or in the
// preview, so what a document holds is tested without a printer or a window.

#include <string>
#include <string_view>
#include <vector>

namespace suimei::print {

enum class FontFace { Mincho, Gothic };

enum class ItemKind {
    Text,     // `text` in its box, wrapped at the box's width and never drawn outside it
    Line,     // from (x, y) to (x + width, y + height)
    Box,      // a rectangle's outline
    Picture,  // the picture file `text` scaled into its box, keeping its proportions
};

enum class Align { Left, Centre, Right };

struct PrintItem {
    ItemKind kind = ItemKind::Text;
    double x = 0;       // mm from the paper's left edge
    double y = 0;       // mm from the paper's top edge
    double width = 0;   // mm
    double height = 0;  // mm
    std::string text;   // UTF-8 text, or the picture's path
    FontFace face = FontFace::Mincho;
    double pointSize = 10.5;
    bool bold = false;
    Align align = Align::Left;
    std::string colour = "#000000";  // text and line colour
    std::string fill;                // a box's fill colour ("#rrggbb"); empty: not filled
};

struct PrintPage {
    std::vector<PrintItem> items;
};

struct PrintDocument {
    std::string title;         // the print job's name
    double paperWidth = 210;   // mm (A4 portrait)
    double paperHeight = 297;  // mm
    std::vector<PrintPage> pages;
};

// A text item of `text` in the box (x, y, width, height), in millimetres.
PrintItem textItem(double x, double y, double width, double height, std::string text, FontFace face,
                   double pointSize);

// A line, box or picture item of the box (x, y, width, height), in millimetres.
PrintItem shapeItem(ItemKind kind, double x, double y, double width, double height);

// Millimetres per point.
inline constexpr double kMillimetresPerPoint = 25.4 / 72.0;

// Width of `text` in ems of its font: a full-width character (kanji, kana, full-width forms)
// takes one em, any other character half an em. Fonts of the documents are fixed-pitch Japanese
// faces, for which this is what the printer draws.
double textWidthEm(std::string_view text);

// `text` broken into lines no wider than `widthMm` at `pointSize`: at its own line breaks and
// wherever the next character would run past the width. A line-start rule keeps closing
// punctuation (、。）」』) on the line before. An empty text gives no line.
// Share of a box's width that its text is wrapped at: a printer rounds the font to whole dots, so
// a line measured at the full width can come out a little wider than its box.
inline constexpr double kWrapWidthShare = 0.97;

std::vector<std::string> wrapText(std::string_view text, double widthMm, double pointSize);

}  // namespace suimei::print
