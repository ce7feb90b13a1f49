// The side windows reached through the main window's buttons.

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/ui/graph_weights_window.h"
#include "app/ui/main_window.h"
#include "app/ui/settings_window.h"
#include "app/ui/settings_window_install.h"
#include "calendar/ui/date_input_window.h"
#include "calendar/ui/time_difference_window.h"
#include "chart/ui/stage_table_window.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

class CountingBackend : public AppraisalBackend {
  public:
    int runs = 0;
    AppraisalStatus run(const AppraisalInput&, Notifier&) override {
        ++runs;
        return AppraisalStatus::InvalidDate;
    }
    bool hasRun() const override { return false; }
    const AppraisalDisplay& display() const override { return display_; }

  private:
    AppraisalDisplay display_;
};

class SideWindowsInstallTest : public ::testing::Test {
  protected:
    void press(const char* name) {
        auto* button = mainWindow.findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    testing::TempDir dir;
    AppPaths paths{dir.path(), dir.path() / "vorrin80.ini"};
    SettingsStore store{paths};
    Settings settings;
    RecordingNotifier notifier;
    CountingBackend backend;
    Tmenufrm mainWindow{backend, settings, store, notifier};
    SideWindows side = installSideWindows(mainWindow, settings, store, notifier, paths);
};

TEST_F(SideWindowsInstallTest, CalendarButtonOpensAtTheBirthDateAndOkWritesItBack) {
    mainWindow.setBirthDateText("1959/5/7");
    press("calenbtn");
    EXPECT_TRUE(side.dateInput->isVisible());
    EXPECT_EQ(side.dateInput->date(), QDate(1959, 5, 7));
    side.dateInput->findChild<QCalendarWidget*>("calendar")->setSelectedDate(QDate(1984, 2, 4));
    side.dateInput->findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(mainWindow.birthDateText(), "1984/02/04");
}

TEST_F(SideWindowsInstallTest, SettingsButtonReloadsTheControlsEachTime) {
    settings.southern = true;
    press("envsetbtn");
    EXPECT_TRUE(side.settings->isVisible());
    EXPECT_TRUE(side.settings->findChild<QCheckBox*>("minami")->isChecked());
}

TEST_F(SideWindowsInstallTest, TimeDifferenceAndStageChartButtons) {
    press("jisabtn");
    EXPECT_TRUE(side.timeDifference->isVisible());
    settings.twelveStageSchool = 2;
    press("hounb");
    EXPECT_TRUE(side.stageChart->isVisible());
    EXPECT_EQ(side.stageChart->stageSchool(), 2);
}

TEST_F(SideWindowsInstallTest, ConfirmingGraphWeightsRunsTheAppraisalAgain) {
    side.graphWeights->show();
    side.graphWeights->findChild<QPushButton*>("confirmButton")->click();
    EXPECT_EQ(backend.runs, 1);
}

}  // namespace
}  // namespace suimei
