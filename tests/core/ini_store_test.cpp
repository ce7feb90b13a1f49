#include "core/ini_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <string>

#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;

// A hand-edited file: comments, blank lines, mixed line endings, spaces around '=', a Japanese
// key in CP932, odd bytes, and no line ending at the very end.
const std::string kMessyFile =
    "; settings\r\n"
    "\r\n"
    "[Zokan]\r\n"
    "  SYURUI = 3 \r\n"
    "syurui=4\r\n"
    "\n"
    "[other]\n"
    "\x96\xBC\x91\x4F=\x90\x84\x96\xBD\r"  // 名前=推命
    "junk line \x01\x7F\xFF\r\n"
    "[zokan]\r\n"
    "syurui=5\r\n"
    "[last]\r\n"
    "k=v";

TEST(IniDocument, WritesBackWhatItReadByteForByte) {
    EXPECT_EQ(IniDocument::parse(kMessyFile).serialize(), kMessyFile);
    const std::string bom = "\xEF\xBB\xBF[a]\nk=名前\n";
    EXPECT_EQ(IniDocument::parse(bom).serialize(), bom);
    EXPECT_EQ(IniDocument::parse("").serialize(), "");
}

TEST(IniDocument, FindsTheFirstKeyOfTheFirstSectionIgnoringCaseAndBlanks) {
    const auto doc = IniDocument::parse(kMessyFile);
    EXPECT_EQ(doc.value("zokan", "syurui"), "3");
    EXPECT_EQ(doc.value("other", "名前"), "推命");
    EXPECT_EQ(doc.value("last", "k"), "v");
    EXPECT_FALSE(doc.value("other", "junk line"));
    EXPECT_FALSE(doc.value("settings", "syurui"));
    EXPECT_FALSE(doc.value("zokan", "missing"));
}

TEST(IniDocument, CutOffHeaderDoesNotLendItsKeysToTheSectionBefore) {
    const auto doc = IniDocument::parse("[zokan]\r\n[un12sei\r\nsyurui=2\r\n");
    EXPECT_FALSE(doc.value("zokan", "syurui"));
    EXPECT_FALSE(doc.value("un12sei", "syurui"));
}

TEST(IniDocument, Cp932TrailByteThatLooksLikeABracketStaysInsideTheName) {
    // ゾ is 83 5D in CP932: its trail byte is ']'.
    const std::string file = "[\x83\x5Dx]\r\nk=1\r\n";
    auto doc = IniDocument::parse(file);
    EXPECT_EQ(doc.value("ゾx", "k"), "1");
    doc.setValue("ゾx", "k", "2");
    EXPECT_EQ(doc.serialize(), "[\x83\x5Dx]\r\nk=2\r\n");
}

TEST(IniDocument, ValuesThatAreNotTextCountAsMissing) {
    const auto doc = IniDocument::parse("[a]\r\nk=\x81\r\n");
    EXPECT_FALSE(doc.value("a", "k"));
    const auto utf8 = IniDocument::parse("\xEF\xBB\xBF[a]\r\nk=\xFF\r\n");
    EXPECT_FALSE(utf8.value("a", "k"));
}

TEST(IniDocument, SetValueRewritesInPlaceAndKeepsEverythingElse) {
    auto doc = IniDocument::parse(kMessyFile);
    doc.setValue("zokan", "syurui", "0");
    std::string expected = kMessyFile;
    expected.replace(expected.find("  SYURUI = 3 "), 13, "SYURUI=0");
    EXPECT_EQ(doc.serialize(), expected);
}

TEST(IniDocument, NewKeyGoesAfterTheSectionsLastEntryAndNewSectionAtTheEnd) {
    auto doc = IniDocument::parse("[a]\nx=1\n\n[b]\ny=2");
    doc.setValue("a", "z", "3");
    doc.setValue("c", "w", "4");
    EXPECT_EQ(doc.serialize(), "[a]\nx=1\nz=3\n\n[b]\ny=2\n[c]\nw=4\n");

    IniDocument fresh;
    fresh.setValue("zokan", "syurui", "1");
    EXPECT_EQ(fresh.serialize(), "[zokan]\r\nsyurui=1\r\n");
}

TEST(IniDocument, ValueCannotForgeLinesAndIsWrittenInTheFilesEncoding) {
    IniDocument doc;
    doc.setValue("user", "name", "推命\r\n[zokan]\nsyurui=5");
    EXPECT_FALSE(doc.value("zokan", "syurui"));
    EXPECT_EQ(doc.value("user", "name"), "推命  [zokan] syurui=5");
    EXPECT_NE(doc.serialize().find("name=\x90\x84\x96\xBD"), std::string::npos);

    doc.setValue("user", "name", "甲😀乙");  // no CP932 form for the emoji
    EXPECT_EQ(doc.value("user", "name"), "甲?乙");

    auto utf8 = IniDocument::parse("\xEF\xBB\xBF[user]\r\n");
    utf8.setValue("user", "name", "推命");
    EXPECT_EQ(utf8.serialize(), "\xEF\xBB\xBF[user]\r\nname=推命\r\n");
}

TEST(IniDocument, GarbageIsKeptAndNeverBreaksLookupsOrWrites) {
    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 5000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage.push_back(static_cast<char>((state >> 16) & 0xFF));
    }
    garbage += "\x83";  // a lead byte cut off at the end
    auto doc = IniDocument::parse(garbage);
    EXPECT_EQ(doc.serialize(), garbage);
    EXPECT_FALSE(doc.value("zokan", "syurui"));
    doc.setValue("zokan", "syurui", "2");
    EXPECT_EQ(doc.value("zokan", "syurui"), "2");
    EXPECT_EQ(doc.serialize().substr(0, garbage.size()), garbage);
}

TEST(IniFile, SaveCreatesTheFolderAndFollowsALink) {
    testing::TempDir dir;
    IniDocument doc;
    doc.setValue("a", "k", "1");
    const fs::path nested = dir.path() / "config" / "suimei" / "vorrin80.ini";
    ASSERT_TRUE(saveIniFile(nested, doc));
    EXPECT_EQ(readFileBytes(nested), "[a]\r\nk=1\r\n");

    const fs::path link = dir.path() / "link.ini";
    fs::create_symlink(nested, link);
    doc.setValue("a", "k", "2");
    ASSERT_TRUE(saveIniFile(link, doc));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFileBytes(nested), "[a]\r\nk=2\r\n");
}

TEST(IniFile, MissingFileReadsEmptyAndUpdateKeepsUnknownSections) {
    testing::TempDir dir;
    EXPECT_EQ(loadIniFile(dir.path() / "none.ini").serialize(), "");
    const auto p = dir.write("v.ini", "[mine]\r\nkeep=me\r\n");
    ASSERT_TRUE(updateIniFile(p, [](IniDocument& d) { d.setValue("zokan", "syurui", "2"); }));
    EXPECT_EQ(readFileBytes(p), "[mine]\r\nkeep=me\r\n[zokan]\r\nsyurui=2\r\n");
}

// A write that fails half-way (here: the file-size limit is hit) leaves the old file as it was.
TEST(IniFile, FailedWriteLeavesTheOldFile) {
    testing::TempDir dir;
    const std::string old = "[zokan]\r\nsyurui=3\r\n";
    const auto p = dir.write("v.ini", old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written =
        updateIniFile(p, [](IniDocument& d) { d.setValue("user", "name", std::string(200, 'x')); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readFileBytes(p), old);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1) << "the temporary file was left behind";
}

}  // namespace
}  // namespace suimei
