#pragma once
// The texts and values the chart page shows for a finished chart. Every rule here is a display
// rule (which text, which mark, which line); the chart values themselves come from the record.

#include <array>
#include <vector>

#include "app/appraisal.h"
#include "calendar/old_calendar.h"
#include "calendar/pillars.h"
#include "chart/mandata.h"
#include "methods/nine_star.h"

namespace suimei {

// Items of the pattern list `kyoku`, in order.
inline constexpr std::array<std::string_view, 14> kPatternItems = {
    "従旺格", "従強格", "従児格", "従財格", "従殺格", "建禄格", "月刃格",
    "食神格", "傷官格", "正財格", "偏財格", "正官格", "偏官格", "印綬格"};

// "○" for a stem whose element is one of the three favourable elements, "×" for one of the three
// unfavourable ones, "△" otherwise; "-" for a missing stem.
std::string_view stemMark(int stem, const ElementSlots& favourable,
                          const ElementSlots& unfavourable);

// Lines and circle markers between neighbouring pillar columns of the chart page: stem
// combinations, branch pairs, three-harmony and directional pairs in green, clashes in fuchsia;
// green circles on the members of a complete three-harmony group, fuchsia circles on the members
// of a punishment. A missing hour takes part in nothing.
void chartRelationLines(const Tmandata& chart, std::vector<RelationLine>& lines,
                        std::vector<RelationMarker>& markers);

// The whole display of a finished run.
struct DisplaySources {
    const Tmandata& chart;
    const SolarFacts& facts;
    const OldCalendarDate& oldDate;
    const NineStarKi& stars;
    const AppraisalInput& input;
};
AppraisalDisplay buildChartDisplay(const DisplaySources& sources);

}  // namespace suimei
