#include "core/text_codec.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace suimei {
namespace {

TEST(TextCodec, RoundTripsJapaneseThroughCp932) {
    const std::string text = "推命ワークベンチ：甲子ｱｲ①";
    const auto bytes = utf8ToCp932(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 2), "\x90\x84");  // 推 in CP932
    EXPECT_EQ(cp932ToUtf8(*bytes), text);
}

TEST(TextCodec, RefusesWhatItCannotConvert) {
    EXPECT_FALSE(utf8ToCp932("😀"));
    EXPECT_FALSE(cp932ToUtf8("\x81"));  // a lead byte with nothing after it
}

TEST(TextCodec, AcceptsUtf8WithBomAndRejectsBrokenUtf8) {
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF甲子"), "甲子");
    EXPECT_FALSE(decodeTextFile("\xEF\xBB\xBF\xFF"));
    EXPECT_EQ(decodeTextFile("\x8d\x62"), "甲");
}

TEST(TextCodec, SplitsEveryLineEnding) {
    const auto lines = splitLines("a\r\nb\nc\rd\r\n\r\ne");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "d");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "e");
    EXPECT_TRUE(splitLines("").empty());
}

TEST(TextCodec, AtomicWriteReplacesTheWholeFile) {
    testing::TempDir dir;
    const auto p = dir.write("x.txt", "old contents that are longer");
    ASSERT_TRUE(writeFileAtomically(p, "new"));
    EXPECT_EQ(readFileBytes(p), "new");
    EXPECT_FALSE(writeFileAtomically(dir.path() / "missing-folder" / "x.txt", "z"));
    EXPECT_EQ(encodeCp932Lines({"甲", "b"}), std::string("\x8d\x62\r\nb\r\n"));
}

}  // namespace
}  // namespace suimei
