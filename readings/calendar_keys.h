#pragma once
// Keys of the fortune calendar's texts in the passage table: the daily lines by the day's ten god
// and by the day's branch, and the three month readings by the month's ten god.

#include <array>
#include <optional>
#include <string_view>

#include "readings/reading_keys.h"

namespace suimei {

inline constexpr std::string_view kDailyTenGodFamily = "毎日1";
inline constexpr std::string_view kDailyBranchFamily = "毎日2";
// Lines in each daily passage: the calendar takes one line per day.
inline constexpr int kDailyTenGodLines = 20;
inline constexpr int kDailyBranchLines = 16;

// The month readings above the grid, in their printed order: general, money, love.
inline constexpr std::array<std::string_view, 3> kMonthFortuneFamilies = {"月運1", "月運金",
                                                                          "月運愛"};

// "毎日1" / ten god "1".."10" of the day's stem seen from the day master.
std::optional<PassageKey> dailyTenGodKey(int tenGod);
// "毎日2" / branch "1".."12" of the day.
std::optional<PassageKey> dailyBranchKey(int branch);
// kMonthFortuneFamilies[which] / ten god "1".."10" of the month's stem seen from the day master;
// which 0..2.
std::optional<PassageKey> monthFortuneKey(int which, int tenGod);

}  // namespace suimei
