#include "readings/reading_sources.h"

#include <map>
#include <set>

#include "calendar/types.h"
#include "core/text_codec.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

std::string_view withoutBom(std::string_view text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.substr(0, bom.size()) == bom) text.remove_prefix(bom.size());
    return text;
}

std::vector<std::string> splitTabs(std::string_view line) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        parts.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return parts;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Characters (code points) of a UTF-8 text.
std::size_t charCount(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

void checkCp932(std::string_view text, int line, std::vector<SourceProblem>& problems) {
    if (const auto bad = firstCharWithoutCp932(text)) {
        problems.push_back({line, "「" + *bad + "」は CP932 で表せない文字です", true});
    }
}

void checkWidth(const std::string& value, const char* field, std::size_t width, int line,
                std::vector<SourceProblem>& problems) {
    if (charCount(value) > width) {
        problems.push_back({line,
                            std::string(field) + " 「" + value + "」が " + std::to_string(width) +
                                " 文字を超えています",
                            false});
    }
}

}  // namespace

std::optional<std::string> firstCharWithoutCp932(std::string_view text) {
    if (utf8ToCp932(text)) return std::nullopt;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len =
            std::min(utf8Length(static_cast<unsigned char>(text[i])), text.size() - i);
        const std::string_view ch = text.substr(i, len);
        if (!utf8ToCp932(ch)) return std::string(ch);
        i += len;
    }
    return std::string();  // the whole failed but no single character did
}

PassageSource parsePassageSource(std::string_view text) {
    PassageSource out;
    const std::vector<std::string> lines = splitLines(withoutBom(text));
    std::map<std::pair<std::string, std::string>, int> seen;
    auto finishRecord = [&]() {
        if (out.records.empty()) return;
        const PassageSourceRecord& r = out.records.back();
        if (r.memoLines.empty()) {
            out.problems.push_back({r.line, r.key1 + "/" + r.key2 + " に文章がありません", false});
        }
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int lineNo = static_cast<int>(i) + 1;
        if (isBlank(line) || line.front() == '#') continue;
        checkCp932(line, lineNo, out.problems);
        if (line.front() == '@') {
            finishRecord();
            const std::vector<std::string> fields = splitTabs(std::string_view(line).substr(1));
            if (fields.size() < 2 || fields.size() > 4) {
                out.problems.push_back(
                    {lineNo, "見出し行は @key1<TAB>key2<TAB>bun1 の形で書いてください", true});
                continue;
            }
            PassageSourceRecord r;
            r.line = lineNo;
            r.key1 = fields[0];
            r.key2 = fields[1];
            if (fields.size() > 2) r.bun1 = fields[2];
            if (fields.size() > 3) r.etc = fields[3];
            if (r.key1.empty()) out.problems.push_back({lineNo, "key1 が空です", true});
            checkWidth(r.key1, "key1", 10, lineNo, out.problems);
            checkWidth(r.key2, "key2", 20, lineNo, out.problems);
            checkWidth(r.bun1, "bun1", 30, lineNo, out.problems);
            checkWidth(r.etc, "etc", 30, lineNo, out.problems);
            const auto [it, fresh] = seen.emplace(std::make_pair(r.key1, r.key2), lineNo);
            if (!fresh) {
                out.problems.push_back({lineNo,
                                        r.key1 + "/" + r.key2 + " は " +
                                            std::to_string(it->second) +
                                            " 行目と同じキーです（先の記録だけが読まれます）",
                                        false});
            }
            out.records.push_back(std::move(r));
            continue;
        }
        if (out.records.empty()) {
            out.problems.push_back({lineNo, "最初の @ 行より前に文章があります", true});
            continue;
        }
        out.records.back().memoLines.push_back(line);
    }
    finishRecord();
    return out;
}

