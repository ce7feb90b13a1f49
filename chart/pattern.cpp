#include "chart/pattern.h"

#include <algorithm>
#include <utility>

#include "chart/mandata.h"
#include "chart/strength.h"

namespace suimei {

namespace {

// Elements rooted in each branch (子..亥), 0 padding: 子 水; 丑 水金土; 寅 木火; 卯 木; 辰 木水土;
// 巳 火金; 午 火; 未 木火土; 申 金水; 酉 金; 戌 金火土; 亥 水木.
constexpr std::array<std::array<int, 3>, 13> kBranchElementSets = {{
    {0, 0, 0},
    {5, 0, 0},
    {5, 4, 3},
    {1, 2, 0},
    {1, 0, 0},
    {1, 5, 3},
    {2, 4, 0},
    {2, 0, 0},
    {1, 2, 3},
    {4, 5, 0},
    {4, 0, 0},
    {4, 2, 3},
    {5, 1, 0},
}};

// Climate elements by day-master element (木火土金水) and month branch (子..亥).
constexpr std::array<std::array<std::string_view, 13>, 6> kClimateElements = {{
    {},
    {"", "金火", "金火", "火水", "金火", "金火", "水", "金", "火", "水金", "火", "金", "金火"},
    {"", "水土", "水木", "水", "水", "水木", "水金", "水金", "水金", "水", "水", "木水", "木水"},
    {"", "木火", "火木", "火木", "火木", "木火", "木火水", "木火水", "水木火", "火木", "火木",
     "木火", "木火"},
    {"", "木", "火木", "土火木", "火", "金", "水", "水", "金", "火木", "火木", "木水", "火"},
    {"", "土火", "火木", "金火土", "土金", "木金", "水金", "水金", "金木", "土火", "木金", "木火",
     "土火"},
}};

// Inner pattern by the ten god 1..10 of the month's active hidden stem.
constexpr std::array<std::string_view, 11> kInnerPatterns = {"",       "建禄格", "食神格", "偏財格",
                                                             "偏官格", "印綬格", "月刃格", "傷官格",
                                                             "正財格", "正官格", "印綬格"};

// Class of the pattern by the top element's relation to the day master: 旺 児 財 殺 強.
constexpr std::array<std::string_view, 6> kFollowingClasses = {"", "旺", "児", "財", "殺", "強"};
enum PatternClass { kSame = 1, kOutput = 2, kWealth = 3, kOfficer = 4, kResource = 5 };

constexpr std::array<std::string_view, 5> kFollowingPatterns = {"従旺格", "従強格", "従児格",
                                                                "従財格", "従殺格"};

int elementAt(const ElementArray& a, int e) {
    return e >= 1 && e <= 5 ? a[static_cast<std::size_t>(e)] : 0;
}

// True when H belongs to a yang day master: 甲 甲乙, 丙 丙戊, 戊 戊己, 庚 庚辛, 壬 壬癸.
bool belongsToYangDayMaster(int dayStem, int h) {
    switch (dayStem) {
        case 1:
            return h == 1 || h == 2;
        case 3:
            return h == 3 || h == 5;
        case 5:
            return h == 5 || h == 6;
        case 7:
            return h == 7 || h == 8;
        case 9:
            return h == 9 || h == 10;
        default:
            return false;
    }
}

}  // namespace

int stemCombinationElement(int a, int b) {
    if (!isStem(a) || !isStem(b)) return 0;
    if (a - b != 5 && b - a != 5) return 0;
    return kStemCombinationElements[static_cast<std::size_t>(std::min(a, b))];
}

bool isClash(int a, int b) {
    return isBranch(a) && isBranch(b) && (a - b == 6 || b - a == 6);
}

bool isPairCombination(int a, int b) {
    if (!isBranch(a) || !isBranch(b)) return false;
    for (std::size_t k = 1; k < kBranchPairs.size(); ++k) {
        const auto& p = kBranchPairs[k];
        if ((p[0] == a && p[1] == b) || (p[0] == b && p[1] == a)) return true;
    }
    return false;
}

int elementRelation(int e, int x, int fallback) {
    if (e < 1 || e > 5 || x < 1 || x > 5) return fallback;
    return floorMod(x - e + 5, 5) + 1;
}

ElementTally computeElementTally(const FourPillars& pillars, int monthActiveHidden) {
    ElementTally t;
    const auto add = [&t](int e, int n) {
        if (e >= 1 && e <= 5) t.stemCount[static_cast<std::size_t>(e)] += n;
    };
    const int year = pillars[kYearPillar].stem;
    const int month = pillars[kMonthPillar].stem;
    const int day = pillars[kDayPillar].stem;
    const int hour = pillars[kHourPillar].stem;
    const int hElement = elementOfStem(monthActiveHidden);
    const int hourDay = stemCombinationElement(hour, day);
    const int dayMonth = stemCombinationElement(day, month);
    const int monthYear = stemCombinationElement(month, year);

    // Hour stem: a combination the month does not support leaves it counted double.
    if (hourDay != 0) {
        if (hElement == hourDay) {
            add(hourDay, 1);
        } else {
            add(elementOfStem(hour), 2);
        }
    } else {
        add(elementOfStem(hour), 1);
    }
    // Day stem: once for each side it is bound on.
    if (hourDay != 0 || dayMonth != 0) {
        if (hourDay != 0) add(hElement == hourDay ? hourDay : elementOfStem(day), 1);
        if (dayMonth != 0) add(hElement == dayMonth ? dayMonth : elementOfStem(day), 1);
    } else {
        add(elementOfStem(day), 1);
    }
    // Month stem.
    if (dayMonth != 0 || monthYear != 0) {
        if (dayMonth != 0) add(hElement == dayMonth ? dayMonth : elementOfStem(month), 1);
        if (monthYear != 0 && hElement == monthYear) add(monthYear, 1);
    } else {
        add(elementOfStem(month), 1);
    }
    // Year stem: an unsupported 乙庚 counts the month stem's element instead.
    if (monthYear != 0) {
        if (hElement == monthYear) {
            add(monthYear, 1);
        } else if (monthYear == 4) {
            add(elementOfStem(month), 1);
        }
    } else {
        add(elementOfStem(year), 1);
    }

    // Branches: one bound or clashed by a neighbour is left out, unless the other side undoes it.
    const int by = pillars[kYearPillar].branch;
    const int bm = pillars[kMonthPillar].branch;
    const int bd = pillars[kDayPillar].branch;
    const int bh = pillars[kHourPillar].branch;
    const bool clashHD = isClash(bh, bd);
    const bool clashDM = isClash(bd, bm);
    const bool clashMY = isClash(bm, by);
    const bool pairHD = isPairCombination(bh, bd);
    const bool pairDM = isPairCombination(bd, bm);
    const bool pairMY = isPairCombination(bm, by);
    const bool hourOut = (clashHD && !pairDM) || (pairHD && !clashDM);
    const bool dayOut = (clashHD && !pairDM) || (clashDM && !pairHD && !pairMY) ||
                        (pairHD && !clashDM) || (pairDM && !clashHD && !clashMY);
    const bool monthOut = (clashMY && !pairDM) || (clashDM && !pairHD && !pairMY) ||
                          (pairMY && !clashDM) || (pairDM && !clashHD && !clashMY);
    const bool yearOut = (clashMY && !pairDM) || (pairMY && !clashDM);
    const auto tallyBranch = [&t](int b, bool out) {
        if (out || !isBranch(b)) return;
        for (int e : kBranchElementSets[static_cast<std::size_t>(b)]) {
            if (e != 0) ++t.branchTally[static_cast<std::size_t>(e)];
        }
    };
    tallyBranch(bh, hourOut);
    tallyBranch(bd, dayOut);
    tallyBranch(bm, monthOut);
    tallyBranch(by, yearOut);

    // Points: the stem count weighted by 2 (3 for H's element) per branch that carries it.
    int positive = 0;
    for (int x = 1; x <= 5; ++x) {
        const auto i = static_cast<std::size_t>(x);
        const int base = x == hElement ? 3 : 2;
        int weight = 1;
        for (int n = 0; n < t.branchTally[i]; ++n) weight *= base;
        t.points[i] = t.stemCount[i] * weight;
        t.ranked[i] = {x, t.points[i]};
        if (t.points[i] > 0) ++positive;
    }
    // Selection sort, so a tie at the top goes to the earlier element.
    for (std::size_t i = 1; i <= 5; ++i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j <= 5; ++j) {
            if (t.ranked[j].points > t.ranked[best].points) best = j;
        }
        std::swap(t.ranked[i], t.ranked[best]);
    }
    // Energy level by position among the ranked elements and the number with points.
    std::array<int, 6> byPosition{};
    switch (positive) {
        case 0:
            break;
        case 1:
            byPosition = {0, 4, 2, 2, 2, 2};
            break;
        case 2:
            byPosition = {0, 4, 3, 2, 2, 2};
            break;
        case 3:
            byPosition = {0, 5, 4, 2, 1, 1};
            break;
        default:
            byPosition = {0, 5, 4, 3, 2, 1};
            break;
    }
    for (std::size_t i = 1; i <= 5; ++i) {
        t.rank[static_cast<std::size_t>(t.ranked[i].element)] = byPosition[i];
    }
    return t;
}

