#pragma once
// Growth-stage diagnosis: how five features of a chart read at three levels of the client's
// maturity, and the growth score out of 30 that the chosen levels add up to.
//
// Levels 0..2 = 未成熟, 成長途中, 成熟. Features in their window order: spirit (day stem), ability
// (the pair of month and year ten-god groups), instinct (day branch), conduct (twelve stage of the
// day master on the day branch) and personality (lunar mansion 1..28).

#include <array>
#include <string>
#include <string_view>

namespace suimei {

class Tmandata;

inline constexpr int kGrowthLevels = 3;
inline constexpr int kGrowthFeatures = 5;
inline constexpr int kGrowthMaximumScore = 30;

// Level names 0..2; empty text out of range.
std::string_view growthLevelName(int level);
// The three descriptions of the overall level, 0..2; empty text out of range.
std::string_view overallLevelText(int level);

struct GrowthFeatureInfo {
    std::string_view group;       // R1 .. R5
    std::string_view caption;     // "精神の成長度", ...
    std::string_view scoreLabel;  // "精神：", ...
    int weight = 0;               // score per level
    int rows = 0;                 // selecting values 1..rows
};

// The five features in window order (R1 .. R5).
const std::array<GrowthFeatureInfo, kGrowthFeatures>& growthFeatures();

// Ten-god pair index 1..25: 5 × (group of the month stem's ten god − 1) + group of the year
// stem's, the groups being 比劫 1, 食傷 2, 財 3, 官 4, 印 5. 0 when either ten god is not 1..10.
int tenGodPairIndex(int monthTenGod, int yearTenGod);

// The value that selects each feature's sentences: day stem, ten-god pair index, day branch,
// day-master stage on the day branch, mansion number. 0 where the chart has none (no run yet).
std::array<int, kGrowthFeatures> growthSelectors(const Tmandata& chart);

// The sentence of feature 0..4 for selecting value 1..rows at level 0..2; empty text when any
// argument is out of range.
std::string_view growthSentence(int feature, int value, int level);

// Score of feature 0..4 at level 0..2 (level × weight); 0 out of range.
int growthScore(int feature, int level);
// "精神：" + score + "点", ...
std::string growthScoreLabel(int feature, int level);
// "合計点数 " + sum + " 点／30点満点" for the levels of the five features.
std::string growthTotalLabel(const std::array<int, kGrowthFeatures>& levels);

}  // namespace suimei
