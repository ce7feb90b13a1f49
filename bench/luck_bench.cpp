// One chart (1984/02/10 07:00-09:00 男): the engine work behind a click on a luck column's age
// button (ten annual columns, their marks and lines), the life-long element graph of page 7, and
// the twelve-stage month of page 8.

#include <benchmark/benchmark.h>

#include "app/appraisal.h"
#include "bench/sample_run.h"
#include "chart/life_graph.h"
#include "chart/luck.h"
#include "chart/mandata.h"

namespace {

const suimei::Tmandata& sampleChart() {
    return suimei::bench::sampleRunner().chart();
}

void AgeButtonColumns(benchmark::State& state) {
    const suimei::Tmandata& chart = sampleChart();
    const auto columns = suimei::practicalLuckColumns(chart);
    for (auto _ : state) {
        const auto years = suimei::annualColumnsOf(chart, columns.front());
        auto lines = suimei::annualLines(chart, columns.front(), years);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(AgeButtonColumns);

void LifeElementGraph(benchmark::State& state) {
    const suimei::Tmandata& chart = sampleChart();
    for (auto _ : state) {
        auto g = suimei::lifeElementGraph(chart, suimei::ElementGraphWeights{});
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(LifeElementGraph);

void StageMonthGraph(benchmark::State& state) {
    const suimei::Tmandata& chart = sampleChart();
    for (auto _ : state) {
        auto m = suimei::stageMonthGraph(chart, 0, {0, 7, 1, 11, 12, 13, 10, 8, 0, 2, 3, 5, 4},
                                         {2024, 2});
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(StageMonthGraph);

}  // namespace

BENCHMARK_MAIN();
