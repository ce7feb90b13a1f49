#pragma once
// Attaches the compatibility windows to the main window: "aisyobtn" opens a new 相性診断 window
// (Taisyofrm) over the current chart; its 五行エネルギー button opens the element-energy window
// (TAisyoForm). The partner's chart lives as long as the main window.

namespace suimei {

struct Workbench;

void installCompatibilityWindows(const Workbench& bench);

}  // namespace suimei
