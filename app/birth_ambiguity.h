#pragma once
// A birth close to a boundary of the pillars has more than one possible chart: within 30 minutes
// of a 節 entry (the month pillar changes, at 立春 the year pillar too), within 30 minutes of a
// two-hour boundary of the hour pillar, or with the time unknown. The cheap facts (minutes,
// unknown) are kept apart from the candidate charts, which are worked on demand by the appraisal
// run itself.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calendar/astronomy.h"
#include "calendar/types.h"

namespace suimei {

class AppraisalRunner;
struct BirthMoment;

// A boundary this many minutes away or fewer (rounded to the minute) makes the birth ambiguous.
inline constexpr int kNearBoundaryMinutes = 30;

struct BirthAmbiguity {
    bool timeUnknown = false;
    // Signed whole minutes from the birth to the nearest 節 entry (positive: the entry comes
    // after the birth), set only when within kNearBoundaryMinutes.
    std::optional<int> nearEntryMinutes;
    bool entryAfterBirth = false;  // the side of the entry, also when the minutes round to 0
    int entryLongitude = 0;        // degrees of that 節: 315 is 立春
    // Signed whole minutes from the birth to the nearest local odd hour (23, 1, 3, ... 21 o'clock),
    // where the hour pillar changes; set only when within kNearBoundaryMinutes.
    std::optional<int> nearHourBoundaryMinutes;
    bool hourBoundaryAfterBirth = false;
    // For an unknown time: how many distinct hour pillars the periods of the birth-time list give.
    int hourCandidateCount = 0;

    bool ambiguous() const {
        return timeUnknown || nearEntryMinutes.has_value() || nearHourBoundaryMinutes.has_value();
    }
};

// Minutes (fractional, signed: positive ahead) from the JST clock moment to the moment the apparent
// solar longitude by `astronomy` reaches `longitude` degrees, the nearest such moment within half a
// year either way.
double minutesToSolarLongitude(Astronomy astronomy, int year, int month, int day, int hour,
                               int minute, double longitude);

// The ambiguity of a birth: `jst` is the JST clock moment the run worked from, localHour and
// localMinute the same moment after the prefecture correction, dayStem 1..10 that of the day.
BirthAmbiguity assessBirthAmbiguity(const BirthMoment& jst, int localHour, int localMinute,
                                    int dayStem, Astronomy astronomy, bool timeUnknown);
// The ambiguity of the last completed run of `runner`; nothing ambiguous before the first run.
BirthAmbiguity assessBirthAmbiguity(const AppraisalRunner& runner);

// The line the chart page shows ("境界に近い生まれです：節入りまで 12 分"); empty when nothing is
// ambiguous.
std::string ambiguityLine(const BirthAmbiguity& ambiguity);

// One chart the birth may have, as the page would show it.
struct CandidateChart {
    std::string assumption;  // "鑑定どおり", "節入り後", "丑の刻", "立春前・子の刻", ...
    int offsetMinutes = 0;   // from the moment run (0 for the chart as run and for a period)
    std::string periodText;  // for an unknown time: the birth-time period ("01:00-03:00")
    bool asRun = false;      // the chart the run gave
    std::array<Pillar, 4> pillars{};  // year, month, day, hour
    // Text of every compared item, under the keys of candidateItemKeys() in that order.
    std::vector<std::string> items;
    // Keys of the items that differ from the chart as run.
    std::vector<std::string> differs;
};

// The compared items in display order: key and row title.
struct CandidateItem {
    const char* key;
    const char* title;
};
const std::vector<CandidateItem>& candidateItemKeys();

// The candidate charts of the last completed run of `runner`: the chart as run first, then each
// distinct chart of a birth up to 30 minutes either side (nearest first), or for an unknown time
// one per period of the birth-time list with a distinct chart. Empty when nothing is ambiguous.
// Each candidate is worked by AppraisalRunner::trial; the runner's own chart stays.
std::vector<CandidateChart> candidateCharts(AppraisalRunner& runner,
                                            const BirthAmbiguity& ambiguity);

}  // namespace suimei
