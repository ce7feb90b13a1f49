#include "readings/section_file.h"

#include <gtest/gtest.h>

#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

using Lines = std::vector<std::string>;

// Writes UTF-8 lines as the shipped files are: CP932 with CRLF.
std::filesystem::path writeCp932(const testing::TempDir& dir, const std::string& name,
                                 const Lines& lines) {
    const auto bytes = encodeCp932Lines(lines);
    EXPECT_TRUE(bytes);
    return dir.write(name, bytes ? *bytes : std::string());
}

class SectionFileTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    RecordingNotifier notes;
};

TEST_F(SectionFileTest, KeyLinesMatchWholeLinesOnly) {
    const auto file = writeCp932(dir, "daytxt.txt",
                                 {"日柱の説明", "{1-11}", "甲戌の文。", "{1-1}", "甲子の一行目。",
                                  "甲子の二行目。", "{1-1} ", "{end}"});
    Lines lines;
    EXPECT_EQ(readSectionLines(file, "{1-1}", lines, notes), SectionStatus::Found);
    EXPECT_EQ(lines, (Lines{"甲子の一行目。", "甲子の二行目。"}));
    EXPECT_EQ(readSectionJoined(file, "{1-11}", notes), "甲戌の文。");
    // A prefix of a key line is not the key.
    EXPECT_EQ(readSectionJoined(file, "{1-", notes), "");
    EXPECT_TRUE(notes.empty());
}

TEST_F(SectionFileTest, SectionEndsAtTheNextBraceLineAndTheFirstSectionWins) {
    const auto file = writeCp932(dir, "tukitxt.txt",
                                 {"{1}", "子月の一。", "子月の二。", "{2}", "丑月。", "{1}",
                                  "重複した子月。", "{3}", "寅月。", "{end}"});
    EXPECT_EQ(readSectionJoined(file, "{1}", notes), "子月の一。子月の二。");
    EXPECT_EQ(readSectionJoined(file, "{2}", notes), "丑月。");
    // {end} closes the last section.
    EXPECT_EQ(readSectionJoined(file, "{3}", notes), "寅月。");
    EXPECT_EQ(readSectionJoined(file, "{4}", notes), "");
    EXPECT_TRUE(notes.empty());
}

TEST_F(SectionFileTest, KeysWithStemNamesAreComparedInTheFilesEncoding) {
    const auto file =
        writeCp932(dir, "cyoukou2.txt", {"{甲-子}", "丙火が要る。", "{甲-寅}", "丙癸。", "{end}"});
    EXPECT_EQ(readSectionJoined(file, "{甲-寅}", notes), "丙癸。");
    // A UTF-8 file with a BOM is read as UTF-8.
    const auto utf8 = dir.write("u.txt", "\xEF\xBB\xBF{甲-寅}\n丙癸。\n{end}\n");
    EXPECT_EQ(readSectionJoined(utf8, "{甲-寅}", notes), "丙癸。");
    EXPECT_TRUE(notes.empty());
}

TEST_F(SectionFileTest, MissingFileIsAnErrorAndShowsNothing) {
    Lines lines{"見出し"};
    EXPECT_EQ(readSectionLines(dir.path() / "memo3.txt", "{比肩-長生}", lines, notes),
              SectionStatus::MissingFile);
    EXPECT_EQ(lines, Lines{"見出し"});
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].kind, NoticeKind::Error);
    EXPECT_EQ(notes.notices[0].text, "ファイル「memo3.txt」が見つかりません。");
    EXPECT_FALSE(readSectionJoined(dir.path() / "nentxt.txt", "{1}", notes));
    EXPECT_EQ(notes.notices.size(), 2u);
}

TEST_F(SectionFileTest, EmptyBodyLineIsAFormatErrorKeepingListLinesButNoJoinedText) {
    const auto file =
        writeCp932(dir, "memo3.txt", {"{比肩-長生}", "一行目。", "", "三行目。", "{end}"});
    Lines lines;
    EXPECT_EQ(readSectionLines(file, "{比肩-長生}", lines, notes), SectionStatus::FormatError);
    EXPECT_EQ(lines, Lines{"一行目。"});
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].kind, NoticeKind::Error);
    EXPECT_NE(notes.notices[0].text.find("{比肩-長生}"), std::string::npos);
    EXPECT_NE(notes.notices[0].text.find("3行目"), std::string::npos);
    EXPECT_FALSE(readSectionJoined(file, "{比肩-長生}", notes));
    EXPECT_EQ(notes.notices.size(), 2u);
}

TEST_F(SectionFileTest, EndOfFileInsideASectionIsAFormatError) {
    // The last section is never closed by a brace line.
    const auto file = writeCp932(dir, "nentxt.txt", {"{1}", "甲年。", "{2}", "乙年。"});
    EXPECT_EQ(readSectionJoined(file, "{1}", notes), "甲年。");
    EXPECT_TRUE(notes.empty());
    Lines lines;
    EXPECT_EQ(readSectionLines(file, "{2}", lines, notes), SectionStatus::FormatError);
    EXPECT_EQ(lines, Lines{"乙年。"});
    EXPECT_FALSE(readSectionJoined(file, "{2}", notes));
    EXPECT_EQ(notes.notices.size(), 2u);
    // A key line that is the very last line has no closing line either.
    const auto bare = writeCp932(dir, "bare.txt", {"{1}"});
    EXPECT_FALSE(readSectionJoined(bare, "{1}", notes));
}

TEST_F(SectionFileTest, BytesThatAreNotCp932InsideTheSectionAreAFormatError) {
    // 0x81 0x20 is a lead byte followed by an invalid trail byte; elsewhere it does no harm.
    const std::string bytes = "{1}\r\nok\r\n{2}\r\n\x81\x20\r\n{end}\r\n";
    const auto file = dir.write("bad.txt", bytes);
    EXPECT_EQ(readSectionJoined(file, "{1}", notes), "ok");
    EXPECT_TRUE(notes.empty());
    EXPECT_FALSE(readSectionJoined(file, "{2}", notes));
    EXPECT_EQ(notes.notices.size(), 1u);
}

}  // namespace
}  // namespace suimei
