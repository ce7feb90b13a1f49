#pragma once
// Attaches the special-stars window (button "tokubtn") and the illness window (button
// "byoukibtn") to the main window; the main window opens them only after a run.

namespace suimei {

struct Workbench;

void installSpecialStarAndIllnessWindows(const Workbench& bench);

}  // namespace suimei
