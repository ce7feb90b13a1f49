// The chart's explanation and diagram windows on the desktop with the real engine: the run
// guards of their buttons, what each window draws after a run (as the facts it exposes), the
// override of the favourable elements reaching the chart page, and every window laid out without
// a cut caption. With SUIMEI_SCREENSHOT_DIR set each window is also saved there as a PNG.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "app/ui/app_windows.h"
#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "chart/luck.h"
#include "chart/mandata.h"
#include "chart/ui/branch_diagram_window.h"
#include "chart/ui/chart_windows.h"
#include "chart/ui/element_strength_window.h"
#include "chart/ui/explanation_text_window.h"
#include "chart/ui/favourable_override_window.h"
#include "chart/ui/favourable_rules_window.h"
#include "chart/ui/luck_pages.h"
#include "chart/ui/stem_diagram_window.h"
#include "chart/ui/ten_god_explanation_window.h"
#include "real_main_window_test_base.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

class ChartDiagramWindows : public RealMainWindowTest {
  protected:
    void SetUp() override {
        mainWindow.setToday(QDate(2026, 12, 8));
        installChartWindows(bench);
        installAppWindows(mainWindow, backend, bench);
    }
    // 2000/01/01 01:00-03:00: before 立春 and 小寒, so year 己卯 and month 丙子 (the 子 month of a
    // 己 year: 丙寅 ... 丙子); the day is 戊午; the 丑 hour of a 戊 day is 癸丑.
    //   stems 己 丙 戊 癸: 戊癸 on day–hour, 干合 火;
    //   branches 卯 子 午 丑: 子午 clash on month–day, 子卯 punishment on year–month.
    void runSample() {
        mainWindow.findChild<QLineEdit*>("simei")->setText("山田 花子");
        mainWindow.findChild<QLineEdit*>("birthday")->setText("2000/01/01");
        mainWindow.findChild<QComboBox*>("timeb")->setCurrentText("01:00-03:00");
        mainWindow.findChild<QComboBox*>("sex")->setCurrentText("女");
        mainWindow.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
        const Tmandata& c = runner.chart();
        ASSERT_EQ(c.yearPillar.pillar(), (Pillar{6, 4}));
        ASSERT_EQ(c.monthPillar.pillar(), (Pillar{3, 1}));
        ASSERT_EQ(c.dayPillar.pillar(), (Pillar{5, 7}));
        ASSERT_EQ(c.hourPillar.pillar(), (Pillar{10, 2}));
        notes.notices.clear();
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
    template <typename T>
    T* window(const char* objectName) {
        T* w = mainWindow.findChild<T*>(objectName);
        EXPECT_NE(w, nullptr) << objectName;
        return w;
    }
};

TEST_F(ChartDiagramWindows, GuardsBeforeARun) {
    struct Case {
        const char* button;
        const char* windowName;
        bool needsRun;
    };
    const Case cases[] = {
        {"gogyobtn", "ElementStrengthWindow", true},
        {"tisihlp", "Tgogyo12", true},
        {"kangohlp", "Tgogyo10", false},
        {"tuhenbtn", "TenGodExplanationWindow", false},
        {"yojinbtn", "UsefulGodRulesWindow", false},
        {"yorokobtn", "FavourableRulesWindow", false},
        {"kakubtn", "PatternExplanationWindow", false},
        {"Changek", "FavourableOverrideWindow", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        notes.notices.clear();
        press(c.button);
        auto* w = window<QWidget>(c.windowName);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->isVisible(), !c.needsRun);
        if (c.needsRun) {
            ASSERT_EQ(notes.notices.size(), 1u);
            EXPECT_EQ(notes.notices[0].text, kNotRunYetText);
        } else {
            EXPECT_TRUE(notes.notices.empty());
        }
        w->hide();
    }
    // Before a run the override has no chart to change: every element starts as 忌む神 and a
    // confirmed choice only says that no appraisal has been run.
    press("Changek");
    auto* override = window<FavourableOverrideWindow>();
    for (int e = 1; e <= 5; ++e) EXPECT_TRUE(override->dislikedButton(e)->isChecked());
    override->likedButton(1)->click();
    override->likedButton(2)->click();
    override->findChild<QPushButton*>("okButton")->click();
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kNotRunYetText);
    EXPECT_TRUE(override->isVisible());
}

