#pragma once
// JSON forms of the chart record and the run's calendar facts, under the records' own field names,
// written straight to text.

#include "app/appraisal.h"
#include "calendar/old_calendar.h"
#include "calendar/pillars.h"
#include "chart/mandata.h"
#include "cli/json_writer.h"

namespace suimei::cli {

// One pillar block as an object.
void pillarBlock(JsonWriter& w, const PillarBlock& block);
// The members of the chart record, into the object the caller has open.
void chartMembers(JsonWriter& w, const Tmandata& chart);
// The solar facts, the old-calendar date and the chart page's display, each as an object.
void solarFacts(JsonWriter& w, const SolarFacts& facts);
void oldCalendar(JsonWriter& w, const OldCalendarDate& date);
void display(JsonWriter& w, const AppraisalDisplay& display);

}  // namespace suimei::cli
