// suimei-cli pillars, run as a program: pillars in JSON and text, the birth-time list, and one
// clear line with status 2 for every bad argument.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace suimei {
namespace {

std::string cli(const std::string& args, int* status, bool stderrOnly = false) {
    const std::string redirect = stderrOnly ? " 2>&1 >/dev/null" : " 2>/dev/null";
    return testing::runCommand(std::string(SUIMEI_CLI_PATH) + " pillars " + args + redirect,
                               status);
}

nlohmann::json pillarsJson(const std::string& args) {
    int status = -1;
    const std::string out = cli(args + " --json", &status);
    EXPECT_EQ(status, 0) << args;
    return nlohmann::json::parse(out, nullptr, false);
}

TEST(PillarsCommand, JsonCarriesThePillarsAndTheFacts) {
    // 2000-01-01, 11:00-13:00 → 12:00 (兵庫県, 12:01): 己卯 丙子 戊午 戊午.
    const auto j = pillarsJson("--date 2000/01/01 --slot 11:00-13:00");
    ASSERT_TRUE(j.is_object());
    EXPECT_EQ(j["pillars"]["year"]["name"], "己卯");
    EXPECT_EQ(j["pillars"]["month"]["name"], "丙子");
    EXPECT_EQ(j["pillars"]["day"]["name"], "戊午");
    EXPECT_EQ(j["pillars"]["day"]["stem"], 5);
    EXPECT_EQ(j["pillars"]["day"]["branch"], 7);
    EXPECT_EQ(j["pillars"]["hour"]["name"], "戊午");
    EXPECT_EQ(j["yearStem"], 6);
    EXPECT_EQ(j["beforeEntry"], true);
    EXPECT_EQ(j["localMinute"], 1);
    EXPECT_EQ(j["curEntryDay"], 6);
    EXPECT_NEAR(j["sunLongitude"].get<double>(), 280.0, 0.5);
    for (const char* key : {"prevEntryHour", "nextEntryDay", "daysSinceEntry", "daysToEntry",
                            "luckStartYears", "luckStartMonths", "luckStartMonth", "luckStartAge",
                            "currentYear", "countingAge", "entryDepthDays"}) {
        EXPECT_TRUE(j.contains(key)) << key;
    }
}

TEST(PillarsCommand, SlotsClockAndPrefecture) {
    // The late 子 period on a 甲 day (1984-02-10, 甲戌): 丙子, the day unchanged.
    auto j = pillarsJson("--date 1984/02/10 --slot 23:00-00:00");
    EXPECT_EQ(j["pillars"]["hour"]["name"], "丙子");
    EXPECT_EQ(j["pillars"]["day"]["name"], "甲戌");
    // Time unknown: no hour pillar.
    j = pillarsJson("--date 1984/02/10 --slot 不明の場合");
    EXPECT_EQ(j["pillars"]["hour"]["stem"], 0);
    EXPECT_EQ(j["pillars"]["hour"]["branch"], 0);
    EXPECT_EQ(j["pillars"]["hour"]["name"], "");
    EXPECT_EQ(j["pillars"]["day"]["name"], "甲戌");
    // 東京都 at 23:50 on 12-31 is the next year: its day is 2024-01-01, 甲子.
    j = pillarsJson("--date 2023/12/31 --clock 23:55 --prefecture 13");
    EXPECT_EQ(j["localYear"], 2024);
    EXPECT_EQ(j["localMinute"], 9);  // 23:55 is entered as 23:50
    EXPECT_EQ(j["pillars"]["day"]["name"], "甲子");
    EXPECT_EQ(j["pillars"]["year"]["name"], "癸卯");
}

TEST(PillarsCommand, TextIsReadableJapanese) {
    int status = -1;
    const std::string out =
        cli("--date 1984/02/10 --clock 07:00 --sex 女 --prefecture 47", &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("年柱：甲子"), std::string::npos) << out;
    EXPECT_NE(out.find("日柱：甲戌"), std::string::npos) << out;
    EXPECT_NE(out.find("沖縄県"), std::string::npos) << out;
    EXPECT_NE(out.find("立運までの年月："), std::string::npos) << out;
}

TEST(PillarsCommand, BadArgumentsGiveOneLineAndStatusTwo) {
    const char* bad[] = {
        "--date 2023/02/29 --slot 07:00-09:00",
        "--date 2023/13/01 --slot 07:00-09:00",
        "--date 1200/01/01 --slot 07:00-09:00",
        "--date yesterday --slot 07:00-09:00",
        "--slot 07:00-09:00",
        "--date 2000/01/01",
        "--date 2000/01/01 --slot 07:00-09:00 --clock 08:00",
        "--date 2000/01/01 --slot 07:00-08:00",
        "--date 2000/01/01 --clock 24:00",
        "--date 2000/01/01 --clock 7:5",
        "--date 2000/01/01 --clock 07:00 --sex M",
        "--date 2000/01/01 --clock 07:00 --prefecture 48",
        "--date 2000/01/01 --clock 07:00 --prefecture x",
        "--date 2000/01/01 --clock 07:00 --calendar moon",
        "--date 2000/01/01 --clock 07:00 --colour red",
    };
    for (const char* args : bad) {
        int status = -1;
        const std::string err = cli(args, &status, true);
        EXPECT_EQ(status, 2) << args;
        EXPECT_FALSE(err.empty()) << args;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << args << ": " << err;
    }
}

TEST(PillarsCommand, CalendarFilesGiveThePillarsAwayFromEntries) {
    // Mid-month, far from any entry, both ways agree; the astronomy still gives the depth.
    const auto files = pillarsJson("--date 2000/01/20 --clock 07:00 --calendar files");
    const auto astro = pillarsJson("--date 2000/01/20 --clock 07:00");
    ASSERT_TRUE(files.is_object());
    EXPECT_EQ(files["pillars"], astro["pillars"]);
    EXPECT_EQ(files["pillars"]["day"]["name"], "丁丑");  // 2000-01-01 戊午 (55) + 19 days = 14
    EXPECT_FALSE(files["entryDepthDays"].is_null());
    // Before 1922 the files are never used, whatever is asked.
    const auto early = pillarsJson("--date 1921/01/20 --clock 07:00 --calendar files");
    EXPECT_EQ(early["pillars"], pillarsJson("--date 1921/01/20 --clock 07:00")["pillars"]);
}

}  // namespace
}  // namespace suimei
