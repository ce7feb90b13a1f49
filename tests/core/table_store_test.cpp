#include "core/table_store.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "support/temp_dir.h"

namespace suimei {
namespace {

TableDef peopleDef() {
    return {{{"No", FieldType::AutoIncrement, 0},
             {"氏名", FieldType::Text, 40},
             {"生年月日", FieldType::Text, 10},
             {"備考", FieldType::Memo, 0}},
            {{"simei", "氏名"}, {"yymmdd", "生年月日"}}};
}

void add(Table& t, const std::string& name, const std::string& date) {
    t.append();
    t.setField("氏名", name);
    t.setField("生年月日", date);
    ASSERT_TRUE(t.post()) << t.lastError();
}

std::vector<std::string> namesInOrder(Table& t) {
    std::vector<std::string> names;
    for (bool ok = t.first(); ok; ok = t.next()) names.push_back(t.field("氏名"));
    return names;
}

TEST(TableStore, CreatesWalksAndReopensInEveryOrder) {
    testing::TempDir dir;
    const auto file = dir.path() / "jinmei" / "人名DB.db";
    {
        auto t = Table::open(file, peopleDef(), true);
        ASSERT_TRUE(t);
        EXPECT_TRUE(t->eof());
        add(*t, "bob", "1980/01/01");
        add(*t, "Alice", "1990/05/05");
        add(*t, "alice", "1970/03/03");
        add(*t, "Carol", "1985/12/31");
    }
    auto t = Table::open(file, peopleDef(), false);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->recordCount(), 4);
    EXPECT_EQ(namesInOrder(*t), (std::vector<std::string>{"bob", "Alice", "alice", "Carol"}));
    ASSERT_TRUE(t->setActiveIndex("simei"));
    // Case-insensitive; equal keys keep their stored order.
    EXPECT_EQ(namesInOrder(*t), (std::vector<std::string>{"Alice", "alice", "bob", "Carol"}));
    ASSERT_TRUE(t->setActiveIndex("yymmdd"));
    EXPECT_EQ(namesInOrder(*t), (std::vector<std::string>{"alice", "bob", "Carol", "Alice"}));
    EXPECT_TRUE(t->last());
    EXPECT_EQ(t->field("氏名"), "Alice");
    EXPECT_TRUE(t->prior());
    EXPECT_EQ(t->field("氏名"), "Carol");
    EXPECT_EQ(t->position(), 2);
    EXPECT_FALSE(t->setActiveIndex("nosuch"));
}

TEST(TableStore, NearestKeySearchIgnoresLetterCase) {
    testing::TempDir dir;
    auto t = Table::open(dir.path() / "t.db", peopleDef(), true);
    for (const char* n : {"Mori", "abe", "Kato", "sato"}) add(*t, n, "2000/01/01");
    ASSERT_TRUE(t->setActiveIndex("simei"));
    ASSERT_TRUE(t->findNearest("KATO"));
    EXPECT_EQ(t->field("氏名"), "Kato");
    ASSERT_TRUE(t->findNearest("l"));
    EXPECT_EQ(t->field("氏名"), "Mori");
    t->findNearest("zzz");  // past the end: stays on the last record
    EXPECT_EQ(t->field("氏名"), "sato");
}

TEST(TableStore, EditCancelDeleteAndEmpty) {
    testing::TempDir dir;
    auto t = Table::open(dir.path() / "t.db", peopleDef(), true);
    add(*t, "a", "1");
    add(*t, "b", "2");
    add(*t, "c", "3");
    ASSERT_TRUE(t->first());
    t->setField("氏名", "changed");
    t->cancel();
    EXPECT_EQ(t->field("氏名"), "a");
    t->setField("氏名", "A");
    ASSERT_TRUE(t->next());  // moving posts the edit
    EXPECT_EQ(namesInOrder(*t).front(), "A");
    ASSERT_TRUE(t->first());
    ASSERT_TRUE(t->next());
    ASSERT_TRUE(t->deleteCurrent());
    EXPECT_EQ(t->field("氏名"), "c");
    ASSERT_TRUE(t->deleteCurrent());  // the last one: the cursor goes back
    EXPECT_EQ(t->field("氏名"), "A");
    EXPECT_EQ(t->recordCount(), 1);
    ASSERT_TRUE(t->emptyTable());
    EXPECT_EQ(t->recordCount(), 0);
    EXPECT_TRUE(t->empty());
    EXPECT_FALSE(t->deleteCurrent());
}

TEST(TableStore, ValuesAreStoredAsTyped) {
    testing::TempDir dir;
    auto t = Table::open(dir.path() / "t.db", peopleDef(), true);
    const std::string evil = "'); DROP TABLE records; --\"";
    add(*t, evil, "1959/12/26");
    auto again = Table::open(dir.path() / "t.db", peopleDef(), false);
    ASSERT_TRUE(again);
    ASSERT_TRUE(again->first());
    EXPECT_EQ(again->field("氏名"), evil);
}

TEST(TableStore, PagesForAGridAndBatches) {
    testing::TempDir dir;
    auto t = Table::open(dir.path() / "t.db", peopleDef(), true);
    {
        Table::Batch batch(*t);
        for (int i = 0; i < 250; ++i) add(*t, "n" + std::to_string(1000 + i), "");
        ASSERT_TRUE(batch.commit());
    }
    {
        Table::Batch dropped(*t);
        add(*t, "rolled back", "");
    }
    EXPECT_EQ(t->recordCount(), 250);
    const auto rows = t->page(240, 100);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows.front().at("氏名"), "n1240");
}

