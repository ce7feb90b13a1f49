#include "calendar/perpetual_calendar.h"

#include "calendar/pillars.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <system_error>
#include <vector>

#include "core/app_paths.h"
#include "core/notifier.h"
#include "core/text_codec.h"

namespace suimei {

namespace fs = std::filesystem;

namespace {

struct EraLetter {
    char letter;
    std::string_view name;
};
constexpr std::array<EraLetter, 4> kEraLetters = {
    {{'M', "明治"}, {'T', "大正"}, {'S', "昭和"}, {'H', "平成"}}};

constexpr std::size_t kLinesPerFile = 25;  // the year line and twelve month/day pairs

// Text from a file as it can be shown in a notice: the file is meant to be ASCII in the system
// code page; bytes that are no CP932 at all are shown as '?'.
std::string displayText(std::string_view bytes) {
    if (auto utf8 = cp932ToUtf8(bytes)) return *utf8;
    std::string shown;
    for (const char c : bytes) shown += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return shown;
}

// The first character of a line (one byte, or two for a CP932 double-byte character).
std::string_view firstCharacter(std::string_view line) {
    const auto b = static_cast<unsigned char>(line.front());
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    return line.substr(0, lead && line.size() >= 2 ? 2 : 1);
}

// Reads the fields of one file. Each step either stores a value or shows the notice of its fault
// and returns false; the first fault ends the parse.
class EtoParser {
  public:
    EtoParser(int slot, const std::string& path, Notifier& notifier)
        : slot_(slot), path_(path), notifier_(notifier) {}

    bool parseFile(std::string_view bytes, EtoYear& year) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
        std::vector<std::string> lines = splitLines(bytes);
        // Empty lines after the last record are what editors leave behind, not a thirteenth month.
        while (!lines.empty() && lines.back().empty()) lines.pop_back();
        if (lines.size() > kLinesPerFile) {
            return fail("万暦データファイル：" + path_ +
                        " 月データ・日データが１２か月分を超えています");
        }
        lines.resize(kLinesPerFile);  // missing lines stay empty and fail as such

        if (!parseYearLine(lines[0], year)) return false;
        for (int m = 1; m <= 12; ++m) {
            if (!parseMonthLine(lines[static_cast<std::size_t>(2 * m - 1)], year.months[m])) {
                return false;
            }
        }
        for (int m = 1; m <= 12; ++m) {
            if (!checkMonthOrder(lines[static_cast<std::size_t>(2 * m - 1)], year, m)) {
                return false;
            }
        }
        for (int m = 1; m <= 12; ++m) {
            if (!parseDayLine(lines[static_cast<std::size_t>(2 * m)], year.days[m])) return false;
        }
        for (int m = 2; m <= 12; ++m) {
            if (!checkDayOrder(lines[static_cast<std::size_t>(2 * m)], year, m)) return false;
        }
        return true;
    }

  private:
    bool fail(const std::string& message) {
        notifier_.info(message);
        return false;
    }

    // Unsigned decimal integer that fits an int; anything else (empty text, signs, spaces, other
    // characters, overflow) is refused with the conversion error.
    bool toInt(std::string_view text, int& value) {
        bool digits = !text.empty();
        for (const char c : text) digits = digits && c >= '0' && c <= '9';
        int parsed = 0;
        if (digits) {
            const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
            digits = ec == std::errc() && end == text.data() + text.size();
        }
        if (!digits) return fail("'" + displayText(text) + "' は有効な整数値ではありません");
        value = parsed;
        return true;
    }

    // "<era letter><era year>:<stem>-<branch>"
    bool parseYearLine(std::string_view line, EtoYear& year) {
        if (line.empty()) return fail("年データ異常 １行目が空です err： " + path_);
        const std::string_view era = eraNameOfLetter(line.front());
        if (era.empty()) {
            return fail("年データ異常 年号 err： " + displayText(firstCharacter(line)));
        }
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) return fail("年データ異常 区切１(:) err");
        int eraYear = 0;
        if (!toInt(line.substr(1, colon - 1), eraYear)) return false;
        const std::string_view pillar = line.substr(colon + 1);
        const auto dash = pillar.find('-');
        if (dash == std::string_view::npos) return fail("年データ異常 区切干支(-) err");
        const std::string_view stemText = pillar.substr(0, dash);
        const std::string_view branchText = pillar.substr(dash + 1);
        int stem = 0, branch = 0;
        if (!toInt(stemText, stem)) return false;
        if (!isStem(stem)) return fail("年データ異常 １０干 err： " + displayText(stemText));
        if (!toInt(branchText, branch)) return false;
        if (!isBranch(branch)) return fail("年データ異常 １２支 err： " + displayText(branchText));
        year.eraName = std::string(era);
        year.eraYear = eraYear;
        year.yearStem = stem;
        year.yearBranch = branch;
        return true;
    }

