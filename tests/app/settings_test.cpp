#include "app/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

void expectFreshInstallation(const Settings& s) {
    EXPECT_EQ(s.hiddenStemSchool, 1);  // 渕海子平
    EXPECT_EQ(s.twelveStageSchool, 0);
    EXPECT_EQ(s.qrekiBase, 0);
    EXPECT_TRUE(s.startupSound);
    EXPECT_FALSE(s.southern);
    EXPECT_TRUE(s.pictures);
    EXPECT_TRUE(s.astronomicalCalendar);
    EXPECT_EQ(s.graph.luckSame, 3);
    EXPECT_EQ(s.graph.luckProduced, 1);
    EXPECT_EQ(s.graph.luckControlled, -2);
    EXPECT_EQ(s.graph.luckControlling, 0);
    EXPECT_EQ(s.graph.luckProducing, -1);
    EXPECT_EQ(s.graph.yearSame, 1);
    const int points[] = {7, 1, 11, 12, 13, 10, 8, 0, 2, 3, 5, 4};  // 長生 .. 養
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(s.stagePoints[k], points[k - 1]) << "stage " << k;
}

TEST(SettingsStore, MissingEmptyTruncatedOrGarbageFileGivesTheDefaults) {
    testing::TempDir dir;
    expectFreshInstallation(SettingsStore(dir.path() / "none" / "vorrin80.ini").load());
    expectFreshInstallation(SettingsStore(dir.write("empty.ini", "")).load());
    expectFreshInstallation(SettingsStore(dir.write("nul.ini", std::string(300, '\0'))).load());
    expectFreshInstallation(
        SettingsStore(dir.write("bin.ini", "\x89PNG\r\n\x1a\n\xff\xfe[\x00]=\x81"s)).load());
    // Cut off inside the second section: what was complete still counts.
    const auto cut = SettingsStore(dir.write("cut.ini", "[zokan]\r\nsyurui=3\r\n[un12sei]\r\nsyu"));
    EXPECT_EQ(cut.load().hiddenStemSchool, 3);
    EXPECT_EQ(cut.load().twelveStageSchool, 0);
    const auto cutValue = SettingsStore(dir.write("cut2.ini", "[12si]\r\nSouth=Tr")).load();
    EXPECT_FALSE(cutValue.southern);
}

TEST(SettingsStore, UnusableValuesFallBackOrClamp) {
    testing::TempDir dir;
    const auto p = dir.write("v.ini",
                             "[zokan]\r\nsyurui=abc\r\n"
                             "[un12sei]\r\nsyurui=3\r\n"
                             "[qreki]\r\nsyurui=-1\r\n"
                             "[sound]\r\ncheck=false\r\n"
                             "[12si]\r\nSouth=TRUE\r\n"
                             "[10kan]\r\npicture=yes\r\n"
                             "[graph]\r\ndai_higo=+9\r\ndai_syoku=\r\ndai_zai=-7\r\n"
                             "dai_kan=2\r\ndai_in=1.5\r\nnen_higo=99999999999\r\n"
                             "houn1=5000\r\nhoun2=-3\r\nhoun3=x\r\n");
    const Settings s = SettingsStore(p).load();
    EXPECT_EQ(s.hiddenStemSchool, 1) << "non-numeric school gives the default";
    EXPECT_EQ(s.twelveStageSchool, 0) << "school outside the list gives the default";
    EXPECT_EQ(s.qrekiBase, 0);
    EXPECT_FALSE(s.startupSound);
    EXPECT_TRUE(s.southern);
    EXPECT_TRUE(s.pictures) << "text other than True/False gives the default";
    EXPECT_EQ(s.graph.luckSame, 4);
    EXPECT_EQ(s.graph.luckProduced, 1);
    EXPECT_EQ(s.graph.luckControlled, -4);
    EXPECT_EQ(s.graph.luckControlling, 0);
    EXPECT_EQ(s.graph.luckProducing, -1);
    EXPECT_EQ(s.graph.yearSame, 1) << "a number too large for int is no number";
    EXPECT_EQ(s.stagePoints[1], 999);
    EXPECT_EQ(s.stagePoints[2], -3);
    EXPECT_EQ(s.stagePoints[3], 11);

    const auto edges = dir.write("e.ini", "[zokan]\r\nsyurui= 5 \r\n[un12sei]\r\nsyurui=+2\r\n");
    EXPECT_EQ(SettingsStore(edges).load().hiddenStemSchool, 5);
    EXPECT_EQ(SettingsStore(edges).load().twelveStageSchool, 2);
}

