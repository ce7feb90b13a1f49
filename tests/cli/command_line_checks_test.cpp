// The command line refuses what it cannot do truthfully: numbers out of range, unknown options,
// dates the chart's validation refuses; and every command explains its options.

#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "chart/mandata.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

std::string cli(const std::string& args, int* status, bool stderrOnly = false) {
    const std::string redirect = stderrOnly ? " 2>&1 >/dev/null" : " 2>/dev/null";
    return testing::runCommand(std::string(SUIMEI_CLI_PATH) + " " + args + redirect, status);
}

// 4294969280 = 2^32 + 1984: read into a 32-bit int it used to wrap to 1984.
TEST(CommandLineNumbers, NumbersBeyondTheirRangeAreRefusedNotWrapped) {
    const char* cases[] = {
        "old-calendar --date 4294969280/02/10",
        "old-calendar --date 1984/4294967298/10",
        "old-calendar --date 1984/02/4294967306",
        "old-calendar --date 1984/02/10x",
        "pillars --date 4294969280/02/10 --slot 07:00-09:00",
        "appraise --date 1984/02/10 --slot 07:00-09:00 --sex 男 --today 4294969280/02/10",
        "appraise --date 1984/02/10 --slot 07:00-09:00 --sex 男 --stage-school 4294967296",
        "pillars --date 1984/02/10 --slot 07:00-09:00 --prefecture 4294967324",
        "solar-terms --year 4294969280",
        "eto --year 4294969280",
    };
    for (const char* args : cases) {
        int status = -1;
        const std::string out = cli(args, &status);
        EXPECT_EQ(status, 2) << args;
        EXPECT_TRUE(out.empty()) << args << " answered: " << out;
    }
}

TEST(CommandLineOptions, AnUnknownOptionIsNamed) {
    const char* cases[] = {"old-calendar --foo --date 2000/01/01", "eto --foo 1970",
                           "clients export --bogus x --table a.db --csv b.csv",
                           "pillars --date 1984/02/10 --slot 07:00-09:00 --foo"};
    for (const char* args : cases) {
        int status = -1;
        const std::string err = cli(args, &status, true);
        EXPECT_EQ(status, 2) << args;
        EXPECT_NE(err.find("unknown option --"), std::string::npos) << args << ": " << err;
        EXPECT_EQ(err.find("needs a value"), std::string::npos) << args << ": " << err;
    }
}

TEST(CommandLineOptions, RefusedBirthDatesPrintTheValidationsOwnMessage) {
    for (const char* date : {"1984/13/10", "1311/01/10", "1984/x/10", "1984/02/40"}) {
        Tmandata chart;
        chart.sex = 'M';
        RecordingNotifier notes;
        ASSERT_FALSE(chart.validateBirthInput(date, kEraWestern, {2026, 12, 8}, notes)) << date;
        ASSERT_FALSE(notes.lastText().empty()) << date;
        int status = -1;
        const std::string err =
            cli(std::string("pillars --slot 07:00-09:00 --date ") + date, &status, true);
        EXPECT_EQ(status, 2) << date;
        EXPECT_NE(err.find(notes.lastText()), std::string::npos) << date << ": " << err;
    }
}

TEST(CommandLineHelp, EveryCommandListsItsOptionsAndTheSchoolNames) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"pillars", {"--date", "--slot", "--clock", "steps of ten", "--prefecture", "--calendar"}},
        {"old-calendar", {"--date", "--taiwan", "--json"}},
        {"clients", {"--table", "--csv", "--encoding", "--keep-invalid"}},
        {"eto", {"--year", "1868"}},
        {"readings", {"--check", "--app"}},
        {"solar-terms", {"--year", "--json"}},
    };
    for (const auto& [command, words] : cases) {
        int status = -1;
        const std::string out = cli(std::string(command) + " --help", &status);
        EXPECT_EQ(status, 0) << command;
        for (const std::string& w : words) {
            EXPECT_NE(out.find(w), std::string::npos) << command << " lacks " << w;
        }
    }
    for (const char* command : {"appraise", "batch"}) {
        int status = -1;
        const std::string out = cli(std::string(command) + " --help", &status);
        EXPECT_EQ(status, 0) << command;
        for (int i = 0; i <= 5; ++i) {
            EXPECT_NE(out.find(std::string(hiddenStemSchoolName(i))), std::string::npos) << i;
        }
        for (int i = 0; i <= 2; ++i) {
            EXPECT_NE(out.find(std::string(twelveStageSchoolItem(i))), std::string::npos) << i;
        }
        EXPECT_NE(out.find(std::string(qrekiBaseName(0))), std::string::npos);
        EXPECT_NE(out.find(std::string(qrekiBaseName(1))), std::string::npos);
    }
}

TEST(EtoCommand, YearsBeforeMeijiAreRefusedSinceTheirEraYearCannotBeRead) {
    int status = -1;
    const std::string err = cli("eto --year 1312", &status, true);
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find("1868"), std::string::npos) << err;
    EXPECT_EQ(cli("eto --year 1867", &status), "");
    EXPECT_EQ(status, 2);
    const std::string first = cli("eto --year 1868", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(first.substr(0, 3), "M1:") << "明治 1";
}

}  // namespace
}  // namespace suimei
