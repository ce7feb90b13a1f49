#include "readings/key_coverage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <set>

#include "support/temp_dir.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;

const fs::path kToolPath = fs::path(SUIMEI_APP_DIR).parent_path() / "tools" / "make_reading_tables";

int countKeys(const std::vector<FormableKey>& keys, PassageStore store, const std::string& file) {
    int n = 0;
    for (const auto& k : keys) n += k.store == store && k.file == file;
    return n;
}

bool hasKey(const std::vector<FormableKey>& keys, const std::string& file, const std::string& k1,
            const std::string& k2) {
    for (const auto& k : keys) {
        if (k.file == file && k.key1 == k1 && k.key2 == k2) return true;
    }
    return false;
}

TEST(KeyCoverage, EveryReaderFormsTheKeysOfEveryChart) {
    const auto keys = formableReadingKeys();
    // 10 day stems + 10 + 10 ten gods (年柱-, 月柱-) + 40 favour/strength + 36 stages + 40
    // climates (the AI memo's buttons read the same ones), then the topic readings: 100 day-stem
    // pairs (相性2) + 100 month ten-god pairs (相性) + 5 × 10 by day stem + 2 × 10 by month ten
    // god + 4 × 12 by day stage (性愛肉体, 結婚後M, 結婚後F, 金銭感覚) + 15 group pairs + 5 groups
    // + 10 stems and 5 symptoms (中医学); the general-audience report: 5 × 10 by stem, 4 × 10 by
    // ten god, 2 × 12 by stage and 100 stem pairs; Nine Star Ki: 9 natal, 9 month, 8 inclination
    // and 9 meeting stars; the fortune calendar's 10 + 12 daily and 3 × 10 month readings.
    EXPECT_EQ(countKeys(keys, PassageStore::Table, "kanteibun1.db"),
              146 + 100 + 100 + 50 + 20 + 48 + 15 + 5 + 15 + 50 + 40 + 24 + 100 + 35 + 52 +
                  20);  // 感情周期: paragraph and void addition of ten ten gods
    EXPECT_EQ(countKeys(keys, PassageStore::WholeFile, "kisobun.rtf"), 1);
    EXPECT_EQ(countKeys(keys, PassageStore::WholeFile, "bun/runa20.txt"), 1);
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "感情周期空亡", "偏官"));
    EXPECT_EQ(countKeys(keys, PassageStore::SixtyPillars, "sixty.DB"), 120);
    EXPECT_EQ(countKeys(keys, PassageStore::ConceptionDay, "tengen.db"), 60);
    EXPECT_EQ(countKeys(keys, PassageStore::SectionFile, "nentxt.txt"), 10);
    EXPECT_EQ(countKeys(keys, PassageStore::SectionFile, "tukitxt.txt"), 12);
    EXPECT_EQ(countKeys(keys, PassageStore::SectionFile, "daytxt.txt"), 60);
    EXPECT_EQ(countKeys(keys, PassageStore::SectionFile, "cyoukou.txt"), 40);
    EXPECT_EQ(countKeys(keys, PassageStore::SectionFile, "cyoukou2.txt"), 120);
    EXPECT_EQ(countKeys(keys, PassageStore::SectionFile, "memo3.txt"), 120);
    EXPECT_EQ(countKeys(keys, PassageStore::AnnualImagery, "kouun.db"), 100);
    // 8 places of the spouse stem, 10 ten gods of the day branch, 6 void pairs.
    EXPECT_EQ(countKeys(keys, PassageStore::SectionFile, "rokusin.txt"), 24);
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "AI", "偏印-忌神-強"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "調候", "冬癸"));
    EXPECT_TRUE(hasKey(keys, "daytxt.txt", "", "{10-12}"));  // 癸亥
    EXPECT_FALSE(hasKey(keys, "daytxt.txt", "", "{1-2}"));   // 甲丑 is no pillar
    EXPECT_FALSE(hasKey(keys, "kanteibun1.db", "AI", "日柱-比肩"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "相性2", "己甲"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "相性", "印綬傷官"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "能力総合1", "2-3"));
    EXPECT_FALSE(hasKey(keys, "kanteibun1.db", "能力総合1", "3-2"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "能力総合1", "5-5"));
    EXPECT_FALSE(hasKey(keys, "kanteibun1.db", "能力レベル", "6"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "結婚後F", "12"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "未来1", "10"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "中医学", "収"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "九星同会", "5"));
    EXPECT_FALSE(hasKey(keys, "kanteibun1.db", "九星傾斜", "5"));
    EXPECT_TRUE(hasKey(keys, "sixty.DB", "女", "60"));
    EXPECT_FALSE(hasKey(keys, "sixty.DB", "男", "0"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "老年精神", "癸"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "目的", "印綬"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "異性内面", "養"));
    EXPECT_TRUE(hasKey(keys, "kanteibun1.db", "干関係", "癸甲"));
    EXPECT_TRUE(hasKey(keys, "tengen.db", "癸", "亥"));
    EXPECT_FALSE(hasKey(keys, "tengen.db", "甲", "丑"));
}

