#pragma once
// Luck periods on the page: the ○ × △ ratings of a luck period and of a year against the liked
// and disliked elements, the practical-appraisal columns (periods from age 21), the ten annual
// columns of a clicked period, the lines between their buttons and the chart's, the two luck
// grids, and the marks a year click leaves in the ten-gods diagram.
//
// Everything here reads the chart record only; texts are names from the fixed tables. Ratings are
// 1 ○ (good), 2 × (bad), 3 △ (neutral); 0 means "no result" for the partial rules.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/mandata.h"

namespace suimei {

inline constexpr int kRatingGood = 1;
inline constexpr int kRatingBad = 2;
inline constexpr int kRatingNeutral = 3;
inline constexpr int kPracticalColumns = 7;  // luck columns of the practical page
inline constexpr int kAnnualColumns = 10;    // annual columns under a clicked luck column
inline constexpr int kPracticalFirstAge = 21;

// "○", "×", "△" for a rating 1..3, "-" otherwise (an empty mark).
std::string_view ratingMark(int rating);

// Relation tests of two stems or branches, unordered; 0 takes part in nothing.
bool stemsCombine(int a, int b);
bool branchesClash(int a, int b);
bool branchesPairCombine(int a, int b);
// Element 1..5 a combining stem pair transforms into (甲己 土, 乙庚 金, 丙辛 水, 丁壬 木, 戊癸 火);
// 0 when the stems do not combine.
int combinationElement(int a, int b);
// Whether a branch belongs to the branch group of an element (the branches that feed it: 木 亥未寅
// 卯辰, 火 寅戌巳午未, 土 辰未戌丑, 金 巳丑申酉戌, 水 亥辰申子丑).
bool branchInElementGroup(int element, int branch);
// Whether the branch feeds any of the liked elements (slots 1..3).
bool branchSupports(int branch, const ElementSlots& liked);

// Rating 1..3 of a luck stem: a stem binding the year (or else the month) stem is judged by the
// transformed element when that element rules the month, otherwise by what the binding takes
// away; a free stem by its own element.
int RateLuckStem(const Tmandata& chart, int stem);
// Rating 1..3 of a luck branch: a branch clashing or pairing with the year (or else the month)
// branch is judged by what that costs the chart; a free branch by its season element.
int RateLuckBranch(const Tmandata& chart, int branch);
// Rating 1..3 of a year under a luck period's branch.
int RateYear(const Tmandata& chart, int luckBranch, int yearStem, int yearBranch);

// The partial rules the year rating reuses; 0 when their condition does not hold.
int rateStemCombination(const Tmandata& chart, int stem);  // RateLuckStem steps 1-2
int rateBranchClash(const Tmandata& chart, int branch);    // RateLuckBranch steps 1-2
int rateBranchPair(const Tmandata& chart, int branch);     // RateLuckBranch steps 3-4

// The branch button's hint: season, roots and hidden stems with their spans in the school's table.
std::string branchHintText(int branch, int hiddenStemSchool);
// The box of a luck or annual branch button: "蔵干は " + each hidden stem's name + " " + "　です。"
// (empty slots skipped); empty for no branch.
std::string hiddenStemBoxText(int branch, int hiddenStemSchool);
// The stem button's text: stem name + ":" + ten-god name ("甲:比肩").
std::string stemButtonText(int stem, int tenGod);

// One luck column of the practical page.
struct PracticalLuckColumn {
    int column = 0;  // 1..7
    int period = 0;  // luck period 2..12 shown in it
    int startAge = 0;
    int stem = 0;
    int branch = 0;
    int tenGod = 0;
    int stage = 0;                         // stage of the day stem on the branch
    std::array<int, 2> marks{};            // RateLuckStem, RateLuckBranch
    std::array<std::string, 2> markHints;  // "25-29才の運", "30-34才の運"
};
// The periods starting at age 21 or later, at most seven, in order.
std::vector<PracticalLuckColumn> practicalLuckColumns(const Tmandata& chart);

// One annual column under a luck column; a column whose age is past 119 is out of range and
// shows nothing but its age.
struct AnnualColumn {
    int index = 0;  // 1..10
    int age = 0;
    bool outOfRange = false;
    int year = 0;  // birth year + age
    int stem = 0;
    int branch = 0;
    int tenGod = 0;
    int stage = 0;
    bool isVoid = false;  // the year branch is one of the two void branches
    int mark = 0;         // RateYear
};
std::array<AnnualColumn, kAnnualColumns> annualColumnsOf(const Tmandata& chart,
                                                         const PracticalLuckColumn& luck);
std::string annualYearText(const AnnualColumn& c);  // "2010年", empty out of range
std::string annualVoidText(const AnnualColumn& c);  // "空亡" or empty
std::string annualMarkHint(const AnnualColumn& c);  // "30才の運"

// The practical-appraisal record: what the luck and annual columns show, 1-based.
struct Tjissen {
    std::array<int, kPracticalColumns + 1> luckStartAge{};
    std::array<int, kPracticalColumns + 1> luckStem{};
    std::array<int, kPracticalColumns + 1> luckBranch{};
    std::array<int, kPracticalColumns + 1> luckTenGod{};
    std::array<int, kAnnualColumns + 1> annualAge{};
    std::array<int, kAnnualColumns + 1> annualStem{};
    std::array<int, kAnnualColumns + 1> annualBranch{};
};
Tjissen practicalRecord(const std::vector<PracticalLuckColumn>& luck);
void recordAnnualColumns(Tjissen& record, const std::array<AnnualColumn, kAnnualColumns>& years);

// A button of the practical page a line can join.
enum class LineOwner { Day, Month, Year, Luck, Annual };
struct LineEnd {
    LineOwner owner = LineOwner::Day;
    int annual = 0;  // 1..10 for an annual column
    bool stem = false;
    friend bool operator==(const LineEnd&, const LineEnd&) = default;
};
enum class LineKind { Clash, Combination, Punishment };
struct LuckLine {
    LineEnd from;  // the upper button; the line runs from its lower edge
    LineEnd to;
    LineKind kind = LineKind::Clash;
    friend bool operator==(const LuckLine&, const LuckLine&) = default;
};
// "day.branch", "month.stem", "luck.branch", "annual3.stem".
std::string lineEndName(const LineEnd& end);
std::string_view lineKindName(LineKind kind);  // 冲, 干合, 三刑
// Colour as 0xRRGGBB: 冲 fuchsia, 干合 green, 三刑 yellow.
int lineColourRgb(LineKind kind);

// Lines inside the chart copy: day–month and month–year, branch clashes and stem combinations.
std::vector<LuckLine> practicalChartLines(const Tmandata& chart);
// Lines of a clicked luck column: the luck pillar against the chart, each annual pillar against
// the chart and the luck pillar, and the punishments they complete with the chart's branches.
std::vector<LuckLine> annualLines(const Tmandata& chart, const PracticalLuckColumn& luck,
                                  const std::array<AnnualColumn, kAnnualColumns>& years);

// The two grids of the luck-analysis page as rows of cell texts, column 0 the row headers: the
// period grid 5 rows x 13 columns, the year grid 6 rows x 121 columns (ages 0..119).
struct LuckGrids {
    std::vector<std::vector<std::string>> dai;
    std::vector<std::vector<std::string>> nen;
};
LuckGrids luckGrids(const Tmandata& chart);

// Index 1..11 of the luck period holding the age (start(k) <= age < start(k+1)); 0 beyond.
int luckPeriodAtAge(const Tmandata& chart, int age);

// The ten-gods diagram: five groups around the day master, by element.
enum class DiagramLineSet { None, Production, Control };  // 相生, 相剋
struct DiagramLine {
    int fromTenGod = 0;
    int toTenGod = 0;
    DiagramLineSet set = DiagramLineSet::None;
};
// Which set a line between two ten gods belongs to: production when one group's element produces
// the other's, control when one controls the other, none within a group.
DiagramLineSet diagramLineSet(int tenGodA, int tenGodB);
struct DiagramGroup {
    int element = 0;      // element of the group seen from the day stem
    std::string fortune;  // "吉星" liked, "凶星" disliked, empty otherwise
};
// Groups 1..5 (index 0 unused).
std::array<DiagramGroup, 6> tenGodDiagramGroups(const Tmandata& chart);
// 命式鑑定: the ten gods of the year, month and hour stems and of the four active hidden stems
// (0 where the chart has none), and the lines between every two of them that produce or control.
struct DiagramReading {
    std::array<int, 7> tenGods{};
    std::vector<DiagramLine> lines;
};
DiagramReading tenGodDiagramReading(const Tmandata& chart);
// The marks of a click on a year of the year grid.
struct DiagramYearMarks {
    int group = 0;  // the year's group, marked with the black circle and the age label
    int tenGod = 0;
    std::string ageLabel;  // age + "才"
    int luckTenGod = 0;    // red circle; 0 hides it (the age lies beyond the last period)
    int usefulTenGod = 0;  // where the useful-stem lines start
    std::vector<DiagramLine> lines;
};
DiagramYearMarks tenGodDiagramYearMarks(const Tmandata& chart, int age);

}  // namespace suimei
