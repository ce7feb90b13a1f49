#pragma once
// What the chart's explanation and diagram windows draw, as plain facts: the ten-god groups
// around the day master, the stem and branch relations (all of them for teaching, and those the
// chart holds), the element positions, lines, marks and transformed elements of the element
// strength drawing, and the fixed production and control cycle. The windows only place and paint
// these; every rule lives here.

#include <array>
#include <string_view>
#include <vector>

namespace suimei {

class Tmandata;

// ---- Ten gods around the day master -----------------------------------------------------------

// How a group of ten gods stands to the day master: its element relation 1..5 (1 same, 2 output,
// 3 wealth, 4 officer, 5 resource), whether production or control joins them, and which way the
// energy flows.
struct TenGodGroup {
    std::string_view
        label;  // "比肩", "劫財", "食神　傷官", "正財　偏財", "偏官　正官", "偏印　印綬"
    std::array<int, 2> tenGods{};  // ten gods 1..10 of the group (0 for the second of a single)
    int relation = 0;              // 1..5
    std::string_view word;         // "比和", "洩れる", "分力", "剋される", "生気"
    bool production = false;       // joined by production (生), else by control (剋) or sameness
    bool towardDayMaster = false;  // the line points at the day master (生気, 剋される)
};
// The six groups in the order of the explanation drawing.
const std::array<TenGodGroup, 6>& tenGodGroups();

// ---- Stem diagram (干支の相関関係図) ------------------------------------------------------------

struct StemPair {
    int slot = 0;  // 1..5 in the 干合 slot order 甲己 乙庚 丙辛 丁壬 戊癸
    int a = 0;     // the two stems 1..10
    int b = 0;
    int element = 0;  // transformed element 1..5
    int count = 0;    // how often the chart holds it (0 in the teaching list)
};

struct StemDiagram {
    std::vector<StemPair> all;      // the five combinations (干合関係全表示)
    std::vector<StemPair> present;  // those the chart holds, count > 0 (干合)
    // Transformed-element boxes in 干合 slot order (土化 金化 水化 木化 火化), index 1..5.
    std::array<bool, 6> ticked{};
    std::array<int, 4> chartStems{};  // year, month, day, hour stems (0 for none)
};
// Stem diagram of a chart; an empty chart holds no combination.
StemDiagram stemDiagramOf(const Tmandata& chart);

// ---- Branch diagram (地支の関係図) --------------------------------------------------------------

// The six kinds of the diagram's button rows, in button order.
enum class BranchKind { Three = 0, Pair, Clash, Punishment, Directional, Self };
inline constexpr int kBranchKinds = 6;
// Captions of the kinds: "三合", "支合", "七冲", "三刑", "方合", "自刑".
std::string_view branchKindName(BranchKind kind);

struct BranchGroup {
    BranchKind kind = BranchKind::Three;
    std::vector<int> branches;  // 1..12 in table order; one branch for a self-punishment
    int element = 0;            // transformed element 1..5 of 三合 and 方合, else 0
    int count = 0;              // how often the chart holds it
};

struct BranchDiagram {
    std::vector<BranchGroup> groups;  // every group of every kind, kinds in button order
    // The groups of one kind: all of them (teaching) or those the chart holds (count > 0).
    std::vector<BranchGroup> groupsOf(BranchKind kind, bool presentOnly) const;
    // Transformed-element boxes (木化 火化 土化 金化 水化, index 1..5) the chart's button of
    // `kind` ticks: the elements of its present groups; only 三合 and 方合 tick any.
    std::array<bool, 6> tickedBy(BranchKind kind) const;
    std::array<int, 4> chartBranches{};  // year, month, day, hour branches (0 for none)
};
// Branch diagram of a chart; counts come from the chart's relation objects.
BranchDiagram branchDiagramOf(const Tmandata& chart);

// ---- Element strength drawing (五行強弱の鑑定)
// ---------------------------------------------------

// One character of the chart placed at its element.
struct StrengthPosition {
    std::string_view what;  // "日干", "年干", "月干", "時干", "年支", "月支", "日支", "時支"
    bool stem = true;
    int character = 0;  // stem 1..10 or branch 1..12
    int element = 0;    // 1..5
    int mark = 0;       // +1 "＋" (the day master's element or one producing it), -1 "－"
};

enum class ElementLineKind { Production, Control };  // 相生, 相剋

// A line between the day master's element and another element the chart holds.
struct StrengthLine {
    int from = 0;  // elements 1..5, in the direction production or control runs
    int to = 0;
    ElementLineKind kind = ElementLineKind::Production;
    bool gains = false;  // the day master gains energy (green); else it loses it (red)
};

// A transformed element of a 干合, 方合 or 三合 the chart holds.
struct AppearedElement {
    std::string_view kind;  // "干合", "方合", "三合"
    int element = 0;
};

struct StrengthDiagram {
    int dayElement = 0;                       // the day master's element 1..5, 0 for an empty chart
    std::vector<StrengthPosition> positions;  // day stem first, then year, month, hour stems and
                                              // year, month, day, hour branches; a missing
                                              // hour is left out
    std::vector<StrengthLine> lines;          // one per other element held, 木火土金水 order
    std::vector<AppearedElement> appeared;    // 干合, then 方合, then 三合, in slot order
};
// Strength drawing of a chart; an empty chart (day stem 0) gives no positions and no lines.
StrengthDiagram strengthDiagramOf(const Tmandata& chart);
// "相生" or "相剋".
std::string_view lineKindName(ElementLineKind kind);
// "＋" or "－".
std::string_view markText(int mark);

// ---- The five-element cycle (五行の相関図)
// -------------------------------------------------------

struct CycleLine {
    int from = 0;  // elements 1..5
    int to = 0;
    ElementLineKind kind = ElementLineKind::Production;
};
// The five production lines (木→火 ... 水→木) then the five control lines (木→土 ... 水→火).
std::vector<CycleLine> elementCycleLines();
// Season of an element: 木 "春", 火 "夏", 金 "秋", 水 "冬"; 土 and anything else "".
std::string_view elementSeason(int element);

}  // namespace suimei
