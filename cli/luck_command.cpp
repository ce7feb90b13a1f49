// suimei-cli luck: the luck periods, the practical columns and their lines, the luck grids, the
// two rhythm graphs and the family diagram of one client.

#include <cstdio>
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "app/settings.h"
#include "chart/family.h"
#include "chart/life_graph.h"
#include "chart/luck.h"
#include "cli/appraisal_options.h"
#include "cli/command.h"
#include "core/app_paths.h"
#include "readings/luck_readings.h"
#include "readings/passage_table.h"

namespace suimei::cli {

namespace {

using Json = nlohmann::ordered_json;

std::string str(std::string_view v) {
    return std::string(v);
}

Json markJson(int value, const std::string& hint) {
    return {{"value", value}, {"text", str(ratingMark(value))}, {"hint", hint}};
}

Json linesJson(const std::vector<LuckLine>& lines) {
    Json out = Json::array();
    for (const LuckLine& l : lines) {
        char colour[16];
        std::snprintf(colour, sizeof colour, "#%06X", lineColourRgb(l.kind));
        out.push_back({{"from", lineEndName(l.from)},
                       {"to", lineEndName(l.to)},
                       {"kind", str(lineKindName(l.kind))},
                       {"colour", colour}});
    }
    return out;
}

Json luckRowJson(const Tmandata& chart, const std::vector<PracticalLuckColumn>& columns) {
    Json cols = Json::array();
    for (const PracticalLuckColumn& c : columns) {
        cols.push_back(
            {{"column", c.column},
             {"period", c.period},
             {"startAge", c.startAge},
             {"stem", c.stem},
             {"branch", c.branch},
             {"tenGod", c.tenGod},
             {"stage", c.stage},
             {"stemText", stemButtonText(c.stem, c.tenGod)},
             {"branchText", str(branchName(c.branch))},
             {"stageText", str(stageName(c.stage))},
             {"marks",
              {markJson(c.marks[0], c.markHints[0]), markJson(c.marks[1], c.markHints[1])}}});
    }
    return {{"columns", cols}, {"chartLines", linesJson(practicalChartLines(chart))}};
}

Json yearsJson(const Tmandata& chart, const PracticalLuckColumn& luck,
               const AnnualImagery& imagery) {
    const auto years = annualColumnsOf(chart, luck);
    Json out = Json::array();
    for (const AnnualColumn& y : years) {
        if (y.outOfRange) {
            out.push_back({{"index", y.index}, {"age", y.age}, {"outOfRange", true}});
            continue;
        }
        const FortuneLabel fortune = annualFortune(imagery, chart.dayPillar.stem, y);
        out.push_back({{"index", y.index},
                       {"age", y.age},
                       {"year", y.year},
                       {"stem", y.stem},
                       {"branch", y.branch},
                       {"tenGod", y.tenGod},
                       {"stage", y.stage},
                       {"yearText", annualYearText(y)},
                       {"voidText", annualVoidText(y)},
                       {"mark", markJson(y.mark, annualMarkHint(y))},
                       {"fortune", {{"text", fortune.text}, {"hint", fortune.hint}}}});
    }
    return {{"column", luck.column},
            {"years", out},
            {"lines", linesJson(annualLines(chart, luck, years))}};
}

Json lifeGraphJson(const LifeGraph& g) {
    Json series = Json::object();
    for (int e = 1; e <= 5; ++e)
        series[str(elementName(e))] = g.series[static_cast<std::size_t>(e)];
    Json categories = Json::array();
    for (int e = 1; e <= 5; ++e) {
        const LifeCategory& c = g.categories[static_cast<std::size_t>(e)];
        categories.push_back({{"label", c.label}, {"description", c.description}});
    }
    return {{"ages", g.ages}, {"series", series}, {"categories", categories}};
}

Json monthGraphJson(const StageMonth& m) {
    Json days = Json::array();
    for (const StageDay& d : m.days) {
        days.push_back(
            {{"day", d.day}, {"branch", d.branch}, {"stage", d.stage}, {"points", d.points}});
    }
    return {{"year", m.year}, {"month", m.month}, {"days", days}};
}

Json familyJson(const FamilyDiagram& f) {
    Json boxes = Json::array();
    for (const FamilyBox& b : f.boxes) {
        boxes.push_back({{"box", b.box},
                         {"label", b.label},
                         {"stem", b.stem},
                         {"text", str(stemName(b.stem))}});
    }
    Json side = Json::array();
    for (const FamilySideCell& c : f.side) {
        side.push_back({{"cell", c.cell},
                        {"role", c.role},
                        {"stem", c.stem},
                        {"text", str(stemName(c.stem))}});
    }
    return {{"boxes", boxes}, {"sidePanel", side}};
}

YearMonth monthFrom(const Args& args, const CivilDate& today) {
    const auto v = args.get("month");
    if (!v) return {today.year, today.month};
    const auto slash = v->find('/');
    int y = 0, m = 0, d = 0;
    if (slash == std::string::npos) throw UsageError{"--month: not yyyy/mm: " + *v};
    try {
        parseDateArg(*v + "/01", y, m, d);
    } catch (const UsageError&) {
        throw UsageError{"--month: not yyyy/mm: " + *v};
    }
    return {y, m};
}

void printText(const Tmandata& chart, const std::vector<PracticalLuckColumn>& columns,
               const LuckGrids& grids, const LifeGraph& life, const StageMonth& month,
               const FamilyDiagram& family) {
    std::printf("大運 %s\n", chart.luckDirection > 0 ? "順行" : "逆行");
    for (std::size_t r = 0; r < grids.dai.size(); ++r) {
        for (const std::string& cell : grids.dai[r]) std::printf("%s\t", cell.c_str());
        std::printf("\n");
    }
    std::printf("実践鑑定\n");
    for (const PracticalLuckColumn& c : columns) {
        std::printf("%d\t%d才\t%s\t%s\t%s\t%s %s\t%s %s\n", c.column, c.startAge,
                    stemButtonText(c.stem, c.tenGod).c_str(), str(branchName(c.branch)).c_str(),
                    str(stageName(c.stage)).c_str(), str(ratingMark(c.marks[0])).c_str(),
                    c.markHints[0].c_str(), str(ratingMark(c.marks[1])).c_str(),
                    c.markHints[1].c_str());
    }
    std::printf("生涯五行\n");
    for (int e = 1; e <= 5; ++e) {
        std::printf("%s\t%s\n", life.categories[static_cast<std::size_t>(e)].label.c_str(),
                    life.categories[static_cast<std::size_t>(e)].description.c_str());
    }
    std::printf("十二運 %s%s\n", month.yearText.c_str(), month.monthText.c_str());
    for (const StageDay& d : month.days) {
        std::printf("%d日 %s %s %d点\n", d.day, str(branchName(d.branch)).c_str(),
                    str(stageName(d.stage)).c_str(), d.points);
    }
    std::printf("六親図表\n");
    for (const FamilyBox& b : family.boxes) {
        std::printf("%d\t%s\t%s\n", b.box, b.label.c_str(), str(stemName(b.stem)).c_str());
    }
}

int runLuck(const Args& args) {
    std::vector<std::string> known = clientOptionNames();
    known.insert(known.end(), {"column", "month", "json"});
    args.allowOnly(known);
    const int column = args.intValue("column", 0, 1, kPracticalColumns);
    const AppraisalInput settings = settingsFrom(args);
    const YearMonth month = monthFrom(args, settings.today);

    const AppPaths paths = AppPaths::fromEnvironment();
    AppraisalRunner runner(paths);
    if (!runClient(args, runner, "luck")) return 2;
    const Tmandata& chart = runner.chart();
    const Settings defaults;

    const auto columns = practicalLuckColumns(chart);
    if (column > static_cast<int>(columns.size())) {
        std::fprintf(stderr, "suimei-cli luck: --column %d: the chart has %zu practical columns\n",
                     column, columns.size());
        return 2;
    }
    const LuckGrids grids = luckGrids(chart);
    const LifeGraph life = lifeElementGraph(chart, elementGraphWeights(defaults.graph));
    const StageMonth stages =
        stageMonthGraph(chart, settings.stageSchool, defaults.stagePoints, month);
    const FamilyDiagram family = familyDiagram(chart);

    if (!args.has("json")) {
        printText(chart, columns, grids, life, stages, family);
        return 0;
    }
    Json j;
    j["luckRow"] = luckRowJson(chart, columns);
    if (column > 0) {
        AnnualImagery imagery;
        std::string error;
        if (auto t = Table::open(readingTablePath(paths, ReadingTableKind::AnnualImagery),
                                 readingTableDef(ReadingTableKind::AnnualImagery), false, &error)) {
            imagery = loadAnnualImagery(*t);
        } else {
            std::fprintf(stderr, "suimei-cli luck: kouun.db: %s\n", error.c_str());
        }
        j["years"] = yearsJson(chart, columns[static_cast<std::size_t>(column - 1)], imagery);
    }
    j["grids"] = {{"dai", grids.dai}, {"nen", grids.nen}};
    j["lifeGraph"] = lifeGraphJson(life);
    j["monthGraph"] = monthGraphJson(stages);
    j["family"] = familyJson(family);
    std::printf("%s\n", j.dump().c_str());
    return 0;
}

std::vector<std::string> luckOptionNames() {
    std::vector<std::string> names = clientValuedOptionNames();
    names.insert(names.end(), {"column", "month"});
    return names;
}

std::string luckHelp() {
    return clientOptionsHelp() +
           "  --column N              the ten years of practical luck column N (1..7)\n"
           "  --month yyyy/mm         the month of the twelve-stage month view (default: the\n"
           "                          month of --today)\n"
           "  --json                  luckRow, years, grids, lifeGraph, monthGraph, family\n";
}

const CommandRegistrar luckRegistrar({"luck",
                                      std::string("luck ") + kClientOptionsUsage +
                                          " [--column 1..7] [--month yyyy/mm] [--json]",
                                      {"json", "south", "yes"},
                                      luckOptionNames(),
                                      &runLuck,
                                      &luckHelp});

}  // namespace
}  // namespace suimei::cli
