#pragma once
// The printed conception-day reading: the client's name, the title, four lines that say what the
// method is, and the reading text of the window's memo, with the footer of every document.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/print_document.h"

namespace suimei::print {

inline constexpr char kConceptionPrintTitle[] = "【 天源占星術鑑定文章 】";

// The four lines printed below the title, in their order.
const std::array<std::string_view, 4>& conceptionExplanationLines();

struct ConceptionDocumentContent {
    std::string clientName;              // printed as name + " 様 "; empty: no name line
    std::vector<std::string> memoLines;  // the memo as the window shows it
    std::string practitionerName;        // the footer's name and telephone
    std::string practitionerTelephone;
};

// The document: the explanations in Gothic 12 pt at the head of the first page, then the memo in
// Mincho 11 pt, wrapped to the text width and running on to further pages as the memo document
// does.
PrintDocument composeConceptionDocument(const ConceptionDocumentContent& content);

}  // namespace suimei::print
