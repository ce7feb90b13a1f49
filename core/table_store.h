#pragma once
// Local tables: one SQLite database file per table, named as the table file it stands for
// ("jinmei/人名DB.db", "bun/kanteibun1.db", ...). A cursor walks the records in the order of the
// active index; every write is its own transaction unless a Batch groups several, and every value
// is a bound parameter.

#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace suimei {

enum class FieldType { Text, Memo, Integer, AutoIncrement };

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Text;
    int width = 0;  // characters for text fields; informational
};

struct IndexDef {
    std::string name;   // the index name the windows use ("simei", "yymmdd", ...)
    std::string field;  // the field it orders by, case-insensitively
};

struct TableDef {
    std::vector<FieldDef> fields;  // the first field is the key of the primary order
    std::vector<IndexDef> indexes;
};

// One record's values by field name; integers are held as decimal text.
using Record = std::map<std::string, std::string>;

class Table {
  public:
    enum class State { Browse, Edit, Insert };

    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Opens the table file, creating it with `def` when it does not exist (when `create` is true).
    // The secondary indexes of `def` are (re)created on every open. A file that may not be
    // changed (no write permission on it or its folder) is opened as openReadOnly does. nullptr
    // and an error text on failure.
    static std::unique_ptr<Table> open(const std::filesystem::path& file, const TableDef& def,
                                       bool create, std::string* error = nullptr);
    // Opens an existing table file for reading only: the file is not changed in any way (no
    // journal switch, no index created, nothing made beside it in a folder that may not be
    // written); every write is refused with an error text.
    static std::unique_ptr<Table> openReadOnly(const std::filesystem::path& file,
                                               const TableDef& def, std::string* error = nullptr);
    // Creates an empty table file at `target` with the field and index definitions of `source`.
    // Refuses an existing target. Returns false with an error text on failure.
    static bool createLike(const std::filesystem::path& source, const std::filesystem::path& target,
                           std::string* error = nullptr);

    const TableDef& definition() const { return def_; }
    const std::filesystem::path& file() const { return file_; }
    const std::string& lastError() const { return lastError_; }

    // Active order: "" for the primary order (by the key field), else a secondary index name.
    bool setActiveIndex(const std::string& indexName);
    const std::string& activeIndex() const { return activeIndex_; }

    // Cursor movement in the active order; each returns false when there is no such record.
    bool first();
    bool last();
    bool next();
    bool prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool empty() const { return current_.empty(); }
    // Moves to the first record whose indexed field sorts at or after `key` (case-insensitive) in
    // the active secondary index; at the end of the table the cursor stays on the last record.
    bool findNearest(const std::string& key);
    // Moves to the record with this primary key.
    bool gotoKey(long long key);

    int recordCount();
    // Zero-based position of the current record in the active order, -1 when there is none.
    int position();
    // Up to `count` records from zero-based row `offset` in the active order (for grids).
    std::vector<Record> page(int offset, int count);
    // Calls `visit` for every record in the active order without moving the cursor; stops early
    // when it returns false. Returns false with lastError() when the table could not be read to
    // its end (a damaged file), true when every record was visited or `visit` stopped the walk.
    bool forEach(const std::function<bool(const Record&)>& visit);

    // Every text value is passed through `normalize` before it is written (empty: stored as
    // given). Client tables use it to keep one form of each character.
    void setTextNormalizer(std::function<std::string(std::string_view)> normalize) {
        normalize_ = std::move(normalize);
    }
    bool readOnly() const { return readOnly_; }

    // The current record's values (in Edit/Insert state, the values being edited).
    const Record& current() const { return current_; }
    std::string field(const std::string& name) const;
    long long key() const { return currentKey_; }

    State state() const { return state_; }
    void edit();
    void append();  // starts a new empty record (posted by post())
    // Sets a field of the record being edited; puts a browsing cursor into edit mode first.
    bool setField(const std::string& name, const std::string& value);
    // Writes the edited or appended record; false with lastError() when the write fails.
    bool post();
    void cancel();
    // Deletes the current record and moves to the next one (or the previous at the end).
    bool deleteCurrent();
    // Removes every record.
    bool emptyTable();

    // Groups writes into one transaction; commits when committed, rolls back when dropped.
    class Batch {
      public:
        explicit Batch(Table& t);
        ~Batch();
        bool commit();
        // False when the transaction could not be begun (a read-only or locked table).
        bool active() const { return open_; }

      private:
        Table& table_;
        bool open_ = false;
    };

  private:
    Table(sqlite3* db, std::filesystem::path file, TableDef def);
    bool exec(const std::string& sql);
    // True, with lastError(), when the table is read-only.
    bool refuseWrite();
    std::string orderColumn() const;
    bool loadRow(sqlite3_stmt* st);
    bool moveTo(const char* where, const char* order, bool forward);
    void clearCurrent();

    sqlite3* db_ = nullptr;
    std::filesystem::path file_;
    TableDef def_;
    std::string keyField_;
    std::string activeIndex_;
    std::string activeField_;
    Record current_;
    long long currentKey_ = 0;
    State state_ = State::Browse;
    bool eof_ = true;
    bool bof_ = true;
    std::string lastError_;
    std::function<std::string(std::string_view)> normalize_;
    bool readOnly_ = false;
};

}  // namespace suimei
