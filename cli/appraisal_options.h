#pragma once
// The options every chart command shares: the client (--date --slot --sex --name), the settings
// (--hidden-stem-school --stage-school --qreki-base --calendar --astronomy --summer-time --south
// --yes) and
// --today.

#include <string>
#include <vector>

#include "app/appraisal.h"
#include "cli/command.h"
#include "core/notifier.h"

namespace suimei::cli {

// The settings options and --today.
const std::vector<std::string>& settingOptionNames();
// The settings options, --today and the client's --date --slot --sex --name.
std::vector<std::string> clientOptionNames();
// Usage text of the client and settings options, for a command's usage line.
extern const char kClientOptionsUsage[];
// `--help` lines of the client and settings options.
std::string clientOptionsHelp();
// The client and settings options that take a value (for a command's option list).
std::vector<std::string> clientValuedOptionNames();

// "Today" from --today, or the system date.
CivilDate todayFrom(const Args& args);
// The astronomy of --astronomy described|precise (described when absent); throws UsageError for
// any other value.
Astronomy astronomyFrom(const Args& args);
// The settings part of the input, from the options.
AppraisalInput settingsFrom(const Args& args);
// The whole input of one client from the options; throws UsageError for a bad slot or sex.
AppraisalInput clientInputFrom(const Args& args);

// The last message of a run that stopped (the question's answer is not a message).
std::string lastMessage(const RecordingNotifier& notifier);

// Runs the client of the options. On a stop prints "suimei-cli COMMAND: <message>" on stderr and
// returns false; on success prints the run's other notices on stderr.
bool runClient(const Args& args, AppraisalRunner& runner, const std::string& command);

}  // namespace suimei::cli