    // "<stem>-<branch>:<entry day>:<entry branch>:<day count>"
    bool parseMonthLine(std::string_view line, EtoMonth& month) {
        const std::string shown = displayText(line);
        const auto colon1 = line.find(':');
        if (colon1 == std::string_view::npos) return fail(shown + "月データ異常 区切１(:) err");
        const std::string_view head = line.substr(0, colon1);
        const auto dash = head.find('-');
        if (dash == std::string_view::npos) return fail(shown + "月データ異常 区切干支(-) err");
        const std::string_view stemText = head.substr(0, dash);
        const std::string_view branchText = head.substr(dash + 1);
        int stem = 0, branch = 0;
        if (!toInt(stemText, stem)) return false;
        if (!isStem(stem)) {
            return fail(shown + "月データ異常 １０干 err： " + displayText(stemText));
        }
        if (!toInt(branchText, branch)) return false;
        if (!isBranch(branch)) {
            return fail(shown + "月データ異常 １２支 err： " + displayText(branchText));
        }
        const std::string_view rest = line.substr(colon1 + 1);
        const auto colon2 = rest.find(':');
        if (colon2 == std::string_view::npos) return fail(shown + "月データ異常 区切２(:) err");
        int entryDay = 0, entryBranch = 0, dayCount = 0;
        if (!toInt(rest.substr(0, colon2), entryDay)) return false;
        // Without a third ':' the entry branch is empty text and fails its conversion.
        const std::string_view tail = rest.substr(colon2 + 1);
        const auto colon3 = tail.find(':');
        const std::string_view entryText =
            colon3 == std::string_view::npos ? std::string_view{} : tail.substr(0, colon3);
        if (!toInt(entryText, entryBranch)) return false;
        if (!isBranch(entryBranch)) {
            return fail(shown + "月データ異常 月始め１２支 err： " + displayText(entryText));
        }
        if (!toInt(tail.substr(colon3 + 1), dayCount)) return false;
        month = {stem, branch, entryDay, entryBranch, dayCount};
        return true;
    }

    // A month record must continue the one before it: calendar month m holds the entry of the
    // solar month with branch m + 1 (January 丑 .. December 子), the pillars follow one another
    // through the year, February's 寅 month belongs to the year's stem, the month has a calendar
    // month's number of days and the entry falls inside it. A file with lines swapped or mistyped
    // would otherwise give wrong pillars without a word.
    bool checkMonthOrder(std::string_view line, const EtoYear& year, int m) {
        const std::string shown = displayText(line);
        const EtoMonth& mo = year.months[static_cast<std::size_t>(m)];
        const std::string pillar =
            std::to_string(mo.monthStem) + "-" + std::to_string(mo.monthBranch);
        bool inOrder = mo.monthBranch == m % 12 + 1;
        if (m == 2) {
            // 甲己 years open with 丙寅, 乙庚 with 戊寅, 丙辛 with 庚寅, 丁壬 with 壬寅, 戊癸 with
            // 甲寅.
            inOrder = inOrder && mo.monthStem == ((year.yearStem - 1) % 5 * 2 + 2) % 10 + 1;
        }
        if (m >= 2) {
            inOrder =
                inOrder &&
                mo.monthStem == year.months[static_cast<std::size_t>(m - 1)].monthStem % 10 + 1;
        }
        if (!inOrder) return fail(shown + "月データ異常 月柱の順 err： " + pillar);
        static constexpr std::array<int, 13> kLengths = {0,  31, 28, 31, 30, 31, 30,
                                                         31, 31, 30, 31, 30, 31};
        const int length = kLengths[static_cast<std::size_t>(m)];
        if (mo.dayCount != length && !(m == 2 && mo.dayCount == 29)) {
            return fail(shown + "月データ異常 日数 err： " + std::to_string(mo.dayCount));
        }
        if (mo.entryDay < 1 || mo.entryDay > mo.dayCount) {
            return fail(shown + "月データ異常 節入り日 err： " + std::to_string(mo.entryDay));
        }
        return true;
    }

