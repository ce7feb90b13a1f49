#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

const std::string kClient = "compatibility --date 2000/01/01 --slot 01:00-03:00 --sex 女 ";

// The client 2000/01/01 01:00-03:00 is 己卯 丙子 戊午 (void 子丑). The same birth as the partner
// (slot 1 = 02:00, the same 丑 hour) gives the same three pillars:
//   day stems 戊戊 (土土, no 干合) 5 blue, day branches 午午 5, month branches 子子 5;
//   the same void pair, but 午 is not in 子丑, so not mutual;
//   each person 木 卯, 火 丙 午, 土 己 戊, 水 子×3: together 木2 火4 土4 金0 水6.
TEST(CompatibilityCommand, SameBirthOnBothSides) {
    int status = -1;
    const std::string out = testing::runCommand(
        std::string(SUIMEI_CLI_PATH) + " " + kClient +
            "--partner-date 2000/1/1 --partner-slot 1 --partner-female --partner-name 花子 --json"
            " 2>/dev/null",
        &status);
    ASSERT_EQ(status, 0);
    const auto j = nlohmann::json::parse(out, nullptr, false);
    ASSERT_TRUE(j.is_object());
    EXPECT_EQ(j["partner"]["voidText"], "空亡:子:丑");
    EXPECT_EQ(j["partner"]["pillars"]["day"]["text"], "戊午");
    EXPECT_EQ(j["voidChecks"]["same"], true);
    EXPECT_EQ(j["voidChecks"]["mutual"], false);
    ASSERT_EQ(j["lines"].size(), 3u);
    for (const auto& l : j["lines"]) {
        EXPECT_EQ(l["code"], 5);
        EXPECT_EQ(l["colour"], "#0000FF");
        EXPECT_TRUE(l["arrow"].is_null());
    }
    const int counts[] = {2, 4, 4, 0, 6};
    const char* elements[] = {"木", "火", "土", "金", "水"};
    for (int e = 0; e < 5; ++e) EXPECT_EQ(j["energy"][elements[e]].size(), counts[e]) << e;
    EXPECT_EQ(j["energy"]["水"][0]["person"], "client");
    EXPECT_EQ(j["energy"]["水"][5]["person"], "partner");
    for (const char* g : {"monthCommand", "elements", "stages", "total"}) {
        EXPECT_GE(j["partner"]["gauges"][g], 0) << g;
        EXPECT_LE(j["partner"]["gauges"][g], 100) << g;
    }
    ASSERT_GE(j["memo"].size(), 3u);
    EXPECT_EQ(j["memo"][0], "■日主の天干同士で、精神的な相性を鑑定します。");
}

TEST(CompatibilityCommand, BadPartnerDateIsToldOnStderrWithStatus2) {
    int status = -1;
    const std::string err =
        testing::runCommand(std::string(SUIMEI_CLI_PATH) + " " + kClient +
                                "--partner-date 2000/13/01 --json 2>&1 >/dev/null",
                            &status);
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find("suimei-cli compatibility: "), std::string::npos) << err;
    EXPECT_GT(err.size(), std::string("suimei-cli compatibility: \n").size()) << err;
}

}  // namespace
}  // namespace suimei
