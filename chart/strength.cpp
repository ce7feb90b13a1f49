#include "chart/strength.h"

#include <algorithm>

#include "chart/mandata.h"

namespace suimei {

int monthCommandValue(int element, int subTable, int branch) {
    if (element < 1 || element > 5 || subTable < 0 || subTable > 3 || !isBranch(branch)) return 0;
    return kMonthCommandTables[static_cast<std::size_t>(element)][static_cast<std::size_t>(
        subTable)][static_cast<std::size_t>(branch)];
}

std::string seasonLabelOf(int monthBranch, int dayStem) {
    static constexpr std::array<std::string_view, 5> kPrefixes = {"", "春-", "夏-", "秋-", "冬-"};
    std::string label(nameAt(kPrefixes, seasonOfBranch(monthBranch)));
    label += elementName(elementOfStem(dayStem));
    return label;
}

int monthCommandScoreOf(int monthBranch, int dayStem) {
    return monthCommandValue(elementOfStem(dayStem), 1, monthBranch);
}

int elementSupport(int dayElement, int otherElement) {
    if (dayElement < 1 || dayElement > 5 || otherElement < 1 || otherElement > 5) return 0;
    return otherElement == dayElement || producedElement(otherElement) == dayElement ? 1 : -1;
}

int relationScoreOf(const FourPillars& pillars) {
    const int e = elementOfStem(pillars[kDayPillar].stem);
    int score = 0;
    for (const Pillar& p : pillars) {
        score += elementSupport(e, elementOfStem(p.stem));
        score += elementSupport(e, elementOfBranch(p.branch));
    }
    return score;
}

int stagePoints(int stage) {
    switch (stage) {
        case 1:  // 長生
        case 3:  // 冠帯
            return 1;
        case 4:  // 建禄
        case 5:  // 帝旺
            return 2;
        default:
            return 0;
    }
}

int stageScoreOf(int monthStage, int dayStage, int hourStage) {
    return std::max({stagePoints(monthStage), stagePoints(dayStage), stagePoints(hourStage)});
}

std::string_view strengthClassOf(int strengthTotal) {
    if (strengthTotal < -3) return "身弱";
    if (strengthTotal > 3) return "身旺";
    return "中和";
}

StrengthGauges strengthGaugesOf(int monthCommandScore, int relationScore, int stageScore,
                                int strengthTotal) {
    const auto gauge = [](int v) { return std::clamp(v, 0, 100); };
    return {gauge(monthCommandScore * 25 + 2), gauge((relationScore + 8) * 6 + 4),
            gauge(stageScore * 50 + 2), gauge((strengthTotal + 8) * 5)};
}

DayMasterPoints computeDayMasterPoints(const FourPillars& pillars, const PillarClashFlags& hurt) {
    const int e = elementOfStem(pillars[kDayPillar].stem);
    const auto points = [e](int subTable, int branch, int hurtFlag) {
        const int v = monthCommandValue(e, subTable, branch);
        return hurtFlag != 0 ? v / 2 : v;
    };
    DayMasterPoints r;
    r.year = points(0, pillars[kYearPillar].branch, hurt.yearHurt);
    r.month = points(1, pillars[kMonthPillar].branch, hurt.monthHurt);
    r.day = points(2, pillars[kDayPillar].branch, hurt.dayHurt);
    r.hour = points(3, pillars[kHourPillar].branch, hurt.hourHurt);
    r.total = r.year + r.month + r.day + r.hour;
    return r;
}

std::string_view dayMasterWordingOf(int points) {
    if (points >= 7) return "強すぎる(極旺)";
    if (points == 6) return "かなり強い";
    if (points >= 4) return "強い";
    if (points == 3) return "やや弱い";
    if (points == 2) return "弱い";
    return "かなり弱い(極弱)";
}

void Tmandata::computeSeasonLabel() {
    seasonLabel = seasonLabelOf(monthPillar.branch, dayPillar.stem);
    monthCommandScore = monthCommandScoreOf(monthPillar.branch, dayPillar.stem);
}

void Tmandata::computeRelationScore() {
    relationScore = relationScoreOf(fourPillars());
}

void Tmandata::computeStageScore() {
    stageScore = stageScoreOf(monthPillar.dayMasterStage, dayPillar.dayMasterStage,
                              hourPillar.dayMasterStage);
}

void Tmandata::computeStrengthTotal() {
    strengthTotal = monthCommandScore + relationScore + stageScore;
}

int computeDayMasterPoints(Tmandata& chart) {
    const PillarClashFlags hurt{chart.hourHurt, chart.dayHurt, chart.monthHurt, chart.yearHurt};
    const DayMasterPoints p = computeDayMasterPoints(chart.fourPillars(), hurt);
    chart.dayMasterPoints = p.total;
    chart.yearPoints = p.year;
    chart.monthPoints = p.month;
    chart.dayPoints = p.day;
    chart.hourPoints = p.hour;
    return p.total;
}

}  // namespace suimei
