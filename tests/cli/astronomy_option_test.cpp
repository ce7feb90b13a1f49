// suimei-cli --astronomy described|precise on the chart commands and solar-terms, and
// solar-terms --compare, run as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

std::string cli(const std::string& arguments, int* status) {
    return testing::runCommand(std::string("'") + SUIMEI_CLI_PATH + "' " + arguments, status);
}

nlohmann::json cliJson(const std::string& arguments) {
    int status = -1;
    const std::string out = cli(arguments + " 2>/dev/null", &status);
    EXPECT_EQ(status, 0) << arguments;
    return nlohmann::json::parse(out, nullptr, false);
}

// 2020 立春 fell at 18:03:38 JST; the described sun has it before 18:00.
TEST(AstronomyOption, ChartCommandsTakeTheChosenSun) {
    const std::string pillars = "pillars --date 2020/02/04 --clock 18:00 --json";
    EXPECT_EQ(cliJson(pillars)["pillars"]["year"]["name"], "庚子");
    EXPECT_EQ(cliJson(pillars + " --astronomy described")["pillars"]["year"]["name"], "庚子");
    EXPECT_EQ(cliJson(pillars + " --astronomy precise")["pillars"]["year"]["name"], "己亥");

    // 17:00-19:00 is worked at 18:00.
    const std::string appraise =
        "appraise --date 2020/02/04 --slot 17:00-19:00 --sex 男 --today 2026/12/08 --json";
    const auto described = cliJson(appraise);
    EXPECT_EQ(described["pillars"]["year"]["name"], "庚子");
    EXPECT_EQ(described["astronomy"], "described");
    const auto precise = cliJson(appraise + " --astronomy precise");
    EXPECT_EQ(precise["pillars"]["year"]["name"], "己亥");
    EXPECT_EQ(precise["pillars"]["month"]["name"], "丁丑");
    EXPECT_EQ(precise["astronomy"], "precise");
}

TEST(AstronomyOption, SolarTermsOfEitherSun) {
    const auto precise = cliJson("solar-terms --year 2024 --astronomy precise --json");
    ASSERT_EQ(precise["terms"].size(), 24u);
    EXPECT_EQ(precise["astronomy"], "precise");
    // National Astronomical Observatory of Japan: 2024 立春 17:27, 春分 12:06 JST.
    EXPECT_EQ(precise["terms"][2]["hour"], 17);
    EXPECT_EQ(precise["terms"][2]["minute"], 27);
    EXPECT_EQ(precise["terms"][5]["hour"], 12);
    EXPECT_EQ(precise["terms"][5]["minute"], 6);
    EXPECT_EQ(cliJson("solar-terms --year 2024 --json")["astronomy"], "described");
}

TEST(AstronomyOption, CompareSetsBothSidesByTheirDifference) {
    int status = -1;
    const std::string text = cli("solar-terms --year 2024 --compare 2>/dev/null", &status);
    ASSERT_EQ(status, 0);
    std::istringstream lines(text);
    std::string line;
    int termLines = 0;
    while (std::getline(lines, line)) {
        if (line.find("2024/") != std::string::npos) ++termLines;
    }
    EXPECT_EQ(termLines, 24) << text;
    EXPECT_NE(text.find("立春　"), std::string::npos) << text;
    EXPECT_NE(text.find("2024/02/04 17:27"), std::string::npos) << text;

    const auto j = cliJson("solar-terms --year 2024 --compare --json");
    ASSERT_EQ(j["terms"].size(), 24u);
    const auto described = cliJson("solar-terms --year 2024 --json")["terms"];
    const auto precise = cliJson("solar-terms --year 2024 --astronomy precise --json")["terms"];
    for (std::size_t i = 0; i < 24; ++i) {
        const auto& t = j["terms"][i];
        EXPECT_EQ(t["described"], described[i]["time"]) << i;
        EXPECT_EQ(t["precise"], precise[i]["time"]) << i;
        // Same day in 2024 for every term: the clock difference is the difference.
        const auto minutes = [](const nlohmann::json& e) {
            return e["day"].get<int>() * 1440 + e["hour"].get<int>() * 60 + e["minute"].get<int>() +
                   e["second"].get<int>() / 60.0;
        };
        if (described[i]["day"] == precise[i]["day"]) {
            EXPECT_NEAR(t["differenceMinutes"].get<double>(),
                        minutes(precise[i]) - minutes(described[i]), 1e-6)
                << i;
        }
        EXPECT_LT(std::fabs(t["differenceMinutes"].get<double>()), 20.0) << i;
    }
}

TEST(AstronomyOption, ABadValueGivesOneLineAndStatus2) {
    for (const char* call :
         {"solar-terms --year 2024 --astronomy exact", "solar-terms --year 2024 --astronomy",
          "solar-terms --year 2024 --compare --astronomy precise",
          "pillars --date 2020/02/04 --clock 18:00 --astronomy PRECISE",
          "appraise --date 2020/02/04 --slot 17:00-19:00 --sex 男 --astronomy vsop",
          "batch --csv /nonexistent.csv --astronomy none"}) {
        int status = -1;
        const std::string err = cli(std::string(call) + " 2>&1 >/dev/null", &status);
        EXPECT_EQ(status, 2) << call;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << call << ": " << err;
        EXPECT_NE(err.find("astronomy"), std::string::npos) << call << ": " << err;
    }
}

}  // namespace
}  // namespace suimei
