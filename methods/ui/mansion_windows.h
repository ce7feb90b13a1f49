#pragma once
// Attaches the lunar-mansion window "宿曜盤" to the main window: the chart page's button
// "syukubanbtn" opens it (before a run it says there is no mansion yet), and a completed run
// fills an open window again for the new chart.

namespace suimei {

struct Workbench;

void installMansionWindows(const Workbench& bench);

}  // namespace suimei
