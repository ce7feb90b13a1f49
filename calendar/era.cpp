#include "calendar/era.h"

namespace suimei {

std::string eraYearLabel(int year) {
    // Earlier eras are not labelled: the calendar input starts in 1910 and readers type those
    // years in Western form.
    if (year <= 1925) return {};
    if (year <= 1988) return "昭和 " + std::to_string(year - 1925) + " 年";
    if (year <= 2018) return "平成 " + std::to_string(year - 1988) + " 年";
    return "令和 " + std::to_string(year - 2018) + " 年";
}

}  // namespace suimei
