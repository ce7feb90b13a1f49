// The basic-knowledge text's RTF as word processors write it: CP932 bytes, \u characters with
// their fallbacks, skipped tables, paragraph styles; and what is not RTF.

#include "print/rtf_text.h"

#include <gtest/gtest.h>

#include "print/basic_knowledge_document.h"
#include "print/memo_document.h"
#include "tests/print/document_checks.h"

namespace suimei::print {
namespace {

std::vector<std::string> plain(const RtfDocument& doc) {
    std::vector<std::string> texts;
    for (const RtfParagraph& p : doc.paragraphs) texts.push_back(p.plainText());
    return texts;
}

TEST(RtfText, Cp932BytesUnicodeAndEscapesBecomeText) {
    // 四柱 in CP932 is 8E 6C 92 8C; 推命 as \u with "?" fallbacks; an escaped brace and backslash.
    const auto doc = parseRtf(
        "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 MS Mincho;}}"
        "{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator Writer 1.0;}"
        "\\pard\\f0\\fs24 \\'8e\\'6c\\'92\\'8c\\u25512?\\u21629?\\par\n"
        "a\\{b\\}c\\\\d\\par}");
    ASSERT_TRUE(doc);
    EXPECT_EQ(plain(*doc), (std::vector<std::string>{"四柱推命", "a{b}c\\d"}));
}

TEST(RtfText, RunsKeepWeightSizeAndCentring) {
    const auto doc = parseRtf(
        "{\\rtf1\\pard\\qc\\b\\fs36 Title\\b0\\par\\pard\\fs20 body {\\i slanted} end\\par}");
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->paragraphs.size(), 2u);
    const RtfParagraph& title = doc->paragraphs[0];
    EXPECT_TRUE(title.centred);
    ASSERT_EQ(title.runs.size(), 1u);
    EXPECT_TRUE(title.runs[0].bold);
    EXPECT_DOUBLE_EQ(title.runs[0].pointSize, 18);
    const RtfParagraph& body = doc->paragraphs[1];
    EXPECT_FALSE(body.centred);
    ASSERT_EQ(body.runs.size(), 3u);
    EXPECT_FALSE(body.runs[0].bold);  // \b0 ended the bold
    EXPECT_TRUE(body.runs[1].italic);
    EXPECT_FALSE(body.runs[2].italic);  // the group's end restored the slant
    EXPECT_EQ(body.plainText(), "body slanted end");
}

TEST(RtfText, WhatIsNotRtfIsRefused) {
    EXPECT_FALSE(parseRtf(""));
    EXPECT_FALSE(parseRtf("四柱推命の基礎知識"));
    EXPECT_FALSE(parseRtf("{\\rtf1 unclosed {group\\par}"));
    // A negative \u (above U+7FFF written as a signed 16-bit number) is the character it stands
    // for: \u-3 is U+FFFD.
    const auto doc = parseRtf("{\\rtf1 \\u-3?\\par}");
    ASSERT_TRUE(doc);
    EXPECT_EQ(plain(*doc), std::vector<std::string>{"\xEF\xBF\xBD"});
}

TEST(RtfText, SimpleHtmlBecomesRtfThatReadsBackAsTheSameParagraphs) {
    const std::string html =
        "<!-- 注釈は出ない -->\n<html><head><title>題</title></head><body>\n"
        "<h1 align=\"center\">四柱推命の\n基礎</h1>\n"
        "<p>木は<b>火</b>を生じ &amp; 土を剋す。{括弧}\\</p>\n"
        "<table border=\"1\"><tr><th>柱</th><th>意味</th></tr>\n"
        "<tr><td>年柱</td><td>祖先</td></tr></table>\n"
        "<ul><li>比肩</li></ul><p>𠮷</p></body></html>\n";
    const std::string rtf = rtfFromSimpleHtml(html);
    for (const char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
    const auto doc = parseRtf(rtf);
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->paragraphs.size(), 6u);
    EXPECT_EQ(doc->paragraphs[0].plainText(), "四柱推命の基礎");
    EXPECT_TRUE(doc->paragraphs[0].centred);
    EXPECT_TRUE(doc->paragraphs[0].runs.front().bold);
    EXPECT_DOUBLE_EQ(doc->paragraphs[0].runs.front().pointSize, 16);
    EXPECT_EQ(doc->paragraphs[1].plainText(), "木は火を生じ & 土を剋す。{括弧}\\");
    ASSERT_GE(doc->paragraphs[1].runs.size(), 3u);
    EXPECT_FALSE(doc->paragraphs[1].runs[0].bold);
    EXPECT_TRUE(doc->paragraphs[1].runs[1].bold);
    EXPECT_EQ(doc->paragraphs[2].plainText(), "柱　意味");
    EXPECT_EQ(doc->paragraphs[3].plainText(), "年柱　祖先");
    EXPECT_EQ(doc->paragraphs[4].plainText(), "・比肩");
    // Outside the basic plane: a surrogate pair.
    EXPECT_EQ(doc->paragraphs[5].plainText(), "𠮷");
}

TEST(BasicKnowledgeDocument, ParagraphsFlowOverPagesInTheirStyles) {
    std::string rtf = "{\\rtf1\\pard\\qc\\b\\fs40 四柱推命の基礎知識\\par\\pard\\plain\\fs21 ";
    for (int i = 0; i < 80; ++i) {
        rtf +=
            "天干は十種、地支は十二種あり、その組み合わせが六十の干支をつくります。"
            "命式はこの干支を四つの柱に並べたものです。\\par ";
    }
    rtf += "\\fs200 大き過ぎる文字\\par}";
    const auto text = parseRtf(rtf);
    ASSERT_TRUE(text);
    const PrintDocument doc = composeBasicKnowledge(*text, "", "");
    EXPECT_EQ(doc.title, "四柱推命の基礎知識");
    ASSERT_GE(doc.pages.size(), 2u);
    const PrintItem& heading = doc.pages[0].items[0];
    EXPECT_EQ(heading.text, "四柱推命の基礎知識");
    EXPECT_EQ(heading.align, Align::Centre);
    EXPECT_TRUE(heading.bold);
    EXPECT_DOUBLE_EQ(heading.pointSize, 20);  // 20 pt, the largest a page takes
    testing::expectEverythingOnThePage(doc);
    for (const PrintPage& page : doc.pages) {
        EXPECT_EQ(testing::textsOf(page)[testing::textsOf(page).size() - 2], kMakerNotice);
    }
}

}  // namespace
}  // namespace suimei::print
