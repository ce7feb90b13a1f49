#pragma once
// The chart's conclusion: five-element tallies, points and ranks, the pattern (格局), the useful
// stem (用神), the climate stem (調候用神) and elements, the favourable (喜ぶ五行) and unfavourable
// (忌む五行) elements, and the reader's override of the last two.
//
// Per-element arrays are indexed by element 1..5 (木火土金水); index 0 is unused and stays 0.
// H below is the month branch's active hidden stem.

#include <array>
#include <string>
#include <string_view>

#include "chart/relations.h"
#include "core/notifier.h"

namespace suimei {

class Tmandata;

using ElementArray = std::array<int, 6>;
// Slots 1..3 of favourable or unfavourable elements; index 0 unused, an empty slot is 0.
using ElementSlots = std::array<int, 4>;

// Element 1..5 reached from e by k steps along 木→火→土→金→水→木 (k may be negative); 0 for e
// outside 1..5.
constexpr int elementStep(int e, int k) {
    return e >= 1 && e <= 5 ? floorMod(e - 1 + k, 5) + 1 : 0;
}

// Transformed element 1..5 of two stems that combine (甲己 土, 乙庚 金, 丙辛 水, 丁壬 木, 戊癸 火);
// 0 otherwise. A missing stem (0) combines with nothing.
int stemCombinationElement(int a, int b);
// True when two branches 1..12 clash (six apart); a missing branch clashes with nothing.
bool isClash(int a, int b);
// True when two branches form a 支合 pair: 子丑, 寅亥, 卯戌, 辰酉, 巳申, 午未.
bool isPairCombination(int a, int b);
// Relation 1..5 of element x to element e: 1 same, 2 output, 3 wealth, 4 officer, 5 resource;
// `fallback` when either element is outside 1..5.
int elementRelation(int e, int x, int fallback);

struct RankedElement {
    int element = 0;
    int points = 0;
};

// Element tallies of a chart.
struct ElementTally {
    ElementArray stemCount{};    // elementStemCount: stems per element after combinations
    ElementArray branchTally{};  // elementBranchTally: branches not bound or clashed
    ElementArray points{};       // elementPoints: five-element energy
    ElementArray rank{};         // elementRank: energy level 1..5 (0 when no element has points)
    std::array<RankedElement, 6> ranked{};  // rankedElements 1..5, most points first
    int topElement() const { return ranked[1].element; }
};

// Stem tally, branch tally, points and ranks of four pillars with month hidden stem H.
ElementTally computeElementTally(const FourPillars& pillars, int monthActiveHidden);

// Pattern name of the chart: a following pattern "従旺格" "従強格" "従児格" "従財格" "従殺格" when
// no broken-test applies, else the inner pattern of H's ten god (1..10). A ten god of 0 leaves
// `patternName` as it was.
void decidePattern(const FourPillars& pillars, int monthActiveHidden, int monthActiveHiddenTenGod,
                   const ElementTally& tally, std::string& patternName);
// The chart's tallies, points and ranks from its pillars and the month's active hidden stem.
void computeElementTally(Tmandata& chart);
// The chart's pattern name from its tallies and the month's active hidden stem and its ten god.
void decidePattern(Tmandata& chart);
// True for the five following patterns.
bool isFollowingPattern(std::string_view patternName);

// Climate stem by month branch: 癸 (10) for 巳午未, 丙 (3) for 亥子丑, else 0.
int climateStemOf(int monthBranch);
// Useful stem 1..10 (用神) of the chart.
int usefulStemOf(const FourPillars& pillars, int monthActiveHidden, int monthActiveHiddenTenGod,
                 std::string_view patternName, int topElement);
// Climate elements (調候) as element names run together, e.g. "金火", by the day master's element
// and the month branch; empty for a missing stem or branch.
std::string_view climateElementsOf(int dayStem, int monthBranch);

// Favourable elements in slots 1..3. A useful stem outside 1..10 tells the notifier
// "man.yojin data is illegal" (caption "Debug") and leaves every slot empty.
ElementSlots favourableElementsOf(std::string_view patternName, int usefulStem, int dayStem,
                                  const ElementArray& points, Notifier& notifier);
// Unfavourable elements: the first three elements in 木火土金水 order in no favourable slot.
ElementSlots unfavourableElementsOf(const ElementSlots& favourable);
// Names of the non-empty slots run together, e.g. "金水".
std::string elementNamesOf(const ElementSlots& slots);

// The override window's starting marks: liked[e] is true for the elements of the favourable slots.
std::array<bool, 6> overrideStartMarks(const ElementSlots& favourable);
// The override's "確認して閉じる": the elements marked liked (木火土金水 order) become the
// favourable slots, the others the unfavourable ones. More than three on either side shows
// "喜ぶ神、忌む神はそれぞれ最大３種類に設定してください。" (caption "入力間違いです"), changes
// nothing and returns false.
bool applyElementOverride(const std::array<bool, 6>& liked, ElementSlots& favourable,
                          ElementSlots& unfavourable, Notifier& notifier);

}  // namespace suimei
