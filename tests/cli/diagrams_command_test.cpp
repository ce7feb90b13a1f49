#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

std::string cli(const std::string& args, int* status) {
    return testing::runCommand(std::string(SUIMEI_CLI_PATH) + " " + args + " 2>/dev/null", status);
}

// 2000/01/01 01:00-03:00: 己卯 丙子 戊午 癸丑 (before 立春 and 小寒; the 丑 hour of a 戊 day is
// 癸丑). 戊癸 on day–hour (火); 子午 on month–day; 子卯 on year–month. Day 戊 (土): 火 feeds it.
TEST(DiagramsCommand, JsonHoldsTheFactsOfEachDiagram) {
    int status = -1;
    const std::string out =
        cli("diagrams --date 2000/01/01 --slot 01:00-03:00 --sex 女 --json", &status);
    ASSERT_EQ(status, 0);
    const auto j = nlohmann::json::parse(out, nullptr, false);
    ASSERT_TRUE(j.is_object());
    const auto& pairs = j["stemDiagram"]["pairs"];
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0]["a"], 5);
    EXPECT_EQ(pairs[0]["b"], 10);
    EXPECT_EQ(pairs[0]["element"], 2);
    const auto& groups = j["branchDiagram"]["groups"];
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0]["kind"], "七冲");
    EXPECT_EQ(groups[1]["kind"], "三刑");
    EXPECT_EQ(groups[1]["branches"], nlohmann::json::array({1, 4}));
    const auto& strength = j["strength"];
    EXPECT_EQ(strength["dayElement"], 3);
    EXPECT_EQ(strength["positions"].size(), 8u);
    EXPECT_EQ(strength["marks"][3]["mark"], "－");  // 時干 癸 水
    ASSERT_EQ(strength["lines"].size(), 3u);
    EXPECT_EQ(strength["lines"][1]["colour"], "green");  // 火→土
    EXPECT_EQ(strength["appeared"][0]["kind"], "干合");
    // Ten-gods diagram of day stem 戊 (土): 比劫 土, 食傷 金, 財 水, 官 木, 印 火; year 己 is
    // 劫財 (6), month 丙 偏印 (5), hour 癸 正財 (8).
    const auto& gods = j["tenGodDiagram"];
    ASSERT_EQ(gods["groups"].size(), 5u);
    const int elements[5] = {3, 4, 5, 1, 2};
    for (int g = 0; g < 5; ++g) EXPECT_EQ(gods["groups"][g]["element"], elements[g]) << g;
    EXPECT_EQ(gods["chartTenGods"][0], 6);
    EXPECT_EQ(gods["chartTenGods"][1], 5);
    EXPECT_EQ(gods["chartTenGods"][2], 8);
    for (const auto& g : gods["lucky"]) {
        EXPECT_EQ(gods["groups"][g.get<int>() - 1]["fortune"], "吉星");
    }
    EXPECT_FALSE(gods["lucky"].empty());
    EXPECT_TRUE(gods["chartLines"].is_array());
}

TEST(DiagramsCommand, HelpDescribesTheMembersAndBadInputStops) {
    int status = -1;
    const std::string help = cli("diagrams --help", &status);
    EXPECT_EQ(status, 0);
    for (const char* member :
         {"stemDiagram.pairs", "branchDiagram.groups", "strength.lines", "strength.marks",
          "strength.appeared", "tenGodDiagram.groups", "tenGodDiagram.chartLines"}) {
        EXPECT_NE(help.find(member), std::string::npos) << member;
    }
    EXPECT_TRUE(cli("diagrams --date 2000/02/31 --sex 男 --json", &status).empty());
    EXPECT_EQ(status, 2);
    cli("diagrams --date 2000/01/01 --sex 男 --colour red", &status);
    EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace suimei