std::vector<SourceProblem> appendPassageSource(PassageSource& merged, const PassageSource& next) {
    std::set<std::pair<std::string, std::string>> held;
    for (const auto& r : merged.records) held.emplace(r.key1, r.key2);
    std::vector<SourceProblem> dropped;
    for (const auto& r : next.records) {
        if (!held.emplace(r.key1, r.key2).second) {
            dropped.push_back({r.line,
                               r.key1 + "/" + r.key2 +
                                   " は先に読んだ原本にあるキーです（先の記録だけが使われます）",
                               false});
            continue;
        }
        merged.records.push_back(r);
    }
    return dropped;
}

SixtySource parseSixtySource(std::string_view text) {
    PassageSource passages = parsePassageSource(text);
    SixtySource out;
    out.problems = std::move(passages.problems);
    for (auto& r : passages.records) {
        SixtySourceRecord s;
        s.line = r.line;
        s.sex = r.key1;
        if (s.sex != "男" && s.sex != "女") {
            out.problems.push_back(
                {r.line, "性別「" + r.key1 + "」は 男 か 女 で書いてください", true});
        }
        const bool digits = !r.key2.empty() && r.key2.size() <= 2 &&
                            r.key2.find_first_not_of("0123456789") == std::string::npos;
        s.number = digits ? std::stoi(r.key2) : 0;
        if (s.number < 1 || s.number > 60) {
            out.problems.push_back({r.line, "干支番号「" + r.key2 + "」は 1 から 60 です", true});
        } else if (!r.bun1.empty() && r.bun1 != pillarName(pillarOfSexagenary(s.number))) {
            out.problems.push_back({r.line,
                                    "干支番号 " + r.key2 + " は「" +
                                        pillarName(pillarOfSexagenary(s.number)) + "」で、「" +
                                        r.bun1 + "」ではありません",
                                    true});
        }
        s.memoLines = std::move(r.memoLines);
        out.records.push_back(std::move(s));
    }
    return out;
}

PassageSource parseConceptionDaySource(std::string_view text) {
    PassageSource out = parsePassageSource(text);
    auto indexOf = [](const auto& names, const std::string& name) {
        for (std::size_t i = 1; i < names.size(); ++i) {
            if (names[i] == name) return static_cast<int>(i);
        }
        return 0;
    };
    std::set<int> pillars;
    for (const auto& r : out.records) {
        const int stem = indexOf(kStemNames, r.key1);
        const int branch = indexOf(kBranchNames, r.key2);
        if (stem == 0 || branch == 0) {
            out.problems.push_back(
                {r.line, "「" + r.key1 + "」「" + r.key2 + "」は天干と地支の名前ではありません",
                 true});
        } else if (sexagenaryOf(stem, branch) == 0) {
            out.problems.push_back(
                {r.line, r.key1 + r.key2 + " という干支はありません（陰陽が合いません）", true});
        } else {
            pillars.insert(sexagenaryOf(stem, branch));
        }
    }
    for (int n = 1; n <= 60; ++n) {
        if (pillars.count(n) == 0) {
            out.problems.push_back(
                {0, pillarName(pillarOfSexagenary(n)) + " の文章がありません", false});
        }
    }
    return out;
}

ImagerySource parseImagerySource(std::string_view text) {
    ImagerySource out;
    const std::vector<std::string> lines = splitLines(withoutBom(text));
    const TableDef def = readingTableDef(ReadingTableKind::AnnualImagery);
    std::vector<std::string> header;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int lineNo = static_cast<int>(i) + 1;
        if (isBlank(line)) continue;
        checkCp932(line, lineNo, out.problems);
        std::vector<std::string> fields = splitTabs(line);
        if (header.empty()) {
            header = std::move(fields);
            for (const FieldDef& f : def.fields) {
                bool found = false;
                for (const auto& h : header) found = found || h == f.name;
                if (!found) {
                    out.problems.push_back(
                        {lineNo, "見出し行に " + f.name + " がありません", true});
                }
            }
            continue;
        }
        if (fields.size() > header.size()) {
            out.problems.push_back({lineNo, "欄の数が見出し行より多くなっています", true});
            continue;
        }
        Record row;
        for (std::size_t k = 0; k < fields.size(); ++k) row[header[k]] = fields[k];
        out.rows.push_back(std::move(row));
    }
    if (header.empty()) out.problems.push_back({0, "見出し行がありません", true});
    if (out.rows.size() != 100) {
        out.problems.push_back(
            {0, "行の数が " + std::to_string(out.rows.size()) + " です（100 行のはずです）",
             false});
    }
    return out;
}

