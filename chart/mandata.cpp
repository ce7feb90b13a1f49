#include "chart/mandata.h"

#include <cstdio>

#include "calendar/quick_pillars.h"
#include "chart/chart_rules.h"
#include "chart/hidden_stems.h"

namespace suimei {

namespace {

constexpr const char* kFormatMessage = "生年月日を 1959/5/7 の形式で入力して下さい";

// Reads a whole decimal number: optional blanks around it, an optional sign, ASCII digits only.
// Returns false for anything else, and for a value beyond nine digits (which no date part can
// need and which would overflow the era arithmetic).
bool parseNumber(std::string_view text, int& out) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > 999'999'999) return false;
    }
    out = static_cast<int>(negative ? -value : value);
    return true;
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12; the day may run past the
// month's end, as a date handed on unchecked does).
long long daysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (m + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DateYmd civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0)), m, d};
}

void clearDerived(PillarBlock& p) {
    p.activeHidden = 0;
    p.activeHiddenSlot = 0;
    p.hiddenStems = {};
    p.hiddenTenGods = {};
    p.stemTenGod = 0;
    p.activeHiddenTenGod = 0;
    p.hiddenCount = 0;
    p.ownStage = 0;
    p.dayMasterStage = 0;
}

}  // namespace

PillarBlock& Tmandata::pillarAt(int index) {
    switch (index) {
        case 1:
            return monthPillar;
        case 2:
            return dayPillar;
        case 3:
            return hourPillar;
        default:
            return yearPillar;
    }
}

const PillarBlock& Tmandata::pillarAt(int index) const {
    return const_cast<Tmandata*>(this)->pillarAt(index);
}

void Tmandata::clearChart() {
    nameText.clear();
    birthDateText.clear();
    birthMonth = 0;
    birthDay = 0;
    monthDayCode = 0;
    for (int i = 0; i < 4; ++i) clearDerived(pillarAt(i));
    luckTenGods = {};
    luckStages = {};
    annualTenGods = {};
    annualStages = {};
    seasonLabel.clear();
    monthCommandScore = 0;
    relationScore = 0;
    stageScore = 0;
    strengthTotal = 0;
    voidFirst = 0;
    voidSecond = 0;
    dayOpposite = 0;
    luckDirection = 0;
    usefulStem = 0;
    patternName.clear();
}

BirthDateCheck checkBirthDateText(std::string_view dateText, int eraMode) {
    BirthDateCheck check;
    auto refuse = [&](const char* message, const char* caption) {
        check.message = message;
        check.caption = caption;
        return check;
    };
    const std::size_t firstSlash = dateText.find('/');
    // Text with no date shape at all (empty, "abcdefg") gets the format message too.
    if (firstSlash == std::string_view::npos) return refuse(kFormatMessage, "入力不足");
    int year = 0;
    if (!parseNumber(dateText.substr(0, firstSlash), year)) {
        return refuse(kFormatMessage, "入力不足");
    }
    if (eraMode == kEraShowa) {
        year += 1925;
    } else if (eraMode == kEraTaisho) {
        year += 1911;
    }
    const std::string_view rest = dateText.substr(firstSlash + 1);
    const std::size_t secondSlash = rest.find('/');
    if (secondSlash == std::string_view::npos) return refuse(kFormatMessage, "入力不足");
    int month = 0;
    if (!parseNumber(rest.substr(0, secondSlash), month) || month <= 0 || month > 12) {
        return refuse(kFormatMessage, "月のデータ異常");
    }
    int day = 0;
    if (!parseNumber(rest.substr(secondSlash + 1), day) || day <= 0 || day >= 32) {
        return refuse(kFormatMessage, "日のデータ異常");
    }
    if (year < kEarliestBirthYear) {
        return refuse("西暦１３１２年より小さい年には対応していません", "万年暦制限");
    }
    if (year > kLatestBirthYear) {
        return refuse("西暦２１００年より大きい年には対応していません", "万年暦制限");
    }
    check.ok = true;
    check.year = year;
    check.month = month;
    check.day = day;
    return check;
}

