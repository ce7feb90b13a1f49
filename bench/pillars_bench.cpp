// Astronomical pillars and solar facts per birth on one core, with the solar-term table of the
// year already at hand. items_per_second is births per second.

#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/pillars.h"
#include "calendar/solar_terms.h"

namespace {

using namespace suimei;

// A table with the 節 of the year and its neighbours in their places (minute 0): enough for the
// entry depth, built once outside the timed loop.
SolarTermTable tableOf(int year) {
    SolarTermTable t{};
    const int blocks[][2] = {
        {0, year}, {kPreviousYearOffset, year - 1}, {kNextYearOffset, year + 1}};
    for (const auto& [offset, y] : blocks) {
        for (int m = 1; m <= 12; ++m) {
            const MonthEntry e = findMonthEntry(y, m);
            SolarTermEntry& s = t[static_cast<std::size_t>(offset + 2 * (m - 1))];
            s.year = y;
            s.month = m;
            s.day = e.day;
            s.hour = e.hour;
            s.nameIndex = monthTermLongitude(m) / 15 + 1;
        }
    }
    return t;
}

void BM_ComputeSolarFacts(benchmark::State& state) {
    struct Sample {
        BirthMoment birth;
        SolarTermTable table;
    };
    std::vector<Sample> samples;
    for (int i = 0; i < 256; ++i) {
        BirthMoment b;
        b.year = 1950 + (i * 37) % 100;
        b.month = 1 + (i * 5) % 12;
        b.day = 1 + (i * 11) % 28;
        b.hour = (i * 7) % 24;
        b.minute = 10 * (i % 6);
        b.prefecture = 1 + i % 47;
        b.sex = i % 2 ? "男" : "女";
        samples.push_back({b, tableOf(b.year)});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& s = samples[i++ % samples.size()];
        benchmark::DoNotOptimize(computeSolarFacts(s.birth, s.table, 2026));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeSolarFacts);

}  // namespace

BENCHMARK_MAIN();
