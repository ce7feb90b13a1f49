#include "chart/pattern.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

// Stems 甲乙丙丁戊己庚辛壬癸 = 1..10, branches 子丑寅卯辰巳午未申酉戌亥 = 1..12.
// Elements 木火土金水 = 1..5.
enum : int { kWood = 1, kFire, kEarth, kMetal, kWater };

FourPillars chart(Pillar y, Pillar m, Pillar d, Pillar h) {
    return {y, m, d, h};
}

ElementArray elements(int wood, int fire, int earth, int metal, int water) {
    return {0, wood, fire, earth, metal, water};
}

TEST(PatternRelations, CombinationAndRelation) {
    EXPECT_EQ(stemCombinationElement(6, 1), kEarth) << "either order";
    EXPECT_EQ(stemCombinationElement(10, 5), kFire);
    EXPECT_EQ(stemCombinationElement(1, 2), 0);
    EXPECT_EQ(elementRelation(kEarth, kWood, 9), 4) << "木 controls 土";
    EXPECT_EQ(elementRelation(kWater, kMetal, 9), 5) << "wrapping past 水";
    EXPECT_EQ(elementRelation(0, kMetal, 9), 9);
}

// A missing hour (0) is no partner of 戊 (5) nor of 巳 (6): it takes part in no relation.
TEST(ElementTally, MissingHourBindsNothing) {
    EXPECT_EQ(stemCombinationElement(0, 5), 0);
    EXPECT_EQ(stemCombinationElement(5, 0), 0);
    EXPECT_FALSE(isClash(0, 6));
    EXPECT_FALSE(isClash(6, 0));
    EXPECT_FALSE(isPairCombination(0, 0));
    // 甲辰 丙寅 戊巳 with no hour: the day stem counts once as 土, and the day branch 巳 is
    // tallied (火 and 金).
    const ElementTally t = computeElementTally(chart({1, 5}, {3, 3}, {5, 6}, {}), 3);
    EXPECT_EQ(t.stemCount, elements(1, 1, 1, 0, 0));
    EXPECT_EQ(t.branchTally, elements(2, 2, 1, 1, 1));
}

TEST(ElementTally, StemCombinationsFollowTheMonthHiddenStem) {
    // 甲 丙 丁 壬 (year, month, day, hour); 丁壬 becomes 木.
    const FourPillars p = chart({1, 0}, {3, 0}, {4, 0}, {9, 0});
    ElementTally t = computeElementTally(p, 2);  // H = 乙 (木) supports it
    EXPECT_EQ(t.stemCount, elements(3, 1, 0, 0, 0));
    t = computeElementTally(p, 7);  // H = 庚: 壬 counts twice as 水, 丁 once as 火
    EXPECT_EQ(t.stemCount, elements(1, 2, 0, 0, 2));

    // 甲 戊 癸 戊: the day stem 癸 is bound on both sides (戊癸 becomes 火).
    const FourPillars q = chart({1, 0}, {5, 0}, {10, 0}, {5, 0});
    EXPECT_EQ(computeElementTally(q, 3).stemCount, elements(1, 4, 0, 0, 0));  // H = 丙
    EXPECT_EQ(computeElementTally(q, 1).stemCount, elements(1, 0, 3, 0, 2));  // H = 甲

    // 庚 乙 丙 (no hour): an unsupported 乙庚 counts the month stem's 木 once for the year.
    const FourPillars r = chart({7, 0}, {2, 0}, {3, 0}, {});
    EXPECT_EQ(computeElementTally(r, 1).stemCount, elements(1, 1, 0, 0, 0));
    EXPECT_EQ(computeElementTally(r, 8).stemCount, elements(0, 1, 0, 2, 0));  // H = 辛
    // 壬 丁 丙: an unsupported 丁壬 counts nothing for the month and year stems.
    EXPECT_EQ(computeElementTally(chart({9, 0}, {4, 0}, {3, 0}, {}), 5).stemCount,
              elements(0, 1, 0, 0, 0));
}

