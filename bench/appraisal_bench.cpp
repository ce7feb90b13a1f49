// Per birth on one core: the astronomical solar facts with the old-calendar conversion and its
// solar-term table (a birth moment), and the complete appraisal run (a chart).

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "app/appraisal.h"
#include "calendar/old_calendar.h"
#include "calendar/pillars.h"

namespace {

struct Birth {
    int year, month, day, slot;
};

std::vector<Birth> births(std::size_t n) {
    std::mt19937 random(1984);
    std::vector<Birth> out;
    for (std::size_t i = 0; i < n; ++i) {
        const int y = 1900 + static_cast<int>(random() % 200);
        const int m = 1 + static_cast<int>(random() % 12);
        const int d = 1 + static_cast<int>(random() % suimei::daysInMonth(y, m));
        out.push_back({y, m, d, static_cast<int>(random() % 13)});
    }
    return out;
}

void BirthMomentFacts(benchmark::State& state) {
    const auto sample = births(4096);
    suimei::TQrekiMod qreki;
    std::size_t i = 0;
    for (auto _ : state) {
        const Birth& b = sample[i++ % sample.size()];
        const auto old = qreki.convertToOldCalendar(b.year, b.month, b.day);
        suimei::BirthMoment moment;
        moment.year = b.year;
        moment.month = b.month;
        moment.day = b.day;
        suimei::birthTimeSlotMiddle(b.slot, moment.hour, moment.minute);
        const auto facts = suimei::computeSolarFacts(moment, qreki.solarTerms(), 2026);
        benchmark::DoNotOptimize(old);
        benchmark::DoNotOptimize(facts);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BirthMomentFacts);

void CompleteAppraisal(benchmark::State& state) {
    const auto sample = births(4096);
    suimei::AppraisalRunner runner{suimei::AppPaths(SUIMEI_APP_DIR)};
    suimei::RecordingNotifier notes;
    suimei::AppraisalInput in;
    in.name = "bench";
    in.sexText = "女";
    in.today = {2026, 12, 8};
    std::size_t i = 0;
    for (auto _ : state) {
        const Birth& b = sample[i++ % sample.size()];
        char date[16];
        std::snprintf(date, sizeof date, "%04d/%02d/%02d", b.year, b.month, b.day);
        in.dateText = date;
        in.timeSlotText = std::string(suimei::kBirthTimeSlots[static_cast<std::size_t>(b.slot)]);
        benchmark::DoNotOptimize(runner.run(in, notes));
        notes.notices.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CompleteAppraisal);

}  // namespace

BENCHMARK_MAIN();
