#include "app/client_table.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

void addClient(Table& t, const std::string& name, const std::string& date, const std::string& time,
               const std::string& sex) {
    t.append();
    t.setField(client_field::kName, name);
    t.setField(client_field::kBirthDate, date);
    t.setField(client_field::kTime, time);
    t.setField(client_field::kSex, sex);
    ASSERT_TRUE(t.post()) << t.lastError();
}

TEST(EraConversion, ConvertsTheFiveEraLettersOnly) {
    EXPECT_EQ(convertEraDate("S34/12/26"), "1959/12/26");
    EXPECT_EQ(convertEraDate("s34/12/26"), "1959/12/26");
    EXPECT_EQ(convertEraDate("H1/01/08"), "1989/01/08");
    EXPECT_EQ(convertEraDate("T15/12/24"), "1926/12/24");
    EXPECT_EQ(convertEraDate("1959/12/26"), "1959/12/26");
    EXPECT_EQ(convertEraDate("S34"), "S34");
    EXPECT_EQ(convertEraDate("M45/07/29"), "1912/07/29");  // the last day of 明治
    EXPECT_EQ(convertEraDate("m1/10/23"), "1868/10/23");
    EXPECT_EQ(convertEraDate("R1/05/01"), "2019/05/01");  // the first day of 令和
    EXPECT_EQ(convertEraDate("r6/1/1"), "2024/1/1");
    EXPECT_EQ(convertEraDate("K2/1/1"), "K2/1/1");
    EXPECT_EQ(convertEraDate("S/12/26"), "S/12/26");
    EXPECT_EQ(convertEraDate("Sx4/12/26"), "Sx4/12/26");
    EXPECT_EQ(convertEraDate(""), "");
}

TEST(ClientTables, DataSetsOpenTheirOwnFilesAndMissingOnesAreCreated) {
    testing::TempDir dir;
    bool created = false;
    auto t = openClientTable(dir.path(), 2, nullptr, &created);
    ASSERT_TRUE(t);
    EXPECT_TRUE(created);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "人名3DB.db"));
    for (auto index : kSortIndexes) EXPECT_TRUE(t->setActiveIndex(std::string(index))) << index;
    EXPECT_TRUE(t->setActiveIndex("simei"));
    EXPECT_TRUE(t->setActiveIndex("m12"));
}

TEST(ClientTables, NewTableNamesStayInsideTheFolder) {
    std::string why;
    EXPECT_EQ(acceptNewTableName("顧客2027", &why), "顧客2027.db");
    EXPECT_EQ(acceptNewTableName("x.db", &why), "x.db");
    EXPECT_EQ(acceptNewTableName("../escape", &why), "");
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(acceptNewTableName("/tmp/abs", &why), "");
    EXPECT_EQ(acceptNewTableName("..", &why), "");
    EXPECT_EQ(acceptNewTableName("a:b", &why), "");
}

TEST(ClientCsv, QuotesAreDoubledAndReadBack) {
    const std::string line =
        formatClientCsvLine({"山田 \"花子\", 二世", "1959/12/26", "不明の場合", "女"});
    EXPECT_EQ(line, "\"山田 \"\"花子\"\", 二世\",\"1959/12/26\",\"不明の場合\",\"女\"");
    std::vector<std::string> items;
    ASSERT_TRUE(splitCsvLine(line, items));
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], "山田 \"花子\", 二世");
    ASSERT_TRUE(splitCsvLine("plain,\"q\",,last", items));
    EXPECT_EQ(items, (std::vector<std::string>{"plain", "q", "", "last"}));
    EXPECT_FALSE(splitCsvLine("\"open", items));
    EXPECT_FALSE(splitCsvLine("\"a\"b,c", items));
}

TEST(ClientCsv, ExportImportRoundTripIsByteIdentical) {
    testing::TempDir dir;
    auto a = openClientTable(dir.path() / "a", 0);
    addClient(*a, "田中 一郎", "1959/12/26", "07:00-09:00", "男");
    addClient(*a, "O'Brien, \"Kate\"", "2000/02/29", "不明の場合", "女");
    addClient(*a, "'); DROP TABLE records; --", "S34/12/26", "", "");
    const auto csv1 = dir.path() / "one.csv";
    std::string error;
    ASSERT_TRUE(exportClientsCsv(*a, csv1, &error)) << error;
    const auto bytes = readFileBytes(csv1);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 2), "\"\x93");  // 田 in CP932
    EXPECT_NE(bytes->find("\r\n"), std::string::npos);

    auto b = openClientTable(dir.path() / "b", 0);
    CsvImportReport report;
    ASSERT_TRUE(importClientsCsv(*b, csv1, report, &error));
    EXPECT_EQ(report.imported, 3);
    EXPECT_TRUE(report.problems.empty());
    const auto csv2 = dir.path() / "two.csv";
    ASSERT_TRUE(exportClientsCsv(*b, csv2, &error));
    EXPECT_EQ(readFileBytes(csv2), bytes);
    ASSERT_TRUE(b->first());
    ASSERT_TRUE(b->next());
    EXPECT_EQ(b->field(client_field::kName), "O'Brien, \"Kate\"");
}

