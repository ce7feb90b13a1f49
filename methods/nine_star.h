#pragma once
// Nine Star Ki (九星気学): the natal star (本命星) from the birth year, the month star (月命星)
// from the birth month, the inclination (傾斜) — the palace where the natal star stands on the
// birth-month board — and the boards themselves.
//
// Stars 1..9 = 一白水星 .. 九紫火星. Board positions 1..9 read a 3 × 3 grid row by row with South
// at the top: 巽 離 坤 / 震 centre 兌 / 艮 坎 乾. 0 means none throughout.

#include <array>
#include <string_view>

#include "calendar/types.h"

namespace suimei {

// Star names 1..9; star 2 is written with the katakana ニ. Empty text out of range.
std::string_view nineStarName(int star);
// Palace names of the board positions 1..9 ("巽", "離", "坤", "震", "中央", "兌", "艮", "坎",
// "乾"); empty text out of range.
std::string_view palaceName(int position);

// The fixed star (後天定位) of board position 1..9; 0 out of range.
int fixedStar(int position);
// The star standing at `position` 1..9 on the board with centre star `centre` 1..9; 0 when
// either is out of range.
int boardStar(int centre, int position);
// The position 1..9 of `star` on the board with centre `centre`; 0 when either is out of range.
int positionOfStar(int centre, int star);

// The star of the year Y counted by the calendar year (not the solar year), 1..9.
int yearStarOfCalendarYear(int year);
// The star of calendar month M (1..12) of calendar year Y, counting each month from its
// solar-term entry; 0 for a month out of range.
int monthStarOfCalendarMonth(int year, int month);

// Natal star 1..9 of a birth in calendar year Y; `beforeSolarYearStart` when the birth lies
// before 立春, so that it still belongs to the previous solar year.
int natalStar(int year, bool beforeSolarYearStart);
// Month star 1..9 of a birth in calendar month M of year Y; `beforeMonthTerm` when the birth lies
// before the 節 that opens the solar month (in January before 小寒, in February before 立春, ...).
// 0 for a month out of range.
int monthStar(int year, int month, bool beforeMonthTerm);

// Whether the chart's year stem (which changes at 立春) shows a birth before the solar year of
// calendar year Y began; false when the stem is missing.
bool isBeforeSolarYearStart(int year, Stem chartYearStem);
// Whether the chart's month stem (which changes at each month's 節) shows a birth before the
// solar month of calendar month M began; false when the stem is missing or M is out of range.
bool isBeforeMonthTerm(int year, int month, Stem chartMonthStem);

// Inclination position 1..9 from the natal star N and month star T: where N stands on the board
// of T, or by a fixed table when N = T sits in the centre; 0 when a star is out of range.
int inclinationPosition(int natal, int month);
// The board square highlighted for the inclination: the inclination position, except that a
// woman with N = T = 5 has 乾 (9) highlighted while her inclination stays at 兌 (6).
int inclinationHighlightPosition(int natal, int month, bool female);

// Dark-sword (暗剣殺) position on the board with centre 1..9: opposite star 5; 0 for centre 5.
int darkSwordPosition(int centre);
// The board position 1..9 of a branch's direction (子 坎, 丑 寅 艮, ...); 0 out of range.
int branchPosition(int branch);
// Break (破) position: the direction of the branch opposite the year's (or month's) branch.
int breakPosition(int branch);

// Year-board star of a chosen year and month: January still belongs to the previous year.
int yearBoardStar(int year, int month);

// What the appraisal run records: stars 1..9 and the inclination.
struct NineStarKi {
    int natalStar = 0;
    int monthStar = 0;
    int inclinationPosition = 0;  // 1..9
    int inclinationStar = 0;      // fixed star of the inclination position
    friend bool operator==(const NineStarKi&, const NineStarKi&) = default;
};

// The natal star, month star and inclination of a birth on calendar year/month Y/M, given
// whether it lies before 立春 and before its month's 節.
NineStarKi computeNineStarKi(int year, int month, bool beforeSolarYearStart, bool beforeMonthTerm);

}  // namespace suimei