TEST(ElementTally, BoundAndClashedBranchesAreLeftOut) {
    // 寅 丑 子 午: the day 子 clashes the hour 午 but is bound to the month 丑; the pair is
    // undone by the clash and the clash by the pair, so every branch is tallied.
    ElementTally t = computeElementTally(chart({1, 3}, {1, 2}, {1, 1}, {1, 7}), 1);
    EXPECT_EQ(t.branchTally, elements(1, 2, 1, 1, 2));
    // Without the hour the 子丑 pair leaves out day and month.
    t = computeElementTally(chart({1, 3}, {1, 2}, {1, 1}, {}), 1);
    EXPECT_EQ(t.branchTally, elements(1, 1, 0, 0, 0));
    // 寅 卯 子 午: the clash leaves out hour and day.
    t = computeElementTally(chart({1, 3}, {1, 4}, {1, 1}, {1, 7}), 1);
    EXPECT_EQ(t.branchTally, elements(2, 1, 0, 0, 0));
}

TEST(ElementTally, PointsAndRanks) {
    // 丙 甲 庚 and no branches: 木 火 金 one point each; the tie goes to 木.
    ElementTally t = computeElementTally(chart({3, 0}, {1, 0}, {7, 0}, {}), 0);
    EXPECT_EQ(t.points, elements(1, 1, 0, 1, 0));
    EXPECT_EQ(t.topElement(), kWood);
    EXPECT_EQ(t.ranked[2].element, kFire);
    EXPECT_EQ(t.ranked[3].element, kMetal);
    EXPECT_EQ(t.rank, elements(5, 4, 1, 2, 1)) << "three elements: 5 4 2, others 1";

    // 乙 甲 甲 乙 on 寅 卯 寅 卯 with H = 乙: 木 4 x 3^4; 火 is in the branches only.
    t = computeElementTally(chart({2, 3}, {1, 4}, {1, 3}, {2, 4}), 2);
    EXPECT_EQ(t.branchTally, elements(4, 2, 0, 0, 0));
    EXPECT_EQ(t.points, elements(324, 0, 0, 0, 0));
    EXPECT_EQ(t.rank, elements(4, 2, 2, 2, 2)) << "one element: 4, others 2";
    // The same weight is 2^n when H is of another element (H = 丙).
    EXPECT_EQ(computeElementTally(chart({2, 3}, {1, 4}, {1, 3}, {2, 4}), 3).points[kWood], 64);

    // Two elements: 4 3, others 2.
    t = computeElementTally(chart({3, 0}, {1, 0}, {1, 0}, {}), 0);
    EXPECT_EQ(t.rank, elements(4, 3, 2, 2, 2));
    // Four elements (甲 丙 戊 庚): 5 4 3 2 by position, the element without points 1.
    t = computeElementTally(chart({1, 0}, {3, 0}, {5, 0}, {7, 0}), 0);
    EXPECT_EQ(t.rank, elements(5, 4, 3, 2, 1));
}

// Pattern, useful stem and favourable elements of a chart given its month hidden stem H and
// H's ten god.
struct Conclusion {
    std::string pattern;
    int useful = 0;
    ElementSlots favourable{};
};
Conclusion conclude(const FourPillars& p, int h, int hTenGod) {
    RecordingNotifier n;
    Conclusion c;
    const ElementTally t = computeElementTally(p, h);
    decidePattern(p, h, hTenGod, t, c.pattern);
    c.useful = usefulStemOf(p, h, hTenGod, c.pattern, t.topElement());
    c.favourable = favourableElementsOf(c.pattern, c.useful, p[kDayPillar].stem, t.points, n);
    EXPECT_TRUE(n.empty());
    return c;
}

