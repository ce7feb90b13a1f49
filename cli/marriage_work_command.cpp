// suimei-cli marriage / suimei-cli work: what every button of the marriage window and of the work
// window appends to the memo for one client, placeholders filled (the ten years from --today).

#include <cstdio>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "cli/appraisal_options.h"
#include "cli/command.h"
#include "core/app_paths.h"
#include "readings/marriage_work.h"
#include "readings/passage_table.h"

namespace suimei::cli {

namespace {

using Json = nlohmann::ordered_json;

int runTopic(const Args& args, TopicWindowKind kind, const std::string& command) {
    std::vector<std::string> known = clientOptionNames();
    known.push_back("json");
    args.allowOnly(known);
    const AppraisalInput settings = settingsFrom(args);

    const AppPaths paths = AppPaths::fromEnvironment();
    const auto tablePath = readingTablePath(paths, ReadingTableKind::Passages);
    // Opening would create an empty table; a missing one is the user's to know about.
    if (!std::filesystem::exists(tablePath)) {
        std::fprintf(stderr, "suimei-cli %s: the passage table %s does not exist\n",
                     command.c_str(), tablePath.string().c_str());
        return 2;
    }
    std::string error;
    const auto passages = PassageTable::open(paths, &error);
    if (!passages) {
        std::fprintf(stderr, "suimei-cli %s: %s: %s\n", command.c_str(), tablePath.string().c_str(),
                     error.c_str());
        return 2;
    }
    AppraisalRunner runner(paths);
    if (!runClient(args, runner, command)) return 2;

    Json buttons = Json::array();
    for (const TopicButton& b : topicButtons(kind)) {
        const auto lines =
            topicButtonLines(kind, b.name, runner.chart(), settings.today.year, *passages);
        if (!args.has("json")) {
            std::string caption(b.caption);
            for (char& c : caption) {
                if (c == '\n') c = ' ';
            }
            std::printf("【%s】\n", caption.c_str());
            for (const std::string& line : lines) std::printf("%s\n", line.c_str());
            continue;
        }
        buttons.push_back({{"button", std::string(b.name)}, {"lines", lines}});
    }
    if (args.has("json")) std::printf("%s\n", Json{{"buttons", buttons}}.dump().c_str());
    return 0;
}

int runMarriage(const Args& args) {
    return runTopic(args, TopicWindowKind::Marriage, "marriage");
}
int runWork(const Args& args) {
    return runTopic(args, TopicWindowKind::Work, "work");
}

std::string topicHelp() {
    return clientOptionsHelp() +
           "  --json                  {\"buttons\": [{\"button\", \"lines\"}]}: every button of "
           "the\n"
           "                          window in its order, with the lines it appends to the memo\n"
           "                          (the ten years start with the year of --today)\n";
}

const CommandRegistrar marriageRegistrar({"marriage",
                                          std::string("marriage ") + kClientOptionsUsage +
                                              " [--json]",
                                          {"json", "south", "yes"},
                                          clientValuedOptionNames(),
                                          &runMarriage,
                                          &topicHelp});
const CommandRegistrar workRegistrar({"work",
                                      std::string("work ") + kClientOptionsUsage + " [--json]",
                                      {"json", "south", "yes"},
                                      clientValuedOptionNames(),
                                      &runWork,
                                      &topicHelp});

}  // namespace
}  // namespace suimei::cli
