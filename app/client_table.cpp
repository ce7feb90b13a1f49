#include "app/client_table.h"

#include <cctype>

#include "calendar/types.h"
#include "chart/mandata.h"
#include "core/notifier.h"
#include "core/text_codec.h"

namespace suimei {

namespace fs = std::filesystem;

const TableDef& clientTableDef() {
    static const TableDef def = {
        {
            {client_field::kNo, FieldType::AutoIncrement, 0},
            {client_field::kName, FieldType::Text, 40},
            {client_field::kBirthDate, FieldType::Text, 12},
            {client_field::kTime, FieldType::Text, 12},
            {client_field::kSex, FieldType::Text, 2},
            {client_field::kDayMaster, FieldType::Text, 2},
            {client_field::kMonthBranch, FieldType::Text, 2},
            {client_field::kYearStemTenGod, FieldType::Text, 4},
            {client_field::kMonthStemTenGod, FieldType::Text, 4},
            {client_field::kHourStemTenGod, FieldType::Text, 4},
            {client_field::kEtc1, FieldType::Text, 4},
            {client_field::kMemo, FieldType::Memo, 0},
        },
        {
            {"simei", client_field::kName},
            {"yymmdd", client_field::kBirthDate},
            {"day10", client_field::kDayMaster},
            {"m12", client_field::kMonthBranch},
            {"y10", client_field::kYearStemTenGod},
            {"m10", client_field::kMonthStemTenGod},
            {"j10", client_field::kHourStemTenGod},
            {"etc1", client_field::kEtc1},
        },
    };
    return def;
}

std::unique_ptr<Table> openClientTable(const fs::path& jinmeiDir, int dataSet, std::string* error,
                                       bool* created) {
    if (dataSet < 0 || dataSet >= static_cast<int>(kClientDataSets.size())) dataSet = 0;
    const fs::path file =
        jinmeiDir / std::string(kClientDataSets[static_cast<std::size_t>(dataSet)].fileName);
    std::error_code ec;
    const bool existed = fs::exists(file, ec);
    auto table = Table::open(file, clientTableDef(), true, error);
    if (table) table->setTextNormalizer(&cp932Canonical);
    if (created) *created = table && !existed;
    return table;
}

std::unique_ptr<Table> openClientTableFile(const fs::path& file, ClientTableAccess access,
                                           std::string* error) {
    if (access == ClientTableAccess::ReadOnly) {
        return Table::openReadOnly(file, clientTableDef(), error);
    }
    auto table =
        Table::open(file, clientTableDef(), access == ClientTableAccess::CreateIfMissing, error);
    if (table) table->setTextNormalizer(&cp932Canonical);
    return table;
}

std::string convertEraDate(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos || text.empty()) return text;
    int offset = 0;
    switch (text[0]) {
        case 'S':
        case 's':
            offset = 1925;
            break;
        case 'T':
        case 't':
            offset = 1911;
            break;
        case 'H':
        case 'h':
            offset = 1988;
            break;
        case 'R':
        case 'r':
            offset = 2018;
            break;
        case 'M':
        case 'm':
            offset = 1867;
            break;
        default:
            return text;
    }
    const std::string digits = text.substr(1, slash - 1);
    if (digits.empty() || digits.size() > 4) return text;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return text;
    }
    return std::to_string(std::stoi(digits) + offset) + text.substr(slash);
}

std::string acceptNewTableName(const std::string& typed, std::string* why) {
    auto refuse = [&](const std::string& reason) {
        if (why) *why = reason;
        return std::string();
    };
    std::string name = typed;
    // A path chosen in the dialog inside the jinmei folder comes down to its file name.
    const fs::path p(name);
    if (p.has_parent_path()) {
        return refuse(
            "テーブルは jinmei フォルダの中にだけ作成できます。ファイル名だけを指定して下さい。");
    }
    if (name.empty() || name == "." || name == "..") return refuse("テーブル名を入力して下さい。");
    for (unsigned char c : name) {
        if (c < 0x20 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
            c == '<' || c == '>' || c == '|') {
            return refuse("テーブル名に使えない文字が含まれています。");
        }
    }
    const auto ext = p.extension().string();
    if (ext != ".db" && ext != ".DB") name += ".db";
    return name;
}

