// The family diagram: relatives found from the day stem by the ten-god relations.
#include <gtest/gtest.h>

#include "chart/family.h"

namespace suimei {
namespace {

TEST(RelatedStem, YangStemsStepOnYinStemsSwapPolarity) {
    const int kinoe[] = {2, 3, 4, 5, 6, 7, 8, 9, 10};   // 甲: 乙 丙 丁 戊 己 庚 辛 壬 癸
    const int kinoto[] = {1, 4, 3, 6, 5, 8, 7, 10, 9};  // 乙: 甲 丁 丙 己 戊 辛 庚 癸 壬
    for (int t = 1; t <= 9; ++t) {
        EXPECT_EQ(RelatedStem(1, t), kinoe[t - 1]) << t;
        EXPECT_EQ(RelatedStem(2, t), kinoto[t - 1]) << t;
    }
    EXPECT_EQ(RelatedStem(10, 9), 7);  // 癸 + 7 = 17 -> 庚
    EXPECT_EQ(RelatedStem(0, 1), 0);
    EXPECT_EQ(RelatedStem(1, 10), 0);
    EXPECT_EQ(partnerStem(3), 8);
    EXPECT_EQ(partnerStem(10), 5);
}

struct FamilyCase {
    const char* name;
    char sex;
    int dayStem;
    std::array<int, 18> stems;
    const char* self;
    const char* spouse;
};

// Worked by hand from box 13 (the man) and 14 (the woman):
//  man 甲: m 甲, f 己; 10 = 印綬 of 甲 = 癸, 9 its partner 戊; 3 = 印綬 of 癸 = 庚, 4 乙;
//   2 = 印綬 of 戊 = 丁, 1 壬; 11 = 印綬 of 己 = 丙, 12 辛; 5 = 印綬 of 丙 = 乙, 6 庚;
//   7 = 印綬 of 辛 = 戊, 8 癸; 16 = 傷官 of 己 = 庚, 15 乙; 17 = 食神 of 己 = 辛, 18 丙.
//  woman 癸: m 戊, f 癸; 10 丁, 9 壬; 3 甲, 4 己; 2 辛, 1 丙; 11 庚, 12 乙; 5 己, 6 甲;
//   7 壬, 8 丁; 16 甲, 15 己; 17 乙, 18 庚.
const FamilyCase kCases[] = {
    {"man 甲", 'M', 1, {9, 4, 7, 2, 2, 7, 5, 10, 5, 10, 3, 8, 1, 6, 2, 7, 8, 3}, "自分", "妻"},
    {"woman 癸", 'F', 10, {3, 8, 1, 6, 6, 1, 9, 4, 9, 4, 7, 2, 5, 10, 6, 1, 2, 7}, "夫", "自分"},
};

TEST(FamilyDiagram, EighteenBoxesForAManAndAWoman) {
    for (const FamilyCase& k : kCases) {
        SCOPED_TRACE(k.name);
        Tmandata c;
        c.sex = k.sex;
        c.dayPillar.stem = static_cast<Stem>(k.dayStem);
        const FamilyDiagram d = familyDiagram(c);
        for (std::size_t b = 0; b < 18; ++b) {
            EXPECT_EQ(d.boxes[b].box, static_cast<int>(b) + 1);
            EXPECT_EQ(d.boxes[b].stem, k.stems[b]) << "box " << b + 1;
        }
        EXPECT_EQ(d.boxes[12].label, k.self);
        EXPECT_EQ(d.boxes[13].label, k.spouse);
        EXPECT_EQ(d.boxes[12].highlighted, k.sex == 'M');
        EXPECT_EQ(d.boxes[13].highlighted, k.sex == 'F');
        EXPECT_EQ(d.boxes[15].label, "男の子");
        EXPECT_EQ(d.boxes[0].label, "祖父");
    }
}

TEST(FamilyDiagram, SidePanelAndNoChart) {
    Tmandata c;
    c.sex = 'M';
    c.dayPillar.stem = 1;
    c.hourPillar.activeHidden = 5;
    const FamilyDiagram d = familyDiagram(c);
    EXPECT_EQ(d.side[1].cell, "日干");
    EXPECT_EQ(d.side[1].role, "自分");
    EXPECT_EQ(d.side[4].role, "女の子");
    EXPECT_EQ(d.side[4].stem, 5);
    const FamilyDiagram empty = familyDiagram(Tmandata{});
    for (const auto& b : empty.boxes) EXPECT_EQ(b.stem, 0);
}

}  // namespace
}  // namespace suimei
