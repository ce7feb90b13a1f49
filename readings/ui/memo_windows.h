#pragma once
// Attaches the AI memo to the main window: its button "memobtn" opens the memo of the current
// client (the main window opens it only after a run), with the traditional-medicine window behind
// its 中医学 button.

namespace suimei {

struct Workbench;

// Opens its own connection to the passage table for the life of the main window. Returns false
// when the passage table cannot be opened (the memo then stays unavailable; the reading windows
// have told why).
bool installMemoWindows(const Workbench& bench);

}  // namespace suimei
