#pragma once
// The client tables: the four data sets in "jinmei", the client record, the era conversion of the
// birth-date field, and the comma-separated export and import of clients.

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/table_store.h"

namespace suimei {

// Data sets of the radio group データの種類, index 0..3.
struct ClientDataSet {
    std::string_view caption;
    std::string_view fileName;
};
inline constexpr std::array<ClientDataSet, 4> kClientDataSets = {{
    {"デモのデータ", "人名DB.db"},
    {"貴方のデータ１", "人名2DB.db"},
    {"貴方のデータ２", "人名3DB.db"},
    {"貴方のデータ３", "人名4DB.db"},
}};

// Field names of the client record, in order (`No` is the record number).
namespace client_field {
inline constexpr const char* kNo = "No";
inline constexpr const char* kName = "氏名";
inline constexpr const char* kBirthDate = "生年月日";
inline constexpr const char* kTime = "時刻";
inline constexpr const char* kSex = "性別";
inline constexpr const char* kDayMaster = "日主";
inline constexpr const char* kMonthBranch = "月支";
inline constexpr const char* kYearStemTenGod = "年干通変";
inline constexpr const char* kMonthStemTenGod = "月干通変";
inline constexpr const char* kHourStemTenGod = "時干通変";
inline constexpr const char* kEtc1 = "etc1";
inline constexpr const char* kMemo = "備考";
}  // namespace client_field

// The client record with its eight case-insensitive secondary indexes.
const TableDef& clientTableDef();

// Grid columns of the データ入力 page: field name and title, in order.
struct GridColumn {
    std::string_view field;
    std::string_view title;
};
inline constexpr std::array<GridColumn, 10> kClientGridColumns = {{
    {"氏名", "氏名"},
    {"生年月日", "生年月日"},
    {"時刻", "時刻"},
    {"性別", "性別"},
    {"日主", "日主"},
    {"月支", "月支"},
    {"etc1", "月支通変"},
    {"月干通変", "月干通変"},
    {"年干通変", "年干通変"},
    {"時干通変", "時干通変"},
}};

// Sort buttons RadioButton1..6 -> index names.
inline constexpr std::array<std::string_view, 6> kSortIndexes = {"day10", "yymmdd", "y10",
                                                                 "m10",   "j10",    "etc1"};

// Opens data set 0..3 below `jinmeiDir`; a missing table is created empty (and *created is set).
std::unique_ptr<Table> openClientTable(const std::filesystem::path& jinmeiDir, int dataSet,
                                       std::string* error = nullptr, bool* created = nullptr);

// F2 in the birth-date field: "S34/12/26" -> "1959/12/26" (M 明治 +1867, T 大正 +1911, S 昭和
// +1925, H 平成 +1988, R 令和 +2018, either letter case); any other text comes back unchanged.
std::string convertEraDate(const std::string& text);

// A new client-table file name typed by the user: accepted when it is a plain file name that stays
// inside the jinmei folder (".db" is added when missing). Returns the file name, or empty text with
// *why set when the name is refused.
std::string acceptNewTableName(const std::string& typed, std::string* why);

// One client line of the comma-separated file: name, birth date, time slot, sex, each between
// double quotes, embedded quotes doubled.
std::string formatClientCsvLine(const std::array<std::string, 4>& fields);
// Splits one line into items; quoted items may hold commas and doubled quotes. Returns false for
// an unterminated quote or text after a closing quote.
bool splitCsvLine(std::string_view line, std::vector<std::string>& items);

struct CsvImportReport {
    int imported = 0;
    std::vector<std::string> problems;  // "3行目: ..." one per line that could not be read
};

// Writes every client of `table`, from the first in the active order, as CP932 text with CRLF line
// ends. Returns false with *error set when a name cannot be written in CP932 or the file cannot be
// written; the old file is then left as it was.
bool exportClientsCsv(Table& table, const std::filesystem::path& file, std::string* error);
// Appends the clients of a CP932 (or UTF-8 with BOM) file to `table`, committing every
// `batchSize` records; lines that cannot be read are reported and skipped. `progress` (may be
// empty) gets (lines done, lines total) and may return false to stop.
bool importClientsCsv(Table& table, const std::filesystem::path& file, CsvImportReport& report,
                      std::string* error, const std::function<bool(int, int)>& progress = {},
                      int batchSize = 500);

}  // namespace suimei