TEST(SettingsStore, SavedSettingsComeBackOnTheNextStart) {
    testing::TempDir dir;
    const SettingsStore store(dir.path() / "cfg" / "vorrin80.ini");
    Settings s;
    s.hiddenStemSchool = 5;
    s.twelveStageSchool = 2;
    s.qrekiBase = 1;
    s.startupSound = false;
    s.southern = true;
    s.pictures = false;
    s.astronomicalCalendar = false;
    s.preciseAstronomy = true;
    s.graph = {4, 0, -4, -3, 0, 2};
    s.stagePoints = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -12};
    ASSERT_TRUE(store.saveEnvironment(s));
    ASSERT_TRUE(store.saveGraphWeights(s.graph));
    ASSERT_TRUE(store.saveStagePoints(s.stagePoints));
    s.practitionerName = "鑑定処 星見";
    s.practitionerTelephone = "03-1234-5678";
    ASSERT_TRUE(store.savePractitioner(s.practitionerName, s.practitionerTelephone));

    Settings expected = s;
    expected.astronomicalCalendar = true;  // not kept: on at every start
    EXPECT_EQ(store.load(), expected);
}

// A file in which every key the program knows has a value that differs from what is saved, and
// that holds things the program does not know.
const std::string kFullFile =
    "[zokan]\r\nsyurui=0\r\n"
    "[un12sei]\r\nsyurui=1\r\n"
    "[qreki]\r\nsyurui=1\r\n"
    "[sound]\r\ncheck=False\r\n"
    "[12si]\r\nSouth=True\r\n"
    "[10kan]\r\npicture=False\r\n"
    "[astronomy]\r\nprecise=True\r\n"
    "[graph]\r\ndai_higo=+1\r\ndai_syoku=+4\r\ndai_zai=0\r\ndai_kan=-4\r\ndai_in=-4\r\n"
    "nen_higo=+4\r\nhoun1=1\r\nhoun2=2\r\nhoun3=3\r\nhoun4=4\r\nhoun5=5\r\nhoun6=6\r\n"
    "houn7=7\r\nhoun8=8\r\nhoun9=9\r\nhoun10=10\r\nhoun11=11\r\nhoun12=12\r\n"
    "; kept\r\n[foreign]\r\nkey=\x90\x84\x96\xBD\r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// Every cut of a complete file reads without harm: each value is the file's or the default.
TEST(SettingsStore, EveryTruncationOfAFullFileReadsFileValuesOrDefaults) {
    testing::TempDir dir;
    const Settings defaults;
    for (std::size_t cut = 0; cut <= kFullFile.size(); ++cut) {
        const Settings s = SettingsStore(dir.write("cut.ini", kFullFile.substr(0, cut))).load();
        EXPECT_TRUE(s.hiddenStemSchool == 0 || s.hiddenStemSchool == 1) << cut;
        EXPECT_TRUE(s.southern || cut < kFullFile.find("South=True") + 10) << cut;
        // A cut inside the last number leaves a shorter number ("houn12=1"): no way to tell.
        const int p12 = s.stagePoints[12];
        EXPECT_TRUE(p12 == 12 || p12 == 1 || p12 == defaults.stagePoints[12]) << cut;
        EXPECT_TRUE(s.stagePoints[1] == 1 || s.stagePoints[1] == defaults.stagePoints[1]) << cut;
    }
}

TEST(SettingsStore, SettingsSaveWritesOnlyItsSevenKeys) {
    testing::TempDir dir;
    const SettingsStore store(dir.write("v.ini", kFullFile));
    Settings s;  // the defaults, all different from the file
    s.graph.luckSame = 2;
    s.stagePoints[1] = 99;
    ASSERT_TRUE(store.saveEnvironment(s));
    std::string expected = kFullFile;
    expected = replaced(expected, "[zokan]\r\nsyurui=0", "[zokan]\r\nsyurui=1");
    expected = replaced(expected, "[un12sei]\r\nsyurui=1", "[un12sei]\r\nsyurui=0");
    expected = replaced(expected, "[qreki]\r\nsyurui=1", "[qreki]\r\nsyurui=0");
    expected = replaced(expected, "check=False", "check=True");
    expected = replaced(expected, "South=True", "South=False");
    expected = replaced(expected, "picture=False", "picture=True");
    expected = replaced(expected, "precise=True", "precise=False");
    EXPECT_EQ(readFileBytes(store.iniFile()), expected);
}

TEST(SettingsStore, WeightsConfirmationWritesTheSixWeightsOnly) {
    testing::TempDir dir;
    const SettingsStore store(dir.write("v.ini", kFullFile));
    GraphWeights w;  // +3 +1 -2 0 -1, year +1
    w.yearSame = 3;
    ASSERT_TRUE(store.saveGraphWeights(w));
    std::string expected = kFullFile;
    expected = replaced(expected, "dai_higo=+1", "dai_higo=+3");
    expected = replaced(expected, "dai_syoku=+4", "dai_syoku=+1");
    expected = replaced(expected, "dai_zai=0", "dai_zai=-2");
    expected = replaced(expected, "dai_kan=-4", "dai_kan=0");
    expected = replaced(expected, "dai_in=-4", "dai_in=-1");
    expected = replaced(expected, "nen_higo=+4", "nen_higo=+3");  // a changed year weight is kept
    EXPECT_EQ(readFileBytes(store.iniFile()), expected);
}

