// suimei-cli methods nine-star: the natal stars of births around the 1985 New Year (worked from
// the solar terms: 小寒 5 January, 立春 4 February), a woman with N = T = 5, the future reading
// of March 2025 and refused --future values.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

nlohmann::json nineStar(const std::string& args, int* status) {
    const std::string out = testing::runCommand(
        std::string(SUIMEI_CLI_PATH) + " methods nine-star --slot 07:00-09:00 --json " + args +
            " 2>/dev/null",
        status);
    return nlohmann::json::parse(out, nullptr, false);
}

std::vector<int> ints(const nlohmann::json& j) {
    return j.get<std::vector<int>>();
}

TEST(NineStarCommand, NatalStarsAroundTheNewYear) {
    struct Case {
        const char* date;
        const char* sex;
        int natal, month, position, star, highlight;
    };
    const Case cases[] = {
        {"1985/01/15", "男", 7, 6, 9, 6, 9},  // after 小寒, before 立春: 七赤 in 乾 of 六白
        {"1985/01/03", "男", 7, 7, 7, 8, 7},  // before 小寒: N = T, 艮 by the centre rule
        {"1985/02/02", "男", 7, 6, 9, 6, 9},  // before 立春: still the 丑 month of 1984
        {"1986/08/20", "女", 5, 5, 6, 7, 9},  // N = T = 5: a woman's square is 乾
        {"1986/08/20", "男", 5, 5, 6, 7, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.sex);
        int status = -1;
        const auto j = nineStar(std::string("--date ") + c.date + " --sex " + c.sex, &status);
        ASSERT_EQ(status, 0);
        ASSERT_TRUE(j.is_object());
        EXPECT_EQ(j["natalStar"], c.natal);
        EXPECT_EQ(j["monthStar"], c.month);
        EXPECT_EQ(j["inclinationPosition"], c.position);
        EXPECT_EQ(j["inclinationStar"], c.star);
        EXPECT_EQ(j["highlight"], c.highlight);
        EXPECT_EQ(j["yearBoard"][4], c.natal);  // the centre, position 5
        EXPECT_EQ(j["monthBoard"][4], c.month);
        EXPECT_FALSE(j.contains("future"));
        // Three passages, each followed by " ".
        ASSERT_EQ(j["memo"].size(), 6u);
        EXPECT_EQ(j["memo"][1], " ");
        EXPECT_EQ(j["memo"][5], " ");
    }
}

TEST(NineStarCommand, FutureReadingOfMarch2025) {
    int status = -1;
    const auto j = nineStar("--date 1985/01/15 --sex 男 --future 2025/03", &status);
    ASSERT_EQ(status, 0);
    const auto& f = j["future"];
    EXPECT_EQ(ints(f["yearBoard"]), (std::vector<int>{1, 6, 8, 9, 2, 4, 5, 7, 3}));
    EXPECT_EQ(ints(f["monthBoard"]), (std::vector<int>{9, 5, 7, 8, 1, 3, 4, 6, 2}));
    EXPECT_EQ(f["darkSword"]["year"], 3);
    EXPECT_EQ(f["darkSword"]["month"], 8);
    EXPECT_EQ(f["break"]["year"], 9);
    EXPECT_EQ(f["break"]["month"], 6);
    EXPECT_EQ(f["meeting"]["year"], 8);
    EXPECT_EQ(f["meeting"]["month"], 3);
    ASSERT_GE(f["memo"].size(), 5u);
    EXPECT_EQ(f["memo"][0], "【2025年度の同会法による運勢】");
    EXPECT_TRUE(f["memo"].back().get<std::string>().starts_with("　さらに、八白土星が"));
    // A 五黄 year has no dark sword: 0 stands for none.
    const auto five = nineStar("--date 1985/01/15 --sex 男 --future 2022/08", &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(five["future"]["darkSword"]["year"], 0);
    EXPECT_EQ(five["future"]["darkSword"]["month"], 0);
}

TEST(NineStarCommand, BadFutureValuesAreRefusedOnOneLine) {
    for (const char* value : {"2025/13", "2025/0", "abc", "2025", "2025/", "/3", "0/3"}) {
        int status = -1;
        const std::string err = testing::runCommand(
            std::string(SUIMEI_CLI_PATH) +
                " methods nine-star --date 1985/01/15 --slot 07:00-09:00 --sex 男 --future '" +
                value + "' 2>&1 >/dev/null",
            &status);
        EXPECT_EQ(status, 2) << value;
        EXPECT_NE(err.find("--future"), std::string::npos) << value << ": " << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

}  // namespace
}  // namespace suimei
