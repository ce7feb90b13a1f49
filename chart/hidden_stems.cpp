#include "chart/hidden_stems.h"

#include <cmath>

namespace suimei {

HiddenStemEntry hiddenStemEntry(int school, int branch, int slot) {
    if (school < 0 || school >= kHiddenStemSchoolCount || !isBranch(branch) || slot < 1 ||
        slot > 3) {
        return {};
    }
    return kHiddenStemTables[static_cast<std::size_t>(school)]
                            [static_cast<std::size_t>(3 * (branch - 1) + slot)];
}

int hiddenStemCount(int school, int branch) {
    int count = 0;
    for (int k = 1; k <= 3; ++k) {
        if (hiddenStemEntry(school, branch, k).stem != 0) ++count;
    }
    return count;
}

int termDepthTenths(long double termDepth) {
    if (!std::isfinite(termDepth)) return 0;
    const long double tenths = std::floor(termDepth * 10.0L + 1e-6L);
    if (tenths > 1e6L) return 1000000;
    if (tenths < -1e6L) return -1000000;
    return static_cast<int>(tenths);
}

namespace {

// A rule that lands on an empty slot takes the last non-empty slot before it, so a one-stem
// branch (子 under 算命学式, 寅 under 明朝透派) always yields its one stem.
int landOn(int school, int branch, int slot) {
    while (slot > 1 && hiddenStemEntry(school, branch, slot).stem == 0) --slot;
    return slot;
}

int span(int school, int branch, int slot) {
    return hiddenStemEntry(school, branch, slot).spanHundredths;
}

// Month depth, month branch: depth < d1 slot 1; d1 <= depth <= d1 + d2 slot 2; beyond slot 3.
int monthDepthRuleForMonth(int school, int branch, int depthHundredths) {
    const int d1 = span(school, branch, 1);
    const int d2 = span(school, branch, 2);
    const int slot = depthHundredths < d1 ? 1 : depthHundredths <= d1 + d2 ? 2 : 3;
    return landOn(school, branch, slot);
}

// Month depth applied to the other branches: the boundary d1 itself still belongs to slot 1.
int monthDepthRuleForOthers(int school, int branch, int depthHundredths) {
    const int d1 = span(school, branch, 1);
    const int d2 = span(school, branch, 2);
    const int slot = depthHundredths <= d1 ? 1 : depthHundredths <= d1 + d2 ? 2 : 3;
    return landOn(school, branch, slot);
}

// The own-depth rules compare clock times and dates with fractions of spans over 31 days. All
// quantities are scaled to whole numbers (minutes × 3100, or month·93000) so every boundary is
// exact.
constexpr long long kMinuteScale = 3100;  // 31 days × 100 (spans are in hundredths)

long long clockScaled(int hour, int minute) {
    long long minutes = hour * 60LL + minute;
    if (minutes < 60) minutes += 1440;  // the hour after midnight still belongs to the 子 period
    return minutes * kMinuteScale;
}

// Hour branch: the two hours of the branch are shared out in proportion to the spans.
int ownDepthHour(int school, int branch, const HiddenStemMoment& m) {
    const long long startHour = branch == 1 ? 23 : 2 * branch - 3;
    const long long w = startHour * 60 * kMinuteScale;
    const long long h1 = w + span(school, branch, 1) * 120LL;
    const long long h2 = h1 + span(school, branch, 2) * 120LL;
    const long long t = clockScaled(m.hour, m.minute);
    int slot = 3;
    if (w <= t && t < h1) {
        slot = 1;
    } else if (h1 <= t && t < h2) {
        slot = 2;
    }
    return landOn(school, branch, slot);
}

// Day branch: the 24 hours from 23:00 are shared out in proportion to the spans.
int ownDepthDay(int school, int branch, const HiddenStemMoment& m) {
    const long long h23 = 23 * 60 * kMinuteScale;
    const long long h24 = 24 * 60 * kMinuteScale;
    const long long h25 = 25 * 60 * kMinuteScale;
    long long w1 = h23 + span(school, branch, 1) * 1440LL;
    long long w2 = w1 + span(school, branch, 2) * 1440LL;
    if (w1 >= h25) w1 -= h24;
    if (w2 >= h25) w2 -= h24;
    const long long t = clockScaled(m.hour, m.minute);
    int slot = 1;
    if (h23 <= t && t < h24) {
        slot = 3;
    } else if (t < h24 && w1 <= t && t < w2) {
        slot = 2;
    } else if (t < h24 && t >= w2) {
        slot = 3;
    }
    return landOn(school, branch, slot);
}

// Year branch: the twelve months from 2.13 (立春) are shared out in proportion to the spans.
int ownDepthYear(int school, int branch, const HiddenStemMoment& m) {
    constexpr long long kMonth = 93000;  // month + day/30, scaled by 30 × 3100
    const long long e = m.month * kMonth + m.day * 3100LL;
    const long long start = 198090;  // 2.13
    const long long y1 = start + span(school, branch, 1) * 360LL;
    const long long y2 = y1 + span(school, branch, 2) * 360LL;
    const bool february = e >= 2 * kMonth && e < 3 * kMonth;
    int slot = 3;
    if (!february) {
        if (start <= e && e < y1) {
            slot = 1;
        } else if (y1 <= e && e < y2) {
            slot = 2;
        }
    } else if (m.beforeEntry) {
        slot = 3;  // still the previous year's last month: its main qi
    } else if (e < y1) {
        slot = 1;
    } else if (e < y2) {
        slot = 2;
    }
    return landOn(school, branch, slot);
}

}  // namespace

int activeHiddenSlot(const Schools& schools, PillarPosition position, int branch,
                     const HiddenStemMoment& moment) {
    const int school = schools.hiddenStemSchool;
    if (hiddenStemCount(school, branch) == 0) return 0;
    const int depth = moment.depthTenths * 10;  // hundredths of a day, as the spans
    if (school == kMinchouTouha) {
        // Only the month goes by depth; every other branch shows its main qi.
        return position == PillarPosition::Month ? monthDepthRuleForMonth(school, branch, depth)
                                                 : hiddenStemCount(school, branch);
    }
    if (position == PillarPosition::Month) return monthDepthRuleForMonth(school, branch, depth);
    if (!schools.ownDepthPerBranch) return monthDepthRuleForOthers(school, branch, depth);
    switch (position) {
        case PillarPosition::Hour:
            return ownDepthHour(school, branch, moment);
        case PillarPosition::Day:
            return ownDepthDay(school, branch, moment);
        default:
            return ownDepthYear(school, branch, moment);
    }
}

}  // namespace suimei
