#pragma once
// Stem and branch relations among the four natal pillars: 干合, 三合, 方合, 支合, 冲, 三刑, 自刑,
// and the pillar clash flags the strength scoring uses. Luck and annual pillars are not looked at.
//
// Every array of pillars is in the order year, month, day, hour. A missing hour (stem and branch 0)
// takes part in no relation. Slot arrays are 1-based like the rest of the chart numbering; index 0
// is unused and stays 0.

#include <array>

#include "calendar/types.h"

namespace suimei {

enum PillarIndex : int { kYearPillar = 0, kMonthPillar = 1, kDayPillar = 2, kHourPillar = 3 };
using FourPillars = std::array<Pillar, 4>;  // year, month, day, hour

// 干合 pairs by slot 1..5: 甲己 乙庚 丙辛 丁壬 戊癸, and the element each transforms into.
inline constexpr std::array<std::array<int, 2>, 6> kStemCombinationPairs = {
    {{0, 0}, {1, 6}, {2, 7}, {3, 8}, {4, 9}, {5, 10}}};
inline constexpr std::array<int, 6> kStemCombinationElements = {0, 3, 4, 5, 1, 2};
// 三合 groups by slot 1..4: 申子辰 巳酉丑 寅午戌 亥卯未 (ascending), transformed 水 金 火 木.
inline constexpr std::array<std::array<int, 3>, 5> kThreeCombinationGroups = {
    {{0, 0, 0}, {1, 5, 9}, {2, 6, 10}, {3, 7, 11}, {4, 8, 12}}};
inline constexpr std::array<int, 5> kThreeCombinationElements = {0, 5, 4, 2, 1};
// 方合 groups by slot 1..4: 亥子丑 寅卯辰 巳午未 申酉戌 (ascending), transformed 水 木 火 金.
inline constexpr std::array<std::array<int, 3>, 5> kDirectionalGroups = {
    {{0, 0, 0}, {1, 2, 12}, {3, 4, 5}, {6, 7, 8}, {9, 10, 11}}};
inline constexpr std::array<int, 5> kDirectionalElements = {0, 5, 1, 2, 4};
// 支合 pairs by slot 1..6: 子丑 寅亥 卯戌 辰酉 巳申 午未.
inline constexpr std::array<std::array<int, 2>, 7> kBranchPairs = {
    {{0, 0}, {1, 2}, {3, 12}, {4, 11}, {5, 10}, {6, 9}, {7, 8}}};
// 冲 pairs by slot 1..6: 子午 丑未 寅申 卯酉 辰戌 巳亥.
inline constexpr std::array<std::array<int, 2>, 7> kClashPairs = {
    {{0, 0}, {1, 7}, {2, 8}, {3, 9}, {4, 10}, {5, 11}, {6, 12}}};
// 三刑: slot 1 the 子卯 pair, slot 2 the 丑未戌 group, slot 3 the 寅巳申 group.
inline constexpr std::array<int, 2> kPunishmentPair = {1, 4};
inline constexpr std::array<int, 3> kPunishmentGroupEarth = {2, 8, 11};
inline constexpr std::array<int, 3> kPunishmentGroupGrowth = {3, 6, 9};
// 自刑 branches by slot 1..4: 辰 午 酉 亥.
inline constexpr std::array<int, 5> kSelfPunishmentBranches = {0, 5, 7, 10, 12};

// 干合 (stem combination): counts per pair, the transformed element per slot, presence flag.
struct Tkango {
    std::array<int, 6> counts{};
    std::array<int, 6> elements = kStemCombinationElements;
    int present = 0;
};
// 三合 (three-branch combination).
struct Tsango {
    std::array<int, 5> counts{};
    std::array<int, 5> elements = kThreeCombinationElements;
    int present = 0;
};
// 方合 (directional combination).
struct Thogou {
    std::array<int, 5> counts{};
    std::array<int, 5> elements = kDirectionalElements;
    int present = 0;
};
// 支合 (branch pair combination).
struct Tsigou {
    std::array<int, 7> counts{};
    int present = 0;
};
// 冲 (branch clash).
struct Toki {
    std::array<int, 7> counts{};
    int present = 0;
};
// 三刑 (three punishments).
struct Tsankei {
    std::array<int, 4> counts{};
    int present = 0;
};
// 自刑 (self-punishment).
struct Tjikei {
    std::array<int, 5> counts{};
    int present = 0;
};

// Pillar clash flags, 0/1 each: the pillar's branch is clashed by the neighbour that controls it.
struct PillarClashFlags {
    int hourHurt = 0;
    int dayHurt = 0;
    int monthHurt = 0;
    int yearHurt = 0;
};

// Number 0..3 of the neighbourings year–month, month–day, day–hour whose values are x and y in
// either order. Values are four stems or four branches in pillar order; 0 never matches.
int countAdjacentPairs(int x, int y, const std::array<int, 4>& values);
// Number 0..4 of the branch triples (year,month,day), (year,month,hour), (year,day,hour),
// (month,day,hour) that hold exactly the group {x, y, z}.
int countTriples(int x, int y, int z, const std::array<int, 4>& branches);

// The relation objects of the four pillars, counts and presence flags filled.
Tkango findStemCombinations(const FourPillars& pillars);
Tsango findThreeCombinations(const FourPillars& pillars);
Thogou findDirectionalCombinations(const FourPillars& pillars);
Tsigou findBranchPairCombinations(const FourPillars& pillars);
Toki findClashes(const FourPillars& pillars);
Tsankei findPunishments(const FourPillars& pillars);
Tjikei findSelfPunishments(const FourPillars& pillars);
// The four pillar clash flags (午 by 子, 寅 by 申, 卯 by 酉, 巳 by 亥 from a neighbouring pillar).
PillarClashFlags findPillarClashFlags(const FourPillars& pillars);

}  // namespace suimei
