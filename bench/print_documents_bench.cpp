// Composing the appraisal documents of one chart (1984/02/10 07:00-09:00 男) against the staged
// passage table: the engine's share of each print command (drawing them into a PDF is timed by
// the print window's test).

#include <benchmark/benchmark.h>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "print/chart_document.h"
#include "print/cover_document.h"
#include "print/general_report.h"
#include "print/practical_document.h"
#include "readings/passage_table.h"

namespace {

const suimei::AppPaths& paths() {
    static const suimei::AppPaths p(SUIMEI_APP_DIR);
    return p;
}

suimei::AppraisalRunner& runner() {
    static suimei::AppraisalRunner r{paths()};
    static bool done = false;
    if (!done) {
        suimei::AppraisalInput in;
        in.name = "山田 太郎";
        in.dateText = "1984/02/10";
        in.timeSlotText = "07:00-09:00";
        in.sexText = "男";
        in.today = {2026, 1, 1};
        suimei::RecordingNotifier notes;
        r.run(in, notes);
        done = true;
    }
    return r;
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