// Writes sources in the data formats holding a two-line passage for every formable key except
// those `skip` names, as data/readings and data/text would.
void writeFixtureSources(const fs::path& root,
                         const std::function<bool(const FormableKey&)>& skip) {
    fs::create_directories(root / "readings");
    fs::create_directories(root / "text");
    std::ofstream passages(root / "readings" / "kanteibun1.txt", std::ios::binary);
    std::ofstream imagery(root / "readings" / "kouun.tsv", std::ios::binary);
    std::ofstream sixty(root / "readings" / "sixty.txt", std::ios::binary);
    std::ofstream tengen(root / "readings" / "tengen.txt", std::ios::binary);
    imagery << "nid\tk01\tk02\ttango1\ttango2\thlp1\thlp2\tetc\n";
    std::map<std::string, std::string> texts;
    int row = 0;
    for (const auto& k : formableReadingKeys()) {
        const bool drop = skip(k);
        switch (k.store) {
            case PassageStore::Table:
                if (drop) break;
                passages << "@" << k.key1 << "\t" << k.key2 << "\t" << k.key2 << "\n"
                         << "試験用の文章：" << k.key2 << "。\n二行目。\n\n";
                break;
            case PassageStore::SectionFile:
                if (drop) break;
                texts[k.file] += k.key2 + "\n試験用の節：" + k.key2 + "。\n二行目。\n";
                break;
            case PassageStore::SixtyPillars:
                if (drop) break;
                sixty << "@" << k.key1 << "\t" << k.key2 << "\n試験用の六十干支。\n";
                break;
            case PassageStore::ConceptionDay:
                if (drop) break;
                tengen << "@" << k.key1 << "\t" << k.key2 << "\n試験用の天源。\n";
                break;
            case PassageStore::AnnualImagery:
                ++row;
                imagery << (row - 1) / 10 + 1 << "-" << (row - 1) % 10 + 1 << "\t" << k.key1 << "\t"
                        << k.key2 << "\t吉\t凶\t吉の助言\t" << (drop ? "" : "凶の助言") << "\t\n";
                break;
            case PassageStore::WholeFile:
                // A dropped document is there but holds only blank lines.
                fs::create_directories((root / "whole" / k.file).parent_path());
                std::ofstream(root / "whole" / k.file, std::ios::binary)
                    << (drop ? "\n  \n" : "<h1>試験用</h1>\n<p>本文。</p>\n");
                break;
        }
    }
    for (const auto& [name, body] : texts) {
        std::ofstream out(root / "text" / name, std::ios::binary);
        out << "# 試験用\n" << body << "{end}\n";
    }
}

