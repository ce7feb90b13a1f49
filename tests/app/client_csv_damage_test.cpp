// The client file under damage, odd names and wrong paths: nothing is reported as done that was
// not done, and no name turns into another.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/client_table.h"
#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;

std::string cli(const std::string& args, int* status) {
    return testing::runCommand(std::string(SUIMEI_CLI_PATH) + " " + args + " 2>&1", status);
}

void addClient(Table& t, const std::string& name, const std::string& date = "1980/05/05",
               const std::string& time = "不明の場合", const std::string& sex = "男") {
    t.append();
    t.setField(client_field::kName, name);
    t.setField(client_field::kBirthDate, date);
    t.setField(client_field::kTime, time);
    t.setField(client_field::kSex, sex);
    ASSERT_TRUE(t.post()) << t.lastError();
}

std::vector<std::string> names(Table& t) {
    std::vector<std::string> out;
    t.forEach([&](const Record& r) {
        out.push_back(r.at(client_field::kName));
        return true;
    });
    return out;
}

std::vector<std::string> folderEntries(const fs::path& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        // SQLite's own shared-memory files of a table opened for reading are not ours.
        if (name.ends_with("-shm") || name.ends_with("-wal")) continue;
        out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// A table of `count` clients, closed, then every page from the tenth on overwritten with noise.
fs::path damagedTable(const testing::TempDir& dir, int count) {
    const fs::path file = dir.path() / "damaged.db";
    {
        auto t = openClientTableFile(file, ClientTableAccess::CreateIfMissing);
        Table::Batch batch(*t);
        for (int i = 0; i < count; ++i) addClient(*t, "client" + std::to_string(i));
        batch.commit();
    }
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekg(0, std::ios::end);
    const auto size = static_cast<long long>(f.tellg());
    const std::string noise(4096, '\x5A');
    for (long long at = 9 * 4096; at + 4096 <= size - 4 * 4096; at += 3 * 4096) {
        f.seekp(at);
        f.write(noise.data(), static_cast<std::streamsize>(noise.size()));
    }
    return file;
}

TEST(ClientExport, ADamagedTableKeepsTheOldBackupAndSaysSo) {
    testing::TempDir dir;
    const fs::path table = damagedTable(dir, 3000);
    const fs::path backup = dir.write("backup.csv", "the good backup");
    {
        std::string error;
        auto t = openClientTableFile(table, ClientTableAccess::ReadOnly, &error);
        if (t) {
            CsvExportReport report;
            EXPECT_FALSE(exportClientsCsv(*t, backup, &error, CsvEncoding::ShiftJis, &report));
            EXPECT_NE(error.find("書き出していません"), std::string::npos) << error;
            EXPECT_EQ(report.written, 0);
        }
    }
    EXPECT_EQ(readFileBytes(backup), "the good backup");
    int status = -1;
    const std::string out =
        cli("clients export --table " + table.string() + " --csv " + backup.string(), &status);
    EXPECT_NE(status, 0) << out;
    EXPECT_EQ(out.find("書き出しました"), std::string::npos) << out;
    EXPECT_EQ(readFileBytes(backup), "the good backup");
    EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{"backup.csv", "damaged.db"}))
        << "no temporary file is left behind";
}

TEST(ClientExport, AWholeTableCountsWhatWasWritten) {
    testing::TempDir dir;
    const fs::path table = dir.path() / "t.db";
    {
        auto t = openClientTableFile(table, ClientTableAccess::CreateIfMissing);
        for (int i = 0; i < 32; ++i) addClient(*t, "c" + std::to_string(i));
    }
    int status = -1;
    const fs::path csv = dir.path() / "out.csv";
    const std::string out =
        cli("clients export --table " + table.string() + " --csv " + csv.string(), &status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("32件を書き出しました"), std::string::npos) << out;
    const auto bytes = readFileBytes(csv);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\n'), 32);
}

