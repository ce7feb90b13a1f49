#include "calendar/era.h"

#include <gtest/gtest.h>

namespace suimei {
namespace {

// Era starts: 昭和 1926-12-25, 平成 1989-01-08, 令和 2019-05-01. A year takes the era that began in
// it, so the first year of each era is numbered 1.
TEST(EraYearLabel, EraBoundaries) {
    EXPECT_EQ(eraYearLabel(1925), "");
    EXPECT_EQ(eraYearLabel(1926), "昭和 1 年");
    EXPECT_EQ(eraYearLabel(1945), "昭和 20 年");
    EXPECT_EQ(eraYearLabel(1988), "昭和 63 年");
    EXPECT_EQ(eraYearLabel(1989), "平成 1 年");
    EXPECT_EQ(eraYearLabel(2018), "平成 30 年");
    EXPECT_EQ(eraYearLabel(2019), "令和 1 年");
    EXPECT_EQ(eraYearLabel(2020), "令和 2 年");
}

TEST(EraYearLabel, EarlyAndOddYearsAreEmpty) {
    EXPECT_EQ(eraYearLabel(1910), "");
    EXPECT_EQ(eraYearLabel(0), "");
    EXPECT_EQ(eraYearLabel(-5), "");
}

}  // namespace
}  // namespace suimei
