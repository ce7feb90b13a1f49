// The side windows reached through the main window's buttons, attached by each subsystem through
// the window registry.

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <fstream>

#include "app/ui/app_windows.h"
#include "app/ui/graph_weights_window.h"
#include "app/ui/help_window.h"
#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "app/ui/settings_window.h"
#include "app/ui/stage_points_window.h"
#include "app/ui/utility_window.h"
#include "calendar/ui/calendar_windows.h"
#include "calendar/ui/date_input_window.h"
#include "calendar/ui/taiwan_window.h"
#include "calendar/ui/time_difference_window.h"
#include "chart/ui/chart_windows.h"
#include "chart/ui/hidden_stem_window.h"
#include "chart/ui/stage_table_window.h"
#include "desktop/subsystems.h"
#include "readings/ui/month_command_window.h"
#include "readings/ui/reading_table_window.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

class CountingBackend : public AppraisalBackend {
  public:
    int runs = 0;
    bool ran = false;
    AppraisalStatus run(const AppraisalInput&, Notifier&) override {
        ++runs;
        return AppraisalStatus::InvalidDate;
    }
    bool hasRun() const override { return ran; }
    const AppraisalDisplay& display() const override { return display_; }

  private:
    AppraisalDisplay display_;
};

class SideWindowsInstallTest : public ::testing::Test {
  protected:
    void SetUp() override {
        installCalendarWindows(bench);
        installChartWindows(bench);
        installAppWindows(mainWindow, backend, bench);
    }
    void press(const char* name) {
        auto* button = mainWindow.findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    template <typename T>
    T* window() {
        T* w = mainWindow.findChild<T*>();
        EXPECT_NE(w, nullptr);
        return w;
    }

    testing::TempDir dir;
    AppPaths paths{dir.path(), dir.path() / "vorrin80.ini"};
    SettingsStore store{paths};
    Settings settings;
    RecordingNotifier notifier;
    CountingBackend backend;
    AppraisalRunner runner{paths};
    Tmenufrm mainWindow{backend, settings, store, notifier};
    Workbench bench{mainWindow, mainWindow.registry(), settings, store, notifier, paths, runner};
};

TEST_F(SideWindowsInstallTest, CalendarButtonOpensAtTheBirthDateAndOkWritesItBack) {
    mainWindow.setBirthDateText("1959/5/7");
    press("calenbtn");
    auto* dateInput = window<DateInputWindow>();
    EXPECT_TRUE(dateInput->isVisible());
    EXPECT_EQ(dateInput->date(), QDate(1959, 5, 7));
    dateInput->findChild<QCalendarWidget*>("calendar")->setSelectedDate(QDate(1984, 2, 4));
    dateInput->findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(mainWindow.birthDateText(), "1984/02/04");
}

TEST_F(SideWindowsInstallTest, SettingsButtonReloadsTheControlsEachTime) {
    settings.southern = true;
    press("envsetbtn");
    EXPECT_TRUE(window<Tenvsetfrm>()->isVisible());
    EXPECT_TRUE(window<Tenvsetfrm>()->findChild<QCheckBox*>("minami")->isChecked());
}

TEST_F(SideWindowsInstallTest, TimeDifferenceAndStageChartButtons) {
    press("jisabtn");
    EXPECT_TRUE(window<TimeDifferenceWindow>()->isVisible());
    settings.twelveStageSchool = 2;
    press("hounb");
    EXPECT_TRUE(window<StageChartWindow>()->isVisible());
    EXPECT_EQ(window<StageChartWindow>()->stageSchool(), 2);
}

TEST_F(SideWindowsInstallTest, ConfirmingGraphWeightsRunsTheAppraisalAgain) {
    mainWindow.registry().open("Tgraphcalcfrm");
    window<Tgraphcalcfrm>()->findChild<QPushButton*>("confirmButton")->click();
    EXPECT_EQ(backend.runs, 1);
}

// The settings window reaches the chart's and the calendar's windows only through the registry.
TEST_F(SideWindowsInstallTest, SettingsButtonsOpenTheSideWindowsWhichFollowTheSchools) {
    press("envsetbtn");
    auto* settingsWindow = window<Tenvsetfrm>();
    auto item = [&](const char* group, int i) {
        return settingsWindow->findChild<QRadioButton*>(QString("%1_item%2").arg(group).arg(i));
    };
    item("bunyaRD", 4)->click();
    EXPECT_EQ(window<TZokanDBfrm>()->school(), 4);
    item("Un12Radio", 1)->click();
    EXPECT_EQ(window<StageChartWindow>()->stageSchool(), 1);

    settingsWindow->findChild<QPushButton*>("zokanbtn")->click();
    EXPECT_TRUE(window<TZokanDBfrm>()->isVisible());
    settingsWindow->findChild<QPushButton*>("hounb")->click();
    EXPECT_TRUE(window<StageChartWindow>()->isVisible());
    settingsWindow->findChild<QPushButton*>("qrekitwn")->click();
    EXPECT_TRUE(window<TaiwanCalendarWindow>()->isVisible());
}

TEST_F(SideWindowsInstallTest, SavingSettingsRunsTheShownChartAgainAndOnlyThen) {
    press("envsetbtn");
    window<Tenvsetfrm>()->findChild<QPushButton*>("SpeedButton1")->click();
    EXPECT_EQ(backend.runs, 0);  // no chart on screen yet

    backend.ran = true;
    press("envsetbtn");
    window<Tenvsetfrm>()->findChild<QPushButton*>("SpeedButton1")->click();
    EXPECT_EQ(backend.runs, 1);
    // 閉じる keeps the change for this session and does not run.
    press("envsetbtn");
    window<Tenvsetfrm>()->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_EQ(backend.runs, 1);
}

// Every side window opens as a window of its own over the main window, paints its background,
// and closes on Esc.
TEST_F(SideWindowsInstallTest, EverySideWindowOpensCentredAndClosesOnEsc) {
    mainWindow.setGeometry(100, 80, 1012, 728);
    mainWindow.show();
    const char* names[] = {"calenbtn",      "jisabtn",       "envsetbtn",
                           "hounb",         "TZokanDBfrm",   "TaiwanCalendarWindow",
                           "Tgraphcalcfrm", "Tbiosetteifrm", "utybtn"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        QWidget* before = QApplication::activeWindow();
        ASSERT_TRUE(mainWindow.registry().open(name));
        QWidget* shown = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != &mainWindow && w->isVisible() && w->parentWidget() == &mainWindow) shown = w;
        }
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isWindow());
        EXPECT_TRUE(shown->autoFillBackground());
        EXPECT_LE(
            std::abs(shown->frameGeometry().center().x() - mainWindow.frameGeometry().center().x()),
            2);
        QTest::keyClick(shown, Qt::Key_Escape);
        EXPECT_FALSE(shown->isVisible());
        (void)before;
    }
}