bool Tmandata::validateBirthInput(std::string_view dateText, int eraMode, const DateYmd& today,
                                  Notifier& notifier) {
    if (sex != 'M' && sex != 'F') {
        notifier.info("性別が指定されていません", "入力不足");
        return false;
    }
    // Nothing is stored until every part has passed, so a refused date leaves the chart as it was.
    const BirthDateCheck check = checkBirthDateText(dateText, eraMode);
    if (!check.ok) {
        notifier.info(check.message, check.caption);
        return false;
    }
    const std::string_view rest = dateText.substr(dateText.find('/') + 1);
    birthDateText = std::to_string(check.year);
    birthDateText += '/';
    birthDateText += rest;
    birthYear = check.year;
    birthMonth = static_cast<std::uint8_t>(check.month);
    birthDay = static_cast<std::uint8_t>(check.day);
    age = today.year - check.year;
    if (today.month < check.month) --age;
    if (today.month == check.month && today.day < check.day) --age;
    // An expected birth is appraised as it stands, but has no age yet.
    bornAfterToday = age < 0;
    if (bornAfterToday) age = 0;
    return true;
}

std::string Tmandata::normalisedBirthDate() const {
    if (birthYear == 0) return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", birthYear, birthMonth, birthDay);
    return buffer;
}

void Tmandata::setPillars(const Pillar& year, const Pillar& month, const Pillar& day,
                          const Pillar& hour, long double depthDays) {
    const Pillar pillars[4] = {year, month, day, hour};
    for (int i = 0; i < 4; ++i) {
        PillarBlock& block = pillarAt(i);
        block.stem = isStem(pillars[i].stem) ? pillars[i].stem : 0;
        block.branch = isBranch(pillars[i].branch) ? pillars[i].branch : 0;
    }
    termDepth = depthDays;
}

void Tmandata::computeHiddenStems(const Schools& schools) {
    HiddenStemMoment moment;
    moment.depthTenths = termDepthTenths(termDepth);
    moment.hour = birthHour;
    moment.minute = birthMinute;
    moment.month = birthMonth;
    moment.day = birthDay;
    moment.beforeEntry = beforeEntry;
    constexpr PillarPosition positions[4] = {PillarPosition::Year, PillarPosition::Month,
                                             PillarPosition::Day, PillarPosition::Hour};
    for (int i = 0; i < 4; ++i) {
        PillarBlock& block = pillarAt(i);
        for (int k = 1; k <= 3; ++k) {
            block.hiddenStems[static_cast<std::size_t>(k)] =
                hiddenStemEntry(schools.hiddenStemSchool, block.branch, k).stem;
        }
        block.hiddenCount = hiddenStemCount(schools.hiddenStemSchool, block.branch);
        block.activeHiddenSlot = activeHiddenSlot(schools, positions[i], block.branch, moment);
        block.activeHidden =
            static_cast<Stem>(block.hiddenStems[static_cast<std::size_t>(block.activeHiddenSlot)]);
    }
}

void Tmandata::computeTenGods() {
    const int master = dayPillar.stem;
    for (int i = 0; i < 4; ++i) {
        PillarBlock& block = pillarAt(i);
        block.stemTenGod = i == 2 ? 0 : static_cast<std::uint8_t>(tenGodOf(master, block.stem));
        block.activeHiddenTenGod = static_cast<std::uint8_t>(tenGodOf(master, block.activeHidden));
        for (int k = 1; k <= 3; ++k) {
            const auto slot = static_cast<std::size_t>(k);
            block.hiddenTenGods[slot] = tenGodOf(master, block.hiddenStems[slot]);
        }
    }
}

void Tmandata::computeStages(const Schools& schools) {
    const int master = dayPillar.stem;
    for (int i = 0; i < 4; ++i) {
        PillarBlock& block = pillarAt(i);
        block.ownStage = i == 2 ? 0
                                : static_cast<std::uint8_t>(
                                      twelveStageOf(block.stem, block.branch, schools.stageSchool));
        block.dayMasterStage =
            static_cast<std::uint8_t>(twelveStageOf(master, block.branch, schools.stageSchool));
    }
}

void Tmandata::computeMonthDayCode() {
    monthDayCode = birthMonth * 100 + birthDay;
}