void decidePattern(const FourPillars& pillars, int monthActiveHidden, int monthActiveHiddenTenGod,
                   const ElementTally& tally, std::string& patternName) {
    const int dayStem = pillars[kDayPillar].stem;
    const int e = elementOfStem(dayStem);
    const int cls = elementRelation(e, tally.topElement(), 0);
    if (cls == 0) return;
    const int o = elementStep(e, 1);
    const int w = elementStep(e, 2);
    const int k = elementStep(e, 3);
    const int i = elementStep(e, 4);
    const auto P = [&tally](int x) { return elementAt(tally.points, x); };
    const auto R = [&tally](int x) { return elementAt(tally.rank, x); };
    const bool selfSide = cls == kSame || cls == kResource;  // 旺 or 強

    bool broken = false;
    if (isYang(dayStem)) {
        if (selfSide) {
            broken |= elementAt(tally.stemCount, k) > 0 && elementAt(tally.branchTally, k) > 0;
        } else {
            broken |= belongsToYangDayMaster(dayStem, monthActiveHidden) || P(i) > 0;
        }
    } else {
        if (selfSide) {
            broken |= P(k) > 1 && P(w) > 0;
        } else {
            broken |= P(i) > 1;
        }
    }
    switch (cls) {
        case kSame:
            broken |= P(k) > 1 || (P(k) > 0 && P(w) > 0) || (P(o) > 0 && P(w) > 0);
            break;
        case kResource:
            broken |= P(w) > 1 || P(k) > 1 || (P(o) > 0 && P(w) > 0) || R(e) < 3;
            break;
        case kOutput:
            broken |= P(i) > 1 || (P(i) > 0 && P(k) > 0) || (R(e) > 3 && P(w) == 0);
            break;
        case kWealth:
            broken |= P(e) > 1 || P(i) > 1 || R(e) > 3 || (P(i) > 0 && P(e) > 0);
            break;
        case kOfficer:
            broken |= P(o) > 1 || P(i) > 1 || R(o) > 3 || R(e) > 3;
            break;
        default:
            break;
    }

    if (!broken) {
        patternName = "従";
        patternName += kFollowingClasses[static_cast<std::size_t>(cls)];
        patternName += "格";
        return;
    }
    const std::string_view inner = nameAt(kInnerPatterns, monthActiveHiddenTenGod);
    if (!inner.empty()) patternName = inner;
}

