#pragma once
// The 24 solar terms (二十四節気) of a year from the old-calendar astronomy, to the second, JST.

#include <array>
#include <string_view>
#include <vector>

#include "calendar/old_calendar_astronomy.h"

#include "calendar/solar_term_table.h"

namespace suimei {

// Term names by angle index k = ⌊λ/15⌋ + 1 (λ the solar longitude of the term): 1 = 春分 (0°) ...
// 24 = 啓蟄 (345°); index 0 is empty.
inline constexpr std::array<std::string_view, 25> kSolarTermNames = {
    "",     "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑",
    "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪",
    "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"};

// Name of the term with angle index 1..24; empty text out of range.
std::string_view solarTermName(int nameIndex);

// Angle index 1..24 of the term at position 0..23 of a year in date order (0 = 小寒 = 20,
// 2 = 立春 = 22, 5 = 春分 = 1, 23 = 冬至 = 19); 0 out of range.
int solarTermIndexAtPosition(int position);

using YearSolarTerms = std::array<SolarTermEntry, 24>;

// Years with a table; outside them every entry is empty (zero numbers, empty texts).
inline constexpr int kFirstTableYear = 1;
inline constexpr int kLastTableYear = 9999;

// The 24 terms of Gregorian year `year` in date order, 小寒 first and 冬至 last, so that entry
// 2(m-1) is the 節 that opens calendar month m and 2(m-1)+1 its middle term (JST). Each term is
// found once: the year is sampled every 15 days from January 1 (the last term at or before each
// sample), and solarTermsFromSamples drops a term met twice and searches one passed over (the
// sampling lines up by itself for every year 1..9999 of the Gregorian calendar; the repair makes
// the order hold by construction). Results are cached per year (per thread) and are the same with
// or without the cache. The astronomy places the sun (the cache keeps the two apart). With the
// precise one the order holds for the years 1..7275 only: later, ΔT's long-term parabola passes a
// day and 小寒 falls in the December before, where the table keeps the one of the next year.
YearSolarTerms solarTermsOfYear(int year, Astronomy astronomy = Astronomy::Described);

// The 24 terms of the year in date order from sampled term moments (any order, any year): the
// first find of each term dated in the year is kept, a term not found is searched from 22 days
// after the term before it (terms lie 14.7 to 15.8 days apart) with the given astronomy.
YearSolarTerms solarTermsFromSamples(int year, const std::vector<qreki::TermMoment>& sampled,
                                     Astronomy astronomy = Astronomy::Described);

// Copies the terms of year, year-1 and year+1 into entries 0..23, 24..47 and 48..71 of table,
// reusing the table's storage.
void fillSolarTermTable(int year, SolarTermTable& table,
                        Astronomy astronomy = Astronomy::Described);

// The 72-entry table of year (entries 0..23), year-1 (24..47) and year+1 (48..71).
SolarTermTable solarTermTable(int year, Astronomy astronomy = Astronomy::Described);

}  // namespace suimei