TEST(Pattern, FollowingPatterns) {
    // 乙寅 甲卯 甲寅 乙卯 with H = 乙 (劫財): all 木, nothing breaks it.
    Conclusion c = conclude(chart({2, 3}, {1, 4}, {1, 3}, {2, 4}), 2, 6);
    EXPECT_EQ(c.pattern, "従旺格");
    EXPECT_EQ(c.useful, 1) << "the month stem 甲 is the first of element 木";
    EXPECT_EQ(elementNamesOf(c.favourable), "木水");

    // 壬子 癸亥 甲子 壬亥 with H = 壬: 水 on top, 木 second (rank 3).
    c = conclude(chart({9, 1}, {10, 12}, {1, 1}, {9, 12}), 9, 5);
    EXPECT_EQ(c.pattern, "従強格");
    EXPECT_EQ(c.useful, 10);
    EXPECT_EQ(elementNamesOf(c.favourable), "水木");

    // 丙巳 丁午 乙巳 丙午 with H = 丁 (食神): a yin day master, 火 on top.
    c = conclude(chart({3, 6}, {4, 7}, {2, 6}, {3, 7}), 4, 2);
    EXPECT_EQ(c.pattern, "従児格");
    EXPECT_EQ(c.useful, 4);
    EXPECT_EQ(elementNamesOf(c.favourable), "火土");

    // 戊辰 己未 甲戌 戊丑 with H = 己: 甲己 turns the day stem into 土.
    c = conclude(chart({5, 5}, {6, 8}, {1, 11}, {5, 2}), 6, 8);
    EXPECT_EQ(c.pattern, "従財格");
    EXPECT_EQ(c.useful, 6);
    EXPECT_EQ(elementNamesOf(c.favourable), "土") << "neither 木 nor 金 has points";
    EXPECT_EQ(elementNamesOf(unfavourableElementsOf(c.favourable)), "木火金");

    // 庚申 辛酉 甲申 庚酉 with H = 辛 (正官).
    c = conclude(chart({7, 9}, {8, 10}, {1, 9}, {7, 10}), 8, 9);
    EXPECT_EQ(c.pattern, "従殺格");
    EXPECT_EQ(c.useful, 8);
    EXPECT_EQ(elementNamesOf(c.favourable), "金土");
}

TEST(Pattern, BrokenTests) {
    // 丙 day on 辰 辰 辰 辰 with stems 戊 己 丙 戊: 土 on top (児). H = 乙 keeps it following;
    // H = 戊 belongs to a 丙 day master and breaks it: the inner pattern of 食神.
    const FourPillars p = chart({5, 5}, {6, 5}, {3, 5}, {5, 5});
    EXPECT_EQ(conclude(p, 2, 10).pattern, "従児格");
    EXPECT_EQ(conclude(p, 5, 2).pattern, "食神格");

    // 辛丑 甲卯 甲寅 乙卯: 金 has a stem and a branch (P = 2), so no 従旺格; H = 乙 is 劫財.
    EXPECT_EQ(conclude(chart({8, 2}, {1, 4}, {1, 3}, {2, 4}), 2, 6).pattern, "月刃格");

    // 従殺格 chart with a 水 stem: the resource element has points.
    EXPECT_EQ(conclude(chart({7, 9}, {8, 10}, {1, 9}, {9, 10}), 8, 9).pattern, "正官格");

    // The 従財格 chart with 壬 as hour stem: the resource 水 has points, which breaks a yang
    // day master's following pattern.
    EXPECT_EQ(conclude(chart({5, 5}, {6, 8}, {1, 11}, {9, 2}), 6, 8).pattern, "正財格");

    // A ten god of 0 leaves the name as it was.
    std::string name = "previous";
    const FourPillars q = chart({8, 2}, {1, 4}, {1, 3}, {2, 4});
    decidePattern(q, 2, 0, computeElementTally(q, 2), name);
    EXPECT_EQ(name, "previous");
    // 偏印 shares 印綬格.
    decidePattern(q, 2, 5, computeElementTally(q, 2), name);
    EXPECT_EQ(name, "印綬格");
}