    // The 1st of month m is the 1st of month m - 1 advanced by that month's days.
    bool checkDayOrder(std::string_view line, const EtoYear& year, int m) {
        const EtoDayLine& prev = year.days[static_cast<std::size_t>(m - 1)];
        const EtoDayLine& cur = year.days[static_cast<std::size_t>(m)];
        const int days = year.months[static_cast<std::size_t>(m - 1)].dayCount;
        const int stem = (prev.firstStem - 1 + days) % 10 + 1;
        const int branch = (prev.firstBranch - 1 + days) % 12 + 1;
        if (cur.firstStem == stem && cur.firstBranch == branch) return true;
        return fail(displayText(line) + "Yno : " + std::to_string(slot_) +
                    "日データ異常 日柱の順 err： " + std::to_string(cur.firstStem) + "-" +
                    std::to_string(cur.firstBranch));
    }

    // "<stem>-<branch>:<old month>/<old day>-<old month length>,<next old month length>"
    bool parseDayLine(std::string_view line, EtoDayLine& day) {
        const std::string shown = displayText(line);
        const std::string slot = std::to_string(slot_);
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) return fail("日データ異常 区切１(:) err");
        const std::string_view head = line.substr(0, colon);
        const auto dash = head.find('-');
        if (dash == std::string_view::npos) return fail("日データ異常 区切干支(-) err");
        const std::string_view stemText = head.substr(0, dash);
        const std::string_view branchText = head.substr(dash + 1);
        int stem = 0, branch = 0;
        if (!toInt(stemText, stem)) return false;
        if (!isStem(stem)) {
            return fail(shown + " Yno : " + slot + " 日データ異常 １０干 err： " +
                        displayText(stemText));
        }
        if (!toInt(branchText, branch)) return false;
        if (!isBranch(branch)) {
            return fail(shown + "Yno : " + slot + "日データ異常 １２支 err： " +
                        displayText(branchText));
        }
        EtoDayLine parsed{stem, branch, 0, 0, 0, 0};
        const std::string_view old = line.substr(colon + 1);
        const auto slash = old.find('/');
        if (slash == std::string_view::npos) return fail("日データ異常 区切２(/) err");
        if (!toInt(old.substr(0, slash), parsed.oldMonth)) return false;
        const std::string_view afterSlash = old.substr(slash + 1);
        const auto dash2 = afterSlash.find('-');
        if (dash2 == std::string_view::npos) return fail("日データ異常 区切３(-) err");
        if (!toInt(afterSlash.substr(0, dash2), parsed.oldDay)) return false;
        const std::string_view lengths = afterSlash.substr(dash2 + 1);
        const auto comma = lengths.find(',');
        if (comma == std::string_view::npos) return fail("日データ異常 区切４(,) err");
        if (!toInt(lengths.substr(0, comma), parsed.oldMonthLength)) return false;
        if (!toInt(lengths.substr(comma + 1), parsed.nextOldMonthLength)) return false;
        day = parsed;
        return true;
    }

    int slot_;
    std::string path_;
    Notifier& notifier_;
};

// Pillar advanced k days: stem and branch step on together, wrapping 10 -> 1 and 12 -> 1.
Pillar advancedPillar(int stem, int branch, long long k) {
    return {static_cast<Stem>(floorMod(stem - 1 + k, 10LL) + 1),
            static_cast<Branch>(floorMod(branch - 1 + k, 12LL) + 1)};
}

// Hour pillar of birth-time index 0..12 (12 = 23:00-00:00, taking the 子 stem of the next day);
// {0, 0} for index 13 (unknown) and anything else.
std::string shownPath(const fs::path& p) {
    std::error_code ec;
    const fs::path full = fs::absolute(p, ec);
    return (ec ? p : full).string();
}

}  // namespace

std::string_view eraNameOfLetter(char letter) {
    for (const auto& e : kEraLetters) {
        if (e.letter == letter) return e.name;
    }
    return {};
}

char eraLetterOf(std::string_view eraName) {
    for (const auto& e : kEraLetters) {
        if (e.name == eraName) return e.letter;
    }
    return 0;
}

