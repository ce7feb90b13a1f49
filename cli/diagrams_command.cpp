// suimei-cli diagrams: the facts the chart's diagram windows draw, for one client.

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "calendar/types.h"
#include "chart/diagrams.h"
#include "chart/luck.h"
#include "chart/mandata.h"
#include "cli/appraisal_options.h"
#include "cli/command.h"

namespace suimei::cli {
namespace {

constexpr char kHelp[] =
    "suimei-cli diagrams: what the stem diagram, the branch diagram, the element strength\n"
    "drawing and the ten-gods diagram show for one client (the same client and settings options as "
    "appraise).\n"
    "\n"
    "Numbers are the chart's own: stems 1..10 = 甲..癸, branches 1..12 = 子..亥, elements\n"
    "1..5 = 木 火 土 金 水. With --json one object:\n"
    "  stemDiagram.pairs[]        the stem combinations (干合) the chart holds:\n"
    "    kind (\"干合\"), a, b (the two stems), element (the transformed element), count\n"
    "    (how many neighbouring pillars hold the pair, 1..3)\n"
    "  stemDiagram.chartStems     year, month, day, hour stems (0 for no hour)\n"
    "  branchDiagram.groups[]     the branch relations the chart holds, in the button order\n"
    "    三合 支合 七冲 三刑 方合 自刑: kind, branches (one branch for 自刑), element (the\n"
    "    transformed element of 三合 and 方合, else 0), count\n"
    "  branchDiagram.chartBranches  year, month, day, hour branches (0 for no hour)\n"
    "  strength.dayElement        the day master's element\n"
    "  strength.positions[]       each character at its element, day stem first: what (日干\n"
    "    年干 月干 時干 年支 月支 日支 時支), character (stem or branch number), element\n"
    "  strength.lines[]           one per other element the chart holds: from, to (elements, in\n"
    "    the direction the production or control runs), kind (相生 or 相剋), colour (green:\n"
    "    the day master gains energy, red: it loses energy)\n"
    "  strength.marks[]           what and mark (＋ the day master's element or one producing\n"
    "    it, － otherwise)\n"
    "  strength.appeared[]        the elements 干合, 方合 and 三合 bring forth: kind, element\n"
    "  tenGodDiagram.groups[]     the five ten-god groups 1..5 (比劫 食傷 財 官 印): group,\n"
    "    element (seen from the day stem), fortune (吉星 liked, 凶星 disliked, else empty)\n"
    "  tenGodDiagram.lucky[], unlucky[]  the groups marked 吉星 and 凶星\n"
    "  tenGodDiagram.chartTenGods  ten gods 1..10 (比肩 食神 偏財 偏官 偏印 劫財 傷官 正財 正官\n"
    "    印綬) of the year, month, hour stems and the year, month, day, hour active hidden stems\n"
    "  tenGodDiagram.chartLines[] 命式鑑定's lines between them: from, to (ten gods), kind\n"
    "    (相生 or 相剋)\n"
    "Without --json the same facts as text.\n";

nlohmann::ordered_json diagramsJson(const Tmandata& chart) {
    using nlohmann::ordered_json;
    const StemDiagram stems = stemDiagramOf(chart);
    ordered_json pairs = ordered_json::array();
    for (const StemPair& p : stems.present) {
        pairs.push_back(
            {{"kind", "干合"}, {"a", p.a}, {"b", p.b}, {"element", p.element}, {"count", p.count}});
    }
    const BranchDiagram branches = branchDiagramOf(chart);
    ordered_json groups = ordered_json::array();
    for (const BranchGroup& g : branches.groups) {
        if (g.count == 0) continue;
        groups.push_back({{"kind", std::string(branchKindName(g.kind))},
                          {"branches", g.branches},
                          {"element", g.element},
                          {"count", g.count}});
    }
    const StrengthDiagram strength = strengthDiagramOf(chart);
    ordered_json positions = ordered_json::array();
    ordered_json marks = ordered_json::array();
    for (const StrengthPosition& p : strength.positions) {
        positions.push_back(
            {{"what", std::string(p.what)}, {"character", p.character}, {"element", p.element}});
        marks.push_back({{"what", std::string(p.what)}, {"mark", std::string(markText(p.mark))}});
    }
    ordered_json lines = ordered_json::array();
    for (const StrengthLine& l : strength.lines) {
        lines.push_back({{"from", l.from},
                         {"to", l.to},
                         {"kind", std::string(lineKindName(l.kind))},
                         {"colour", l.gains ? "green" : "red"}});
    }
    ordered_json appeared = ordered_json::array();
    for (const AppearedElement& a : strength.appeared) {
        appeared.push_back({{"kind", std::string(a.kind)}, {"element", a.element}});
    }
    // The ten-gods diagram: the five groups by element with 吉星 / 凶星, and 命式鑑定's lines.
    ordered_json tenGodGroups = ordered_json::array();
    ordered_json lucky = ordered_json::array();
    ordered_json unlucky = ordered_json::array();
    const auto godGroups = tenGodDiagramGroups(chart);
    for (int g = 1; g <= 5; ++g) {
        const DiagramGroup& d = godGroups[static_cast<std::size_t>(g)];
        tenGodGroups.push_back({{"group", g}, {"element", d.element}, {"fortune", d.fortune}});
        if (d.fortune == "吉星") lucky.push_back(g);
        if (d.fortune == "凶星") unlucky.push_back(g);
    }
    const DiagramReading reading = tenGodDiagramReading(chart);
    ordered_json chartLines = ordered_json::array();
    for (const DiagramLine& l : reading.lines) {
        chartLines.push_back({{"from", l.fromTenGod},
                              {"to", l.toTenGod},
                              {"kind", l.set == DiagramLineSet::Production ? "相生" : "相剋"}});
    }
    ordered_json j;
    j["stemDiagram"] = {{"pairs", pairs}, {"chartStems", stems.chartStems}};
    j["branchDiagram"] = {{"groups", groups}, {"chartBranches", branches.chartBranches}};
    j["strength"] = {{"dayElement", strength.dayElement},
                     {"positions", positions},
                     {"lines", lines},
                     {"marks", marks},
                     {"appeared", appeared}};
    j["tenGodDiagram"] = {{"groups", tenGodGroups},
                          {"lucky", lucky},
                          {"unlucky", unlucky},
                          {"chartTenGods", reading.tenGods},
                          {"chartLines", chartLines}};
    return j;
}

std::string elementText(int e) {
    return std::string(elementName(e));
}

void printDiagrams(const Tmandata& chart) {
    std::printf("干合：");
    for (const StemPair& p : stemDiagramOf(chart).present) {
        std::printf("%s%s→%s化 ", std::string(stemName(p.a)).c_str(),
                    std::string(stemName(p.b)).c_str(), elementText(p.element).c_str());
    }
    std::printf("\n地支：");
    for (const BranchGroup& g : branchDiagramOf(chart).groups) {
        if (g.count == 0) continue;
        std::string names;
        for (int b : g.branches) names += std::string(branchName(b));
        std::printf("%s %s%s ", std::string(branchKindName(g.kind)).c_str(), names.c_str(),
                    g.element ? ("→" + elementText(g.element) + "化").c_str() : "");
    }
    const StrengthDiagram s = strengthDiagramOf(chart);
    std::printf("\n五行強弱：日干の五行 %s\n", elementText(s.dayElement).c_str());
    for (const StrengthPosition& p : s.positions) {
        const std::string name =
            std::string(p.stem ? stemName(p.character) : branchName(p.character));
        std::printf("  %s %s（%s）%s\n", std::string(p.what).c_str(), name.c_str(),
                    elementText(p.element).c_str(), std::string(markText(p.mark)).c_str());
    }
    for (const StrengthLine& l : s.lines) {
        std::printf("  %s→%s %s %s\n", elementText(l.from).c_str(), elementText(l.to).c_str(),
                    std::string(lineKindName(l.kind)).c_str(), l.gains ? "緑" : "赤");
    }
    for (const AppearedElement& a : s.appeared) {
        std::printf("  %s出現 %s\n", std::string(a.kind).c_str(), elementText(a.element).c_str());
    }
}

int runDiagrams(const Args& args) {
    std::vector<std::string> known = clientOptionNames();
    known.push_back("json");
    args.allowOnly(known);
    AppraisalRunner runner(AppPaths::fromEnvironment());
    if (!runClient(args, runner, "diagrams")) return 2;
    if (args.has("json")) {
        std::printf("%s\n", diagramsJson(runner.chart()).dump().c_str());
    } else {
        printDiagrams(runner.chart());
    }
    return 0;
}

std::string diagramsHelp() {
    return clientOptionsHelp() +
           "  --json                  the facts below as one JSON object\n\n" + kHelp;
}

const CommandRegistrar registrar({"diagrams",
                                  std::string("diagrams ") + kClientOptionsUsage + " [--json]",
                                  {"json", "south", "yes"},
                                  clientValuedOptionNames(),
                                  &runDiagrams,
                                  &diagramsHelp});

}  // namespace
}  // namespace suimei::cli
