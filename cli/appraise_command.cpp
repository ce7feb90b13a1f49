// suimei-cli appraise and batch: the whole appraisal run from the shell.

#include <algorithm>
#include <cstdio>

#include "app/appraisal.h"
#include "app/birth_ambiguity.h"
#include "app/client_table.h"
#include "app/settings.h"
#include "calendar/old_calendar.h"
#include "calendar/pillars.h"
#include "chart/mandata.h"
#include "cli/ambiguity_json.h"
#include "cli/appraisal_options.h"
#include "cli/chart_json.h"
#include "cli/command.h"
#include "core/text_codec.h"

namespace suimei::cli {

namespace {

nlohmann::json runJson(const AppraisalRunner& runner) {
    nlohmann::json j = chartJson(runner.chart());
    j["solarFacts"] = solarFactsJson(runner.solarFacts());
    j["oldCalendar"] = oldCalendarJson(runner.oldCalendarDate());
    j["display"] = displayJson(runner.display());
    j["summerTime"] = {{"inPeriod", runner.display().bornInSummerTime},
                       {"corrected", runner.display().summerTimeCorrected}};
    return j;
}

// Display columns of UTF-8 text: East Asian characters take two.
int displayWidth(const std::string& s) {
    int width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += len >= 3 ? 2 : 1;
        i += static_cast<std::size_t>(len);
    }
    return width;
}

std::string padded(const std::string& s, int width) {
    return s + std::string(static_cast<std::size_t>(std::max(0, width - displayWidth(s))), ' ');
}

void printChart(const AppraisalRunner& runner) {
    const Tmandata& c = runner.chart();
    const AppraisalDisplay& d = runner.display();
    std::printf("%s\n", d.namePanel.c_str());
    std::printf("%s\n", (padded("", 8) + padded("時柱", 12) + padded("日柱", 12) +
                         padded("月柱", 12) + "年柱")
                            .c_str());
    auto row = [&](const char* title, auto text) {
        std::string line = padded(title, 8);
        for (const auto& col : d.columns) line += padded(text(col), 12);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::printf("%s\n", line.c_str());
    };
    row("天干", [](const PillarCell& p) { return p.stemText; });
    row("地支", [](const PillarCell& p) { return p.branchText; });
    for (int k = 0; k < 3; ++k) {
        row(k == 0 ? "蔵干" : "", [k](const PillarCell& p) {
            const auto i = static_cast<std::size_t>(k);
            return p.hiddenText[i].empty() ? std::string()
                                           : p.hiddenText[i] + ":" + p.hiddenTenGodText[i];
        });
    }
    row("十二運", [](const PillarCell& p) { return p.stageText; });
    row("喜忌", [](const PillarCell& p) { return p.mark; });
    std::printf("%s  %s  %s\n", d.voidText.c_str(), d.lifePalaceText.c_str(),
                d.mansionText.c_str());
    std::printf("%s  %s  %s  (%s)\n", d.entryDaysText.c_str(), d.luckStartText.c_str(),
                d.luckStartAgeText.c_str(), d.luckDirectionText.c_str());
    std::printf("九星：%s  月命星：%s\n", d.yearStarText.c_str(), d.monthStarText.c_str());
    std::printf("身強弱：%s（総合 %d）  日主：%s %s\n", d.strengthClass.c_str(), c.strengthTotal,
                d.powerText.c_str(), d.pointsText.c_str());
    std::printf("格局：%s  用神：%s  %s\n", d.patternName.c_str(),
                std::string(stemName(d.usefulStem)).c_str(), d.climateText.c_str());
    std::printf("喜ぶ五行：%s  忌む五行：%s\n", d.favourableText.c_str(),
                d.unfavourableText.c_str());
    static const char* kRelations[] = {"干合", "三合", "方合", "支合", "冲", "三刑", "自刑"};
    std::printf("関係：");
    for (std::size_t i = 0; i < 7; ++i) {
        if (d.relationChecks[i]) std::printf("%s ", kRelations[i]);
    }
    std::printf("\n大運：");
    for (int k = 1; k <= kLuckPeriods; ++k) {
        std::printf("%d才%s ", c.luckAges[static_cast<std::size_t>(k)],
                    pillarName({static_cast<Stem>(c.luckStems[static_cast<std::size_t>(k)]),
                                static_cast<Branch>(c.luckBranches[static_cast<std::size_t>(k)])})
                        .c_str());
    }
    std::printf("\n%s  %s\n", d.hiddenSchoolLabel.c_str(), d.stageSchoolLabel.c_str());
}

int runAppraise(const Args& args) {
    std::vector<std::string> known = clientOptionNames();
    known.push_back("json");
    args.allowOnly(known);
    AppraisalRunner runner(AppPaths::fromEnvironment());
    if (!runClient(args, runner, "appraise")) return 2;
    const BirthAmbiguity ambiguity = assessBirthAmbiguity(runner);
    if (args.has("json")) {
        nlohmann::json j = runJson(runner);
        j["ambiguity"] = ambiguityJson(ambiguity, candidateCharts(runner, ambiguity));
        std::printf("%s\n", j.dump().c_str());
    } else {
        printChart(runner);
        if (ambiguity.ambiguous()) std::printf("%s\n", ambiguityLine(ambiguity).c_str());
    }
    return 0;
}

int runBatch(const Args& args) {
    std::vector<std::string> known = settingOptionNames();
    known.insert(known.end(), {"csv", "json", "ambiguous-only"});
    args.allowOnly(known);
    const AppraisalInput settings = settingsFrom(args);
    const std::string path = args.require("csv");
    if (const std::string why = csvPathProblem(path, {}, true); !why.empty()) {
        std::fprintf(stderr, "suimei-cli batch: %s\n", why.c_str());
        return 2;
    }
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        std::fprintf(stderr, "suimei-cli batch: cannot read %s\n", path.c_str());
        return 2;
    }
    AppraisalRunner runner(AppPaths::fromEnvironment());
    RecordingNotifier quiet;
    quiet.answer = args.has("yes");
    if (settings.taiwanOldCalendar) {
        runner.loadTaiwanFile(quiet);
        // A missing file or unreadable lines are told once, before the clients.
        for (const auto& n : quiet.notices) std::fprintf(stderr, "%s\n", n.text.c_str());
    }
    const bool json = args.has("json");
    // Only the clients whose birth admits more than one chart, told by the cheap facts first.
    const bool ambiguousOnly = args.has("ambiguous-only");
    int failed = 0;
    for (const CsvRecord& rec : readCsvRecords(*bytes)) {
        const int lineNo = rec.line;
        auto fail = [&](const std::string& why) {
            ++failed;
            if (json) {
                std::printf("%s\n",
                            nlohmann::json{{"line", lineNo}, {"error", why}}.dump().c_str());
            } else {
                std::printf("%d行目: %s\n", lineNo, why.c_str());
            }
        };
        if (!rec.problem.empty() || rec.items.size() < 4) {
            fail("読めない行です。" + rec.problem);
            continue;
        }
        const std::vector<std::string>& items = rec.items;
        // Nothing is guessed: a sex or time slot that is not one of the list is an error, not a
        // woman or an unknown time.
        if (items[3].empty()) {
            fail("性別がありません（男 か 女）。");
            continue;
        }
        if (items[2].empty()) {
            fail("時刻がありません（わからない時は「不明の場合」）。");
            continue;
        }
        if (const std::string why = clientValuesProblem(items[1], items[2], items[3]);
            !why.empty()) {
            fail(why + "。");
            continue;
        }
        AppraisalInput in = settings;
        in.name = items[0];
        for (char& c : in.name) {
            if (c == '\n') c = ' ';
        }
        in.dateText = items[1];
        in.timeSlotText = items[2];
        in.sexText = items[3];
        RecordingNotifier notifier;
        notifier.answer = args.has("yes");
        if (runner.run(in, notifier) != AppraisalStatus::Completed) {
            fail(lastMessage(notifier));
            continue;
        }
        BirthAmbiguity ambiguity;
        if (ambiguousOnly) {
            ambiguity = assessBirthAmbiguity(runner);
            if (!ambiguity.ambiguous()) continue;
        }
        if (json) {
            nlohmann::json j = runJson(runner);
            j["line"] = lineNo;
            if (ambiguousOnly) {
                j["ambiguity"] = ambiguityJson(ambiguity, candidateCharts(runner, ambiguity));
            }
            std::printf("%s\n", j.dump().c_str());
        } else {
            const AppraisalDisplay& d = runner.display();
            std::printf("%s\t%s\t%s%s%s%s\t%s\t%s", in.name.c_str(), d.normalizedDate.c_str(),
                        pillarName(runner.chart().yearPillar.pillar()).c_str(),
                        pillarName(runner.chart().monthPillar.pillar()).c_str(),
                        pillarName(runner.chart().dayPillar.pillar()).c_str(),
                        pillarName(runner.chart().hourPillar.pillar()).c_str(),
                        d.patternName.c_str(), d.strengthClass.c_str());
            if (ambiguousOnly) std::printf("\t%s", ambiguityLine(ambiguity).c_str());
            std::printf("\n");
        }
    }
    return failed == 0 ? 0 : 1;
}

