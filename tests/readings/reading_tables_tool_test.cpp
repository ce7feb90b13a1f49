// The build step that stages the reading data, run as the build runs it.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "core/text_codec.h"
#include "readings/passage_table.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;

const fs::path kTool = fs::path(SUIMEI_APP_DIR).parent_path() / "tools" / "make_reading_tables";

int runTool(const std::string& args, std::string* output = nullptr) {
    int status = -1;
    const std::string out = testing::runCommand(kTool.string() + " " + args + " 2>&1", &status);
    if (output) *output = out;
    return status;
}

TEST(ReadingTablesTool, PassageTableIsRebuiltOnlyWhenItsSourceChanged) {
    testing::TempDir dir;
    const fs::path source = dir.write("kanteibun1.txt", "@AI\t甲\t甲\n元の文章。\n");
    const fs::path db = dir.path() / "bun" / "kanteibun1.db";
    ASSERT_EQ(runTool("passages " + source.string() + " " + db.string()), 0);
    const AppPaths paths(dir.path());
    {
        auto p = PassageTable::open(paths);
        ASSERT_TRUE(p);
        p->lookupLines("AI", "甲");
        p->table().setField("memo", "利用者が直した文章。");
        ASSERT_TRUE(p->table().post());
    }
    // Run again with the source unchanged (the build reruns it whenever the tool is relinked):
    // the user's edit stays.
    ASSERT_EQ(runTool("passages " + source.string() + " " + db.string()), 0);
    EXPECT_EQ(PassageTable::open(paths)->lookupLines("AI", "甲"),
              std::vector<std::string>{"利用者が直した文章。"});

    // A changed source is newer than the table: the table is built from it again.
    dir.write("kanteibun1.txt", "@AI\t甲\t甲\n新しい文章。\n");
    fs::last_write_time(source, fs::last_write_time(db) + std::chrono::seconds(2));
    ASSERT_EQ(runTool("passages " + source.string() + " " + db.string()), 0);
    EXPECT_EQ(PassageTable::open(paths)->lookupLines("AI", "甲"),
              std::vector<std::string>{"新しい文章。"});
}

TEST(ReadingTablesTool, PassageTableTakesEverySourceInTurnAndTheFirstKeyWins) {
    testing::TempDir dir;
    const fs::path main = dir.write("kanteibun1.txt", "@AI\t甲\t甲\n本体の文章。\n");
    const fs::path topic =
        dir.write("kanteibun1-aisyou.txt", "@相性2\t甲己\n干合の文章。\n@AI\t甲\n重なった文章。\n");
    const fs::path db = dir.path() / "bun" / "kanteibun1.db";
    ASSERT_EQ(runTool("passages " + main.string() + " " + db.string()), 0);
    // A source joining the list rebuilds the table though it is older than the table.
    fs::last_write_time(topic, fs::last_write_time(db) - std::chrono::seconds(60));
    std::string out;
    ASSERT_EQ(runTool("passages " + main.string() + " " + topic.string() + " " + db.string(), &out),
              0)
        << out;
    EXPECT_NE(out.find("kanteibun1-aisyou.txt:3: warning"), std::string::npos) << out;
    auto p = PassageTable::open(AppPaths(dir.path()));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->table().recordCount(), 2);
    EXPECT_EQ(p->lookupLines("AI", "甲"), std::vector<std::string>{"本体の文章。"});
    EXPECT_EQ(p->lookupLines("相性2", "甲己"), std::vector<std::string>{"干合の文章。"});
    p.reset();

    // A change in any one of the sources rebuilds the table.
    dir.write("kanteibun1-aisyou.txt", "@相性2\t甲己\n書き直した文章。\n");
    fs::last_write_time(topic, fs::last_write_time(db) + std::chrono::seconds(2));
    ASSERT_EQ(runTool("passages " + main.string() + " " + topic.string() + " " + db.string()), 0);
    EXPECT_EQ(PassageTable::open(AppPaths(dir.path()))->lookupLines("相性2", "甲己"),
              std::vector<std::string>{"書き直した文章。"});
}