// Builds an application directory from the sources with the build's own tool.
void buildWithTool(const fs::path& sources, const fs::path& app) {
    ASSERT_TRUE(fs::exists(kToolPath)) << kToolPath;
    auto run = [](const std::string& args) {
        int status = -1;
        const std::string out =
            testing::runCommand(kToolPath.string() + " " + args + " 2>&1", &status);
        EXPECT_EQ(status, 0) << args << "\n" << out;
    };
    run("passages " + (sources / "readings" / "kanteibun1.txt").string() + " " +
        (app / "bun" / "kanteibun1.db").string());
    run("imagery " + (sources / "readings" / "kouun.tsv").string() + " " +
        (app / "bun" / "kouun.db").string());
    for (const auto& e : fs::directory_iterator(sources / "text")) {
        run("text " + e.path().string() + " " + (app / e.path().filename()).string());
    }
    run("sixty " + (sources / "readings" / "sixty.txt").string() + " " +
        (app / "bun" / "sixty.DB").string());
    run("tengen " + (sources / "readings" / "tengen.txt").string() + " " +
        (app / "tengen.db").string());
    for (const auto& e : fs::recursive_directory_iterator(sources / "whole")) {
        if (!e.is_regular_file()) continue;
        run("document " + e.path().string() + " " +
            (app / fs::relative(e.path(), sources / "whole")).string());
    }
}

std::string runCheck(const fs::path& app, int& status) {
    return testing::runCommand(
        std::string(SUIMEI_CLI_PATH) + " readings --check --app " + app.string() + " 2>&1",
        &status);
}

TEST(KeyCoverage, CompleteFixtureBuiltByTheBuildToolHasNoGap) {
    testing::TempDir dir;
    writeFixtureSources(dir.path() / "data", [](const FormableKey&) { return false; });
    buildWithTool(dir.path() / "data", dir.path() / "app");
    int status = -1;
    const std::string out = runCheck(dir.path() / "app", status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("1543 keys checked"), std::string::npos) << out;
    EXPECT_NE(out.find(": 0 without a passage"), std::string::npos) << out;
}

