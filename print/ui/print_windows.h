#pragma once
// Attaches the appraisal-document printing to the main window: its button "printbtn" (which the
// main window opens only after a run) shows the print window with the practitioner's fields as
// the settings hold them.

namespace suimei {

struct Workbench;
class Tprntfrm;

// Creates the print window (hidden until its button is pressed), its calendar buttons printing
// the two calendars, and returns it.
Tprntfrm* installPrintWindows(const Workbench& bench);

}  // namespace suimei
