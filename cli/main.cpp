#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/types.h"
#include "chart/mandata.h"
#include "cli/command.h"
#include "core/notifier.h"

namespace suimei::cli {

std::map<std::string, Command>& commandRegistry() {
    static std::map<std::string, Command> registry;
    return registry;
}

Args::Args(std::vector<std::string> words, const std::vector<std::string>& flagNames,
           const std::vector<std::string>& optionNames) {
    auto known = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() > 2 && w.rfind("--", 0) == 0) {
            std::string name = w.substr(2);
            std::string value;
            const auto eq = name.find('=');
            if (eq != std::string::npos) {
                value = name.substr(eq + 1);
                name = name.substr(0, eq);
            }
            const bool flag = known(flagNames, name);
            if (!flag && !known(optionNames, name)) throw UsageError{"unknown option --" + name};
            if (flag && eq != std::string::npos) {
                throw UsageError{"--" + name + " takes no value"};
            }
            if (eq == std::string::npos && !flag) {
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

void Args::allowOnly(const std::vector<std::string>& known, bool positionalAllowed) const {
    for (const auto& [name, value] : options_) {
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            throw UsageError{"unknown option --" + name};
        }
    }
    if (!positionalAllowed && !positional_.empty()) {
        throw UsageError{"unexpected argument: " + positional_.front()};
    }
}

namespace {

// Digits only, at most `maxDigits` of them (so no value can overflow); -1 otherwise.
int smallNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool realDate(int y, int m, int d) {
    return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(y, m);
}

}  // namespace

void parseDateArg(const std::string& text, int& y, int& m, int& d) {
    const auto sep1 = text.find_first_of("/-");
    const auto sep2 = sep1 == std::string::npos ? sep1 : text.find_first_of("/-", sep1 + 1);
    if (sep2 == std::string::npos || text[sep1] != text[sep2]) {
        throw UsageError{"not a date (yyyy/mm/dd): " + text};
    }
    const std::string_view all(text);
    const int year = smallNumber(all.substr(0, sep1), 4);
    const int month = smallNumber(all.substr(sep1 + 1, sep2 - sep1 - 1), 2);
    const int day = smallNumber(all.substr(sep2 + 1), 2);
    if (year < 0 || month < 0 || day < 0) throw UsageError{"not a date (yyyy/mm/dd): " + text};
    if (!realDate(year, month, day)) throw UsageError{"no such date: " + text};
    y = year;
    m = month;
    d = day;
}

void parseBirthDateArg(const std::string& text, int& y, int& m, int& d) {
    Tmandata chart;
    chart.sex = 'M';
    RecordingNotifier notes;
    if (!chart.validateBirthInput(text, kEraWestern, {9999, 12, 31}, notes)) {
        throw UsageError{notes.lastText().empty() ? "not a date (yyyy/mm/dd): " + text
                                                  : notes.lastText()};
    }
    if (!realDate(chart.birthYear, chart.birthMonth, chart.birthDay)) {
        throw UsageError{"no such date: " + text};
    }
    y = chart.birthYear;
    m = chart.birthMonth;
    d = chart.birthDay;
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