TEST_F(SideWindowsInstallTest, MonthCommandAndTableEditorsHaveACloseButtonAndEsc) {
    MonthCommandWindow month(&mainWindow);
    presentSideWindow(&month, &mainWindow);
    ASSERT_TRUE(month.isWindow());
    month.findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(month.isVisible());
    presentSideWindow(&month, &mainWindow);
    QTest::keyClick(&month, Qt::Key_Escape);
    EXPECT_FALSE(month.isVisible());

    // A table editor without its table still closes.
    ReadingTableWindow editor(nullptr, {}, {}, notifier, &mainWindow);
    presentSideWindow(&editor, &mainWindow);
    auto* close = editor.findChild<QPushButton*>("closeButton");
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isEnabled());
    close->click();
    EXPECT_FALSE(editor.isVisible());
}

// A main window over the real engine, the application folder `appDir` (a new empty one if none).
struct RealMainWindow {
    explicit RealMainWindow(std::filesystem::path appDir = {})
        : paths(appDir.empty() ? dir.path() : appDir, dir.path() / "vorrin80.ini") {}
    testing::TempDir dir;
    AppPaths paths;
    SettingsStore store{paths};
    Settings settings;
    RecordingNotifier notifier;
    AppraisalRunner runner{paths};
    RunnerBackend backend{runner};
    Tmenufrm window{backend, settings, store, notifier};
    Workbench bench{window, window.registry(), settings, store, notifier, paths, runner};
};

