// suimei-cli methods emotion --on yyyy/mm/dd: the emotion cycle of one client on a date: the
// ten god and text of its year, month and day, and the stability scores of the year's twelve
// months and of the month's days.

#include <cstdio>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "cli/methods_command.h"
#include "core/app_paths.h"
#include "methods/emotion_cycle.h"
#include "readings/passage_table.h"

namespace suimei::cli {

namespace {

using Json = nlohmann::ordered_json;

// The years the quick pillars give stems for.
constexpr int kFirstYear = 1312;

int runEmotion(const Args& args, AppraisalRunner& runner) {
    if (!args.has("on")) throw UsageError{"methods emotion needs --on yyyy/mm/dd"};
    int y = 0, m = 0, d = 0;
    parseDateArg(args.require("on"), y, m, d);
    if (y < kFirstYear) throw UsageError{"--on: dates before 1312 have no pillars"};

    const AppPaths paths = AppPaths::fromEnvironment();
    const auto tablePath = readingTablePath(paths, ReadingTableKind::Passages);
    // Opening would create an empty table; a missing one is the user's to know about.
    if (!std::filesystem::exists(tablePath)) {
        std::fprintf(stderr, "suimei-cli methods emotion: the passage table %s does not exist\n",
                     tablePath.string().c_str());
        return 2;
    }
    std::string error;
    const auto passages = PassageTable::open(paths, &error);
    if (!passages) {
        std::fprintf(stderr, "suimei-cli methods emotion: %s: %s\n", tablePath.string().c_str(),
                     error.c_str());
        return 2;
    }

    const Tmandata& chart = runner.chart();
    const EmotionCycle cycle = emotionCycleOn(chart, y, m, d);
    const int dayMaster = chart.dayPillar.stem;
    auto text = [&](const EmotionPeriod& p) {
        std::string joined;
        for (const std::string& line : emotionPeriodLines(p, *passages)) {
            if (!joined.empty()) joined += "\n";
            joined += line;
        }
        return joined;
    };
    const std::pair<const char*, const EmotionPeriod*> periods[] = {
        {"year", &cycle.year}, {"month", &cycle.month}, {"day", &cycle.day}};
    if (!args.has("json")) {
        const char* headings[] = {"年間の感情周期", "月間の感情周期", "一日の感情周期"};
        for (std::size_t i = 0; i < 3; ++i) {
            std::printf("【%s】\n%s\n", headings[i], text(*periods[i].second).c_str());
        }
        return 0;
    }
    Json out;
    for (const auto& [name, period] : periods) {
        out[name] = {{"tenGod", std::string(emotionTenGodName(period->tenGod))},
                     {"text", text(*period)}};
    }
    out["yearScores"] = emotionYearScores(dayMaster, y);
    out["monthScores"] = emotionMonthScores(dayMaster, y, m);
    std::printf("%s\n", out.dump().c_str());
    return 0;
}

const MethodRegistrar registrar(
    {"emotion",
     "--on yyyy/mm/dd",
     {},
     {"on"},
     &runEmotion,
     "  --on yyyy/mm/dd   the date read (required)\n"
     "  --json            {\"year\", \"month\", \"day\": {\"tenGod\", \"text\"}, \"yearScores\": "
     "[12],\n"
     "                    \"monthScores\": [one per day of the month]}\n"});

}  // namespace

}  // namespace suimei::cli
