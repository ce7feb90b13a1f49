#pragma once
// The printed illness reading (臓器学説): the client's name, the title and the window's memo.

#include "core/print_document.h"
#include "print/memo_document.h"

namespace suimei::print {

inline constexpr char kIllnessPrintTitle[] = "【 四柱推命 臓器学説 鑑定文章 】";

// The memo document of `content` under the illness title (its own title is replaced): the lines
// in Mincho 11 pt, wrapped to the text width, further pages when they run over, the footer on
// every page.
PrintDocument composeIllnessDocument(MemoDocumentContent content);

}  // namespace suimei::print
