#include "app/chart_display.h"

#include <algorithm>
#include <cstdio>

#include "app/settings.h"
#include "chart/chart_tables.h"
#include "chart/hidden_stems.h"
#include "chart/luck.h"
#include "chart/strength.h"

namespace suimei {

namespace {

// Display column (hour, day, month, year) -> index into the record's year-first pillar order.
constexpr std::array<int, 4> kColumnToPillar = {kHourPillar, kDayPillar, kMonthPillar, kYearPillar};

const std::array<const char*, 10> kStemPictures = {
    "kinoe.bmp",    "kinoto.bmp", "hinoe.bmp",  "hinoto.bmp",  "tutinoe.bmp",
    "tutinoto.bmp", "kanoe.bmp",  "kanoto.bmp", "mizunoe.bmp", "mizunoto.bmp"};
const std::array<const char*, 5> kElementPictures = {"tree.bmp", "fire.bmp", "tuchi.bmp", "kin.bmp",
                                                     "water.bmp"};

std::string str(std::string_view v) {
    return std::string(v);
}

bool inGroup(const std::array<int, 3>& group, int b) {
    return b != 0 && std::find(group.begin(), group.end(), b) != group.end();
}

PillarCell pillarCell(const Tmandata& chart, int column, const ElementSlots& favourable,
                      const ElementSlots& unfavourable, const AppraisalInput& input) {
    const PillarBlock& p = chart.pillarAt(kColumnToPillar[static_cast<std::size_t>(column)]);
    PillarCell cell;
    cell.mark = str(stemMark(p.stem, favourable, unfavourable));
    if (p.stem == 0) {
        cell.stemText = cell.branchText = cell.stageText = "-";
        for (auto& t : cell.hiddenText) t = "-";
        if (input.pictures) cell.stemPicture = cell.branchPicture = "null.bmp";
        return cell;
    }
    cell.stemText = str(stemName(p.stem)) + ":" + str(tenGodName(p.stemTenGod));
    cell.stemHint = str(stemTraits(p.stem));
    cell.stemMeaning = str(stemNature(p.stem));
    cell.branchText = str(branchName(p.branch));
    cell.branchHint = branchHintText(p.branch, input.hiddenStemSchool);
    cell.hiddenCount = p.hiddenCount;
    cell.activeHiddenSlot = p.activeHiddenSlot;
    for (int k = 1; k <= 3; ++k) {
        if (k > p.hiddenCount) continue;
        cell.hiddenText[static_cast<std::size_t>(k - 1)] = str(stemName(p.hiddenStems[k]));
        cell.hiddenTenGodText[static_cast<std::size_t>(k - 1)] =
            str(tenGodName(p.hiddenTenGods[k]));
    }
    cell.stageText = str(stageName(p.dayMasterStage));
    cell.stageHint = str(stageName(p.dayMasterStage)) + "（" + str(stageGloss(p.dayMasterStage)) +
                     "）：" + str(stageDescription(p.dayMasterStage));
    if (input.pictures) {
        cell.stemPicture = kStemPictures[static_cast<std::size_t>(p.stem - 1)];
        const int e = elementOfBranch(p.branch);
        cell.branchPicture = e ? kElementPictures[static_cast<std::size_t>(e - 1)] : "null.bmp";
    }
    return cell;
}

std::string formatGeneral(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

}  // namespace

std::string_view stemMark(int stem, const ElementSlots& favourable,
                          const ElementSlots& unfavourable) {
    if (!isStem(stem)) return "-";
    const int e = elementOfStem(stem);
    for (int k = 1; k <= 3; ++k) {
        if (favourable[static_cast<std::size_t>(k)] == e) return "○";
    }
    for (int k = 1; k <= 3; ++k) {
        if (unfavourable[static_cast<std::size_t>(k)] == e) return "×";
    }
    return "△";
}

void chartRelationLines(const Tmandata& chart, std::vector<RelationLine>& lines,
                        std::vector<RelationMarker>& markers) {
    lines.clear();
    markers.clear();
    const FourPillars pillars = chart.fourPillars();
    auto at = [&](int column) {
        return pillars[static_cast<std::size_t>(kColumnToPillar[static_cast<std::size_t>(column)])];
    };
    for (int c = 0; c + 1 < 4; ++c) {
        const Pillar a = at(c), b = at(c + 1);
        if (a.stem == 0 || b.stem == 0) continue;  // a missing hour takes part in nothing
        if (stemCombinationElement(a.stem, b.stem) != 0) {
            lines.push_back({c, c + 1, ChartRow::Stem, LineColour::Green, "干合"});
        }
        const int x = a.branch, y = b.branch;
        if (isPairCombination(x, y)) {
            lines.push_back({c, c + 1, ChartRow::Branch, LineColour::Green, "支合"});
        }
        // Groups are triples: two neighbours are joined only when the whole group stands in the
        // chart.
        if (x != y) {
            for (std::size_t g = 1; g < kThreeCombinationGroups.size(); ++g) {
                if (chart.threeCombination.counts[g] > 0 &&
                    inGroup(kThreeCombinationGroups[g], x) &&
                    inGroup(kThreeCombinationGroups[g], y)) {
                    lines.push_back({c, c + 1, ChartRow::Branch, LineColour::Green, "三合"});
                }
            }
            for (std::size_t g = 1; g < kDirectionalGroups.size(); ++g) {
                if (chart.directionalCombination.counts[g] > 0 &&
                    inGroup(kDirectionalGroups[g], x) && inGroup(kDirectionalGroups[g], y)) {
                    lines.push_back({c, c + 1, ChartRow::Branch, LineColour::Green, "方合"});
                }
            }
        }
        if (isClash(x, y)) {
            lines.push_back({c, c + 1, ChartRow::Branch, LineColour::Fuchsia, "冲"});
        }
    }
    auto markMembers = [&](auto isMember, LineColour colour) {
        for (int c = 0; c < 4; ++c) {
            const Branch b = at(c).branch;
            if (b != 0 && isMember(b)) markers.push_back({c, ChartRow::Branch, colour});
        }
    };
    for (std::size_t g = 1; g < kThreeCombinationGroups.size(); ++g) {
        if (chart.threeCombination.counts[g] > 0) {
            markMembers([&](int b) { return inGroup(kThreeCombinationGroups[g], b); },
                        LineColour::Green);
        }
    }
    const auto& pun = chart.threePunishment.counts;
    if (pun[1] > 0) {
        markMembers([](int b) { return b == kPunishmentPair[0] || b == kPunishmentPair[1]; },
                    LineColour::Fuchsia);
    }
    if (pun[2] > 0)
        markMembers([](int b) { return inGroup(kPunishmentGroupEarth, b); }, LineColour::Fuchsia);
    if (pun[3] > 0)
        markMembers([](int b) { return inGroup(kPunishmentGroupGrowth, b); }, LineColour::Fuchsia);
}

AppraisalDisplay buildChartDisplay(const DisplaySources& src) {
    const Tmandata& chart = src.chart;
    AppraisalDisplay d;
    d.normalizedDate = chart.normalisedBirthDate();
    // An expected birth shows age 0 and says so, never a negative age.
    const std::string ageText =
        std::to_string(chart.age) + "才" + (chart.bornAfterToday ? "（出生前）" : "");
    d.namePanel = chart.nameText + "   " + d.normalizedDate + "   満 " + ageText;
    d.ageLabel = chart.age >= 100 ? std::string() : "現在満" + ageText;
    const ElementSlots fav = chart.favourableSlots();
    const ElementSlots unfav = chart.unfavourableSlots();
    for (int c = 0; c < 4; ++c) {
        d.columns[static_cast<std::size_t>(c)] = pillarCell(chart, c, fav, unfav, src.input);
    }
    d.luckDirectionText = chart.luckDirection > 0 ? "順行" : "逆行";
    d.voidText =
        "空亡:" + str(branchName(chart.voidFirst)) + ":" + str(branchName(chart.voidSecond));
    d.lifePalaceText = "命宮：" + str(branchName(chart.lifePalace));
    d.entryDaysText =
        "節入り日からの日数：" + formatGeneral(static_cast<double>(chart.termDepth)) + "日";
    d.luckStartText = luckStartText(src.facts);
    d.luckStartAgeText = luckStartAgeText(src.facts);
    d.mansionText = "宿曜星：" + str(mansionName(src.oldDate.mansion27)) + "宿";
    d.yearStarText = str(nineStarName(src.stars.natalStar));
    d.monthStarText = str(nineStarName(src.stars.monthStar));
    const StrengthGauges g = strengthGaugesOf(chart.monthCommandScore, chart.relationScore,
                                              chart.stageScore, chart.strengthTotal);
    d.gaugeTotal = g.total;
    d.gaugeMonthCommand = g.monthCommand;
    d.gaugeElements = g.relation;
    d.gaugeStages = g.stage;
    d.strengthClass = str(strengthClassOf(chart.strengthTotal));
    d.powerText = str(dayMasterWordingOf(chart.dayMasterPoints));
    d.pointsText = std::to_string(chart.dayMasterPoints) + "点";
    d.pillarPower = {chart.hourPoints, chart.dayPoints, chart.monthPoints, chart.yearPoints};
    for (int e = 1; e <= 5; ++e) {
        const auto i = static_cast<std::size_t>(e);
        d.elementPower[i - 1] = chart.elementPoints[i];
        d.stemCounts[i - 1] = chart.elementStemCount[i];
        d.branchCounts[i - 1] = chart.elementBranchTally[i];
    }
    d.patternName = chart.patternName;
    for (std::size_t i = 0; i < kPatternItems.size(); ++i) {
        if (kPatternItems[i] == chart.patternName) d.patternIndex = static_cast<int>(i);
    }
    d.usefulStem = chart.usefulStem;
    d.climateText = chart.climateStem ? "調候用神：" + str(stemName(chart.climateStem))
                                      : std::string("調候用神：不要です");
    d.favourableText = chart.favourableElements;
    d.unfavourableText = chart.unfavourableElements;
    d.relationChecks = {chart.stemCombination.present > 0,
                        chart.threeCombination.present > 0,
                        chart.directionalCombination.present > 0,
                        chart.branchPairCombination.present > 0,
                        chart.branchClash.present > 0,
                        chart.threePunishment.present > 0,
                        chart.selfPunishment.present > 0};
    chartRelationLines(chart, d.lines, d.markers);
    d.hiddenSchoolLabel = "蔵干表：" + str(hiddenStemSchoolName(src.input.hiddenStemSchool));
    d.stageSchoolLabel = str(twelveStageSchoolLabel(src.input.stageSchool));
    const int dayElement = elementOfStem(chart.dayPillar.stem);
    for (int k = 0; k < 5; ++k) {
        d.tenGodDiagramLabels[static_cast<std::size_t>(k)] =
            dayElement ? str(elementName((dayElement - 1 + k) % 5 + 1)) : std::string();
    }
    d.summary.dayMaster = str(stemName(chart.dayPillar.stem));
    d.summary.monthBranch = str(branchName(chart.monthPillar.branch));
    d.summary.yearStemTenGod = str(tenGodName(chart.yearPillar.stemTenGod));
    d.summary.monthStemTenGod = str(tenGodName(chart.monthPillar.stemTenGod));
    d.summary.hourStemTenGod = str(tenGodName(chart.hourPillar.stemTenGod));
    d.summary.etc1 = str(tenGodName(chart.monthPillar.activeHiddenTenGod));
    return d;
}

}  // namespace suimei
