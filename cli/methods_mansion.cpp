// suimei-cli methods mansion: what the lunar-mansion window shows for one client: the birth
// mansion, its relation diagram and the meaning and karma texts.

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "cli/methods_command.h"
#include "core/app_paths.h"
#include "methods/mansion_reading.h"

namespace suimei::cli {

namespace {

using Json = nlohmann::ordered_json;

int runMansion(const Args& args, AppraisalRunner& runner) {
    std::string error;
    const auto reading =
        readMansion(AppPaths::fromEnvironment(), runner.chart().mansionNumber, &error);
    if (!reading) {
        std::fprintf(stderr, "suimei-cli methods mansion: %s\n", error.c_str());
        return 1;
    }
    if (args.has("json")) {
        const Json out = {{"mansion", reading->number},
                          {"name", reading->name},
                          {"picture", reading->picture.string()},
                          {"meaning", reading->meaning},
                          {"karma", reading->karma}};
        std::printf("%s\n", out.dump().c_str());
        return 0;
    }
    std::printf("%s宿 (%d)\n%s\n", reading->name.c_str(), reading->number,
                reading->picture.string().c_str());
    std::printf("【宿曜が教える宿星の意味】\n");
    for (const std::string& line : reading->meaning) std::printf("%s\n", line.c_str());
    std::printf("【宿曜が教えるあなたのカルマ】\n");
    for (const std::string& line : reading->karma) std::printf("%s\n", line.c_str());
    return 0;
}

const MethodRegistrar registrar({"mansion",
                                 "",
                                 {},
                                 {},
                                 &runMansion,
                                 "  --json            {\"mansion\", \"name\", \"picture\", "
                                 "\"meaning\": [lines], \"karma\": [lines]}\n"});

}  // namespace

}  // namespace suimei::cli
