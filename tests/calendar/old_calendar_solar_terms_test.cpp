// Solar-term table of the old-calendar astronomy: its layout for every supported year, and its
// times against published JST times of the terms.
#include "calendar/old_calendar_solar_terms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <thread>
#include <vector>

#include "calendar/old_calendar.h"
#include "calendar/old_calendar_astronomy.h"

namespace suimei {
namespace {

double dayNumberOf(const SolarTermEntry& e) {
    return qreki::dayNumber(e.year, e.month, e.day, e.hour, e.minute, e.second);
}

TEST(SolarTermTable, EntryOfEachMonthIsItsOpeningTermForAllSupportedYears) {
    for (int year = 1312; year <= 2200; ++year) {
        const YearSolarTerms terms = solarTermsOfYear(year);
        for (int m = 1; m <= 12; ++m) {
            const SolarTermEntry& opening = terms[static_cast<std::size_t>(2 * (m - 1))];
            const SolarTermEntry& middle = terms[static_cast<std::size_t>(2 * (m - 1) + 1)];
            ASSERT_EQ(opening.month, m) << year << " " << opening.name;
            ASSERT_EQ(opening.year, year);
            ASSERT_EQ(middle.year, year);
        }
        for (int i = 0; i < 24; ++i) {
            const SolarTermEntry& e = terms[static_cast<std::size_t>(i)];
            ASSERT_EQ(e.nameIndex, solarTermIndexAtPosition(i)) << year << " entry " << i;
            ASSERT_EQ(e.name, solarTermName(e.nameIndex));
            if (i > 0) {
                const double gap =
                    dayNumberOf(e) - dayNumberOf(terms[static_cast<std::size_t>(i - 1)]);
                ASSERT_GT(gap, 14.0) << year << " entry " << i;
                ASSERT_LT(gap, 16.5) << year << " entry " << i;
            }
        }
    }
}

TEST(SolarTermTable, RepairsSamplesThatMeetATermTwiceOrMissOne) {
    // The samples of 2000 with 立春 (315°) left out and 雨水 (330°) and 夏至 (90°) met twice, out
    // of order: the table must come out the same, 立春 searched afresh (within a second).
    const double start = qreki::dayNumber(2000, 1, 1);
    std::vector<qreki::TermMoment> samples;
    for (int offset = 390; offset >= 0; offset -= 15) {
        const qreki::TermMoment t = qreki::lastTermAtOrBefore(start + offset, 15);
        if (t.angle == 315) continue;
        samples.push_back(t);
        if (t.angle == 330 || t.angle == 90) samples.push_back(t);
    }
    const YearSolarTerms repaired = solarTermsFromSamples(2000, samples);
    const YearSolarTerms regular = solarTermsOfYear(2000);
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(repaired[i].nameIndex, regular[i].nameIndex) << i;
        EXPECT_NEAR(dayNumberOf(repaired[i]), dayNumberOf(regular[i]), 1.5 / 86400) << i;
    }
    EXPECT_EQ(repaired[2].name, "立春");
    // No samples at all: every term is searched.
    const YearSolarTerms searched = solarTermsFromSamples(1900, {});
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(searched[static_cast<std::size_t>(2 * (m - 1))].month, m);
}

TEST(SolarTermTable, TimesAgainstPublishedTerms) {
    // Published JST times, to the minute. The series leaves out aberration and nutation, so its
    // terms come up to about 16 minutes early (and at most a few minutes late) between 1900 and
    // 2100: the tolerance is 20 minutes early to 5 minutes late.
    struct Published {
        int year, nameIndex, month, day, hour, minute;
    };
    const Published published[] = {
        {2000, 22, 2, 4, 21, 40},   {2000, 1, 3, 20, 16, 35},   {2000, 7, 6, 21, 10, 48},
        {2000, 13, 9, 23, 2, 28},   {2000, 19, 12, 21, 22, 37}, {2024, 22, 2, 4, 17, 27},
        {2024, 1, 3, 20, 12, 6},    {2024, 7, 6, 21, 5, 51},    {2024, 13, 9, 22, 21, 44},
        {2024, 19, 12, 21, 18, 21},
    };
    double earliest = 1e9, latest = -1e9;
    for (const auto& p : published) {
        const YearSolarTerms terms = solarTermsOfYear(p.year);
        const auto it = std::find_if(terms.begin(), terms.end(), [&](const SolarTermEntry& e) {
            return e.nameIndex == p.nameIndex;
        });
        ASSERT_NE(it, terms.end());
        const double minutes =
            (dayNumberOf(*it) - qreki::dayNumber(p.year, p.month, p.day, p.hour, p.minute)) * 1440;
        EXPECT_GE(minutes, -20.0) << p.year << " " << it->name << " " << it->text;
        EXPECT_LE(minutes, 5.0) << p.year << " " << it->name << " " << it->text;
        earliest = std::min(earliest, minutes);
        latest = std::max(latest, minutes);
    }
    std::printf("term time minus published: %.1f to %.1f minutes\n", earliest, latest);
}

TEST(SolarTermTable, SeventyTwoEntriesAndTheSameValuesWithOrWithoutTheCache) {
    const SolarTermTable table = solarTermTable(2024);
    EXPECT_EQ(table[2].name, "立春");
    EXPECT_EQ(table[2].year, 2024);
    EXPECT_EQ(table[kPreviousYearOffset].year, 2023);
    EXPECT_EQ(table[kPreviousYearOffset].name, "小寒");
    EXPECT_EQ(table[kNextYearOffset + 23].year, 2025);
    EXPECT_EQ(table[kNextYearOffset + 23].name, "冬至");
    // A new thread starts with an empty cache: its fresh computation must equal the cached one.
    const YearSolarTerms cached = solarTermsOfYear(1999);
    YearSolarTerms fresh;
    std::thread([&] { fresh = solarTermsOfYear(1999); }).join();
    for (std::size_t i = 0; i < cached.size(); ++i) {
        EXPECT_EQ(fresh[i].text, cached[i].text);
        EXPECT_EQ(fresh[i].nameIndex, cached[i].nameIndex);
    }
}

TEST(SolarTermTable, ConversionFillsTheTableOfItsYear) {
    TQrekiMod q;
    q.convertToOldCalendar(1984, 2, 4);
    EXPECT_EQ(q.solarTermsYear(), 1984);
    EXPECT_EQ(q.solarTerms()[2].name, "立春");
    EXPECT_EQ(q.solarTerms()[2].month, 2);
    EXPECT_EQ(q.solarTerms()[2].day, 5);  // 立春 1984: 02-05 00:19 JST
    q.convertToOldCalendar(1985, 7, 7);
    EXPECT_EQ(q.solarTerms()[0].year, 1985);
    EXPECT_EQ(q.solarTerms()[kPreviousYearOffset].year, 1984);
    EXPECT_EQ(q.solarTerms()[kPreviousYearOffset + 2].text, solarTermsOfYear(1984)[2].text);
}

TEST(SolarTermTable, YearsWithoutATableGiveEmptyEntries) {
    for (const int year :
         {0, -40000, 10000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        const SolarTermTable table = solarTermTable(year);
        EXPECT_EQ(table[2].year, 0) << year;
        EXPECT_EQ(table[2].name, "") << year;
    }
    const SolarTermTable edge = solarTermTable(9999);
    EXPECT_EQ(edge[2].name, "立春");
    EXPECT_EQ(edge[kPreviousYearOffset + 2].year, 9998);
    EXPECT_EQ(edge[kNextYearOffset + 2].year, 0);
    const qreki::CivilMoment none =
        qreki::dateFromDayNumber(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(none.year, 0);
    EXPECT_EQ(qreki::dateFromDayNumber(1e300).month, 0);
}

}  // namespace
}  // namespace suimei
