#pragma once
// Hidden stems (蔵干) of a branch under the chosen school, and which of them is active.

#include "calendar/types.h"
#include "chart/chart_tables.h"
#include "chart/schools.h"

namespace suimei {

enum class PillarPosition { Year, Month, Day, Hour };

// Slot k (1..3) of branch b under hidden-stem school 0..5; an empty entry for anything out of
// range.
HiddenStemEntry hiddenStemEntry(int school, int branch, int slot);
// Number of non-empty slots (1..3) of the branch under the school; 0 out of range.
int hiddenStemCount(int school, int branch);

// What the choice of the active hidden stem looks at, besides the school and the branch.
struct HiddenStemMoment {
    int depthTenths = 0;  // days since the month's entry, cut to tenths, times 10
    int hour = 0;         // birth clock time 0..23 : 0..59 (own-depth rule only)
    int minute = 0;
    int month = 0;  // birth month 1..12 and day 1..31 (own-depth rule only)
    int day = 0;
    bool beforeEntry = false;  // birth precedes its calendar month's entry (own-depth rule only)
};

// Entry depth in days cut to one decimal, as whole tenths (floor). The depth handed over is
// already a multiple of a tenth or of a minute, so a tiny allowance keeps 1.2 from reading 1.1.
int termDepthTenths(long double termDepth);

// Active slot 1..3 of the branch at the given pillar position under the schools; always a
// non-empty slot of a real branch (a rule that lands on an empty slot takes the last non-empty
// slot before it); 0 only for a branch or school out of range.
int activeHiddenSlot(const Schools& schools, PillarPosition position, int branch,
                     const HiddenStemMoment& moment);

}  // namespace suimei