// The temporary name of the old writer was "<csv>.tmp<pid>": a link planted there was followed.
TEST(ClientExport, APlantedLinkBesideTheFileIsNeverFollowed) {
    testing::TempDir dir;
    const fs::path victim = dir.write("victim.txt", "precious");
    const fs::path csv = dir.path() / "out.csv";
    fs::create_symlink(victim, fs::path(csv.string() + ".tmp" + std::to_string(::getpid())));
    auto t = openClientTableFile(dir.path() / "t.db", ClientTableAccess::CreateIfMissing);
    addClient(*t, "田中");
    std::string error;
    ASSERT_TRUE(exportClientsCsv(*t, csv, &error)) << error;
    EXPECT_EQ(readFileBytes(victim), "precious");
    EXPECT_TRUE(readFileBytes(csv)->find("\"1980/05/05\"") != std::string::npos);
}

TEST(ClientCsvPaths, TheTableFoldersDevicesAndFifosAreNoCsvFile) {
    testing::TempDir dir;
    const fs::path table = dir.path() / "t.db";
    {
        auto t = openClientTableFile(table, ClientTableAccess::CreateIfMissing);
        addClient(*t, "田中");
    }
    const auto tableBytes = readFileBytes(table);
    const fs::path fifo = dir.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path link = dir.path() / "link.csv";
    fs::create_symlink(table, link);
    struct Case {
        const char* name;
        fs::path csv;
        bool import;
    };
    const Case cases[] = {
        {"export onto the table", table, false},
        {"export onto a link to the table", link, false},
        {"import from the table", table, true},
        {"export onto a folder", dir.path(), false},
        {"import from a folder", dir.path(), true},
        {"export onto a FIFO", fifo, false},
        {"import from a FIFO", fifo, true},
        {"export onto a device", "/dev/null", false},
        {"import from a device", "/dev/zero", true},
        {"import from a missing file", dir.path() / "missing.csv", true},
        {"export into a missing folder", dir.path() / "no" / "x.csv", false},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(csvPathProblem(c.csv, table, c.import).empty()) << c.name;
        int status = -1;
        const std::string out = cli(std::string("clients ") + (c.import ? "import" : "export") +
                                        " --table " + table.string() + " --csv " + c.csv.string(),
                                    &status);
        EXPECT_EQ(status, 1) << c.name << ": " << out;
    }
    EXPECT_EQ(readFileBytes(table), tableBytes) << "the table is untouched";
    EXPECT_TRUE(csvPathProblem(dir.path() / "new.csv", table, false).empty());

    // A missing CSV file on import creates no table either.
    int status = -1;
    cli("clients import --table " + (dir.path() / "new.db").string() + " --csv " +
            (dir.path() / "missing.csv").string(),
        &status);
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(fs::exists(dir.path() / "new.db"));
}

TEST(ClientCsvRead, AQuotedNameRunsOverItsLineBreak) {
    testing::TempDir dir;
    const std::string csv =
        "\"山田\r\n花子\",\"1990/01/01\",\"07:00-09:00\",\"女\"\r\n"
        "\"鈴木\",\"1991/02/02\",\"不明の場合\",\"男\"\r\n";
    const auto records = readCsvRecords(*utf8ToCp932(csv));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[0].lastLine, 2);
    EXPECT_EQ(records[0].items[0], "山田\n花子");
    EXPECT_EQ(records[1].line, 3);

    auto t = openClientTableFile(dir.path() / "t.db", ClientTableAccess::CreateIfMissing);
    CsvImportReport report;
    ASSERT_TRUE(importClientsCsv(*t, dir.write("in.csv", *utf8ToCp932(csv)), report, nullptr));
    EXPECT_EQ(names(*t), (std::vector<std::string>{"山田 花子", "鈴木"}));
    EXPECT_TRUE(report.problems.empty());
    ASSERT_EQ(report.notices.size(), 1u);
    EXPECT_EQ(report.notices[0].rfind("1行目", 0), 0u) << report.notices[0];
    ASSERT_TRUE(t->first());
    EXPECT_EQ(t->field(client_field::kBirthDate), "1990/01/01");
}

