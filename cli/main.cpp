#include <algorithm>
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

Args::Args(std::vector<std::string> words, const std::vector<std::string>& flagNames) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() > 2 && w.rfind("--", 0) == 0) {
            std::string name = w.substr(2);
            std::string value;
            if (const auto eq = name.find('='); eq != std::string::npos) {
                value = name.substr(eq + 1);
                name = name.substr(0, eq);
            } else if (std::find(flagNames.begin(), flagNames.end(), name) == flagNames.end()) {
                if (i + 1 >= words.size()) throw UsageError{"--" + name + " needs a value"};
                value = words[++i];
            }
            options_[name] = value;
        } else {
            positional_.push_back(w);
        }
    }
}

std::optional<std::string> Args::get(const std::string& name) const {
    const auto it = options_.find(name);
    if (it == options_.end()) return std::nullopt;
    return it->second;
}

std::string Args::require(const std::string& name) const {
    auto v = get(name);
    if (!v) throw UsageError{"missing --" + name};
    return *v;
}

int Args::intValue(const std::string& name, int fallback, int min, int max) const {
    const auto v = get(name);
    if (!v) return fallback;
    std::size_t used = 0;
    int n = 0;
    try {
        n = std::stoi(*v, &used);
    } catch (const std::exception&) {
        throw UsageError{"--" + name + ": not a number: " + *v};
    }
    if (used != v->size()) throw UsageError{"--" + name + ": not a number: " + *v};
    if (n < min || n > max) {
        throw UsageError{"--" + name + ": " + *v + " is outside " + std::to_string(min) + ".." +
                         std::to_string(max)};
    }
    return n;
}

void Args::allowOnly(const std::vector<std::string>& known) const {
    for (const auto& [name, value] : options_) {
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            throw UsageError{"unknown option --" + name};
        }
    }
    if (!positional_.empty()) throw UsageError{"unexpected argument: " + positional_.front()};
}

void parseDateArg(const std::string& text, int& y, int& m, int& d) {
    char sep1 = 0, sep2 = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c%d%n", &y, &sep1, &m, &sep2, &d, &consumed) != 5 ||
        static_cast<std::size_t>(consumed) != text.size() || sep1 != sep2 ||
        (sep1 != '/' && sep1 != '-')) {
        throw UsageError{"not a date (yyyy/mm/dd): " + text};
    }
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) {
        throw UsageError{"no such date: " + text};
    }
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
    const int len = (m == 2 && leap) ? 29 : lengths[m - 1];
    if (d > len) throw UsageError{"no such date: " + text};
}

}  // namespace suimei::cli

namespace {

void printUsage(std::FILE* out) {
    std::fprintf(out, "usage: suimei-cli COMMAND [OPTIONS]\n\ncommands:\n");
    for (const auto& [name, cmd] : suimei::cli::commandRegistry()) {
        std::fprintf(out, "  %s\n", cmd.usage.c_str());
    }
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
    try {
        Args args(std::vector<std::string>(argv + 2, argv + argc), it->second.flags);
        return it->second.run(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "suimei-cli %s: %s\n", argv[1], e.message.c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "suimei-cli %s: %s\n", argv[1], e.what());
        return 2;
    }
}