// The secondary indexes must exist in the file: without them every sorted walk and page is a
// full scan and sort of the table.
TEST(TableStore, SecondaryIndexesAreInTheFileAndServeSortedPages) {
    testing::TempDir dir;
    const auto file = dir.path() / "t.db";
    auto t = Table::open(file, peopleDef(), true);
    ASSERT_TRUE(t);
    {
        Table::Batch batch(*t);
        // Dates descend as the record number rises; every date twice, the second in upper case.
        for (int i = 0; i < 300; ++i) {
            const std::string date = "d" + std::to_string(900 - i / 2);
            add(*t, i % 2 ? "X" : "x", i % 2 ? "D" + date.substr(1) : date);
        }
        ASSERT_TRUE(batch.commit());
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type='index' ORDER BY name", -1,
                       &st, nullptr);
    std::vector<std::string> indexes;
    while (sqlite3_step(st) == SQLITE_ROW) {
        indexes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    }
    sqlite3_finalize(st);
    sqlite3_close_v2(db);
    EXPECT_EQ(indexes, (std::vector<std::string>{"ix_simei", "ix_yymmdd"}));

    ASSERT_TRUE(t->setActiveIndex("yymmdd"));
    // Date N was stored as records 2(900-N)+1 ("dN") and 2(900-N)+2 ("DN"), and dates rise
    // from 751: rows 2r and 2r+1 of the date order hold N = 751 + r, lower case first.
    const auto rows = t->page(251, 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].at("生年月日"), "D876");
    EXPECT_EQ(rows[0].at("No"), "50");
    EXPECT_EQ(rows[1].at("生年月日"), "d877");
    EXPECT_EQ(rows[1].at("No"), "47");
    EXPECT_EQ(rows[2].at("生年月日"), "D877");
    ASSERT_TRUE(t->gotoKey(50));
    EXPECT_EQ(t->position(), 251);
    ASSERT_TRUE(t->next());
    EXPECT_EQ(t->key(), 47);
    ASSERT_TRUE(t->prior());
    ASSERT_TRUE(t->prior());
    EXPECT_EQ(t->key(), 49);
}

TEST(TableStore, CreateLikeCopiesDefinitionsAndRefusesOverwrite) {
    testing::TempDir dir;
    {
        auto t = Table::open(dir.path() / "a.db", peopleDef(), true);
        add(*t, "x", "");
    }
    std::string why;
    ASSERT_TRUE(Table::createLike(dir.path() / "a.db", dir.path() / "b.db", &why)) << why;
    auto b = Table::open(dir.path() / "b.db", {}, false);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->recordCount(), 0);
    EXPECT_EQ(b->definition().fields.size(), 4u);
    EXPECT_TRUE(b->setActiveIndex("yymmdd"));
    std::string error;
    EXPECT_FALSE(Table::createLike(dir.path() / "a.db", dir.path() / "b.db", &error));
    EXPECT_FALSE(error.empty());
}

