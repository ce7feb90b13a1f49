#pragma once
// The printed Nine Star Ki reading "九星気学鑑定書": the client's name, the natal year and month
// boards (the inclination square filled), the boards of the chosen year and month with their
// 同会 and 暗剣殺 marks and yellow break directions, the line of the star meeting on both boards,
// then the natal memo, an empty line and the future memo, continued on further pages when long,
// and the footer line on every page.

#include <optional>
#include <string>
#include <vector>

#include "core/print_document.h"
#include "methods/nine_star_reading.h"

namespace suimei::print {

inline constexpr char kNineStarDocumentTitle[] = "九星気学鑑定書";

struct NineStarDocumentContent {
    std::string clientName;  // printed as name + " 様 "; empty: no name line
    NatalNineStar natal;
    std::optional<NineStarFuture> future;  // no future boards when none was read
    std::vector<std::string> natalMemo;
    std::vector<std::string> futureMemo;
    std::string practitionerName;  // footer as on every print (the maker's notice if empty)
    std::string practitionerTelephone;
};

// The document: the boards on the first page, the memo lines below them and on as many further
// pages as they need.
PrintDocument composeNineStarDocument(const NineStarDocumentContent& content);

}  // namespace suimei::print