std::string appraiseHelp() {
    return clientOptionsHelp() + "  --json                  the whole chart as JSON\n";
}

std::string batchHelp() {
    return "  --csv FILE              client file as the utilities write it (CP932, or UTF-8\n"
           "                          with BOM): \"name\",\"yyyy/mm/dd\",\"PERIOD\",\"男|女\"\n"
           "                          one line per client; a client whose time slot or sex is\n"
           "                          not one of the list gets an error line, not a guess\n"
           "  --json                  one JSON object per client\n"
           "  --ambiguous-only        only the clients born near a boundary of the pillars or\n"
           "                          with the time unknown, with the candidate charts (JSON)\n"
           "                          or the reason (a last column)\n" +
           schoolOptionsHelp();
}

const CommandRegistrar appraiseRegistrar({"appraise",
                                          std::string("appraise ") + kClientOptionsUsage +
                                              " [--json]",
                                          {"json", "south", "yes"},
                                          clientValuedOptionNames(),
                                          &runAppraise,
                                          &appraiseHelp});
const CommandRegistrar batchRegistrar(
    {"batch",
     "batch --csv FILE [--json] [--ambiguous-only] (same settings options as appraise)",
     {"json", "south", "yes", "ambiguous-only"},
     {"csv", "hidden-stem-school", "stage-school", "qreki-base", "calendar", "today"},
     &runBatch,
     &batchHelp});

}  // namespace
}  // namespace suimei::cli
