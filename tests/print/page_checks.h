#pragma once
// What the tests of printed documents look for on a page.

#include <algorithm>
#include <string>

#include "core/print_document.h"

namespace suimei::print::testing {

// An item of the page reads exactly `text` (in `colour` when one is given).
inline bool pageHas(const PrintPage& page, const std::string& text,
                    const std::string& colour = {}) {
    return std::any_of(page.items.begin(), page.items.end(), [&](const PrintItem& item) {
        return item.text == text && (colour.empty() || item.colour == colour);
    });
}

// The day cells of a calendar page: its unfilled boxes (the weekday header's are filled).
inline int dayBoxes(const PrintPage& page) {
    return static_cast<int>(std::count_if(page.items.begin(), page.items.end(), [](const auto& i) {
        return i.kind == ItemKind::Box && i.fill.empty();
    }));
}

}  // namespace suimei::print::testing
