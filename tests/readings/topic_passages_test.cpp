// The shipped passages of the topic readings, read from their sources: the placeholders they hold
// are ones the windows fill, and only in the passages of the windows that fill them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "calendar/types.h"
#include "core/text_codec.h"
#include "readings/reading_sources.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;

const fs::path kReadings = fs::path(SUIMEI_SOURCE_DIR) / "data" / "readings";

// The families whose windows fill "＠ｉ", and of them those that fill the ten year placeholders.
const std::set<std::string> kNameFilled = {
    "結婚1", "性愛精神", "性愛肉体", "結婚後M",   "結婚後F",  "結婚時期",  "仕事1",
    "仕事2", "独立1",    "未来1",    "能力総合1", "金銭感覚", "能力レベル"};
const std::set<std::string> kYearFilled = {"結婚時期", "未来1"};

std::vector<fs::path> topicSources() {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(kReadings)) {
        const std::string name = e.path().filename().string();
        if (name.rfind("kanteibun1-", 0) == 0 && e.path().extension() == ".txt") {
            out.push_back(e.path());
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

struct Placeholders {
    bool name = false;
    int years = 0;
    std::vector<std::string> unknown;  // "＠" followed by anything else
};

Placeholders placeholdersIn(const std::string& text) {
    static const std::string at = "＠";
    static const char* kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    Placeholders p;
    for (std::size_t i = text.find(at); i != std::string::npos; i = text.find(at, i + 1)) {
        const std::string rest = text.substr(i + at.size(), 3);
        if (rest == "ｉ") {
            p.name = true;
            continue;
        }
        if (std::find(std::begin(kStems), std::end(kStems), rest) != std::end(kStems)) {
            ++p.years;
            continue;
        }
        p.unknown.push_back(text.substr(i, at.size() + 6));
    }
    return p;
}

TEST(TopicPassages, SourcesParseWithoutAnyProblem) {
    const auto sources = topicSources();
    ASSERT_FALSE(sources.empty());
    for (const auto& path : sources) {
        const auto bytes = readFileBytes(path);
        ASSERT_TRUE(bytes) << path;
        for (const auto& p : parsePassageSource(*bytes).problems) {
            ADD_FAILURE() << path.filename() << ":" << p.line << ": " << p.text;
        }
    }
    const auto sixty = readFileBytes(kReadings / "sixty.txt");
    ASSERT_TRUE(sixty);
    for (const auto& p : parseSixtySource(*sixty).problems) {
        ADD_FAILURE() << "sixty.txt:" << p.line << ": " << p.text;
    }
}

TEST(TopicPassages, PlaceholdersAreOnlyThoseTheirWindowFills) {
    for (const auto& path : topicSources()) {
        const auto bytes = readFileBytes(path);
        ASSERT_TRUE(bytes);
        for (const auto& r : parsePassageSource(*bytes).records) {
            SCOPED_TRACE(path.filename().string() + ":" + std::to_string(r.line) + " " + r.key1 +
                         "/" + r.key2);
            std::string memo;
            for (const auto& line : r.memoLines) {
                memo += line;
                // A line cut off in the middle of a sentence reads badly in the client's copy.
                EXPECT_TRUE(line.size() >= 3 && line.substr(line.size() - 3) == "。") << line;
            }
            const Placeholders p = placeholdersIn(memo);
            EXPECT_TRUE(p.unknown.empty()) << p.unknown.front();
            if (p.name) {
                EXPECT_TRUE(kNameFilled.count(r.key1));
            }
            if (kYearFilled.count(r.key1)) {
                EXPECT_GE(p.years, 4);
            } else {
                EXPECT_EQ(p.years, 0);
            }
        }
    }
    const auto sixty = readFileBytes(kReadings / "sixty.txt");
    ASSERT_TRUE(sixty);
    for (const auto& r : parseSixtySource(*sixty).records) {
        for (const auto& line : r.memoLines) {
            EXPECT_EQ(line.find("＠"), std::string::npos) << r.sex << r.number << ": " << line;
        }
    }
}

// The sixty-pillar table is read by sex: the two readings of one pillar are two texts.
TEST(TopicPassages, EachPillarHasItsOwnReadingForEachSex) {
    const auto sixty = readFileBytes(kReadings / "sixty.txt");
    ASSERT_TRUE(sixty);
    std::map<int, std::map<std::string, std::vector<std::string>>> byPillar;
    for (const auto& r : parseSixtySource(*sixty).records) byPillar[r.number][r.sex] = r.memoLines;
    ASSERT_EQ(byPillar.size(), 60u);
    for (const auto& [number, bySex] : byPillar) {
        ASSERT_EQ(bySex.size(), 2u) << number;
        EXPECT_NE(bySex.at("男"), bySex.at("女")) << number;
    }
}

std::size_t charCount(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::size_t sentenceCount(const std::vector<std::string>& lines) {
    std::size_t n = 0;
    for (const auto& line : lines) {
        for (std::size_t i = line.find("。"); i != std::string::npos; i = line.find("。", i + 1)) {
            ++n;
        }
    }
    return n;
}

// The general-audience report prints the keyword of three stem pairs side by side: each of the
// hundred pairs has its own, short enough for its field, and a passage of a sentence or two.
TEST(TopicPassages, EveryStemPairHasItsOwnShortKeyword) {
    const auto bytes = readFileBytes(kReadings / "kanteibun1-sougou.txt");
    ASSERT_TRUE(bytes);
    std::map<std::string, std::string> keywordOf;
    std::set<std::string> keywords;
    for (const auto& r : parsePassageSource(*bytes).records) {
        if (r.key1 != "干関係") continue;
        SCOPED_TRACE(r.key2);
        EXPECT_TRUE(keywordOf.emplace(r.key2, r.bun1).second);
        EXPECT_FALSE(r.bun1.empty());
        EXPECT_LE(charCount(r.bun1), 30u) << r.bun1;
        EXPECT_TRUE(keywords.insert(r.bun1).second) << "keyword used twice: " << r.bun1;
        const std::size_t sentences = sentenceCount(r.memoLines);
        EXPECT_TRUE(sentences >= 1 && sentences <= 2) << sentences;
    }
    static const char* kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    for (const char* a : kStems) {
        for (const char* b : kStems) {
            EXPECT_TRUE(keywordOf.count(std::string(a) + b)) << a << b;
        }
    }
    EXPECT_EQ(keywordOf.size(), 100u);
}

// The report's other passages are read to the client one after another: a few sentences each,
// and no two alike.
TEST(TopicPassages, ReportPassagesAreShortAndDistinct) {
    const auto bytes = readFileBytes(kReadings / "kanteibun1-sougou.txt");
    ASSERT_TRUE(bytes);
    std::map<std::string, int> perFamily;
    std::set<std::vector<std::string>> texts;
    for (const auto& r : parsePassageSource(*bytes).records) {
        if (r.key1 == "干関係") continue;
        SCOPED_TRACE(r.key1 + "/" + r.key2);
        ++perFamily[r.key1];
        const std::size_t sentences = sentenceCount(r.memoLines);
        EXPECT_TRUE(sentences >= 2 && sentences <= 6) << sentences;
        EXPECT_TRUE(texts.insert(r.memoLines).second);
    }
    const std::map<std::string, int> expected = {
        {"日干", 10},     {"青年精神", 10}, {"理想配偶", 10}, {"中年精神", 10},
        {"老年精神", 10}, {"目的", 10},     {"手段", 10},     {"配偶行動", 10},
        {"目下行動", 10}, {"職場内面", 12}, {"異性内面", 12}};
    EXPECT_EQ(perFamily, expected);
}

// The basic-knowledge text explains every name the client meets in the documents, and all of it
// can be shipped in Shift-JIS.
TEST(TopicPassages, BasicKnowledgeTextNamesEveryStemBranchGodAndStage) {
    const auto html = readFileBytes(fs::path(SUIMEI_SOURCE_DIR) / "data" / "kisobun.html");
    ASSERT_TRUE(html);
    EXPECT_TRUE(hasCp932Form(*html));
    for (const char* heading : {"四つの柱", "五行", "十干", "十二支", "通変星", "十二運"}) {
        const std::size_t at = html->find(heading);
        ASSERT_NE(at, std::string::npos) << heading;
        EXPECT_NE(html->rfind("<h2>", at), std::string::npos) << heading;
    }
    for (int i = 1; i <= 12; ++i) {
        for (const std::string_view name :
             {stemName(i), branchName(i), tenGodName(i), stageName(i)}) {
            if (name.empty()) continue;
            EXPECT_NE(html->find("<td>" + std::string(name)), std::string::npos) << name;
        }
    }
    for (const char* term : {"相生", "相剋", "比和", "干合", "蔵干", "日干"}) {
        EXPECT_NE(html->find(term), std::string::npos) << term;
    }
}

}  // namespace
}  // namespace suimei
