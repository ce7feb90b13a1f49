#include "calendar/quick_pillars.h"

namespace suimei {

namespace {

constexpr int kEarliestStemYear = 1312;

int monthOf(int mmdd) {
    return floorDiv(mmdd, 100);
}
int dayOf(int mmdd) {
    return floorMod(mmdd, 100);
}
long long floorDivLong(long long a, long long n) {
    return (a - floorMod(a, n)) / n;
}

}  // namespace

int quickEntryDay(int y, int m) {
    if (m < 1 || m > 12) return 0;
    return kQuickEntryDays[static_cast<std::size_t>(floorMod(y, 12))][static_cast<std::size_t>(m)];
}

int quickDayNumber(int y, int m, int d) {
    // January and February count as months 13 and 14 of the previous year.
    long long yy = y;
    long long mm = m;
    if (mm < 3) {
        yy -= 1;
        mm += 12;
    }
    // ⌊365.25·y⌋ and ⌊30.59·(m − 2)⌋ in integers, so no rounding of the factors can creep in.
    const long long n = floorDivLong(1461 * yy, 4) + floorDivLong(yy, 400) + 2 -
                        floorDivLong(yy, 100) + floorDivLong(3059 * (mm - 2), 100) + d + 1721086;
    const int r = static_cast<int>(floorMod(n - 9, 60LL));
    return r == 0 ? 60 : r;
}

int quickDayStem(int y, int m, int d) {
    return stemOfSexagenary(quickDayNumber(y, m, d));
}

int quickDayBranch(int y, int m, int d) {
    return branchOfSexagenary(quickDayNumber(y, m, d));
}

bool beforeMonthEntry(int y, int mmdd) {
    const int entry = quickEntryDay(y, monthOf(mmdd));
    return entry != 0 && dayOf(mmdd) < entry;
}

bool beforeSpringEntry(int y, int mmdd) {
    switch (floorMod(y, 12)) {
        case 1:
        case 2:
        case 5:
        case 9:
        case 10:
            return mmdd < 204;
        default:
            return mmdd < 205;
    }
}

QuickYearMonth quickYearMonthStems(int mmdd, int y) {
    const int m = monthOf(mmdd);
    // The sexagenary year turns at 立春; the month stems run from the calendar year itself.
    const int sexagenaryYear = beforeSpringEntry(y, mmdd) ? y - 1 : y;
    if (sexagenaryYear < kEarliestStemYear || y < kEarliestStemYear || m < 1 || m > 12) return {};
    QuickYearMonth out;
    out.year = floorMod(sexagenaryYear - 4, 10) + 1;
    constexpr int bases[5] = {8, 10, 2, 4, 6};
    const int base = bases[floorMod(y - kEarliestStemYear, 5)];
    int monthStem = floorMod(m - 1 + base, 10);
    if (monthStem == 0) monthStem = 10;
    if (beforeMonthEntry(y, mmdd)) monthStem = prevStem(monthStem);
    out.month = monthStem;
    return out;
}

QuickYearMonth quickYearMonthBranches(int mmdd, int y) {
    const int m = monthOf(mmdd);
    const int sexagenaryYear = beforeSpringEntry(y, mmdd) ? y - 1 : y;
    QuickYearMonth out;
    out.year = yearBranchOf(sexagenaryYear);
    if (m >= 1 && m <= 12) {
        // The solar month that begins in calendar month m has branch m + 1 (December: 子);
        // before the entry the date still belongs to the solar month of m − 1.
        out.month = beforeMonthEntry(y, mmdd) ? m : floorMod(m, 12) + 1;
    }
    return out;
}

int yearBranchOf(int y) {
    return floorMod(y - 4, 12) + 1;
}

int opposingBranch(int b) {
    if (!isBranch(b)) return 0;
    return b <= 6 ? b + 6 : b - 6;
}

}  // namespace suimei
