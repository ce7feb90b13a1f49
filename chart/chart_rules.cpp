#include "chart/chart_rules.h"

#include <array>

namespace suimei {

int tenGodGroup(int tenGod) {
    if (tenGod < 1 || tenGod > 10) return 0;
    return (tenGod - 1) % 5 + 1;
}

int tenGodOf(int dayStem, int other) {
    if (!isStem(dayStem) || !isStem(other)) return 0;
    // 0 same element, 1 produced by the day master, 2 controlled by it, 3 controlling it,
    // 4 producing it; the same polarity gives 比肩..偏印, the other 劫財..印綬.
    const int r = floorMod(elementOfStem(other) - elementOfStem(dayStem), 5);
    return isYang(dayStem) == isYang(other) ? r + 1 : r + 6;
}

namespace {

struct StageStart {
    int branch;    // where 長生 stands
    bool forward;  // stages run forward (yang) or backward (yin) through the branches
};

// Starts of the textbook school (陽生陰死): 甲 亥+, 乙 午−, 丙 寅+, 丁 酉−, 戊 as 丙, 己 as 丁,
// 庚 巳+, 辛 子−, 壬 申+, 癸 卯−.
constexpr std::array<StageStart, 11> kStageStarts = {{{0, true},
                                                      {12, true},
                                                      {7, false},
                                                      {3, true},
                                                      {10, false},
                                                      {3, true},
                                                      {10, false},
                                                      {6, true},
                                                      {1, false},
                                                      {9, true},
                                                      {4, false}}};

// The other two schools run every stem forward from the yang stem of its group.
// School 1 splits fire and earth: 甲乙→甲, 丙丁戊→丙, 己壬癸→壬, 庚辛→庚.
constexpr std::array<int, 11> kSameSequenceSplit = {0, 1, 1, 3, 3, 3, 9, 7, 7, 9, 9};
// School 2 takes fire and earth as one: 甲乙→甲, 丙丁戊己→丙, 庚辛→庚, 壬癸→壬.
constexpr std::array<int, 11> kSameSequenceFireEarth = {0, 1, 1, 3, 3, 3, 3, 7, 7, 9, 9};

}  // namespace

int twelveStageOf(int stem, int branch, int stageSchool) {
    if (!isStem(stem) || !isBranch(branch)) return 0;
    int leader = stem;
    switch (stageSchool) {
        case 0:
            break;
        case 1:
            leader = kSameSequenceSplit[static_cast<std::size_t>(stem)];
            break;
        case 2:
            leader = kSameSequenceFireEarth[static_cast<std::size_t>(stem)];
            break;
        default:
            return 0;
    }
    const StageStart start = kStageStarts[static_cast<std::size_t>(leader)];
    const int steps = start.forward ? branch - start.branch : start.branch - branch;
    return floorMod(steps, 12) + 1;
}

VoidBranches voidBranchesOf(int dayStem, int dayBranch) {
    if (!isStem(dayStem) || !isBranch(dayBranch)) return {};
    // The ten days of a decade leave two branches uncovered; the decade's first branch tells
    // which.
    const int c = dayBranch < dayStem ? dayBranch + 12 : dayBranch;
    switch (c - dayStem) {
        case 0:
            return {11, 12};  // 戌 亥
        case 2:
            return {1, 2};  // 子 丑
        case 4:
            return {3, 4};  // 寅 卯
        case 6:
            return {5, 6};  // 辰 巳
        case 8:
            return {7, 8};  // 午 未
        case 10:
            return {9, 10};  // 申 酉
        default:
            return {};  // stem and branch of unlike polarity
    }
}

int lifePalaceOf(int hourBranch, int monthBranch) {
    if (!isBranch(hourBranch) || !isBranch(monthBranch)) return 0;
    // The difference goes negative for late branches; the remainder must still be 0..11.
    const int r = floorMod(8 - hourBranch - monthBranch, 12);
    return r == 0 ? 12 : r;
}

}  // namespace suimei
