// suimei-cli methods conception: the conception-day window for one client — the date 265 days
// before birth, its six pillar labels and the three blocks of the year, month and day buttons.

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "cli/methods_command.h"
#include "core/app_paths.h"
#include "methods/conception_day.h"
#include "readings/passage_table.h"

namespace suimei::cli {
namespace {

int runConception(const Args& args, AppraisalRunner& runner) {
    const AppPaths paths = AppPaths::fromEnvironment();
    std::string error;
    const auto table =
        Table::openReadOnly(readingTablePath(paths, ReadingTableKind::ConceptionDay),
                            readingTableDef(ReadingTableKind::ConceptionDay), &error);
    if (!table) {
        std::fprintf(stderr, "suimei-cli methods conception: tengen.db: %s\n", error.c_str());
        return 2;
    }
    const Tmandata& chart = runner.chart();
    std::vector<std::string> memo;
    for (const auto pillar :
         {ConceptionPillar::Year, ConceptionPillar::Month, ConceptionPillar::Day}) {
        const auto block = conceptionBlock(pillar, chart, *table);
        memo.insert(memo.end(), block.begin(), block.end());
    }
    const std::string date = conceptionDateLabel(chart);
    const auto labels = conceptionPillarLabels(chart);
    if (args.has("json")) {
        nlohmann::ordered_json j;
        j["date"] = date;
        j["labels"] = labels;
        j["memo"] = memo;
        std::printf("%s\n", j.dump(2).c_str());
        return 0;
    }
    std::printf("%s\n年 %s%s  月 %s%s  日 %s%s\n\n", date.c_str(), labels[0].c_str(),
                labels[1].c_str(), labels[2].c_str(), labels[3].c_str(), labels[4].c_str(),
                labels[5].c_str());
    for (const std::string& line : memo) std::printf("%s\n", line.c_str());
    return 0;
}

const MethodRegistrar conceptionMethod{
    Method{"conception",
           "",
           {},
           {},
           &runConception,
           "  the prior date, its year, month and day pillars and their three readings\n"}};

}  // namespace
}  // namespace suimei::cli
