// Pages 5..9 with the real engine: empty before a run, filled after 鑑定, the age button, the grid
// click, the graph chooser, the month steppers and the family memo buttons.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "app/settings.h"
#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "chart/ui/life_graph_page.h"
#include "chart/ui/luck_pages.h"
#include "chart/ui/practical_page.h"
#include "chart/ui/stage_rhythm_page.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

class LuckPages : public ::testing::Test {
  protected:
    testing::TempDir dir;
    AppPaths paths{std::filesystem::path(SUIMEI_APP_DIR), dir.path() / "vorrin80.ini"};
    SettingsStore store{paths};
    Settings settings;
    RecordingNotifier notes;
    AppraisalRunner runner{paths};
    RunnerBackend backend{runner};
    Tmenufrm window{backend, settings, store, notes};
    QTabWidget* notebook = nullptr;

    void SetUp() override {
        window.setToday(QDate(2026, 12, 8));
        installLuckPages(
            Workbench{window, window.registry(), settings, store, notes, paths, runner});
        notebook = window.findChild<QTabWidget*>("TabbedNotebook1");
    }
    void run() {
        // 1984/02/10 07:00-09:00 男: 甲子 丙寅 甲戌 戊辰.
        window.findChild<QLineEdit*>("simei")->setText(QString::fromUtf8("山田 太郎"));
        window.findChild<QLineEdit*>("birthday")->setText("1984/2/10");
        window.findChild<QComboBox*>("timeb")->setCurrentText("07:00-09:00");
        window.findChild<QComboBox*>("sex")->setCurrentText(QString::fromUtf8("男"));
        window.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
    }
    template <typename T>
    T* find(const char* name) {
        return window.findChild<T*>(name);
    }
};

TEST_F(LuckPages, BeforeARunThePagesFillNothingAndSaySo) {
    notebook->setCurrentIndex(5);
    EXPECT_EQ(find<QTableWidget>("dai_hyo")->rowCount(), 0);
    for (const char* status : {"luckstatuslbl", "practicalstatuslbl", "familystatuslbl"}) {
        EXPECT_FALSE(find<QLabel>(status)->isHidden()) << status;
    }
    find<QPushButton>("dai_y1")->click();
    EXPECT_EQ(find<QPushButton>("nen_y1")->text(), "-");
    find<QPushButton>("haiguyabtn")->click();
    EXPECT_TRUE(find<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
}

TEST_F(LuckPages, AgeButtonFillsTheTenYearsAndANewRunClearsThem) {
    run();
    EXPECT_TRUE(find<QLabel>("practicalstatuslbl")->isHidden());
    auto* age = find<QPushButton>("dai_y1");
    EXPECT_NE(age->text(), "-");
    EXPECT_NE(find<QLabel>("marudai1")->text(), "-");
    age->click();
    EXPECT_EQ(find<QPushButton>("nen_y1")->text(), age->text());
    EXPECT_EQ(find<QPushButton>("nen_y10")->text().toInt(), age->text().toInt() + 9);
    EXPECT_TRUE(find<QLabel>("seirekilbl1")->text().endsWith(QString::fromUtf8("年")));
    EXPECT_NE(find<QLabel>("marunen1")->text(), "-");
    auto* page = find<PracticalPage>("PracticalPage");
    EXPECT_EQ(page->record().annualAge[1], age->text().toInt());
    run();
    EXPECT_EQ(find<QPushButton>("nen_y1")->text(), "-");
    EXPECT_EQ(find<QLabel>("marunen1")->text(), "-");
}

TEST_F(LuckPages, GridClickAppendsTheReadingAndClearEmptiesIt) {
    run();
    notebook->setCurrentIndex(5);
    auto* nen = find<QTableWidget>("nen_hyo");
    ASSERT_EQ(nen->columnCount(), 121);
    EXPECT_EQ(nen->item(0, 120)->text(), "2103");
    auto* memo = find<QPlainTextEdit>("daiunmemo");
    emit find<QTableWidget>("dai_hyo")->cellClicked(0, 2);
    EXPECT_TRUE(memo->toPlainText().startsWith(QString::fromUtf8("●")));
    EXPECT_GT(memo->toPlainText().count('\n'), 0) << "the memo3.txt reading follows";
    find<QPushButton>("memoclearbtn")->click();
    EXPECT_TRUE(memo->toPlainText().isEmpty());
}

TEST_F(LuckPages, LifeGraphChooserAndMonthSteppers) {
    run();
    notebook->setCurrentIndex(7);
    auto* life = find<LifeGraphPage>("LifeGraphPage");
    EXPECT_EQ(life->seriesShown(), 5);
    find<QComboBox>("graphsel")->setCurrentIndex(0);
    EXPECT_EQ(life->seriesShown(), 1);
    EXPECT_EQ(find<QLabel>("gogyolbl1")->text(), QString::fromUtf8("木性：気力"));

    auto* stages = find<StageRhythmPage>("StageRhythmPage");
    EXPECT_GE(stages->pointsShown(), 28);
    const QString month = find<QLabel>("bioMMlbl")->text();
    find<QPushButton>("UpDown2up")->click();
    EXPECT_NE(find<QLabel>("bioMMlbl")->text(), month);
    find<QPushButton>("UpDown2down")->click();
    EXPECT_EQ(find<QLabel>("bioMMlbl")->text(), month);
}

TEST_F(LuckPages, FamilyBoxesAndMemoButtons) {
    run();
    EXPECT_EQ(find<QLabel>("roku13")->text(), QString::fromUtf8("甲"));
    EXPECT_EQ(find<QLabel>("roku14")->text(), QString::fromUtf8("己"));
    EXPECT_EQ(find<QLabel>("rokulbl14")->text(), QString::fromUtf8("妻"));
    for (const char* b : {"haiguyabtn", "haigusya2btn", "tencyusatubtn"})
        find<QPushButton>(b)->click();
    const QString text = find<QPlainTextEdit>("Memo1")->toPlainText();
    EXPECT_TRUE(text.contains(QString::fromUtf8("【天冲殺による試練】")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("申酉天冲殺")));
    find<QPushButton>("delbtn")->click();
    EXPECT_TRUE(find<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
    EXPECT_TRUE(window.registry().hasOpener("tuuhenhlpbtn"));
}

}  // namespace
}  // namespace suimei
