#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/command.h"

namespace suimei::cli {

std::map<std::string, Command>& commandRegistry() {
    static std::map<std::string, Command> registry;
    return registry;
}

}  // namespace suimei::cli

namespace {

void printUsage(std::FILE* out) {
    std::fprintf(out, "usage: suimei-cli COMMAND [OPTIONS]\n\ncommands:\n");
    for (const auto& [name, cmd] : suimei::cli::commandRegistry()) {
        std::fprintf(out, "  %s\n", cmd.usage.c_str());
    }
    std::fprintf(out, "\n'suimei-cli COMMAND --help' shows the options of a command.\n");
}

bool asksForHelp(int argc, char** argv) {
    for (int i = 2; i < argc; ++i) {
        const std::string w = argv[i];
        if (w == "--help" || w == "-h") return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace suimei::cli;
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
        printUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const auto& registry = commandRegistry();
    const auto it = registry.find(argv[1]);
    if (it == registry.end()) {
        std::fprintf(stderr, "suimei-cli: unknown command: %s (try --help)\n", argv[1]);
        return 2;
    }
    if (asksForHelp(argc, argv)) {
        std::printf("usage: suimei-cli %s\n", it->second.usage.c_str());
        if (it->second.help) std::printf("\n%s", it->second.help().c_str());
        return 0;
    }
    try {
        const Command& command = it->second;
        std::vector<std::string> flags = command.flags;
        std::vector<std::string> options = command.options;
        if (command.lateFlags) {
            const auto more = command.lateFlags();
            flags.insert(flags.end(), more.begin(), more.end());
        }
        if (command.lateOptions) {
            const auto more = command.lateOptions();
            options.insert(options.end(), more.begin(), more.end());
        }
        Args args(std::vector<std::string>(argv + 2, argv + argc), flags, options);
        return command.run(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "suimei-cli %s: %s\n", argv[1], e.message.c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "suimei-cli %s: %s\n", argv[1], e.what());
        return 2;
    }
}
