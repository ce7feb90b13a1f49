#include "methods/nine_star.h"

namespace suimei {

namespace {

constexpr std::array<std::string_view, 10> kStarNames = {
    "",         "一白水星", "ニ黒土星", "三碧木星", "四緑木星",
    "五黄土星", "六白金星", "七赤金星", "八白土星", "九紫火星"};

constexpr std::array<std::string_view, 10> kPalaceNames = {"",     "巽", "離", "坤", "震",
                                                           "中央", "兌", "艮", "坎", "乾"};

// 後天定位: the star of each position on the board with 五黄 in the centre.
constexpr std::array<int, 10> kFixedStars = {0, 4, 9, 2, 3, 5, 7, 8, 1, 6};

// Inclination when the natal star sits in the centre of its month board, by star.
constexpr std::array<int, 10> kCentreInclination = {0, 2, 9, 1, 4, 6, 3, 7, 6, 8};

// Dark sword by centre star: the square opposite 五黄; none when 五黄 is itself in the centre.
constexpr std::array<int, 10> kDarkSword = {0, 8, 3, 4, 1, 0, 9, 6, 7, 2};

// Direction of each branch around the board: 子 坎, 丑寅 艮, 卯 震, 辰巳 巽, 午 離, 未申 坤,
// 酉 兌, 戌亥 乾.
constexpr std::array<int, 13> kBranchPositions = {0, 8, 7, 7, 4, 1, 1, 2, 3, 3, 6, 9, 9};

// Month-stem offset of calendar year Y by (Y - 1312) mod 5: the stem of its January is k + 0.
constexpr std::array<int, 5> kMonthStemOffset = {8, 10, 2, 4, 6};

bool isStar(int s) {
    return s >= 1 && s <= 9;
}
bool isPosition(int p) {
    return p >= 1 && p <= 9;
}
bool isMonth(int m) {
    return m >= 1 && m <= 12;
}

// The stars run backwards through the years and months: remainder 0 is 一白, 1 is 九紫, ...
int starOfRemainder(long long r) {
    return r == 0 ? 1 : 10 - static_cast<int>(r);
}

int nextStar(int star) {
    return star >= 9 ? 1 : star + 1;
}

int yearStar(long long year) {
    return starOfRemainder(floorMod(year - 145, 9LL));
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

std::string_view nineStarName(int star) {
    return isStar(star) ? kStarNames[at(star)] : std::string_view{};
}

std::string_view palaceName(int position) {
    return isPosition(position) ? kPalaceNames[at(position)] : std::string_view{};
}

int fixedStar(int position) {
    return isPosition(position) ? kFixedStars[at(position)] : 0;
}

int boardStar(int centre, int position) {
    if (!isStar(centre) || !isPosition(position)) return 0;
    return floorMod(fixedStar(position) + centre - 6, 9) + 1;
}

int positionOfStar(int centre, int star) {
    if (!isStar(centre) || !isStar(star)) return 0;
    for (int p = 1; p <= 9; ++p) {
        if (boardStar(centre, p) == star) return p;
    }
    return 0;
}

int yearStarOfCalendarYear(int year) {
    return yearStar(year);
}

int monthStarOfCalendarMonth(int year, int month) {
    if (!isMonth(month)) return 0;
    return starOfRemainder(floorMod(12LL * (static_cast<long long>(year) - 130) + month, 9LL));
}

int natalStar(int year, bool beforeSolarYearStart) {
    const int n = yearStarOfCalendarYear(year);
    return beforeSolarYearStart ? nextStar(n) : n;
}

int monthStar(int year, int month, bool beforeMonthTerm) {
    const int t = monthStarOfCalendarMonth(year, month);
    if (t == 0) return 0;
    return beforeMonthTerm ? nextStar(t) : t;
}

bool isBeforeSolarYearStart(int year, Stem chartYearStem) {
    if (!isStem(chartYearStem)) return false;
    // (Y - 1312) mod 10: 0 is 壬, 1 癸, 2 甲, ...
    const int calendarStem =
        static_cast<int>(floorMod(static_cast<long long>(year) - 1312 + 8, 10LL)) + 1;
    return chartYearStem != calendarStem;
}

bool isBeforeMonthTerm(int year, int month, Stem chartMonthStem) {
    if (!isStem(chartMonthStem) || !isMonth(month)) return false;
    const int k =
        kMonthStemOffset[at(static_cast<int>(floorMod(static_cast<long long>(year) - 1312, 5LL)))];
    const int r = floorMod(month - 1 + k, 10);
    const int calendarStem = r == 0 ? 10 : r;
    return chartMonthStem != calendarStem;
}

int inclinationPosition(int natal, int month) {
    if (!isStar(natal) || !isStar(month)) return 0;
    if (natal == month) return kCentreInclination[at(natal)];
    // Star N stands where the fixed star is ((N - T + 4) mod 9) + 1; N - T + 4 may be negative.
    const int fixed = floorMod(natal - month + 4, 9) + 1;
    for (int p = 1; p <= 9; ++p) {
        if (kFixedStars[at(p)] == fixed) return p;
    }
    return 0;
}

int inclinationHighlightPosition(int natal, int month, bool female) {
    if (natal == 5 && month == 5 && female) return 9;
    return inclinationPosition(natal, month);
}

int darkSwordPosition(int centre) {
    return isStar(centre) ? kDarkSword[at(centre)] : 0;
}

int branchPosition(int branch) {
    return isBranch(branch) ? kBranchPositions[at(branch)] : 0;
}

int breakPosition(int branch) {
    if (!isBranch(branch)) return 0;
    return branchPosition(branch > 6 ? branch - 6 : branch + 6);
}

int yearBoardStar(int year, int month) {
    if (!isMonth(month)) return 0;
    return yearStar(month == 1 ? static_cast<long long>(year) - 1 : year);
}

NineStarKi computeNineStarKi(int year, int month, bool beforeSolarYearStart, bool beforeMonthTerm) {
    NineStarKi k;
    k.natalStar = natalStar(year, beforeSolarYearStart);
    k.monthStar = monthStar(year, month, beforeMonthTerm);
    k.inclinationPosition = inclinationPosition(k.natalStar, k.monthStar);
    k.inclinationStar = fixedStar(k.inclinationPosition);
    return k;
}

}  // namespace suimei
