#include "calendar/summer_time.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

// Day of the week, 0 = Sunday, by Sakamoto's method (independent of the engine's calendar).
int weekday(int y, int m, int d) {
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

// The Sundays the clocks changed on, worked out by hand from a calendar: the day after the
// first Saturday of May (April in 1949) and after the Saturday falling on the 8th..14th of
// September.
struct Change {
    int year, startMonth, startDay, endDay;
};
constexpr Change kChanges[] = {
    {1948, 5, 2, 12},
    {1949, 4, 3, 11},
    {1950, 5, 7, 10},
    {1951, 5, 6, 9},
};

SummerTimeClock at(int y, int m, int d, int h, int min) {
    return summerTimeClock(y, m, d, h, min);
}

TEST(SummerTime, TableFollowsTheRuleOfSaturdays) {
    for (const SummerTimePeriod& p : kJapanSummerTime) {
        SCOPED_TRACE(p.year);
        EXPECT_EQ(weekday(p.year, p.startMonth, p.startSaturday), 6);
        EXPECT_LE(p.startSaturday, 7);
        EXPECT_EQ(p.startMonth, p.year == 1949 ? 4 : 5);
        EXPECT_EQ(weekday(p.year, p.endMonth, p.endSaturday), 6);
        EXPECT_GE(p.endSaturday, 8);
        EXPECT_LE(p.endSaturday, 14);
        EXPECT_EQ(p.endMonth, 9);
    }
}

TEST(SummerTime, BothEndsOfEveryPeriod) {
    using C = SummerTimeClock;
    for (const Change& c : kChanges) {
        SCOPED_TRACE(c.year);
        const int y = c.year, m = c.startMonth, s = c.startDay, e = c.endDay;
        // The Saturday evening before the change is standard time.
        EXPECT_EQ(at(y, m, s - 1, 23, 59), C::Standard);
        // 00:00-00:59 of the Sunday never showed on a clock.
        EXPECT_EQ(at(y, m, s, 0, 0), C::Skipped);
        EXPECT_EQ(at(y, m, s, 0, 59), C::Skipped);
        // The first summer-time hour.
        EXPECT_EQ(at(y, m, s, 1, 0), C::Summer);
        EXPECT_EQ(at(y, m, s, 1, 59), C::Summer);
        // The last whole summer-time hours: Saturday night, then the hour shown twice.
        EXPECT_EQ(at(y, 9, e - 1, 23, 59), C::Summer);
        EXPECT_EQ(at(y, 9, e, 0, 0), C::Repeated);
        EXPECT_EQ(at(y, 9, e, 0, 59), C::Repeated);
        // From 01:00 of that Sunday the clock is standard again.
        EXPECT_EQ(at(y, 9, e, 1, 0), C::Standard);
        EXPECT_EQ(at(y, 9, e + 1, 12, 0), C::Standard);
        EXPECT_EQ(at(y, m, s - 2, 12, 0), C::Standard);
    }
    // Midsummer inside, and nothing in the years around.
    EXPECT_EQ(at(1950, 7, 15, 12, 0), C::Summer);
    EXPECT_EQ(at(1947, 7, 15, 12, 0), C::Standard);
    EXPECT_EQ(at(1952, 7, 15, 12, 0), C::Standard);
    // 1949 began in April: the April date that is summer time then is not in 1950.
    EXPECT_EQ(at(1949, 4, 20, 12, 0), C::Summer);
    EXPECT_EQ(at(1950, 4, 20, 12, 0), C::Standard);
}

TEST(SummerTime, OutOfRangeReadingsAreStandard) {
    using C = SummerTimeClock;
    EXPECT_EQ(at(1950, 7, 15, 24, 0), C::Standard);
    EXPECT_EQ(at(1950, 7, 15, -1, 0), C::Standard);
    EXPECT_EQ(at(1950, 7, 15, 12, 60), C::Standard);
    EXPECT_EQ(at(1950, 6, 31, 12, 0), C::Standard);
    EXPECT_EQ(at(1950, 13, 1, 12, 0), C::Standard);
    EXPECT_EQ(at(1950, 0, 1, 12, 0), C::Standard);
}

TEST(SummerTime, CorrectionGoesBackOneHourAcrossTheDay) {
    BirthMoment b;
    b.year = 1948;
    b.month = 5;
    b.day = 2;
    b.hour = 1;
    b.minute = 30;
    BirthMoment c = summerTimeCorrected(b);
    EXPECT_EQ(c.day, 2);
    EXPECT_EQ(c.hour, 0);
    EXPECT_EQ(c.minute, 30);
    EXPECT_EQ(c.prefecture, b.prefecture);

    // The repeated hour is read in summer time: back to the Saturday night.
    b = {1949, 9, 11, 0, 30};
    c = summerTimeCorrected(b);
    EXPECT_EQ(c.year, 1949);
    EXPECT_EQ(c.month, 9);
    EXPECT_EQ(c.day, 10);
    EXPECT_EQ(c.hour, 23);
    EXPECT_EQ(c.minute, 30);

    // A month boundary inside a period: 1950-07-01 00:30 becomes 06-30 23:30.
    b = {1950, 7, 1, 0, 30};
    c = summerTimeCorrected(b);
    EXPECT_EQ(c.month, 6);
    EXPECT_EQ(c.day, 30);
    EXPECT_EQ(c.hour, 23);

    // Skipped, standard and unknown times stay as they are.
    for (const BirthMoment& same : {BirthMoment{1948, 5, 2, 0, 30}, BirthMoment{1948, 9, 12, 2, 0},
                                    BirthMoment{1950, 7, 15, 99, 0}}) {
        c = summerTimeCorrected(same);
        EXPECT_EQ(c.day, same.day);
        EXPECT_EQ(c.hour, same.hour);
        EXPECT_EQ(c.minute, same.minute);
    }
}

}  // namespace
}  // namespace suimei
