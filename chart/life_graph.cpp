#include "chart/life_graph.h"

#include "calendar/quick_pillars.h"
#include "chart/chart_rules.h"

namespace suimei {

namespace {

// Categories seen from the day stem's element, in the order same, produced, controlled,
// controlling, producing.
constexpr std::array<std::string_view, 5> kCategoryNames = {"気力", "食傷", "財星", "官星", "印星"};
constexpr std::array<std::string_view, 5> kCategoryDescriptions = {
    "競争力・やる気・実行力", "奉仕・サービス精神", "商売・ビジネス", "出世・地位・仕事",
    "企画・アイデア・学習"};

// 0 same, 1 produced by the day element, 2 controlled, 3 controlling, 4 producing.
int relationFrom(int from, int x) {
    return floorMod(x - from, 5);
}

}  // namespace

int luckWeightOn(int luckElement, int x, const ElementGraphWeights& w) {
    if (luckElement < 1 || luckElement > 5 || x < 1 || x > 5) return 0;
    switch (relationFrom(luckElement, x)) {
        case 0:
            return w.luckSame;
        case 1:
            return w.luckProduced;
        case 2:
            return w.luckControlled;
        case 3:
            return w.luckControlling;
        default:
            return w.luckProducing;
    }
}

LifeGraph lifeElementGraph(const Tmandata& chart, const ElementGraphWeights& weights) {
    LifeGraph g;
    const int dayElement = elementOfStem(chart.dayPillar.stem);
    if (dayElement == 0) return g;
    for (int e = 1; e <= 5; ++e) {
        const int rel = relationFrom(dayElement, e);
        g.categories[static_cast<std::size_t>(e)] = {
            std::string(elementName(e)) + "性：" + std::string(kCategoryNames[rel]),
            std::string(kCategoryDescriptions[rel])};
    }

    const int start = chart.luckAges[2];
    g.ages[0] = 0;
    for (int k = 1; k < kLifeGraphPoints; ++k) g.ages[static_cast<std::size_t>(k)] = start + k - 1;
    for (int e = 1; e <= 5; ++e) {
        g.series[static_cast<std::size_t>(e)][0] = chart.elementPoints[static_cast<std::size_t>(e)];
    }
    for (int h = 1; h <= 20; ++h) {
        // Blocks 1, 2 are period 2's stem and branch, 3, 4 period 3's, ... 19, 20 period 11's.
        const auto period = static_cast<std::size_t>(2 + (h - 1) / 2);
        const int luckElement = h % 2 == 1 ? elementOfStem(chart.luckStems[period])
                                           : elementOfBranch(chart.luckBranches[period]);
        const int base = 5 * (h - 1);
        for (int p = base + 1; p <= base + 5; ++p) {
            const auto pi = static_cast<std::size_t>(p);
            for (int e = 1; e <= 5; ++e) {
                const auto ei = static_cast<std::size_t>(e);
                g.series[ei][pi] = g.series[ei][static_cast<std::size_t>(base)] +
                                   luckWeightOn(luckElement, e, weights);
            }
            const int age = g.ages[pi];
            if (age >= 0 && age < kAnnualYears) {
                const int yearElement =
                    elementOfStem(chart.annualStems[static_cast<std::size_t>(age)]);
                if (yearElement != 0) {
                    g.series[static_cast<std::size_t>(yearElement)][pi] += weights.yearSame;
                }
            }
        }
    }
    return g;
}

YearMonth stepMonth(YearMonth at, int months) {
    const int index = at.year * 12 + (at.month - 1) + months;
    return {floorDiv(index, 12), floorMod(index, 12) + 1};
}

StageMonth stageMonthGraph(const Tmandata& chart, int stageSchool,
                           const std::array<int, 13>& points, YearMonth at) {
    StageMonth m;
    m.year = at.year;
    m.month = at.month;
    m.yearText = std::to_string(at.year) + "年";
    m.monthText = std::to_string(at.month) + "月";
    const int dayStem = chart.dayPillar.stem;
    if (!isStem(dayStem)) return m;
    const int days = daysInMonth(at.year, at.month);
    for (int d = 1; d <= days; ++d) {
        StageDay s;
        s.day = d;
        s.branch = quickDayBranch(at.year, at.month, d);
        s.stage = twelveStageOf(dayStem, s.branch, stageSchool);
        s.points = s.stage >= 1 && s.stage <= 12 ? points[static_cast<std::size_t>(s.stage)] : 0;
        m.days.push_back(s);
    }
    return m;
}

std::vector<std::string> stageChooserItems(const std::array<int, 13>& points) {
    std::vector<std::string> items;
    for (int st = 1; st <= 12; ++st) {
        items.push_back(std::to_string(points[static_cast<std::size_t>(st)]) + "点-" +
                        std::string(stageName(st)));
    }
    return items;
}

}  // namespace suimei
