// Speed of the old-calendar conversion over many varied dates, with and without its solar-term
// table, and of the solar-term table of a year with and without the per-year cache.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "calendar/old_calendar.h"
#include "calendar/old_calendar_astronomy.h"
#include "calendar/old_calendar_solar_terms.h"
#include "calendar/types.h"

namespace {

struct Date {
    int year, month, day;
};

// Dates spread over 1900..2100, the same on every run.
const std::vector<Date>& variedDates() {
    static const std::vector<Date> dates = [] {
        std::mt19937 rng(1234567u);
        std::vector<Date> out;
        for (int i = 0; i < 4096; ++i) {
            const int y = 1900 + static_cast<int>(rng() % 201);
            const int m = 1 + static_cast<int>(rng() % 12);
            const int d =
                1 + static_cast<int>(rng() % static_cast<unsigned>(suimei::daysInMonth(y, m)));
            out.push_back({y, m, d});
        }
        return out;
    }();
    return dates;
}

// What a birth needs: the conversion and the 72-entry table of its year (cached per year).
void BM_ConvertToOldCalendarWithTermTable(benchmark::State& state) {
    const auto& dates = variedDates();
    suimei::TQrekiMod qreki;
    std::size_t i = 0;
    for (auto _ : state) {
        const Date& d = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(qreki.convertToOldCalendar(d.year, d.month, d.day));
        benchmark::DoNotOptimize(qreki.solarTerms());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_ConvertToOldCalendarWithTermTable);

void BM_OldCalendarDateOnly(benchmark::State& state) {
    const auto& dates = variedDates();
    std::size_t i = 0;
    for (auto _ : state) {
        const Date& d = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(suimei::oldCalendarDate(d.year, d.month, d.day));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_OldCalendarDateOnly);

// The table of a year computed afresh (what the cache saves): 27 samples and their repair.
void BM_SolarTermsOfYearUncached(benchmark::State& state) {
    int year = 1900;
    for (auto _ : state) {
        const double start = suimei::qreki::dayNumber(year, 1, 1);
        std::vector<suimei::qreki::TermMoment> samples;
        for (int offset = 0; offset <= 390; offset += 15) {
            samples.push_back(suimei::qreki::lastTermAtOrBefore(start + offset, 15));
        }
        benchmark::DoNotOptimize(suimei::solarTermsFromSamples(year, samples));
        year = year == 2100 ? 1900 : year + 1;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_SolarTermsOfYearUncached);

void BM_SolarTermTableCached(benchmark::State& state) {
    suimei::SolarTermTable table;
    int year = 1900;
    for (auto _ : state) {
        suimei::fillSolarTermTable(year, table);
        benchmark::DoNotOptimize(table);
        year = year == 2100 ? 1900 : year + 1;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_SolarTermTableCached);

}  // namespace

BENCHMARK_MAIN();
