#pragma once
// The "特殊星" lines of the chart document: the special stars found in each pillar of the chart.

#include <array>
#include <string>
#include <vector>

namespace suimei {

class Tmandata;

// The names of the special stars of the hour, day, month and year pillars (the chart document's
// column order). The detection belongs to the special-stars method; until it is joined here every
// pillar's list is empty and the document prints "-" for it.
std::array<std::vector<std::string>, 4> specialStarLines(const Tmandata& chart);

}  // namespace suimei