TEST(TableStore, MissingOrForeignFilesFailCleanly) {
    testing::TempDir dir;
    std::string error;
    EXPECT_FALSE(Table::open(dir.path() / "none.db", peopleDef(), false, &error));
    EXPECT_NE(error.find("none.db"), std::string::npos);
    const auto junk = dir.write("junk.db", "this is not a database at all, just text");
    EXPECT_FALSE(Table::open(junk, peopleDef(), false, &error));
}

namespace fs = std::filesystem;

std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A table shipped in an installed folder: neither the file nor its folder may be written. It is
// read where it lies, refuses every write with a message, and nothing beside it appears (the
// file was made in WAL mode, whose readers otherwise want a shared-memory file next to it). The
// permissions, not the user, decide, so this holds when the tests run as root.
class ReadOnlyTableTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    fs::path folder = dir.path() / "bun";
    fs::path file = folder / "人名DB.db";
    std::string before;

    void SetUp() override {
        {
            auto t = Table::open(file, peopleDef(), true);
            ASSERT_TRUE(t);
            add(*t, "bob", "1980/01/01");
            add(*t, "Alice", "1990/05/05");
        }
        before = bytesOf(file);
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all);
        EXPECT_EQ(entriesOf(folder), std::set<std::string>{"人名DB.db"});
        EXPECT_EQ(bytesOf(file), before);
    }
};

TEST_F(ReadOnlyTableTest, OpenForWritingReadsItWhereItLiesAndRefusesWrites) {
    std::string error;
    auto t = Table::open(file, peopleDef(), true, &error);
    ASSERT_TRUE(t) << error;
    EXPECT_TRUE(t->readOnly());
    EXPECT_EQ(t->recordCount(), 2);
    ASSERT_TRUE(t->setActiveIndex("simei"));
    EXPECT_EQ(namesInOrder(*t), (std::vector<std::string>{"Alice", "bob"}));

    ASSERT_TRUE(t->first());
    ASSERT_TRUE(t->setField("氏名", "changed"));
    EXPECT_FALSE(t->post());
    EXPECT_NE(t->lastError().find("読み取り専用"), std::string::npos) << t->lastError();
    EXPECT_NE(t->lastError().find("人名DB.db"), std::string::npos) << t->lastError();
    t->cancel();
    EXPECT_EQ(t->field("氏名"), "Alice");

    t->append();
    t->setField("氏名", "new");
    EXPECT_FALSE(t->post());
    t->cancel();
    ASSERT_TRUE(t->first());
    EXPECT_FALSE(t->deleteCurrent());
    EXPECT_FALSE(t->emptyTable());
    Table::Batch batch(*t);
    EXPECT_FALSE(batch.active());
    EXPECT_EQ(t->recordCount(), 2);
}

TEST_F(ReadOnlyTableTest, OpenForReadingNeedsNothingBesideTheFile) {
    std::string error;
    auto t = Table::openReadOnly(file, peopleDef(), &error);
    ASSERT_TRUE(t) << error;
    ASSERT_TRUE(t->first());
    EXPECT_EQ(t->field("氏名"), "bob");
    ASSERT_TRUE(t->next());
    EXPECT_EQ(t->field("氏名"), "Alice");
    EXPECT_FALSE(t->next());
}

// A name with the characters a SQLite URI gives a meaning to is still the file's own name.
TEST(TableStore, ReadOnlyOpenTakesAnyFileName) {
    testing::TempDir dir;
    const auto file = dir.path() / "50% #1?.db";
    {
        auto t = Table::open(file, peopleDef(), true);
        ASSERT_TRUE(t);
        add(*t, "x", "");
    }
    std::string error;
    auto t = Table::openReadOnly(file, peopleDef(), &error);
    ASSERT_TRUE(t) << error;
    EXPECT_EQ(t->recordCount(), 1);
}

}  // namespace
}  // namespace suimei
