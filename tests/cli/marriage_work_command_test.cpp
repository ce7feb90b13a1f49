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

// 1984/02/10 is 甲戌 (2000/01/01 = 戊午, 55; 5804 days earlier: 55 - 5804 = 11 mod 60), so both
// ten-year buttons read the passages of 甲. The name holds a year placeholder on purpose.
const std::string kClient =
    " --date 1984/02/10 --slot 07:00-09:00 --sex 男 --name '＠甲 太郎' --json";

std::string joined(const nlohmann::json& lines) {
    std::string out;
    for (const auto& l : lines) out += l.get<std::string>() + "\n";
    return out;
}

TEST(MarriageWorkCommand, EveryButtonInOrderWithItsPlaceholdersFilled) {
    struct Case {
        const char* command;
        const char* today;
        std::vector<std::string> buttons;
        std::vector<std::string> yearsInTenYearReading;
    };
    // 2024 is 甲辰, 2023 癸卯: from 2024 the 乙 year is 2025 and the 己 year 2029; from 2023 the
    // 癸 year is 2023 itself and the 甲 year 2024.
    const Case cases[] = {
        {"marriage",
         "2024/03/01",
         {"bman1btn", "bman2btn", "dokuritubtn", "kekkongobtn", "rithmbtn"},
         {"2025年", "2029年"}},
        {"work",
         "2024/03/01",
         {"bman1btn", "bman2btn", "dokuritubtn", "rithmbtn", "SpeedButton1"},
         {"2024年", "2033年"}},
        {"work",
         "2023/12/31",
         {"bman1btn", "bman2btn", "dokuritubtn", "rithmbtn", "SpeedButton1"},
         {"2023年", "2024年"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.today);
        int status = -1;
        const auto j = nlohmann::json::parse(
            cli(std::string(c.command) + kClient + " --today " + c.today, &status), nullptr, false);
        ASSERT_EQ(status, 0);
        ASSERT_TRUE(j.is_object());
        std::vector<std::string> buttons;
        for (const auto& b : j["buttons"]) {
            buttons.push_back(b["button"]);
            const std::string text = joined(b["lines"]);
            ASSERT_GE(b["lines"].size(), 2u) << b["button"];
            EXPECT_EQ(b["lines"][0], " ");
            // The inserted name is never read again: its "＠甲" is the only "＠" left.
            std::string rest = text;
            for (std::size_t at; (at = rest.find("＠甲 太郎さん")) != std::string::npos;) {
                rest.erase(at, std::string("＠甲 太郎さん").size());
            }
            EXPECT_EQ(rest.find("＠"), std::string::npos) << text;
            EXPECT_NE(text.find("＠甲 太郎さん"), std::string::npos) << b["button"];
            if (b["button"] == "rithmbtn") {
                for (const std::string& y : c.yearsInTenYearReading) {
                    EXPECT_NE(text.find(y), std::string::npos) << y;
                }
            }
        }
        EXPECT_EQ(buttons, c.buttons);
    }
    // The ability button reads three passages, each after its own blank line.
    int status = -1;
    const auto work = nlohmann::json::parse(cli("work" + kClient, &status), nullptr, false);
    ASSERT_EQ(status, 0);
    const auto& lines = work["buttons"][4]["lines"];
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " "), 3);
}

TEST(MarriageWorkCommand, ABadClientGivesOneLineAndStatus2) {
    for (const char* bad : {"marriage --date 1984/02/30 --slot 07:00-09:00 --sex 男",
                            "work --date 1984/02/10 --slot 07:00-09:00 --sex 男 --today soon",
                            "work --date 1984/02/10 --slot 07:00-09:00 --sex 男 --partner x"}) {
        int status = -1;
        const std::string err = cli(bad, &status, true);
        EXPECT_EQ(status, 2) << bad;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << bad << ": " << err;
    }
}

}  // namespace
}  // namespace suimei
