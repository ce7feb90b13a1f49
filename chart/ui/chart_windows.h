#pragma once
// Attaches the chart subsystem's windows to the main window through the registry:
// - the twelve-stage chart (hounb, StageChartWindow) and the hidden-stem tables (TZokanDBfrm),
//   both following the schools whenever a setting changes;
// - the ten-god explanation (tuhenbtn), the stem diagram (kangohlp, Tgogyo10), the branch diagram
//   (tisihlp, Tgogyo12), the element strength drawing (gogyobtn) and the element cycle (Tgogyo5);
// - the favourable-element override (Changek), the favourable-element rules (yorokobtn), the
//   pattern explanation (kakubtn) and the useful-god rules (yojinbtn).
// The diagrams show the runner's current chart; a run resets them. A successful override is told
// to every window through the registry's favourableElementsChanged.

namespace suimei {

struct Workbench;

void installChartWindows(const Workbench& bench);

}  // namespace suimei
