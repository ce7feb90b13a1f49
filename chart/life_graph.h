#pragma once
// The two rhythm graphs: the life-long five-element energy over 101 ages, moved by the luck
// periods and the years, and the day-by-day twelve-stage points of the day master for one month.

#include <array>
#include <string>
#include <vector>

#include "chart/mandata.h"

namespace suimei {

inline constexpr int kLifeGraphPoints = 101;

// What a luck period's element does to each element of the chart, and a year's to its own.
struct ElementGraphWeights {
    int luckSame = 3;         // the same element
    int luckProduced = 1;     // the element the luck produces
    int luckControlled = -2;  // the element the luck controls
    int luckControlling = 0;  // the element controlling the luck
    int luckProducing = -1;   // the element producing the luck
    int yearSame = 1;         // a year's stem element on the same element
};

struct LifeCategory {
    std::string label;        // element + "性：" + category ("木性：気力")
    std::string description;  // "競争力・やる気・実行力", ...
};

struct LifeGraph {
    std::array<int, kLifeGraphPoints>
        ages{};  // point 0 age 0, point k the start of period 2 + k - 1
    // series[e][p], element e 1..5 (index 0 unused).
    std::array<std::array<int, kLifeGraphPoints>, 6> series{};
    std::array<LifeCategory, 6> categories;  // [1..5] 木..水
};

// The weight of a luck element on element x.
int luckWeightOn(int luckElement, int x, const ElementGraphWeights& w);

// The graph of a finished chart: point 0 holds the element points; twenty five-year blocks take
// in turn the elements of the stems and branches (season elements) of luck periods 2..11, each
// block starting from the last point of the one before; every point then adds the year weight to
// the element of that age's year stem. All zero before a run.
LifeGraph lifeElementGraph(const Tmandata& chart, const ElementGraphWeights& weights);

struct YearMonth {
    int year = 0;
    int month = 0;
    friend bool operator==(const YearMonth&, const YearMonth&) = default;
};
// The month `months` away (12 up becomes 1 of the next year, 1 down 12 of the one before).
YearMonth stepMonth(YearMonth at, int months);

struct StageDay {
    int day = 0;
    int branch = 0;
    int stage = 0;
    int points = 0;
};
struct StageMonth {
    int year = 0;
    int month = 0;
    std::string yearText;   // "2024年"
    std::string monthText;  // "2月"
    std::vector<StageDay> days;
};
// The day master's stage on each day's branch of the month, with the stage's points (index 1..12
// of `points`); empty days before a run.
StageMonth stageMonthGraph(const Tmandata& chart, int stageSchool,
                           const std::array<int, 13>& points, YearMonth at);
// The stage chooser's items, stage 1..12: points + "点-" + stage name ("7点-長生").
std::vector<std::string> stageChooserItems(const std::array<int, 13>& points);

}  // namespace suimei