TEST(ClientCsvRead, AQuoteLeftOpenCostsOnlyItsOwnLine) {
    const std::string csv =
        "\"open,\"1990/01/01\"\r\n"  // text after a closing quote
        "\"never closed,1990/01/01\r\n"
        "\"next\",\"1991/02/02\",\"不明の場合\",\"男\"\r\n";
    const auto records = readCsvRecords(*utf8ToCp932(csv));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_FALSE(records[0].problem.empty());
    EXPECT_FALSE(records[1].problem.empty());
    EXPECT_EQ(records[1].line, 2);
    ASSERT_TRUE(records[2].problem.empty()) << records[2].problem;
    EXPECT_EQ(records[2].items[0], "next");
}

TEST(ClientCsvNames, NamesWithoutShiftJisAreToldAndExportOffersUtf8) {
    testing::TempDir dir;
    const std::string csv =
        "\xEF\xBB\xBF\"絵文字😀\",\"1980/05/05\",\"不明の場合\",\"男\"\n"
        "\"𠮷野\",\"1980/05/05\",\"不明の場合\",\"男\"\n"
        "\"剝製\",\"1980/05/05\",\"不明の場合\",\"女\"\n"
        "\"José\",\"1980/05/05\",\"不明の場合\",\"男\"\n"
        "\"普通\",\"1980/05/05\",\"不明の場合\",\"男\"\n";
    const fs::path table = dir.path() / "t.db";
    auto t = openClientTableFile(table, ClientTableAccess::CreateIfMissing);
    CsvImportReport report;
    ASSERT_TRUE(importClientsCsv(*t, dir.write("in.csv", csv), report, nullptr));
    EXPECT_EQ(report.imported, 5);
    EXPECT_TRUE(report.notShiftJis);
    ASSERT_EQ(report.notices.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(
            report.notices[static_cast<std::size_t>(i)].rfind(std::to_string(i + 1) + "行目", 0),
            0u);
    }
    std::string error;
    CsvExportReport out;
    const fs::path sjis = dir.write("sjis.csv", "old");
    EXPECT_FALSE(exportClientsCsv(*t, sjis, &error, CsvEncoding::ShiftJis, &out));
    EXPECT_TRUE(out.notShiftJis);
    EXPECT_EQ(readFileBytes(sjis), "old");
    const fs::path utf8 = dir.path() / "utf8.csv";
    ASSERT_TRUE(exportClientsCsv(*t, utf8, &error, CsvEncoding::Utf8WithBom, &out)) << error;
    EXPECT_EQ(out.written, 5);
    std::string expectedUtf8 = "\xEF\xBB\xBF";
    for (const char c : csv.substr(3))
        expectedUtf8 += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(readFileBytes(utf8), expectedUtf8);
    int status = -1;
    const std::string said = cli(
        "clients export --table " + table.string() + " --csv " + (dir.path() / "cli.csv").string(),
        &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(said.find("--encoding utf-8"), std::string::npos) << said;
    cli("clients export --encoding utf-8 --table " + table.string() + " --csv " +
            (dir.path() / "cli.csv").string(),
        &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFileBytes(dir.path() / "cli.csv"), readFileBytes(utf8));
}

// Pairs of Unicode characters that CP932 writes with one code: whatever was typed, the form that
// CP932 reads back is stored, so every later export and import leaves it alone.
TEST(ClientCsvNames, OneFormOfEachShiftJisCharacterIsStored) {
    const std::pair<const char*, const char*> pairs[] = {
        {"〜", "～"},  // U+301C wave dash -> U+FF5E fullwidth tilde
        {"−", "－"},   // U+2212 minus -> U+FF0D fullwidth hyphen-minus
        {"¥", "\\"},   // U+00A5 yen sign -> 0x5C
        {"‖", "∥"},    // U+2016 double vertical line -> U+2225 parallel to
        {"—", "―"},    // U+2014 em dash -> U+2015 horizontal bar
        {"¢", "￠"},   // U+00A2 cent sign -> U+FFE0 fullwidth cent
    };
    testing::TempDir dir;
    for (const auto& [typed, stored] : pairs) {
        EXPECT_EQ(cp932Canonical(std::string("A") + typed + "B"), std::string("A") + stored + "B")
            << typed;
        EXPECT_EQ(cp932Canonical(stored), stored) << stored;
    }
    auto t = openClientTableFile(dir.path() / "t.db", ClientTableAccess::CreateIfMissing);
    std::string all;
    for (const auto& [typed, stored] : pairs) all += typed;
    addClient(*t, all + "😀");  // the emoji has no CP932 form and stays as typed
    ASSERT_TRUE(t->first());
    std::string expected;
    for (const auto& [typed, stored] : pairs) expected += stored;
    EXPECT_EQ(t->field(client_field::kName), expected + "😀");

    {
        const CsvEncoding enc = CsvEncoding::Utf8WithBom;
        std::string error;
        const fs::path one = dir.path() / "one.csv";
        const fs::path two = dir.path() / "two.csv";
        ASSERT_TRUE(exportClientsCsv(*t, one, &error, enc)) << error;
        auto u = openClientTableFile(dir.path() / "u.db", ClientTableAccess::CreateIfMissing);
        CsvImportReport report;
        ASSERT_TRUE(importClientsCsv(*u, one, report, &error));
        ASSERT_TRUE(exportClientsCsv(*u, two, &error, enc)) << error;
        EXPECT_EQ(readFileBytes(one), readFileBytes(two));
    }
    // In CP932 (without the emoji) the round trip is byte-identical as well.
    auto s = openClientTableFile(dir.path() / "s.db", ClientTableAccess::CreateIfMissing);
    addClient(*s, all);
    std::string error;
    ASSERT_TRUE(exportClientsCsv(*s, dir.path() / "s1.csv", &error)) << error;
    auto s2 = openClientTableFile(dir.path() / "s2.db", ClientTableAccess::CreateIfMissing);
    CsvImportReport report;
    ASSERT_TRUE(importClientsCsv(*s2, dir.path() / "s1.csv", report, &error));
    ASSERT_TRUE(exportClientsCsv(*s2, dir.path() / "s2.csv", &error)) << error;
    EXPECT_EQ(readFileBytes(dir.path() / "s1.csv"), readFileBytes(dir.path() / "s2.csv"));
    ASSERT_TRUE(s2->first());
    EXPECT_EQ(s2->field(client_field::kName), expected);
}

TEST(ClientCsvValues, WrongDatesSlotsAndSexesAreReportedAndKeptOnlyWhenAsked) {
    testing::TempDir dir;
    const std::string csv =
        "\"良い\",\"1980/05/05\",\"07:00-09:00\",\"女\"\r\n"
        "\"二月三十日\",\"2023/02/30\",\"07:00-09:00\",\"女\"\r\n"
        "\"二十五時\",\"1980/05/05\",\"25:00\",\"男\"\r\n"
        "\"性別不明\",\"1980/05/05\",\"不明の場合\",\"?\"\r\n"
        "\"十三月\",\"1980/13/05\",\"不明の場合\",\"男\"\r\n"
        "\"未入力\",\"\",\"\",\"\"\r\n"
        "\"昭和\",\"S34/12/26\",\"23:00-00:00\",\"男\"\r\n";
    const fs::path file = dir.write("in.csv", *utf8ToCp932(csv));
    for (const bool keep : {false, true}) {
        auto t = openClientTableFile(dir.path() / (keep ? "k.db" : "d.db"),
                                     ClientTableAccess::CreateIfMissing);
        CsvImportReport report;
        CsvImportOptions options;
        std::vector<std::string> asked;
        options.keepInvalid = [&](const std::vector<std::string>& invalid) {
            asked = invalid;
            return keep;
        };
        ASSERT_TRUE(importClientsCsv(*t, file, report, nullptr, options));
        ASSERT_EQ(asked.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(asked[i].rfind(std::to_string(i + 2) + "行目", 0), 0u) << asked[i];
        }
        EXPECT_NE(asked[0].find("2023/02/30"), std::string::npos) << asked[0];
        EXPECT_NE(asked[1].find("25:00"), std::string::npos) << asked[1];
        EXPECT_NE(asked[2].find("?"), std::string::npos) << asked[2];
        EXPECT_EQ(report.imported, keep ? 7 : 3);
        EXPECT_EQ(report.keptInvalid, keep ? 4 : 0);
        EXPECT_EQ(report.problems.size(), keep ? 0u : 4u);
    }
    // The command line keeps them only with --keep-invalid, and says so either way.
    int status = -1;
    const std::string out =
        cli("clients import --table " + (dir.path() / "c.db").string() + " --csv " + file.string(),
            &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("3行目"), std::string::npos) << out;
    EXPECT_NE(out.find("3件を取り込みました"), std::string::npos) << out;
    const std::string kept = cli("clients import --keep-invalid --table " +
                                     (dir.path() / "c2.db").string() + " --csv " + file.string(),
                                 &status);
    EXPECT_EQ(status, 0) << kept;
    EXPECT_NE(kept.find("7件を取り込みました"), std::string::npos) << kept;
}

TEST(BatchCommand, SexesAndSlotsOutsideTheListAreErrorsNotGuesses) {
    testing::TempDir dir;
    const std::string csv =
        "\"男性英語\",\"1984/02/10\",\"07:00-09:00\",\"male\"\r\n"
        "\"時刻なし\",\"1984/02/10\",\"\",\"男\"\r\n"
        "\"時刻誤り\",\"1984/02/10\",\"7時\",\"女\"\r\n"
        "\"正しい\",\"1984/02/10\",\"07:00-09:00\",\"女\"\r\n";
    const fs::path file = dir.write("b.csv", *utf8ToCp932(csv));
    int status = -1;
    const std::string out =
        testing::runCommand(std::string(SUIMEI_CLI_PATH) + " batch --today 2026/12/08 --csv " +
                                file.string() + " 2>/dev/null",
                            &status);
    EXPECT_EQ(status, 1);
    std::istringstream lines(out);
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line)) rows.push_back(line);
    ASSERT_EQ(rows.size(), 4u) << out;
    EXPECT_EQ(rows[0].rfind("1行目: ", 0), 0u) << rows[0];
    EXPECT_NE(rows[0].find("male"), std::string::npos) << rows[0];
    EXPECT_EQ(rows[1].rfind("2行目: ", 0), 0u) << rows[1];
    EXPECT_EQ(rows[2].rfind("3行目: ", 0), 0u) << rows[2];
    EXPECT_EQ(rows[3].rfind("正しい\t", 0), 0u) << rows[3];
}

