#include "chart/luck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "chart/chart_rules.h"
#include "chart/chart_tables.h"
#include "chart/hidden_stems.h"

namespace suimei {

namespace {

std::string str(std::string_view v) {
    return std::string(v);
}

bool inSlots(int element, const ElementSlots& slots) {
    return element != 0 && std::find(slots.begin() + 1, slots.end(), element) != slots.end();
}

// 1 liked, 2 disliked, 3 neither.
int rateElement(const Tmandata& chart, int element) {
    if (inSlots(element, chart.favourableSlots())) return kRatingGood;
    if (inSlots(element, chart.unfavourableSlots())) return kRatingBad;
    return kRatingNeutral;
}

// A luck stem binding a chart stem: judged by the transformed element when it is the element of
// the month's active hidden stem (the combination really transforms), otherwise the chart stem is
// bound and what it held is lost, so a liked stem bound is bad and a disliked one bound is good.
int rateBinding(const Tmandata& chart, int stem, int chartStem) {
    const int transformed = combinationElement(stem, chartStem);
    const int monthElement = elementOfStem(chart.monthPillar.activeHidden);
    if (transformed == monthElement) return rateElement(chart, transformed);
    const int bound = rateElement(chart, elementOfStem(chartStem));
    return bound == kRatingGood ? kRatingBad : bound == kRatingBad ? kRatingGood : kRatingNeutral;
}

// A branch removed (or tied up) by the luck: if the chart had no tie on it, losing a supporting
// branch is bad; if the chart's own pair (or clash) already held it, the luck frees it.
int rateRemoval(bool supports, bool untouched, bool freed) {
    if (untouched) return supports ? kRatingBad : kRatingGood;
    if (freed) return supports ? kRatingGood : kRatingBad;
    return kRatingNeutral;
}

bool sortedTripleIs(int a, int b, int c, const std::array<int, 3>& group) {
    std::array<int, 3> t = {a, b, c};
    std::sort(t.begin(), t.end());
    return t == group;
}

}  // namespace

std::string_view ratingMark(int rating) {
    switch (rating) {
        case kRatingGood:
            return "○";
        case kRatingBad:
            return "×";
        case kRatingNeutral:
            return "△";
        default:
            return "-";
    }
}

bool stemsCombine(int a, int b) {
    return isStem(a) && isStem(b) && std::abs(a - b) == 5;
}

bool branchesClash(int a, int b) {
    return isBranch(a) && isBranch(b) && std::abs(a - b) == 6;
}

bool branchesPairCombine(int a, int b) {
    if (!isBranch(a) || !isBranch(b)) return false;
    for (std::size_t k = 1; k < kBranchPairs.size(); ++k) {
        const auto& p = kBranchPairs[k];
        if ((p[0] == a && p[1] == b) || (p[0] == b && p[1] == a)) return true;
    }
    return false;
}

int combinationElement(int a, int b) {
    if (!stemsCombine(a, b)) return 0;
    return kStemCombinationElements[static_cast<std::size_t>(std::min(a, b))];
}

bool branchInElementGroup(int element, int branch) {
    // 木 亥未寅卯辰, 火 寅戌巳午未, 土 辰未戌丑, 金 巳丑申酉戌, 水 亥辰申子丑.
    static constexpr std::array<std::array<int, 5>, 6> groups = {{{0, 0, 0, 0, 0},
                                                                  {12, 8, 3, 4, 5},
                                                                  {3, 11, 6, 7, 8},
                                                                  {5, 8, 11, 2, 0},
                                                                  {6, 2, 9, 10, 11},
                                                                  {12, 5, 9, 1, 2}}};
    if (element < 1 || element > 5 || !isBranch(branch)) return false;
    const auto& g = groups[static_cast<std::size_t>(element)];
    return std::find(g.begin(), g.end(), branch) != g.end();
}

bool branchSupports(int branch, const ElementSlots& liked) {
    for (std::size_t k = 1; k <= 3; ++k) {
        if (branchInElementGroup(liked[k], branch)) return true;
    }
    return false;
}

int rateStemCombination(const Tmandata& chart, int stem) {
    const int year = chart.yearPillar.stem;
    const int month = chart.monthPillar.stem;
    if (stemsCombine(stem, year)) return rateBinding(chart, stem, year);
    if (stemsCombine(stem, month)) return rateBinding(chart, stem, month);
    return 0;
}

int RateLuckStem(const Tmandata& chart, int stem) {
    const int bound = rateStemCombination(chart, stem);
    return bound != 0 ? bound : rateElement(chart, elementOfStem(stem));
}

namespace {

// How the chart already ties its year, month and day branches: h1 year–month pair, h2 that or a
// day–month pair; c1 year–month clash, c2 that or a month–day clash.
struct BranchTies {
    int year = 0;
    int month = 0;
    ElementSlots liked{};
    bool h1 = false, h2 = false, c1 = false, c2 = false;
};

BranchTies branchTiesOf(const Tmandata& chart) {
    BranchTies t;
    t.year = chart.yearPillar.branch;
    t.month = chart.monthPillar.branch;
    const int day = chart.dayPillar.branch;
    t.liked = chart.favourableSlots();
    t.h1 = branchesPairCombine(t.year, t.month);
    t.h2 = t.h1 || branchesPairCombine(day, t.month);
    t.c1 = branchesClash(t.year, t.month);
    t.c2 = t.c1 || branchesClash(t.month, day);
    return t;
}

}  // namespace

int rateBranchClash(const Tmandata& chart, int branch) {
    const BranchTies t = branchTiesOf(chart);
    // A clash on a branch the chart already ties in a pair frees it; a clash on a branch the chart
    // already clashes changes nothing.
    if (branchesClash(branch, t.year)) {
        return rateRemoval(branchSupports(t.year, t.liked), !t.h1 && !t.c1, t.h1);
    }
    if (branchesClash(branch, t.month)) {
        return rateRemoval(branchSupports(t.month, t.liked), !t.h2 && !t.c2, t.h2);
    }
    return 0;
}

int rateBranchPair(const Tmandata& chart, int branch) {
    const BranchTies t = branchTiesOf(chart);
    // A pair ties the branch down; one the chart clashes is held together again instead.
    if (branchesPairCombine(branch, t.year)) {
        return rateRemoval(branchSupports(t.year, t.liked), !t.h1 && !t.c1, t.c1);
    }
    if (branchesPairCombine(branch, t.month)) {
        return rateRemoval(branchSupports(t.month, t.liked), !t.h2 && !t.c2, t.c2);
    }
    return 0;
}

int RateLuckBranch(const Tmandata& chart, int branch) {
    if (const int r = rateBranchClash(chart, branch)) return r;
    if (const int r = rateBranchPair(chart, branch)) return r;
    return rateElement(chart, elementOfBranch(branch));
}

int RateYear(const Tmandata& chart, int luckBranch, int yearStem, int yearBranch) {
    if (branchesPairCombine(yearBranch, luckBranch)) return kRatingNeutral;
    if (branchesClash(yearBranch, luckBranch)) return kRatingNeutral;
    if (const int r = rateStemCombination(chart, yearStem)) return r;
    if (const int r = rateBranchClash(chart, yearBranch)) return r;
    if (const int r = rateBranchPair(chart, yearBranch)) return r;
    return rateElement(chart, elementOfStem(yearStem));
}

std::string branchHintText(int branch, int hiddenStemSchool) {
    if (!isBranch(branch)) return {};
    std::string hint = str(branchName(branch)) + "：" + str(branchSeasonText(branch)) + "、" +
                       str(branchRootText(branch)) + "（蔵干";
    for (int slot = 1; slot <= 3; ++slot) {
        const HiddenStemEntry e = hiddenStemEntry(hiddenStemSchool, branch, slot);
        if (e.stem == 0) continue;
        char span[16];
        std::snprintf(span, sizeof span, "%g", e.spanHundredths / 100.0);
        hint += " " + str(stemName(e.stem)) + span;
    }
    return hint + "）";
}

std::string hiddenStemBoxText(int branch, int hiddenStemSchool) {
    if (!isBranch(branch)) return {};
    std::string text = "蔵干は ";
    for (int slot = 1; slot <= 3; ++slot) {
        const HiddenStemEntry e = hiddenStemEntry(hiddenStemSchool, branch, slot);
        if (e.stem != 0) text += str(stemName(e.stem)) + " ";
    }
    return text + "　です。";
}

std::string stemButtonText(int stem, int tenGod) {
    if (!isStem(stem)) return {};
    return str(stemName(stem)) + ":" + str(tenGodName(tenGod));
}

std::vector<PracticalLuckColumn> practicalLuckColumns(const Tmandata& chart) {
    std::vector<PracticalLuckColumn> columns;
    if (!isStem(chart.dayPillar.stem)) return columns;
    for (int k = 1; k <= kLuckPeriods && static_cast<int>(columns.size()) < kPracticalColumns;
         ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (chart.luckAges[i] < kPracticalFirstAge) continue;
        PracticalLuckColumn c;
        c.column = static_cast<int>(columns.size()) + 1;
        c.period = k;
        c.startAge = chart.luckAges[i];
        c.stem = chart.luckStems[i];
        c.branch = chart.luckBranches[i];
        c.tenGod = chart.luckTenGods[i];
        c.stage = chart.luckStages[i];
        c.marks = {RateLuckStem(chart, c.stem), RateLuckBranch(chart, c.branch)};
        c.markHints = {
            std::to_string(c.startAge) + "-" + std::to_string(c.startAge + 4) + "才の運",
            std::to_string(c.startAge + 5) + "-" + std::to_string(c.startAge + 9) + "才の運"};
        columns.push_back(std::move(c));
    }
    return columns;
}

std::array<AnnualColumn, kAnnualColumns> annualColumnsOf(const Tmandata& chart,
                                                         const PracticalLuckColumn& luck) {
    std::array<AnnualColumn, kAnnualColumns> years{};
    for (int r = 1; r <= kAnnualColumns; ++r) {
        AnnualColumn& c = years[static_cast<std::size_t>(r - 1)];
        c.index = r;
        c.age = luck.startAge + r - 1;
        // Only ages 0..119 have an annual pillar; a period starting late runs past them.
        if (c.age < 0 || c.age >= kAnnualYears) {
            c.outOfRange = true;
            continue;
        }
        const auto a = static_cast<std::size_t>(c.age);
        c.year = chart.birthYear + c.age;
        c.stem = chart.annualStems[a];
        c.branch = chart.annualBranches[a];
        c.tenGod = chart.annualTenGods[a];
        c.stage = chart.annualStages[a];
        c.isVoid = c.branch != 0 && (c.branch == chart.voidFirst || c.branch == chart.voidSecond);
        c.mark = RateYear(chart, luck.branch, c.stem, c.branch);
    }
    return years;
}

std::string annualYearText(const AnnualColumn& c) {
    return c.outOfRange ? std::string() : std::to_string(c.year) + "年";
}

std::string annualVoidText(const AnnualColumn& c) {
    return !c.outOfRange && c.isVoid ? "空亡" : "";
}

std::string annualMarkHint(const AnnualColumn& c) {
    return std::to_string(c.age) + "才の運";
}

Tjissen practicalRecord(const std::vector<PracticalLuckColumn>& luck) {
    Tjissen j;
    for (const PracticalLuckColumn& c : luck) {
        if (c.column < 1 || c.column > kPracticalColumns) continue;
        const auto k = static_cast<std::size_t>(c.column);
        j.luckStartAge[k] = c.startAge;
        j.luckStem[k] = c.stem;
        j.luckBranch[k] = c.branch;
        j.luckTenGod[k] = c.tenGod;
    }
    return j;
}

void recordAnnualColumns(Tjissen& record, const std::array<AnnualColumn, kAnnualColumns>& years) {
    for (const AnnualColumn& c : years) {
        const auto k = static_cast<std::size_t>(c.index);
        if (k < 1 || k > static_cast<std::size_t>(kAnnualColumns)) continue;
        record.annualAge[k] = c.age;
        record.annualStem[k] = c.outOfRange ? 0 : c.stem;
        record.annualBranch[k] = c.outOfRange ? 0 : c.branch;
    }
}

std::string lineEndName(const LineEnd& end) {
    std::string owner;
    switch (end.owner) {
        case LineOwner::Day:
            owner = "day";
            break;
        case LineOwner::Month:
            owner = "month";
            break;
        case LineOwner::Year:
            owner = "year";
            break;
        case LineOwner::Luck:
            owner = "luck";
            break;
        case LineOwner::Annual:
            owner = "annual" + std::to_string(end.annual);
            break;
    }
    return owner + (end.stem ? ".stem" : ".branch");
}

std::string_view lineKindName(LineKind kind) {
    switch (kind) {
        case LineKind::Clash:
            return "冲";
        case LineKind::Combination:
            return "干合";
        case LineKind::Punishment:
            return "三刑";
    }
    return {};
}

int lineColourRgb(LineKind kind) {
    switch (kind) {
        case LineKind::Clash:
            return 0xFF00FF;
        case LineKind::Combination:
            return 0x008000;
        case LineKind::Punishment:
            return 0xFFFF00;
    }
    return 0;
}

namespace {

struct ChartPosition {
    LineOwner owner;
    const PillarBlock* block;
};

void addUnique(std::vector<LuckLine>& lines, const LuckLine& line) {
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
}

// The lines of one moving pillar (the luck or a year) against the chart's day, month and year.
void linesAgainstChart(const Tmandata& chart, LineEnd target, int stem, int branch,
                       std::vector<LuckLine>& lines) {
    const ChartPosition positions[] = {{LineOwner::Day, &chart.dayPillar},
                                       {LineOwner::Month, &chart.monthPillar},
                                       {LineOwner::Year, &chart.yearPillar}};
    target.stem = false;
    for (const auto& p : positions) {
        if (branchesClash(branch, p.block->branch)) {
            lines.push_back({{p.owner, 0, false}, target, LineKind::Clash});
        }
    }
    target.stem = true;
    for (const auto& p : positions) {
        if (stemsCombine(stem, p.block->stem)) {
            lines.push_back({{p.owner, 0, true}, target, LineKind::Combination});
        }
    }
}

// 三刑 completed by the moving branch: 寅巳申 or 丑未戌 with the month and year branches, or with
// the day and month branches, and 子卯 with the day branch.
void punishmentLines(const Tmandata& chart, LineEnd target, int branch,
                     std::vector<LuckLine>& lines) {
    target.stem = false;
    const int yb = chart.yearPillar.branch;
    const int mb = chart.monthPillar.branch;
    const int db = chart.dayPillar.branch;
    const LineEnd year{LineOwner::Year, 0, false};
    const LineEnd month{LineOwner::Month, 0, false};
    const LineEnd day{LineOwner::Day, 0, false};
    for (const auto& group : {kPunishmentGroupGrowth, kPunishmentGroupEarth}) {
        if (sortedTripleIs(branch, mb, yb, group)) {
            addUnique(lines, {month, target, LineKind::Punishment});
            addUnique(lines, {year, target, LineKind::Punishment});
        }
        if (sortedTripleIs(branch, db, mb, group)) {
            addUnique(lines, {day, target, LineKind::Punishment});
            addUnique(lines, {month, target, LineKind::Punishment});
        }
    }
    if (std::min(branch, db) == kPunishmentPair[0] && std::max(branch, db) == kPunishmentPair[1]) {
        addUnique(lines, {day, target, LineKind::Punishment});
    }
}

}  // namespace

std::vector<LuckLine> practicalChartLines(const Tmandata& chart) {
    std::vector<LuckLine> lines;
    const std::pair<ChartPosition, ChartPosition> neighbours[] = {
        {{LineOwner::Day, &chart.dayPillar}, {LineOwner::Month, &chart.monthPillar}},
        {{LineOwner::Month, &chart.monthPillar}, {LineOwner::Year, &chart.yearPillar}}};
    for (const auto& [a, b] : neighbours) {
        if (branchesClash(a.block->branch, b.block->branch)) {
            lines.push_back({{a.owner, 0, false}, {b.owner, 0, false}, LineKind::Clash});
        }
        if (stemsCombine(a.block->stem, b.block->stem)) {
            lines.push_back({{a.owner, 0, true}, {b.owner, 0, true}, LineKind::Combination});
        }
    }
    return lines;
}

std::vector<LuckLine> annualLines(const Tmandata& chart, const PracticalLuckColumn& luck,
                                  const std::array<AnnualColumn, kAnnualColumns>& years) {
    std::vector<LuckLine> lines;
    const LineEnd luckEnd{LineOwner::Luck, 0, false};
    linesAgainstChart(chart, luckEnd, luck.stem, luck.branch, lines);
    punishmentLines(chart, luckEnd, luck.branch, lines);
    for (const AnnualColumn& y : years) {
        if (y.outOfRange) continue;
        const LineEnd yearEnd{LineOwner::Annual, y.index, false};
        linesAgainstChart(chart, yearEnd, y.stem, y.branch, lines);
        if (branchesClash(y.branch, luck.branch)) {
            lines.push_back({{LineOwner::Luck, 0, false}, yearEnd, LineKind::Clash});
        }
        if (stemsCombine(y.stem, luck.stem)) {
            lines.push_back({{LineOwner::Luck, 0, true},
                             {LineOwner::Annual, y.index, true},
                             LineKind::Combination});
        }
        punishmentLines(chart, yearEnd, y.branch, lines);
    }
    return lines;
}

LuckGrids luckGrids(const Tmandata& chart) {
    LuckGrids g;
    g.dai = {{""}, {" 干"}, {" 支"}, {"通変星"}, {"補運"}};
    g.nen = {{""}, {"年齢"}, {" 干"}, {" 支"}, {"通変星"}, {"補運"}};
    if (!isStem(chart.dayPillar.stem)) return g;
    for (int k = 1; k <= kLuckPeriods; ++k) {
        const auto i = static_cast<std::size_t>(k);
        g.dai[0].push_back(std::to_string(chart.luckAges[i]) + "才");
        g.dai[1].push_back(str(stemName(chart.luckStems[i])));
        g.dai[2].push_back(str(branchName(chart.luckBranches[i])));
        g.dai[3].push_back(str(tenGodName(chart.luckTenGods[i])));
        g.dai[4].push_back(str(stageName(chart.luckStages[i])));
    }
    for (int age = 0; age < kAnnualYears; ++age) {
        const auto a = static_cast<std::size_t>(age);
        g.nen[0].push_back(std::to_string(chart.birthYear + age));
        g.nen[1].push_back(std::to_string(age) + "才");
        g.nen[2].push_back(str(stemName(chart.annualStems[a])));
        g.nen[3].push_back(str(branchName(chart.annualBranches[a])));
        g.nen[4].push_back(str(tenGodName(chart.annualTenGods[a])));
        g.nen[5].push_back(str(stageName(chart.annualStages[a])));
    }
    return g;
}

int luckPeriodAtAge(const Tmandata& chart, int age) {
    for (int k = 1; k <= kLuckPeriods - 1; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (chart.luckAges[i] <= age && age < chart.luckAges[i + 1]) return k;
    }
    return 0;
}

namespace {

// Element of a ten-god group seen from the day stem's element e: 比劫 e, 食傷 what e produces,
// 財 what it controls, 官 what controls it, 印 what produces it.
int groupElement(int group, int dayElement) {
    if (dayElement < 1 || dayElement > 5 || group < 1 || group > 5) return 0;
    return floorMod(dayElement - 1 + group - 1, 5) + 1;
}

}  // namespace

DiagramLineSet diagramLineSet(int tenGodA, int tenGodB) {
    const int a = tenGodGroup(tenGodA);
    const int b = tenGodGroup(tenGodB);
    if (a == 0 || b == 0 || a == b) return DiagramLineSet::None;
    // Groups in production order: each group's element produces the next one's.
    const int step = floorMod(b - a, 5);
    return step == 1 || step == 4 ? DiagramLineSet::Production : DiagramLineSet::Control;
}

std::array<DiagramGroup, 6> tenGodDiagramGroups(const Tmandata& chart) {
    std::array<DiagramGroup, 6> groups{};
    const int dayElement = elementOfStem(chart.dayPillar.stem);
    for (int g = 1; g <= 5; ++g) {
        DiagramGroup& d = groups[static_cast<std::size_t>(g)];
        d.element = groupElement(g, dayElement);
        if (d.element == 0) continue;
        if (inSlots(d.element, chart.favourableSlots())) {
            d.fortune = "吉星";
        } else if (inSlots(d.element, chart.unfavourableSlots())) {
            d.fortune = "凶星";
        }
    }
    return groups;
}

DiagramReading tenGodDiagramReading(const Tmandata& chart) {
    DiagramReading r;
    r.tenGods = {chart.yearPillar.stemTenGod,          chart.monthPillar.stemTenGod,
                 chart.hourPillar.stemTenGod,          chart.yearPillar.activeHiddenTenGod,
                 chart.monthPillar.activeHiddenTenGod, chart.dayPillar.activeHiddenTenGod,
                 chart.hourPillar.activeHiddenTenGod};
    for (std::size_t i = 0; i < r.tenGods.size(); ++i) {
        for (std::size_t j = i + 1; j < r.tenGods.size(); ++j) {
            const int a = std::min(r.tenGods[i], r.tenGods[j]);
            const int b = std::max(r.tenGods[i], r.tenGods[j]);
            const DiagramLineSet set = diagramLineSet(a, b);
            if (set == DiagramLineSet::None) continue;
            const bool known = std::any_of(r.lines.begin(), r.lines.end(), [&](const auto& l) {
                return l.fromTenGod == a && l.toTenGod == b;
            });
            if (!known) r.lines.push_back({a, b, set});
        }
    }
    return r;
}

DiagramYearMarks tenGodDiagramYearMarks(const Tmandata& chart, int age) {
    DiagramYearMarks m;
    if (age < 0 || age >= kAnnualYears || !isStem(chart.dayPillar.stem)) return m;
    m.tenGod = chart.annualTenGods[static_cast<std::size_t>(age)];
    m.group = tenGodGroup(m.tenGod);
    m.ageLabel = std::to_string(age) + "才";
    const int period = luckPeriodAtAge(chart, age);
    m.luckTenGod = period == 0 ? 0 : chart.luckTenGods[static_cast<std::size_t>(period)];
    m.usefulTenGod = tenGodOf(chart.dayPillar.stem, chart.usefulStem);
    for (int target : {m.luckTenGod, m.tenGod}) {
        const DiagramLineSet set = diagramLineSet(m.usefulTenGod, target);
        if (set != DiagramLineSet::None) m.lines.push_back({m.usefulTenGod, target, set});
    }
    return m;
}

}  // namespace suimei
