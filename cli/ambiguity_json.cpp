#include "cli/ambiguity_json.h"

#include <string_view>

namespace suimei::cli {

namespace {

nlohmann::json candidateJson(const CandidateChart& c) {
    nlohmann::json j;
    j["assumption"] = c.assumption;
    j["asRun"] = c.asRun;
    j["offsetMinutes"] = c.offsetMinutes;
    if (!c.periodText.empty()) j["period"] = c.periodText;
    // Keys "group.member" nest ("pillars.year" -> pillars: {year}); the others stand alone.
    const auto& keys = candidateItemKeys();
    for (std::size_t i = 0; i < keys.size() && i < c.items.size(); ++i) {
        const std::string_view key = keys[i].key;
        const std::size_t dot = key.find('.');
        if (dot == std::string_view::npos) {
            j[std::string(key)] = c.items[i];
        } else {
            j[std::string(key.substr(0, dot))][std::string(key.substr(dot + 1))] = c.items[i];
        }
    }
    j["differs"] = c.differs;
    return j;
}

}  // namespace

nlohmann::json ambiguityJson(const BirthAmbiguity& ambiguity,
                             const std::vector<CandidateChart>& candidates) {
    nlohmann::json j;
    j["nearEntryMinutes"] = ambiguity.nearEntryMinutes ? nlohmann::json(*ambiguity.nearEntryMinutes)
                                                       : nlohmann::json(nullptr);
    j["nearHourBoundaryMinutes"] = ambiguity.nearHourBoundaryMinutes
                                       ? nlohmann::json(*ambiguity.nearHourBoundaryMinutes)
                                       : nlohmann::json(nullptr);
    j["timeUnknown"] = ambiguity.timeUnknown;
    j["ambiguous"] = ambiguity.ambiguous();
    j["line"] = ambiguityLine(ambiguity);
    j["candidates"] = nlohmann::json::array();
    for (const CandidateChart& c : candidates) j["candidates"].push_back(candidateJson(c));
    return j;
}

}  // namespace suimei::cli