TEST(ClientImport, AStoppedImportLeavesTheTableAsItWas) {
    testing::TempDir dir;
    std::string csv;
    for (int i = 0; i < 1000; ++i) {
        csv += formatClientCsvLine({"new" + std::to_string(i), "1980/01/01", "不明の場合", "男"}) +
               "\r\n";
    }
    auto t = openClientTableFile(dir.path() / "t.db", ClientTableAccess::CreateIfMissing);
    addClient(*t, "old");
    CsvImportReport report;
    CsvImportOptions options;
    options.progress = [](int done, int) { return done < 600; };
    std::string error;
    EXPECT_FALSE(
        importClientsCsv(*t, dir.write("in.csv", *utf8ToCp932(csv)), report, &error, options));
    EXPECT_NE(error.find("１件も取り込んでいません"), std::string::npos) << error;
    EXPECT_EQ(names(*t), std::vector<std::string>{"old"});
    EXPECT_EQ(t->recordCount(), 1);
}

// Only reading a table leaves its file as it was: no journal switch, no index added.
TEST(ClientExport, ExportOnlyReadsTheTable) {
    testing::TempDir dir;
    const fs::path table = dir.path() / "t.db";
    {
        auto t = openClientTableFile(table, ClientTableAccess::CreateIfMissing);
        addClient(*t, "田中");
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(table.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA journal_mode=DELETE; DROP INDEX ix_simei;", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    const auto before = readFileBytes(table);
    int status = -1;
    const std::string out = cli(
        "clients export --table " + table.string() + " --csv " + (dir.path() / "o.csv").string(),
        &status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_EQ(readFileBytes(table), before);
    EXPECT_FALSE(fs::exists(table.string() + "-wal"));
}

}  // namespace
}  // namespace suimei
