#pragma once
// Attaches the emotion cycle to the main window: the button "mdaybtn" (which the main window
// opens only after a run) shows "毎月毎日の通変星による感情周期説" for the calendar's current
// date; its button "年間と月間の安定度数" shows "１年間の感情の安定度数".

namespace suimei {

struct Workbench;

// Opens its own connection to the passage table for the life of the main window. Returns false
// when the table cannot be opened (the texts then hold only their headings).
bool installEmotionWindows(const Workbench& bench);

}  // namespace suimei