bool isFollowingPattern(std::string_view patternName) {
    return std::find(kFollowingPatterns.begin(), kFollowingPatterns.end(), patternName) !=
           kFollowingPatterns.end();
}

int climateStemOf(int monthBranch) {
    switch (monthBranch) {
        case 6:  // 巳
        case 7:  // 午
        case 8:  // 未
            return 10;
        case 12:  // 亥
        case 1:   // 子
        case 2:   // 丑
            return 3;
        default:
            return 0;
    }
}

int usefulStemOf(const FourPillars& pillars, int monthActiveHidden, int monthActiveHiddenTenGod,
                 std::string_view patternName, int topElement) {
    const int year = pillars[kYearPillar].stem;
    const int month = pillars[kMonthPillar].stem;
    const int day = pillars[kDayPillar].stem;
    const int hour = pillars[kHourPillar].stem;
    if (isFollowingPattern(patternName) && topElement != 0) {
        for (int s : {month, hour, year, day}) {
            if (elementOfStem(s) == topElement) return s;
        }
    }
    const int h = monthActiveHidden;
    if (isStem(h)) {
        if (h == year || h == month || h == day || h == hour) return h;
        const int g = monthActiveHiddenTenGod;
        if (g == 3 || g == 8 || g == 5 || g == 10) {  // 偏財 正財 偏印 印綬
            const int sibling = isYang(h) ? h + 1 : h - 1;
            if (sibling == year || sibling == month || sibling == day || sibling == hour) {
                return sibling;
            }
        }
    }
    return day;
}

