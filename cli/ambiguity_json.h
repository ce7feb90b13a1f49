#pragma once
// JSON form of a birth's ambiguity: the minutes to the near boundaries and the candidate charts.

#include <vector>

#include "app/birth_ambiguity.h"
#include "cli/json_writer.h"

namespace suimei::cli {

// {"nearEntryMinutes", "nearHourBoundaryMinutes" (null when not near), "timeUnknown",
// "ambiguous", "line", "candidates": [...]} with the candidates as given (empty when not
// ambiguous), as one object.
void ambiguityObject(JsonWriter& w, const BirthAmbiguity& ambiguity,
                     const std::vector<CandidateChart>& candidates);

}  // namespace suimei::cli
