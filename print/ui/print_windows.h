#pragma once
// Attaches the appraisal-document printing to the main window: its button "printbtn" (which the
// main window opens only after a run) shows the print window with the practitioner's fields as
// the settings hold them.

namespace suimei {

struct Workbench;
class Tprntfrm;

// Creates the print window (hidden until its button is pressed) and returns it, so that the
// calendars' printing can be joined to its two calendar signals.
Tprntfrm* installPrintWindows(const Workbench& bench);

}  // namespace suimei
