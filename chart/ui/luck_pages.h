#pragma once
// Attaches the luck and rhythm pages of the main window: 行運分析 (5), 実践鑑定 (6), 生涯五行ﾘｽﾞﾑ
// (7), 十二運ﾘｽﾞﾑ (8) and 六親図表 (9), and the ten-gods diagram window opened by the chart page's
// 通変星の関係図 (tuuhenhlpbtn) and under its own name TenGodDiagramWindow.

namespace suimei {

struct Workbench;

void installLuckPages(const Workbench& bench);

}  // namespace suimei
