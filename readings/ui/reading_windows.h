#pragma once
// Attaches the reading texts to the main window: the pillar pages 2..4 (filled when shown after a
// run), the pillar-heading and month-branch readings, the month-command window, and the database
// menu with the editors of the reading tables.

namespace suimei {

struct Workbench;

// Opens the passage table once for the life of the main window (which owns what this creates) and
// connects everything. Returns false, with a notice, when the passage table cannot be opened (the
// readings then stay empty; the rest of the program works).
bool installReadingWindows(const Workbench& bench);

}  // namespace suimei