TEST(WindowRegistry, SeveralSubsystemsReactToAPageBeingShown) {
    WindowRegistry registry;
    std::vector<std::string> heard;
    QObject first;
    QObject second;
    QObject::connect(&registry, &WindowRegistry::pageShown, &first,
                     [&](int page) { heard.push_back("first " + std::to_string(page)); });
    QObject::connect(&registry, &WindowRegistry::pageShown, &second,
                     [&](int page) { heard.push_back("second " + std::to_string(page)); });
    emit registry.pageShown(5);
    EXPECT_EQ(heard, (std::vector<std::string>{"first 5", "second 5"}));
}

TEST(WindowRegistry, OpenersAreReplacedAndRemovedByName) {
    WindowRegistry registry;
    int a = 0;
    int b = 0;
    EXPECT_FALSE(registry.open("x"));
    registry.setOpener("x", [&] { ++a; });
    registry.setOpener("y", [&] { ++b; });
    EXPECT_TRUE(registry.open("x"));
    registry.setOpener("x", [&] { a += 10; });
    registry.open("x");
    EXPECT_EQ(a, 11);
    registry.setOpener("x", nullptr);
    EXPECT_FALSE(registry.hasOpener("x"));
    EXPECT_TRUE(registry.open("y"));
    EXPECT_EQ(b, 1);
}

// Two subsystems installed on a real main window both follow the notebook.
TEST(WindowRegistry, MainWindowTellsEveryListenerWhichPageIsShown) {
    RealMainWindow real;
    Tmenufrm& window = real.window;
    std::vector<int> a;
    std::vector<int> b;
    QObject::connect(&window.registry(), &WindowRegistry::pageShown, &window,
                     [&](int page) { a.push_back(page); });
    QObject::connect(&window.registry(), &WindowRegistry::pageShown, &window,
                     [&](int page) { b.push_back(page); });
    window.notebook()->setCurrentIndex(5);
    window.notebook()->setCurrentIndex(7);
    EXPECT_EQ(a, (std::vector<int>{5, 7}));
    EXPECT_EQ(b, a);
}

TEST(HelpWindowTest, HelpOpensInTheProgramsOwnWindowAndItsLinksStayThere) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.path() / "help");
    std::ofstream(dir.path() / "help" / "index.html")
        << "<html><body><p><a href=\"#c50\">jump</a></p>"
        << "<h2><a name=\"c37\"></a>entry</h2><p>one</p>"
        << "<h2><a name=\"c50\"></a>chart</h2><p>two</p></body></html>";
    const AppPaths paths(dir.path(), dir.path() / "vorrin80.ini");
    const SettingsStore store(paths);
    Settings settings;
    RecordingNotifier notifier;
    CountingBackend backend;
    Tmenufrm window(backend, settings, store, notifier);
    window.setAppDir(QString::fromStdString(dir.path().string()));
    window.findChild<QAbstractButton*>("SpeedButton2")->click();
    auto* help = window.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_TRUE(help->browser()->source().toLocalFile().endsWith("help/index.html"));
    EXPECT_TRUE(help->browser()->toPlainText().contains("entry"));
    EXPECT_EQ(help->browser()->source().fragment(), "c37");
    // A link inside the page, clicked, navigates inside the window.
    QTextBrowser* browser = help->browser();
    const QTextCursor link = browser->document()->find("jump");
    ASSERT_FALSE(link.isNull());
    QTextCursor middle(browser->document());
    middle.setPosition(link.selectionStart() + 2);
    const QPoint at = browser->cursorRect(middle).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(browser->source().toLocalFile().endsWith("help/index.html"));
    EXPECT_EQ(browser->source().fragment(), "c50");
    EXPECT_TRUE(help->findChild<QPushButton*>("backButton")->isEnabled());
    EXPECT_TRUE(notifier.empty());
    help->findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(help->isVisible());
}

TEST(InstallSubsystems, EveryButtonOfTheBarHasItsWindowOrItsOwnAction) {
    RealMainWindow real(std::filesystem::path(SUIMEI_APP_DIR));
    Tmenufrm& window = real.window;
    installSubsystems(window, real.backend, real.bench);
    EXPECT_TRUE(real.notifier.empty());
    for (const char* name : {"calenbtn", "jisabtn", "envsetbtn", "hounb", "utybtn", "tukireibtn",
                             "nencap", "tukicap", "niticap", "tuki2", "SpeedButton1"}) {
        EXPECT_TRUE(window.registry().hasOpener(name)) << name;
    }
    EXPECT_NE(window.menuBar()->findChild<QMenu*>("databasemenu"), nullptr);
}

}  // namespace
}  // namespace suimei
