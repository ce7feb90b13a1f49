#include "cli/methods_command.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/appraisal.h"
#include "cli/appraisal_options.h"
#include "core/app_paths.h"

namespace suimei::cli {

std::map<std::string, Method>& methodRegistry() {
    static std::map<std::string, Method> registry;
    return registry;
}

namespace {

// Every option any method knows, so that the parser accepts them; each method is then held to
// the client options and its own.
std::vector<std::string> allMethodFlags() {
    std::vector<std::string> flags = {"json", "south", "yes"};
    for (const auto& [name, m] : methodRegistry()) {
        flags.insert(flags.end(), m.flags.begin(), m.flags.end());
    }
    return flags;
}

std::vector<std::string> allMethodOptions() {
    std::vector<std::string> options = clientValuedOptionNames();
    for (const auto& [name, m] : methodRegistry()) {
        options.insert(options.end(), m.options.begin(), m.options.end());
    }
    return options;
}

std::string methodNames() {
    std::string names;
    for (const auto& [name, m] : methodRegistry()) {
        if (!names.empty()) names += "|";
        names += name;
    }
    return names;
}

int runMethods(const Args& args) {
    if (args.positional().size() != 1) {
        throw UsageError{"methods takes one method name: " + methodNames()};
    }
    const std::string& name = args.positional().front();
    const auto found = methodRegistry().find(name);
    if (found == methodRegistry().end()) {
        throw UsageError{"unknown method " + name + " (" + methodNames() + ")"};
    }
    const Method& method = found->second;
    std::vector<std::string> known = clientOptionNames();
    known.push_back("json");
    known.insert(known.end(), method.flags.begin(), method.flags.end());
    known.insert(known.end(), method.options.begin(), method.options.end());
    // The method name itself is the one positional word, checked above.
    args.allowOnly(known, true);

    AppraisalRunner runner(AppPaths::fromEnvironment());
    if (!runClient(args, runner, "methods " + name)) return 2;
    return method.run(args, runner);
}

std::string methodsHelp() {
    std::string text = clientOptionsHelp();
    text += "  --json            one JSON object with what the method's window shows\n";
    for (const auto& [name, m] : methodRegistry()) {
        text += "\nmethods " + name + (m.usage.empty() ? "" : " " + m.usage) + "\n" + m.help;
    }
    return text;
}

// The methods' option lists are asked for when main() parses, after every registrar has run.
struct MethodsRegistrar {
    MethodsRegistrar() {
        commandRegistry()["methods"] = Command{
            "methods",
            std::string("methods NAME ") + kClientOptionsUsage + " [--json] [method options]",
            {},
            {},
            &runMethods,
            &methodsHelp,
            &allMethodFlags,
            &allMethodOptions};
    }
};
const MethodsRegistrar methodsRegistrar;

}  // namespace

}  // namespace suimei::cli
