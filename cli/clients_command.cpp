// suimei-cli clients export|import: the comma-separated client file from the shell, for backups
// and for moving clients between tables.

#include <cstdio>

#include "app/client_table.h"
#include "cli/command.h"

namespace suimei::cli {
namespace {

int runClients(const Args& args) {
    if (args.positional().size() != 1) throw UsageError{"expected 'export' or 'import'"};
    const std::string verb = args.positional().front();
    if (verb != "export" && verb != "import") throw UsageError{"expected 'export' or 'import'"};
    const std::string tablePath = args.require("table");
    const std::string csvPath = args.require("csv");
    std::string error;
    auto table = Table::open(tablePath, clientTableDef(), verb == "import", &error);
    if (!table) {
        std::fprintf(stderr, "suimei-cli clients: %s\n", error.c_str());
        return 1;
    }
    if (verb == "export") {
        if (!exportClientsCsv(*table, csvPath, &error)) {
            std::fprintf(stderr, "suimei-cli clients: %s\n", error.c_str());
            return 1;
        }
        std::printf("%d件を書き出しました: %s\n", table->recordCount(), csvPath.c_str());
        return 0;
    }
    CsvImportReport report;
    if (!importClientsCsv(*table, csvPath, report, &error)) {
        std::fprintf(stderr, "suimei-cli clients: %s\n", error.c_str());
        return 1;
    }
    for (const auto& p : report.problems) std::fprintf(stderr, "%s\n", p.c_str());
    std::printf("%d件を取り込みました（読めない行 %zu）\n", report.imported,
                report.problems.size());
    return report.problems.empty() ? 0 : 1;
}

const CommandRegistrar registrar(
    {"clients", "clients export|import --table FILE.db --csv FILE.csv", {}, &runClients});

}  // namespace
}  // namespace suimei::cli
