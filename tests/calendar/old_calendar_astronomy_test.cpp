// Day numbers, dates and the solar and lunar series of the old calendar.
#include "calendar/old_calendar_astronomy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calendar/types.h"

namespace suimei::qreki {
namespace {

TEST(OldCalendarDayNumber, CheckValueAndRoundTripOverTheSupportedYears) {
    // ⌊365.25·1999⌋ + ⌊1999/400⌋ − ⌊1999/100⌋ + ⌊30.59·11⌋ + 1721088 + 1
    EXPECT_EQ(dayNumber(2000, 1, 1), 730134 + 4 - 19 + 336 + 1721088 + 1);
    EXPECT_DOUBLE_EQ(dayNumber(2000, 1, 1, 12, 0, 0) - dayNumber(2000, 1, 1), 0.5);
    double expected = dayNumber(1312, 1, 1);
    for (int y = 1312; y <= 2200; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= daysInMonth(y, m); ++d) {
                ASSERT_EQ(dayNumber(y, m, d), expected) << y << "-" << m << "-" << d;
                const CivilMoment c = dateFromDayNumber(expected);
                ASSERT_EQ(c.year, y);
                ASSERT_EQ(c.month, m);
                ASSERT_EQ(c.day, d);
                expected += 1;
            }
        }
    }
}

TEST(OldCalendarDayNumber, TimeOfDayAndTheSecondThatRoundsUp) {
    const CivilMoment c = dateFromDayNumber(dayNumber(2024, 2, 4, 17, 27, 5) + 0.2 / 86400);
    EXPECT_EQ(c.hour, 17);
    EXPECT_EQ(c.minute, 27);
    EXPECT_EQ(c.second, 5);
    // 23:59:59.97 is within 0.05 s of midnight: the next day at 00:00:00, never a 60th second.
    const CivilMoment m = dateFromDayNumber(dayNumber(2023, 12, 31) + (86400 - 0.03) / 86400);
    EXPECT_EQ(m.year, 2024);
    EXPECT_EQ(m.month, 1);
    EXPECT_EQ(m.day, 1);
    EXPECT_EQ(m.hour, 0);
    EXPECT_EQ(m.minute, 0);
    EXPECT_EQ(m.second, 0);
}

TEST(OldCalendarSeries, LongitudesAtKnownMoments) {
    // J2000.0 (2000-01-01 12:00 UT = 21:00 JST): the Sun at about 280.37°, the Moon at 223.3°.
    const double T = julianCenturies(dayNumber(2000, 1, 1, 21, 0, 0));
    EXPECT_NEAR(T, 0.0, 1e-12);
    EXPECT_NEAR(sunLongitude(T), 280.37, 0.02);
    EXPECT_NEAR(moonLongitude(T), 223.32, 0.05);
    // New moon 2024-02-10 07:59 JST: both longitudes agree within the Moon's motion of a few
    // minutes.
    const double nm = julianCenturies(dayNumber(2024, 2, 10, 7, 59, 0));
    double d = moonLongitude(nm) - sunLongitude(nm);
    d = normalizeAngle(d + 180) - 180;
    EXPECT_NEAR(d, 0.0, 0.05);
    EXPECT_TRUE(std::isnan(sunLongitude(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(moonLongitude(std::numeric_limits<double>::infinity())));
}

TEST(OldCalendarSearches, TermsAndNewMoons) {
    // 春分 2024-03-20 12:06 JST; the search lands at or before the moment asked about.
    const double x = dayNumber(2024, 4, 1);
    const TermMoment equinox = lastTermAtOrBefore(x, 90);
    EXPECT_EQ(equinox.angle, 0);
    EXPECT_LE(equinox.dayNumber, x);
    EXPECT_NEAR((equinox.dayNumber - dayNumber(2024, 3, 20, 12, 6)) * 1440, -8, 12);
    EXPECT_EQ(lastTermAtOrBefore(dayNumber(2024, 4, 10), 15).angle, 15);  // 清明 2024-04-04
    // New moons 2000-01-07 03:14 and 2000-02-05 22:03 JST, found from any day of the month after.
    // (February 35 is March 6 00:00, before the next new moon at 14:17.)
    for (int d = 6; d <= 35; ++d) {
        const double found = lastNewMoonBefore(dayNumber(2000, 2, d));
        EXPECT_NEAR((found - dayNumber(2000, 2, 5, 22, 3)) * 1440, 0, 6) << d;
    }
    EXPECT_NEAR((lastNewMoonBefore(dayNumber(2000, 2, 5)) - dayNumber(2000, 1, 7, 3, 14)) * 1440, 0,
                6);
    // A NaN never loops for ever and never crashes.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(lastTermAtOrBefore(nan, 15).dayNumber));
    const NewMoonSearch failed = searchLastNewMoon(nan);
    EXPECT_FALSE(failed.converged);
}

}  // namespace
}  // namespace suimei::qreki