TEST(SettingsStore, PointsRegistrationWritesTheTwelvePointsOnly) {
    testing::TempDir dir;
    const SettingsStore store(dir.write("v.ini", kFullFile));
    ASSERT_TRUE(store.saveStagePoints(kDefaultStagePoints));
    std::string expected = kFullFile;
    const int points[] = {7, 1, 11, 12, 13, 10, 8, 0, 2, 3, 5, 4};
    for (int k = 12; k >= 1; --k) {  // from 12 down, so "houn1=" does not find "houn10="
        const std::string key = "houn" + std::to_string(k) + "=";
        expected = replaced(expected, key + std::to_string(k) + "\r\n",
                            key + std::to_string(points[k - 1]) + "\r\n");
    }
    EXPECT_EQ(readFileBytes(store.iniFile()), expected);
}

TEST(SettingsStore, SettingsSaveIntoANewFileInTheDocumentedOrder) {
    testing::TempDir dir;
    const SettingsStore store(dir.path() / "new" / "vorrin80.ini");
    ASSERT_TRUE(store.saveEnvironment(Settings{}));
    EXPECT_EQ(readFileBytes(store.iniFile()),
              "[zokan]\r\nsyurui=1\r\n[un12sei]\r\nsyurui=0\r\n[qreki]\r\nsyurui=0\r\n"
              "[sound]\r\ncheck=True\r\n[12si]\r\nSouth=False\r\n[10kan]\r\npicture=True\r\n"
              "[astronomy]\r\nprecise=False\r\n");
}

TEST(SettingsStore, SouthernQuestionFollowsTheFileNotAnUnsavedTick) {
    testing::TempDir dir;
    const SettingsStore store(dir.path() / "vorrin80.ini");
    Settings s = store.load();
    s.southern = true;  // ticked, then 閉じる
    EXPECT_FALSE(store.southernInFile());
    ASSERT_TRUE(store.saveEnvironment(s));
    EXPECT_TRUE(store.southernInFile());

    s.startupSound = false;  // 起動時のサウンドを鳴らさない
    ASSERT_TRUE(store.saveEnvironment(s));
    EXPECT_FALSE(store.startupSoundInFile());
    EXPECT_NE(readFileBytes(store.iniFile())->find("[sound]\r\ncheck=False\r\n"),
              std::string::npos);
}

ChartHandOff sampleChart() {
    ChartHandOff c;
    c.name = "山田花子";
    c.sex = 'F';
    c.elementTallies = {2, 1, 3, 0, 2};
    c.monthActiveHiddenStem = 3;
    c.hour = {5, 7};
    c.day = {1, 1};
    c.month = {3, 3};
    c.year = {1, 1};
    return c;
}

TEST(SettingsStore, HandOffWritesTheUserSectionInCp932AndKeepsTheRest) {
    testing::TempDir dir;
    const SettingsStore store(dir.write("v.ini", kFullFile));
    RecordingNotifier notifier;
    ASSERT_TRUE(store.writeChartHandOff(sampleChart(), notifier));
    EXPECT_TRUE(notifier.empty());
    const std::string user =
        "[user]\r\nname=\x8E\x52\x93\x63\x89\xD4\x8E\x71\r\nsex=F\r\nmoku=2\r\nka=1\r\ndo=3\r\n"
        "kin=0\r\nsui=2\r\nzokan=3\r\njj10=5\r\ndd10=1\r\nmm10=3\r\nyy10=1\r\njj12=7\r\n"
        "dd12=1\r\nmm12=3\r\nyy12=1\r\n";
    EXPECT_EQ(readFileBytes(store.iniFile()), kFullFile + user);

    // A second hand-off rewrites the section in place.
    ChartHandOff other = sampleChart();
    other.sex = 'M';
    other.hour = {};
    ASSERT_TRUE(store.writeChartHandOff(other, notifier));
    std::string expected = kFullFile + user;
    expected = replaced(expected, "sex=F", "sex=M");
    expected = replaced(expected, "jj10=5", "jj10=0");
    expected = replaced(expected, "jj12=7", "jj12=0");
    EXPECT_EQ(readFileBytes(store.iniFile()), expected);
}

TEST(SettingsStore, HandOffBeforeTheFirstAppraisalWritesNothing) {
    testing::TempDir dir;
    const SettingsStore store(dir.path() / "vorrin80.ini");
    RecordingNotifier notifier;
    EXPECT_FALSE(store.writeChartHandOff(ChartHandOff{}, notifier));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Information);
    EXPECT_EQ(notifier.notices[0].text, "まだ診断ボタンが押されていません。");
    EXPECT_FALSE(fs::exists(store.iniFile()));
}

}  // namespace
}  // namespace suimei
