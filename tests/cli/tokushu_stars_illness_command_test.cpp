// suimei-cli methods special-stars and methods illness for real clients.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

using nlohmann::json;

std::string cli(const std::string& args, int* status) {
    return testing::runCommand(std::string(SUIMEI_CLI_PATH) + " " + args + " 2>/dev/null", status);
}

// 2000/01/09 07:00-09:00: year 己卯, month 丁丑, day 丙寅, hour 壬辰. By the tables: 丙 with the
// year branch 卯 is 大極貴人, with the day branch 寅 紅艶; the month 丑 and the hour 辰 meet no
// table (丑 keys no 丙 or 丁 or 壬 target, 寅's 感池殺 branch is 卯).
TEST(TokushuStarsCommand, JsonListsEachPillarAndTheGridRows) {
    int status = -1;
    const json j = json::parse(
        cli("methods special-stars --date 2000/01/09 --slot 07:00-09:00 --sex 女 --json", &status),
        nullptr, false);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(j.is_object());
    EXPECT_EQ(j["hour"], json::array());
    EXPECT_EQ(j["day"], json::array({11}));
    EXPECT_EQ(j["month"], json::array());
    EXPECT_EQ(j["year"], json::array({1}));
    ASSERT_EQ(j["rows"].size(), 2u);
    EXPECT_EQ(j["rows"][0]["pillar"], "日柱");
    EXPECT_EQ(j["rows"][0]["text"], "紅艶：愛嬌星,色気星");
    EXPECT_EQ(j["rows"][1]["pillar"], "年柱");
    EXPECT_EQ(j["rows"][1]["text"], "大極貴人：力と発展の星");
}

// The same client's energies are 木 0, 火 4, 土 4, 金 0, 水 9: 金 is exchanged with 火 and then
// stays before 土, so 土 comes before 火 (a stable sort would keep 火 first).
TEST(IllnessCommand, JsonHoldsTheBasicTextAndTheOrderWeakestFirst) {
    int status = -1;
    const std::string client = "--date 2000/01/09 --slot 07:00-09:00 --sex 女";
    const json chart = json::parse(cli("appraise " + client + " --json", &status), nullptr, false);
    ASSERT_EQ(status, 0);
    ASSERT_EQ(chart["elementPoints"], json::array({0, 4, 4, 0, 9}));

    const json j =
        json::parse(cli("methods illness " + client + " --json", &status), nullptr, false);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(j["order"], json::array({"木", "金", "土", "火", "水"}));
    ASSERT_EQ(j["memo"].size(), 10u);
    EXPECT_EQ(j["memo"][7], "○五行エネルギーの最強は、水性です。");
    EXPECT_EQ(j["memo"][8], "○五行エネルギーの最弱は、木性です。");
}

TEST(TokushuStarsCommand, BadInputStopsWithStatusTwo) {
    int status = -1;
    cli("methods special-stars --date 2000/02/30 --slot 07:00-09:00 --sex 女", &status);
    EXPECT_EQ(status, 2);
    cli("methods illness --date 2000/01/09 --slot 07:00-09:00 --sex 女 --future 2000/01", &status);
    EXPECT_EQ(status, 2);
    cli("methods illness extra --date 2000/01/09 --slot 07:00-09:00 --sex 女", &status);
    EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace suimei
