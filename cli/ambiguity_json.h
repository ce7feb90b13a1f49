#pragma once
// JSON form of a birth's ambiguity: the minutes to the near boundaries and the candidate charts.

#include <nlohmann/json.hpp>

#include "app/birth_ambiguity.h"

namespace suimei::cli {

// {"nearEntryMinutes", "nearHourBoundaryMinutes" (null when not near), "timeUnknown",
// "ambiguous", "candidates": [...]} with the candidates as given (empty when not ambiguous).
nlohmann::json ambiguityJson(const BirthAmbiguity& ambiguity,
                             const std::vector<CandidateChart>& candidates);

}  // namespace suimei::cli