TEST(UsefulStem, InnerPatternRules) {
    // H = 辛 appears nowhere, 庚 does; H's ten god 正財 (for a 丙 day) lets the sibling serve.
    const FourPillars p = chart({7, 0}, {5, 0}, {3, 0}, {1, 0});
    EXPECT_EQ(usefulStemOf(p, 8, 8, "正財格", kFire), 7);
    EXPECT_EQ(usefulStemOf(p, 8, 3, "偏財格", kFire), 7);
    // A ten god outside 財 and 印: the day stem.
    EXPECT_EQ(usefulStemOf(p, 8, 9, "正官格", kFire), 3);
    // H revealed among the stems is the useful stem itself.
    EXPECT_EQ(usefulStemOf(p, 5, 2, "食神格", kFire), 5);
    // A following pattern whose top element no stem carries falls back to the inner rules.
    EXPECT_EQ(usefulStemOf(chart({5, 0}, {5, 0}, {10, 0}, {10, 0}), 4, 3, "従財格", kFire), 10);
    // The following order is month, hour, year, day.
    EXPECT_EQ(usefulStemOf(chart({9, 0}, {1, 0}, {7, 0}, {10, 0}), 0, 0, "従強格", kWater), 10);
}

TEST(UsefulStem, ClimateStemAndElements) {
    EXPECT_EQ(climateStemOf(7), 10) << "午: 癸";
    EXPECT_EQ(climateStemOf(6), 10);
    EXPECT_EQ(climateStemOf(2), 3) << "丑: 丙";
    EXPECT_EQ(climateStemOf(12), 3);
    EXPECT_EQ(climateStemOf(4), 0) << "卯: none";
    EXPECT_EQ(climateStemOf(9), 0);
    EXPECT_EQ(climateElementsOf(1, 3), "火水");
    EXPECT_EQ(climateElementsOf(8, 3), "土火木");
    EXPECT_EQ(climateElementsOf(6, 8), "水木火");
    EXPECT_EQ(climateElementsOf(10, 12), "土火");
    EXPECT_EQ(climateElementsOf(0, 3), "");
    EXPECT_EQ(climateElementsOf(1, 13), "");
}

TEST(FavourableElements, InnerPatternsWeakAndStrong) {
    RecordingNotifier n;
    const auto fav = [&n](int useful, ElementArray points) {
        return elementNamesOf(favourableElementsOf("正官格", useful, 1, points, n));
    };
    // 甲 day master (木). Useful 甲: weak when another element has more points.
    EXPECT_EQ(fav(1, elements(10, 20, 0, 0, 0)), "木水");
    EXPECT_EQ(fav(1, elements(20, 5, 0, 3, 0)), "金土");
    EXPECT_EQ(fav(1, elements(20, 5, 0, 0, 0)), "火土") << "金 has no points, 火 has";
    // Useful 丙 (output): weak when it has fewer points than 木.
    EXPECT_EQ(fav(3, elements(5, 2, 0, 0, 0)), "火土");
    EXPECT_EQ(fav(3, elements(5, 5, 0, 0, 0)), "水木");
    // Useful 戊 (wealth), 庚 (officer), 壬 (resource).
    EXPECT_EQ(fav(5, elements(5, 0, 1, 0, 0)), "土火");
    EXPECT_EQ(fav(5, elements(5, 0, 6, 0, 0)), "木水");
    EXPECT_EQ(fav(7, elements(5, 0, 0, 1, 0)), "金土");
    EXPECT_EQ(fav(7, elements(5, 0, 0, 5, 0)), "水木");
    EXPECT_EQ(fav(9, elements(5, 0, 0, 0, 1)), "水木");
    EXPECT_EQ(fav(9, elements(5, 0, 0, 0, 9)), "土火木");
    EXPECT_EQ(elementNamesOf(unfavourableElementsOf({0, 3, 2, 1})), "金水");
    EXPECT_TRUE(n.empty());
}

