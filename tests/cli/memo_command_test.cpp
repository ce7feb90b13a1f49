#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "readings/memo_appraisal.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

std::string cli(const std::string& args, int* status) {
    return testing::runCommand(std::string(SUIMEI_CLI_PATH) + " " + args + " 2>/dev/null", status);
}

// 2000/01/09 07:00-09:00, a woman: year 己卯 (before 立春), month 丁丑 (after 小寒), day 丙寅
// (2000/01/01 is 戊午, eight days on), hour 壬辰 (the 辰 hour of a 丙 day). 壬 beside a 丙 day
// is the sun over the sea, the only one-point rule that holds: 丁 and 己 are 劫財 and 傷官 of
// 丙, no officer pair.
TEST(MemoCommand, JsonHoldsEveryAppendingButtonInOrder) {
    int status = -1;
    const std::string args = "memo --date 2000/01/09 --slot 07:00-09:00 --sex 女 --json";
    const auto j = nlohmann::json::parse(cli(args, &status), nullptr, false);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(j.is_object());
    const auto& buttons = j["buttons"];
    const char* names[] = {"nisyubtn",    "nencyubtn", "tukicyubtn", "syakainaimen", "sinribtn",
                           "haigusyabtn", "cyokobtn",  "ougibtn",    "kansi60btn"};
    ASSERT_EQ(buttons.size(), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(buttons[i]["button"], names[i]);
        // Every passage button finds its passage in the shipped tables.
        if (i < kMemoHeadings.size()) {
            EXPECT_GT(buttons[i]["lines"].size(), static_cast<std::size_t>(kMemoHeadings[i].count));
        }
    }
    EXPECT_EQ(buttons[0]["caption"], "性格の鑑定文書");
    EXPECT_EQ(buttons[3]["lines"][2], "■社会運の内面鑑定（年柱十二運星）");
    const auto& onePoint = j["onePoint"];
    ASSERT_EQ(onePoint.size(), 1u);
    EXPECT_EQ(onePoint[0], "我が身の太陽が海にその光を投げかけ美しい風景を作っている命です。");
    EXPECT_EQ(buttons[7]["lines"].size(), 3u);
    EXPECT_EQ(buttons[7]["lines"][2], onePoint[0]);
    EXPECT_EQ(buttons[8]["lines"][1], "■六十干支による鑑定（丙寅）");
    EXPECT_FALSE(j["sixty"].empty());
    EXPECT_EQ(buttons[8]["lines"][2], j["sixty"][0]);
    const auto& igaku = j["igaku"];
    ASSERT_EQ(igaku["stems"].size(), 10u);
    EXPECT_EQ(igaku["stems"][2]["stem"], "丙");
    ASSERT_EQ(igaku["symptoms"].size(), 5u);
    EXPECT_EQ(igaku["symptoms"][4]["key"], "収");
    for (const auto& s : igaku["symptoms"]) EXPECT_GT(s["lines"].size(), 1u) << s["key"];

    // The general mode changes the year and month social readings only.
    const auto general = nlohmann::json::parse(cli(args + " --general", &status), nullptr, false);
    ASSERT_EQ(status, 0);
    EXPECT_NE(general["buttons"][1]["lines"], buttons[1]["lines"]);
    EXPECT_NE(general["buttons"][2]["lines"], buttons[2]["lines"]);
    EXPECT_EQ(general["buttons"][0]["lines"], buttons[0]["lines"]);
    EXPECT_EQ(general["buttons"][5]["lines"], buttons[5]["lines"]);
}

TEST(MemoCommand, BadInputStopsWithStatusTwo) {
    int status = -1;
    cli("memo --date 2000/02/30 --slot 07:00-09:00 --sex 女 --json", &status);
    EXPECT_EQ(status, 2);
    cli("memo --date 2000/01/09 --slot 07:00-09:00 --sex 女 --professional", &status);
    EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace suimei
