#pragma once
// 推時黄金律: the hour pillar used when the birth time is unknown. The stem depends on the month
// branch only, the branch on the month branch and the day stem, so the pillar is not an ordinary
// stem-branch pair.

#include "calendar/types.h"

namespace suimei {

// Hour pillar for month branch 1..12 and day stem 1..10; {0, 0} for arguments out of range.
Pillar InferHourPillar(int monthBranch, int dayStem);

}  // namespace suimei