TEST(KeyCoverage, EachKeyWithoutAPassageIsReported) {
    testing::TempDir dir;
    const std::set<std::string> dropped = {"偏印-忌神-強", "{10-12}", "{印綬-養}", "癸"};
    writeFixtureSources(dir.path() / "data", [&](const FormableKey& k) {
        if (k.store == PassageStore::WholeFile) {
            return k.file == "kisobun.rtf" || k.file == "bun/kar7.txt";
        }
        if (k.key1 == "干関係") return k.key2 == "丁壬";
        if (k.store == PassageStore::AnnualImagery) return k.key1 == "癸" && k.key2 == "壬";
        if (k.store == PassageStore::SixtyPillars) return k.key1 == "女" && k.key2 == "55";
        if (k.store == PassageStore::ConceptionDay) return k.key1 == "丁" && k.key2 == "卯";
        if (k.key1 == "結婚後F" || k.key1 == "能力総合1") return k.key2 == "5" || k.key2 == "2-3";
        return dropped.count(k.key2) > 0;
    });
    buildWithTool(dir.path() / "data", dir.path() / "app");
    int status = -1;
    const std::string out = runCheck(dir.path() / "app", status);
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("kanteibun1.db\tAI/偏印-忌神-強"), std::string::npos) << out;
    EXPECT_NE(out.find("kanteibun1.db\tAI/癸\t"), std::string::npos) << out;
    EXPECT_NE(out.find("daytxt.txt\t{10-12}"), std::string::npos) << out;
    EXPECT_NE(out.find("memo3.txt\t{印綬-養}"), std::string::npos) << out;
    EXPECT_NE(out.find("kouun.db\t癸/壬"), std::string::npos) << out;
    EXPECT_NE(out.find("sixty.DB\t女/55"), std::string::npos) << out;
    EXPECT_NE(out.find("kanteibun1.db\t結婚後F/5\t"), std::string::npos) << out;
    EXPECT_NE(out.find("kanteibun1.db\t能力総合1/2-3\t"), std::string::npos) << out;
    EXPECT_EQ(out.find("結婚後M/5\t"), std::string::npos) << out;
    EXPECT_NE(out.find("kanteibun1.db\t中医学/癸\t"), std::string::npos) << out;  // key2 癸 too
    EXPECT_NE(out.find("kanteibun1.db\t干関係/丁壬\t"), std::string::npos) << out;
    EXPECT_NE(out.find("missing\tfile\tkisobun.rtf\t"), std::string::npos) << out;
    // key2 癸 is dropped for every family that reads it by stem name: AI, 中医学 and the five of
    // the general-audience report.
    EXPECT_NE(out.find(": 18 without a passage"), std::string::npos) << out;
    EXPECT_NE(out.find("tengen.db\t丁/卯"), std::string::npos) << out;
    EXPECT_NE(out.find("\tfile\tbun/kar7.txt\t"), std::string::npos) << out;

    // A store that is missing altogether: every key of it is a gap.
    fs::remove(dir.path() / "app" / "cyoukou.txt");
    fs::remove(dir.path() / "app" / "bun" / "sixty.DB");
    const CoverageReport report = checkReadingCoverage(AppPaths(dir.path() / "app"));
    EXPECT_EQ(report.gaps.size(), 18u - 1u + 40u + 120u);

    // A document that is gone is a gap as well.
    fs::remove(dir.path() / "app" / "kisobun.rtf");
    const CoverageReport again = checkReadingCoverage(AppPaths(dir.path() / "app"));
    ASSERT_EQ(again.gaps.size(), report.gaps.size());
    const auto gone = std::find_if(again.gaps.begin(), again.gaps.end(), [](const CoverageGap& g) {
        return g.key.file == "kisobun.rtf";
    });
    ASSERT_NE(gone, again.gaps.end());
    EXPECT_EQ(gone->reason, "ファイルがありません");
}

// The shipped data: every key of every reader finds its passage in the staged application
// directory. While a data source has not been written yet, the keys it would hold are left out
// (and said so); once every source is there the command-line check itself must pass.
TEST(KeyCoverage, ShippedReadingDataHasAPassageForEveryKey) {
    const fs::path data = fs::path(SUIMEI_SOURCE_DIR) / "data";
    auto sourceOf = [&](const std::string& file) {
        if (file == "kanteibun1.db") return data / "readings" / "kanteibun1.txt";
        if (file == "kouun.db") return data / "readings" / "kouun.tsv";
        if (file == "sixty.DB") return data / "readings" / "sixty.txt";
        if (file == "kisobun.rtf") return data / "kisobun.html";
        if (file == "tengen.db") return data / "readings" / "tengen.txt";
        if (file.starts_with("bun/")) return data / "mansion" / fs::path(file).filename();
        return data / "text" / file;
    };
    std::set<std::string> pending;
    for (const auto& k : formableReadingKeys()) {
        if (!fs::exists(sourceOf(k.file))) pending.insert(k.file);
    }
    if (pending.empty()) {
        int status = -1;
        const std::string out = runCheck(SUIMEI_APP_DIR, status);
        EXPECT_EQ(status, 0) << out;
        return;
    }
    const CoverageReport report = checkReadingCoverage(AppPaths(SUIMEI_APP_DIR));
    for (const auto& gap : report.gaps) {
        if (pending.count(gap.key.file)) continue;
        ADD_FAILURE() << gap.key.file << " " << gap.key.key1 << "/" << gap.key.key2 << " ("
                      << gap.key.readers << "): " << gap.reason;
    }
    std::string names;
    for (const auto& p : pending) names += " " + p;
    if (pending.size() == 10) GTEST_SKIP() << "reading data not written yet:" << names;
    std::cout << "sources not written yet, their keys left out:" << names << "\n";
}

}  // namespace
}  // namespace suimei
