// suimei-cli methods special-stars: the 特殊星 of each pillar and the rows of the
// 特殊星 window.

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "cli/methods_command.h"
#include "methods/tokushu_stars.h"

namespace suimei::cli {
namespace {

int runTokushuStars(const Args& args, AppraisalRunner& runner) {
    const TokushuStars stars = detectTokushuStars(runner.chart());
    const std::vector<TokushuStarRow> rows = tokushuStarRows(stars);
    if (args.has("json")) {
        nlohmann::ordered_json j;
        j["hour"] = stars.hour;
        j["day"] = stars.day;
        j["month"] = stars.month;
        j["year"] = stars.year;
        j["rows"] = nlohmann::ordered_json::array();
        for (const TokushuStarRow& r : rows) {
            j["rows"].push_back({{"pillar", std::string(r.pillar)}, {"text", std::string(r.text)}});
        }
        std::printf("%s\n", j.dump().c_str());
        return 0;
    }
    for (const TokushuStarRow& r : rows) {
        std::printf("%s\t%s\n", std::string(r.pillar).c_str(), std::string(r.text).c_str());
    }
    return 0;
}

const MethodRegistrar tokushuStarsRegistrar(
    {"special-stars",
     "",
     {},
     {},
     &runTokushuStars,
     "  The rows of the 特殊星 window: pillar (時柱 日柱 月柱 年柱) and star, "
     "tab-separated.\n"
     "  --json: hour, day, month, year (star numbers 1..19 in list order) and rows[] {pillar,\n"
     "  text}.\n"});

}  // namespace
}  // namespace suimei::cli
