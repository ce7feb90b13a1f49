#pragma once
// A printed document as the engine composes it: pages of items placed in millimetres from the
// top-left corner of the paper. The ui draws the same pages on a printer, into a PDF or in the
// preview, so what a document holds is tested without a printer or a window.

#include <string>
#include <vector>

namespace suimei::print {

enum class FontFace { Mincho, Gothic };

enum class ItemKind {
    Text,     // `text` in its box, wrapped at the box's width, never drawn outside it
    Line,     // from (x, y) to (x + width, y + height)
    Box,      // a rectangle's outline
    Picture,  // the picture file `text` (a path in the application folder) scaled into its box
};

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

}  // namespace suimei::print
