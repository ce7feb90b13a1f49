#pragma once
// The reading tables: the passage table "kanteibun1.db" that nearly every reading reads by
// (key1, key2), the annual imagery table "kouun.db", the sixty-pillar table "sixty.DB" and the
// conception-day table "tengen.db". All are tables of the local table layer; the first three lie
// in bun/ below the application directory, "tengen.db" in the application directory itself.

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app_paths.h"
#include "core/table_store.h"

namespace suimei {

enum class ReadingTableKind { Passages, AnnualImagery, SixtyPillars, ConceptionDay };

inline constexpr std::string_view kPassageTableFile = "kanteibun1.db";
inline constexpr std::string_view kAnnualImageryTableFile = "kouun.db";
inline constexpr std::string_view kSixtyPillarTableFile = "sixty.DB";
inline constexpr std::string_view kConceptionDayTableFile = "tengen.db";

// Field and index definitions of each reading table, fields in their stored order.
TableDef readingTableDef(ReadingTableKind kind);
// Where the table file lies: bun/<name>, or <app>/tengen.db.
std::filesystem::path readingTablePath(const AppPaths& paths, ReadingTableKind kind);
// Opens a reading table, creating it empty when its file is missing. nullptr with an error text
// when the file cannot be opened.
std::unique_ptr<Table> openReadingTable(const AppPaths& paths, ReadingTableKind kind,
                                        std::string* error = nullptr);

// The passage table, opened once and shared by every reader and by its editor window: one table,
// one cursor. A lookup starts from the first record and leaves the cursor on the record it found,
// or at the end of the table when there is none.
class PassageTable {
  public:
    explicit PassageTable(std::unique_ptr<Table> table);
    // Opens bun/kanteibun1.db (created empty when missing); nullptr with an error text on failure.
    static std::unique_ptr<PassageTable> open(const AppPaths& paths, std::string* error = nullptr);

    Table& table() { return *table_; }

    // Called with false before a lookup walks the cursor and with true after it, so a window
    // showing the table can stop repainting meanwhile.
    void setDisplayControl(std::function<void(bool enabled)> control) {
        displayControl_ = std::move(control);
    }

    // Appends the passage of the first record in stored order whose key1 and key2 equal k1 and
    // k2 byte for byte to `target`, one item per line of the memo. Returns true when a record was
    // found (its memo may be empty); appends nothing and returns false otherwise.
    bool lookup(std::string_view k1, std::string_view k2, std::vector<std::string>& target);
    // The same lookup delivering the memo's lines in a new list.
    std::vector<std::string> lookupLines(std::string_view k1, std::string_view k2);

  private:
    std::unique_ptr<Table> table_;
    std::function<void(bool)> displayControl_;
};

// The sixty-pillar reading: walks sixty.DB from its first record and appends to `target` the
// passage of the first record with `sex` ("男" or "女") and `no` = `number` (1..60), line by line,
// stopping at its first empty line. Returns false, appending nothing, when no record matches.
bool lookupSixtyPillar(Table& table, std::string_view sex, int number,
                       std::vector<std::string>& target);

// The conception-day passage of a pillar: walks tengen.db from its first record and gives the memo
// of the first record whose item1 and item2 equal the stem and branch names byte for byte, as it
// is stored. nullopt when no record matches.
std::optional<std::string> findConceptionDayPassage(Table& table, std::string_view stemName,
                                                    std::string_view branchName);

// The annual imagery table loaded into memory: four 10 x 10 texts indexed [day stem][year stem],
// both 1..10 (index 0 unused and empty).
struct AnnualImagery {
    using Grid = std::array<std::array<std::string, 11>, 11>;
    Grid goodKeyword;  // tango1 吉象意
    Grid badKeyword;   // tango2 凶象意
    Grid goodHint;     // hlp1
    Grid badHint;      // hlp2
    int rowsRead = 0;  // table rows taken (at most 100)
};

// Loads the rows of kouun.db: a row whose k01 and k02 name a day stem and a year stem fills that
// cell (the first such row wins), so a reordered table reads the same; a row without both keys
// fills the cell of its position, row r (0-based) [r / 10 + 1][r % 10 + 1]. Rows beyond the
// hundredth are ignored; cells without a row stay empty. The cursor is left where it was before.
AnnualImagery loadAnnualImagery(Table& table);

}  // namespace suimei
