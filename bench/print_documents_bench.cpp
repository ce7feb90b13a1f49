// Composing the appraisal documents of one chart (1984/02/10 07:00-09:00 男) against the staged
// passage table: the engine's share of each print command (drawing them into a PDF is timed by
// the print window's test).

#include <benchmark/benchmark.h>

#include "app/appraisal.h"
#include "bench/sample_run.h"
#include "chart/mandata.h"
#include "print/chart_document.h"
#include "print/cover_document.h"
#include "print/general_report.h"
#include "print/practical_document.h"
#include "readings/passage_table.h"

namespace {

const suimei::AppPaths& paths() {
    return suimei::bench::samplePaths();
}

suimei::AppraisalRunner& runner() {
    return suimei::bench::sampleRunner();
}

void ChartDocument(benchmark::State& state) {
    const auto& r = runner();
    for (auto _ : state) {
        auto content = suimei::print::chartDocumentContent(r.chart(), 0, r.nineStars());
        benchmark::DoNotOptimize(suimei::print::composeChartDocument(content));
    }
}
BENCHMARK(ChartDocument);

void PracticalDocument(benchmark::State& state) {
    const auto& chart = runner().chart();
    suimei::print::PracticalDocumentContent content;
    content.chart = &chart;
    content.luck = suimei::practicalLuckColumns(chart).at(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(suimei::print::composePracticalDocument(content));
    }
}
BENCHMARK(PracticalDocument);

void GeneralReport(benchmark::State& state) {
    static auto passages = suimei::PassageTable::open(paths());
    const auto& chart = runner().chart();
    for (auto _ : state) {
        auto content = suimei::print::generalReportContent(chart, *passages);
        benchmark::DoNotOptimize(suimei::print::composeGeneralReport(content));
    }
}
BENCHMARK(GeneralReport);

void Cover(benchmark::State& state) {
    suimei::print::CoverContent content;
    content.practitionerName = "鑑定室 星見";
    content.picture = suimei::print::coverPicturePath(paths().hyousiDir(), 0);
    for (auto _ : state) benchmark::DoNotOptimize(suimei::print::composeCover(content));
}
BENCHMARK(Cover);

}  // namespace

BENCHMARK_MAIN();