std::string formatEtoFile(const EtoYear& y) {
    const auto n = [](int v) { return std::to_string(v); };
    const char letter = eraLetterOf(y.eraName);
    std::string text;
    text += std::string(1, letter ? letter : '?') + n(y.eraYear) + ":" + n(y.yearStem) + "-" +
            n(y.yearBranch) + "\r\n";
    for (int m = 1; m <= 12; ++m) {
        const EtoMonth& mo = y.months[m];
        const EtoDayLine& d = y.days[m];
        text += n(mo.monthStem) + "-" + n(mo.monthBranch) + ":" + n(mo.entryDay) + ":" +
                n(mo.entryBranch) + ":" + n(mo.dayCount) + "\r\n";
        text += n(d.firstStem) + "-" + n(d.firstBranch) + ":" + n(d.oldMonth) + "/" + n(d.oldDay) +
                "-" + n(d.oldMonthLength) + "," + n(d.nextOldMonthLength) + "\r\n";
    }
    return text;
}

int parseEtoFile(std::string_view bytes, int slot, const std::string& path, EtoYear& out,
                 Notifier& notifier) {
    EtoYear parsed;
    if (!EtoParser(slot, path, notifier).parseFile(bytes, parsed)) return -1;
    out = std::move(parsed);
    return 0;
}

int Treki::loadYearFiles(int year, const fs::path& folder, Notifier& notifier) {
    loaded_ = false;
    // The file way serves births after 1921 only; earlier years need no previous-year file.
    const int firstSlot = year > 1921 ? 1 : 2;
    for (int s = firstSlot; s <= 3; ++s) {
        const long long fileYear = static_cast<long long>(year) + s - 2;
        const fs::path path = folder / (std::to_string(fileYear) + ".eto");
        const std::string shown = shownPath(path);
        std::error_code ec;
        std::optional<std::string> bytes;
        if (fs::is_regular_file(path, ec)) bytes = readFileBytes(path);
        if (!bytes) {
            notifier.info("万暦データファイル：" + shown + "not found ?");
            return -1;
        }
        EtoYear parsed;
        if (parseEtoFile(*bytes, s, shown, parsed, notifier) != 0) return -1;
        slots_[static_cast<std::size_t>(s)] = std::move(parsed);
        slotYears_[static_cast<std::size_t>(s)] = fileYear;
    }
    loaded_ = true;
    year_ = year;
    return 0;
}

int Treki::loadYearFiles(int year, const AppPaths& paths, Notifier& notifier) {
    return loadYearFiles(year, paths.appDir(), notifier);
}

const EtoYear& Treki::slot(int s) const {
    static const EtoYear none;
    return s >= 1 && s <= 3 ? slots_[static_cast<std::size_t>(s)] : none;
}

long long Treki::slotFileYear(int s) const {
    return s >= 1 && s <= 3 ? slotYears_[static_cast<std::size_t>(s)] : 0;
}

bool Treki::lookupBirthPillars(int month, int day, int birthTimeIndex, BirthPillars& out) const {
    if (!loaded_ || month < 1 || month > 12 || day < 1 || birthTimeIndex < 0 ||
        birthTimeIndex > kUnknownBirthTime) {
        return false;
    }
    const EtoYear& cur = slots_[2];
    const EtoYear& prev = slots_[1];
    const EtoMonth& mo = cur.months[static_cast<std::size_t>(month)];

    // On the entry day the two-hour periods up to and including the entry's own count as before
    // it; 23:00-00:00 and an unknown time always count as after.
    const bool beforeEntry =
        day == mo.entryDay ? mo.entryBranch >= birthTimeIndex + 1 : day < mo.entryDay;
    // January belongs to the previous year's pillar, and before its entry to the previous
    // December's month; February before 立春 still belongs to the previous year.
    const bool needsPreviousYear = month == 1 || (month == 2 && beforeEntry);
    if (needsPreviousYear && slotYears_[1] != static_cast<long long>(year_) - 1) return false;

    BirthPillars p;
    const EtoDayLine& first = cur.days[static_cast<std::size_t>(month)];
    const long long steps = std::min<long long>(day - 1LL, std::max(mo.dayCount, 0));
    p.day = advancedPillar(first.firstStem, first.firstBranch, steps);

    const EtoMonth* monthSource = &mo;
    if (beforeEntry) monthSource = month == 1 ? &prev.months[12] : &cur.months[month - 1];
    p.month = {static_cast<Stem>(monthSource->monthStem),
               static_cast<Branch>(monthSource->monthBranch)};

    const EtoYear& yearSource = needsPreviousYear ? prev : cur;
    p.year = {static_cast<Stem>(yearSource.yearStem), static_cast<Branch>(yearSource.yearBranch)};

    p.hour = hourPillarFromIndex(p.day.stem, birthTimeIndex);
    out = p;
    return true;
}

}  // namespace suimei
