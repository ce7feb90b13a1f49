#pragma once
// The printed family-relation diagram (六親図表): the eighteen relatives as stems joined to their
// parents, the client's own box filled, the side panel of the chart's stems and active hidden
// stems with the relatives they stand for, then the reading memo; memo lines that do not fit
// continue on further pages under the same heading.

#include <string>
#include <vector>

#include "chart/family.h"
#include "core/print_document.h"

namespace suimei::print {

inline constexpr char kFamilySheetTitle[] = "六親図表";

struct FamilySheetContent {
    std::string clientName;
    FamilyDiagram diagram;
    std::vector<std::string> memoLines;  // the page's memo (Memo1)
    std::string practitionerName;
    std::string practitionerTelephone;
};

PrintDocument composeFamilySheet(const FamilySheetContent& content);

}  // namespace suimei::print
