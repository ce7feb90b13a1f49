#pragma once
// The printed form of a window's memo (the luck memo, the AI memo, the marriage and work readings,
// ...): the client's name and the title, the memo lines wrapped to the text width, 45 lines to a
// page, and a footer line on every page. Pages after the first repeat the name and the title.

#include <string>
#include <vector>

#include "core/print_document.h"

namespace suimei::print {

inline constexpr int kMemoLinesPerPage = 45;

// The footer when the practitioner has not entered a name.
inline constexpr char kMakerNotice[] =
    "この鑑定書は四柱推命の理論に基づき、推命ワークベンチ 8.0 で作成しました。";

struct MemoDocumentContent {
    std::string title;                   // heading of every page, and the print job's name
    std::string clientName;              // printed as name + " 様 "; empty: no name line
    std::vector<std::string> memoLines;  // the memo as the window shows it
    std::string practitionerName;        // footer: the name, and "     TEL " + telephone
    std::string practitionerTelephone;
};

// The footer line: the practitioner's name (and telephone) when set, otherwise the maker's
// notice.
std::string footerLine(const std::string& practitionerName, const std::string& telephone);

// The document: at least one page; a memo of 45 x k printed lines fills exactly k pages.
PrintDocument composeMemoDocument(const MemoDocumentContent& content);

}  // namespace suimei::print
