#include "calendar/ui/time_difference_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace suimei {
namespace {

TEST(TimeDifferenceWindow, ShowsFiftyCitiesWithMinutes) {
    TimeDifferenceWindow window;
    EXPECT_EQ(window.windowTitle(), "日本の時差表");
    auto* grid = window.findChild<QTableWidget*>("timeDifferenceGrid");
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 50);
    ASSERT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "地域");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "時差");
    EXPECT_EQ(grid->item(0, 0)->text(), "那覇");
    EXPECT_EQ(grid->item(0, 1)->text(), "-29分");
    EXPECT_EQ(grid->item(36, 0)->text(), "東京");
    EXPECT_EQ(grid->item(36, 1)->text(), "+19分");
    EXPECT_EQ(grid->item(49, 0)->text(), "根室");
    EXPECT_EQ(grid->item(49, 1)->text(), "+42分");
    auto* note = window.findChild<QLabel*>("noteLabel");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), "出生地域の時差を考慮して、入力する時刻を指定して下さい。");
}

TEST(TimeDifferenceWindow, CloseButtonHidesTheWindow) {
    TimeDifferenceWindow window;
    window.show();
    auto* close = window.findChild<QPushButton*>("closeButton");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "閉じる");
    close->click();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace suimei
