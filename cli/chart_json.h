#pragma once
// JSON forms of the chart record and the run's calendar facts, under the records' own field names.

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "calendar/old_calendar.h"
#include "calendar/pillars.h"
#include "chart/mandata.h"

namespace suimei::cli {

nlohmann::json pillarBlockJson(const PillarBlock& block);
nlohmann::json chartJson(const Tmandata& chart);
nlohmann::json solarFactsJson(const SolarFacts& facts);
nlohmann::json oldCalendarJson(const OldCalendarDate& date);
nlohmann::json displayJson(const AppraisalDisplay& display);

}  // namespace suimei::cli
