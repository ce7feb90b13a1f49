#include "app/table_store.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace suimei
