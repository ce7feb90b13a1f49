// suimei-cli old-calendar and solar-terms, run as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

std::string cli(const std::string& arguments, int* status) {
    return testing::runCommand(std::string("'") + SUIMEI_CLI_PATH + "' " + arguments, status);
}

// Standard error alone (standard output dropped).
std::string cliErrors(const std::string& arguments, int* status) {
    return cli(arguments + " 2>&1 >/dev/null", status);
}

TEST(OldCalendarCli, JsonOfADate) {
    int status = -1;
    const std::string out = cli("old-calendar --date 2000/01/01 --json", &status);
    ASSERT_EQ(status, 0);
    const nlohmann::json j = nlohmann::json::parse(out);
    EXPECT_EQ(j["lunarYear"], 1999);
    EXPECT_EQ(j["lunarMonth"], 11);
    EXPECT_EQ(j["lunarDay"], 25);
    EXPECT_EQ(j["leapFlag"], -1);
    EXPECT_EQ(j["rokuyoName"], "大安");
    EXPECT_EQ(j["dayKanshiName"], "戊午");
    for (const char* key :
         {"moonAge", "noonMoonAge", "illumination", "phaseIndex", "mansion27", "mansion28"}) {
        EXPECT_TRUE(j.contains(key)) << key;
    }
}

TEST(SolarTermsCli, TwentyFourTermsOfAYear) {
    int status = -1;
    const nlohmann::json j = nlohmann::json::parse(cli("solar-terms --year 2024 --json", &status));
    ASSERT_EQ(status, 0);
    ASSERT_EQ(j["terms"].size(), 24u);
    EXPECT_EQ(j["terms"][2]["name"], "立春");
    EXPECT_EQ(j["terms"][2]["month"], 2);
    EXPECT_EQ(j["terms"][2]["day"], 4);
    EXPECT_EQ(j["terms"][23]["name"], "冬至");
    const std::string text = cli("solar-terms --year 2024", &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(text.find("春分　2024/03/20"), std::string::npos) << text;
}

TEST(OldCalendarCli, BadArgumentsGiveOneLineAndStatus2) {
    for (const char* call : {"old-calendar --date 2023/02/30", "old-calendar --date yesterday",
                             "old-calendar", "old-calendar --date 2000/01/01 --colour red",
                             "solar-terms --year abc", "solar-terms --year 1200", "solar-terms"}) {
        int status = -1;
        const std::string err = cliErrors(call, &status);
        EXPECT_EQ(status, 2) << call;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << call << ": " << err;
    }
}

}  // namespace
}  // namespace suimei
