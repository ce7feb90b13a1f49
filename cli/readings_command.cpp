// suimei-cli readings --check: looks up every key the readers can form, in the staged tables and
// files of the application directory, and lists each key that has no passage.

#include <cstdio>

#include "cli/command.h"
#include "core/app_paths.h"
#include "readings/key_coverage.h"

namespace suimei::cli {
namespace {

const char* storeName(PassageStore store) {
    switch (store) {
        case PassageStore::Table:
            return "table";
        case PassageStore::SectionFile:
            return "section";
        case PassageStore::AnnualImagery:
            return "imagery";
        case PassageStore::SixtyPillars:
            return "sixty";
        case PassageStore::TextFile:
            return "text";
    }
    return "";
}

int runReadings(const Args& args) {
    args.allowOnly({"check", "app"});
    if (!args.has("check")) throw UsageError{"expected --check"};
    const AppPaths paths =
        args.has("app") ? AppPaths(args.require("app")) : AppPaths::fromEnvironment();
    const CoverageReport report = checkReadingCoverage(paths);
    for (const CoverageGap& g : report.gaps) {
        const FormableKey& k = g.key;
        const std::string key = k.key1.empty() ? k.key2 : k.key1 + "/" + k.key2;
        std::printf("missing\t%s\t%s\t%s\t%s\t%s\n", storeName(k.store), k.file.c_str(),
                    key.c_str(), k.readers.c_str(), g.reason.c_str());
    }
    std::printf("%d keys checked in %s: %zu without a passage\n", report.keysChecked,
                paths.appDir().c_str(), report.gaps.size());
    return report.gaps.empty() ? 0 : 1;
}

std::string readingsHelp() {
    return "  --check                 looks up every key the readers can form and lists each key\n"
           "                          without a passage; the tables and files are only read\n"
           "  --app DIR               application directory (default: $SUIMEI_HOME or the\n"
           "                          folder of the program)\n";
}

const CommandRegistrar registrar(
    {"readings", "readings --check [--app DIR]", {"check"}, {"app"}, &runReadings, &readingsHelp});

}  // namespace
}  // namespace suimei::cli
