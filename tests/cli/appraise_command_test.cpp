#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

std::string cli(const std::string& args, int* status, bool stderrOnly = false) {
    const std::string redirect = stderrOnly ? " 2>&1 >/dev/null" : " 2>/dev/null";
    return testing::runCommand(std::string(SUIMEI_CLI_PATH) + " " + args + redirect, status);
}

TEST(AppraiseCommand, JsonHoldsTheWholeChart) {
    int status = -1;
    const std::string out =
        cli("appraise --date 1984/02/10 --slot 07:00-09:00 --sex 男 --name 'A B' --json "
            "--today 2026/12/08",
            &status);
    ASSERT_EQ(status, 0);
    const auto j = nlohmann::json::parse(out, nullptr, false);
    ASSERT_TRUE(j.is_object());
    EXPECT_EQ(j["pillars"]["day"]["name"], "甲戌");
    EXPECT_EQ(j["pillars"]["hour"]["stem"], 5);
    EXPECT_EQ(j["pillars"]["month"]["hiddenStems"].size(), 3u);
    EXPECT_EQ(j["elementPoints"].size(), 5u) << "per-element arrays have five entries, 木 first";
    EXPECT_EQ(j["luckAges"].size(), 12u);
    EXPECT_EQ(j["annualStems"].size(), 120u);
    EXPECT_EQ(j["age"], 42);
    EXPECT_EQ(j["nameText"], "A B");
    EXPECT_TRUE(j["solarFacts"].contains("curEntryDay"));
    EXPECT_TRUE(j["oldCalendar"].contains("lunarMonth"));
    EXPECT_EQ(j["display"]["voidText"], "空亡:申:酉");
}

TEST(AppraiseCommand, SettingsAndTheSouthernQuestion) {
    int status = -1;
    // Without --yes the southern question is answered No and the run stops.
    cli("appraise --date 1984/02/10 --slot 07:00-09:00 --sex 男 --south", &status);
    EXPECT_EQ(status, 2);
    const std::string out =
        cli("appraise --date 1984/02/10 --slot 07:00-09:00 --sex 男 --south --yes --json", &status);
    ASSERT_EQ(status, 0);
    const auto j = nlohmann::json::parse(out, nullptr, false);
    EXPECT_EQ(j["pillars"]["year"]["name"], "甲午");
    const std::string school =
        cli("appraise --date 1984/02/10 --slot 07:00-09:00 --sex 男 --hidden-stem-school 4 --json",
            &status);
    ASSERT_EQ(status, 0);
    // 子 holds only 癸 under 算命学式.
    EXPECT_EQ(nlohmann::json::parse(school)["pillars"]["year"]["hiddenCount"], 1);
}

// 00:00-01:00 of 1950-07-15 on a summer-time clock is 23:00-24:00 standard time of the 14th.
TEST(AppraiseCommand, SummerTimeOption) {
    int status = -1;
    const std::string base = "appraise --date 1950/07/15 --slot 00:00-01:00 --sex 女 --json";
    const auto asGiven = nlohmann::json::parse(cli(base, &status), nullptr, false);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(asGiven["summerTime"]["inPeriod"], true);
    EXPECT_EQ(asGiven["summerTime"]["corrected"], false);
    const auto off =
        nlohmann::json::parse(cli(base + " --summer-time off", &status), nullptr, false);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(off["pillars"], asGiven["pillars"]);

    const auto corrected =
        nlohmann::json::parse(cli(base + " --summer-time auto", &status), nullptr, false);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(corrected["summerTime"]["corrected"], true);
    const auto eve = nlohmann::json::parse(
        cli("appraise --date 1950/07/14 --slot 23:00-00:00 --sex 女 --json", &status), nullptr,
        false);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(corrected["pillars"], eve["pillars"]);
    EXPECT_NE(corrected["pillars"]["day"], asGiven["pillars"]["day"]);

    // Outside the periods auto corrects nothing.
    const auto later = nlohmann::json::parse(
        cli("appraise --date 1952/07/15 --slot 00:00-01:00 --sex 女 --json --summer-time auto",
            &status),
        nullptr, false);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(later["summerTime"]["inPeriod"], false);
    EXPECT_EQ(later["summerTime"]["corrected"], false);

    cli(base + " --summer-time on", &status);
    EXPECT_EQ(status, 2);
}