std::string formatClientCsvLine(const std::array<std::string, 4>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += '"';
        for (char c : fields[i]) {
            if (c == '"') line += '"';  // doubled so that a name holding a quote reads back whole
            line += c;
        }
        line += '"';
    }
    return line;
}

bool splitCsvLine(std::string_view line, std::vector<std::string>& items) {
    items.clear();
    std::size_t i = 0;
    while (true) {
        std::string item;
        if (i < line.size() && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                item += line[i++];
            }
            if (!closed) return false;
            if (i < line.size() && line[i] != ',') return false;
        } else {
            while (i < line.size() && line[i] != ',') item += line[i++];
        }
        items.push_back(std::move(item));
        if (i >= line.size()) break;
        ++i;  // the comma
    }
    return true;
}

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Reads one record from lines[first..]: the items and the index of its last line, or a problem.
// Line breaks inside quotes are kept as "\n".
struct RecordScan {
    std::vector<std::string> items;
    std::size_t lastLine = 0;
    std::string problem;
};

RecordScan scanRecord(const std::vector<std::optional<std::string>>& lines, std::size_t first) {
    RecordScan scan;
    std::size_t at = first;
    std::string_view text = *lines[at];
    std::size_t i = 0;
    std::string item;
    while (true) {
        item.clear();
        if (i < text.size() && text[i] == '"') {
            ++i;
            while (true) {
                if (i >= text.size()) {
                    // The quoted item goes on in the next line.
                    if (at + 1 >= lines.size() || !lines[at + 1] ||
                        at + 1 - first >= static_cast<std::size_t>(kCsvRecordMaxLines)) {
                        scan.problem = "引用符が閉じていません。";
                        return scan;
                    }
                    ++at;
                    text = *lines[at];
                    i = 0;
                    item += '\n';
                    continue;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
            if (i < text.size() && text[i] != ',') {
                scan.problem = "引用符の後に文字があります。";
                return scan;
            }
        } else {
            while (i < text.size() && text[i] != ',') item += text[i++];
        }
        scan.items.push_back(item);
        if (i >= text.size()) break;
        ++i;  // the comma
    }
    scan.lastLine = at;
    return scan;
}

std::string replaceLineBreaks(std::string text) {
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    return text;
}

}  // namespace

std::vector<CsvRecord> readCsvRecords(std::string_view bytes) {
    const bool utf8 = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (utf8) bytes.remove_prefix(kUtf8Bom.size());
    // CP932 trail bytes are never CR or LF, so the raw bytes split into lines safely; each line is
    // decoded on its own so that one bad line costs only itself.
    const std::vector<std::string> raw = splitLines(bytes);
    std::vector<std::optional<std::string>> lines;
    lines.reserve(raw.size());
    for (const std::string& r : raw) {
        lines.push_back(utf8 ? decodeTextFile(std::string(kUtf8Bom) + r) : cp932ToUtf8(r));
    }
    std::vector<CsvRecord> records;
    for (std::size_t n = 0; n < lines.size();) {
        CsvRecord rec;
        rec.line = rec.lastLine = static_cast<int>(n + 1);
        if (raw[n].empty()) {
            ++n;
            continue;
        }
        if (!lines[n]) {
            rec.problem = "文字コードが読めません。";
            records.push_back(std::move(rec));
            ++n;
            continue;
        }
        RecordScan scan = scanRecord(lines, n);
        if (!scan.problem.empty()) {
            // Reading goes on with the next line, so an open quote never swallows the clients
            // after it.
            rec.problem = std::move(scan.problem);
            records.push_back(std::move(rec));
            ++n;
            continue;
        }
        rec.items = std::move(scan.items);
        rec.lastLine = static_cast<int>(scan.lastLine + 1);
        records.push_back(std::move(rec));
        n = scan.lastLine + 1;
    }
    return records;
}

std::string clientValuesProblem(const std::string& date, const std::string& slot,
                                const std::string& sex) {
    if (!date.empty()) {
        Tmandata chart;
        chart.sex = 'M';
        RecordingNotifier notes;
        // "today" only feeds the age, which is not used here.
        if (!chart.validateBirthInput(convertEraDate(date), kEraWestern, {9999, 12, 31}, notes)) {
            const std::string why =
                notes.lastText().empty() ? "生年月日の形式が違います" : notes.lastText();
            return "生年月日「" + date + "」: " + why;
        }
        if (chart.birthDay > daysInMonth(chart.birthYear, chart.birthMonth)) {
            return "生年月日「" + date + "」は存在しない日付です";
        }
    }
    if (!slot.empty() && birthTimeIndexOf(slot) < 0) {
        return "時刻「" + slot + "」は時刻の一覧にありません";
    }
    if (!sex.empty() && sex != "男" && sex != "女") {
        return "性別「" + sex + "」は 男 か 女 ではありません";
    }
    return {};
}

std::string csvPathProblem(const fs::path& csv, const fs::path& table, bool forImport) {
    if (csv.empty()) return "ＣＳＶファイルを指定して下さい。";
    const std::string shown = csv.string();
    std::error_code ec;
    const fs::file_status st = fs::status(csv, ec);
    if (fs::exists(st)) {
        if (fs::is_directory(st))
            return "「" + shown + "」はフォルダです。ＣＳＶファイルを指定して下さい。";
        if (!fs::is_regular_file(st)) {
            return "「" + shown + "」は普通のファイルではありません（装置や名前付きパイプ）。";
        }
        if (fs::equivalent(csv, table, ec) && !ec) {
            return "「" + shown +
                   "」は人名テーブルそのものです。別のＣＳＶファイルを指定して下さい。";
        }
        return {};
    }
    if (forImport) return "ＣＳＶファイルが見つかりません: " + shown;
    const fs::path folder = csv.has_parent_path() ? csv.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec))
        return "書き出し先のフォルダがありません: " + folder.string();
    return {};
}