TEST(ClientCsv, BadLinesAreReportedByNumberAndTheRestImports) {
    testing::TempDir dir;
    auto t = openClientTable(dir.path(), 1);
    std::string content = *utf8ToCp932("\"a\",\"1990/01/01\",\"07:00-09:00\",\"男\"\r\n");
    content += "\"broken,\"x\"\r\n";              // line 2: unterminated quote
    content += "\"\x81\",\"x\",\"y\",\"z\"\r\n";  // line 3: a lead byte alone
    content += "\"only\",\"two\"\r\n";            // line 4: too few items
    content += "\r\n";                            // an empty line is no client
    content += *utf8ToCp932("\"b\",\"1991/01/01\",\"不明の場合\",\"女\"");  // no line end
    const auto file = dir.write("in.csv", content);
    CsvImportReport report;
    std::string error;
    ASSERT_TRUE(importClientsCsv(*t, file, report, &error));
    EXPECT_EQ(report.imported, 2);
    ASSERT_EQ(report.problems.size(), 3u);
    EXPECT_EQ(report.problems[0].rfind("2行目", 0), 0u);
    EXPECT_EQ(report.problems[1].rfind("3行目", 0), 0u);
    EXPECT_EQ(report.problems[2].rfind("4行目", 0), 0u);
}

TEST(ClientCsv, Utf8WithBomIsRead) {
    testing::TempDir dir;
    auto t = openClientTable(dir.path(), 1);
    const auto file =
        dir.write("in.csv", "\xEF\xBB\xBF\"鈴木\",\"1980/05/05\",\"不明の場合\",\"男\"\n");
    CsvImportReport report;
    ASSERT_TRUE(importClientsCsv(*t, file, report, nullptr));
    ASSERT_EQ(report.imported, 1);
    ASSERT_TRUE(t->first());
    EXPECT_EQ(t->field(client_field::kName), "鈴木");
}

TEST(ClientCsv, ANameWithoutShiftJisFormIsRefusedAndTheOldFileKept) {
    testing::TempDir dir;
    auto t = openClientTable(dir.path(), 1);
    addClient(*t, "emoji 😀", "1980/05/05", "不明の場合", "男");
    const auto file = dir.write("out.csv", "old");
    std::string error;
    EXPECT_FALSE(exportClientsCsv(*t, file, &error));
    EXPECT_NE(error.find("emoji"), std::string::npos);
    EXPECT_EQ(readFileBytes(file), "old");
}

// A process killed in the middle of an import leaves a readable table as it was before, so running
// the import again never duplicates clients.
TEST(ClientCsv, KillMidImportLeavesEveryPostedRecord) {
    testing::TempDir dir;
    std::string csv;
    for (int i = 0; i < 60000; ++i) {
        csv +=
            formatClientCsvLine({"client" + std::to_string(i), "1980/01/01", "不明の場合", "男"});
        csv += "\r\n";
    }
    const auto file = dir.write("big.csv", *utf8ToCp932(csv));
    const auto tableFile = dir.path() / "t.db";
    { ASSERT_TRUE(Table::open(tableFile, clientTableDef(), true)); }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto t = Table::open(tableFile, clientTableDef(), false);
        CsvImportReport report;
        importClientsCsv(*t, file, report, nullptr);
        _exit(0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    auto t = Table::open(tableFile, clientTableDef(), false);
    ASSERT_TRUE(t);
    const int count = t->recordCount();
    std::printf("records intact after the kill: %d\n", count);
    EXPECT_TRUE(count == 0 || count == 60000) << "an import is all or nothing";
    int i = 0;
    t->forEach([&](const Record& r) {
        EXPECT_EQ(r.at(client_field::kName), "client" + std::to_string(i++));
        return true;
    });
    EXPECT_EQ(i, count);
}

}  // namespace
}  // namespace suimei
