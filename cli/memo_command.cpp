// suimei-cli memo: what each button of the AI memo appends for one client, the one-point rules
// that hold, the sixty-pillar reading and the traditional-medicine passages.

#include <cstdio>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "calendar/types.h"
#include "chart/mandata.h"
#include "cli/appraisal_options.h"
#include "cli/command.h"
#include "readings/memo_appraisal.h"

namespace suimei::cli {
namespace {

using Json = nlohmann::ordered_json;
using Lines = std::vector<std::string>;

std::unique_ptr<Table> openTable(const AppPaths& paths, ReadingTableKind kind, const char* name) {
    std::string error;
    auto table = Table::open(readingTablePath(paths, kind), readingTableDef(kind), false, &error);
    if (!table) std::fprintf(stderr, "suimei-cli memo: %s: %s\n", name, error.c_str());
    return table;
}

int runMemo(const Args& args) {
    std::vector<std::string> known = clientOptionNames();
    known.insert(known.end(), {"general", "json"});
    args.allowOnly(known);
    const ReadingMode mode = args.has("general") ? ReadingMode::General : ReadingMode::Professional;

    const AppPaths paths = AppPaths::fromEnvironment();
    AppraisalRunner runner(paths);
    if (!runClient(args, runner, "memo")) return 2;
    const Tmandata& chart = runner.chart();

    auto passageTable = openTable(paths, ReadingTableKind::Passages, "kanteibun1.db");
    if (!passageTable) return 2;
    PassageTable passages(std::move(passageTable));
    auto sixty = openTable(paths, ReadingTableKind::SixtyPillars, "sixty.DB");

    Json buttons = Json::array();
    for (const MemoButtonEntry& b : kMemoButtons) {
        Lines lines;
        if (b.action == MemoAction::Passage) {
            lines = memoPassageLines(b, mode, chart, passages);
        } else if (b.action == MemoAction::OnePoint) {
            lines = onePointButtonLines(chart);
        } else if (b.action == MemoAction::SixtyPillar) {
            if (sixty) lines = sixtyPillarButtonLines(chart, *sixty).value_or(Lines{});
        } else {
            continue;  // the buttons that clear, print, open a window or close append nothing
        }
        buttons.push_back({{"button", std::string(b.name)},
                           {"caption", std::string(b.caption)},
                           {"lines", lines}});
    }
    const Lines onePoint = onePointLines(chart);
    const Lines sixtyLines = sixty ? sixtyPillarPassage(chart, *sixty).value_or(Lines{}) : Lines{};
    Json stems = Json::array();
    for (int s = 1; s <= 10; ++s) {
        stems.push_back(
            {{"stem", std::string(stemName(s))}, {"lines", medicineStemLines(s, passages)}});
    }
    Json symptoms = Json::array();
    for (int c = 0; c < static_cast<int>(kMedicineSymptoms.size()); ++c) {
        symptoms.push_back(
            {{"key", std::string(kMedicineSymptoms[static_cast<std::size_t>(c)].key2)},
             {"lines", medicineSymptomLines(c, passages)}});
    }

    if (args.has("json")) {
        Json j;
        j["buttons"] = buttons;
        j["onePoint"] = onePoint;
        j["sixty"] = sixtyLines;
        j["igaku"] = {{"stems", stems}, {"symptoms", symptoms}};
        std::printf("%s\n", j.dump().c_str());
        return 0;
    }
    for (const Json& b : buttons) {
        std::printf("[%s] %s\n", b["button"].get<std::string>().c_str(),
                    b["caption"].get<std::string>().c_str());
        for (const Json& line : b["lines"]) std::printf("%s\n", line.get<std::string>().c_str());
    }
    std::printf("[igakubtn] 中医学 (%s)\n", std::string(stemName(chart.dayPillar.stem)).c_str());
    for (const std::string& line : medicineStemLines(chart.dayPillar.stem, passages)) {
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

std::vector<std::string> memoOptionNames() {
    return clientValuedOptionNames();
}

std::string memoHelp() {
    return clientOptionsHelp() +
           "  --general               the general texts of the year and month social readings\n"
           "                          (default: the professional texts of favour and strength)\n"
           "  --json                  one object:\n"
           "    buttons[]   every button that appends text, in the window's order: button,\n"
           "                caption, lines (exactly what one press appends, headings included)\n"
           "    onePoint[]  the lines of the one-point rules that hold, in rule order\n"
           "    sixty[]     the sixty-pillar passage of the client's sex and day pillar\n"
           "    igaku       stems[] {stem, lines} for 甲..癸 and symptoms[] {key, lines} for\n"
           "                昇 散 分 降 収: what the traditional-medicine window appends\n"
           "Without --json each button's caption and lines, then the medicine passage of the day\n"
           "stem.\n";
}

const CommandRegistrar memoRegistrar({"memo",
                                      std::string("memo ") + kClientOptionsUsage +
                                          " [--general] [--json]",
                                      {"json", "general", "south", "yes"},
                                      memoOptionNames(),
                                      &runMemo,
                                      &memoHelp});

}  // namespace
}  // namespace suimei::cli
