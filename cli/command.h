#pragma once
// suimei-cli sub-commands register themselves here; main() dispatches by name.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace suimei::cli {

// Raised for bad arguments; main() prints the message on one line and exits with status 2.
struct UsageError {
    std::string message;
};

// Parsed "--name value" and "--flag" options; positional words are kept in order. An option that
// is neither a flag nor a known option is refused by name ("unknown option --foo").
class Args {
  public:
    Args(std::vector<std::string> words, const std::vector<std::string>& flagNames,
         const std::vector<std::string>& optionNames);

    bool has(const std::string& name) const { return options_.count(name) > 0; }
    std::optional<std::string> get(const std::string& name) const;
    std::string require(const std::string& name) const;
    int intValue(const std::string& name, int fallback, int min, int max) const;
    const std::vector<std::string>& positional() const { return positional_; }
    // Throws UsageError for an option not in `known`, and for any positional word unless
    // `positionalAllowed` (a command that reads its own, as `methods NAME`).
    void allowOnly(const std::vector<std::string>& known, bool positionalAllowed = false) const;

  private:
    std::map<std::string, std::string> options_;
    std::vector<std::string> positional_;
};

// Parses "yyyy/mm/dd" (also "yyyy-mm-dd") into numbers; throws UsageError when it is not a real
// Gregorian date of the years 1..9999 (every number is range-checked, none can wrap around).
void parseDateArg(const std::string& text, int& y, int& m, int& d);
// A birth date: checked by the chart's own validation (its message is the error) and then for a
// real Gregorian day of the years up to 9999.
void parseBirthDateArg(const std::string& text, int& y, int& m, int& d);

struct Command {
    std::string name;
    std::string usage;
    std::vector<std::string> flags;    // options that take no value
    std::vector<std::string> options;  // options that take a value
    int (*run)(const Args& args);
    // `COMMAND --help`: every option with its meaning.
    std::string (*help)() = nullptr;
    // Option lists known only once every file has registered (the methods of `methods`); they
    // are added to `flags` and `options` when the command line is parsed.
    std::vector<std::string> (*lateFlags)() = nullptr;
    std::vector<std::string> (*lateOptions)() = nullptr;
};

// Help lines of the school options shared by appraise and batch, names from the settings.
std::string schoolOptionsHelp();

std::map<std::string, Command>& commandRegistry();

struct CommandRegistrar {
    explicit CommandRegistrar(Command c) { commandRegistry()[c.name] = std::move(c); }
};

}  // namespace suimei::cli
