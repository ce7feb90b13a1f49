// The shipped passages of the topic readings, read from their sources: the placeholders they hold
// are ones the windows fill, and only in the passages of the windows that fill them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

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

}  // namespace
}  // namespace suimei
