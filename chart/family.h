#pragma once
// The family-relation diagram: the relatives drawn as stems, each found from the day stem by the
// ten-god relations, and the side panel of the chart's stems and active hidden stems with the
// relatives they stand for.

#include <array>
#include <string>

#include "chart/mandata.h"

namespace suimei {

inline constexpr int kFamilyBoxes = 18;

// The stem in relation t to stem a, t = 1..9 in the order 劫財, 食神, 傷官, 偏財, 正財, 偏官, 正官,
// 偏印, 印綬 (甲: 乙 丙 丁 戊 己 庚 辛 壬 癸); 0 when a or t is out of range.
int RelatedStem(int a, int t);
// The stem a combines with (甲 己, 乙 庚, ...); 0 for none.
int partnerStem(int a);

struct FamilyBox {
    int box = 0;  // 1..18
    std::string label;
    int stem = 0;
    bool highlighted = false;  // the client's own box
};
struct FamilySideCell {
    std::string cell;  // "時干", ..., "年支蔵干"
    std::string role;  // "男の子", ..., "母親"
    int stem = 0;
};
struct FamilyDiagram {
    std::array<FamilyBox, kFamilyBoxes> boxes;  // boxes 1..18 in order
    std::array<FamilySideCell, 8> side;  // stems 時日月年, then their active hidden stems
    int spouseStem = 0;                  // the partner of the day stem
};
// The diagram of a chart (sex 'M' or 'F'; any other sex reads as a man's); stems 0 before a run.
FamilyDiagram familyDiagram(const Tmandata& chart);

}  // namespace suimei
