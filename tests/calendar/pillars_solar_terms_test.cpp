// Julian day, apparent solar longitude and the entry search, against independent values: the
// julian-day epochs, the low-precision solar formula of the Astronomical Almanac, and solar-term
// instants published in the national astronomical almanac of Japan (暦要項, JST, to the minute).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calendar/solar_terms.h"

namespace suimei {
namespace {

TEST(JulianDay, KnownEpochs) {
    EXPECT_DOUBLE_EQ(julianDay(2000, 1, 1, 12, 0, false), 2451545.0);   // J2000.0
    EXPECT_DOUBLE_EQ(julianDay(2000, 1, 1, 21, 0, true), 2451545.0);    // the same instant in JST
    EXPECT_DOUBLE_EQ(julianDay(1858, 11, 17, 0, 0, false), 2400000.5);  // MJD 0
    EXPECT_DOUBLE_EQ(julianDay(1582, 10, 15, 0, 0, false), 2299160.5);  // first Gregorian day
    EXPECT_NEAR(julianDay(1984, 2, 10, 7, 30, false) - julianDay(1984, 2, 10, 0, 0, false),
                7.5 / 24, 1e-9);
    // Day 0 is the last day of the month before; March 0 of a leap year is February 29.
    EXPECT_DOUBLE_EQ(julianDay(2024, 3, 0, 0, 0, false), julianDay(2024, 2, 29, 0, 0, false));
}

// Apparent longitude by the low-precision formula of the Astronomical Almanac (good to 0.01°
// between 1950 and 2050): L = 280.460 + 0.9856474n, g = 357.528 + 0.9856003n,
// λ = L + 1.915 sin g + 0.020 sin 2g.
double almanacLongitude(double jd) {
    const double n = jd - 2451545.0;
    const double rad = 3.14159265358979323846 / 180.0;
    const double L = 280.460 + 0.9856474 * n;
    const double g = (357.528 + 0.9856003 * n) * rad;
    const double lambda = L + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g);
    return lambda - 360.0 * std::floor(lambda / 360.0);
}

double angleDifference(double a, double b) {
    return std::remainder(a - b, 360.0);
}

TEST(SunLongitude, AgreesWithTheAlmanacFormulaFrom1950To2050) {
    EXPECT_NEAR(sunLongitude(2451545.0), 280.376, 0.01);  // 2000-01-01 12:00
    double worst = 0;
    const double start = julianDay(1950, 1, 1, 0, 0, false);
    const double end = julianDay(2050, 1, 1, 0, 0, false);
    for (double jd = start; jd < end; jd += 7.3) {
        const double lon = sunLongitude(jd);
        ASSERT_GE(lon, 0.0);
        ASSERT_LT(lon, 360.0);
        worst = std::max(worst, std::fabs(angleDifference(lon, almanacLongitude(jd))));
    }
    std::printf("largest difference from the almanac formula: %.4f°\n", worst);
    EXPECT_LT(worst, 0.02);
}

struct PublishedTerm {
    const char* name;
    int year, month, day, hour, minute;
    double longitude;
};
// National astronomical almanac of Japan, JST to the minute.
constexpr PublishedTerm kPublished[] = {
    {"2000 立春", 2000, 2, 4, 21, 40, 315},  {"1984 立春", 1984, 2, 5, 0, 19, 315},
    {"2021 立春", 2021, 2, 3, 23, 59, 315},  {"2025 立春", 2025, 2, 3, 23, 10, 315},
    {"2023 立春", 2023, 2, 4, 11, 43, 315},  {"2023 大雪", 2023, 12, 7, 18, 33, 255},
    {"2024 小寒", 2024, 1, 6, 5, 49, 285},   {"2024 立春", 2024, 2, 4, 17, 27, 315},
    {"2024 啓蟄", 2024, 3, 5, 11, 23, 345},  {"2024 春分", 2024, 3, 20, 12, 6, 0},
    {"2024 夏至", 2024, 6, 21, 5, 51, 90},   {"2024 小暑", 2024, 7, 6, 23, 20, 105},
    {"2024 秋分", 2024, 9, 22, 21, 44, 180}, {"2024 立冬", 2024, 11, 7, 7, 20, 225},
    {"2024 大雪", 2024, 12, 7, 0, 17, 255},  {"2024 冬至", 2024, 12, 21, 18, 21, 270},
};

TEST(SunLongitude, PublishedSolarTermInstantsWithinOneHundredthDegree) {
    double worst = 0;
    for (const auto& t : kPublished) {
        const double lon = sunLongitudeAtJst(t.year, t.month, t.day, t.hour, t.minute);
        const double diff = std::fabs(angleDifference(lon, t.longitude));
        worst = std::max(worst, diff);
        EXPECT_LT(diff, 0.01) << t.name << ": " << lon;
    }
    std::printf("largest difference at published solar-term instants: %.4f°\n", worst);
}

TEST(EntrySearch, EntryDayAndHourOfPublishedTerms) {
    // Published 2024 entries well away from a full hour, and 2023's 大雪 for the month before.
    struct Case {
        int year, month, day, hour;
    };
    const Case cases[] = {
        {2024, 1, 6, 5},   // 小寒 05:49
        {2024, 2, 4, 17},  // 立春 17:27
        {2024, 3, 5, 11},  // 啓蟄 11:23
        {2024, 7, 6, 23},  // 小暑 23:20: no whole hour of the day reaches it, so 23
        {2024, 11, 7, 7},  // 立冬 07:20
        {2024, 12, 7, 0},  // 大雪 00:17: the hour before 01:00 is 0
        {2023, 12, 7, 18}, {2023, 3, 6, 5},  // 大雪 18:33, 啓蟄 05:36
        {1984, 2, 5, 0},                     // 立春 00:19
    };
    for (const auto& c : cases) {
        const MonthEntry e = findMonthEntry(c.year, c.month);
        EXPECT_TRUE(e.found);
        EXPECT_EQ(e.day, c.day) << c.year << "-" << c.month;
        EXPECT_EQ(e.hour, c.hour) << c.year << "-" << c.month;
    }
}

TEST(EntrySearch, EveryEntryFrom1312To2200FallsOnTheThirdToTheNinth) {
    // In the Gregorian calendar each 節 keeps to a few days of its month (小寒 5-7 Jan,
    // 立春 3-5 Feb, ... 大雪 6-8 Dec, drifting by a day over these centuries): a wrong sign or
    // scale far from the year 2000 shows up as an entry outside this band.
    for (int y = 1312; y <= 2200; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const MonthEntry e = findMonthEntry(y, m);
            ASSERT_TRUE(e.found) << y << "-" << m;
            ASSERT_GE(e.day, 3) << y << "-" << m;
            ASSERT_LE(e.day, 9) << y << "-" << m;
            ASSERT_GE(e.hour, 0);
            ASSERT_LE(e.hour, 23);
        }
    }
}

TEST(EntrySearch, LongitudeNeverReachedOrAlreadyPassed) {
    // June runs from about 70° to 99°: 200° is never reached and nothing is made up.
    const MonthEntry never = findLongitudeEntry(2024, 6, 200.0);
    EXPECT_FALSE(never.found);
    EXPECT_EQ(never.day, 0);
    EXPECT_EQ(never.hour, 0);
    // 大寒 (300°) lies in January: on February 1 it has passed, which reads as day 0, hour 0.
    const MonthEntry passed = findLongitudeEntry(2024, 2, 300.0);
    EXPECT_TRUE(passed.found);
    EXPECT_EQ(passed.day, 0);
    EXPECT_EQ(passed.hour, 0);
    // 358° lies past the fifteenth, two days before 春分 (2024-03-20 12:06): the search goes on.
    const MonthEntry late = findLongitudeEntry(2024, 3, 358.0);
    EXPECT_TRUE(late.found);
    EXPECT_EQ(late.day, 18);
    EXPECT_FALSE(findMonthEntry(2024, 13).found);
    EXPECT_EQ(monthTermLongitude(0), 0);
    EXPECT_EQ(monthTermLongitude(4), 15);
}

}  // namespace
}  // namespace suimei
