#pragma once
// The table of the 24 solar terms (二十四節気) of a year and its two neighbours, to the minute,
// JST.

#include <array>
#include <string>

namespace suimei {

struct SolarTermEntry {
    int year = 0, month = 0, day = 0;  // Gregorian date, JST
    int hour = 0, minute = 0, second = 0;
    int nameIndex =
        0;  // 1..24 by solar longitude: 1 = 春分 (0°), 2 = 清明, ... 24 = 啓蟄; 0 = none
    std::string text;  // "yyyy/mm/dd hh:mm:ss"
    std::string name;  // "立春", ...
};

// Entries 0..23: the terms of the year itself in date order, so that entry 2(m-1) is the 節 that
// opens calendar month m (0 = 小寒, 2 = 立春, ... 22 = 大雪) and entry 2(m-1)+1 the middle term
// of month m; 24..47 the same for the previous year; 48..71 for the following year.
using SolarTermTable = std::array<SolarTermEntry, 72>;

inline constexpr int kPreviousYearOffset = 24;
inline constexpr int kNextYearOffset = 48;

}  // namespace suimei
