// suimei-cli eto --year Y: the perpetual-calendar file text of a year, as the build writes it.

#include <cstdio>

#include "calendar/eto_generation.h"
#include "calendar/old_calendar.h"
#include "cli/command.h"

namespace suimei::cli {
namespace {

int runEto(const Args& args) {
    args.allowOnly({"year"});
    const int year = args.intValue("year", 0, 1312, 9998);
    if (!args.has("year")) throw UsageError{"missing --year"};
    TQrekiMod qreki;
    const std::string text = formatEtoFile(generateEtoYear(year, qreki));
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

const CommandRegistrar registrar({"eto", "eto --year Y", {}, &runEto});

}  // namespace
}  // namespace suimei::cli
