#include "chart/diagrams.h"

#include <algorithm>

#include "chart/mandata.h"
#include "chart/strength.h"

namespace suimei {

const std::array<TenGodGroup, 6>& tenGodGroups() {
    // Same element: sharing; the day master produces 食傷 (its energy leaks) and controls 財 (its
    // power is divided); 官 controls it; 印 produces it (gives it life).
    static const std::array<TenGodGroup, 6> groups = {{
        {"比肩", {1, 0}, 1, "比和", false, false},
        {"劫財", {6, 0}, 1, "比和", false, false},
        {"食神　傷官", {2, 7}, 2, "洩れる", true, false},
        {"正財　偏財", {8, 3}, 3, "分力", false, false},
        {"偏官　正官", {4, 9}, 4, "剋される", false, true},
        {"偏印　印綬", {5, 10}, 5, "生気", true, true},
    }};
    return groups;
}

StemDiagram stemDiagramOf(const Tmandata& chart) {
    StemDiagram d;
    const Tkango& combos = chart.stemCombination;
    for (int slot = 1; slot <= 5; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        StemPair pair{slot, kStemCombinationPairs[s][0], kStemCombinationPairs[s][1],
                      kStemCombinationElements[s], 0};
        d.all.push_back(pair);
        if (combos.counts[s] > 0) {
            pair.count = combos.counts[s];
            d.present.push_back(pair);
            d.ticked[s] = true;
        }
    }
    for (int i = 0; i < 4; ++i) d.chartStems[static_cast<std::size_t>(i)] = chart.pillarAt(i).stem;
    return d;
}

std::string_view branchKindName(BranchKind kind) {
    static constexpr std::array<std::string_view, kBranchKinds> names = {"三合", "支合", "七冲",
                                                                         "三刑", "方合", "自刑"};
    return names[static_cast<std::size_t>(kind)];
}

std::vector<BranchGroup> BranchDiagram::groupsOf(BranchKind kind, bool presentOnly) const {
    std::vector<BranchGroup> out;
    for (const BranchGroup& g : groups) {
        if (g.kind == kind && (!presentOnly || g.count > 0)) out.push_back(g);
    }
    return out;
}

std::array<bool, 6> BranchDiagram::tickedBy(BranchKind kind) const {
    std::array<bool, 6> ticked{};
    for (const BranchGroup& g : groupsOf(kind, true)) {
        if (g.element >= 1 && g.element <= 5) ticked[static_cast<std::size_t>(g.element)] = true;
    }
    return ticked;
}

BranchDiagram branchDiagramOf(const Tmandata& chart) {
    BranchDiagram d;
    auto add = [&d](BranchKind kind, std::vector<int> branches, int element, int count) {
        d.groups.push_back({kind, std::move(branches), element, count});
    };
    for (std::size_t g = 1; g <= 4; ++g) {
        const auto& m = kThreeCombinationGroups[g];
        add(BranchKind::Three, {m[0], m[1], m[2]}, kThreeCombinationElements[g],
            chart.threeCombination.counts[g]);
    }
    for (std::size_t p = 1; p <= 6; ++p) {
        add(BranchKind::Pair, {kBranchPairs[p][0], kBranchPairs[p][1]}, 0,
            chart.branchPairCombination.counts[p]);
    }
    for (std::size_t p = 1; p <= 6; ++p) {
        add(BranchKind::Clash, {kClashPairs[p][0], kClashPairs[p][1]}, 0,
            chart.branchClash.counts[p]);
    }
    const Tsankei& punish = chart.threePunishment;
    add(BranchKind::Punishment, {kPunishmentPair[0], kPunishmentPair[1]}, 0, punish.counts[1]);
    add(BranchKind::Punishment,
        {kPunishmentGroupEarth[0], kPunishmentGroupEarth[1], kPunishmentGroupEarth[2]}, 0,
        punish.counts[2]);
    add(BranchKind::Punishment,
        {kPunishmentGroupGrowth[0], kPunishmentGroupGrowth[1], kPunishmentGroupGrowth[2]}, 0,
        punish.counts[3]);
    for (std::size_t g = 1; g <= 4; ++g) {
        const auto& m = kDirectionalGroups[g];
        add(BranchKind::Directional, {m[0], m[1], m[2]}, kDirectionalElements[g],
            chart.directionalCombination.counts[g]);
    }
    for (std::size_t s = 1; s <= 4; ++s) {
        add(BranchKind::Self, {kSelfPunishmentBranches[s]}, 0, chart.selfPunishment.counts[s]);
    }
    for (int i = 0; i < 4; ++i) {
        d.chartBranches[static_cast<std::size_t>(i)] = chart.pillarAt(i).branch;
    }
    return d;
}

StrengthDiagram strengthDiagramOf(const Tmandata& chart) {
    StrengthDiagram d;
    const int dayStem = chart.dayPillar.stem;
    d.dayElement = elementOfStem(dayStem);
    if (d.dayElement == 0) return d;

    auto place = [&d](std::string_view what, bool stem, int character) {
        const int e = stem ? elementOfStem(character) : elementOfBranch(character);
        if (e == 0) return;  // a missing hour
        d.positions.push_back({what, stem, character, e, elementSupport(d.dayElement, e)});
    };
    place("日干", true, dayStem);
    place("年干", true, chart.yearPillar.stem);
    place("月干", true, chart.monthPillar.stem);
    place("時干", true, chart.hourPillar.stem);
    place("年支", false, chart.yearPillar.branch);
    place("月支", false, chart.monthPillar.branch);
    place("日支", false, chart.dayPillar.branch);
    place("時支", false, chart.hourPillar.branch);

    const int me = d.dayElement;
    for (int x = 1; x <= 5; ++x) {
        if (x == me) continue;
        const bool held = std::any_of(d.positions.begin() + 1, d.positions.end(),
                                      [x](const StrengthPosition& p) { return p.element == x; });
        if (!held) continue;
        // Only the element producing the day master feeds it; producing, controlling and being
        // controlled all cost it energy.
        switch (elementRelation(me, x, 0)) {
            case 2:
                d.lines.push_back({me, x, ElementLineKind::Production, false});
                break;
            case 3:
                d.lines.push_back({me, x, ElementLineKind::Control, false});
                break;
            case 4:
                d.lines.push_back({x, me, ElementLineKind::Control, false});
                break;
            case 5:
                d.lines.push_back({x, me, ElementLineKind::Production, true});
                break;
            default:
                break;
        }
    }

    for (std::size_t s = 1; s <= 5; ++s) {
        if (chart.stemCombination.counts[s] > 0) {
            d.appeared.push_back({"干合", chart.stemCombination.elements[s]});
        }
    }
    for (std::size_t s = 1; s <= 4; ++s) {
        if (chart.directionalCombination.counts[s] > 0) {
            d.appeared.push_back({"方合", chart.directionalCombination.elements[s]});
        }
    }
    for (std::size_t s = 1; s <= 4; ++s) {
        if (chart.threeCombination.counts[s] > 0) {
            d.appeared.push_back({"三合", chart.threeCombination.elements[s]});
        }
    }
    return d;
}

std::string_view lineKindName(ElementLineKind kind) {
    return kind == ElementLineKind::Production ? "相生" : "相剋";
}

std::string_view markText(int mark) {
    return mark > 0 ? "＋" : mark < 0 ? "－" : "";
}

std::vector<CycleLine> elementCycleLines() {
    std::vector<CycleLine> lines;
    for (int e = 1; e <= 5; ++e)
        lines.push_back({e, producedElement(e), ElementLineKind::Production});
    for (int e = 1; e <= 5; ++e)
        lines.push_back({e, controlledElement(e), ElementLineKind::Control});
    return lines;
}

std::string_view elementSeason(int element) {
    switch (element) {
        case 1:
            return "春";
        case 2:
            return "夏";
        case 4:
            return "秋";
        case 5:
            return "冬";
        default:
            return "";
    }
}

}  // namespace suimei