TEST_F(ChartDiagramWindows, StemDiagramDrawsAllOrTheChartsCombinationAndClears) {
    runSample();
    press("kangohlp");
    auto* stems = window<StemDiagramWindow>();
    stems->findChild<QPushButton*>("allButton")->click();
    EXPECT_EQ(stems->drawnPairs().size(), 5u);
    for (int slot = 1; slot <= 5; ++slot) EXPECT_FALSE(stems->elementBox(slot)->isChecked());

    stems->findChild<QPushButton*>("chartButton")->click();
    ASSERT_EQ(stems->drawnPairs().size(), 1u);
    EXPECT_EQ(stems->drawnPairs()[0].a, 5);   // 戊
    EXPECT_EQ(stems->drawnPairs()[0].b, 10);  // 癸
    EXPECT_TRUE(stems->elementBox(5)->isChecked());
    EXPECT_EQ(stems->elementBox(5)->text(), "火化");
    for (int slot = 1; slot <= 4; ++slot) EXPECT_FALSE(stems->elementBox(slot)->isChecked());

    stems->findChild<QPushButton*>("clearButton")->click();
    EXPECT_TRUE(stems->drawnPairs().empty());
    EXPECT_FALSE(stems->elementBox(5)->isChecked());

    // A new run starts the drawing afresh.
    stems->findChild<QPushButton*>("chartButton")->click();
    mainWindow.okbtnClick();
    EXPECT_TRUE(stems->drawnPairs().empty());
}

