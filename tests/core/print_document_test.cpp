// Text measuring and wrapping of the printed documents.

#include "core/print_document.h"

#include <gtest/gtest.h>

namespace suimei::print {
namespace {

// 10.5 pt is 3.704 mm: ten full-width characters fill 37.04 mm.
constexpr double kTenEm = 10 * 10.5 * kMillimetresPerPoint;

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST(PrintText, WidthCountsFullWidthAsOneEmAndTheRestAsHalf) {
    EXPECT_DOUBLE_EQ(textWidthEm("漢字ab"), 3.0);
    EXPECT_DOUBLE_EQ(textWidthEm("ｱｲｳ"), 1.5);  // half-width katakana
    EXPECT_DOUBLE_EQ(textWidthEm("（１）"), 3.0);
    EXPECT_DOUBLE_EQ(textWidthEm(""), 0.0);
}

TEST(PrintText, WrapsAtTheBoxWidth) {
    const auto lines = wrapText(repeat("あ", 25), kTenEm, 10.5);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], repeat("あ", 10));
    EXPECT_EQ(lines[2], repeat("あ", 5));
    // Twenty half-width letters are ten ems.
    EXPECT_EQ(wrapText(repeat("a", 20), kTenEm, 10.5).size(), 1u);
    EXPECT_EQ(wrapText(repeat("a", 21), kTenEm, 10.5).size(), 2u);
}

TEST(PrintText, ClosingPunctuationStaysOnItsLine) {
    const auto lines = wrapText(repeat("あ", 10) + "。次", kTenEm, 10.5);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], repeat("あ", 10) + "。");
    EXPECT_EQ(lines[1], "次");
}

TEST(PrintText, KeepsItsOwnBreaksButNoTrailingEmptyLine) {
    EXPECT_EQ(wrapText("一\n\n二\r\n三\n", kTenEm, 10.5),
              (std::vector<std::string>{"一", "", "二", "三"}));
    EXPECT_TRUE(wrapText("", kTenEm, 10.5).empty());
    // A box narrower than one character still shows one character to a line.
    EXPECT_EQ(wrapText("甲乙", 1.0, 10.5), (std::vector<std::string>{"甲", "乙"}));
}

}  // namespace
}  // namespace suimei::print
