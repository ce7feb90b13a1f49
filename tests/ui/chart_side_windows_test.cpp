#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "chart/ui/hidden_stem_window.h"
#include "chart/ui/stage_table_window.h"

namespace suimei {
namespace {

// Row of a branch 1..12 as "stem span stem span stem span" ("-" and "" for an empty slot), or
// for 明朝透派 the three day-range stems and the spans.
QStringList rowOf(const TZokanDBfrm& window, int branch) {
    auto* grid = window.findChild<QTableWidget*>("zokanGrid");
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (auto* box = qobject_cast<QComboBox*>(grid->cellWidget(branch - 1, c))) {
            cells << box->currentText();
        } else {
            cells << (grid->item(branch - 1, c) ? grid->item(branch - 1, c)->text() : "?");
        }
    }
    return cells;
}

TEST(HiddenStemTablesWindow, ShowsTheChosenSchoolsTable) {
    TZokanDBfrm window;
    EXPECT_EQ(window.windowTitle(), "いろいろな蔵干表");
    window.setSchool(1);
    EXPECT_TRUE(window.findChild<QRadioButton*>("zokanRD_item1")->isChecked());
    EXPECT_EQ(rowOf(window, 1), (QStringList{"壬", "10", "癸", "21", "-", ""}));   // 子
    EXPECT_EQ(rowOf(window, 6), (QStringList{"戊", "5", "庚", "9", "丙", "17"}));  // 巳
    window.setSchool(2);
    EXPECT_EQ(rowOf(window, 6), (QStringList{"戊", "7.25", "庚", "7.25", "丙", "16.55"}));
    EXPECT_EQ(rowOf(window, 2), (QStringList{"癸", "9.3", "辛", "3.1", "己", "18.6"}));  // 丑
    window.findChild<QRadioButton*>("zokanRD_item4")->click();
    EXPECT_EQ(window.school(), 4);
    EXPECT_EQ(rowOf(window, 1), (QStringList{"癸", "31", "-", "", "-", ""}));
    EXPECT_EQ(rowOf(window, 12), (QStringList{"甲", "12", "壬", "19", "-", ""}));  // 亥

    // Every stem list box starts with "-" and then names the ten stems.
    auto* box =
        qobject_cast<QComboBox*>(window.findChild<QTableWidget*>("zokanGrid")->cellWidget(0, 0));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 11);
    EXPECT_EQ(box->itemText(0), "-");
    EXPECT_EQ(box->itemText(10), "癸");
}

TEST(HiddenStemTablesWindow, TouhaTableByDayRanges) {
    TZokanDBfrm window;
    window.setSchool(5);
    EXPECT_EQ(window.findChild<QLabel*>("tableTitle")->text(),
              "　節気蔵干表（十干36度区分法）　　透派　");
    auto* grid = window.findChild<QTableWidget*>("zokanGrid");
    ASSERT_EQ(grid->columnCount(), 4);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "節気～６日目まで");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "7～12日まで");
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "13日以降");
    // 子 壬6 癸26: 壬 for the first six days, 癸 from the seventh.
    EXPECT_EQ(rowOf(window, 1), (QStringList{"壬", "癸", "癸", "壬6　癸26"}));
    // 丑 癸12 己19: 癸 up to the twelfth day, 己 from the thirteenth.
    EXPECT_EQ(rowOf(window, 2), (QStringList{"癸", "癸", "己", "癸12　己19"}));
    EXPECT_EQ(rowOf(window, 3), (QStringList{"甲", "甲", "甲", "甲32"}));
    EXPECT_EQ(rowOf(window, 11), (QStringList{"辛", "辛", "戊", "辛12　戊20"}));
}

TEST(HiddenStemTablesWindow, SchoolOutOfRangeShowsNoTableAndCloseHides) {
    TZokanDBfrm window;
    window.setSchool(9);
    EXPECT_EQ(window.school(), -1);
    EXPECT_EQ(window.findChild<QTableWidget*>("zokanGrid")->columnCount(), 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(
            window.findChild<QRadioButton*>("zokanRD_item" + QString::number(i))->isChecked());
    }
    window.show();
    window.findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(window.isVisible());
}

// Rows 甲..癸, columns 子..亥.
QString stageAt(const StageChartWindow& window, int stem, int branch) {
    return window.grid()->item(stem - 1, branch - 1)->text();
}

TEST(StageChartWindow, FollowsTheTwelveStageSchool) {
    StageChartWindow window;
    EXPECT_EQ(window.windowTitle(), "１２運星早見表（それぞれの柱の勢いを見ます）");
    ASSERT_EQ(window.grid()->rowCount(), 10);
    ASSERT_EQ(window.grid()->columnCount(), 12);
    EXPECT_EQ(window.grid()->verticalHeaderItem(1)->text(), "乙");
    EXPECT_EQ(window.grid()->horizontalHeaderItem(11)->text(), "亥");

    window.setStageSchool(0);
    EXPECT_EQ(window.findChild<QLabel*>("schoolLabel")->text(), "十二運星：陽生陰死式");
    EXPECT_EQ(stageAt(window, 1, 12), "長生");  // 甲 at 亥
    EXPECT_EQ(stageAt(window, 1, 4), "帝旺");   // 甲 at 卯
    EXPECT_EQ(stageAt(window, 2, 7), "長生");   // 乙 at 午
    EXPECT_EQ(stageAt(window, 2, 3), "帝旺");   // 乙 at 寅 (backward from 午)
    window.setStageSchool(1);
    EXPECT_EQ(window.findChild<QLabel*>("schoolLabel")->text(), "十二運星：陰陽同一式");
    EXPECT_EQ(stageAt(window, 1, 12), "長生");
    EXPECT_EQ(stageAt(window, 2, 7), "死");
    EXPECT_EQ(stageAt(window, 6, 9), "長生");  // 己 at 申
    window.setStageSchool(2);
    EXPECT_EQ(stageAt(window, 6, 9), "病");
    EXPECT_EQ(stageAt(window, 2, 7), "死");

    window.show();
    window.findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace suimei
