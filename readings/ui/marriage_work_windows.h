#pragma once
// Attaches the marriage window (button 結婚, "kekonbtn") and the work window (button 仕事,
// "sigotobtn") to the main window. Each press makes the window anew over the chart of the last
// run, with an empty memo and the current year as the first of its ten years.

namespace suimei {

struct Workbench;

// Opens the passage table for the two windows (the main window owns what this creates) and
// registers their openers. Returns false when the passage table cannot be opened; the two buttons
// then say so when pressed.
bool installMarriageWorkWindows(const Workbench& bench);

}  // namespace suimei
