// suimei-cli old-calendar --date yyyy/mm/dd [--taiwan] [--json]: the old lunar calendar of a date.

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "calendar/old_calendar.h"
#include "cli/command.h"
#include "core/app_paths.h"
#include "core/notifier.h"

namespace suimei::cli {

namespace {

int runOldCalendar(const Args& args) {
    args.allowOnly({"date", "taiwan", "json"});
    int y = 0, m = 0, d = 0;
    parseDateArg(args.require("date"), y, m, d);
    const bool taiwan = args.has("taiwan");

    TQrekiMod qreki;
    if (taiwan) {
        // A missing or too long file is told on stderr; the Japanese reckoning still answers.
        StderrNotifier notifier;
        qreki.loadTaiwanFile(AppPaths::fromEnvironment(), notifier);
    }
    const OldCalendarDate r = qreki.convertToOldCalendar(
        y, m, d, taiwan ? OldCalendarVariant::Taiwan : OldCalendarVariant::Japanese);
    if (r.leapFlag == 0) throw UsageError{"cannot convert this date"};

    char date[16];
    std::snprintf(date, sizeof date, "%04d/%02d/%02d", y, m, d);
    const std::string name27(mansionName(r.mansion27));
    const std::string name28(mansionName(r.mansion28));
    if (args.has("json")) {
        const nlohmann::json out = {
            {"date", date},
            {"variant", taiwan ? "taiwan" : "japanese"},
            {"lunarYear", r.lunarYear},
            {"leapFlag", r.leapFlag},
            {"lunarMonth", r.lunarMonth},
            {"lunarDay", r.lunarDay},
            {"rokuyoName", r.rokuyoName},
            {"dayKanshiName", r.dayKanshiName},
            {"moonAge", r.moonAge},
            {"noonMoonAge", r.noonMoonAge},
            {"illumination", r.illumination},
            {"phaseIndex", r.phaseIndex},
            {"mansion27", r.mansion27},
            {"mansion28", r.mansion28},
            {"mansion27Name", name27},
            {"mansion28Name", name28},
        };
        std::printf("%s\n", out.dump(2).c_str());
        return 0;
    }
    std::printf("%d年%d月%d日の旧暦%s\n", y, m, d, taiwan ? "（台湾方式）" : "");
    std::printf("旧暦　　：%d年 %s%d月%d日（%s）\n", r.lunarYear, r.leapFlag == 1 ? "閏" : "",
                r.lunarMonth, r.lunarDay, r.leapFlag == 1 ? "閏月" : "平月");
    std::printf("六曜　　：%s\n", r.rokuyoName.c_str());
    std::printf("日の干支：%s\n", r.dayKanshiName.c_str());
    std::printf("月齢　　：%.1f（正午 %.1f）\n", r.moonAge, r.noonMoonAge);
    std::printf("輝面比　：%.1f%%\n", r.illumination);
    std::printf("月相　　：%d/28\n", r.phaseIndex);
    std::printf("二十七宿：%s宿（%d）\n", name27.c_str(), r.mansion27);
    std::printf("二十八宿：%s宿（%d）\n", name28.c_str(), r.mansion28);
    return 0;
}

std::string oldCalendarHelp() {
    return "  --date yyyy/mm/dd       the Gregorian date (years 1..9999)\n"
           "  --taiwan                the Taiwan reckoning: months listed in QrekiTaiwan.txt\n"
           "                          replace the Japanese result (unreadable lines are told)\n"
           "  --json                  the result as JSON\n";
}

const CommandRegistrar registrar(Command{"old-calendar",
                                         "old-calendar --date yyyy/mm/dd [--taiwan] [--json]",
                                         {"taiwan", "json"},
                                         {"date"},
                                         runOldCalendar,
                                         &oldCalendarHelp});

}  // namespace

}  // namespace suimei::cli