TEST(AppraiseCommand, BadArgumentsGiveOneLineAndStatusTwo) {
    const char* bad[] = {
        "appraise --slot 07:00-09:00 --sex 男",
        "appraise --date 1984/02/10 --slot 07:00 --sex 男",
        "appraise --date 1984/02/10 --slot 07:00-09:00 --sex M",
        "appraise --date 1984/13/10 --slot 07:00-09:00 --sex 男",
        "appraise --date 1311/01/10 --slot 07:00-09:00 --sex 男",
        "appraise --date 2023/02/30 --slot 07:00-09:00 --sex 男",
        "appraise --date 1984/02/10 --slot 07:00-09:00 --sex 男 --stage-school 3",
        "appraise --date 1984/02/10 --slot 07:00-09:00 --sex 男 --calendar moon",
        "eto --year 99999",
        "eto",
    };
    for (const char* args : bad) {
        int status = -1;
        const std::string err = cli(args, &status, true);
        EXPECT_EQ(status, 2) << args;
        EXPECT_FALSE(err.empty()) << args;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
    }
}

TEST(BatchCommand, OneLinePerClientAndBadClientsReported) {
    testing::TempDir dir;
    std::string csv = "\"甲\",\"1984/02/10\",\"07:00-09:00\",\"男\"\r\n";
    csv += "\"乙\",\"1984/13/10\",\"07:00-09:00\",\"女\"\r\n";
    csv += "\"丙\",\"2000/01/01\",\"不明の場合\",\"女\"\r\n";
    csv += "\"broken\r\n";
    const auto file = dir.write("c.csv", *utf8ToCp932(csv));
    int status = -1;
    const std::string out = cli("batch --json --today 2026/12/08 --csv " + file.string(), &status);
    EXPECT_EQ(status, 1) << "some clients failed";
    std::istringstream lines(out);
    std::string line;
    std::vector<nlohmann::json> rows;
    while (std::getline(lines, line)) rows.push_back(nlohmann::json::parse(line, nullptr, false));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0]["pillars"]["day"]["name"], "甲戌");
    EXPECT_EQ(rows[1]["line"], 2);
    EXPECT_TRUE(rows[1].contains("error"));
    EXPECT_EQ(rows[2]["pillars"]["day"]["name"], "戊午");
    EXPECT_EQ(rows[3]["line"], 4);
}

// Workers finish out of order; the file's order and every byte of the output must not show it.
TEST(BatchCommand, AnyNumberOfJobsWritesTheSameLinesInTheFileOrder) {
    testing::TempDir dir;
    static const char* const kSlots[] = {"00:00-01:00", "07:00-09:00", "23:00-00:00", "不明の場合"};
    std::string csv;
    const int clients = 300;  // several blocks of work, the last one short
    for (int i = 1; i <= clients; ++i) {
        if (i == 1 || i == 65 || i == 200 || i == clients) {
            csv += "\"誤" + std::to_string(i) + "\",\"1984/02/30\",\"07:00-09:00\",\"男\"\r\n";
            continue;
        }
        const int year = 1900 + (i * 37) % 150;
        const int month = 1 + (i * 7) % 12;
        const int day = 1 + (i * 11) % 28;
        char date[16];
        std::snprintf(date, sizeof date, "%04d/%02d/%02d", year, month, day);
        csv += "\"客" + std::to_string(i) + "\",\"" + date + "\",\"" + kSlots[i % 4] + "\",\"" +
               (i % 2 ? "男" : "女") + "\"\r\n";
    }
    const auto file = dir.write("many.csv", *utf8ToCp932(csv));
    for (const char* format : {"", " --json"}) {
        const std::string base =
            std::string("batch --today 2026/12/08") + format + " --csv " + file.string();
        int status = -1;
        const std::string one = cli(base + " --jobs 1", &status);
        EXPECT_EQ(status, 1) << "four clients fail";
        EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), clients);
        for (const char* jobs : {" --jobs 2", " --jobs 3", ""}) {
            int s = -1;
            EXPECT_EQ(cli(base + jobs, &s), one) << format << jobs;
            EXPECT_EQ(s, 1);
        }
        // Line i of the output is client i of the file.
        std::istringstream lines(one);
        std::string line;
        for (int i = 1; std::getline(lines, line); ++i) {
            const bool bad = i == 1 || i == 65 || i == 200 || i == clients;
            if (*format == '\0') {
                const std::string expected =
                    bad ? std::to_string(i) + "行目" : "客" + std::to_string(i) + "\t";
                EXPECT_EQ(line.substr(0, expected.size()), expected) << i;
            } else {
                const auto j = nlohmann::json::parse(line, nullptr, false);
                EXPECT_EQ(j["line"], i);
                EXPECT_EQ(j.contains("error"), bad) << i;
            }
        }
    }
    // The settings options of appraise hold for the batch too.
    int status = -1;
    cli("batch --summer-time auto --astronomy precise --jobs 2 --csv " + file.string(), &status);
    EXPECT_EQ(status, 1);
    for (const char* jobs : {"0", "257", "two"}) {
        int status = -1;
        cli("batch --jobs " + std::string(jobs) + " --csv " + file.string(), &status);
        EXPECT_EQ(status, 2) << jobs;
    }
}

