// Speed of the sun of each astronomy: one apparent longitude, the solar-term table of a year
// computed afresh, and the solar facts of a birth (three month entries found to the hour).
#include <benchmark/benchmark.h>

#include "calendar/astronomy.h"
#include "calendar/old_calendar_solar_terms.h"
#include "calendar/pillars.h"

namespace {

suimei::Astronomy astronomyOf(const benchmark::State& state) {
    return state.range(0) == 1 ? suimei::Astronomy::Precise : suimei::Astronomy::Described;
}

void BM_ApparentSunLongitude(benchmark::State& state) {
    const suimei::Astronomy astronomy = astronomyOf(state);
    double jd = 2415020.5;  // 1900
    for (auto _ : state) {
        benchmark::DoNotOptimize(suimei::apparentSunLongitude(astronomy, jd));
        jd += 0.37;
    }
}
BENCHMARK(BM_ApparentSunLongitude)->Arg(0)->Arg(1)->ArgName("precise");

// Years 1..9999 in turn: the per-year cache (1024 years) never holds the one asked for.
void BM_SolarTermsOfYearUncached(benchmark::State& state) {
    const suimei::Astronomy astronomy = astronomyOf(state);
    int year = 0;
    for (auto _ : state) {
        year = year % 9999 + 1;
        benchmark::DoNotOptimize(suimei::solarTermsOfYear(year, astronomy));
    }
}
BENCHMARK(BM_SolarTermsOfYearUncached)->Arg(0)->Arg(1)->ArgName("precise");

void BM_SolarFactsOfABirth(benchmark::State& state) {
    const suimei::Astronomy astronomy = astronomyOf(state);
    const suimei::SolarTermTable table = suimei::solarTermTable(1984, astronomy);
    suimei::BirthMoment birth;
    birth.year = 1984;
    birth.month = 2;
    birth.hour = 8;
    int day = 0;
    for (auto _ : state) {
        birth.day = day++ % 28 + 1;
        benchmark::DoNotOptimize(suimei::computeSolarFacts(birth, table, 2026, astronomy));
    }
}
BENCHMARK(BM_SolarFactsOfABirth)->Arg(0)->Arg(1)->ArgName("precise");

}  // namespace

BENCHMARK_MAIN();
