#pragma once
// Attaches the main window's own side windows: 環境と流派の設定 (envsetbtn), the graph weights
// (Tgraphcalcfrm) and stage points (Tbiosetteifrm) of the rhythm pages, and the data utilities
// (utybtn on the データ入力 page).

namespace suimei {

class AppraisalBackend;
class Tmenufrm;
struct Workbench;

void installAppWindows(Tmenufrm& mainWindow, AppraisalBackend& backend, const Workbench& bench);

}  // namespace suimei
