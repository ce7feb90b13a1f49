// Build step: creates the shipped client tables in <app>/jinmei from the UTF-8 source of the demo
// clients. The demo table is rebuilt from its source and every demo client is appraised with the
// default settings, so its summary columns (日主, 通変星, ...) are filled as a run from the window
// fills them and the sort buttons work on first start. The three tables of the user's own data
// are created empty only when missing, so a rebuild never touches what the user stored there.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/appraisal.h"
#include "app/client_record.h"
#include "app/client_table.h"
#include "app/settings.h"
#include "core/text_codec.h"

namespace fs = std::filesystem;
using namespace suimei;

namespace {

// Appraises every client of `table` with the default settings and writes what a run writes.
bool fillSummaryColumns(Table& table, const fs::path& appDir) {
    AppraisalRunner runner{AppPaths(appDir)};
    const Settings defaults;
    const std::chrono::year_month_day ymd{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    const CivilDate today{static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                          static_cast<int>(unsigned(ymd.day()))};
    for (bool more = table.first(); more && !table.eof(); more = table.next()) {
        const AppraisalInput input =
            makeAppraisalInput(defaults, false, today, table.field(client_field::kName),
                               table.field(client_field::kBirthDate),
                               table.field(client_field::kTime), table.field(client_field::kSex));
        // The notices of a run (an unknown birth time) have nobody to read them here.
        RecordingNotifier notices;
        if (runner.run(input, notices) != AppraisalStatus::Completed) {
            std::fprintf(stderr, "make_client_tables: %s: %s\n", input.name.c_str(),
                         notices.lastText().c_str());
            return false;
        }
        for (const auto& [name, value] :
             runResultFields(runner.display().summary, runner.display().normalizedDate)) {
            table.setField(name, value);
        }
        if (!table.post()) {
            std::fprintf(stderr, "make_client_tables: %s\n", table.lastError().c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_client_tables DEMO_SOURCE.csv JINMEI_DIR\n");
        return 2;
    }
    const fs::path source = argv[1];
    const fs::path jinmei = argv[2];
    std::error_code ec;
    fs::create_directories(jinmei, ec);
    const auto utf8 = readFileBytes(source);
    const auto cp932 = utf8 ? utf8ToCp932(*utf8) : std::nullopt;
    if (!cp932) {
        std::fprintf(stderr, "make_client_tables: cannot read %s\n", source.c_str());
        return 1;
    }
    const fs::path demo = jinmei / std::string(kClientDataSets[0].fileName);
    const fs::path staging = jinmei / "demo-staging.db";
    fs::remove(staging, ec);
    fs::remove(fs::path(staging.string() + "-wal"), ec);
    fs::remove(fs::path(staging.string() + "-shm"), ec);
    const fs::path csv = jinmei / "demo-staging.csv";
    if (!writeFileAtomically(csv, *cp932)) return 1;
    {
        std::string error;
        auto table = Table::open(staging, clientTableDef(), true, &error);
        if (!table) {
            std::fprintf(stderr, "make_client_tables: %s\n", error.c_str());
            return 1;
        }
        CsvImportReport report;
        if (!importClientsCsv(*table, csv, report, &error) || !report.problems.empty()) {
            for (const auto& p : report.problems) std::fprintf(stderr, "%s\n", p.c_str());
            return 1;
        }
        if (!fillSummaryColumns(*table, jinmei.parent_path())) return 1;
    }
    fs::remove(csv, ec);
    // The finished table replaces the old demo in one rename.
    fs::remove(fs::path(demo.string() + "-wal"), ec);
    fs::remove(fs::path(demo.string() + "-shm"), ec);
    fs::rename(staging, demo, ec);
    if (ec) {
        std::fprintf(stderr, "make_client_tables: %s\n", ec.message().c_str());
        return 1;
    }
    for (std::size_t i = 1; i < kClientDataSets.size(); ++i) {
        std::string error;
        if (!openClientTable(jinmei, static_cast<int>(i), &error)) {
            std::fprintf(stderr, "make_client_tables: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}
