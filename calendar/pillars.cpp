#include "calendar/pillars.h"

#include <cmath>

#include "calendar/solar_terms.h"

namespace suimei {

namespace {

constexpr int kMinutesPerDay = 1440;

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

// Calendar month before and after (year, month).
void previousMonth(int year, int month, int& py, int& pm) {
    py = month == 1 ? year - 1 : year;
    pm = month == 1 ? 12 : month - 1;
}
void nextMonth(int year, int month, int& ny, int& nm) {
    ny = month == 12 ? year + 1 : year;
    nm = month == 12 ? 1 : month + 1;
}

// Name index (1..24, 1 = 春分) of the 節 that opens calendar month m.
int termNameIndexOfMonth(int month) {
    return monthTermLongitude(month) / 15 + 1;
}

bool isUsableTerm(const SolarTermEntry& e, int year, int month) {
    return e.year == year && e.month == month && e.day >= 1 && e.day <= daysInMonth(year, month) &&
           e.hour >= 0 && e.hour <= 23 && e.minute >= 0 && e.minute <= 59;
}

// The 節 that opens calendar month (year, month), read from the table of `tableYear`; nullptr when
// the table does not hold it. The place 2(m-1) of the year's block is tried first; a table whose
// order differs is searched by date and term name.
const SolarTermEntry* monthOpeningTerm(const SolarTermTable& terms, int tableYear, int year,
                                       int month) {
    if (month < 1 || month > 12) return nullptr;
    const int expectedName = termNameIndexOfMonth(month);
    int block = -1;
    if (year == tableYear) block = 0;
    if (year == tableYear - 1) block = kPreviousYearOffset;
    if (year == tableYear + 1) block = kNextYearOffset;
    if (block >= 0) {
        const SolarTermEntry& e = terms[static_cast<std::size_t>(block + 2 * (month - 1))];
        if (isUsableTerm(e, year, month) && (e.nameIndex == 0 || e.nameIndex == expectedName)) {
            return &e;
        }
    }
    for (const SolarTermEntry& e : terms) {
        if (isUsableTerm(e, year, month) && e.nameIndex == expectedName) return &e;
    }
    return nullptr;
}

}  // namespace

std::string_view prefectureName(int index) {
    return index >= 1 && index <= 47 ? kPrefectures[static_cast<std::size_t>(index)].name
                                     : std::string_view{};
}

int prefectureMinutes(int index) {
    return index >= 1 && index <= 47 ? kPrefectures[static_cast<std::size_t>(index)].minutes : 0;
}

LocalMoment applyPrefectureCorrection(int year, int month, int day, int hour, int minute,
                                      int correctionMinutes) {
    // Only a real moment is corrected, and by less than a day either way.
    if (!isValidDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        correctionMinutes <= -kMinutesPerDay || correctionMinutes >= kMinutesPerDay) {
        return {year, month, day, hour, minute};
    }
    LocalMoment l{year, month, day, hour, minute + correctionMinutes};
    while (l.minute > 59) {
        l.minute -= 60;
        ++l.hour;
    }
    while (l.minute < 0) {
        l.minute += 60;
        --l.hour;
    }
    while (l.hour > 23) {
        l.hour -= 24;
        ++l.day;
        if (l.day > daysInMonth(l.year, l.month)) {
            l.day = 1;
            nextMonth(l.year, l.month, l.year, l.month);
        }
    }
    while (l.hour < 0) {
        l.hour += 24;
        --l.day;
        if (l.day < 1) {
            previousMonth(l.year, l.month, l.year, l.month);
            l.day = daysInMonth(l.year, l.month);
        }
    }
    return l;
}

int daySexagenary(int year, int month, int day) {
    double y = year;
    double m = month;
    if (month < 3) {
        y -= 1;
        m += 12;
    }
    const long long n = static_cast<long long>(std::floor(365.25 * y)) +
                        static_cast<long long>(std::floor(y / 400.0)) + 2 -
                        static_cast<long long>(std::floor(y / 100.0)) +
                        static_cast<long long>(std::floor(30.59 * (m - 2))) + day + 1721086;
    const long long r = floorMod(n - 9, 60LL);
    return r == 0 ? 60 : static_cast<int>(r);
}

int yearSexagenary(int year) {
    const int n = floorMod(year, 60) + 57;
    return n > 60 ? n - 60 : n;
}

int monthSexagenary(int year, int month) {
    if (month < 1 || month > 12) return 0;
    const int n =
        static_cast<int>(floorMod((static_cast<long long>(year) - 1) * 12, 60LL)) + 25 + month;
    return n > 60 ? n - 60 : n;
}

namespace {

// Hour pillar of two-hour period p (0 = early 子 ... 11 = 亥, 12 = late 子) on a day of stem s:
// the 子 stem of 甲己 days is 甲, of 乙庚 丙, of 丙辛 戊, of 丁壬 庚, of 戊癸 壬.
Pillar hourPillarOfPeriod(int dayStem, int p) {
    if (!isStem(dayStem) || p < 0 || p > 12) return {};
    const int stem = floorMod(2 * floorMod(dayStem - 1, 5) + p, 10) + 1;
    return {static_cast<Stem>(stem), static_cast<Branch>(floorMod(p, 12) + 1)};
}

}  // namespace

Pillar hourPillarFromHour(int dayStem, int hour) {
    if (hour < 0 || hour > 23) return {};
    return hourPillarOfPeriod(dayStem, hour == 23 ? 12 : (hour + 1) / 2);
}

Pillar hourPillarFromIndex(int dayStem, int index) {
    if (index < 0 || index > 12) return {};
    return hourPillarOfPeriod(dayStem, index);
}

PillarWay choosePillarWay(int birthYear, bool astronomicalSetting) {
    return !astronomicalSetting && birthYear > 1921 ? PillarWay::Files : PillarWay::Astronomical;
}

bool entryDepthTenths(const SolarTermTable& terms, int tableYear, const LocalMoment& local,
                      int& tenths) {
    const SolarTermEntry* current = monthOpeningTerm(terms, tableYear, local.year, local.month);
    if (!current) return false;
    const int birth = local.day * kMinutesPerDay + local.hour * 60 + local.minute;
    const int entry = current->day * kMinutesPerDay + current->hour * 60 + current->minute;
    int minutes = 0;
    if (birth > entry) {
        minutes = birth - entry;
    } else {
        // At or before this month's entry: counted from the 節 of the month before.
        int py = 0, pm = 0;
        previousMonth(local.year, local.month, py, pm);
        const SolarTermEntry* previous = monthOpeningTerm(terms, tableYear, py, pm);
        if (!previous) return false;
        const int previousEntry =
            previous->day * kMinutesPerDay + previous->hour * 60 + previous->minute;
        minutes = birth + daysInMonth(py, pm) * kMinutesPerDay - previousEntry;
    }
    if (minutes < 0) return false;
    // Cut to a tenth of a day (144 minutes) in integers: an exact tenth is never lost to rounding.
    tenths = minutes / (kMinutesPerDay / 10);
    return true;
}

SolarFacts computeSolarFacts(const BirthMoment& birth, const SolarTermTable& terms, int currentYear,
                             Astronomy astronomy) {
    SolarFacts f;
    if (!isValidDate(birth.year, birth.month, birth.day)) return f;
    const bool hourKnown = birth.hour >= 0 && birth.hour <= 23;
    // An unknown time is taken as noon for everything but the hour pillar.
    const int hour = hourKnown ? birth.hour : 12;
    const int minute = hourKnown && birth.minute >= 0 && birth.minute <= 59 ? birth.minute : 0;
    const int prefecture = birth.prefecture == 0 ? kPrefectureForZero : birth.prefecture;
    const bool male = birth.sex != "女";

    const LocalMoment local = applyPrefectureCorrection(birth.year, birth.month, birth.day, hour,
                                                        minute, prefectureMinutes(prefecture));
    f.localYear = local.year;
    f.localMonth = local.month;
    f.localDay = local.day;
    f.localHour = local.hour;
    f.localMinute = local.minute;
    f.sunLongitude = sunLongitudeAtJst(birth.year, birth.month, birth.day, hour, minute, astronomy);

    const Pillar day = pillarOfSexagenary(daySexagenary(local.year, local.month, local.day));
    f.dayStem = day.stem;
    f.dayBranch = day.branch;

    // January is always before 立春; in February 立春 is decided at the whole local hour.
    Pillar year = pillarOfSexagenary(yearSexagenary(local.year));
    if (local.month == 1 ||
        (local.month == 2 &&
         sunLongitudeAtJst(local.year, 2, local.day, local.hour, 0, astronomy) < 315.0)) {
        year = stepBack(year);
    }
    f.yearStem = year.stem;
    f.yearBranch = year.branch;

    // The month pillar is that of the 節 falling in the local month; before the 10th the birth
    // may still precede it. From the 10th on every 節 has passed.
    Pillar month = pillarOfSexagenary(monthSexagenary(local.year, local.month));
    if (local.day < 10 && f.sunLongitude < monthTermLongitude(local.month)) {
        month = stepBack(month);
        f.beforeEntry = true;
    }
    f.monthStem = month.stem;
    f.monthBranch = month.branch;

    const Pillar hourPillar = hourKnown ? hourPillarFromHour(day.stem, local.hour) : Pillar{};
    f.hourStem = hourPillar.stem;
    f.hourBranch = hourPillar.branch;

    int py = 0, pm = 0, ny = 0, nm = 0;
    previousMonth(local.year, local.month, py, pm);
    nextMonth(local.year, local.month, ny, nm);
    const MonthEntry prev = findMonthEntry(py, pm, astronomy);
    const MonthEntry cur = findMonthEntry(local.year, local.month, astronomy);
    const MonthEntry next = findMonthEntry(ny, nm, astronomy);
    f.prevEntryDay = prev.day;
    f.prevEntryHour = prev.hour;
    f.curEntryDay = cur.day;
    f.curEntryHour = cur.hour;
    f.nextEntryDay = next.day;
    f.nextEntryHour = next.hour;
    f.entriesFound = prev.found && cur.found && next.found;

    if (f.entriesFound) {
        const double b = local.day + local.hour / 24.0;
        const double c = cur.day + cur.hour / 24.0;
        const double p = prev.day + prev.hour / 24.0;
        const double x = next.day + next.hour / 24.0;
        // Past 春分 the longitude starts again from 0; late March is still after its 節 (345°).
        double longitude = f.sunLongitude;
        if (local.month == 3 && longitude < 30.0) longitude += 360.0;
        if (monthTermLongitude(local.month) < longitude) {
            f.daysSinceEntry = b - c;
            f.daysToEntry = daysInMonth(local.year, local.month) - b + x;
        } else {
            f.daysSinceEntry = daysInMonth(py, pm) + b - p;
            f.daysToEntry = c - b;
        }
        // The longitude is taken at the entered clock time and the days at the corrected one, so a
        // birth in the hour of an entry could count a fraction of a day below zero: it is zero.
        if (f.daysSinceEntry < 0) f.daysSinceEntry = 0;
        if (f.daysToEntry < 0) f.daysToEntry = 0;

        // Forward to the next entry for a man of a yang year and a woman of a yin year, back to
        // the last entry otherwise; three days count as one year.
        const bool forward = male == isYang(f.yearStem);
        const double days = forward ? f.daysToEntry : f.daysSinceEntry;
        const double yearsExact = days / 3.0;
        const double wholeYears = std::floor(yearsExact);
        f.luckStartYears = static_cast<int>(wholeYears);
        f.luckStartMonths = static_cast<int>(std::floor((yearsExact - wholeYears) * 365.0)) / 30;
        f.luckStartMonth = local.month + f.luckStartMonths;
        int extraYear = 0;
        if (f.luckStartMonth > 12) {
            f.luckStartMonth -= 12;
            extraYear = 1;
        }
        f.luckStartAge = f.luckStartYears + extraYear + 1;
    }

    int tenths = 0;
    f.entryDepthKnown = entryDepthTenths(terms, birth.year, local, tenths);
    if (f.entryDepthKnown) {
        f.entryDepthTenths = tenths;
        f.entryDepthDays = tenths / 10.0;
    }

    f.currentYear = currentYear;
    f.countingAge = currentYear - birth.year + 1;
    return f;
}

std::string entryDepthText(const SolarFacts& facts) {
    std::string value = std::to_string(facts.entryDepthTenths / 10);
    if (facts.entryDepthTenths % 10 != 0)
        value += "." + std::to_string(facts.entryDepthTenths % 10);
    return "節入り日からの日数：" + value + "日";
}

std::string luckStartText(const SolarFacts& facts) {
    return "立運までの年月：" + std::to_string(facts.luckStartYears) + "年間と" +
           std::to_string(facts.luckStartMonths) + "ヶ月";
}

std::string luckStartAgeText(const SolarFacts& facts) {
    return "立運の年齢：数え" + std::to_string(facts.luckStartAge) + "才" +
           std::to_string(facts.luckStartMonth) + "月";
}

}  // namespace suimei
