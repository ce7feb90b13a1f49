#include "readings/reading_sources.h"

#include <gtest/gtest.h>

#include "core/text_codec.h"
#include "readings/passage_table.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

bool hasFatal(const std::vector<SourceProblem>& problems) {
    for (const auto& p : problems) {
        if (p.fatal) return true;
    }
    return false;
}

TEST(PassageSource, RecordsKeepTheirKeysAsWrittenAndTheirLines) {
    const PassageSource s = parsePassageSource(
        "\xEF\xBB\xBF# 日主\n"
        "@AI\t甲\t甲の性格\n"
        "大樹のようにまっすぐ。\n"
        "\n"
        "# 途中の注記\n"
        "人の上に立つ。\n"
        "@調候\t春甲\n"
        "春の甲木。\n");
    EXPECT_FALSE(hasFatal(s.problems));
    ASSERT_EQ(s.records.size(), 2u);
    EXPECT_EQ(s.records[0].key1, "AI");
    EXPECT_EQ(s.records[0].key2, "甲");
    EXPECT_EQ(s.records[0].bun1, "甲の性格");
    EXPECT_EQ(s.records[0].memoLines,
              (std::vector<std::string>{"大樹のようにまっすぐ。", "人の上に立つ。"}));
    EXPECT_EQ(s.records[1].key1, "調候");
    EXPECT_EQ(s.records[1].bun1, "");

    // Built into a table, the lookup finds them with their lines.
    testing::TempDir dir;
    auto table = PassageTable::open(AppPaths(dir.path()));
    ASSERT_TRUE(table);
    ASSERT_TRUE(fillPassageTable(table->table(), s));
    EXPECT_EQ(table->lookupLines("AI", "甲"),
              (std::vector<std::string>{"大樹のようにまっすぐ。", "人の上に立つ。"}));
    EXPECT_EQ(table->table().recordCount(), 2);
}

TEST(PassageSource, FaultsAreReportedWithTheirLines) {
    const PassageSource before = parsePassageSource("前置き\n@AI\t甲\n文。\n");
    ASSERT_TRUE(hasFatal(before.problems));
    EXPECT_EQ(before.problems[0].line, 1);

    EXPECT_TRUE(hasFatal(parsePassageSource("@AI\n文。\n").problems));
    EXPECT_TRUE(hasFatal(parsePassageSource("@\t甲\n文。\n").problems));
    EXPECT_TRUE(hasFatal(parsePassageSource("@AI\t甲\ta\tb\tc\n文。\n").problems));

    // 𠮷 (U+20BB7, the variant of 吉) has no CP932 form.
    const PassageSource wave = parsePassageSource("@AI\t甲\n大\xF0\xA0\xAE\xB7。\n");
    ASSERT_TRUE(hasFatal(wave.problems));
    EXPECT_EQ(wave.problems[0].line, 2);
    EXPECT_NE(wave.problems[0].text.find("\xF0\xA0\xAE\xB7"), std::string::npos);

    // Repeated keys and over-long keys are warnings, the build goes on.
    const PassageSource dup = parsePassageSource(
        "@AI\t甲\n一。\n@AI\t甲\n二。\n@AI\t年柱-比肩-喜神-強-あいうえおかきくけこ\n三。\n");
    EXPECT_FALSE(hasFatal(dup.problems));
    EXPECT_EQ(dup.problems.size(), 2u);
    EXPECT_EQ(dup.records.size(), 3u);
}

TEST(PassageSource, LaterSourcesAddOnlyKeysNotHeldBefore) {
    PassageSource merged = parsePassageSource("@AI\t甲\t先\n先の文。\n");
    const PassageSource topics =
        parsePassageSource("@相性2\t甲己\n干合。\n@AI\t甲\t後\n後の文。\n@結婚1\t1\n理想。\n");
    const auto dropped = appendPassageSource(merged, topics);
    ASSERT_EQ(merged.records.size(), 3u);
    EXPECT_EQ(merged.records[0].bun1, "先");
    EXPECT_EQ(merged.records[1].key1, "相性2");
    EXPECT_EQ(merged.records[2].key1, "結婚1");
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0].line, 3);
    EXPECT_FALSE(dropped[0].fatal);
}

