#pragma once
// The Taiwan-style old calendar: lunar months that differ from the Japanese reckoning, read from
// the user-editable file QrekiTaiwan.txt in the application folder.
//
// One lunar month per line, four comma-separated fields:
//   YYYY/MM/DD   Gregorian date of the month's first listed day (digits at fixed positions)
//   MM/DD        lunar month 1..12 and the lunar day of that date (normally 01)
//   N            last day of the lunar month, 29 or 30
//   h|u          "u" a leap month (閏月, the later of two months with one number); anything else
//                (also an empty or missing field) a normal month (平月)
// Example: 1923/11/08,10/01,30,h
// Blanks around a field are ignored. A line that does not fit this form (wrong field count, a
// date that does not exist, a lunar month outside 1..12, a lunar day outside 1..30 or after the
// last day) is skipped and its line number is kept; the other lines still count. Empty lines are
// skipped silently. Only the first 500 lines of a file are read.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app_paths.h"
#include "core/notifier.h"

namespace suimei {

inline constexpr const char* kTaiwanFileName = "QrekiTaiwan.txt";
inline constexpr int kMaxTaiwanLines = 500;
inline constexpr const char* kTaiwanFileMissingMessage =
    "QrekiTaiwan.txt ファイルが見つかりません!!";
inline constexpr const char* kTaiwanFileTooLongMessage =
    "台湾式暦のデータファイルが５００行を超えています。";

// One lunar month of the file.
struct TaiwanMonthRow {
    int startYear = 0, startMonth = 0, startDay = 0;  // Gregorian date of the first listed day
    int lunarMonth = 0;                               // 1..12
    int firstLunarDay = 0;                            // lunar day of the start date, 1..30
    int lastLunarDay = 0;                             // last lunar day of the month, 1..30
    int leapFlag = -1;                                // 1 leap month, -1 normal
    long long startDayNumber = 0;                     // whole JST day number of the start date
};

struct TaiwanTable {
    std::vector<TaiwanMonthRow> rows;       // in file order
    std::vector<int> skippedLines;          // 1-based numbers of the lines that were not understood
    std::vector<std::string> skippedTexts;  // those lines as they read (UTF-8), same order
    bool fileFound = false;
    bool truncated = false;  // the file had more than 500 lines
};

// Lunar date taken from the table.
struct TaiwanDate {
    int lunarMonth = 0;  // 1..12
    int lunarDay = 0;    // 1..30
    int leapFlag = -1;   // 1 leap month, -1 normal
};

// Parses the decoded (UTF-8) text of the file; at most the first 500 lines are read.
TaiwanTable parseTaiwanText(std::string_view text);

// Parses the raw bytes of the file: CP932, or UTF-8 with a BOM. A line whose bytes are not valid
// text is skipped like any other malformed line.
TaiwanTable parseTaiwanBytes(std::string_view bytes);

// Reads QrekiTaiwan.txt from the application folder. A missing file gives the information notice
// "QrekiTaiwan.txt ファイルが見つかりません!!" and an empty table; a file of more than 500 lines
// gives "台湾式暦のデータファイルが５００行を超えています。" and the first 500 lines are used.
// Lines that cannot be read are told in one notice, each with its number (the other lines still
// count), and a file without any month in it is told too: the Japanese reckoning then answers.
TaiwanTable loadTaiwanFile(const AppPaths& paths, Notifier& notifier);
// The notices of a parsed table: its unreadable lines and an empty file (none when all is well).
std::vector<std::string> taiwanTableNotices(const TaiwanTable& table);

// Lunar month, day and leap flag of the Gregorian date from the first row that covers it (a row
// covers consecutive days from its start date up to its last lunar day); nothing when no row does
// or the date does not exist.
std::optional<TaiwanDate> taiwanLookup(const TaiwanTable& table, int year, int month, int day);

}  // namespace suimei
