#include "readings/passage_table.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace suimei {
namespace {

using Lines = std::vector<std::string>;

void addPassage(Table& t, const std::string& k1, const std::string& k2, const std::string& memo,
                const std::string& bun1 = {}) {
    t.append();
    t.setField("key1", k1);
    t.setField("key2", k2);
    t.setField("bun1", bun1);
    t.setField("memo", memo);
    ASSERT_TRUE(t.post()) << t.lastError();
}

class PassageTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        passages = PassageTable::open(paths, &error);
        ASSERT_TRUE(passages) << error;
    }
    testing::TempDir dir;
    AppPaths paths{dir.path()};
    std::unique_ptr<PassageTable> passages;
};

TEST_F(PassageTableTest, FirstStoredRecordWinsAndBothKeysMustMatchExactly) {
    Table& t = passages->table();
    addPassage(t, "調候", "甲", "冬の甲は丙火で温める。");
    addPassage(t, "AI", "甲", "先の甲。");
    addPassage(t, "AI", "甲", "後の甲。");
    addPassage(t, "AI", "年柱-比肩", "年柱の比肩。");

    EXPECT_EQ(passages->lookupLines("AI", "甲"), Lines{"先の甲。"});
    EXPECT_EQ(passages->lookupLines("調候", "甲"), Lines{"冬の甲は丙火で温める。"});
    // No prefix, suffix or case folding.
    EXPECT_TRUE(passages->lookupLines("AI", "年柱-").empty());
    EXPECT_TRUE(passages->lookupLines("AI", "年柱-比肩 ").empty());
    EXPECT_TRUE(passages->lookupLines("ai", "甲").empty());
    EXPECT_TRUE(passages->lookupLines("AI", "").empty());
}

TEST_F(PassageTableTest, MemoLinesAreAppendedAsSeparateItemsAfterWhatIsThere) {
    Table& t = passages->table();
    addPassage(t, "AI", "乙", "一行目。\n二行目。\r\n三行目。");
    addPassage(t, "AI", "丙", "");
    Lines target{"見出し"};
    EXPECT_TRUE(passages->lookup("AI", "乙", target));
    EXPECT_EQ(target, (Lines{"見出し", "一行目。", "二行目。", "三行目。"}));
    // Found with an empty passage: reported as found, nothing added.
    EXPECT_TRUE(passages->lookup("AI", "丙", target));
    EXPECT_FALSE(passages->lookup("AI", "丁", target));
    EXPECT_EQ(target.size(), 4u);
}

TEST_F(PassageTableTest, CursorIsLeftOnTheFoundRecordOrAtTheEnd) {
    Table& t = passages->table();
    addPassage(t, "AI", "甲", "a", "first");
    addPassage(t, "AI", "乙", "b", "second");
    addPassage(t, "AI", "丙", "c", "third");
    t.first();
    passages->lookupLines("AI", "乙");
    EXPECT_EQ(t.field("bun1"), "second");
    EXPECT_FALSE(t.eof());
    passages->lookupLines("AI", "無い");
    EXPECT_TRUE(t.eof());
    // The next lookup starts from the first record again, wherever the cursor was.
    t.last();
    EXPECT_EQ(passages->lookupLines("AI", "甲"), Lines{"a"});
    EXPECT_EQ(t.field("bun1"), "first");
}

TEST_F(PassageTableTest, DisplayIsSwitchedOffAroundEveryLookup) {
    addPassage(passages->table(), "AI", "甲", "a");
    std::vector<bool> calls;
    passages->setDisplayControl([&](bool on) { calls.push_back(on); });
    passages->lookupLines("AI", "甲");
    passages->lookupLines("AI", "無い");
    EXPECT_EQ(calls, (std::vector<bool>{false, true, false, true}));
}

TEST_F(PassageTableTest, EditsAreSeenByTheNextLookupAndSurviveReopening) {
    Table& t = passages->table();
    addPassage(t, "AI", "甲", "古い文章。");
    addPassage(t, "AI", "乙", "乙の文章。");
    passages->lookupLines("AI", "甲");
    t.setField("memo", "新しい文章。\n二行目。");
    ASSERT_TRUE(t.post());
    EXPECT_EQ(passages->lookupLines("AI", "甲"), (Lines{"新しい文章。", "二行目。"}));

    // An edit left unposted in the editor is posted when a reader moves the cursor.
    passages->lookupLines("AI", "乙");
    t.setField("key2", "丁");
    EXPECT_EQ(passages->lookupLines("AI", "丁"), Lines{"乙の文章。"});
    EXPECT_TRUE(passages->lookupLines("AI", "乙").empty());

    // A record appended in the editor is found by the next lookup too.
    t.append();
    t.setField("key1", "調候");
    t.setField("key2", "春甲");
    t.setField("memo", "春の甲。");
    EXPECT_EQ(passages->lookupLines("調候", "春甲"), Lines{"春の甲。"});

    // Deleting the first of two equal keys exposes the second.
    addPassage(t, "AI", "甲", "二番目の甲。");
    passages->lookupLines("AI", "甲");
    ASSERT_TRUE(t.deleteCurrent());
    EXPECT_EQ(passages->lookupLines("AI", "甲"), Lines{"二番目の甲。"});

    // Every posted edit is in the file: a second connection (another process after a crash)
    // reads it.
    auto reopened = PassageTable::open(paths);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->lookupLines("AI", "丁"), Lines{"乙の文章。"});
    EXPECT_EQ(reopened->lookupLines("調候", "春甲"), Lines{"春の甲。"});
}

