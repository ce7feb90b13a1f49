#include "readings/passage_table.h"

#include <utility>

#include "calendar/types.h"
#include "core/text_codec.h"

namespace suimei {

namespace fs = std::filesystem;

TableDef readingTableDef(ReadingTableKind kind) {
    switch (kind) {
        case ReadingTableKind::Passages:
            return {{{"no", FieldType::AutoIncrement, 0},
                     {"key1", FieldType::Text, 10},
                     {"key2", FieldType::Text, 20},
                     {"bun1", FieldType::Text, 30},
                     {"memo", FieldType::Memo, 0},
                     {"etc", FieldType::Text, 30}},
                    {}};
        case ReadingTableKind::AnnualImagery:
            return {{{"nid", FieldType::Text, 10},
                     {"k01", FieldType::Text, 10},
                     {"k02", FieldType::Text, 10},
                     {"tango1", FieldType::Text, 60},
                     {"tango2", FieldType::Text, 60},
                     {"hlp1", FieldType::Memo, 0},
                     {"hlp2", FieldType::Memo, 0},
                     {"etc", FieldType::Text, 30}},
                    {}};
        case ReadingTableKind::SixtyPillars:
            return {{{"sex", FieldType::Text, 2},
                     {"no", FieldType::Integer, 0},
                     {"memo", FieldType::Memo, 0}},
                    {}};
        case ReadingTableKind::ConceptionDay:
            return {{{"item1", FieldType::Text, 4},
                     {"item2", FieldType::Text, 4},
                     {"memo", FieldType::Memo, 0}},
                    {}};
    }
    return {};
}

fs::path readingTablePath(const AppPaths& paths, ReadingTableKind kind) {
    switch (kind) {
        case ReadingTableKind::Passages:
            return paths.bunDir() / std::string(kPassageTableFile);
        case ReadingTableKind::AnnualImagery:
            return paths.bunDir() / std::string(kAnnualImageryTableFile);
        case ReadingTableKind::SixtyPillars:
            return paths.bunDir() / std::string(kSixtyPillarTableFile);
        case ReadingTableKind::ConceptionDay:
            return paths.file(std::string(kConceptionDayTableFile));
    }
    return {};
}

std::unique_ptr<Table> openReadingTable(const AppPaths& paths, ReadingTableKind kind,
                                        std::string* error) {
    return Table::open(readingTablePath(paths, kind), readingTableDef(kind), true, error);
}

PassageTable::PassageTable(std::unique_ptr<Table> table) : table_(std::move(table)) {}

std::unique_ptr<PassageTable> PassageTable::open(const AppPaths& paths, std::string* error) {
    auto table = openReadingTable(paths, ReadingTableKind::Passages, error);
    if (!table) return nullptr;
    return std::make_unique<PassageTable>(std::move(table));
}

bool PassageTable::lookup(std::string_view k1, std::string_view k2,
                          std::vector<std::string>& target) {
    if (displayControl_) displayControl_(false);
    Table& t = *table_;
    t.setActiveIndex("");
    // Moving to the first record also posts an edit in progress, so the walk sees it.
    t.first();
    const auto& fields = t.definition().fields;
    const bool numbered = !fields.empty() && fields.front().type == FieldType::AutoIncrement;
    bool found = false;
    std::string memo;
    if (numbered) {
        // One pass over the stored order; the record number is the primary key.
        long long key = 0;
        t.forEach([&](const Record& r) {
            const auto k1It = r.find("key1");
            const auto k2It = r.find("key2");
            if (k1It == r.end() || k2It == r.end() || k1It->second != k1 || k2It->second != k2) {
                return true;
            }
            const auto memoIt = r.find("memo");
            if (memoIt != r.end()) memo = memoIt->second;
            key = std::stoll(r.at(fields.front().name));
            found = true;
            return false;
        });
        if (!found || !t.gotoKey(key)) {
            if (t.last()) t.next();  // at the end
        }
    } else {
        for (bool ok = !t.empty(); ok; ok = t.next()) {
            if (t.field("key1") == k1 && t.field("key2") == k2) {
                memo = t.field("memo");
                found = true;
                break;
            }
        }
    }
    if (found) {
        for (auto& line : splitLines(memo)) target.push_back(std::move(line));
    }
    if (displayControl_) displayControl_(true);
    return found;
}

std::vector<std::string> PassageTable::lookupLines(std::string_view k1, std::string_view k2) {
    std::vector<std::string> lines;
    lookup(k1, k2, lines);
    return lines;
}

bool lookupSixtyPillar(Table& table, std::string_view sex, int number,
                       std::vector<std::string>& target) {
    const std::string wanted = std::to_string(number);
    bool found = false;
    std::string memo;
    table.setActiveIndex("");
    table.forEach([&](const Record& r) {
        const auto sexIt = r.find("sex");
        const auto noIt = r.find("no");
        if (sexIt == r.end() || noIt == r.end() || sexIt->second != sex || noIt->second != wanted) {
            return true;
        }
        const auto memoIt = r.find("memo");
        if (memoIt != r.end()) memo = memoIt->second;
        found = true;
        return false;
    });
    if (!found) return false;
    for (auto& line : splitLines(memo)) {
        if (line.empty()) break;
        target.push_back(std::move(line));
    }
    return true;
}

std::optional<std::string> findConceptionDayPassage(Table& table, std::string_view stemName,
                                                    std::string_view branchName) {
    std::optional<std::string> passage;
    table.setActiveIndex("");
    table.forEach([&](const Record& r) {
        const auto stem = r.find("item1");
        const auto branch = r.find("item2");
        if (stem == r.end() || branch == r.end() || stem->second != stemName ||
            branch->second != branchName) {
            return true;
        }
        const auto memo = r.find("memo");
        passage = memo != r.end() ? memo->second : std::string();
        return false;
    });
    return passage;
}

AnnualImagery loadAnnualImagery(Table& table) {
    AnnualImagery out;
    const std::string savedIndex = table.activeIndex();
    table.setActiveIndex("");
    auto stemNumber = [](const std::string& name) {
        for (int s = 1; s <= 10; ++s) {
            if (stemName(s) == name) return s;
        }
        return 0;
    };
    // A row is found by its day-stem and year-stem keys, so an editor's reordering changes
    // nothing; a row without both keys keeps the cell of its position (day stem outer).
    std::array<std::array<bool, 11>, 11> keyed{};
    std::vector<std::pair<int, Record>> unkeyed;
    auto put = [&](std::size_t day, std::size_t year, const Record& r) {
        auto get = [&](const char* name) {
            const auto it = r.find(name);
            return it == r.end() ? std::string() : it->second;
        };
        out.goodKeyword[day][year] = get("tango1");
        out.badKeyword[day][year] = get("tango2");
        out.goodHint[day][year] = get("hlp1");
        out.badHint[day][year] = get("hlp2");
    };
    table.forEach([&](const Record& r) {
        if (out.rowsRead >= 100) return false;
        const auto k1 = r.find("k01");
        const auto k2 = r.find("k02");
        const int day = k1 == r.end() ? 0 : stemNumber(k1->second);
        const int year = k2 == r.end() ? 0 : stemNumber(k2->second);
        if (day != 0 && year != 0) {
            const auto d = static_cast<std::size_t>(day);
            const auto y = static_cast<std::size_t>(year);
            if (!keyed[d][y]) put(d, y, r);  // the first row with the keys wins
            keyed[d][y] = true;
        } else {
            unkeyed.emplace_back(out.rowsRead, r);
        }
        ++out.rowsRead;
        return true;
    });
    for (const auto& [row, r] : unkeyed) {
        const auto day = static_cast<std::size_t>(row / 10 + 1);
        const auto year = static_cast<std::size_t>(row % 10 + 1);
        if (!keyed[day][year]) put(day, year, r);
    }
    table.setActiveIndex(savedIndex);
    return out;
}

}  // namespace suimei
