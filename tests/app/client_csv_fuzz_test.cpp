// Mutated client files: the reader never crashes, accounts for every line it was given (a client
// is read, or its line is reported), and an import stores exactly the clients it reports.

#include <gtest/gtest.h>

#include <random>

#include "app/client_table.h"
#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

std::string mutate(std::string text, std::mt19937& rng) {
    static const std::string specials = "\",\r\n\x81\x82 ";
    for (int e = 1 + static_cast<int>(rng() % 4); e > 0; --e) {
        const std::size_t at = rng() % (text.size() + 1);
        switch (rng() % 5) {
            case 0:
                if (!text.empty()) text[rng() % text.size()] = static_cast<char>(rng() & 0xFF);
                break;
            case 1:
                text.insert(at, 1, specials[rng() % specials.size()]);
                break;
            case 2:
                text.erase(at, 1 + rng() % 8);
                break;
            case 3:
                text.resize(at);
                break;
            default:
                text.insert(at, "\"");
                break;
        }
    }
    return text;
}

TEST(ClientCsvRobustness, MutatedFilesAccountForEveryLine) {
    const std::string valid = *utf8ToCp932(
        "\"田中 一郎\",\"1959/12/26\",\"07:00-09:00\",\"男\"\r\n"
        "\"山田\r\n花子\",\"1990/01/01\",\"不明の場合\",\"女\"\r\n"
        "\"O'Brien, \"\"Kate\"\"\",\"2000/02/29\",\"23:00-00:00\",\"女\"\r\n"
        "plain,1980/05/05,00:00-01:00,男\r\n");
    std::mt19937 rng(11);
    testing::TempDir dir;
    int mutants = 0, imports = 0, clients = 0, reported = 0, wrong = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::string bytes = mutate(valid, rng);
        ++mutants;
        const std::vector<CsvRecord> records = readCsvRecords(bytes);
        // Every non-empty line lies in exactly one record, in order.
        std::string_view body(bytes);
        if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
        const std::vector<std::string> lines = splitLines(body);
        std::vector<int> owner(lines.size() + 1, 0);
        int last = 0;
        for (const CsvRecord& r : records) {
            if (r.line <= last || r.lastLine < r.line) ++wrong;
            if (!r.problem.empty() && r.lastLine != r.line) ++wrong;
            if (r.problem.empty() && r.items.empty()) ++wrong;
            last = r.lastLine;
            for (int n = r.line; n <= r.lastLine && n <= static_cast<int>(lines.size()); ++n) {
                ++owner[static_cast<std::size_t>(n)];
            }
        }
        for (std::size_t n = 1; n <= lines.size(); ++n) {
            if (!lines[n - 1].empty() && owner[n] != 1) ++wrong;
        }
        if (i % 20 != 0) continue;
        // Every twentieth file goes through a whole import.
        ++imports;
        auto table = openClientTableFile(dir.path() / ("t" + std::to_string(i) + ".db"),
                                         ClientTableAccess::CreateIfMissing);
        ASSERT_TRUE(table);
        CsvImportReport report;
        CsvImportOptions keepAll;
        keepAll.keepInvalid = [](const std::vector<std::string>&) { return true; };
        const auto file = dir.write("in.csv", bytes);
        ASSERT_TRUE(importClientsCsv(*table, file, report, nullptr, keepAll));
        int readable = 0;
        for (const CsvRecord& r : records) readable += r.problem.empty() && r.items.size() >= 4;
        if (report.imported != readable || table->recordCount() != readable) ++wrong;
        if (static_cast<int>(report.problems.size()) + readable !=
            static_cast<int>(records.size())) {
            ++wrong;
        }
        table->forEach([&](const Record& r) {
            for (const auto& [field, value] : r) {
                if (value.find_first_of("\r\n") != std::string::npos) ++wrong;
            }
            return true;
        });
        clients += report.imported;
        reported += static_cast<int>(report.problems.size());
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(clients, 200);
    EXPECT_GT(reported, 50);
    std::printf(
        "csv mutants: %d (%d imported: %d clients, %d lines reported), silent wrong "
        "results %d\n",
        mutants, imports, clients, reported, wrong);
}

}  // namespace
}  // namespace suimei
