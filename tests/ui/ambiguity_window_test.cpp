// The chart page's line about a birth near a boundary, and the window comparing the candidates.

#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "app/birth_ambiguity.h"
#include "app/ui/ambiguity_window.h"
#include "app/ui/app_windows.h"
#include "real_main_window_test_base.h"

namespace suimei {
namespace {

class AmbiguityWindowTest : public RealMainWindowTest {
  protected:
    void SetUp() override {
        mainWindow.setToday(QDate(2026, 12, 8));
        installAppWindows(mainWindow, backend, bench);
    }
    void runClient(const char* slot) {
        mainWindow.findChild<QLineEdit*>("simei")->setText("境目 太郎");
        mainWindow.findChild<QLineEdit*>("birthday")->setText("2000/01/01");
        mainWindow.findChild<QComboBox*>("timeb")->setCurrentText(slot);
        mainWindow.findChild<QComboBox*>("sex")->setCurrentText("男");
        mainWindow.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
    }
    QLabel* line() { return mainWindow.findChild<QLabel*>("ambiguitylbl"); }
    QPushButton* button() { return mainWindow.findChild<QPushButton*>("ambiguitybtn"); }
};

int rowOf(const QTableWidget* grid, const char* title) {
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (grid->verticalHeaderItem(r)->text() == title) return r;
    }
    return -1;
}

// 2000-01-01 00:00-01:00 is worked at 00:31 local time, 29 minutes before the 丑 hour begins.
TEST_F(AmbiguityWindowTest, LineButtonAndTheComparedCandidates) {
    ASSERT_NE(line(), nullptr);
    ASSERT_NE(button(), nullptr);
    EXPECT_TRUE(line()->isHidden()) << "nothing before a run";
    EXPECT_TRUE(button()->isHidden());

    runClient("00:00-01:00");
    EXPECT_FALSE(line()->isHidden());
    EXPECT_FALSE(button()->isHidden());
    EXPECT_EQ(line()->text(), "境界に近い生まれです：時の境目まで 29 分");

    button()->click();
    auto* window = mainWindow.findChild<AmbiguityWindow*>("AmbiguityWindow");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "境界に近い生まれの候補命式");
    const QTableWidget* grid = window->grid();
    ASSERT_EQ(grid->columnCount(), 2);
    EXPECT_TRUE(grid->horizontalHeaderItem(0)->text().startsWith("鑑定どおり"));
    EXPECT_TRUE(grid->horizontalHeaderItem(1)->text().startsWith("丑の刻"));
    const int hour = rowOf(grid, "時柱");
    const int day = rowOf(grid, "日柱");
    ASSERT_GE(hour, 0);
    ASSERT_GE(day, 0);
    EXPECT_EQ(grid->item(hour, 0)->text(), "壬子");
    EXPECT_EQ(grid->item(hour, 1)->text(), "癸丑");
    EXPECT_TRUE(grid->item(hour, 1)->font().bold()) << "a difference is highlighted";
    EXPECT_NE(grid->item(hour, 1)->background(), grid->item(day, 1)->background());
    EXPECT_FALSE(grid->item(day, 1)->font().bold()) << "the same day pillar is not";
    EXPECT_FALSE(grid->item(hour, 0)->font().bold());

    const QString shotDir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    if (!shotDir.isEmpty()) window->grab().save(shotDir + "/ambiguity_window.png");

    window->findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(window->isVisible());

    // 01:00-03:00 is worked at 02:01 local time, an hour from either boundary.
    runClient("01:00-03:00");
    EXPECT_TRUE(line()->isHidden());
    EXPECT_TRUE(button()->isHidden());
}

// An unknown time: one column for the chart as run and one for each period of the list.
TEST_F(AmbiguityWindowTest, UnknownTimeComparesEveryPeriod) {
    runClient("不明の場合");
    EXPECT_EQ(line()->text(), "生まれた時刻が不明です：時柱の候補 13 通り");
    button()->click();
    auto* window = mainWindow.findChild<AmbiguityWindow*>("AmbiguityWindow");
    ASSERT_NE(window, nullptr);
    const QTableWidget* grid = window->grid();
    ASSERT_EQ(grid->columnCount(), 14);
    EXPECT_TRUE(grid->horizontalHeaderItem(13)->text().contains("23:00-00:00"));
    EXPECT_EQ(grid->item(rowOf(grid, "時柱"), 13)->text(), "甲子");
    const QString shotDir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    if (!shotDir.isEmpty()) window->grab().save(shotDir + "/ambiguity_window_unknown.png");
}

}  // namespace
}  // namespace suimei
