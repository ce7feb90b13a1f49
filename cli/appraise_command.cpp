// suimei-cli appraise and batch: the whole appraisal run from the shell.

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

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

// The whole run as one JSON object, followed by a line end. `extra` writes further members into
// the object before it is closed.
template <typename Extra>
void writeRunJson(std::string& out, const AppraisalRunner& runner, Extra extra) {
    JsonWriter w(out);
    w.beginObject();
    chartMembers(w, runner.chart());
    solarFacts(w.key("solarFacts"), runner.solarFacts());
    oldCalendar(w.key("oldCalendar"), runner.oldCalendarDate());
    display(w.key("display"), runner.display());
    w.member("astronomy", astronomyName(runner.lastInput().astronomy));
    w.key("summerTime");
    w.beginObject();
    w.member("inPeriod", runner.display().bornInSummerTime);
    w.member("corrected", runner.display().summerTimeCorrected);
    w.endObject();
    extra(w);
    w.endObject();
    out += '\n';
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
        std::string out;
        writeRunJson(out, runner, [&](JsonWriter& w) {
            ambiguityObject(w.key("ambiguity"), ambiguity, candidateCharts(runner, ambiguity));
        });
        std::fwrite(out.data(), 1, out.size(), stdout);
    } else {
        printChart(runner);
        if (ambiguity.ambiguous()) std::printf("%s\n", ambiguityLine(ambiguity).c_str());
    }
    return 0;
}

// What the batch does with each client, the same in every worker.
struct BatchOptions {
    AppraisalInput settings;
    bool json = false;
    bool yes = false;
    // Only the clients whose birth admits more than one chart, told by the cheap facts first,
    // each with its candidate charts (JSON) or the reason (a last column).
    bool ambiguousOnly = false;
};

// One client of the file: appends its line (a result or an error) to `out`. Returns false for a
// client that could not be appraised.
bool appraiseRecord(const CsvRecord& rec, const BatchOptions& options, AppraisalRunner& runner,
                    std::string& out) {
    const int lineNo = rec.line;
    auto fail = [&](const std::string& why) {
        if (options.json) {
            JsonWriter w(out);
            w.beginObject();
            w.member("error", why);
            w.member("line", lineNo);
            w.endObject();
            out += '\n';
        } else {
            out += std::to_string(lineNo) + "行目: " + why + "\n";
        }
        return false;
    };
    if (!rec.problem.empty() || rec.items.size() < 4) return fail("読めない行です。" + rec.problem);
    const std::vector<std::string>& items = rec.items;
    // Nothing is guessed: a sex or time slot that is not one of the list is an error, not a
    // woman or an unknown time.
    if (items[3].empty()) return fail("性別がありません（男 か 女）。");
    if (items[2].empty()) return fail("時刻がありません（わからない時は「不明の場合」）。");
    if (const std::string why = clientValuesProblem(items[1], items[2], items[3]); !why.empty()) {
        return fail(why + "。");
    }
    AppraisalInput in = options.settings;
    in.name = items[0];
    for (char& c : in.name) {
        if (c == '\n') c = ' ';
    }
    in.dateText = items[1];
    in.timeSlotText = items[2];
    in.sexText = items[3];
    RecordingNotifier notifier;
    notifier.answer = options.yes;
    if (runner.run(in, notifier) != AppraisalStatus::Completed) {
        return fail(lastMessage(notifier));
    }
    BirthAmbiguity ambiguity;
    if (options.ambiguousOnly) {
        ambiguity = assessBirthAmbiguity(runner);
        if (!ambiguity.ambiguous()) return true;
    }
    if (options.json) {
        writeRunJson(out, runner, [&](JsonWriter& w) {
            w.member("line", lineNo);
            if (options.ambiguousOnly) {
                ambiguityObject(w.key("ambiguity"), ambiguity, candidateCharts(runner, ambiguity));
            }
        });
    } else {
        const Tmandata& c = runner.chart();
        const AppraisalDisplay& d = runner.display();
        out += in.name + '\t' + d.normalizedDate + '\t' + pillarName(c.yearPillar.pillar()) +
               pillarName(c.monthPillar.pillar()) + pillarName(c.dayPillar.pillar()) +
               pillarName(c.hourPillar.pillar()) + '\t' + d.patternName + '\t' + d.strengthClass;
        if (options.ambiguousOnly) out += '\t' + ambiguityLine(ambiguity);
        out += '\n';
    }
    return true;
}

