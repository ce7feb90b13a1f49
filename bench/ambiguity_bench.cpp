// The ambiguity of a birth on one core: the cheap facts every listed client of a batch costs
// (minutes to the nearest entry and hour boundary), and the candidate charts worked on demand for a
// birth near an hour boundary and for an unknown time.

#include <benchmark/benchmark.h>

#include "app/appraisal.h"
#include "app/birth_ambiguity.h"
#include "core/notifier.h"
#include "sample_run.h"

namespace {

suimei::AppraisalRunner& runnerFor(const char* slot) {
    static suimei::AppraisalRunner runner{suimei::bench::samplePaths()};
    suimei::AppraisalInput in;
    in.dateText = "2000/01/01";
    in.timeSlotText = slot;
    in.sexText = "男";
    in.today = {2026, 1, 1};
    suimei::RecordingNotifier notes;
    runner.run(in, notes);
    return runner;
}

void AmbiguityFacts(benchmark::State& state) {
    suimei::AppraisalRunner& runner = suimei::bench::sampleRunner();
    for (auto _ : state) benchmark::DoNotOptimize(suimei::assessBirthAmbiguity(runner));
}
BENCHMARK(AmbiguityFacts);

void CandidatesNearAnHourBoundary(benchmark::State& state) {
    suimei::AppraisalRunner& runner = runnerFor("00:00-01:00");
    const suimei::BirthAmbiguity a = suimei::assessBirthAmbiguity(runner);
    for (auto _ : state) benchmark::DoNotOptimize(suimei::candidateCharts(runner, a));
}
BENCHMARK(CandidatesNearAnHourBoundary)->Unit(benchmark::kMillisecond);

void CandidatesOfAnUnknownTime(benchmark::State& state) {
    suimei::AppraisalRunner& runner = runnerFor("不明の場合");
    const suimei::BirthAmbiguity a = suimei::assessBirthAmbiguity(runner);
    for (auto _ : state) benchmark::DoNotOptimize(suimei::candidateCharts(runner, a));
}
BENCHMARK(CandidatesOfAnUnknownTime)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
