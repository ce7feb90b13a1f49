#pragma once
// Shared numbering of the chart: stems, branches, sexagenary numbers, elements, ten gods, twelve
// stages, and the birth-time list. Every table is 1-based with index 0 meaning "none" (empty text).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace suimei {

using Stem = std::uint8_t;    // 1..10 = 甲..癸, 0 = none
using Branch = std::uint8_t;  // 1..12 = 子..亥, 0 = none

// Mathematical modulo: the result lies in 0..n-1 for negative operands too (C++ % does not).
constexpr int floorMod(int a, int n) {
    const int r = a % n;
    return r < 0 ? r + n : r;
}
constexpr long long floorMod(long long a, long long n) {
    const long long r = a % n;
    return r < 0 ? r + n : r;
}
// Division rounding towards minus infinity.
constexpr int floorDiv(int a, int n) {
    return (a - floorMod(a, n)) / n;
}

inline constexpr std::array<std::string_view, 11> kStemNames = {"",   "甲", "乙", "丙", "丁", "戊",
                                                                "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 13> kBranchNames = {
    "", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 6> kElementNames = {"", "木", "火", "土", "金", "水"};
inline constexpr std::array<std::string_view, 11> kTenGodNames = {
    "", "比肩", "食神", "偏財", "偏官", "偏印", "劫財", "傷官", "正財", "正官", "印綬"};
inline constexpr std::array<std::string_view, 13> kStageNames = {
    "", "長生", "沐浴", "冠帯", "建禄", "帝旺", "衰", "病", "死", "墓", "絶", "胎", "養"};
inline constexpr std::array<std::string_view, 5> kSeasonNames = {"", "春", "夏", "秋", "冬"};

// Table lookups return empty text for an index out of range, never fail.
template <std::size_t N>
constexpr std::string_view nameAt(const std::array<std::string_view, N>& table, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? table[static_cast<std::size_t>(index)]
               : std::string_view{};
}
constexpr std::string_view stemName(int s) {
    return nameAt(kStemNames, s);
}
constexpr std::string_view branchName(int b) {
    return nameAt(kBranchNames, b);
}
constexpr std::string_view elementName(int e) {
    return nameAt(kElementNames, e);
}
constexpr std::string_view tenGodName(int g) {
    return nameAt(kTenGodNames, g);
}
constexpr std::string_view stageName(int st) {
    return nameAt(kStageNames, st);
}

constexpr bool isStem(int s) {
    return s >= 1 && s <= 10;
}
constexpr bool isBranch(int b) {
    return b >= 1 && b <= 12;
}
constexpr bool isTenGod(int g) {
    return g >= 1 && g <= 10;
}
constexpr bool isStage(int st) {
    return st >= 1 && st <= 12;
}
constexpr bool isYang(int stemOrBranch) {
    return stemOrBranch % 2 == 1;
}

// Element 1..5 (木火土金水) of a stem, 0 for none.
constexpr int elementOfStem(int s) {
    return isStem(s) ? (s + 1) / 2 : 0;
}
// Element 1..5 of a branch, 0 for none.
constexpr int elementOfBranch(int b) {
    constexpr std::array<int, 13> table = {0, 5, 3, 1, 1, 3, 2, 2, 3, 4, 4, 3, 5};
    return isBranch(b) ? table[static_cast<std::size_t>(b)] : 0;
}
// Season 1..4 (春夏秋冬) of a month branch: 寅卯辰 spring ... 亥子丑 winter; 0 for none.
constexpr int seasonOfBranch(int b) {
    constexpr std::array<int, 13> table = {0, 4, 4, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4};
    return isBranch(b) ? table[static_cast<std::size_t>(b)] : 0;
}
// The element that element e produces (木→火→土→金→水→木) and the one it controls (two ahead).
constexpr int producedElement(int e) {
    return e >= 1 && e <= 5 ? e % 5 + 1 : 0;
}
constexpr int controlledElement(int e) {
    return e >= 1 && e <= 5 ? (e + 1) % 5 + 1 : 0;
}

// Stepping wraps 10 -> 1 and 12 -> 1 (and back).
constexpr Stem nextStem(int s) {
    return static_cast<Stem>(s >= 10 ? 1 : s + 1);
}
constexpr Stem prevStem(int s) {
    return static_cast<Stem>(s <= 1 ? 10 : s - 1);
}
constexpr Branch nextBranch(int b) {
    return static_cast<Branch>(b >= 12 ? 1 : b + 1);
}
constexpr Branch prevBranch(int b) {
    return static_cast<Branch>(b <= 1 ? 12 : b - 1);
}

struct Pillar {
    Stem stem = 0;
    Branch branch = 0;
    friend constexpr bool operator==(const Pillar&, const Pillar&) = default;
};

// Sexagenary number 1..60 (1 = 甲子): stem n mod 10 and branch n mod 12, 0 standing for 10 and 12.
constexpr Stem stemOfSexagenary(int n) {
    const int r = floorMod(n, 10);
    return static_cast<Stem>(r == 0 ? 10 : r);
}
constexpr Branch branchOfSexagenary(int n) {
    const int r = floorMod(n, 12);
    return static_cast<Branch>(r == 0 ? 12 : r);
}
constexpr Pillar pillarOfSexagenary(int n) {
    return {stemOfSexagenary(n), branchOfSexagenary(n)};
}
// Sexagenary number 1..60 of a stem and branch of the same polarity; 0 when none exists.
constexpr int sexagenaryOf(int stem, int branch) {
    if (!isStem(stem) || !isBranch(branch) || (stem % 2) != (branch % 2)) return 0;
    for (int n = stem; n <= 60; n += 10) {
        if (branchOfSexagenary(n) == branch) return n;
    }
    return 0;
}
constexpr int sexagenaryOf(Pillar p) {
    return sexagenaryOf(p.stem, p.branch);
}
// Previous sexagenary pillar (stem 1 -> 10, branch 1 -> 12).
constexpr Pillar stepBack(Pillar p) {
    return {prevStem(p.stem), prevBranch(p.branch)};
}
constexpr Pillar stepForward(Pillar p) {
    return {nextStem(p.stem), nextBranch(p.branch)};
}

// Stem name + branch name, for example "甲子"; empty text for a missing pillar.
std::string pillarName(Pillar p);

constexpr bool isGregorianLeapYear(int y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}
// Days 28..31 in month 1..12 of year y (Gregorian); 0 for a month out of range.
constexpr int daysInMonth(int y, int m) {
    constexpr std::array<int, 13> lengths = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12) return 0;
    return m == 2 && isGregorianLeapYear(y) ? 29 : lengths[static_cast<std::size_t>(m)];
}

// Birth-time list of the main window: index 0..12 is a clock period, 13 means unknown.
inline constexpr std::array<std::string_view, 14> kBirthTimeSlots = {
    "00:00-01:00", "01:00-03:00", "03:00-05:00", "05:00-07:00", "07:00-09:00",
    "09:00-11:00", "11:00-13:00", "13:00-15:00", "15:00-17:00", "17:00-19:00",
    "19:00-21:00", "21:00-23:00", "23:00-00:00", "不明の場合"};
inline constexpr int kUnknownBirthTime = 13;
// Index 0..13 of a birth-time text, or -1 when it is not in the list.
int birthTimeIndexOf(std::string_view text);
// Period 0..12 of the birth-time list that holds clock hour 0..23 (23 o'clock is the late 子
// period, 12); -1 for an hour out of range.
constexpr int birthTimeIndexOfHour(int hour) {
    if (hour < 0 || hour > 23) return -1;
    return hour == 23 ? 12 : (hour + 1) / 2;
}
// Clock time handed to the astronomy for slot 0..12: the middle of the period
// (00:30, 02:00, 04:00, ... 22:00, 23:30). Returns false for 13 or out of range.
bool birthTimeSlotMiddle(int index, int& hour, int& minute);

}  // namespace suimei