TEST(ReadingTables, AreCreatedEmptyWhereTheyBelong) {
    testing::TempDir dir;
    const AppPaths paths(dir.path());
    for (auto kind : {ReadingTableKind::Passages, ReadingTableKind::AnnualImagery,
                      ReadingTableKind::SixtyPillars, ReadingTableKind::ConceptionDay}) {
        auto t = openReadingTable(paths, kind);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->recordCount(), 0);
    }
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "bun" / "kanteibun1.db"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "bun" / "kouun.db"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "bun" / "sixty.DB"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "tengen.db"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "bun" / "tengen.db"));

    // Field order as the windows show them.
    auto names = [](ReadingTableKind k) {
        std::vector<std::string> out;
        for (const auto& f : readingTableDef(k).fields) out.push_back(f.name);
        return out;
    };
    EXPECT_EQ(names(ReadingTableKind::Passages),
              (std::vector<std::string>{"no", "key1", "key2", "bun1", "memo", "etc"}));
    EXPECT_EQ(
        names(ReadingTableKind::AnnualImagery),
        (std::vector<std::string>{"nid", "k01", "k02", "tango1", "tango2", "hlp1", "hlp2", "etc"}));
    EXPECT_EQ(names(ReadingTableKind::SixtyPillars),
              (std::vector<std::string>{"sex", "no", "memo"}));
    EXPECT_EQ(names(ReadingTableKind::ConceptionDay),
              (std::vector<std::string>{"item1", "item2", "memo"}));
}

TEST(SixtyPillars, FirstRecordOfTheSexAndNumberGivesItsLinesUpToAnEmptyOne) {
    testing::TempDir dir;
    auto t = openReadingTable(AppPaths(dir.path()), ReadingTableKind::SixtyPillars);
    ASSERT_TRUE(t);
    auto add = [&](const std::string& sex, int no, const std::string& memo) {
        t->append();
        t->setField("sex", sex);
        t->setField("no", std::to_string(no));
        t->setField("memo", memo);
        ASSERT_TRUE(t->post()) << t->lastError();
    };
    add("男", 1, "甲子の男性。");
    add("女", 1, "甲子の女性。\n二行目。\n\n空行の後は読まない。");
    add("女", 1, "後の甲子の女性。");
    add("女", 11, "甲戌の女性。");
    const struct {
        const char* sex;
        int no;
        bool found;
        Lines lines;
    } cases[] = {
        {"女", 1, true, {"甲子の女性。", "二行目。"}},
        {"男", 1, true, {"甲子の男性。"}},
        {"女", 11, true, {"甲戌の女性。"}},  // 11 must not match 1
        {"男", 11, false, {}},
        {"女", 60, false, {}},
    };
    for (const auto& c : cases) {
        Lines lines{"前の行"};
        EXPECT_EQ(lookupSixtyPillar(*t, c.sex, c.no, lines), c.found) << c.sex << c.no;
        Lines expected{"前の行"};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(lines, expected) << c.sex << c.no;
    }
}

TEST(AnnualImagery, RowsFillDayStemOuterYearStemInner) {
    testing::TempDir dir;
    auto t = openReadingTable(AppPaths(dir.path()), ReadingTableKind::AnnualImagery);
    ASSERT_TRUE(t);
    {
        Table::Batch batch(*t);
        for (int row = 0; row < 103; ++row) {
            t->append();
            t->setField("nid", "row" + std::to_string(row));
            t->setField("tango1", "good" + std::to_string(row));
            t->setField("tango2", "bad" + std::to_string(row));
            t->setField("hlp1", "goodhint" + std::to_string(row));
            t->setField("hlp2", "badhint" + std::to_string(row));
            ASSERT_TRUE(t->post());
        }
        ASSERT_TRUE(batch.commit());
    }
    t->first();
    t->next();
    const AnnualImagery a = loadAnnualImagery(*t);
    EXPECT_EQ(a.rowsRead, 100);
    EXPECT_EQ(a.goodKeyword[1][1], "good0");
    EXPECT_EQ(a.goodKeyword[1][10], "good9");
    EXPECT_EQ(a.badKeyword[2][1], "bad10");     // 乙 day, 甲 year
    EXPECT_EQ(a.goodHint[9][1], "goodhint80");  // 壬 day, 甲 year
    EXPECT_EQ(a.badHint[10][10], "badhint99");
    EXPECT_TRUE(a.goodKeyword[0][0].empty());
    EXPECT_EQ(t->field("nid"), "row1");  // the cursor was not moved

    // A short table leaves the remaining cells empty.
    t->first();
    for (int i = 0; i < 90; ++i) t->deleteCurrent();
    const AnnualImagery shortTable = loadAnnualImagery(*t);
    EXPECT_EQ(shortTable.rowsRead, 13);
    EXPECT_EQ(shortTable.goodKeyword[1][1], "good90");
    EXPECT_EQ(shortTable.goodKeyword[2][3], "good102");
    EXPECT_TRUE(shortTable.goodKeyword[2][4].empty());
}

}  // namespace
}  // namespace suimei
