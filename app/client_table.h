#pragma once
// The client tables: the four data sets in "jinmei", the client record, the era conversion of the
// birth-date field, and the comma-separated export and import of clients.

#include <array>
#include <filesystem>
#include <functional>
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

// One record of a comma-separated file. A quoted item may run over line ends (at most
// kCsvRecordMaxLines lines); its line breaks are given as "\n".
struct CsvRecord {
    int line = 0;                    // 1-based number of the record's first line
    int lastLine = 0;                // and of its last (a quoted item may run over line ends)
    std::vector<std::string> items;  // UTF-8
    std::string problem;             // why the record could not be read; empty when it was
};
inline constexpr int kCsvRecordMaxLines = 10;
// The records of the bytes of a client file (CP932, or UTF-8 after a BOM). Empty lines are no
// records. A line that cannot be decoded, a quote left open or text after a closing quote gives a
// record with its problem, and the reading goes on with the next line.
std::vector<CsvRecord> readCsvRecords(std::string_view bytes);

// Why birth date, time slot and sex of a client are not usable, "" when they are. Each may be
// empty (not entered yet); a date must pass the chart's validation and exist in the calendar, a
// time slot must be one of the birth-time list, a sex 男 or 女.
std::string clientValuesProblem(const std::string& date, const std::string& slot,
                                const std::string& sex);

// How a client table file is opened by a command.
enum class ClientTableAccess { ReadOnly, ReadWrite, CreateIfMissing };
// Opens a client table file; a table opened for writing keeps one form of every character (see
// cp932Canonical).
std::unique_ptr<Table> openClientTableFile(const std::filesystem::path& file,
                                           ClientTableAccess access, std::string* error = nullptr);

// Why `csv` cannot serve as the comma-separated file of `table`, "" when it can: a folder, a
// device, a FIFO or the table file itself is refused; for import the file must exist, for export
// its folder.
std::string csvPathProblem(const std::filesystem::path& csv, const std::filesystem::path& table,
                           bool forImport);

enum class CsvEncoding { ShiftJis, Utf8WithBom };

struct CsvExportReport {
    int written = 0;           // clients written to the file
    bool notShiftJis = false;  // failed because a client has no Shift-JIS form: UTF-8 would do
};

// Writes every client of `table`, from the first in the active order, with CRLF line ends, in
// CP932 or as UTF-8 with a BOM. Every step is checked: when a record cannot be read, a name
// cannot be written in the encoding or the file cannot be written, returns false with *error set;
// the old file is then left as it was and no temporary file remains.
bool exportClientsCsv(Table& table, const std::filesystem::path& file, std::string* error,
                      CsvEncoding encoding = CsvEncoding::ShiftJis,
                      CsvExportReport* report = nullptr);

struct CsvImportReport {
    int imported = 0;
    // "3行目: ..." one per line that was not imported (unreadable, or wrong values not kept).
    std::vector<std::string> problems;
    // Rows with a date, time slot or sex that is not usable ("3行目: ..."), kept or not.
    std::vector<std::string> invalid;
    int keptInvalid = 0;
    // What was imported with a change or a caution: line breaks in a name, names without a
    // Shift-JIS form.
    std::vector<std::string> notices;
    bool notShiftJis = false;  // some imported name has no Shift-JIS form
};

struct CsvImportOptions {
    // Asked once with the list of rows whose values are not usable; true keeps them as typed.
    // When empty they are not imported.
    std::function<bool(const std::vector<std::string>& invalid)> keepInvalid;
    // Gets (records done, records total) and may return false to stop (nothing is imported then).
    std::function<bool(int, int)> progress;
};

// Adds the clients of a CP932 (or UTF-8 with BOM) file to `table` in one transaction: a failed,
// stopped or killed import leaves the table as it was. Lines that cannot be read are reported and
// skipped. Returns false with *error set when nothing was imported for a reason other than the
// lines themselves (unreadable file, write failure, stopped).
bool importClientsCsv(Table& table, const std::filesystem::path& file, CsvImportReport& report,
                      std::string* error, const CsvImportOptions& options = {});

}  // namespace suimei