TEST(FavourableElements, FollowingPatternsAndBadUsefulStem) {
    RecordingNotifier n;
    const ElementArray pts = elements(0, 0, 8, 0, 0);
    EXPECT_EQ(elementNamesOf(favourableElementsOf("従旺格", 5, 5, pts, n)), "土火");
    EXPECT_EQ(elementNamesOf(favourableElementsOf("従殺格", 1, 5, pts, n)), "木水");
    EXPECT_EQ(elementNamesOf(favourableElementsOf("従強格", 5, 7, pts, n)), "土金");
    EXPECT_EQ(elementNamesOf(favourableElementsOf("従児格", 9, 7, pts, n)), "水木");
    // 従財格: the element controlling U first, else the one U produces.
    EXPECT_EQ(elementNamesOf(favourableElementsOf("従財格", 5, 1, elements(1, 0, 8, 2, 0), n)),
              "土木");
    EXPECT_EQ(elementNamesOf(favourableElementsOf("従財格", 5, 1, elements(0, 0, 8, 2, 0), n)),
              "土金");
    EXPECT_TRUE(n.empty());

    const ElementSlots none = favourableElementsOf("正官格", 0, 1, pts, n);
    ASSERT_EQ(n.notices.size(), 1u);
    EXPECT_EQ(n.notices[0].text, "man.yojin data is illegal");
    EXPECT_EQ(n.notices[0].caption, "Debug");
    EXPECT_EQ(none, (ElementSlots{}));
    EXPECT_EQ(elementNamesOf(unfavourableElementsOf(none)), "木火土");
    favourableElementsOf("正官格", 11, 1, pts, n);
    EXPECT_EQ(n.notices.size(), 2u);
}

TEST(ElementOverride, AcceptsAtMostThreeOnEachSide) {
    RecordingNotifier n;
    ElementSlots fav = {0, 4, 5, 0};
    ElementSlots unfav = {0, 1, 2, 3};
    const std::array<bool, 6> start = overrideStartMarks(fav);
    EXPECT_EQ(start, (std::array<bool, 6>{false, false, false, false, true, true}));

    // 木 火 土 金 liked: refused, nothing changes.
    EXPECT_FALSE(applyElementOverride({false, true, true, true, true, false}, fav, unfav, n));
    ASSERT_EQ(n.notices.size(), 1u);
    EXPECT_EQ(n.notices[0].text, "喜ぶ神、忌む神はそれぞれ最大３種類に設定してください。");
    EXPECT_EQ(n.notices[0].caption, "入力間違いです");
    EXPECT_EQ(fav, (ElementSlots{0, 4, 5, 0}));
    // Nothing liked: five unfavourable, refused too.
    EXPECT_FALSE(applyElementOverride({}, fav, unfav, n));
    EXPECT_EQ(n.notices.size(), 2u);

    // 木 火 liked: accepted, 土 金 水 unfavourable.
    EXPECT_TRUE(applyElementOverride({false, true, true, false, false, false}, fav, unfav, n));
    EXPECT_EQ(fav, (ElementSlots{0, 1, 2, 0}));
    EXPECT_EQ(unfav, (ElementSlots{0, 3, 4, 5}));
    EXPECT_EQ(elementNamesOf(fav), "木火");
    EXPECT_EQ(elementNamesOf(unfav), "土金水");
    // Three liked, in 木火土金水 order whatever was marked first.
    EXPECT_TRUE(applyElementOverride({false, false, false, true, true, true}, fav, unfav, n));
    EXPECT_EQ(fav, (ElementSlots{0, 3, 4, 5}));
    EXPECT_EQ(unfav, (ElementSlots{0, 1, 2, 0}));
    EXPECT_EQ(n.notices.size(), 2u);
}

}  // namespace
}  // namespace suimei
