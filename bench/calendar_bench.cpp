// The printed calendars of one chart (1984/02/10 07:00-09:00 男) composed by the engine: a month
// and the twelve months of a year, the fortune calendar with its texts read from the staged
// passage table, the lunar-mansion calendar with an old-calendar conversion for every day.

#include <benchmark/benchmark.h>

#include "app/appraisal.h"
#include "app/calendar_documents.h"
#include "app/settings.h"
#include "bench/sample_run.h"

namespace {

suimei::AppraisalRunner& runner() {
    return suimei::bench::sampleRunner();
}

void FortuneCalendar(benchmark::State& state) {
    const suimei::AppPaths paths(SUIMEI_APP_DIR);
    const suimei::Settings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(suimei::fortuneCalendarDocument(
            runner(), settings, paths, "山田 太郎", 2027, static_cast<int>(state.range(0))));
    }
}
BENCHMARK(FortuneCalendar)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

void MansionCalendar(benchmark::State& state) {
    const suimei::Settings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(suimei::mansionCalendarDocument(
            runner(), settings, "山田 太郎", 2027, static_cast<int>(state.range(0))));
    }
}
BENCHMARK(MansionCalendar)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
