// suimei-cli compatibility: the compatibility of the client with a partner, as the compatibility
// window shows it.

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "app/compatibility.h"
#include "calendar/types.h"
#include "chart/mandata.h"
#include "cli/appraisal_options.h"
#include "cli/chart_json.h"
#include "cli/command.h"
#include "core/app_paths.h"
#include "readings/passage_table.h"

namespace suimei::cli {
namespace {

using Json = nlohmann::ordered_json;

const char* whatName(RelationItem what) {
    switch (what) {
        case RelationItem::DayStem:
            return "dayStem";
        case RelationItem::DayBranch:
            return "dayBranch";
        case RelationItem::MonthBranch:
            return "monthBranch";
    }
    return "";
}

Json arrowJson(RelationArrow arrow) {
    if (arrow == RelationArrow::ToPartner) return "toPartner";
    if (arrow == RelationArrow::ToClient) return "toClient";
    return nullptr;
}

Json pillarsJson(const Tmandata& p) {
    Json j = Json::object();
    const char* names[] = {"year", "month", "day", "hour"};
    for (int i = 0; i < 4; ++i) {
        const PillarBlock& b = p.pillarAt(i);
        j[names[i]] = {{"stem", b.stem},
                       {"branch", b.branch},
                       {"text", pillarName(b.pillar())},
                       {"tenGod", std::string(tenGodName(b.stemTenGod))},
                       {"stage", std::string(stageName(b.dayMasterStage))}};
    }
    return j;
}

PartnerInput partnerFrom(const Args& args) {
    PartnerInput in;
    in.dateText = args.require("partner-date");
    in.era = args.intValue("partner-era", 1, 1, 3);
    in.timeIndex = args.intValue("partner-slot", kPartnerDefaultTime, 0, kPartnerTimeChoices - 1);
    in.female = args.has("partner-female");
    in.name = args.get("partner-name").value_or("");
    return in;
}

void printText(const Tmandata& partner, const PartnerFacts& facts, const VoidChecks& voids,
               const std::array<CompatibilityLine, 3>& lines,
               const std::vector<std::string>& memo) {
    std::printf("お相手 %s %s %s %s\n", partner.normalisedBirthDate().c_str(),
                pillarName(partner.yearPillar.pillar()).c_str(),
                pillarName(partner.monthPillar.pillar()).c_str(),
                pillarName(partner.dayPillar.pillar()).c_str());
    std::printf("%s %s %s %s\n", facts.voidText.c_str(), facts.strengthClass.c_str(),
                facts.seasonText.c_str(), facts.mansionText.c_str());
    std::printf("同一空亡 %s  互換空亡 %s\n", voids.same ? "○" : "×", voids.mutual ? "○" : "×");
    for (const CompatibilityLine& l : lines) {
        std::printf("%s %d #%06X\n", whatName(l.what), l.code, static_cast<unsigned>(l.colour));
    }
    for (const std::string& line : memo) std::printf("%s\n", line.c_str());
}

int runCompatibility(const Args& args) {
    std::vector<std::string> known = clientOptionNames();
    known.insert(known.end(), {"partner-date", "partner-era", "partner-slot", "partner-female",
                               "partner-name", "json"});
    args.allowOnly(known);
    const PartnerInput partnerInput = partnerFrom(args);

    const AppPaths paths = AppPaths::fromEnvironment();
    AppraisalRunner runner(paths);
    if (!runClient(args, runner, "compatibility")) return 2;

    CompatibilityEngine engine(paths);
    RecordingNotifier notes;
    if (engine.runPartner(partnerInput, settingsFrom(args), notes) != AppraisalStatus::Completed) {
        std::fprintf(stderr, "suimei-cli compatibility: %s\n", lastMessage(notes).c_str());
        return 2;
    }
    const Tmandata& client = runner.chart();
    const Tmandata& partner = engine.partner();
    const PartnerFacts facts = partnerFactsOf(partner);
    const VoidChecks voids = voidChecks(client, partner);
    const auto lines = compatibilityLines(client, partner);
    std::string error;
    auto passages = PassageTable::open(paths, &error);
    if (!passages) {
        std::fprintf(stderr, "suimei-cli compatibility: kanteibun1.db: %s\n", error.c_str());
    }
    const std::vector<std::string> memo = compatibilityMemo(client, partner, passages.get());

    if (!args.has("json")) {
        printText(partner, facts, voids, lines, memo);
        return 0;
    }
    Json j;
    j["partner"] = {{"name", partner.nameText},
                    {"date", partner.normalisedBirthDate()},
                    {"pillars", pillarsJson(partner)},
                    {"voidText", facts.voidText},
                    {"gauges",
                     {{"monthCommand", facts.gaugeMonthCommand},
                      {"elements", facts.gaugeElements},
                      {"stages", facts.gaugeStages},
                      {"total", facts.gaugeTotal}}},
                    {"strengthClass", facts.strengthClass},
                    {"seasonText", facts.seasonText},
                    {"mansionText", facts.mansionText}};
    j["voidChecks"] = {{"same", voids.same}, {"mutual", voids.mutual}};
    Json lineArray = Json::array();
    for (const CompatibilityLine& l : lines) {
        char colour[16];
        std::snprintf(colour, sizeof colour, "#%06X", static_cast<unsigned>(l.colour));
        lineArray.push_back({{"what", whatName(l.what)},
                             {"code", l.code},
                             {"colour", colour},
                             {"arrow", arrowJson(l.arrow)}});
    }
    j["lines"] = lineArray;
    j["memo"] = memo;
    Json energy = Json::object();
    const EnergyColumns columns = elementEnergyColumns(client, partner);
    for (int e = 1; e <= 5; ++e) {
        Json squares = Json::array();
        for (const EnergySquare& s : columns[static_cast<std::size_t>(e)]) {
            squares.push_back({{"person", s.partner ? "partner" : "client"}, {"item", s.item}});
        }
        energy[std::string(elementName(e))] = squares;
    }
    j["energy"] = energy;
    std::printf("%s\n", j.dump().c_str());
    return 0;
}

std::vector<std::string> compatibilityOptionNames() {
    std::vector<std::string> names = clientValuedOptionNames();
    names.insert(names.end(), {"partner-date", "partner-era", "partner-slot", "partner-name"});
    return names;
}

std::string compatibilityHelp() {
    return clientOptionsHelp() +
           "  --partner-date TEXT     the partner's birth date (1960/5/29; checked first, a bad\n"
           "                          date is told on stderr with exit status 2)\n"
           "  --partner-era 1|2|3     the year of --partner-date is 西暦 (1, default), 昭和 (2)\n"
           "                          or 大正 (3)\n"
           "  --partner-slot INDEX    birth time 0..12: 0 = 00:30, k = 2k o'clock, 12 = 23:30\n"
           "                          (default 6, 12:00)\n"
           "  --partner-female        the partner is a woman (default: a man)\n"
           "  --partner-name TEXT     the partner's name\n"
           "  --json                  partner {pillars, voidText, gauges, strengthClass,\n"
           "                          seasonText, mansionText}, voidChecks {same, mutual},\n"
           "                          lines [{what, code 1..6, colour, arrow}], memo, energy\n"
           "                          {木..水: [{person, item}]} bottom square first\n";
}

const CommandRegistrar compatibilityRegistrar(
    {"compatibility",
     std::string("compatibility ") + kClientOptionsUsage +
         " --partner-date TEXT [--partner-era 1|2|3] [--partner-slot INDEX] [--partner-female]"
         " [--partner-name TEXT] [--json]",
     {"json", "south", "yes", "partner-female"},
     compatibilityOptionNames(),
     &runCompatibility,
     &compatibilityHelp});

}  // namespace
}  // namespace suimei::cli