TEST_F(ChartDiagramWindows, BranchDiagramTeachingAndChartRows) {
    runSample();
    press("tisihlp");
    auto* branches = window<BranchDiagramWindow>();
    EXPECT_TRUE(branches->isVisible());
    struct Case {
        BranchKind kind;
        bool chartRow;
        std::vector<std::vector<int>> drawn;
    };
    const Case cases[] = {
        {BranchKind::Clash, true, {{1, 7}}},       // 子午
        {BranchKind::Punishment, true, {{1, 4}}},  // 子卯
        {BranchKind::Three, true, {}},
        {BranchKind::Pair, true, {}},  // 子丑 are year... month and hour: not neighbours
        {BranchKind::Directional, false, {{1, 2, 12}, {3, 4, 5}, {6, 7, 8}, {9, 10, 11}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(branchKindName(c.kind)) + (c.chartRow ? " chart" : " teaching"));
        branches->kindButton(c.kind, c.chartRow)->click();
        ASSERT_EQ(branches->drawnGroups().size(), c.drawn.size());
        for (std::size_t i = 0; i < c.drawn.size(); ++i) {
            EXPECT_EQ(branches->drawnGroups()[i].branches, c.drawn[i]);
        }
        // Teaching rows never tick; this chart holds no 三合 or 方合.
        for (int e = 1; e <= 5; ++e) EXPECT_FALSE(branches->elementBox(e)->isChecked());
    }
    branches->findChild<QPushButton*>("clearButton")->click();
    EXPECT_TRUE(branches->drawnGroups().empty());
}

// Day 戊 (土): 日干 戊 ＋, 年干 己 土 ＋, 月干 丙 火 ＋ (火 produces 土), 時干 癸 水 －, 年支 卯 木
// －, 月支 子 水 －, 日支 午 火 ＋, 時支 丑 土 ＋. Lines: 木→土 相剋 red, 火→土 相生 green, 土→水
// 相剋 red. 戊癸 brings forth 火.
TEST_F(ChartDiagramWindows, ElementStrengthShowsTheChartsFacts) {
    runSample();
    press("gogyobtn");
    auto* strength = window<ElementStrengthWindow>();
    ASSERT_TRUE(strength->isVisible());
    const StrengthDiagram& d = strength->facts();
    EXPECT_EQ(d.dayElement, 3);
    ASSERT_EQ(d.positions.size(), 8u);
    const int marks[] = {1, 1, 1, -1, -1, -1, 1, 1};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(d.positions[i].mark, marks[i]) << i;
    ASSERT_EQ(d.lines.size(), 3u);
    EXPECT_EQ(d.lines[0].from, 1);
    EXPECT_EQ(d.lines[0].kind, ElementLineKind::Control);
    EXPECT_TRUE(d.lines[1].gains);
    EXPECT_EQ(d.lines[2].to, 5);
    ASSERT_EQ(d.appeared.size(), 1u);
    EXPECT_EQ(d.appeared[0].element, 2);

    strength->findChild<QPushButton*>("cycleButton")->click();
    EXPECT_TRUE(window<QWidget>("Tgogyo5")->isVisible());
}

TEST_F(ChartDiagramWindows, OverrideRefreshesTheChartPageOrIsRefused) {
    runSample();
    const QString computedLiked = mainWindow.findChild<QLineEdit*>("yorokobu")->text();
    press("Changek");
    auto* override = window<FavourableOverrideWindow>();
    const ElementSlots fav = runner.chart().favourableSlots();
    for (int e = 1; e <= 5; ++e) {
        const bool isFavourable = e == fav[1] || e == fav[2] || e == fav[3];
        EXPECT_EQ(override->likedButton(e)->isChecked(), isFavourable) << e;
    }

    // 木 火 土 金 liked: refused, the window stays and the page keeps its boxes.
    for (int e = 1; e <= 4; ++e) override->likedButton(e)->click();
    override->dislikedButton(5)->click();
    override->findChild<QPushButton*>("okButton")->click();
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].caption, "入力間違いです");
    EXPECT_TRUE(override->isVisible());
    EXPECT_EQ(mainWindow.findChild<QLineEdit*>("yorokobu")->text(), computedLiked);

    // 木 火 only: accepted; stems 己 丙 戊 癸 are marked 土 ×, 火 ○, 土 ×, 水 ×.
    for (int e = 3; e <= 5; ++e) override->dislikedButton(e)->click();
    override->findChild<QPushButton*>("okButton")->click();
    EXPECT_FALSE(override->isVisible());
    EXPECT_EQ(mainWindow.findChild<QLineEdit*>("yorokobu")->text(), "木火");
    EXPECT_EQ(mainWindow.findChild<QLineEdit*>("kirau")->text(), "土金水");
    EXPECT_EQ(mainWindow.findChild<QLabel*>("nenlbl")->text(), "×");
    EXPECT_EQ(mainWindow.findChild<QLabel*>("tukilbl")->text(), "○");
    EXPECT_EQ(mainWindow.findChild<QLabel*>("jilbl")->text(), "×");

    // Reopened, it shows the override; a new run brings back the computed elements.
    press("Changek");
    EXPECT_TRUE(override->likedButton(1)->isChecked());
    EXPECT_TRUE(override->dislikedButton(3)->isChecked());
    mainWindow.okbtnClick();
    EXPECT_EQ(mainWindow.findChild<QLineEdit*>("yorokobu")->text(), computedLiked);
}

