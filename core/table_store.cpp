#include "core/table_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <system_error>

namespace suimei {

namespace fs = std::filesystem;

namespace {

std::string quoteId(const std::string& id) {
    std::string q = "\"";
    for (char c : id) {
        if (c == '"') q += '"';
        q += c;
    }
    q += '"';
    return q;
}

const char* typeName(FieldType t) {
    switch (t) {
        case FieldType::Text:
            return "text";
        case FieldType::Memo:
            return "memo";
        case FieldType::Integer:
            return "integer";
        case FieldType::AutoIncrement:
            return "autoinc";
    }
    return "text";
}

std::optional<FieldType> typeFromName(const std::string& s) {
    if (s == "text") return FieldType::Text;
    if (s == "memo") return FieldType::Memo;
    if (s == "integer") return FieldType::Integer;
    if (s == "autoinc") return FieldType::AutoIncrement;
    return std::nullopt;
}

// A prepared statement that finalizes itself.
class Stmt {
  public:
    Stmt(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st_, nullptr) != SQLITE_OK) st_ = nullptr;
    }
    ~Stmt() { sqlite3_finalize(st_); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    explicit operator bool() const { return st_ != nullptr; }
    sqlite3_stmt* get() const { return st_; }
    void bind(int i, const std::string& s) {
        sqlite3_bind_text(st_, i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    }
    void bind(int i, long long v) { sqlite3_bind_int64(st_, i, v); }
    int step() { return sqlite3_step(st_); }

  private:
    sqlite3_stmt* st_ = nullptr;
};

std::string columnText(sqlite3_stmt* st, int i) {
    const unsigned char* t = sqlite3_column_text(st, i);
    return t ? std::string(reinterpret_cast<const char*>(t),
                           static_cast<std::size_t>(sqlite3_column_bytes(st, i)))
             : std::string();
}

bool keyIsRowid(const TableDef& def) {
    return !def.fields.empty() && (def.fields.front().type == FieldType::AutoIncrement ||
                                   def.fields.front().type == FieldType::Integer);
}

bool readDefinition(sqlite3* db, TableDef& def) {
    Stmt f(db, "SELECT name, type, width FROM table_fields ORDER BY pos");
    if (!f) return false;
    TableDef out;
    while (f.step() == SQLITE_ROW) {
        const auto type = typeFromName(columnText(f.get(), 1));
        if (!type) return false;
        out.fields.push_back({columnText(f.get(), 0), *type, sqlite3_column_int(f.get(), 2)});
    }
    Stmt i(db, "SELECT name, field FROM table_indexes ORDER BY pos");
    if (!i) return false;
    while (i.step() == SQLITE_ROW)
        out.indexes.push_back({columnText(i.get(), 0), columnText(i.get(), 1)});
    if (out.fields.empty()) return false;
    def = std::move(out);
    return true;
}

// Whether this process may change `path`. A path without any write permission counts as not
// writable even for root, whom the permissions do not stop: an installed folder made read-only
// stays untouched whoever runs the program.
bool writable(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// A table can be written only when its file can, and its folder too (SQLite keeps its journal
// beside the file).
bool tableWritable(const fs::path& file) {
    return writable(file) && writable(folderOf(file));
}

// The URI that opens `file` for reading only. "immutable" tells SQLite that nobody changes the
// file meanwhile, so it neither looks for nor makes a journal or shared-memory file beside it
// (which a folder we cannot write would refuse, WAL mode or not).
std::string readOnlyUri(const fs::path& file, bool immutable) {
    std::string uri = "file:";
    for (const char c : file.string()) {
        if (c == '%' || c == '?' || c == '#') {
            static const char hex[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            uri += '%';
            uri += hex[byte >> 4];
            uri += hex[byte & 15];
        } else {
            uri += c;
        }
    }
    uri += "?mode=ro";
    if (immutable) uri += "&immutable=1";
    return uri;
}

}  // namespace

Table::Table(sqlite3* db, fs::path file, TableDef def)
    : db_(db), file_(std::move(file)), def_(std::move(def)) {
    keyField_ = def_.fields.front().name;
}

Table::~Table() {
    if (state_ != State::Browse) cancel();
    sqlite3_close_v2(db_);
}

bool Table::exec(const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        lastError_ = err ? err : "SQLite error";
        sqlite3_free(err);
        return false;
    }
    return true;
}

std::unique_ptr<Table> Table::open(const fs::path& file, const TableDef& requested, bool create,
                                   std::string* error) {
    auto fail = [&](const std::string& why) -> std::unique_ptr<Table> {
        if (error) *error = why;
        return nullptr;
    };
    std::error_code ec;
    const bool exists = fs::exists(file, ec);
    if (!exists && !create) return fail("テーブルが見つかりません: " + file.string());
    // A table we may not change (an installed, read-only folder) is read where it lies: opening
    // it for writing would fail, or leave a journal beside it.
    if (exists && !tableWritable(file)) return openReadOnly(file, requested, error);
    if (!exists && requested.fields.empty()) return fail("no fields: " + file.string());
    if (!exists) fs::create_directories(file.parent_path(), ec);
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE);
    if (sqlite3_open_v2(file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string why = db ? sqlite3_errmsg(db) : "cannot open";
        sqlite3_close_v2(db);
        return fail(why + ": " + file.string());
    }
    sqlite3_busy_timeout(db, 2000);
    TableDef placeholder = requested;
    if (placeholder.fields.empty()) placeholder.fields.push_back({"rowid", FieldType::Integer, 0});
    std::unique_ptr<Table> t(new Table(db, file, std::move(placeholder)));
    // WAL keeps every committed record readable after a crash or a kill at any moment.
    t->exec("PRAGMA journal_mode=WAL");
    t->exec("PRAGMA synchronous=NORMAL");
    if (!exists) {
        std::ostringstream sql;
        sql << "BEGIN;CREATE TABLE table_fields(pos INTEGER, name TEXT, type TEXT, width INTEGER);"
            << "CREATE TABLE table_indexes(pos INTEGER, name TEXT, field TEXT);"
            << "CREATE TABLE records(";
        for (std::size_t i = 0; i < requested.fields.size(); ++i) {
            const FieldDef& f = requested.fields[i];
            if (i) sql << ",";
            sql << quoteId(f.name);
            if (i == 0 && f.type == FieldType::AutoIncrement) {
                sql << " INTEGER PRIMARY KEY AUTOINCREMENT";
            } else if (i == 0 && f.type == FieldType::Integer) {
                sql << " INTEGER PRIMARY KEY";
            } else if (f.type == FieldType::Integer || f.type == FieldType::AutoIncrement) {
                sql << " INTEGER";
            } else {
                sql << " TEXT NOT NULL DEFAULT ''";
            }
        }
        sql << ");";
        if (!t->exec(sql.str())) return fail(t->lastError_);
        for (std::size_t i = 0; i < requested.fields.size(); ++i) {
            Stmt s(db, "INSERT INTO table_fields VALUES(?,?,?,?)");
            s.bind(1, static_cast<long long>(i));
            s.bind(2, requested.fields[i].name);
            s.bind(3, std::string(typeName(requested.fields[i].type)));
            s.bind(4, static_cast<long long>(requested.fields[i].width));
            s.step();
        }
        for (std::size_t i = 0; i < requested.indexes.size(); ++i) {
            Stmt s(db, "INSERT INTO table_indexes VALUES(?,?,?)");
            s.bind(1, static_cast<long long>(i));
            s.bind(2, requested.indexes[i].name);
            s.bind(3, requested.indexes[i].field);
            s.step();
        }
        if (!t->exec("COMMIT")) return fail(t->lastError_);
    } else {
        TableDef stored;
        if (!readDefinition(db, stored)) return fail("テーブルの形式が違います: " + file.string());
        // The fields are those stored in the file; the indexes asked for are added to them.
        for (const auto& idx : requested.indexes) {
            bool known = false;
            for (const auto& s : stored.indexes) known = known || s.name == idx.name;
            if (!known) stored.indexes.push_back(idx);
        }
        t->def_ = std::move(stored);
        t->keyField_ = t->def_.fields.front().name;
    }
    // The secondary indexes are created on every open, all case-insensitive.
    for (const auto& idx : t->def_.indexes) {
        bool fieldKnown = false;
        for (const auto& f : t->def_.fields) fieldKnown = fieldKnown || f.name == idx.field;
        if (!fieldKnown) return fail("index " + idx.name + " names an unknown field " + idx.field);
        // SQLite keeps the record number as the last key of every index, so ties in the field
        // come in record order without naming it (naming rowid here is an error).
        if (!t->exec("CREATE INDEX IF NOT EXISTS " + quoteId("ix_" + idx.name) + " ON records(" +
                     quoteId(idx.field) + " COLLATE NOCASE)")) {
            return fail("index " + idx.name + ": " + t->lastError_);
        }
    }
    t->first();
    return t;
}

std::unique_ptr<Table> Table::openReadOnly(const fs::path& file, const TableDef& requested,
                                           std::string* error) {
    auto fail = [&](const std::string& why) -> std::unique_ptr<Table> {
        if (error) *error = why;
        return nullptr;
    };
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return fail("テーブルが見つかりません: " + file.string());
    sqlite3* db = nullptr;
    const std::string uri = readOnlyUri(file, !tableWritable(file));
    if (sqlite3_open_v2(uri.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
        SQLITE_OK) {
        const std::string why = db ? sqlite3_errmsg(db) : "cannot open";
        sqlite3_close_v2(db);
        return fail(why + ": " + file.string());
    }
    sqlite3_busy_timeout(db, 2000);
    TableDef stored;
    if (!readDefinition(db, stored)) {
        sqlite3_close_v2(db);
        return fail("テーブルの形式が違います: " + file.string());
    }
    // The indexes asked for are known by name (they order by a field); nothing is created.
    for (const auto& idx : requested.indexes) {
        bool known = false;
        for (const auto& s : stored.indexes) known = known || s.name == idx.name;
        if (!known) stored.indexes.push_back(idx);
    }
    std::unique_ptr<Table> t(new Table(db, file, std::move(stored)));
    t->readOnly_ = true;
    t->first();
    return t;
}

bool Table::createLike(const fs::path& source, const fs::path& target, std::string* error) {
    std::error_code ec;
    if (fs::exists(target, ec)) {
        if (error) *error = "すでに存在します: " + target.string();
        return false;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(source.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        if (error) *error = "テーブルが見つかりません: " + source.string();
        return false;
    }
    TableDef def;
    const bool ok = readDefinition(db, def);
    sqlite3_close_v2(db);
    if (!ok) {
        if (error) *error = "テーブルの形式が違います: " + source.string();
        return false;
    }
    return Table::open(target, def, true, error) != nullptr;
}

std::string Table::orderColumn() const {
    return activeField_.empty() ? std::string("rowid") : quoteId(activeField_) + " COLLATE NOCASE";
}

bool Table::setActiveIndex(const std::string& indexName) {
    if (indexName.empty()) {
        activeIndex_.clear();
        activeField_.clear();
        return true;
    }
    for (const auto& idx : def_.indexes) {
        if (idx.name == indexName) {
            activeIndex_ = idx.name;
            activeField_ = idx.field;
            return true;
        }
    }
    lastError_ = "unknown index " + indexName;
    return false;
}

bool Table::loadRow(sqlite3_stmt* st) {
    current_.clear();
    currentKey_ = sqlite3_column_int64(st, 0);
    for (std::size_t i = 0; i < def_.fields.size(); ++i) {
        current_[def_.fields[i].name] = columnText(st, static_cast<int>(i) + 1);
    }
    return true;
}

void Table::clearCurrent() {
    current_.clear();
    currentKey_ = 0;
}

// Moves to the neighbour of the current record in the active order (or to an end when the
// cursor holds no record). `forward` chooses the direction.
bool Table::moveTo(const char* where, const char* order, bool forward) {
    if (state_ != State::Browse) post();
    std::string sql = "SELECT rowid, * FROM records";
    const bool relative = where != nullptr && !current_.empty();
    if (relative) {
        if (activeField_.empty()) {
            sql += std::string(" WHERE rowid ") + where + " ?2";
        } else {
            // The plain range on the field lets the index find the neighbour without a scan.
            const std::string f = quoteId(activeField_) + " COLLATE NOCASE";
            sql += " WHERE " + f + (where[0] == '>' ? " >= ?1" : " <= ?1") + " AND (" + f +
                   ", rowid) " + where + " (?1, ?2)";
        }
    }
    sql += " ORDER BY " + orderColumn() + " " + order + ", rowid " + order + " LIMIT 1";
    Stmt st(db_, sql);
    if (!st) {
        lastError_ = sqlite3_errmsg(db_);
        return false;
    }
    if (relative) {
        if (!activeField_.empty()) st.bind(1, current_[activeField_]);
        st.bind(2, currentKey_);
    }
    if (st.step() == SQLITE_ROW) {
        loadRow(st.get());
        eof_ = bof_ = false;
        return true;
    }
    if (!relative) {
        clearCurrent();
        eof_ = bof_ = true;
    } else if (forward) {
        eof_ = true;
    } else {
        bof_ = true;
    }
    return false;
}

bool Table::first() {
    return moveTo(nullptr, "ASC", true);
}
bool Table::last() {
    return moveTo(nullptr, "DESC", false);
}
bool Table::next() {
    return current_.empty() ? first() : moveTo(">", "ASC", true);
}
bool Table::prior() {
    return current_.empty() ? last() : moveTo("<", "DESC", false);
}

bool Table::findNearest(const std::string& key) {
    if (state_ != State::Browse) post();
    if (activeField_.empty()) {
        lastError_ = "no active index";
        return false;
    }
    Stmt st(db_, "SELECT rowid, * FROM records WHERE " + quoteId(activeField_) +
                     " COLLATE NOCASE >= ?1 ORDER BY " + orderColumn() + ", rowid LIMIT 1");
    st.bind(1, key);
    if (st.step() == SQLITE_ROW) {
        loadRow(st.get());
        eof_ = bof_ = false;
        return true;
    }
    return last();
}

bool Table::gotoKey(long long key) {
    if (state_ != State::Browse) post();
    Stmt st(db_, "SELECT rowid, * FROM records WHERE rowid = ?1");
    st.bind(1, key);
    if (st.step() != SQLITE_ROW) return false;
    loadRow(st.get());
    eof_ = bof_ = false;
    return true;
}

int Table::recordCount() {
    Stmt st(db_, "SELECT COUNT(*) FROM records");
    return st.step() == SQLITE_ROW ? sqlite3_column_int(st.get(), 0) : 0;
}

int Table::position() {
    if (current_.empty() || state_ == State::Insert) return -1;
    std::string sql = "SELECT COUNT(*) FROM records WHERE ";
    sql += activeField_.empty() ? "rowid < ?2"
                                : quoteId(activeField_) + " COLLATE NOCASE <= ?1 AND (" +
                                      quoteId(activeField_) + " COLLATE NOCASE, rowid) < (?1, ?2)";
    Stmt st(db_, sql);
    if (!activeField_.empty()) st.bind(1, current_[activeField_]);
    st.bind(2, currentKey_);
    return st.step() == SQLITE_ROW ? sqlite3_column_int(st.get(), 0) : -1;
}

std::vector<Record> Table::page(int offset, int count) {
    std::vector<Record> rows;
    if (offset < 0 || count <= 0) return rows;
    const std::string order = " ORDER BY " + orderColumn() + ", rowid";
    // In an index order the rows skipped by OFFSET are counted in the index alone; only the rows
    // of the page are read from the table (deep pages of a large table stay fast).
    Stmt st(db_, activeField_.empty()
                     ? "SELECT rowid, * FROM records" + order + " LIMIT ?1 OFFSET ?2"
                     : "SELECT rowid, * FROM records WHERE rowid IN (SELECT rowid FROM records" +
                           order + " LIMIT ?1 OFFSET ?2)" + order);
    st.bind(1, static_cast<long long>(count));
    st.bind(2, static_cast<long long>(offset));
    while (st.step() == SQLITE_ROW) {
        Record r;
        for (std::size_t i = 0; i < def_.fields.size(); ++i) {
            r[def_.fields[i].name] = columnText(st.get(), static_cast<int>(i) + 1);
        }
        rows.push_back(std::move(r));
    }
    return rows;
}

bool Table::forEach(const std::function<bool(const Record&)>& visit) {
    Stmt st(db_, "SELECT rowid, * FROM records ORDER BY " + orderColumn() + ", rowid");
    if (!st) {
        lastError_ = sqlite3_errmsg(db_);
        return false;
    }
    Record r;
    while (true) {
        const int rc = st.step();
        if (rc == SQLITE_DONE) return true;
        if (rc != SQLITE_ROW) {
            lastError_ = sqlite3_errmsg(db_);
            return false;
        }
        for (std::size_t i = 0; i < def_.fields.size(); ++i) {
            r[def_.fields[i].name] = columnText(st.get(), static_cast<int>(i) + 1);
        }
        if (!visit(r)) return true;
    }
}

std::string Table::field(const std::string& name) const {
    const auto it = current_.find(name);
    return it == current_.end() ? std::string() : it->second;
}

void Table::edit() {
    if (state_ == State::Browse && !current_.empty()) state_ = State::Edit;
}

void Table::append() {
    if (state_ != State::Browse) post();
    current_.clear();
    for (const auto& f : def_.fields) current_[f.name] = "";
    currentKey_ = 0;
    state_ = State::Insert;
    eof_ = bof_ = false;
}

bool Table::setField(const std::string& name, const std::string& value) {
    bool known = false;
    for (const auto& f : def_.fields) known = known || f.name == name;
    if (!known) {
        lastError_ = "unknown field " + name;
        return false;
    }
    if (state_ == State::Browse) {
        if (current_.empty()) return false;
        state_ = State::Edit;
    }
    current_[name] = value;
    return true;
}

bool Table::refuseWrite() {
    if (!readOnly_) return false;
    lastError_ = "読み取り専用のテーブルには書き込めません: " + file_.string();
    return true;
}

bool Table::post() {
    if (state_ == State::Browse) return true;
    if (refuseWrite()) return false;
    const bool rowidKey = keyIsRowid(def_);
    std::vector<const FieldDef*> cols;
    for (std::size_t i = 0; i < def_.fields.size(); ++i) {
        if (i == 0 && rowidKey) continue;  // the record number belongs to the table
        cols.push_back(&def_.fields[i]);
    }
    std::string sql;
    if (state_ == State::Insert) {
        sql = "INSERT INTO records(";
        std::string values;
        for (std::size_t i = 0; i < cols.size(); ++i) {
            sql += (i ? "," : "") + quoteId(cols[i]->name);
            values += (i ? ",?" : "?") + std::to_string(i + 1);
        }
        sql += ") VALUES(" + values + ")";
        if (cols.empty()) sql = "INSERT INTO records DEFAULT VALUES";
    } else {
        sql = "UPDATE records SET ";
        for (std::size_t i = 0; i < cols.size(); ++i) {
            sql += (i ? "," : "") + quoteId(cols[i]->name) + "=?" + std::to_string(i + 1);
        }
        sql += " WHERE rowid=?" + std::to_string(cols.size() + 1);
        if (cols.empty()) {
            state_ = State::Browse;
            return true;
        }
    }
    Stmt st(db_, sql);
    if (!st) {
        lastError_ = sqlite3_errmsg(db_);
        return false;
    }
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const std::string& v = current_[cols[i]->name];
        const int pos = static_cast<int>(i) + 1;
        if (cols[i]->type == FieldType::Integer || cols[i]->type == FieldType::AutoIncrement) {
            try {
                std::size_t used = 0;
                const long long n = v.empty() ? 0 : std::stoll(v, &used);
                if (!v.empty() && used != v.size()) throw std::invalid_argument(v);
                st.bind(pos, n);
            } catch (const std::exception&) {
                lastError_ = cols[i]->name + ": '" + v + "' は整数ではありません";
                return false;
            }
        } else {
            st.bind(pos, normalize_ ? normalize_(v) : v);
        }
    }
    if (state_ == State::Edit) st.bind(static_cast<int>(cols.size()) + 1, currentKey_);
    if (st.step() != SQLITE_DONE) {
        lastError_ = sqlite3_errmsg(db_);
        return false;
    }
    if (state_ == State::Insert) currentKey_ = sqlite3_last_insert_rowid(db_);
    state_ = State::Browse;
    gotoKey(currentKey_);
    return true;
}

void Table::cancel() {
    const State was = state_;
    state_ = State::Browse;
    if (was == State::Insert || !gotoKey(currentKey_)) {
        if (!first()) clearCurrent();
    }
}

bool Table::deleteCurrent() {
    if (state_ == State::Insert) {
        cancel();
        return true;
    }
    if (refuseWrite()) return false;
    state_ = State::Browse;
    if (current_.empty()) return false;
    const long long doomed = currentKey_;
    // Find the neighbour first so the cursor has somewhere to go.
    const Record saved = current_;
    const bool hasNext = next();
    const Record after = current_;
    const long long afterKey = currentKey_;
    current_ = saved;
    currentKey_ = doomed;
    Stmt st(db_, "DELETE FROM records WHERE rowid=?1");
    st.bind(1, doomed);
    if (st.step() != SQLITE_DONE) {
        lastError_ = sqlite3_errmsg(db_);
        return false;
    }
    if (hasNext) {
        current_ = after;
        currentKey_ = afterKey;
        eof_ = bof_ = false;
    } else if (!last()) {
        clearCurrent();
    }
    return true;
}

bool Table::emptyTable() {
    if (refuseWrite()) return false;
    state_ = State::Browse;
    if (!exec("DELETE FROM records")) return false;
    clearCurrent();
    eof_ = bof_ = true;
    return true;
}

Table::Batch::Batch(Table& t) : table_(t) {
    open_ = !table_.refuseWrite() && table_.exec("BEGIN IMMEDIATE");
}

Table::Batch::~Batch() {
    if (open_) table_.exec("ROLLBACK");
}

bool Table::Batch::commit() {
    if (!open_) return false;
    open_ = false;
    return table_.exec("COMMIT");
}

}  // namespace suimei
