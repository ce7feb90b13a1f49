// The conception-day table tengen.db: its source's checks, and the build step that fills it but
// never overwrites the reader's edits unless the source's text changed.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "core/text_codec.h"
#include "readings/passage_table.h"
#include "readings/reading_sources.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;

const fs::path kTool = fs::path(SUIMEI_APP_DIR).parent_path() / "tools" / "make_reading_tables";

int countProblems(const PassageSource& s, bool fatal) {
    int n = 0;
    for (const auto& p : s.problems) n += p.fatal == fatal;
    return n;
}

TEST(ConceptionDaySource, NamesMustFormOneOfTheSixtyPillars) {
    const PassageSource good = parseConceptionDaySource("@甲\t子\t甲子\n甲子の文章。\n");
    EXPECT_EQ(countProblems(good, true), 0);
    EXPECT_EQ(countProblems(good, false), 59);  // every other pillar is missing

    EXPECT_EQ(countProblems(parseConceptionDaySource("@甲\t丑\n陰陽が違う。\n"), true), 1);
    EXPECT_EQ(countProblems(parseConceptionDaySource("@木\t子\n干ではない。\n"), true), 1);
    EXPECT_EQ(countProblems(parseConceptionDaySource("@甲\t子 \n空白つき。\n"), true), 1);
}

TEST(ConceptionDaySource, ShippedSourceHoldsAllSixtyWithoutProblem) {
    const auto bytes = readFileBytes(fs::path(SUIMEI_SOURCE_DIR) / "data/readings/tengen.txt");
    ASSERT_TRUE(bytes);
    const PassageSource source = parseConceptionDaySource(*bytes);
    EXPECT_TRUE(source.problems.empty());
    ASSERT_EQ(source.records.size(), 60u);
    for (const auto& r : source.records) {
        ASSERT_EQ(r.memoLines.size(), 1u) << r.key1 << r.key2;
        // Two to six sentences, each passage its own.
        int sentences = 0;
        for (std::size_t at = 0; (at = r.memoLines[0].find("。", at)) != std::string::npos;
             at += 3) {
            ++sentences;
        }
        EXPECT_GE(sentences, 2) << r.key1 << r.key2;
        EXPECT_LE(sentences, 6) << r.key1 << r.key2;
    }
}

class ConceptionDayTool : public ::testing::Test {
  protected:
    int build(std::string* output = nullptr) {
        int status = -1;
        const std::string out = testing::runCommand(
            kTool.string() + " tengen " + source.string() + " " + db.string() + " 2>&1", &status);
        if (output) *output = out;
        return status;
    }
    std::string passage(const fs::path& file, const char* stem, const char* branch) {
        auto t = Table::openReadOnly(file, readingTableDef(ReadingTableKind::ConceptionDay));
        if (!t) return "(no table)";
        return findConceptionDayPassage(*t, stem, branch).value_or("(none)");
    }
    void editPassage(const char* text) {
        auto t = openReadingTable(paths, ReadingTableKind::ConceptionDay);
        ASSERT_TRUE(t);
        ASSERT_TRUE(t->first());
        t->setField("memo", text);
        ASSERT_TRUE(t->post());
    }
    // Moves the source's time past the table's, as an edit or a checkout does.
    void touchSource() {
        fs::last_write_time(source, fs::last_write_time(db) + std::chrono::seconds(2));
    }

    testing::TempDir dir;
    AppPaths paths{dir.path()};
    fs::path source = dir.write("tengen.txt", "@甲\t子\n元の文章。\n");
    fs::path db = dir.path() / "tengen.db";
};

TEST_F(ConceptionDayTool, EditsSurviveRebuildsUntilTheSourceTextChanges) {
    ASSERT_EQ(build(), 0);
    EXPECT_EQ(passage(db, "甲", "子"), "元の文章。");
    editPassage("鑑定士が直した文章。");

    // The same text with a newer time (a checkout, a touch): the edit stays.
    touchSource();
    ASSERT_EQ(build(), 0);
    EXPECT_EQ(passage(db, "甲", "子"), "鑑定士が直した文章。");

    // New text: the table is built again, and the edited one is kept beside it.
    dir.write("tengen.txt", "@甲\t子\n新しい文章。\n");
    std::string out;
    ASSERT_EQ(build(&out), 0) << out;
    EXPECT_EQ(passage(db, "甲", "子"), "新しい文章。");
    EXPECT_EQ(passage(dir.path() / "tengen.db.bak", "甲", "子"), "鑑定士が直した文章。");
}

TEST_F(ConceptionDayTool, TableFilledByHandBeforeIsKeptAndAnEmptyOneFilled) {
    // An application folder from before: an empty table, then one the reader filled by hand.
    { ASSERT_TRUE(openReadingTable(paths, ReadingTableKind::ConceptionDay)); }
    ASSERT_EQ(build(), 0);
    EXPECT_EQ(passage(db, "甲", "子"), "元の文章。");

    fs::remove(db);
    fs::remove(dir.path() / ".tengen.db.source");
    {
        auto t = openReadingTable(paths, ReadingTableKind::ConceptionDay);
        t->append();
        t->setField("item1", "甲");
        t->setField("item2", "子");
        t->setField("memo", "手で入れた文章。");
        ASSERT_TRUE(t->post());
    }
    ASSERT_EQ(build(), 0);
    EXPECT_EQ(passage(db, "甲", "子"), "手で入れた文章。");
    touchSource();
    ASSERT_EQ(build(), 0);
    EXPECT_EQ(passage(db, "甲", "子"), "手で入れた文章。");
}

TEST_F(ConceptionDayTool, BadSourceLeavesTheTableAsItWas) {
    ASSERT_EQ(build(), 0);
    dir.write("tengen.txt", "@甲\t丑\n陰陽が合わない。\n");
    EXPECT_NE(build(), 0);
    EXPECT_EQ(passage(db, "甲", "子"), "元の文章。");
    // A table removed by the reader comes back at the next build.
    dir.write("tengen.txt", "@甲\t子\n元の文章。\n");
    fs::remove(db);
    ASSERT_EQ(build(), 0);
    EXPECT_EQ(passage(db, "甲", "子"), "元の文章。");
}

}  // namespace
}  // namespace suimei
