// The desktop with the real engine: a client typed on page 0, 鑑定 pressed, the chart page and the
// reading pages filled, the heading readings and the month-command window.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <cstdio>

#include "app/settings.h"
#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "readings/ui/reading_windows.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

class DesktopRun : public ::testing::Test {
  protected:
    testing::TempDir dir;
    AppPaths paths{std::filesystem::path(SUIMEI_APP_DIR), dir.path() / "vorrin80.ini"};
    SettingsStore store{paths};
    Settings settings;
    RecordingNotifier notes;
    AppraisalRunner runner{paths};
    RunnerBackend backend{runner};
    Tmenufrm window{backend, settings, store, notes};

    void SetUp() override {
        window.setToday(QDate(2026, 12, 8));
        ASSERT_TRUE(installReadingWindows(
            Workbench{window, window.registry(), settings, store, notes, paths, runner}));
    }

    void typeClient(const char* name, const char* date, const char* slot, const char* sex) {
        window.findChild<QLineEdit*>("simei")->setText(QString::fromUtf8(name));
        window.findChild<QLineEdit*>("birthday")->setText(QString::fromUtf8(date));
        window.findChild<QComboBox*>("timeb")->setCurrentText(QString::fromUtf8(slot));
        window.findChild<QComboBox*>("sex")->setCurrentText(QString::fromUtf8(sex));
    }
};

TEST_F(DesktopRun, AppraisalFillsTheChartAndReadingPages) {
    typeClient("山田 太郎", "1984/2/10", "07:00-09:00", "男");
    QElapsedTimer timer;
    timer.start();
    window.okbtnClick();
    std::printf("appraisal click to filled chart page: %lld ms\n",
                static_cast<long long>(timer.elapsed()));
    ASSERT_TRUE(runner.hasRun());
    auto* notebook = window.findChild<QTabWidget*>("TabbedNotebook1");
    EXPECT_EQ(notebook->currentIndex(), 1);
    EXPECT_EQ(window.findChild<QLineEdit*>("birthday")->text(), QString("1984/02/10"));
    EXPECT_EQ(window.findChild<QLabel*>("kubolbl")->text(), QString::fromUtf8("空亡:申:酉"));
    EXPECT_EQ(window.findChild<QLabel*>("meilbl")->text(), QString::fromUtf8("命宮：亥"));

    // The year page: the year stem 甲 is 比肩 to the 甲 day master, the year branch 子 is 沐浴.
    notebook->setCurrentIndex(2);
    auto* yy1 = window.findChild<QPlainTextEdit*>("yymemo1");
    auto* yy2 = window.findChild<QPlainTextEdit*>("yymemo2");
    ASSERT_TRUE(yy1 && yy2);
    EXPECT_FALSE(yy1->toPlainText().isEmpty());
    EXPECT_FALSE(yy2->toPlainText().isEmpty());
    notebook->setCurrentIndex(4);
    auto* dd = window.findChild<QPlainTextEdit*>("ddcyoukou");
    ASSERT_TRUE(dd);
    EXPECT_FALSE(dd->toPlainText().isEmpty()) << "調候 reading of 春甲";
}

TEST_F(DesktopRun, ReadingPagesStayEmptyBeforeARun) {
    auto* notebook = window.findChild<QTabWidget*>("TabbedNotebook1");
    notebook->setCurrentIndex(3);
    auto* mm1 = window.findChild<QPlainTextEdit*>("mmmemo1");
    ASSERT_TRUE(mm1);
    EXPECT_TRUE(mm1->toPlainText().isEmpty());
}

TEST_F(DesktopRun, HeadingReadingsAndTheMonthCommandWindow) {
    typeClient("山田 太郎", "1984/02/10", "07:00-09:00", "男");
    window.okbtnClick();
    notes.notices.clear();
    // The 月柱 heading reads tukitxt.txt under {3} (寅).
    auto* monthCaption = window.findChild<QAbstractButton*>("tukicap");
    ASSERT_TRUE(monthCaption);
    monthCaption->click();
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_GT(notes.notices[0].text.size(), 30u);
    // The month branch gives its climate reading.
    window.findChild<QAbstractButton*>("tuki2")->click();
    ASSERT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[1].text.rfind("寅月生まれの甲の調候用神：", 0), 0u)
        << notes.notices[1].text;
    auto* tukirei = window.findChild<QAbstractButton*>("tukireibtn");
    ASSERT_TRUE(tukirei);
    tukirei->click();
    auto* monthWindow = window.findChild<QWidget*>("MonthCommandWindow");
    ASSERT_TRUE(monthWindow);
    auto* memo = monthWindow->findChild<QPlainTextEdit*>("Memo1");
    ASSERT_TRUE(memo);
    EXPECT_FALSE(memo->toPlainText().isEmpty());
    auto* menu = window.menuBar()->findChild<QMenu*>("databasemenu");
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->actions().size(), 4);
}

}  // namespace
}  // namespace suimei
