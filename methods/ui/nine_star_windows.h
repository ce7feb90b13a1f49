#pragma once
// Attaches the Nine Star Ki windows to the main window: its button 九星気学 ("SpeedButton1")
// opens "九星気学の年月盤" once an appraisal has set the chart's year and day stems; from there
// 未来予知 opens "九星気学による未来予知" on the current month and 九星 opens "九星の意味". The
// windows show the new chart after each appraisal run.

namespace suimei {

struct Workbench;

// Opens the passage table for the windows (the main window owns what this creates) and registers
// the opener. Returns false when the passage table cannot be opened; the button then says so when
// pressed.
bool installNineStarWindows(const Workbench& bench);

}  // namespace suimei
