#include "calendar/time_difference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>

namespace suimei {
namespace {

// Local mean solar time runs 4 minutes per degree of longitude away from the 135°E meridian of
// Japan Standard Time. Longitudes of the city halls (geographical reference values), so each row
// must lie within a minute of (longitude - 135) * 4.
struct CityLongitude {
    const char* city;
    double longitudeEast;
};
constexpr CityLongitude kLongitudes[] = {
    {"那覇", 127.68}, {"長崎", 129.87},   {"福岡", 130.40}, {"鹿児島", 130.56}, {"松山", 132.77},
    {"広島", 132.46}, {"大阪", 135.50},   {"京都", 135.77}, {"名古屋", 136.91}, {"東京", 139.69},
    {"仙台", 140.87}, {"小笠原", 142.19}, {"札幌", 141.35}, {"根室", 145.58},
};

TEST(TimeDifferenceTable, RowsAgreeWithTheCitiesLongitudes) {
    double largest = 0;
    for (const auto& c : kLongitudes) {
        int found = 0;
        for (int row = 1; row <= kTimeDifferenceRowCount; ++row) {
            if (timeDifferenceRow(row).city == c.city) found = row;
        }
        ASSERT_NE(found, 0) << c.city;
        const double expected = (c.longitudeEast - 135.0) * 4.0;
        const double error = std::abs(timeDifferenceMinutes(found) - expected);
        largest = std::max(largest, error);
        EXPECT_LE(error, 1.0) << c.city;
    }
    std::printf("largest difference from the longitude: %.2f minutes\n", largest);
}

TEST(TimeDifferenceTable, FiftyDistinctCitiesInTheirOrder) {
    std::set<std::string_view> cities;
    for (int row = 1; row <= kTimeDifferenceRowCount; ++row) {
        const auto r = timeDifferenceRow(row);
        EXPECT_FALSE(r.city.empty()) << row;
        cities.insert(r.city);
        // Shown as a sign and two digits followed by "分".
        ASSERT_EQ(r.minutesText.size(), 3u) << row;
        EXPECT_TRUE(r.minutesText[0] == '+' || r.minutesText[0] == '-') << row;
    }
    EXPECT_EQ(cities.size(), 50u);
    EXPECT_EQ(timeDifferenceRow(1).city, "那覇");
    EXPECT_EQ(timeDifferenceRow(24).city, "津");
    EXPECT_EQ(timeDifferenceRow(50).city, "根室");
    EXPECT_EQ(timeDifferenceRow(9).minutesText, "-09");
    EXPECT_EQ(timeDifferenceMinutes(9), -9);
    EXPECT_EQ(timeDifferenceMinutes(18), 1);
}

TEST(TimeDifferenceTable, RowsOutOfRangeAreEmpty) {
    EXPECT_EQ(timeDifferenceRow(0).city, "");
    EXPECT_EQ(timeDifferenceRow(51).city, "");
    EXPECT_EQ(timeDifferenceRow(-3).minutesText, "");
    EXPECT_EQ(timeDifferenceMinutes(0), 0);
    EXPECT_EQ(timeDifferenceMinutes(51), 0);
}

}  // namespace
}  // namespace suimei
