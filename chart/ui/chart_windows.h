#pragma once
// Attaches the chart tables' windows to the main window: the chart page's 十二運星 (hounb) opens
// the twelve-stage chart of the current school, and the hidden-stem tables (TZokanDBfrm) and the
// twelve-stage chart (StageChartWindow) open under their class names for the settings window. Both
// follow the schools whenever a setting changes.

namespace suimei {

struct Workbench;

void installChartWindows(const Workbench& bench);

}  // namespace suimei