namespace {

// Appends one record per item in one transaction; stops at the first write that fails.
template <typename Records, typename SetFields>
bool fillRecords(Table& table, const Records& records, SetFields setFields, std::string* error) {
    Table::Batch batch(table);
    for (const auto& record : records) {
        table.append();
        setFields(record);
        if (!table.post()) {
            if (error) *error = table.lastError();
            return false;
        }
    }
    if (!batch.commit()) {
        if (error) *error = table.lastError();
        return false;
    }
    return true;
}

std::string memoOf(const std::vector<std::string>& lines) {
    std::string memo;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) memo += '\n';
        memo += lines[i];
    }
    return memo;
}

}  // namespace

bool fillPassageTable(Table& table, const PassageSource& source, std::string* error) {
    return fillRecords(
        table, source.records,
        [&table](const PassageSourceRecord& r) {
            table.setField("key1", r.key1);
            table.setField("key2", r.key2);
            table.setField("bun1", r.bun1);
            table.setField("memo", memoOf(r.memoLines));
            table.setField("etc", r.etc);
        },
        error);
}

bool fillSixtyTable(Table& table, const SixtySource& source, std::string* error) {
    return fillRecords(
        table, source.records,
        [&table](const SixtySourceRecord& r) {
            table.setField("sex", r.sex);
            table.setField("no", std::to_string(r.number));
            table.setField("memo", memoOf(r.memoLines));
        },
        error);
}

bool fillImageryTable(Table& table, const ImagerySource& source, std::string* error) {
    return fillRecords(
        table, source.rows,
        [&table](const Record& row) {
            for (const auto& [name, value] : row) table.setField(name, value);
        },
        error);
}

bool fillConceptionDayTable(Table& table, const PassageSource& source, std::string* error) {
    return fillRecords(
        table, source.records,
        [&table](const PassageSourceRecord& r) {
            table.setField("item1", r.key1);
            table.setField("item2", r.key2);
            table.setField("memo", memoOf(r.memoLines));
        },
        error);
}

SectionText convertSectionSource(std::string_view text) {
    SectionText out;
    std::vector<std::string> lines = splitLines(withoutBom(text));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    std::string currentKey;
    std::set<std::string> keys;
    bool fatal = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int lineNo = static_cast<int>(i) + 1;
        if (const auto bad = firstCharWithoutCp932(line)) {
            out.problems.push_back({lineNo, "「" + *bad + "」は CP932 で表せない文字です", true});
            fatal = true;
        }
        if (!line.empty() && line.front() == '{') {
            if (!keys.insert(line).second) {
                out.problems.push_back(
                    {lineNo, line + " は前にもあります（先のセクションだけが読まれます）", false});
            }
            currentKey = line;
            continue;
        }
        if (!currentKey.empty() && line.empty()) {
            out.problems.push_back({lineNo, currentKey + " の本文に空の行があります", true});
            fatal = true;
        }
    }
    if (!lines.empty() && !currentKey.empty() && lines.back().front() != '{') {
        out.problems.push_back({static_cast<int>(lines.size()),
                                currentKey + " のあとに閉じる { の行（{end} など）がありません",
                                true});
        fatal = true;
    }
    if (fatal) return out;
    out.cp932 = encodeCp932Lines(lines);
    if (!out.cp932) out.problems.push_back({0, "CP932 に変換できません", true});
    return out;
}

}  // namespace suimei