// Appraises the records with `jobs` workers, each with its own runner, and writes their lines to
// stdout in the order of the file: the output is the same for any number of workers. Workers
// take blocks of records in turn and stay at most a few blocks ahead of the writer, so a large
// file never waits in memory as text. Returns the number of clients that failed.
int appraiseRecords(const std::vector<CsvRecord>& records, const BatchOptions& options,
                    const TaiwanTable& taiwan, int jobs) {
    constexpr std::size_t kBlock = 64;
    const std::size_t blocks = (records.size() + kBlock - 1) / kBlock;
    auto runBlock = [&](std::size_t b, AppraisalRunner& runner, std::string& out) {
        int failed = 0;
        const std::size_t end = std::min(records.size(), (b + 1) * kBlock);
        for (std::size_t i = b * kBlock; i < end; ++i) {
            if (!appraiseRecord(records[i], options, runner, out)) ++failed;
        }
        return failed;
    };
    auto makeRunner = [&] {
        auto runner = std::make_unique<AppraisalRunner>(AppPaths::fromEnvironment());
        runner->oldCalendar().setTaiwanTable(taiwan);
        return runner;
    };
    int failed = 0;
    if (jobs <= 1 || blocks <= 1) {
        const auto runner = makeRunner();
        std::string out;
        for (std::size_t b = 0; b < blocks; ++b) {
            out.clear();
            failed += runBlock(b, *runner, out);
            std::fwrite(out.data(), 1, out.size(), stdout);
        }
        return failed;
    }

    const std::size_t window = 4 * static_cast<std::size_t>(jobs);
    std::vector<std::string> texts(blocks);
    std::vector<char> done(blocks, 0);
    std::size_t nextBlock = 0;  // the next block a worker takes
    std::size_t written = 0;    // blocks written so far
    std::mutex mutex;
    std::condition_variable changed;
    std::atomic<int> failures{0};
    auto work = [&] {
        const auto runner = makeRunner();
        for (;;) {
            std::size_t b = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock,
                             [&] { return nextBlock >= blocks || nextBlock < written + window; });
                if (nextBlock >= blocks) return;
                b = nextBlock++;
            }
            std::string out;
            failures += runBlock(b, *runner, out);
            {
                std::lock_guard lock(mutex);
                texts[b] = std::move(out);
                done[b] = 1;
            }
            changed.notify_all();
        }
    };
    std::vector<std::thread> workers;
    for (int j = 0; j < jobs; ++j) workers.emplace_back(work);
    while (written < blocks) {
        std::string out;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return done[written] != 0; });
            out = std::move(texts[written]);
        }
        std::fwrite(out.data(), 1, out.size(), stdout);
        {
            std::lock_guard lock(mutex);
            ++written;
        }
        changed.notify_all();
    }
    for (auto& t : workers) t.join();
    return failures;
}

int defaultJobs() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(std::min(n, 64u));
}

int runBatch(const Args& args) {
    std::vector<std::string> known = settingOptionNames();
    known.insert(known.end(), {"csv", "json", "jobs", "ambiguous-only"});
    args.allowOnly(known);
    BatchOptions options;
    options.settings = settingsFrom(args);
    options.json = args.has("json");
    options.yes = args.has("yes");
    options.ambiguousOnly = args.has("ambiguous-only");
    const int jobs = args.intValue("jobs", defaultJobs(), 1, 256);
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
    TaiwanTable taiwan;
    if (options.settings.taiwanOldCalendar) {
        AppraisalRunner runner(AppPaths::fromEnvironment());
        RecordingNotifier quiet;
        quiet.answer = options.yes;
        runner.loadTaiwanFile(quiet);
        // A missing file or unreadable lines are told once, before the clients.
        for (const auto& n : quiet.notices) std::fprintf(stderr, "%s\n", n.text.c_str());
        taiwan = runner.oldCalendar().taiwanTable();
    }
    const int failed = appraiseRecords(readCsvRecords(*bytes), options, taiwan, jobs);
    std::fflush(stdout);
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
           "                          or the reason (a last column)\n"
           "  --jobs N                clients appraised N at a time (default: one per core);\n"
           "                          the output is the same, in the order of the file\n" +
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
     "batch --csv FILE [--json] [--ambiguous-only] [--jobs N] (same settings options as appraise)",
     {"json", "south", "yes", "ambiguous-only"},
     {"csv", "jobs", "hidden-stem-school", "stage-school", "qreki-base", "calendar", "summer-time",
      "astronomy", "today"},
     &runBatch,
     &batchHelp});

}  // namespace
}  // namespace suimei::cli
