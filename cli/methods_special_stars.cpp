// suimei-cli methods special-stars: the special stars of each pillar and the rows of the
// special-stars window.

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "cli/methods_command.h"
#include "methods/special_stars.h"

namespace suimei::cli {
namespace {

int runSpecialStars(const Args& args, AppraisalRunner& runner) {
    const SpecialStars stars = detectSpecialStars(runner.chart());
    const std::vector<SpecialStarRow> rows = specialStarRows(stars);
    if (args.has("json")) {
        nlohmann::ordered_json j;
        j["hour"] = stars.hour;
        j["day"] = stars.day;
        j["month"] = stars.month;
        j["year"] = stars.year;
        j["rows"] = nlohmann::ordered_json::array();
        for (const SpecialStarRow& r : rows) {
            j["rows"].push_back({{"pillar", std::string(r.pillar)}, {"text", std::string(r.text)}});
        }
        std::printf("%s\n", j.dump().c_str());
        return 0;
    }
    for (const SpecialStarRow& r : rows) {
        std::printf("%s\t%s\n", std::string(r.pillar).c_str(), std::string(r.text).c_str());
    }
    return 0;
}

const MethodRegistrar specialStarsRegistrar(
    {"special-stars",
     "",
     {},
     {},
     &runSpecialStars,
     "  The rows of the special-stars window: pillar (時柱 日柱 月柱 年柱) and star, "
     "tab-separated.\n"
     "  --json: hour, day, month, year (star numbers 1..19 in list order) and rows[] {pillar,\n"
     "  text}.\n"});

}  // namespace
}  // namespace suimei::cli
