#pragma once
// The printed compatibility sheet: one page with both people's charts (the client first), the
// window's memo below them and the footer line.

#include <string>
#include <vector>

#include "core/print_document.h"

namespace suimei {
class Tmandata;
}

namespace suimei::print {

// One person's lines on the sheet: name + " さんの命式", then the day stem, the month and year
// stems each with their ten god ("甲(正官)"), the day, month and year branches, the twelve
// stages of the day master on those branches, and the void branches.
std::vector<std::string> compatibilityChartLines(const std::string& name, const Tmandata& chart);

struct CompatibilitySheetContent {
    std::string clientName;
    std::string partnerName;
    const Tmandata* client = nullptr;
    const Tmandata* partner = nullptr;
    std::vector<std::string> memoLines;  // the window's memo
    std::string practitionerName;        // footer as on every print (the maker's notice if empty)
    std::string practitionerTelephone;
};

// The one-page document; memo lines that do not fit the page are left out rather than run over
// the footer.
PrintDocument composeCompatibilitySheet(const CompatibilitySheetContent& content);

}  // namespace suimei::print
