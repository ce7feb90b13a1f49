#include "methods/mansion_reading.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "calendar/old_calendar.h"
#include "chart/mandata.h"
#include "core/text_codec.h"
#include "readings/whole_text_file.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;

std::string join(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l;
    return all;
}

TEST(MansionReading, FileNamesFollowTheMansionNumber) {
    EXPECT_EQ(mansionPictureName(5), "bmp/QR27-5.bmp");
    EXPECT_EQ(mansionPictureName(28), "bmp/QR27-28.bmp");
    EXPECT_EQ(mansionMeaningName(13), "bun/runa13.txt");
    EXPECT_EQ(mansionKarmaName(1), "bun/kar1.txt");
    EXPECT_EQ(mansionPictureName(0), "");
    EXPECT_EQ(mansionKarmaName(29), "");
}

TEST(MansionReading, WithoutAMansionOrAFileItSaysWhichInsteadOfFailing) {
    testing::TempDir dir;
    const AppPaths paths(dir.path());
    std::string error;
    EXPECT_FALSE(readMansion(paths, 0, &error));
    EXPECT_EQ(error, kNoMansionText);

    EXPECT_FALSE(readMansion(paths, 5, &error));
    EXPECT_EQ(error, "bmp/QR27-5.bmp が見つかりません。");
    fs::create_directories(dir.path() / "bmp");
    fs::create_directories(dir.path() / "bun");
    dir.write("bmp/QR27-5.bmp", "BM");
    EXPECT_FALSE(readMansion(paths, 5, &error));
    EXPECT_EQ(error, "bun/runa5.txt が見つかりません。");
    // The texts are CP932 with CRLF at the application folder.
    dir.write("bun/runa5.txt", *encodeCp932Lines({"【井宿】宿星の意味", "知性の星です。"}));
    EXPECT_FALSE(readMansion(paths, 5, &error));
    EXPECT_EQ(error, "bun/kar5.txt が見つかりません。");
    dir.write("bun/kar5.txt", "\x82\xa0\xff\xfe");  // not CP932
    EXPECT_FALSE(readMansion(paths, 5, &error));
    EXPECT_EQ(error, "bun/kar5.txt を読めません。");

    dir.write("bun/kar5.txt", *encodeCp932Lines({"カルマの文章です。"}));
    const auto reading = readMansion(paths, 5, &error);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->name, "井");
    EXPECT_EQ(reading->picture, dir.path() / "bmp/QR27-5.bmp");
    EXPECT_EQ(reading->meaning, (std::vector<std::string>{"【井宿】宿星の意味", "知性の星です。"}));
    EXPECT_EQ(reading->karma, (std::vector<std::string>{"カルマの文章です。"}));
}

TEST(MansionReading, BlankTextsAreNotReadable) {
    EXPECT_FALSE(hasReadableText({}));
    EXPECT_FALSE(hasReadableText({"", "  \t", "　　"}));
    EXPECT_TRUE(hasReadableText({"", "　宿"}));
}

TEST(MansionReading, BirthLineOfThePrintedPage) {
    Tmandata chart;
    EXPECT_EQ(mansionBirthLine(chart), "");
    chart.birthYear = 1985;
    chart.birthMonth = 1;
    chart.birthDay = 3;
    EXPECT_EQ(mansionBirthLine(chart), "1985年1月3日　生まれ");
}

// What the build stages: a diagram and two texts for every mansion 1..28, each text about its own
// mansion and no two alike.
TEST(MansionReading, EveryMansionHasItsStagedPictureAndTexts) {
    const AppPaths paths(SUIMEI_APP_DIR);
    std::set<std::string> meanings, karmas;
    for (int n = 1; n <= 28; ++n) {
        SCOPED_TRACE(n);
        std::string error;
        const auto reading = readMansion(paths, n, &error);
        ASSERT_TRUE(reading) << error;
        std::ifstream bmp(reading->picture, std::ios::binary);
        char magic[2] = {};
        bmp.read(magic, 2);
        EXPECT_EQ(std::string(magic, 2), "BM");
        EXPECT_GT(fs::file_size(reading->picture), 100000u);
        const std::string name = std::string(mansionName(n)) + "宿";
        EXPECT_NE(join(reading->meaning).find(name), std::string::npos);
        EXPECT_NE(join(reading->karma).find(name), std::string::npos);
        EXPECT_TRUE(meanings.insert(join(reading->meaning)).second);
        EXPECT_TRUE(karmas.insert(join(reading->karma)).second);
        // The staged files are CP932 with CRLF, as the other shipped texts.
        const auto bytes = readFileBytes(paths.file(mansionMeaningName(n)));
        ASSERT_TRUE(bytes);
        EXPECT_NE(bytes->find("\r\n"), std::string::npos);
        EXPECT_TRUE(cp932ToUtf8(*bytes));
    }
}

}  // namespace
}  // namespace suimei
