// suimei-cli methods mansion and methods emotion for a client born 1984/02/10 (甲戌 day, void
// 申酉; lunar 1/9 of the new year that began on February 2, so 参宿: the first day of the first
// month is 室, and eight mansions on is 参).

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

const std::string kClient = " --date 1984/02/10 --slot 07:00-09:00 --sex 男";

std::string cli(const std::string& args, int* status, bool stderrOnly = false) {
    const std::string redirect = stderrOnly ? " 2>&1 >/dev/null" : " 2>/dev/null";
    return testing::runCommand(std::string(SUIMEI_CLI_PATH) + " " + args + redirect, status);
}

TEST(MethodsMansionEmotion, MansionGivesTheBirthMansionWithItsPictureAndTexts) {
    int status = -1;
    const auto j = nlohmann::json::parse(cli("methods mansion" + kClient + " --json", &status),
                                         nullptr, false);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(j.is_object());
    EXPECT_EQ(j["mansion"], 4);
    EXPECT_EQ(j["name"], "参");
    EXPECT_TRUE(j["picture"].get<std::string>().ends_with("/bmp/QR27-4.bmp"));
    ASSERT_FALSE(j["meaning"].empty());
    ASSERT_FALSE(j["karma"].empty());
    EXPECT_NE(j["meaning"][0].get<std::string>().find("参宿"), std::string::npos);
}

TEST(MethodsMansionEmotion, EmotionOnAGengDayOfTheVoidBranch) {
    int status = -1;
    const auto j = nlohmann::json::parse(
        cli("methods emotion" + kClient + " --on 2000/01/03 --json", &status), nullptr, false);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(j.is_object());
    EXPECT_EQ(j["year"]["tenGod"], "正財");   // 己卯: 甲 controls 己
    EXPECT_EQ(j["month"]["tenGod"], "食神");  // 丙子, before January's entry
    EXPECT_EQ(j["day"]["tenGod"], "偏官");    // 庚申
    const std::string addition = "また、この期間は空亡していますので、";
    EXPECT_NE(j["day"]["text"].get<std::string>().find(addition), std::string::npos);
    EXPECT_EQ(j["year"]["text"].get<std::string>().find(addition), std::string::npos);
    // 2000 from the 丁丑 month: 傷官 偏財 正財 偏官 正官 偏印 印綬 比肩 劫財 食神 傷官 偏財.
    EXPECT_EQ(j["yearScores"], nlohmann::json({3, 7, 9, 6, 10, 5, 8, 4, 1, 7, 3, 7}));
    ASSERT_EQ(j["monthScores"].size(), 31u);
    EXPECT_EQ(j["monthScores"][2], 6);

    const auto leap = nlohmann::json::parse(
        cli("methods emotion" + kClient + " --on 2024/02/10 --json", &status), nullptr, false);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(leap["monthScores"].size(), 29u);
}

TEST(MethodsMansionEmotion, EmotionRefusesAMissingOrBadDateOnOneLine) {
    for (const std::string& on : {std::string(), std::string(" --on 2024/02/30"),
                                  std::string(" --on tomorrow"), std::string(" --on 1200/01/01")}) {
        int status = -1;
        const std::string err = cli("methods emotion" + kClient + on, &status, true);
        EXPECT_EQ(status, 2) << on;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

}  // namespace
}  // namespace suimei