// 2000-01-01 00:00-01:00 is worked at 00:31 local time, 29 minutes before the 丑 hour;
// 23:00-00:00 at 23:31, 31 minutes past 23:00, is not near a boundary.
TEST(AppraiseCommand, AmbiguityMembers) {
    int status = -1;
    const auto near = nlohmann::json::parse(
        cli("appraise --date 2000/01/01 --slot 00:00-01:00 --sex 男 --json --today 2026/12/08",
            &status),
        nullptr, false);
    ASSERT_EQ(status, 0);
    const auto& a = near["ambiguity"];
    EXPECT_TRUE(a["nearEntryMinutes"].is_null());
    EXPECT_EQ(a["nearHourBoundaryMinutes"], 29);
    EXPECT_EQ(a["timeUnknown"], false);
    EXPECT_EQ(a["ambiguous"], true);
    ASSERT_EQ(a["candidates"].size(), 2u);
    const auto& other = a["candidates"][1];
    EXPECT_EQ(other["assumption"], "丑の刻");
    EXPECT_EQ(other["pillars"]["hour"], "癸丑");
    EXPECT_EQ(other["pillars"]["day"], "戊午");
    EXPECT_TRUE(other["patternName"].is_string());
    EXPECT_TRUE(other["favourableElements"].is_string());
    EXPECT_NE(std::find(other["differs"].begin(), other["differs"].end(), "pillars.hour"),
              other["differs"].end());

    const auto far = nlohmann::json::parse(
        cli("appraise --date 2000/01/01 --slot 23:00-00:00 --sex 男 --json --today 2026/12/08",
            &status),
        nullptr, false);
    EXPECT_EQ(far["ambiguity"]["ambiguous"], false);
    EXPECT_TRUE(far["ambiguity"]["nearHourBoundaryMinutes"].is_null());
    EXPECT_TRUE(far["ambiguity"]["candidates"].empty());

    const std::string text =
        cli("appraise --date 2000/01/01 --slot 00:00-01:00 --sex 男 --today 2026/12/08", &status);
    EXPECT_NE(text.find("境界に近い生まれです：時の境目まで 29 分"), std::string::npos);
}

TEST(BatchCommand, AmbiguousOnlyListsTheClientsNearABoundary) {
    testing::TempDir dir;
    std::string csv = "\"近\",\"2000/01/01\",\"00:00-01:00\",\"男\"\r\n";
    csv += "\"遠\",\"2000/01/01\",\"01:00-03:00\",\"男\"\r\n";
    csv += "\"不明\",\"2000/01/01\",\"不明の場合\",\"女\"\r\n";
    const auto file = dir.write("c.csv", *utf8ToCp932(csv));
    int status = -1;
    const std::string all = cli("batch --today 2026/12/08 --csv " + file.string(), &status);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 3);
    EXPECT_EQ(all.find("境界"), std::string::npos) << "plain batch lines have no reason column";

    const std::string text =
        cli("batch --ambiguous-only --today 2026/12/08 --csv " + file.string(), &status);
    EXPECT_EQ(status, 0);
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line)) rows.push_back(line);
    ASSERT_EQ(rows.size(), 2u) << text;
    EXPECT_EQ(rows[0].rfind("近\t", 0), 0u);
    EXPECT_NE(rows[0].find("\t境界に近い生まれです：時の境目まで 29 分"), std::string::npos);
    EXPECT_EQ(rows[1].rfind("不明\t", 0), 0u);
    EXPECT_NE(rows[1].find("\t生まれた時刻が不明です"), std::string::npos);

    const std::string json =
        cli("batch --json --ambiguous-only --today 2026/12/08 --csv " + file.string(), &status);
    std::istringstream jsonLines(json);
    ASSERT_TRUE(std::getline(jsonLines, line));
    const auto first = nlohmann::json::parse(line, nullptr, false);
    EXPECT_EQ(first["line"], 1);
    EXPECT_EQ(first["ambiguity"]["candidates"].size(), 2u);
}

TEST(EtoCommand, PrintsTheFileOfAYear) {
    int status = -1;
    const std::string out = cli("eto --year 1970", &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(out.substr(0, 9), "S45:7-11\r") << "昭和45 庚戌";
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 25);
}

}  // namespace
}  // namespace suimei
