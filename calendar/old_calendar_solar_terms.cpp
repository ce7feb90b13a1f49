#include "calendar/old_calendar_solar_terms.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <unordered_map>
#include <vector>

#include "calendar/old_calendar_astronomy.h"

namespace suimei {

namespace {

// The sampled search of a year: every 15 days from January 1 for 390 days.
constexpr int kSampleStep = 15;
constexpr int kLastSampleOffset = 390;
// From a term, 22 days later lies past the next term and before the one after it (terms are 14.7
// to 15.8 days apart), so a search from there finds the next term.
constexpr double kNextTermProbe = 22.0;
// Years cached per thread before the cache starts afresh.
constexpr std::size_t kMaxCachedYears = 1024;

int angleIndexOf(double angle) {
    return static_cast<int>(std::floor(angle / 15.0 + 1.0));
}

SolarTermEntry entryOf(const qreki::TermMoment& term) {
    SolarTermEntry e;
    const qreki::CivilMoment c = qreki::dateFromDayNumber(term.dayNumber);
    e.year = c.year;
    e.month = c.month;
    e.day = c.day;
    e.hour = c.hour;
    e.minute = c.minute;
    e.second = c.second;
    e.nameIndex = angleIndexOf(term.angle);
    e.name = std::string(solarTermName(e.nameIndex));
    char text[48];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    e.text = text;
    return e;
}

YearSolarTerms computeYear(int year, Astronomy astronomy) {
    const double start = qreki::dayNumber(year, 1, 1);
    std::vector<qreki::TermMoment> sampled;
    for (int offset = 0; offset <= kLastSampleOffset; offset += kSampleStep) {
        sampled.push_back(qreki::lastTermAtOrBefore(start + offset, kSampleStep, astronomy));
    }
    return solarTermsFromSamples(year, sampled, astronomy);
}

const YearSolarTerms& cachedYear(int year, Astronomy astronomy) {
    // Keyed by year and astronomy: the two tables of a year differ by minutes.
    thread_local std::unordered_map<int, std::unique_ptr<const YearSolarTerms>> cache;
    const int key = astronomy == Astronomy::Precise ? -year : year;
    const auto it = cache.find(key);
    if (it != cache.end()) return *it->second;
    if (cache.size() >= kMaxCachedYears) cache.clear();
    auto terms = std::make_unique<const YearSolarTerms>(computeYear(year, astronomy));
    return *cache.emplace(key, std::move(terms)).first->second;
}

void copyInto(int year, SolarTermTable& table, std::size_t offset, Astronomy astronomy) {
    if (year < kFirstTableYear || year > kLastTableYear) {
        for (std::size_t i = 0; i < 24; ++i) table[offset + i] = SolarTermEntry{};
        return;
    }
    // The reference from cachedYear stays valid only until the next call: copy before asking again.
    const YearSolarTerms& terms = cachedYear(year, astronomy);
    for (std::size_t i = 0; i < terms.size(); ++i) table[offset + i] = terms[i];
}

}  // namespace

YearSolarTerms solarTermsFromSamples(int year, const std::vector<qreki::TermMoment>& sampled,
                                     Astronomy astronomy) {
    // found[k]: the term with angle index k (1..24) whose date lies in the year, first find kept.
    std::array<qreki::TermMoment, 25> found{};
    std::array<bool, 25> have{};
    for (const qreki::TermMoment& term : sampled) {
        const int k = angleIndexOf(term.angle);
        if (k < 1 || k > 24 || have[static_cast<std::size_t>(k)]) continue;
        if (qreki::dateFromDayNumber(term.dayNumber).year != year) continue;
        found[static_cast<std::size_t>(k)] = term;
        have[static_cast<std::size_t>(k)] = true;
    }
    YearSolarTerms terms;
    // The term before 小寒 is the 冬至 of the year before, found from January 1.
    double previous =
        qreki::lastTermAtOrBefore(qreki::dayNumber(year, 1, 1), kSampleStep, astronomy).dayNumber;
    for (int position = 0; position < 24; ++position) {
        const auto k = static_cast<std::size_t>(solarTermIndexAtPosition(position));
        if (!have[k]) {
            found[k] = qreki::lastTermAtOrBefore(previous + kNextTermProbe, kSampleStep, astronomy);
        }
        previous = found[k].dayNumber;
        terms[static_cast<std::size_t>(position)] = entryOf(found[k]);
    }
    return terms;
}

std::string_view solarTermName(int nameIndex) {
    return nameIndex >= 1 && nameIndex <= 24 ? kSolarTermNames[static_cast<std::size_t>(nameIndex)]
                                             : std::string_view{};
}

int solarTermIndexAtPosition(int position) {
    // Position 0 is 小寒 (285°, index 20); each position adds 15°.
    return position >= 0 && position < 24 ? (position + 19) % 24 + 1 : 0;
}

YearSolarTerms solarTermsOfYear(int year, Astronomy astronomy) {
    if (year < kFirstTableYear || year > kLastTableYear) return {};
    return cachedYear(year, astronomy);
}

void fillSolarTermTable(int year, SolarTermTable& table, Astronomy astronomy) {
    copyInto(year, table, 0, astronomy);
    copyInto(year > kFirstTableYear - 1 ? year - 1 : kFirstTableYear - 1, table,
             kPreviousYearOffset, astronomy);
    copyInto(year < kLastTableYear + 1 ? year + 1 : kLastTableYear + 1, table, kNextYearOffset,
             astronomy);
}

SolarTermTable solarTermTable(int year, Astronomy astronomy) {
    SolarTermTable table;
    fillSolarTermTable(year, table, astronomy);
    return table;
}

}  // namespace suimei
