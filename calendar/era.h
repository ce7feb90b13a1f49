#pragma once
// Japanese era of a Western year, as the date-input calendar labels the year it shows.

#include <string>

namespace suimei {

// "昭和 N 年" for 1926..1988, "平成 N 年" for 1989..2018, "令和 N 年" from 2019; empty text up to
// 1925. A year carries the era that began in it (1926 is 昭和 1, 1989 平成 1, 2019 令和 1).
std::string eraYearLabel(int year);

}  // namespace suimei
