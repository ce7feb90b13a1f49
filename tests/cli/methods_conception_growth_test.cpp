// suimei-cli methods conception and methods growth over the staged application folder.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

nlohmann::json cliJson(const std::string& args, int* status) {
    const std::string out = testing::runCommand(
        std::string(SUIMEI_CLI_PATH) + " methods " + args + " --json 2>/dev/null", status);
    return nlohmann::json::parse(out, nullptr, false);
}

// Born 2001-10-28: conceived (counted) on 2001-02-05, the pillars 辛巳 庚寅 己亥 (worked by hand
// in the engine test of the conception day).
TEST(MethodsCli, ConceptionGivesTheDateLabelsAndThreeBlocks) {
    int status = -1;
    const auto j = cliJson("conception --date 2001/10/28 --slot 07:00-09:00 --sex 女", &status);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(j.is_object());
    EXPECT_EQ(j["date"], "《宿霊日》 2001/2/5");
    EXPECT_EQ(j["labels"], nlohmann::json({"辛", "巳", "庚", "寅", "己", "亥"}));
    const auto& memo = j["memo"];
    ASSERT_EQ(memo.size(), 12u);
    EXPECT_EQ(memo[0], "■年干支は大性と呼ばれ、天性の素質や遺伝を見ます。");
    EXPECT_EQ(memo[1], "干支：辛巳");
    EXPECT_EQ(memo[5], "干支：庚寅");
    EXPECT_EQ(memo[8], "■日干支は小性と呼ばれ、初年期から青年期における素質や才能を見ます。");
    EXPECT_EQ(memo[9], "干支：己亥");
    // The shipped passages name their own pillar first.
    EXPECT_EQ(memo[2].get<std::string>().rfind("辛巳", 0), 0u) << memo[2];
    EXPECT_EQ(memo[10].get<std::string>().rfind("己亥", 0), 0u) << memo[10];
    EXPECT_EQ(memo[11], "");
}

TEST(MethodsCli, GrowthAtEachLevel) {
    const std::string client = "growth --date 2001/10/28 --slot 07:00-09:00 --sex 女";
    int status = -1;
    const auto mature = cliJson(client + " --level 2", &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(mature["scores"], nlohmann::json({8, 8, 2, 4, 8}));
    EXPECT_EQ(mature["total"], "合計点数 30 点／30点満点");
    ASSERT_EQ(mature["sentences"].size(), 5u);
    for (const auto& s : mature["sentences"]) EXPECT_FALSE(s.get<std::string>().empty());

    // The default is 成長途中; its sentences differ from the mature ones.
    const auto middle = cliJson(client, &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(middle["level"], "成長途中");
    EXPECT_EQ(middle["scores"], nlohmann::json({4, 4, 1, 2, 4}));
    for (std::size_t i = 0; i < 5; ++i) EXPECT_NE(middle["sentences"][i], mature["sentences"][i]);

    testing::runCommand(
        std::string(SUIMEI_CLI_PATH) + " methods " + client + " --level 3 2>/dev/null", &status);
    EXPECT_EQ(status, 2);
    testing::runCommand(std::string(SUIMEI_CLI_PATH) +
                            " methods conception --level 1 --date "
                            "2001/10/28 --slot 07:00-09:00 --sex 女"
                            " 2>/dev/null",
                        &status);
    EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace suimei
