#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

std::string cli(const std::string& args, int* status, bool stderrOnly = false) {
    const std::string redirect = stderrOnly ? " 2>&1 >/dev/null" : " 2>/dev/null";
    return testing::runCommand(std::string(SUIMEI_CLI_PATH) + " " + args + redirect, status);
}

const std::string kClient =
    "luck --date 1984/02/10 --slot 07:00-09:00 --sex 男 --today 2026/12/08 --json";

TEST(LuckCommand, JsonHoldsExactlyTheLuckFacts) {
    int status = -1;
    const auto j = nlohmann::ordered_json::parse(
        cli(kClient + " --column 1 --month 2024/02", &status), nullptr, false);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(j.is_object());
    std::vector<std::string> members;
    for (const auto& [k, v] : j.items()) members.push_back(k);
    EXPECT_EQ(members, (std::vector<std::string>{"luckRow", "years", "grids", "lifeGraph",
                                                 "monthGraph", "family"}));
    EXPECT_LE(j["luckRow"]["columns"].size(), 7u);
    EXPECT_EQ(j["luckRow"]["columns"][0]["marks"].size(), 2u);
    EXPECT_EQ(j["years"]["years"].size(), 10u);
    EXPECT_EQ(j["grids"]["nen"][0].size(), 121u);
    EXPECT_EQ(j["lifeGraph"]["series"]["木"].size(), 101u);
    EXPECT_EQ(j["monthGraph"]["days"].size(), 29u);  // February 2024
    EXPECT_EQ(j["family"]["boxes"][12]["text"], "甲");
    // Without --column there are no years.
    const auto plain = nlohmann::json::parse(cli(kClient, &status), nullptr, false);
    EXPECT_FALSE(plain.contains("years"));
}

TEST(LuckCommand, BadOptionsGiveOneLineAndStatus2) {
    for (const char* bad : {" --column 8", " --month 2024/13", " --month soon", " --colour 1"}) {
        int status = -1;
        const std::string err = cli(kClient + bad, &status, true);
        EXPECT_EQ(status, 2) << bad;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << bad << ": " << err;
    }
}

}  // namespace
}  // namespace suimei