std::string_view climateElementsOf(int dayStem, int monthBranch) {
    const int e = elementOfStem(dayStem);
    if (e == 0 || !isBranch(monthBranch)) return {};
    return kClimateElements[static_cast<std::size_t>(e)][static_cast<std::size_t>(monthBranch)];
}

ElementSlots favourableElementsOf(std::string_view patternName, int usefulStem, int dayStem,
                                  const ElementArray& points, Notifier& notifier) {
    ElementSlots slots{};
    if (!isStem(usefulStem)) {
        notifier.info("man.yojin data is illegal", "Debug");
        return slots;
    }
    const int u = elementOfStem(usefulStem);
    const int e = elementOfStem(dayStem);
    const auto P = [&points](int x) { return elementAt(points, x); };
    const auto set = [&slots](int a, int b, int c = 0) {
        slots[1] = a;
        slots[2] = b;
        slots[3] = c;
    };
    if (patternName == "従旺格" || patternName == "従殺格") {
        set(u, elementStep(u, -1));
    } else if (patternName == "従強格" || patternName == "従児格") {
        set(u, elementStep(u, 1));
    } else if (patternName == "従財格") {
        if (P(elementStep(u, 3)) > 0) {
            set(u, elementStep(u, 3));
        } else if (P(elementStep(u, 1)) > 0) {
            set(u, elementStep(u, 1));
        } else {
            set(u, 0);
        }
    } else {
        bool weak = u != e && P(u) < P(e);
        if (u == e) {
            for (int x = 1; x <= 5; ++x) weak |= x != u && P(x) > P(u);
        }
        const int g = elementRelation(e, u, 0);
        if (weak) {
            if (g == 2 || g == 5) {
                set(u, elementStep(u, 1));
            } else if (g != 0) {
                set(u, elementStep(u, -1));
            }
        } else {
            switch (g) {
                case 1: {
                    const int x = elementStep(u, 3);
                    const int y = elementStep(u, 1);
                    if (P(x) == 0 && P(y) > 0) {
                        set(y, elementStep(y, 1));
                    } else {
                        set(x, elementStep(x, -1));
                    }
                    break;
                }
                case 2:
                    set(elementStep(u, 3), e);
                    break;
                case 3:
                    set(e, elementStep(e, -1));
                    break;
                case 4:
                    set(elementStep(e, -1), e);
                    break;
                case 5:
                    set(elementStep(e, 2), elementStep(e, 1), e);
                    break;
                default:
                    break;
            }
        }
    }
    return slots;
}

ElementSlots unfavourableElementsOf(const ElementSlots& favourable) {
    ElementSlots slots{};
    std::size_t next = 1;
    for (int x = 1; x <= 5 && next <= 3; ++x) {
        if (std::find(favourable.begin() + 1, favourable.end(), x) == favourable.end()) {
            slots[next++] = x;
        }
    }
    return slots;
}

std::string elementNamesOf(const ElementSlots& slots) {
    std::string text;
    for (std::size_t i = 1; i < slots.size(); ++i) text += elementName(slots[i]);
    return text;
}

std::array<bool, 6> overrideStartMarks(const ElementSlots& favourable) {
    std::array<bool, 6> liked{};
    for (std::size_t i = 1; i < favourable.size(); ++i) {
        const int e = favourable[i];
        if (e >= 1 && e <= 5) liked[static_cast<std::size_t>(e)] = true;
    }
    return liked;
}

