// One chart (1984/02/10 07:00-09:00 女) against the staged reading tables: the engine work behind
// each press of the AI memo's buttons (a passage lookup, the one-point rules, the sixty-pillar
// reading, a medicine passage).

#include <benchmark/benchmark.h>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "readings/memo_appraisal.h"

namespace {

const suimei::AppPaths& paths() {
    static const suimei::AppPaths p(SUIMEI_APP_DIR);
    return p;
}

const suimei::Tmandata& sampleChart() {
    static suimei::AppraisalRunner runner{paths()};
    static bool done = false;
    if (!done) {
        suimei::AppraisalInput in;
        in.dateText = "1984/02/10";
        in.timeSlotText = "07:00-09:00";
        in.sexText = "女";
        in.today = {2026, 1, 1};
        suimei::RecordingNotifier notes;
        runner.run(in, notes);
        done = true;
    }
    return runner.chart();
}

suimei::PassageTable& passages() {
    static auto table = suimei::PassageTable::open(paths());
    return *table;
}

void MemoPassageButton(benchmark::State& state) {
    const auto& button = suimei::kMemoButtons[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(button.name));
    for (auto _ : state) {
        auto lines = suimei::memoPassageLines(button, suimei::ReadingMode::Professional,
                                              sampleChart(), passages());
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(MemoPassageButton)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

void MemoOnePoint(benchmark::State& state) {
    for (auto _ : state) {
        auto lines = suimei::onePointButtonLines(sampleChart());
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(MemoOnePoint)->Unit(benchmark::kMicrosecond);

void MemoSixtyPillar(benchmark::State& state) {
    auto sixty = suimei::openReadingTable(paths(), suimei::ReadingTableKind::SixtyPillars);
    for (auto _ : state) {
        auto lines = suimei::sixtyPillarButtonLines(sampleChart(), *sixty);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(MemoSixtyPillar)->Unit(benchmark::kMicrosecond);

void MemoMedicineStem(benchmark::State& state) {
    for (auto _ : state) {
        auto lines = suimei::medicineStemLines(sampleChart().dayPillar.stem, passages());
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(MemoMedicineStem)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
