#include "app/client_table.h"

#include <cctype>

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
    if (created) *created = table && !existed;
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

bool exportClientsCsv(Table& table, const fs::path& file, std::string* error) {
    std::string out;
    std::string problem;
    int row = 0;
    table.forEach([&](const Record& r) {
        ++row;
        const std::array<std::string, 4> fields = {
            r.at(client_field::kName), r.at(client_field::kBirthDate), r.at(client_field::kTime),
            r.at(client_field::kSex)};
        auto encoded = utf8ToCp932(formatClientCsvLine(fields) + "\r\n");
        if (!encoded) {
            problem = std::to_string(row) + "件目の「" + fields[0] +
                      "」はＣＳＶファイル（シフトJIS）に書けない文字を含んでいます。";
            return false;
        }
        out += *encoded;
        return true;
    });
    if (!problem.empty()) {
        if (error) *error = problem;
        return false;
    }
    if (!writeFileAtomically(file, out)) {
        if (error) *error = "ファイルに書き込めません: " + file.string();
        return false;
    }
    return true;
}

bool importClientsCsv(Table& table, const fs::path& file, CsvImportReport& report,
                      std::string* error, const std::function<bool(int, int)>& progress,
                      int batchSize) {
    const auto bytes = readFileBytes(file);
    if (!bytes) {
        if (error) *error = "ファイルが開けません: " + file.string();
        return false;
    }
    std::string_view body(*bytes);
    bool utf8 = false;
    if (body.size() >= 3 && body.substr(0, 3) == "\xEF\xBB\xBF") {
        utf8 = true;
        body.remove_prefix(3);
    }
    // CP932 trail bytes are never CR or LF, so the raw bytes split into lines safely.
    const std::vector<std::string> rawLines = splitLines(body);
    const int total = static_cast<int>(rawLines.size());
    if (batchSize < 1) batchSize = 1;
    auto batch = std::make_unique<Table::Batch>(table);
    int inBatch = 0;
    std::vector<std::string> items;
    for (int n = 0; n < total; ++n) {
        const std::string& raw = rawLines[static_cast<std::size_t>(n)];
        const std::string where = std::to_string(n + 1) + "行目: ";
        if (raw.empty()) continue;
        std::optional<std::string> text =
            utf8 ? decodeTextFile("\xEF\xBB\xBF" + raw) : cp932ToUtf8(raw);
        if (!text) {
            report.problems.push_back(where + "文字コードが読めません。");
            continue;
        }
        if (!splitCsvLine(*text, items)) {
            report.problems.push_back(where + "引用符が閉じていません。");
            continue;
        }
        if (items.size() < 4) {
            report.problems.push_back(where + "項目が４つありません（氏名,生年月日,時刻,性別）。");
            continue;
        }
        table.append();
        table.setField(client_field::kName, items[0]);
        table.setField(client_field::kBirthDate, items[1]);
        table.setField(client_field::kTime, items[2]);
        table.setField(client_field::kSex, items[3]);
        if (!table.post()) {
            table.cancel();
            report.problems.push_back(where + table.lastError());
            continue;
        }
        ++report.imported;
        if (++inBatch >= batchSize) {
            batch->commit();
            batch = std::make_unique<Table::Batch>(table);
            inBatch = 0;
        }
        if (progress && n % 200 == 0 && !progress(n + 1, total)) break;
    }
    batch->commit();
    if (progress) progress(total, total);
    (void)error;
    return true;
}

}  // namespace suimei
