#include "app/ui/stage_points_window.h"

#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace suimei {
namespace {

class StagePointsWindowTest : public ::testing::Test {
  protected:
    QSpinBox* edit(int stage) {
        return window.findChild<QSpinBox*>("pointEdit" + QString::number(stage));
    }

    testing::TempDir dir;
    std::filesystem::path ini = dir.path() / "vorrin80.ini";
    RecordingNotifier notifier;
    Settings settings;
    Tbiosetteifrm window{settings, SettingsStore(ini), notifier};
};

TEST_F(StagePointsWindowTest, ItemListNamesEachStageWithItsPoints) {
    EXPECT_EQ(window.windowTitle(), "十二運　点数の変更画面");
    const QStringList items = window.itemList();
    ASSERT_EQ(items.size(), 12);
    EXPECT_EQ(items[0], "7点-長生");
    EXPECT_EQ(items[4], "13点-帝旺");
    EXPECT_EQ(items[7], "0点-死");
    EXPECT_EQ(items[11], "4点-養");
    StagePoints negative = kDefaultStagePoints;
    negative[10] = -5;
    EXPECT_EQ(Tbiosetteifrm::itemList(negative)[9], "-5点-絶");
}

TEST_F(StagePointsWindowTest, EditsShowTheCurrentPointsWhenShown) {
    EXPECT_EQ(edit(1)->value(), 7);
    EXPECT_EQ(edit(12)->value(), 4);
    settings.stagePoints[3] = 40;
    window.show();
    EXPECT_EQ(edit(3)->value(), 40);
}

TEST_F(StagePointsWindowTest, DefaultsButtonRestoresTheTableWithoutStoring) {
    settings.stagePoints.fill(1);
    window.show();
    EXPECT_EQ(edit(5)->value(), 1);
    window.findChild<QPushButton*>("defaultsButton")->click();
    EXPECT_EQ(edit(5)->value(), 13);
    EXPECT_EQ(edit(8)->value(), 0);
    EXPECT_EQ(settings.stagePoints[5], 1);
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(StagePointsWindowTest, RegisterStoresThePointsRemindsAndRebuildsTheList) {
    QStringList rebuilt;
    QObject::connect(&window, &Tbiosetteifrm::pointsRegistered,
                     [&](const QStringList& items) { rebuilt = items; });
    window.show();
    edit(5)->setValue(20);
    edit(12)->setValue(-3);
    window.findChild<QPushButton*>("registerButton")->click();

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(settings.stagePoints[5], 20);
    const Settings saved = SettingsStore(ini).load();
    EXPECT_EQ(saved.stagePoints[5], 20);
    EXPECT_EQ(saved.stagePoints[12], -3);
    EXPECT_EQ(saved.stagePoints[1], 7);
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.lastText(),
              "数値を変更したら、再度鑑定ボタンを押さないと、グラフは更新されません。");
    ASSERT_EQ(rebuilt.size(), 12);
    EXPECT_EQ(rebuilt[4], "20点-帝旺");
    EXPECT_EQ(rebuilt[11], "-3点-養");
}

}  // namespace
}  // namespace suimei