TEST(ReadingTablesTool, SixtyPillarTableIsBuiltFromItsSource) {
    testing::TempDir dir;
    const fs::path source =
        dir.write("sixty.txt", "@男\t1\t甲子\n甲子の男性。\n@女\t1\t甲子\n甲子の女性。\n");
    const fs::path db = dir.path() / "bun" / "sixty.DB";
    ASSERT_EQ(runTool("sixty " + source.string() + " " + db.string()), 0);
    auto t = openReadingTable(AppPaths(dir.path()), ReadingTableKind::SixtyPillars);
    ASSERT_TRUE(t);
    std::vector<std::string> lines;
    EXPECT_TRUE(lookupSixtyPillar(*t, "女", 1, lines));
    EXPECT_EQ(lines, std::vector<std::string>{"甲子の女性。"});

    std::string out;
    const fs::path bad = dir.write("bad.txt", "@男\t2\t甲子\n文。\n");
    EXPECT_NE(runTool("sixty " + bad.string() + " " + (dir.path() / "s.DB").string(), &out), 0);
    EXPECT_NE(out.find("bad.txt:1: error"), std::string::npos) << out;
    EXPECT_FALSE(fs::exists(dir.path() / "s.DB"));
}

TEST(ReadingTablesTool, FaultySourcesFailTheBuildWithTheirLine) {
    testing::TempDir dir;
    std::string out;
    const fs::path text =
        dir.write("memo3.txt", "{比肩-長生}\n伸びる。\n\xF0\xA0\xAE\xB7\n{end}\n");
    EXPECT_NE(runTool("text " + text.string() + " " + (dir.path() / "out.txt").string(), &out), 0);
    EXPECT_NE(out.find("memo3.txt:3: error"), std::string::npos) << out;
    EXPECT_FALSE(fs::exists(dir.path() / "out.txt"));

    const fs::path passages = dir.write("kanteibun1.txt", "前置き\n@AI\t甲\n文。\n");
    EXPECT_NE(runTool("passages " + passages.string() + " " + (dir.path() / "k.db").string(), &out),
              0);
    EXPECT_NE(out.find("kanteibun1.txt:1: error"), std::string::npos) << out;
    EXPECT_FALSE(fs::exists(dir.path() / "k.db"));

    // A good text file comes out as CP932 with CRLF.
    const fs::path good = dir.write("nentxt.txt", "{1}\n甲年。\n{end}\n");
    ASSERT_EQ(runTool("text " + good.string() + " " + (dir.path() / "nentxt.out").string()), 0);
    const auto bytes = readFileBytes(dir.path() / "nentxt.out");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(cp932ToUtf8(*bytes), "{1}\r\n甲年。\r\n{end}\r\n");
    EXPECT_EQ(bytes->size(),
              std::string("{1}\r\n").size() + 6 + 2 + std::string("{end}\r\n").size());

    // A document keeps its blank lines; a character without a CP932 form stops it at its line.
    const fs::path doc = dir.write("kiso.html", "<h1>基礎</h1>\n\n<p>五行。</p>\n");
    ASSERT_EQ(runTool("document " + doc.string() + " " + (dir.path() / "kiso.rtf").string()), 0);
    EXPECT_EQ(cp932ToUtf8(*readFileBytes(dir.path() / "kiso.rtf")),
              "<h1>基礎</h1>\r\n\r\n<p>五行。</p>\r\n");
    const fs::path badDoc = dir.write("bad.html", "<p>一。</p>\n<p>\xF0\xA0\xAE\xB7</p>\n");
    EXPECT_NE(runTool("document " + badDoc.string() + " " + (dir.path() / "b.rtf").string(), &out),
              0);
    EXPECT_NE(out.find("bad.html:2: error"), std::string::npos) << out;
    EXPECT_FALSE(fs::exists(dir.path() / "b.rtf"));

    // "empty" creates only what is missing.
    ASSERT_EQ(runTool("empty " + dir.path().string() + " sixty tengen"), 0);
    EXPECT_TRUE(fs::exists(dir.path() / "bun" / "sixty.DB"));
    EXPECT_TRUE(fs::exists(dir.path() / "tengen.db"));
    EXPECT_FALSE(fs::exists(dir.path() / "bun" / "kanteibun1.db"));
    EXPECT_EQ(runTool("empty " + dir.path().string() + " nonsense"), 2);
}

}  // namespace
}  // namespace suimei