bool exportClientsCsv(Table& table, const fs::path& file, std::string* error, CsvEncoding encoding,
                      CsvExportReport* report) {
    CsvExportReport local;
    CsvExportReport& rep = report ? *report : local;
    rep = {};
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    const bool shiftJis = encoding == CsvEncoding::ShiftJis;
    std::string out = shiftJis ? std::string() : std::string(kUtf8Bom);
    std::vector<std::string> unwritable;
    int row = 0;
    const bool walked = table.forEach([&](const Record& r) {
        ++row;
        const auto value = [&](const char* name) {
            const auto it = r.find(name);
            return it == r.end() ? std::string() : it->second;
        };
        const std::array<std::string, 4> fields = {
            value(client_field::kName), value(client_field::kBirthDate), value(client_field::kTime),
            value(client_field::kSex)};
        const std::string line = formatClientCsvLine(fields) + "\r\n";
        if (!shiftJis) {
            out += line;
            return true;
        }
        if (auto encoded = utf8ToCp932(line)) {
            out += *encoded;
        } else {
            unwritable.push_back(std::to_string(row) + "件目の「" + fields[0] + "」");
        }
        return true;
    });
    if (!walked) {
        return fail("人名テーブルが読めません（" + std::to_string(row) +
                    "件目の後で止まりました）。ファイルは書き出していません。\n" +
                    table.lastError());
    }
    // A damaged table can end its walk early without an error: the count must agree.
    const int stored = table.recordCount();
    if (stored != row) {
        return fail("人名テーブルが壊れています（" + std::to_string(stored) + "件のうち" +
                    std::to_string(row) + "件しか読めません）。ファイルは書き出していません。");
    }
    if (!unwritable.empty()) {
        rep.notShiftJis = true;
        std::string text;
        for (std::size_t i = 0; i < unwritable.size() && i < 10; ++i) text += "\n" + unwritable[i];
        if (unwritable.size() > 10)
            text += "\nほか" + std::to_string(unwritable.size() - 10) + "件";
        return fail("ＣＳＶファイル（シフトJIS）に書けない文字を含むお客様が" +
                    std::to_string(unwritable.size()) +
                    "件あります。ファイルは書き出していません。" + text);
    }
    if (!writeFileAtomically(file, out)) return fail("ファイルに書き込めません: " + file.string());
    rep.written = row;
    return true;
}

