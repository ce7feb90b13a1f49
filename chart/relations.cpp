#include "chart/relations.h"

#include <algorithm>

#include "chart/mandata.h"

namespace suimei {

namespace {

std::array<int, 4> stemsOf(const FourPillars& p) {
    return {p[0].stem, p[1].stem, p[2].stem, p[3].stem};
}
std::array<int, 4> branchesOf(const FourPillars& p) {
    return {p[0].branch, p[1].branch, p[2].branch, p[3].branch};
}

template <std::size_t N>
int anyPositive(const std::array<int, N>& counts) {
    return std::any_of(counts.begin(), counts.end(), [](int c) { return c > 0; }) ? 1 : 0;
}

// True when (own, neighbour) is a branch clashed by the branch that controls it.
bool hurtBy(int own, int neighbour) {
    return (own == 7 && neighbour == 1) ||   // 午 by 子
           (own == 3 && neighbour == 9) ||   // 寅 by 申
           (own == 4 && neighbour == 10) ||  // 卯 by 酉
           (own == 6 && neighbour == 12);    // 巳 by 亥
}

}  // namespace

int countAdjacentPairs(int x, int y, const std::array<int, 4>& values) {
    if (x == 0 || y == 0) return 0;
    int count = 0;
    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        const int a = values[i];
        const int b = values[i + 1];
        if ((a == x && b == y) || (a == y && b == x)) ++count;
    }
    return count;
}

int countTriples(int x, int y, int z, const std::array<int, 4>& branches) {
    std::array<int, 3> group = {x, y, z};
    std::sort(group.begin(), group.end());
    if (group[0] == 0) return 0;
    static constexpr std::array<std::array<std::size_t, 3>, 4> kTriples = {
        {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}}};
    int count = 0;
    for (const auto& t : kTriples) {
        std::array<int, 3> held = {branches[t[0]], branches[t[1]], branches[t[2]]};
        std::sort(held.begin(), held.end());
        if (held == group) ++count;
    }
    return count;
}

Tkango findStemCombinations(const FourPillars& pillars) {
    Tkango r;
    const auto stems = stemsOf(pillars);
    for (std::size_t k = 1; k < kStemCombinationPairs.size(); ++k) {
        r.counts[k] =
            countAdjacentPairs(kStemCombinationPairs[k][0], kStemCombinationPairs[k][1], stems);
    }
    r.present = anyPositive(r.counts);
    return r;
}

Tsango findThreeCombinations(const FourPillars& pillars) {
    Tsango r;
    const auto branches = branchesOf(pillars);
    for (std::size_t k = 1; k < kThreeCombinationGroups.size(); ++k) {
        const auto& g = kThreeCombinationGroups[k];
        r.counts[k] = countTriples(g[0], g[1], g[2], branches);
    }
    r.present = anyPositive(r.counts);
    return r;
}

Thogou findDirectionalCombinations(const FourPillars& pillars) {
    Thogou r;
    const auto branches = branchesOf(pillars);
    for (std::size_t k = 1; k < kDirectionalGroups.size(); ++k) {
        const auto& g = kDirectionalGroups[k];
        r.counts[k] = countTriples(g[0], g[1], g[2], branches);
    }
    r.present = anyPositive(r.counts);
    return r;
}

Tsigou findBranchPairCombinations(const FourPillars& pillars) {
    Tsigou r;
    const auto branches = branchesOf(pillars);
    for (std::size_t k = 1; k < kBranchPairs.size(); ++k) {
        r.counts[k] = countAdjacentPairs(kBranchPairs[k][0], kBranchPairs[k][1], branches);
    }
    r.present = anyPositive(r.counts);
    return r;
}

Toki findClashes(const FourPillars& pillars) {
    Toki r;
    const auto branches = branchesOf(pillars);
    for (std::size_t k = 1; k < kClashPairs.size(); ++k) {
        r.counts[k] = countAdjacentPairs(kClashPairs[k][0], kClashPairs[k][1], branches);
    }
    r.present = anyPositive(r.counts);
    return r;
}

Tsankei findPunishments(const FourPillars& pillars) {
    Tsankei r;
    const auto branches = branchesOf(pillars);
    r.counts[1] = countAdjacentPairs(kPunishmentPair[0], kPunishmentPair[1], branches);
    r.counts[2] = countTriples(kPunishmentGroupEarth[0], kPunishmentGroupEarth[1],
                               kPunishmentGroupEarth[2], branches);
    r.counts[3] = countTriples(kPunishmentGroupGrowth[0], kPunishmentGroupGrowth[1],
                               kPunishmentGroupGrowth[2], branches);
    r.present = anyPositive(r.counts);
    return r;
}

Tjikei findSelfPunishments(const FourPillars& pillars) {
    Tjikei r;
    const auto branches = branchesOf(pillars);
    for (std::size_t k = 1; k < kSelfPunishmentBranches.size(); ++k) {
        const int b = kSelfPunishmentBranches[k];
        r.counts[k] = countAdjacentPairs(b, b, branches);
    }
    r.present = anyPositive(r.counts);
    return r;
}

PillarClashFlags findPillarClashFlags(const FourPillars& pillars) {
    const int year = pillars[kYearPillar].branch;
    const int month = pillars[kMonthPillar].branch;
    const int day = pillars[kDayPillar].branch;
    const int hour = pillars[kHourPillar].branch;
    PillarClashFlags f;
    f.hourHurt = hurtBy(hour, day) ? 1 : 0;
    f.dayHurt = hurtBy(day, month) || hurtBy(day, hour) ? 1 : 0;
    f.monthHurt = hurtBy(month, year) || hurtBy(month, day) ? 1 : 0;
    f.yearHurt = hurtBy(year, month) ? 1 : 0;
    return f;
}

FourPillars Tmandata::fourPillars() const {
    return {yearPillar.pillar(), monthPillar.pillar(), dayPillar.pillar(), hourPillar.pillar()};
}

void Tmandata::detectStemCombinations() {
    stemCombination = findStemCombinations(fourPillars());
}
void Tmandata::detectThreeCombinations() {
    threeCombination = findThreeCombinations(fourPillars());
}
void Tmandata::detectDirectionalCombinations() {
    directionalCombination = findDirectionalCombinations(fourPillars());
}
void Tmandata::detectBranchPairCombinations() {
    branchPairCombination = findBranchPairCombinations(fourPillars());
}
void Tmandata::detectClashes() {
    branchClash = findClashes(fourPillars());
}
void Tmandata::detectPunishments() {
    threePunishment = findPunishments(fourPillars());
}
void Tmandata::detectSelfPunishments() {
    selfPunishment = findSelfPunishments(fourPillars());
}

void Tmandata::detectRelations() {
    detectStemCombinations();
    detectThreeCombinations();
    detectDirectionalCombinations();
    detectBranchPairCombinations();
    detectClashes();
    detectPunishments();
    detectSelfPunishments();
}

void Tmandata::detectPillarClashFlags() {
    const PillarClashFlags f = findPillarClashFlags(fourPillars());
    hourHurt = f.hourHurt;
    dayHurt = f.dayHurt;
    monthHurt = f.monthHurt;
    yearHurt = f.yearHurt;
}

}  // namespace suimei
