// suimei-cli methods illness: the basic text of the illness window (organ theory) for a client's
// five-element energies, and the elements from the weakest to the strongest.

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "calendar/types.h"
#include "chart/mandata.h"
#include "cli/methods_command.h"
#include "methods/illness.h"

namespace suimei::cli {
namespace {

int runIllness(const Args& args, AppraisalRunner& runner) {
    const ElementArray& points = runner.chart().elementPoints;
    const std::vector<std::string> memo = illnessBasicText(points);
    if (args.has("json")) {
        nlohmann::ordered_json j;
        j["memo"] = memo;
        j["order"] = nlohmann::ordered_json::array();
        for (int e : elementsByEnergy(points)) j["order"].push_back(std::string(elementName(e)));
        std::printf("%s\n", j.dump().c_str());
        return 0;
    }
    for (const std::string& line : memo) std::printf("%s\n", line.c_str());
    return 0;
}

const MethodRegistrar illnessRegistrar(
    {"illness",
     "",
     {},
     {},
     &runIllness,
     "  The basic text of the illness window, one memo line per output line.\n"
     "  --json: memo[] (the lines) and order[] (the element names, weakest first).\n"});

}  // namespace
}  // namespace suimei::cli
