#pragma once
// Attaches the conception-day reading (tengenbtn, Ttengenfrm; the main window opens it only after
// a run) and the growth-stage diagnosis (seicyoubtn, TSinkaChkForm; opened at any time) to the
// main window. Each is made at its first opening and shows the runner's chart again after every
// run.

namespace suimei {

struct Workbench;

void installConceptionGrowthWindows(const Workbench& bench);

}  // namespace suimei
