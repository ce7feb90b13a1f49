// suimei-cli pillars: the four pillars and the solar-term facts of a birth.

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "calendar/old_calendar_solar_terms.h"
#include "calendar/perpetual_calendar.h"
#include "calendar/pillars.h"
#include "calendar/solar_term_table.h"
#include "calendar/types.h"
#include "cli/appraisal_options.h"
#include "cli/command.h"
#include "core/app_paths.h"
#include "core/notifier.h"

namespace suimei::cli {

namespace {

int thisYear() {
    const auto today = std::chrono::year_month_day{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return static_cast<int>(today.year());
}

// "HH:MM" (one or two hour digits, two minute digits) into hour 0..23 and minute 0..59.
void parseClockArg(const std::string& text, int& hour, int& minute) {
    const auto colon = text.find(':');
    auto allDigits = [](const std::string& s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
    };
    const std::string h = colon == std::string::npos ? "" : text.substr(0, colon);
    const std::string m = colon == std::string::npos ? "" : text.substr(colon + 1);
    if (!allDigits(h) || !allDigits(m) || h.size() > 2 || m.size() != 2) {
        throw UsageError{"--clock: not a clock time (HH:MM): " + text};
    }
    hour = std::stoi(h);
    minute = std::stoi(m);
    if (hour > 23 || minute > 59) throw UsageError{"--clock: no such time: " + text};
}

std::string twoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::string dateText(int y, int m, int d) {
    return std::to_string(y) + "/" + twoDigits(m) + "/" + twoDigits(d);
}

std::string fixed(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

nlohmann::ordered_json pillarJson(Pillar p) {
    return {{"stem", p.stem}, {"branch", p.branch}, {"name", pillarName(p)}};
}

nlohmann::ordered_json factsJson(const BirthMoment& birth, bool hourKnown, const SolarFacts& f) {
    nlohmann::ordered_json j;
    j["birth"] = {
        {"date", dateText(birth.year, birth.month, birth.day)},
        {"hour", hourKnown ? nlohmann::ordered_json(birth.hour) : nlohmann::ordered_json(nullptr)},
        {"minute",
         hourKnown ? nlohmann::ordered_json(birth.minute) : nlohmann::ordered_json(nullptr)},
        {"prefecture", birth.prefecture},
        {"prefectureName", std::string(prefectureName(birth.prefecture))},
        {"sex", birth.sex}};
    j["localYear"] = f.localYear;
    j["localMonth"] = f.localMonth;
    j["localDay"] = f.localDay;
    j["localHour"] = f.localHour;
    j["localMinute"] = f.localMinute;
    j["sunLongitude"] = f.sunLongitude;
    j["yearStem"] = f.yearStem;
    j["yearBranch"] = f.yearBranch;
    j["monthStem"] = f.monthStem;
    j["monthBranch"] = f.monthBranch;
    j["dayStem"] = f.dayStem;
    j["dayBranch"] = f.dayBranch;
    j["hourStem"] = f.hourStem;
    j["hourBranch"] = f.hourBranch;
    j["beforeEntry"] = f.beforeEntry;
    j["prevEntryDay"] = f.prevEntryDay;
    j["prevEntryHour"] = f.prevEntryHour;
    j["curEntryDay"] = f.curEntryDay;
    j["curEntryHour"] = f.curEntryHour;
    j["nextEntryDay"] = f.nextEntryDay;
    j["nextEntryHour"] = f.nextEntryHour;
    j["entriesFound"] = f.entriesFound;
    j["daysSinceEntry"] = f.daysSinceEntry;
    j["daysToEntry"] = f.daysToEntry;
    j["entryDepthKnown"] = f.entryDepthKnown;
    j["entryDepthDays"] = f.entryDepthKnown ? nlohmann::ordered_json(f.entryDepthDays)
                                            : nlohmann::ordered_json(nullptr);
    j["luckStartYears"] = f.luckStartYears;
    j["luckStartMonths"] = f.luckStartMonths;
    j["luckStartMonth"] = f.luckStartMonth;
    j["luckStartAge"] = f.luckStartAge;
    j["currentYear"] = f.currentYear;
    j["countingAge"] = f.countingAge;
    j["pillars"] = {{"year", pillarJson(f.yearPillar())},
                    {"month", pillarJson(f.monthPillar())},
                    {"day", pillarJson(f.dayPillar())},
                    {"hour", pillarJson(f.hourPillar())}};
    return j;
}

std::string entryText(int year, int month, int day, int hour) {
    return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日" +
           std::to_string(hour) + "時台";
}

void printText(const BirthMoment& birth, bool hourKnown, const SolarFacts& f) {
    std::string out;
    const int minutes = prefectureMinutes(birth.prefecture);
    out += "生年月日時：" + dateText(birth.year, birth.month, birth.day) + " " +
           (hourKnown ? twoDigits(birth.hour) + ":" + twoDigits(birth.minute) : "時刻不明") + "\n";
    out += "出生地：" + std::string(prefectureName(birth.prefecture)) + "（" +
           (minutes >= 0 ? "+" : "") + std::to_string(minutes) + "分）\n";
    out += "補正後の日時：" + dateText(f.localYear, f.localMonth, f.localDay) + " " +
           twoDigits(f.localHour) + ":" + twoDigits(f.localMinute) +
           (hourKnown ? "" : "（時刻不明のため正午で計算）") + "\n";
    out += "性別：" + birth.sex + "\n";
    out += "年柱：" + pillarName(f.yearPillar()) + "\n";
    out += "月柱：" + pillarName(f.monthPillar()) + "\n";
    out += "日柱：" + pillarName(f.dayPillar()) + "\n";
    out += "時柱：" + (hourKnown ? pillarName(f.hourPillar()) : std::string("なし（時刻不明）")) +
           "\n";
    out += "太陽黄経：" + fixed(f.sunLongitude, 4) + "度\n";
    out +=
        std::string("月の節入り前：") + (f.beforeEntry ? "はい（月柱は前の月）" : "いいえ") + "\n";
    const int py = f.localMonth == 1 ? f.localYear - 1 : f.localYear;
    const int pm = f.localMonth == 1 ? 12 : f.localMonth - 1;
    const int ny = f.localMonth == 12 ? f.localYear + 1 : f.localYear;
    const int nm = f.localMonth == 12 ? 1 : f.localMonth + 1;
    if (f.entriesFound) {
        out += "前月の節入り：" + entryText(py, pm, f.prevEntryDay, f.prevEntryHour) + "\n";
        out += "当月の節入り：" +
               entryText(f.localYear, f.localMonth, f.curEntryDay, f.curEntryHour) + "\n";
        out += "翌月の節入り：" + entryText(ny, nm, f.nextEntryDay, f.nextEntryHour) + "\n";
        out += "前の節入りからの日数：" + fixed(f.daysSinceEntry, 2) + "日\n";
        out += "次の節入りまでの日数：" + fixed(f.daysToEntry, 2) + "日\n";
        out += luckStartText(f) + "\n";
        out += luckStartAgeText(f) + "\n";
    } else {
        out += "節入り：求められません\n";
    }
    out += f.entryDepthKnown ? entryDepthText(f) + "\n"
                             : std::string("節入り日からの日数：求められません（節気表なし）\n");
    out += "数え年：" + std::to_string(f.countingAge) + "才（" + std::to_string(f.currentYear) +
           "年）\n";
    std::cout << out;
}

int runPillars(const Args& args) {
    args.allowOnly({"date", "slot", "clock", "sex", "prefecture", "calendar", "astronomy", "json"});
    BirthMoment birth;
    parseBirthDateArg(args.require("date"), birth.year, birth.month, birth.day);
    if (birth.year < 1312) throw UsageError{"--date: years before 1312 are not supported"};

    if (args.has("slot") == args.has("clock")) {
        throw UsageError{"give exactly one of --slot and --clock"};
    }
    bool hourKnown = true;
    if (const auto slot = args.get("slot")) {
        const int index = birthTimeIndexOf(*slot);
        if (index < 0) {
            throw UsageError{
                "--slot: not a birth time of the list (\"00:00-01:00\" ... "
                "\"23:00-00:00\", \"不明の場合\"): " +
                *slot};
        }
        if (index == kUnknownBirthTime) {
            hourKnown = false;
            birth.hour = -1;
            birth.minute = 0;
        } else {
            birthTimeSlotMiddle(index, birth.hour, birth.minute);
        }
    } else {
        parseClockArg(*args.get("clock"), birth.hour, birth.minute);
        // The birth minute is entered in steps of ten; a clock time is cut down to its ten.
        birth.minute -= birth.minute % 10;
    }

    const std::string sex = args.get("sex").value_or("男");
    if (sex != "男" && sex != "女") throw UsageError{"--sex: 男 or 女, not " + sex};
    birth.sex = sex;
    birth.prefecture = args.intValue("prefecture", kDefaultPrefecture, 1, 47);

    const std::string way = args.get("calendar").value_or("astro");
    if (way != "astro" && way != "files") {
        throw UsageError{"--calendar: astro or files, not " + way};
    }

    const Astronomy astronomy = astronomyFrom(args);
    SolarFacts facts =
        computeSolarFacts(birth, solarTermTable(birth.year, astronomy), thisYear(), astronomy);
    // The calendar files give the pillars for birth years after 1921; the astronomy still gives
    // the entries, the depth and the luck start.
    if (choosePillarWay(birth.year, way == "astro") == PillarWay::Files) {
        StderrNotifier notifier;
        Treki files;
        BirthPillars p;
        const int slot = hourKnown ? birthTimeIndexOfHour(birth.hour) : kUnknownBirthTime;
        if (files.loadYearFiles(birth.year, AppPaths::fromEnvironment(), notifier) != 0 ||
            !files.lookupBirthPillars(birth.month, birth.day, slot, p)) {
            return 2;
        }
        facts.yearStem = p.year.stem;
        facts.yearBranch = p.year.branch;
        facts.monthStem = p.month.stem;
        facts.monthBranch = p.month.branch;
        facts.dayStem = p.day.stem;
        facts.dayBranch = p.day.branch;
        facts.hourStem = p.hour.stem;
        facts.hourBranch = p.hour.branch;
    }
    if (args.has("json")) {
        std::cout << factsJson(birth, hourKnown, facts).dump(2) << "\n";
    } else {
        printText(birth, hourKnown, facts);
    }
    return 0;
}

std::string pillarsHelp() {
    return "  --date yyyy/mm/dd       birth date\n"
           "  --slot PERIOD           birth-time period: \"00:00-01:00\", \"01:00-03:00\", ...,\n"
           "                          \"21:00-23:00\", \"23:00-00:00\" or \"不明の場合\"\n"
           "  --clock HH:MM           birth clock time instead of a period; the minutes are taken\n"
           "                          in steps of ten as the chart keeps them (13:47 is 13:40)\n"
           "  --sex 男|女              default 男 (sets the luck direction)\n"
           "  --prefecture 1..47      birth prefecture for the local-time correction, default " +
           std::to_string(kDefaultPrefecture) +
           "\n"
           "  --calendar astro|files  pillars from the astronomy (default) or from the\n"
           "                          perpetual-calendar files (birth years after 1921)\n"
           "  --astronomy described|precise\n"
           "                          the sun of the pillars: the described series (default)\n"
           "                          or the precise one\n"
           "  --json                  the facts as JSON\n";
}

const CommandRegistrar registrar{Command{
    "pillars",
    "pillars --date yyyy/mm/dd (--slot \"07:00-09:00\" | --clock HH:MM) [--sex 男|女] "
    "[--prefecture 1..47] [--calendar astro|files] [--astronomy described|precise] [--json]",
    {"json"},
    {"date", "slot", "clock", "sex", "prefecture", "calendar", "astronomy"},
    &runPillars,
    &pillarsHelp}};

}  // namespace

}  // namespace suimei::cli
