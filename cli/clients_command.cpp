// suimei-cli clients export|import: the comma-separated client file from the shell, for backups
// and for moving clients between tables.

#include <cstdio>

#include "app/client_table.h"
#include "cli/command.h"

namespace suimei::cli {
namespace {

int failWith(const std::string& why) {
    std::fprintf(stderr, "suimei-cli clients: %s\n", why.c_str());
    return 1;
}

int exportClients(const std::string& tablePath, const std::string& csvPath, const Args& args) {
    const std::string encoding = args.get("encoding").value_or("sjis");
    if (encoding != "sjis" && encoding != "utf-8") {
        throw UsageError{"--encoding: sjis or utf-8, not " + encoding};
    }
    if (args.has("keep-invalid")) throw UsageError{"--keep-invalid belongs to import"};
    std::string error;
    // Export only reads: the table file is not changed in any way.
    auto table = openClientTableFile(tablePath, ClientTableAccess::ReadOnly, &error);
    if (!table) return failWith(error);
    CsvExportReport report;
    if (!exportClientsCsv(*table, csvPath, &error,
                          encoding == "sjis" ? CsvEncoding::ShiftJis : CsvEncoding::Utf8WithBom,
                          &report)) {
        if (report.notShiftJis)
            error += "\n--encoding utf-8 で UTF-8（BOM付き）のファイルに書き出せます。";
        return failWith(error);
    }
    std::printf("%d件を書き出しました: %s\n", report.written, csvPath.c_str());
    return 0;
}

int importClients(const std::string& tablePath, const std::string& csvPath, const Args& args) {
    if (args.has("encoding")) throw UsageError{"--encoding belongs to export"};
    std::string error;
    auto table = openClientTableFile(tablePath, ClientTableAccess::CreateIfMissing, &error);
    if (!table) return failWith(error);
    CsvImportReport report;
    CsvImportOptions options;
    const bool keep = args.has("keep-invalid");
    options.keepInvalid = [keep](const std::vector<std::string>&) { return keep; };
    if (!importClientsCsv(*table, csvPath, report, &error, options)) return failWith(error);
    for (const auto& n : report.notices) std::fprintf(stderr, "%s\n", n.c_str());
    if (keep) {
        for (const auto& p : report.invalid)
            std::fprintf(stderr, "%s（そのまま取り込みました）\n", p.c_str());
    }
    for (const auto& p : report.problems) std::fprintf(stderr, "%s\n", p.c_str());
    if (!keep && !report.invalid.empty()) {
        std::fprintf(
            stderr,
            "値の正しくない %zu 行は取り込んでいません（--keep-invalid でそのまま取り込めます）\n",
            report.invalid.size());
    }
    std::printf("%d件を取り込みました（取り込まなかった行 %zu）\n", report.imported,
                report.problems.size());
    return report.problems.empty() ? 0 : 1;
}

int runClients(const Args& args) {
    if (args.positional().size() != 1) throw UsageError{"expected 'export' or 'import'"};
    const std::string verb = args.positional().front();
    if (verb != "export" && verb != "import") throw UsageError{"expected 'export' or 'import'"};
    const std::string tablePath = args.require("table");
    const std::string csvPath = args.require("csv");
    // The CSV path is checked before the table is touched: a missing file on import creates no
    // table, and the table itself is never taken for the CSV file.
    if (const std::string why = csvPathProblem(csvPath, tablePath, verb == "import");
        !why.empty()) {
        return failWith(why);
    }
    return verb == "export" ? exportClients(tablePath, csvPath, args)
                            : importClients(tablePath, csvPath, args);
}

std::string clientsHelp() {
    return "  export                  writes every client of the table to the CSV file\n"
           "  import                  adds the clients of the CSV file to the table (created\n"
           "                          when missing); all or nothing: a failed import changes\n"
           "                          nothing\n"
           "  --table FILE.db         the client table\n"
           "  --csv FILE.csv          the comma-separated file: "
           "\"name\",\"yyyy/mm/dd\",\"PERIOD\",\n"
           "                          \"男|女\", one client per line, CP932 with CRLF (UTF-8 with\n"
           "                          BOM is read too); not a folder, device or the table\n"
           "  --encoding sjis|utf-8   export: CP932 (default) or UTF-8 with BOM, for tables with\n"
           "                          names that have no Shift-JIS form\n"
           "  --keep-invalid          import: keep rows whose date, time slot or sex is not\n"
           "                          usable, as typed (they are reported either way)\n";
}

const CommandRegistrar registrar({"clients",
                                  "clients export|import --table FILE.db --csv FILE.csv "
                                  "[--encoding sjis|utf-8] [--keep-invalid]",
                                  {"keep-invalid"},
                                  {"table", "csv", "encoding"},
                                  &runClients,
                                  &clientsHelp});

}  // namespace
}  // namespace suimei::cli
