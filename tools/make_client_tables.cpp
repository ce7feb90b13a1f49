// Build step: creates the shipped client tables in <app>/jinmei from the UTF-8 source of the demo
// clients. The demo table is rebuilt from its source; the three tables of the user's own data are
// created empty only when missing, so a rebuild never touches what the user stored there.

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/client_table.h"
#include "core/text_codec.h"

namespace fs = std::filesystem;
using namespace suimei;

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
