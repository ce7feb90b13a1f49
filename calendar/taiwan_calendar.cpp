#include "calendar/taiwan_calendar.h"

#include <algorithm>
#include <cmath>

#include "calendar/old_calendar_astronomy.h"
#include "calendar/types.h"
#include "core/text_codec.h"

namespace suimei {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = line.find(',', from);
        if (comma == std::string_view::npos) {
            fields.push_back(trim(line.substr(from)));
            return fields;
        }
        fields.push_back(trim(line.substr(from, comma - from)));
        from = comma + 1;
    }
}

// Digits at [pos, pos + count) of s as a number; -1 when any of them is not a digit.
int digitsAt(std::string_view s, std::size_t pos, std::size_t count) {
    if (pos + count > s.size()) return -1;
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (s[i] < '0' || s[i] > '9') return -1;
        value = value * 10 + (s[i] - '0');
    }
    return value;
}

long long wholeDayNumber(int y, int m, int d) {
    return static_cast<long long>(std::floor(qreki::dayNumber(y, m, d)));
}

std::optional<TaiwanMonthRow> parseRow(std::string_view line) {
    const std::vector<std::string_view> fields = splitFields(line);
    if (fields.size() != 3 && fields.size() != 4) return std::nullopt;
    const std::string_view date = fields[0];
    const std::string_view lunar = fields[1];
    const std::string_view last = fields[2];
    if (date.size() != 10 || date[4] != '/' || date[7] != '/') return std::nullopt;
    if (lunar.size() != 5 || lunar[2] != '/') return std::nullopt;
    if (last.empty() || last.size() > 2) return std::nullopt;

    TaiwanMonthRow row;
    row.startYear = digitsAt(date, 0, 4);
    row.startMonth = digitsAt(date, 5, 2);
    row.startDay = digitsAt(date, 8, 2);
    row.lunarMonth = digitsAt(lunar, 0, 2);
    row.firstLunarDay = digitsAt(lunar, 3, 2);
    row.lastLunarDay = digitsAt(last, 0, last.size());
    if (row.startYear < 1 || row.startMonth < 1 || row.startMonth > 12 || row.startDay < 1 ||
        row.startDay > daysInMonth(row.startYear, row.startMonth)) {
        return std::nullopt;
    }
    if (row.lunarMonth < 1 || row.lunarMonth > 12) return std::nullopt;
    if (row.lastLunarDay != 29 && row.lastLunarDay != 30) return std::nullopt;
    if (row.firstLunarDay < 1 || row.firstLunarDay > row.lastLunarDay) return std::nullopt;
    row.leapFlag = fields.size() == 4 && fields[3] == "u" ? 1 : -1;
    row.startDayNumber = wholeDayNumber(row.startYear, row.startMonth, row.startDay);
    return row;
}

void parseLine(TaiwanTable& table, int lineNumber, std::optional<std::string_view> line) {
    if (line && trim(*line).empty()) return;
    std::optional<TaiwanMonthRow> row;
    if (line) row = parseRow(*line);
    if (row) {
        table.rows.push_back(*row);
    } else {
        table.skippedLines.push_back(lineNumber);
        table.skippedTexts.push_back(line ? std::string(line->substr(0, 60)) : "（読めない文字）");
    }
}

}  // namespace

TaiwanTable parseTaiwanText(std::string_view text) {
    TaiwanTable table;
    table.fileFound = true;
    const std::vector<std::string> lines = splitLines(text);
    table.truncated = lines.size() > static_cast<std::size_t>(kMaxTaiwanLines);
    const std::size_t count = std::min(lines.size(), static_cast<std::size_t>(kMaxTaiwanLines));
    for (std::size_t i = 0; i < count; ++i) {
        parseLine(table, static_cast<int>(i + 1), std::string_view(lines[i]));
    }
    return table;
}

TaiwanTable parseTaiwanBytes(std::string_view bytes) {
    if (const std::optional<std::string> text = decodeTextFile(bytes))
        return parseTaiwanText(*text);
    // Some bytes are not text. Line ends are single bytes that never occur inside a CP932 or UTF-8
    // character, so the lines can be told apart before decoding and decoded one by one.
    const bool utf8 = bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
                      static_cast<unsigned char>(bytes[1]) == 0xBB &&
                      static_cast<unsigned char>(bytes[2]) == 0xBF;
    if (utf8) bytes.remove_prefix(3);
    TaiwanTable table;
    table.fileFound = true;
    const std::vector<std::string> lines = splitLines(bytes);
    table.truncated = lines.size() > static_cast<std::size_t>(kMaxTaiwanLines);
    const std::size_t count = std::min(lines.size(), static_cast<std::size_t>(kMaxTaiwanLines));
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<std::string> line =
            utf8 ? decodeTextFile("\xEF\xBB\xBF" + lines[i]) : cp932ToUtf8(lines[i]);
        parseLine(table, static_cast<int>(i + 1),
                  line ? std::optional<std::string_view>(*line) : std::nullopt);
    }
    return table;
}

TaiwanTable loadTaiwanFile(const AppPaths& paths, Notifier& notifier) {
    const std::optional<std::string> bytes = readFileBytes(paths.file(kTaiwanFileName));
    if (!bytes) {
        notifier.info(kTaiwanFileMissingMessage);
        return {};
    }
    TaiwanTable table = parseTaiwanBytes(*bytes);
    if (table.truncated) notifier.info(kTaiwanFileTooLongMessage);
    for (const std::string& text : taiwanTableNotices(table)) notifier.info(text);
    return table;
}

std::vector<std::string> taiwanTableNotices(const TaiwanTable& table) {
    std::vector<std::string> notices;
    if (!table.skippedLines.empty()) {
        std::string text = std::string(kTaiwanFileName) +
                           " の次の行は読めないため使いません（形式 1923/11/08,10/01,30,h）：";
        constexpr std::size_t kListed = 20;
        for (std::size_t i = 0; i < table.skippedLines.size() && i < kListed; ++i) {
            text += "\n" + std::to_string(table.skippedLines[i]) + "行目: " + table.skippedTexts[i];
        }
        if (table.skippedLines.size() > kListed) {
            text += "\nほか" + std::to_string(table.skippedLines.size() - kListed) + "行";
        }
        notices.push_back(text);
    }
    if (table.fileFound && table.rows.empty()) {
        notices.push_back(std::string(kTaiwanFileName) +
                          " に使える月がありません。台湾方式の旧暦は日本の旧暦と同じになります。");
    }
    return notices;
}

std::optional<TaiwanDate> taiwanLookup(const TaiwanTable& table, int year, int month, int day) {
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) {
        return std::nullopt;
    }
    const long long key = wholeDayNumber(year, month, day);
    for (const TaiwanMonthRow& row : table.rows) {
        const long long offset = key - row.startDayNumber;
        if (offset < 0 || offset > row.lastLunarDay - row.firstLunarDay) continue;
        return TaiwanDate{row.lunarMonth, row.firstLunarDay + static_cast<int>(offset),
                          row.leapFlag};
    }
    return std::nullopt;
}

}  // namespace suimei
