// suimei-cli solar-terms --year Y [--astronomy described|precise] [--compare] [--json]: the 24
// solar terms of a year, JST; --compare sets the two astronomies side by side.

#include <cstdio>
#include <nlohmann/json.hpp>

#include "calendar/old_calendar_solar_terms.h"
#include "cli/appraisal_options.h"
#include "cli/command.h"

namespace suimei::cli {

namespace {

// The years for which the table is known to put every month's opening term in its month.
constexpr int kFirstYear = 1312;
constexpr int kLastYear = 2200;

nlohmann::json termJson(const SolarTermEntry& e) {
    return {
        {"name", e.name}, {"nameIndex", e.nameIndex}, {"year", e.year},     {"month", e.month},
        {"day", e.day},   {"hour", e.hour},           {"minute", e.minute}, {"second", e.second},
        {"time", e.text}};
}

// Minutes from the described to the precise moment of a term (positive: the precise one is later).
double differenceMinutes(const SolarTermEntry& described, const SolarTermEntry& precise) {
    const auto dayNumberOf = [](const SolarTermEntry& e) {
        return qreki::dayNumber(e.year, e.month, e.day, e.hour, e.minute, e.second);
    };
    return (dayNumberOf(precise) - dayNumberOf(described)) * 1440.0;
}

int runCompare(int year, bool json) {
    const YearSolarTerms described = solarTermsOfYear(year, Astronomy::Described);
    const YearSolarTerms precise = solarTermsOfYear(year, Astronomy::Precise);
    if (json) {
        nlohmann::json list = nlohmann::json::array();
        for (std::size_t i = 0; i < described.size(); ++i) {
            list.push_back({{"name", described[i].name},
                            {"described", described[i].text},
                            {"precise", precise[i].text},
                            {"differenceMinutes", differenceMinutes(described[i], precise[i])}});
        }
        const nlohmann::json out = {{"year", year}, {"timeZone", "JST"}, {"terms", list}};
        std::printf("%s\n", out.dump(2).c_str());
        return 0;
    }
    std::printf("%d年の二十四節気（日本時間）\n", year);
    std::printf("節気　従来の計算          高精度天文計算        差（分）\n");
    for (std::size_t i = 0; i < described.size(); ++i) {
        std::printf("%s　%s　%s　%+6.1f\n", described[i].name.c_str(), described[i].text.c_str(),
                    precise[i].text.c_str(), differenceMinutes(described[i], precise[i]));
    }
    return 0;
}

int runSolarTerms(const Args& args) {
    args.allowOnly({"year", "json", "astronomy", "compare"});
    args.require("year");
    const int year = args.intValue("year", 0, kFirstYear, kLastYear);
    const Astronomy astronomy = astronomyFrom(args);
    if (args.has("compare")) {
        if (args.has("astronomy"))
            throw UsageError{"--compare shows both astronomies; drop --astronomy"};
        return runCompare(year, args.has("json"));
    }
    const YearSolarTerms terms = solarTermsOfYear(year, astronomy);
    if (args.has("json")) {
        nlohmann::json list = nlohmann::json::array();
        for (const SolarTermEntry& e : terms) list.push_back(termJson(e));
        const nlohmann::json out = {{"year", year},
                                    {"timeZone", "JST"},
                                    {"astronomy", std::string(astronomyName(astronomy))},
                                    {"terms", list}};
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
           "  --astronomy described|precise\n"
           "                          the described series (default) or the precise one\n"
           "  --compare               both side by side, with the difference in minutes\n"
           "  --json                  the terms as JSON\n";
}

const CommandRegistrar registrar(Command{
    "solar-terms",
    "solar-terms --year Y [--astronomy described|precise | --compare] [--json]",
    {"json", "compare"},
    {"year", "astronomy"},
    runSolarTerms,
    &solarTermsHelp});

}  // namespace

}  // namespace suimei::cli