// The luck marks of the 実践鑑定 page follow the override: after it they are the engine's marks of
// the overridden chart, and a new run brings back the computed ones.
TEST_F(ChartDiagramWindows, OverrideRefreshesTheLuckMarks) {
    installLuckPages(bench);
    runSample();
    auto shownMarks = [&] {
        std::vector<QString> marks;
        for (int i = 1; i <= 14; ++i) {
            auto* label = mainWindow.findChild<QLabel*>(QString("marudai%1").arg(i));
            if (label) marks.push_back(label->text());
        }
        return marks;
    };
    auto engineMarks = [&] {
        std::vector<QString> marks;
        for (const PracticalLuckColumn& col : practicalLuckColumns(runner.chart())) {
            for (int m : col.marks) marks.push_back(QString::fromUtf8(ratingMark(m).data()));
        }
        return marks;
    };
    const std::vector<QString> computed = shownMarks();
    ASSERT_EQ(computed, engineMarks());

    // The opposite of the computed choice: every liked element becomes disliked and back.
    press("Changek");
    auto* override = window<FavourableOverrideWindow>();
    const ElementSlots fav = runner.chart().favourableSlots();
    int liked = 0;
    for (int e = 1; e <= 5; ++e) {
        const bool wasLiked = e == fav[1] || e == fav[2] || e == fav[3];
        (wasLiked ? override->dislikedButton(e) : override->likedButton(e))->click();
        liked += wasLiked ? 0 : 1;
    }
    ASSERT_LE(liked, 3);
    override->findChild<QPushButton*>("okButton")->click();
    ASSERT_FALSE(override->isVisible()) << notes.lastText();
    const std::vector<QString> overridden = shownMarks();
    EXPECT_EQ(overridden, engineMarks());
    EXPECT_NE(overridden, computed);

    mainWindow.okbtnClick();
    EXPECT_EQ(shownMarks(), computed);
}

TEST_F(ChartDiagramWindows, FixedExplanationsCarryTheirTexts) {
    press("yorokobtn");
    auto* grid = window<FavourableRulesWindow>()->grid();
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), " 格局の種類 ");
    ASSERT_EQ(grid->rowCount(), 6);
    EXPECT_EQ(grid->item(4, 0)->text(), "従財格の喜忌");
    EXPECT_EQ(grid->item(5, 1)->text().count('\n'), 1);
    press("yojinbtn");
    const QStringList lines = window<ExplanationTextWindow>("UsefulGodRulesWindow")->lines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[1].startsWith("  月支蔵干が財星"));
    press("kakubtn");
    EXPECT_EQ(window<ExplanationTextWindow>("PatternExplanationWindow")->windowTitle(),
              "格局の取り方の説明");
}

// Every window after a run: it fits a 1280×1024 screen and no caption is cut off.
TEST_F(ChartDiagramWindows, EveryWindowFitsAndNoCaptionIsCutOff) {
    runSample();
    const char* openers[] = {"tuhenbtn", "kangohlp",  "tisihlp", "gogyobtn", "Tgogyo5",
                             "Changek",  "yorokobtn", "kakubtn", "yojinbtn"};
    const QString shotDir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    for (const char* name : openers) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(mainWindow.registry().open(name));
        QWidget* shown = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != &mainWindow && w->isVisible() && w->parentWidget() == &mainWindow) shown = w;
        }
        ASSERT_NE(shown, nullptr);
        // The drawings as the chart's buttons leave them.
        if (auto* stems = qobject_cast<StemDiagramWindow*>(shown)) {
            stems->findChild<QPushButton*>("chartButton")->click();
        }
        if (auto* branches = qobject_cast<BranchDiagramWindow*>(shown)) {
            branches->kindButton(BranchKind::Clash, true)->click();
        }
        QApplication::processEvents();
        EXPECT_LE(shown->frameGeometry().width(), 1280);
        EXPECT_LE(shown->frameGeometry().height(), 1024);
        QStringList cut;
        for (QWidget* w : shown->findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            const auto* label = qobject_cast<QLabel*>(w);
            if (!(label && !label->wordWrap()) && !qobject_cast<QAbstractButton*>(w)) continue;
            if (w->width() < w->sizeHint().width())
                cut << w->objectName() + " " + w->metaObject()->className();
        }
        EXPECT_TRUE(cut.isEmpty()) << cut.join(", ").toStdString();
        if (!shotDir.isEmpty()) {
            QDir().mkpath(shotDir);
            EXPECT_TRUE(shown->grab().save(shotDir + "/chart_" + name + ".png"));
        }
        shown->hide();
    }
}

}  // namespace
}  // namespace suimei
