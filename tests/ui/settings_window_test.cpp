#include "app/ui/settings_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

class SettingsWindowTest : public ::testing::Test {
  protected:
    template <typename T>
    T* find(const char* name) {
        T* w = window.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QRadioButton* item(const char* group, int i) {
        return find<QRadioButton>((std::string(group) + "_item" + std::to_string(i)).c_str());
    }
    std::string fileText() const { return readFileBytes(ini).value_or(""); }

    testing::TempDir dir;
    std::filesystem::path ini = dir.path() / "vorrin80.ini";
    Settings settings;
    RecordingNotifier notifier;
    Tenvsetfrm window{settings, SettingsStore(ini), notifier};
};

TEST_F(SettingsWindowTest, ItemsComeFromTheSchoolLists) {
    EXPECT_EQ(window.windowTitle(), "蔵干表の指定などの環境設定");
    EXPECT_EQ(item("bunyaRD", 0)->text(), "三命通会");
    EXPECT_EQ(item("bunyaRD", 5)->text(), "明朝透派");
    EXPECT_EQ(item("Un12Radio", 1)->text(), "透派式・・陰陽同一方式で火土で分ける方式");
    EXPECT_EQ(find<QPushButton>("SpeedButton1")->toolTip(),
              "次回の起動時にも設定が有効になります。");
    EXPECT_EQ(find<QPushButton>("BitBtn1")->text(), "閉じる(&C)");
}

TEST_F(SettingsWindowTest, FreshInstallationShowsTheDefaults) {
    EXPECT_TRUE(item("bunyaRD", 1)->isChecked());
    EXPECT_EQ(find<QLabel>("hlplbl")->text(), "原書淵海子平の蔵干表を採用します。");
    EXPECT_TRUE(item("Un12Radio", 0)->isChecked());
    EXPECT_TRUE(item("Qrekibox", 0)->isChecked());
    EXPECT_FALSE(find<QCheckBox>("soundbox")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("minami")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("egarachk")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("koyomichk")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("preciseAstronomy")->isChecked());
    EXPECT_EQ(find<QCheckBox>("preciseAstronomy")->text(), "高精度天文計算");
}

TEST_F(SettingsWindowTest, ControlsChangeTheRunTimeValuesAtOnce) {
    QList<int> chosen;
    QObject::connect(&window, &Tenvsetfrm::hiddenStemSchoolChosen, [&](int s) { chosen << s; });
    item("bunyaRD", 5)->click();
    EXPECT_EQ(settings.hiddenStemSchool, 5);
    EXPECT_EQ(find<QLabel>("hlplbl")->text(), "明朝透派の蔵干表を採用します。");
    item("bunyaRD", 3)->click();
    EXPECT_EQ(find<QLabel>("hlplbl")->text(), "書店で販売している日本教科書的蔵干を採用します。");
    EXPECT_EQ(chosen, (QList<int>{5, 3}));

    item("Un12Radio", 2)->click();
    EXPECT_EQ(settings.twelveStageSchool, 2);
    item("Qrekibox", 1)->click();
    EXPECT_EQ(settings.qrekiBase, 1);
    find<QCheckBox>("minami")->click();
    EXPECT_TRUE(settings.southern);
    find<QCheckBox>("egarachk")->click();
    EXPECT_FALSE(settings.pictures);
    find<QCheckBox>("koyomichk")->click();
    EXPECT_FALSE(settings.astronomicalCalendar);

    // 閉じる(&C) keeps the changes for this run and writes nothing.
    window.show();
    find<QPushButton>("BitBtn1")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(std::filesystem::exists(ini));
    EXPECT_FALSE(SettingsStore(ini).southernInFile());
    EXPECT_TRUE(settings.southern);
}

TEST_F(SettingsWindowTest, SaveWritesTheSevenKeysAndKeepsTheRestOfTheFile) {
    dir.write("vorrin80.ini", "[graph]\r\ndai_higo=+2\r\n[other]\r\nkeep=me\r\n");
    item("bunyaRD", 3)->click();
    item("Un12Radio", 1)->click();
    item("Qrekibox", 1)->click();
    find<QCheckBox>("soundbox")->click();
    find<QCheckBox>("minami")->click();
    find<QCheckBox>("egarachk")->click();
    find<QCheckBox>("preciseAstronomy")->click();
    EXPECT_TRUE(settings.preciseAstronomy);
    window.show();
    find<QPushButton>("SpeedButton1")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(notifier.empty());

    const Settings saved = SettingsStore(ini).load();
    EXPECT_EQ(saved.hiddenStemSchool, 3);
    EXPECT_EQ(saved.twelveStageSchool, 1);
    EXPECT_EQ(saved.qrekiBase, 1);
    EXPECT_FALSE(saved.startupSound);
    EXPECT_TRUE(saved.southern);
    EXPECT_FALSE(saved.pictures);
    EXPECT_TRUE(saved.preciseAstronomy);
    EXPECT_EQ(saved.graph.luckSame, 2);
    const std::string text = fileText();
    EXPECT_NE(text.find("keep=me"), std::string::npos);
    EXPECT_NE(text.find("check=False"), std::string::npos);
    EXPECT_NE(text.find("South=True"), std::string::npos);
    EXPECT_NE(text.find("picture=False"), std::string::npos);
    EXPECT_NE(text.find("[astronomy]\r\nprecise=True\r\n"), std::string::npos);

    // Unticked and saved again, the file says False and the next start reads it so.
    window.show();
    find<QCheckBox>("preciseAstronomy")->click();
    EXPECT_FALSE(settings.preciseAstronomy);
    find<QPushButton>("SpeedButton1")->click();
    EXPECT_NE(fileText().find("precise=False"), std::string::npos);
    EXPECT_FALSE(SettingsStore(ini).load().preciseAstronomy);
}

TEST_F(SettingsWindowTest, ReopeningLoadsTheRunTimeValuesAndTheSoundKeyOfTheFile) {
    dir.write("vorrin80.ini", "[sound]\r\ncheck=False\r\n");
    settings.hiddenStemSchool = 7;  // outside the list: no item is checked
    settings.twelveStageSchool = 2;
    settings.southern = true;
    settings.pictures = false;
    settings.preciseAstronomy = true;
    window.loadControls();
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(item("bunyaRD", i)->isChecked()) << i;
    EXPECT_TRUE(item("Un12Radio", 2)->isChecked());
    EXPECT_TRUE(find<QCheckBox>("soundbox")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("minami")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("egarachk")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("preciseAstronomy")->isChecked());
}

TEST_F(SettingsWindowTest, AFileThatCannotBeWrittenIsReportedAndTheWindowStays) {
    dir.write("blocker", "a file where a folder is needed");
    Tenvsetfrm blocked{settings, SettingsStore(dir.path() / "blocker" / "vorrin80.ini"), notifier};
    blocked.show();
    blocked.findChild<QPushButton*>("SpeedButton1")->click();
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Error);
    EXPECT_TRUE(blocked.isVisible());
}

}  // namespace
}  // namespace suimei
