#pragma once
// Attaches the 特殊星 window (button "tokubtn") and the illness window (button
// "byoukibtn") to the main window; the main window opens them only after a run.

namespace suimei {

struct Workbench;

void installTokushuStarAndIllnessWindows(const Workbench& bench);

}  // namespace suimei
