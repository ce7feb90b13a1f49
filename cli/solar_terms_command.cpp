// suimei-cli solar-terms --year Y [--json]: the 24 solar terms of a year, JST.

#include <cstdio>
#include <nlohmann/json.hpp>

#include "calendar/old_calendar_solar_terms.h"
#include "cli/command.h"

namespace suimei::cli {

namespace {

// The years for which the table is known to put every month's opening term in its month.
constexpr int kFirstYear = 1312;
constexpr int kLastYear = 2200;

int runSolarTerms(const Args& args) {
    args.allowOnly({"year", "json"});
    args.require("year");
    const int year = args.intValue("year", 0, kFirstYear, kLastYear);
    const YearSolarTerms terms = solarTermsOfYear(year);
    if (args.has("json")) {
        nlohmann::json list = nlohmann::json::array();
        for (const SolarTermEntry& e : terms) {
            list.push_back({{"name", e.name},
                            {"nameIndex", e.nameIndex},
                            {"year", e.year},
                            {"month", e.month},
                            {"day", e.day},
                            {"hour", e.hour},
                            {"minute", e.minute},
                            {"second", e.second},
                            {"time", e.text}});
        }
        const nlohmann::json out = {{"year", year}, {"timeZone", "JST"}, {"terms", list}};
        std::printf("%s\n", out.dump(2).c_str());
        return 0;
    }
    std::printf("%d年の二十四節気（日本時間）\n", year);
    for (const SolarTermEntry& e : terms) {
        std::printf("%s　%04d/%02d/%02d %02d:%02d\n", e.name.c_str(), e.year, e.month, e.day,
                    e.hour, e.minute);
    }
    return 0;
}

std::string solarTermsHelp() {
    return "  --year Y                Gregorian year " + std::to_string(kFirstYear) + ".." +
           std::to_string(kLastYear) +
           "\n"
           "  --json                  the terms as JSON\n";
}

const CommandRegistrar registrar(Command{"solar-terms",
                                         "solar-terms --year Y [--json]",
                                         {"json"},
                                         {"year"},
                                         runSolarTerms,
                                         &solarTermsHelp});

}  // namespace

}  // namespace suimei::cli