TEST(SixtySource, RecordsCarryTheSexAndAPillarNumberThatMatchesItsName) {
    const SixtySource good =
        parseSixtySource("# 注釈\n@男\t1\t甲子\n一行目。\n二行目。\n@女\t60\n癸亥の女性。\n");
    EXPECT_FALSE(hasFatal(good.problems));
    ASSERT_EQ(good.records.size(), 2u);
    EXPECT_EQ(good.records[0].sex, "男");
    EXPECT_EQ(good.records[0].number, 1);
    EXPECT_EQ(good.records[0].memoLines, (std::vector<std::string>{"一行目。", "二行目。"}));
    EXPECT_EQ(good.records[1].number, 60);

    const char* faulty[] = {
        "@男性\t1\t甲子\n文。\n",  // the sex is 男 or 女
        "@男\t61\n文。\n",         // numbers run 1..60
        "@女\t0\n文。\n",         "@女\t一\n文。\n",
        "@男\t2\t甲子\n文。\n",  // 2 is 乙丑
    };
    for (const char* text : faulty) {
        const SixtySource s = parseSixtySource(text);
        ASSERT_TRUE(hasFatal(s.problems)) << text;
        EXPECT_EQ(s.problems.back().line, 1) << text;
    }

    testing::TempDir dir;
    auto table = openReadingTable(AppPaths(dir.path()), ReadingTableKind::SixtyPillars);
    ASSERT_TRUE(table);
    ASSERT_TRUE(fillSixtyTable(*table, good));
    std::vector<std::string> lines;
    EXPECT_TRUE(lookupSixtyPillar(*table, "女", 60, lines));
    EXPECT_EQ(lines, std::vector<std::string>{"癸亥の女性。"});
}

TEST(ImagerySource, ColumnsFollowTheHeader) {
    const ImagerySource s = parseImagerySource(
        "nid\tk01\tk02\ttango1\ttango2\thlp1\thlp2\tetc\n"
        "1-1\t甲\t甲\t協力\t競争\t仲間と組む\t張り合う\t\n"
        "1-2\t甲\t乙\t援助\t散財\n");
    EXPECT_FALSE(hasFatal(s.problems));
    ASSERT_EQ(s.rows.size(), 2u);
    EXPECT_EQ(s.rows[0].at("tango2"), "競争");
    EXPECT_EQ(s.rows[1].at("tango1"), "援助");
    EXPECT_EQ(s.rows[1].count("hlp1"), 0u);
    // Not a hundred rows: a warning.
    ASSERT_EQ(s.problems.size(), 1u);
    EXPECT_FALSE(s.problems[0].fatal);

    EXPECT_TRUE(hasFatal(parseImagerySource("nid\tk01\n1-1\t甲\n").problems));
    EXPECT_TRUE(
        hasFatal(parseImagerySource(
                     "nid\tk01\tk02\ttango1\ttango2\thlp1\thlp2\tetc\n1\t2\t3\t4\t5\t6\t7\t8\t9\n")
                     .problems));
}

TEST(SectionSource, ConvertsToCp932WithCrlfAndChecksTheGrammar) {
    const SectionText ok = convertSectionSource("説明\n{1}\n甲。\n{2}\n乙。\n{end}\n\n\n");
    EXPECT_FALSE(hasFatal(ok.problems));
    ASSERT_TRUE(ok.cp932);
    EXPECT_EQ(cp932ToUtf8(*ok.cp932), "説明\r\n{1}\r\n甲。\r\n{2}\r\n乙。\r\n{end}\r\n");

    // An empty line inside a section.
    const SectionText blank = convertSectionSource("{1}\n甲。\n\n{end}\n");
    EXPECT_FALSE(blank.cp932);
    ASSERT_TRUE(hasFatal(blank.problems));
    EXPECT_EQ(blank.problems[0].line, 3);
    // The last section not closed.
    EXPECT_FALSE(convertSectionSource("{1}\n甲。\n{2}\n乙。\n").cp932);
    // A character without a CP932 form, with its line.
    const SectionText wave = convertSectionSource("{1}\n\xF0\xA0\xAE\xB7\n{end}\n");
    EXPECT_FALSE(wave.cp932);
    ASSERT_FALSE(wave.problems.empty());
    EXPECT_EQ(wave.problems[0].line, 2);
    // Blank lines before the first key are allowed; a repeated key only warns.
    const SectionText dup = convertSectionSource("\n{1}\n甲。\n{1}\n再。\n{end}\n");
    EXPECT_TRUE(dup.cp932);
    EXPECT_EQ(dup.problems.size(), 1u);
}

}  // namespace
}  // namespace suimei
