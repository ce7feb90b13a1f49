#include "calendar/ui/date_input_window.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace suimei {
namespace {

class DateInputWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.show();
        calendar = window.findChild<QCalendarWidget*>("calendar");
        previous = window.findChild<QPushButton*>("previousYearButton");
        next = window.findChild<QPushButton*>("nextYearButton");
        era = window.findChild<QLabel*>("eraLabel");
        ASSERT_TRUE(calendar && previous && next && era);
    }
    DateInputWindow window;
    QCalendarWidget* calendar = nullptr;
    QPushButton* previous = nullptr;
    QPushButton* next = nullptr;
    QLabel* era = nullptr;
};

TEST_F(DateInputWindowTest, CaptionHintsAndRange) {
    EXPECT_EQ(window.windowTitle(), "生年月日を入力するカレンダー画面");
    EXPECT_EQ(previous->text(), "前の年");
    EXPECT_EQ(previous->toolTip(), "１年前のカレンダーへ");
    EXPECT_EQ(next->text(), "次の年");
    EXPECT_EQ(next->toolTip(), "１年後のカレンダーへ");
    auto* upDown = window.findChild<QWidget*>("yearUpDown");
    ASSERT_NE(upDown, nullptr);
    EXPECT_EQ(upDown->toolTip(), "ここを押すとカレンダが連続して変化します");
    EXPECT_EQ(calendar->minimumDate(), QDate(1910, 1, 1));
    EXPECT_EQ(calendar->maximumDate(), QDate(2020, 1, 1));
    window.setDate(QDate(1850, 5, 5));
    EXPECT_EQ(window.date(), QDate(1910, 1, 1));
}

TEST_F(DateInputWindowTest, EraLabelAppearsAtTheFirstStepAndFollowsTheYear) {
    window.setDate(QDate(1990, 5, 7));
    EXPECT_FALSE(era->isVisible());
    previous->click();
    EXPECT_TRUE(era->isVisible());
    EXPECT_EQ(window.date(), QDate(1989, 5, 7));
    EXPECT_EQ(era->text(), "平成 1 年");
    previous->click();
    EXPECT_EQ(era->text(), "昭和 63 年");

    window.setDate(QDate(1927, 3, 3));
    previous->click();
    EXPECT_EQ(era->text(), "昭和 1 年");
    previous->click();
    EXPECT_EQ(window.date(), QDate(1925, 3, 3));
    EXPECT_EQ(era->text(), "");
    next->click();
    EXPECT_EQ(era->text(), "昭和 1 年");
}

TEST_F(DateInputWindowTest, UpDownArrowsStepYears) {
    window.setDate(QDate(1970, 8, 15));
    window.findChild<QToolButton*>("yearUpArrow")->click();
    EXPECT_EQ(window.date(), QDate(1971, 8, 15));
    window.findChild<QToolButton*>("yearDownArrow")->click();
    window.findChild<QToolButton*>("yearDownArrow")->click();
    EXPECT_EQ(window.date(), QDate(1969, 8, 15));
    EXPECT_EQ(calendar->yearShown(), 1969);
    EXPECT_EQ(era->text(), "昭和 44 年");
}

TEST_F(DateInputWindowTest, LeapDayStepsToFebruary28AndStepsStopAtTheEnds) {
    window.setDate(QDate(1996, 2, 29));
    next->click();
    EXPECT_EQ(window.date(), QDate(1997, 2, 28));
    window.setDate(QDate(2000, 2, 29));
    previous->click();
    EXPECT_EQ(window.date(), QDate(1999, 2, 28));

    window.setDate(QDate(2019, 6, 15));
    next->click();
    EXPECT_EQ(window.date(), QDate(2020, 1, 1));
    next->click();
    EXPECT_EQ(window.date(), QDate(2020, 1, 1));
    window.setDate(QDate(1910, 3, 1));
    previous->click();
    EXPECT_EQ(window.date(), QDate(1910, 1, 1));
}

TEST_F(DateInputWindowTest, OkHandsOnTheDateAndCancelDoesNot) {
    QStringList chosen;
    QObject::connect(&window, &DateInputWindow::dateChosen,
                     [&](const QString& text) { chosen << text; });
    window.setDate(QDate(1959, 5, 7));
    window.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_FALSE(window.isVisible());

    window.show();
    calendar->setSelectedDate(QDate(1984, 2, 4));
    window.findChild<QPushButton*>("okButton")->click();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.front(), "1984/02/04");
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace suimei
