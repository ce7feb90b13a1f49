// The demo client table as the build ships it: every client carries the summary columns a run
// writes, so the sort buttons have something to sort on first start.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/client_table.h"

namespace suimei {
namespace {

TEST(DemoTable, EveryClientCarriesTheSummaryColumnsOfARun) {
    const auto file =
        std::filesystem::path(SUIMEI_APP_DIR) / "jinmei" / std::string(kClientDataSets[0].fileName);
    auto table = Table::open(file, clientTableDef(), false);
    ASSERT_TRUE(table) << file;
    int clients = 0;
    Record ishida;
    table->forEach([&](const Record& r) {
        ++clients;
        EXPECT_FALSE(r.at(client_field::kDayMaster).empty()) << r.at(client_field::kName);
        EXPECT_FALSE(r.at(client_field::kEtc1).empty()) << r.at(client_field::kName);
        if (r.at(client_field::kName) == "石田 健一") ishida = r;
        return true;
    });
    EXPECT_GT(clients, 20);
    // 1959-12-26 05:00-07:00, male, worked by hand: 14616 days before 2000-01-01 (戊午, 55)
    // the day is 壬午 (19); the year 1959 is 己亥; after 大雪 (12-08) the month is 子, and a
    // 己 year's 子 month is 丙子; the 卯 hour of a 壬 day is 癸卯. 壬 sees 己 as 正官, 丙 as
    // 偏財, 癸 as 劫財; 18 days into 子 lie past every school's first span, so 子 gives 癸.
    ASSERT_FALSE(ishida.empty());
    EXPECT_EQ(ishida.at(client_field::kDayMaster), "壬");
    EXPECT_EQ(ishida.at(client_field::kMonthBranch), "子");
    EXPECT_EQ(ishida.at(client_field::kYearStemTenGod), "正官");
    EXPECT_EQ(ishida.at(client_field::kMonthStemTenGod), "偏財");
    EXPECT_EQ(ishida.at(client_field::kHourStemTenGod), "劫財");
    EXPECT_EQ(ishida.at(client_field::kEtc1), "劫財");
}

}  // namespace
}  // namespace suimei