bool applyElementOverride(const std::array<bool, 6>& liked, ElementSlots& favourable,
                          ElementSlots& unfavourable, Notifier& notifier) {
    ElementSlots fav{};
    ElementSlots unfav{};
    std::size_t nFav = 0;
    std::size_t nUnfav = 0;
    for (int x = 1; x <= 5; ++x) {
        if (liked[static_cast<std::size_t>(x)]) {
            if (++nFav <= 3) fav[nFav] = x;
        } else {
            if (++nUnfav <= 3) unfav[nUnfav] = x;
        }
    }
    if (nFav > 3 || nUnfav > 3) {
        notifier.info("喜ぶ神、忌む神はそれぞれ最大３種類に設定してください。", "入力間違いです");
        return false;
    }
    favourable = fav;
    unfavourable = unfav;
    return true;
}

void computeElementTally(Tmandata& chart) {
    const ElementTally t = computeElementTally(chart.fourPillars(), chart.monthPillar.activeHidden);
    chart.elementStemCount = t.stemCount;
    chart.elementBranchTally = t.branchTally;
    chart.elementPoints = t.points;
    chart.elementRank = t.rank;
    chart.rankedElements = t.ranked;
}

void decidePattern(Tmandata& chart) {
    ElementTally t;
    t.stemCount = chart.elementStemCount;
    t.branchTally = chart.elementBranchTally;
    t.points = chart.elementPoints;
    t.rank = chart.elementRank;
    t.ranked = chart.rankedElements;
    decidePattern(chart.fourPillars(), chart.monthPillar.activeHidden,
                  chart.monthPillar.activeHiddenTenGod, t, chart.patternName);
}

void Tmandata::computeUsefulStem() {
    climateStem = static_cast<std::uint8_t>(climateStemOf(monthPillar.branch));
    usefulStem = static_cast<std::uint8_t>(usefulStemOf(fourPillars(), monthPillar.activeHidden,
                                                        monthPillar.activeHiddenTenGod, patternName,
                                                        rankedElements[1].element));
}

void Tmandata::computeClimateElements() {
    climateElements = climateElementsOf(dayPillar.stem, monthPillar.branch);
}

ElementSlots Tmandata::favourableSlots() const {
    return {0, favourable1, favourable2, favourable3};
}

ElementSlots Tmandata::unfavourableSlots() const {
    return {0, unfavourable1, unfavourable2, unfavourable3};
}

void Tmandata::computeFavourableElements(Notifier& notifier) {
    const ElementSlots s =
        favourableElementsOf(patternName, usefulStem, dayPillar.stem, elementPoints, notifier);
    favourable1 = s[1];
    favourable2 = s[2];
    favourable3 = s[3];
    favourableElements = elementNamesOf(s);
}

void Tmandata::computeUnfavourableElements() {
    const ElementSlots s = unfavourableElementsOf(favourableSlots());
    unfavourable1 = s[1];
    unfavourable2 = s[2];
    unfavourable3 = s[3];
    unfavourableElements = elementNamesOf(s);
}

bool Tmandata::overrideFavourableElements(const std::array<bool, 6>& liked, Notifier& notifier) {
    ElementSlots fav = favourableSlots();
    ElementSlots unfav = unfavourableSlots();
    if (!applyElementOverride(liked, fav, unfav, notifier)) return false;
    favourable1 = fav[1];
    favourable2 = fav[2];
    favourable3 = fav[3];
    unfavourable1 = unfav[1];
    unfavourable2 = unfav[2];
    unfavourable3 = unfav[3];
    favourableElements = elementNamesOf(fav);
    unfavourableElements = elementNamesOf(unfav);
    return true;
}

void Tmandata::analyseChart(Notifier& notifier) {
    detectPillarClashFlags();
    computeSeasonLabel();
    computeRelationScore();
    computeStageScore();
    computeStrengthTotal();
    computeDayMasterPoints(*this);
    computeElementTally(*this);
    decidePattern(*this);
    computeUsefulStem();
    computeClimateElements();
    computeFavourableElements(notifier);
    computeUnfavourableElements();
    detectRelations();
}

}  // namespace suimei
