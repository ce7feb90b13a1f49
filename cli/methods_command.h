#pragma once
// suimei-cli methods NAME: the side methods (Nine Star Ki, lunar mansions, ...) for one client.
// Each method registers itself with a MethodRegistrar in its own file; `methods` parses the
// client options and the method's own options, runs the appraisal and hands the run over.

#include <map>
#include <string>
#include <vector>

#include "cli/command.h"

namespace suimei {
class AppraisalRunner;
}

namespace suimei::cli {

struct Method {
    std::string name;                  // "nine-star", "mansion", ...
    std::string usage;                 // its own options, e.g. "[--future yyyy/mm]"
    std::vector<std::string> flags;    // its own options without a value
    std::vector<std::string> options;  // its own options with a value
    // Prints what the window shows for the run's chart (JSON with --json); returns the exit
    // status. Bad method options throw UsageError.
    int (*run)(const Args& args, AppraisalRunner& runner);
    std::string help;  // one line per option of its own
};

std::map<std::string, Method>& methodRegistry();

struct MethodRegistrar {
    explicit MethodRegistrar(Method m) { methodRegistry()[m.name] = std::move(m); }
};

}  // namespace suimei::cli
