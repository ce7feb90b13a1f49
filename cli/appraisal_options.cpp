#include "cli/appraisal_options.h"

#include <cstdio>
#include <ctime>

#include "app/settings.h"
#include "calendar/types.h"

namespace suimei::cli {

const std::vector<std::string>& settingOptionNames() {
    static const std::vector<std::string> names = {
        "hidden-stem-school", "stage-school", "qreki-base", "calendar", "astronomy",
        "summer-time",        "south",        "yes",        "today"};
    return names;
}

std::vector<std::string> clientOptionNames() {
    std::vector<std::string> names = settingOptionNames();
    names.insert(names.end(), {"date", "slot", "sex", "name"});
    return names;
}

const char kClientOptionsUsage[] =
    "--date yyyy/mm/dd --slot PERIOD --sex 男|女 [--name TEXT] [--hidden-stem-school 0..5] "
    "[--stage-school 0..2] [--qreki-base 0|1] [--calendar astro|files] "
    "[--astronomy described|precise] [--summer-time auto|off] "
    "[--south [--yes]] "
    "[--today yyyy/mm/dd]";

std::string schoolOptionsHelp() {
    std::string text = "  --hidden-stem-school N  hidden-stem school (蔵干), default 1:\n";
    for (int i = 0; !hiddenStemSchoolName(i).empty(); ++i) {
        text += "                            " + std::to_string(i) + " " +
                std::string(hiddenStemSchoolName(i)) + "\n";
    }
    text += "  --stage-school N        twelve-stage school (十二運), default 0:\n";
    for (int i = 0; !twelveStageSchoolItem(i).empty(); ++i) {
        text += "                            " + std::to_string(i) + " " +
                std::string(twelveStageSchoolItem(i)) + "\n";
    }
    text += "  --qreki-base N          old-calendar base (旧暦の求め方), default 0:\n";
    for (int i = 0; !qrekiBaseName(i).empty(); ++i) {
        text += "                            " + std::to_string(i) + " " +
                std::string(qrekiBaseName(i)) + (i == 1 ? " (reads QrekiTaiwan.txt)" : "") + "\n";
    }
    text +=
        "  --calendar astro|files  pillars from the astronomy (default) or from the\n"
        "                          perpetual-calendar files (birth years after 1921)\n"
        "  --astronomy described|precise\n"
        "                          the sun of the pillars and the solar terms: the described\n"
        "                          series (default) or the precise one (高精度天文計算)\n"
        "  --summer-time auto|off  auto: a birth time in the summer time of 1948-1951 is\n"
        "                          worked from one hour earlier; off (default): taken as given\n"
        "  --south                 southern-hemisphere mode; the run asks whether that is meant\n"
        "  --yes                   answers the questions of the run with yes\n"
        "  --today yyyy/mm/dd      the date ages are counted to (default: the system date)\n";
    return text;
}

std::string clientOptionsHelp() {
    return "  --date yyyy/mm/dd       birth date\n"
           "  --slot PERIOD           birth-time period: \"00:00-01:00\", \"01:00-03:00\", ...,\n"
           "                          \"21:00-23:00\", \"23:00-00:00\" or \"不明の場合\"\n"
           "  --sex 男|女\n"
           "  --name TEXT             client name shown with the chart\n" +
           schoolOptionsHelp();
}

std::vector<std::string> clientValuedOptionNames() {
    return {"date",         "slot",       "sex",      "name",      "hidden-stem-school",
            "stage-school", "qreki-base", "calendar", "astronomy", "summer-time",
            "today"};
}

CivilDate todayFrom(const Args& args) {
    CivilDate t;
    if (const auto v = args.get("today")) {
        parseDateArg(*v, t.year, t.month, t.day);
        return t;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Astronomy astronomyFrom(const Args& args) {
    const std::string name = args.get("astronomy").value_or("described");
    Astronomy astronomy = Astronomy::Described;
    if (!astronomyFromName(name, astronomy)) {
        throw UsageError{"--astronomy: described or precise, not " + name};
    }
    return astronomy;
}

AppraisalInput settingsFrom(const Args& args) {
    AppraisalInput in;
    in.hiddenStemSchool = args.intValue("hidden-stem-school", 1, 0, 5);
    in.stageSchool = args.intValue("stage-school", 0, 0, 2);
    in.taiwanOldCalendar = args.intValue("qreki-base", 0, 0, 1) == 1;
    const std::string calendar = args.get("calendar").value_or("astro");
    if (calendar != "astro" && calendar != "files") {
        throw UsageError{"--calendar: astro or files, not " + calendar};
    }
    in.astronomicalCalendar = calendar == "astro";
    in.astronomy = astronomyFrom(args);
    const std::string summer = args.get("summer-time").value_or("off");
    if (summer != "auto" && summer != "off") {
        throw UsageError{"--summer-time: auto or off, not " + summer};
    }
    in.summerTimeCorrection = summer == "auto";
    in.southernInFile = args.has("south");
    in.today = todayFrom(args);
    return in;
}

AppraisalInput clientInputFrom(const Args& args) {
    AppraisalInput in = settingsFrom(args);
    in.dateText = args.require("date");
    in.timeSlotText = args.get("slot").value_or("");
    if (!in.timeSlotText.empty() && birthTimeIndexOf(in.timeSlotText) < 0) {
        throw UsageError{"--slot: not a birth-time period: " + in.timeSlotText};
    }
    in.sexText = args.require("sex");
    if (in.sexText != "男" && in.sexText != "女") throw UsageError{"--sex: 男 or 女"};
    in.name = args.get("name").value_or("");
    return in;
}

std::string lastMessage(const RecordingNotifier& notifier) {
    for (auto it = notifier.notices.rbegin(); it != notifier.notices.rend(); ++it) {
        if (it->kind != NoticeKind::Question) return it->text;
    }
    return "appraisal stopped";
}

bool runClient(const Args& args, AppraisalRunner& runner, const std::string& command) {
    const AppraisalInput in = clientInputFrom(args);
    RecordingNotifier notifier;
    notifier.answer = args.has("yes");
    if (in.taiwanOldCalendar) runner.loadTaiwanFile(notifier);
    if (runner.run(in, notifier) != AppraisalStatus::Completed) {
        std::fprintf(stderr, "suimei-cli %s: %s\n", command.c_str(), lastMessage(notifier).c_str());
        return false;
    }
    for (const auto& n : notifier.notices) {
        if (n.kind != NoticeKind::Question) std::fprintf(stderr, "%s\n", n.text.c_str());
    }
    return true;
}

}  // namespace suimei::cli
