// suimei-cli eto --year Y: the perpetual-calendar file text of a year, as the build writes it.

#include <cstdio>

#include "calendar/eto_generation.h"
#include "calendar/old_calendar.h"
#include "cli/command.h"

namespace suimei::cli {
namespace {

constexpr int kFirstEtoYear = 1868;

int runEto(const Args& args) {
    args.allowOnly({"year"});
    if (!args.has("year")) throw UsageError{"missing --year"};
    // The files count years in the eras M, T, S and H; before 明治 1 (1868) there is no era year
    // the reader would take back.
    const int year = args.intValue("year", 0, kFirstEtoYear, 9998);
    TQrekiMod qreki;
    const std::string text = formatEtoFile(generateEtoYear(year, qreki));
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

std::string etoHelp() {
    return "  --year Y                Gregorian year " + std::to_string(kFirstEtoYear) +
           "..9998 (明治 1 onwards: the file's era letters\n"
           "                          are M 明治, T 大正, S 昭和, H 平成)\n";
}

const CommandRegistrar registrar({"eto", "eto --year Y", {}, {"year"}, &runEto, &etoHelp});

}  // namespace
}  // namespace suimei::cli
