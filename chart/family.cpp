#include "chart/family.h"

namespace suimei {

int RelatedStem(int a, int t) {
    // A yin stem finds its yang and yin partners of each element the other way round.
    static constexpr std::array<int, 10> yinSteps = {0, -1, 2, 1, 4, 3, 6, 5, 8, 7};
    if (!isStem(a) || t < 1 || t > 9) return 0;
    const int r = isYang(a) ? a + t : a + yinSteps[static_cast<std::size_t>(t)];
    return floorMod(r - 1, 10) + 1;
}

int partnerStem(int a) {
    if (!isStem(a)) return 0;
    return a <= 5 ? a + 5 : a - 5;
}

FamilyDiagram familyDiagram(const Tmandata& chart) {
    constexpr int kInsignia = 9;  // 印綬: the mother of a stem
    constexpr int kHurting = 3;   // 傷官 of the woman: her son
    constexpr int kEating = 2;    // 食神 of the woman: her daughter
    static constexpr std::array<std::string_view, kFamilyBoxes> labels = {
        "祖父", "祖母", "祖母", "祖父", "祖母", "祖父", "祖母",   "祖父",   "父",
        "母",   "母",   "父",   "",     "",     "嫁",   "男の子", "女の子", "婿"};
    FamilyDiagram d;
    const bool woman = chart.sex == 'F';
    const int day = chart.dayPillar.stem;
    std::array<int, kFamilyBoxes + 1> s{};
    s[13] = woman ? partnerStem(day) : (isStem(day) ? day : 0);
    s[14] = woman ? (isStem(day) ? day : 0) : partnerStem(day);
    const int m = s[13];
    const int f = s[14];
    s[10] = RelatedStem(m, kInsignia);
    s[9] = partnerStem(s[10]);
    s[3] = RelatedStem(s[10], kInsignia);
    s[4] = partnerStem(s[3]);
    s[2] = RelatedStem(s[9], kInsignia);
    s[1] = partnerStem(s[2]);
    s[11] = RelatedStem(f, kInsignia);
    s[12] = partnerStem(s[11]);
    s[5] = RelatedStem(s[11], kInsignia);
    s[6] = partnerStem(s[5]);
    s[7] = RelatedStem(s[12], kInsignia);
    s[8] = partnerStem(s[7]);
    s[16] = RelatedStem(f, kHurting);
    s[15] = partnerStem(s[16]);
    s[17] = RelatedStem(f, kEating);
    s[18] = partnerStem(s[17]);
    for (int b = 1; b <= kFamilyBoxes; ++b) {
        FamilyBox& box = d.boxes[static_cast<std::size_t>(b - 1)];
        box.box = b;
        box.label = std::string(labels[static_cast<std::size_t>(b - 1)]);
        box.stem = s[static_cast<std::size_t>(b)];
    }
    d.boxes[12].label = woman ? "夫" : "自分";
    d.boxes[13].label = woman ? "自分" : "妻";
    d.boxes[12].highlighted = !woman;
    d.boxes[13].highlighted = woman;
    d.spouseStem = partnerStem(day);

    d.side = {{{"時干", "男の子", chart.hourPillar.stem},
               {"日干", "自分", chart.dayPillar.stem},
               {"月干", "目上男性", chart.monthPillar.stem},
               {"年干", "父親", chart.yearPillar.stem},
               {"時支蔵干", "女の子", chart.hourPillar.activeHidden},
               {"日支蔵干", "配偶者", chart.dayPillar.activeHidden},
               {"月支蔵干", "目上女性", chart.monthPillar.activeHidden},
               {"年支蔵干", "母親", chart.yearPillar.activeHidden}}};
    return d;
}

}  // namespace suimei
