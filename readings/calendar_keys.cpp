#include "readings/calendar_keys.h"

#include <string>

namespace suimei {

namespace {

std::optional<PassageKey> numberedKey(std::string_view family, int value, int last) {
    if (value < 1 || value > last) return std::nullopt;
    return PassageKey{std::string(family), std::to_string(value)};
}

}  // namespace

std::optional<PassageKey> dailyTenGodKey(int tenGod) {
    return numberedKey(kDailyTenGodFamily, tenGod, 10);
}

std::optional<PassageKey> dailyBranchKey(int branch) {
    return numberedKey(kDailyBranchFamily, branch, 12);
}

std::optional<PassageKey> monthFortuneKey(int which, int tenGod) {
    if (which < 0 || which >= static_cast<int>(kMonthFortuneFamilies.size())) return std::nullopt;
    return numberedKey(kMonthFortuneFamilies[static_cast<std::size_t>(which)], tenGod, 10);
}

}  // namespace suimei