bool importClientsCsv(Table& table, const fs::path& file, CsvImportReport& report,
                      std::string* error, const CsvImportOptions& options) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return fail("ファイルが開けません: " + file.string());
    const auto bytes = readFileBytes(file);
    if (!bytes) return fail("ファイルが開けません: " + file.string());
    const std::vector<CsvRecord> records = readCsvRecords(*bytes);

    struct Client {
        int line;
        std::array<std::string, 4> fields;
        bool invalid;
    };
    std::vector<Client> clients;
    std::vector<std::string> invalid;
    for (const CsvRecord& rec : records) {
        const std::string where = std::to_string(rec.line) + "行目: ";
        if (!rec.problem.empty()) {
            report.problems.push_back(where + rec.problem);
            continue;
        }
        if (rec.items.size() < 4) {
            report.problems.push_back(where + "項目が４つありません（氏名,生年月日,時刻,性別）。");
            continue;
        }
        Client c{rec.line, {}, false};
        for (std::size_t i = 0; i < 4; ++i)
            c.fields[i] = cp932Canonical(replaceLineBreaks(rec.items[i]));
        if (rec.items[0].find('\n') != std::string::npos) {
            report.notices.push_back(where + "氏名「" + c.fields[0] +
                                     "」の改行を空白に置き換えました。");
        }
        if (!hasCp932Form(c.fields[0])) {
            report.notShiftJis = true;
            report.notices.push_back(
                where + "氏名「" + c.fields[0] +
                "」にはシフトJISにない文字があります（書き出しはUTF-8になります）。");
        }
        const std::string why = clientValuesProblem(c.fields[1], c.fields[2], c.fields[3]);
        if (!why.empty()) {
            c.invalid = true;
            invalid.push_back(where + why);
        }
        clients.push_back(std::move(c));
    }
    report.invalid = invalid;
    const bool keep = !invalid.empty() && options.keepInvalid && options.keepInvalid(invalid);

    const int total = static_cast<int>(clients.size());
    auto batch = std::make_unique<Table::Batch>(table);
    if (!batch->active()) {
        return fail("人名テーブルに書き込めません。何も取り込んでいません。\n" + table.lastError());
    }
    // Everything is undone at once: the table is as it was, and the cursor on its first record.
    auto undo = [&](const std::string& why) {
        batch.reset();
        table.first();
        return fail(why);
    };
    int done = 0;
    int imported = 0;
    int kept = 0;
    for (const Client& c : clients) {
        ++done;
        if (c.invalid && !keep) continue;
        table.append();
        table.setField(client_field::kName, c.fields[0]);
        table.setField(client_field::kBirthDate, c.fields[1]);
        table.setField(client_field::kTime, c.fields[2]);
        table.setField(client_field::kSex, c.fields[3]);
        if (!table.post()) {
            const std::string why = table.lastError();
            table.cancel();
            return undo(std::to_string(c.line) +
                        "行目を書き込めません。何も取り込んでいません。\n" + why);
        }
        ++imported;
        if (c.invalid) ++kept;
        if (options.progress && done % 200 == 0 && !options.progress(done, total)) {
            return undo("取り込みを中止しました。お客様は１件も取り込んでいません。");
        }
    }
    if (!batch->commit()) {
        return undo("人名テーブルに書き込めません。何も取り込んでいません。\n" + table.lastError());
    }
    if (options.progress) options.progress(total, total);
    if (!keep) {
        for (const std::string& line : invalid) report.problems.push_back(line);
    }
    report.imported = imported;
    report.keptInvalid = kept;
    return true;
}

}  // namespace suimei