void Tmandata::computeLifePalace() {
    lifePalace = lifePalaceOf(hourPillar.branch, monthPillar.branch);
}

void Tmandata::computeDayOpposite() {
    dayOpposite = static_cast<std::uint8_t>(opposingBranch(dayPillar.branch));
}

void Tmandata::computeVoid() {
    const VoidBranches v = voidBranchesOf(dayPillar.stem, dayPillar.branch);
    voidFirst = v.first;
    voidSecond = v.second;
}

void Tmandata::computeKanshiNumbers() {
    dayKanshi = sexagenaryOf(dayPillar.pillar());
    monthKanshi = sexagenaryOf(monthPillar.pillar());
    yearKanshi = sexagenaryOf(yearPillar.pillar());
}

void Tmandata::computeLuckDirection() {
    const int b = yearPillar.branch;
    if (!isBranch(b)) return;
    luckDirection = (isYang(b) && sex == 'M') || (!isYang(b) && sex == 'F') ? 1 : -1;
}

void Tmandata::computeLuckAges() {
    luckAges[1] = 0;
    luckAges[2] = luckStartAge - 1;
    for (int k = 3; k <= kLuckPeriods; ++k) {
        luckAges[static_cast<std::size_t>(k)] = luckAges[2] + 10 * (k - 2);
    }
}

void Tmandata::computeLuckPillars(const Schools& schools) {
    luckStems = {};
    luckBranches = {};
    luckTenGods = {};
    luckStages = {};
    const int stem = monthPillar.stem;
    const int branch = monthPillar.branch;
    if (!isStem(stem) || !isBranch(branch)) return;
    const int master = dayPillar.stem;
    for (int k = 1; k <= kLuckPeriods; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const int step = (k - 1) * luckDirection;
        luckStems[at] = floorMod(stem - 1 + step, 10) + 1;
        luckBranches[at] = floorMod(branch - 1 + step, 12) + 1;
        luckTenGods[at] = tenGodOf(master, luckStems[at]);
        luckStages[at] = twelveStageOf(master, luckBranches[at], schools.stageSchool);
    }
}

void Tmandata::computeAnnualPillars(const Schools& schools) {
    const int master = dayPillar.stem;
    for (int i = 0; i < kAnnualYears; ++i) {
        const auto at = static_cast<std::size_t>(i);
        // The pillar of the year from its spring entry on (1984 甲子, 1312 壬子).
        const Pillar p = pillarOfSexagenary(floorMod(birthYear + i - 4, 60) + 1);
        annualStems[at] = p.stem;
        annualBranches[at] = p.branch;
        annualTenGods[at] = tenGodOf(master, p.stem);
        annualStages[at] = twelveStageOf(master, p.branch, schools.stageSchool);
    }
}

void Tmandata::computePriorDate() {
    if (birthMonth < 1 || birthMonth > 12 || birthDay < 1) return;
    // The birth moment is taken at the start of its two-hour period (0..22 o'clock), so its
    // whole-day distance to a date at midnight is just the difference of the day counts.
    const DateYmd prior = civilFromDays(daysFromCivil(birthYear, birthMonth, birthDay) - 265);
    priorYear = prior.year;
    priorMonth = prior.month;
    priorDay = prior.day;
    monthDayCode = prior.month * 100 + prior.day;
    priorDayStem = quickDayStem(prior.year, prior.month, prior.day);
    priorDayBranch = quickDayBranch(prior.year, prior.month, prior.day);
    const QuickYearMonth stems = quickYearMonthStems(monthDayCode, prior.year);
    const QuickYearMonth branches = quickYearMonthBranches(monthDayCode, prior.year);
    priorYearStem = stems.year;
    priorMonthStem = stems.month;
    priorYearBranch = branches.year;
    priorMonthBranch = branches.month;
}

void Tmandata::deriveNatalChart(const Schools& schools) {
    computeLuckDirection();
    computeHiddenStems(schools);
    computeTenGods();
    computeStages(schools);
    computeLifePalace();
    computeDayOpposite();
    computeVoid();
    computeKanshiNumbers();
    computeLuckAges();
    computeLuckPillars(schools);
    computeAnnualPillars(schools);
}

}  // namespace suimei
