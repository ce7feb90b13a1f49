// The Nine Star Ki windows on the desktop with the real engine and the shipped passages: the run
// guard of 九星気学, the natal boards and their buttons, the star-meaning window, the future
// window with its boxes, marks, refused input and printed document, and both windows following a
// new run. With SUIMEI_SCREENSHOT_DIR set the three windows are also saved there as PNGs.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>

#include <filesystem>
#include <iostream>

#include "core/ui/print_service.h"
#include "methods/nine_star.h"
#include "methods/ui/nine_star_board_view.h"
#include "methods/ui/nine_star_future_window.h"
#include "methods/ui/nine_star_natal_window.h"
#include "methods/ui/nine_star_windows.h"
#include "methods/ui/star_meaning_window.h"
#include "real_main_window_test_base.h"
#include "tests/ui/pdf_reading.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;
using Mark = NineStarBoardView::Mark;

class NineStarWindows : public RealMainWindowTest {
  protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "bun");
        fs::copy_file(fs::path(SUIMEI_APP_DIR) / "bun" / "kanteibun1.db",
                      dir.path() / "bun" / "kanteibun1.db");
        ASSERT_TRUE(installNineStarWindows(bench));
    }
    void run(const char* date, const char* sex) {
        mainWindow.findChild<QLineEdit*>("simei")->setText("山田 花子");
        mainWindow.findChild<QLineEdit*>("birthday")->setText(date);
        mainWindow.findChild<QComboBox*>("timeb")->setCurrentText("07:00-09:00");
        mainWindow.findChild<QComboBox*>("sex")->setCurrentText(sex);
        mainWindow.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
        notes.notices.clear();
    }
    template <class W>
    W* press(QWidget* in, const char* button) {
        QElapsedTimer timer;
        timer.start();
        in->findChild<QAbstractButton*>(button)->click();
        W* w = mainWindow.findChild<W*>();
        std::cout << "[ timing ] " << button << " opened "
                  << (w ? w->objectName().toStdString() : "") << " in " << timer.elapsed()
                  << " ms\n";
        return w;
    }
    void screenshot(QWidget* w, const char* name) {
        const QString shotDir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
        if (!shotDir.isEmpty()) w->grab().save(shotDir + "/" + name + ".png");
    }
    static QColor squareColour(NineStarBoardView* board, int p) {
        return board->square(p)->palette().color(QPalette::Window);
    }
    static bool marked(NineStarBoardView* board, int p, Mark m) {
        return !board->markLabel(p, m)->isHidden();
    }
    void pressIn(QWidget* w, const char* button) {
        w->findChild<QAbstractButton*>(button)->click();
    }
};

TEST_F(NineStarWindows, NothingOpensBeforeARun) {
    mainWindow.findChild<QAbstractButton*>("SpeedButton1")->click();
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].kind, NoticeKind::Warning);
    EXPECT_EQ(notes.notices[0].text, "鑑定実行していません。先に鑑定を行って下さい。");
    EXPECT_EQ(mainWindow.findChild<NineStarNatalWindow*>(), nullptr);
}

TEST_F(NineStarWindows, NatalBoardsPassagesAndButtons) {
    // 15 January 1985: the solar year is still 甲子 (七赤), the month 丁丑 (六白); 七赤 stands in
    // 乾 of the month board.
    run("1985/01/15", "男");
    auto* w = press<NineStarNatalWindow>(&mainWindow, "SpeedButton1");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "九星気学の年月盤");
    EXPECT_EQ(w->yearBoard()->starLabel(5)->text(), "七赤金星");
    EXPECT_EQ(w->yearBoard()->starLabel(1)->text(), "六白金星");
    EXPECT_EQ(w->monthBoard()->starLabel(5)->text(), "六白金星");
    EXPECT_EQ(w->monthBoard()->starLabel(9)->text(), "七赤金星");
    EXPECT_EQ(w->findChild<QLabel*>("nenkanshi")->text(), "甲子");
    EXPECT_EQ(w->findChild<QLabel*>("tukikanshi")->text(), "丁丑");
    for (int p = 1; p <= 9; ++p) {
        EXPECT_EQ(squareColour(w->monthBoard(), p),
                  p == 9 ? QColor(255, 255, 128) : QColor(Qt::white))
            << p;
        EXPECT_EQ(squareColour(w->yearBoard(), p), QColor(Qt::white)) << p;
    }
    // The twelve directions around the board, South on top.
    EXPECT_EQ(w->monthBoard()->branchLabel(7)->text(), "午");
    EXPECT_LT(w->monthBoard()->branchLabel(7)->y(), w->monthBoard()->square(2)->y());
    EXPECT_GT(w->monthBoard()->branchLabel(1)->y(), w->monthBoard()->square(8)->y());

    QStringList memo = w->memoLines();
    ASSERT_EQ(memo.size(), 6);
    EXPECT_TRUE(memo[0].contains("七赤金星")) << memo[0].toStdString();
    EXPECT_TRUE(memo[2].contains("六白金星")) << memo[2].toStdString();
    EXPECT_TRUE(memo[4].startsWith("乾宮傾斜")) << memo[4].toStdString();
    EXPECT_EQ(memo[5], " ");

    pressIn(w, "clearbtn");
    EXPECT_TRUE(w->memoLines().isEmpty());
    pressIn(w, "keisyabtn");
    pressIn(w, "honmeibtn");
    pressIn(w, "getumeibtn");
    memo = w->memoLines();
    ASSERT_EQ(memo.size(), 6);
    EXPECT_TRUE(memo[0].startsWith("乾宮傾斜"));
    EXPECT_TRUE(memo[2].contains("七赤金星"));
    EXPECT_TRUE(memo[4].contains("六白金星"));
    screenshot(w, "nine_star_natal");

    auto* meanings = press<StarMeaningWindow>(w, "kyuseibtn");
    ASSERT_NE(meanings, nullptr);
    EXPECT_TRUE(meanings->isVisible());
    EXPECT_EQ(meanings->starChoice()->count(), 9);
    EXPECT_EQ(meanings->starChoice()->currentText(), "一白水星");
    EXPECT_TRUE(meanings->trades()->toPlainText().startsWith("水を扱う業種"));
    EXPECT_TRUE(meanings->meaningLabel(5)->text().startsWith("支配・制御"));
    meanings->starChoice()->setCurrentIndex(8);
    EXPECT_TRUE(meanings->trades()->toPlainText().startsWith("華やかな業界"));
    screenshot(meanings, "nine_star_meanings");
    pressIn(meanings, "closeButton");
    EXPECT_FALSE(meanings->isVisible());
    // Each opening starts from the first star again.
    press<StarMeaningWindow>(w, "kyuseibtn");
    EXPECT_EQ(meanings->starChoice()->currentIndex(), 0);
    EXPECT_TRUE(notes.notices.empty());

    // Opening the natal window again shows the chart afresh.
    pressIn(w, "clearbtn");
    press<NineStarNatalWindow>(&mainWindow, "SpeedButton1");
    EXPECT_EQ(w->memoLines().size(), 6);
    pressIn(w, "closeButton");
    EXPECT_FALSE(w->isVisible());
}

TEST_F(NineStarWindows, FutureReadingMarksRefusalsAndPrint) {
    run("1985/01/15", "男");
    auto* natal = press<NineStarNatalWindow>(&mainWindow, "SpeedButton1");
    auto* f = press<NineStarFutureWindow>(natal, "miraibtn");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    // Opened on the current month and read at once.
    const QDate today = QDate::currentDate();
    EXPECT_EQ(f->yearBox()->text(), QString::number(today.year()));
    EXPECT_EQ(f->monthBox()->text(), QString::number(today.month()));
    ASSERT_FALSE(f->memoLines().isEmpty());
    EXPECT_EQ(f->memoLines()[0], QStringLiteral("【%1年度の同会法による運勢】").arg(today.year()));

    // March 2025: 二黒 year board, 一白 month board; 七赤 meets in 坎 and in 坤.
    f->yearBox()->setText("2025");
    f->monthBox()->setText("3");
    pressIn(f, "jikkoubtn");
    EXPECT_EQ(f->findChild<QLabel*>("nenmidasi")->text(), "2025年盤 乙巳");
    EXPECT_EQ(f->findChild<QLabel*>("tukimidasi")->text(), "3月盤 己卯");
    NineStarBoardView* year = f->yearBoard();
    NineStarBoardView* month = f->monthBoard();
    EXPECT_EQ(year->starLabel(5)->text(), "ニ黒土星");
    EXPECT_EQ(month->starLabel(5)->text(), "一白水星");
    for (int p = 1; p <= 9; ++p) {
        EXPECT_EQ(marked(year, p, Mark::DarkSword), p == 3) << p;
        EXPECT_EQ(marked(month, p, Mark::DarkSword), p == 8) << p;
        EXPECT_EQ(marked(year, p, Mark::Meeting), p == 8) << p;
        EXPECT_EQ(marked(month, p, Mark::Meeting), p == 3) << p;
        EXPECT_FALSE(marked(year, p, Mark::YearMonthMeeting)) << p;
        EXPECT_EQ(marked(month, p, Mark::YearMonthMeeting), p == 3) << p;
    }
    EXPECT_EQ(month->markLabel(3, Mark::YearMonthMeeting)->toolTip(),
              "八白土星が年盤と月盤で同会しています");
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(year->isBreakDirection(b), b == 12) << b;   // 巳 breaks at 亥
        EXPECT_EQ(month->isBreakDirection(b), b == 10) << b;  // 卯 breaks at 酉
        EXPECT_EQ(year->branchLabel(b)->autoFillBackground(), b == 12) << b;
    }
    EXPECT_EQ(year->branchLabel(12)->palette().color(QPalette::Window), QColor(255, 255, 0));
    const QStringList memo = f->memoLines();
    EXPECT_EQ(memo.first(), "【2025年度の同会法による運勢】");
    EXPECT_TRUE(memo.contains("【3月度の同会法による運勢】"));
    EXPECT_TRUE(memo.last().startsWith("　さらに、八白土星が年盤と月盤で同会していますから"));
    EXPECT_EQ(f->memo()->textCursor().position(), 0);  // scrolled to the top
    screenshot(f, "nine_star_future");

    // A box that is not a year or a month: the message, and nothing changes.
    for (const auto& [y, m] : {std::pair{"2025", "13"}, std::pair{"abc", "3"}, std::pair{"", ""}}) {
        notes.notices.clear();
        f->yearBox()->setText(y);
        f->monthBox()->setText(m);
        pressIn(f, "jikkoubtn");
        ASSERT_EQ(notes.notices.size(), 1u);
        EXPECT_EQ(notes.notices[0].text, "未来予知をしたい年と月を正しく指定して下さい。");
        EXPECT_EQ(f->memoLines(), memo);
        EXPECT_EQ(f->reading()->year, 2025);
        EXPECT_TRUE(marked(year, 3, Mark::DarkSword));
    }
    notes.notices.clear();

    // 2022 and August 2022 are 五黄: no dark sword anywhere.
    f->yearBox()->setText("2022");
    f->monthBox()->setText("8");
    pressIn(f, "jikkoubtn");
    for (int p = 1; p <= 9; ++p) {
        EXPECT_FALSE(marked(year, p, Mark::DarkSword)) << p;
        EXPECT_FALSE(marked(month, p, Mark::DarkSword)) << p;
    }
    EXPECT_FALSE(f->memo()->toPlainText().contains("暗剣殺"));

    // The printed document through the preview's "PDF に保存".
    const QString pdf = QString::fromStdString((dir.path() / "kyusei.pdf").string());
    ASSERT_TRUE(testing::savedThroughPreview(
        notes, pdf, [&] { pressIn(f, "printbtn"); }, "nine_star_document.pdf"));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kPreviewQuestionText);
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    text.waitForFinished(20000);
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"九星気学鑑定書", "山田 花子 様", "年盤（本命）", "2022年盤",
                                 "乾宮傾斜", "【8月度の同会法による運勢】"}) {
        EXPECT_TRUE(printed.contains(QString::fromUtf8(expected))) << expected;
    }

    pressIn(f, "clearbtn");
    EXPECT_TRUE(f->memoLines().isEmpty());
    pressIn(f, "closeButton");
    EXPECT_FALSE(f->isVisible());
}

TEST_F(NineStarWindows, BothWindowsFollowANewRun) {
    run("1985/01/15", "男");
    auto* natal = press<NineStarNatalWindow>(&mainWindow, "SpeedButton1");
    auto* f = press<NineStarFutureWindow>(natal, "miraibtn");
    f->yearBox()->setText("2025");
    f->monthBox()->setText("3");
    pressIn(f, "jikkoubtn");
    ASSERT_TRUE(marked(f->yearBoard(), 8, Mark::Meeting));

    // 20 August 1986, a woman: N = T = 5, her square shown in 乾, her passage that of 兌.
    run("1986/08/20", "女");
    EXPECT_EQ(natal->yearBoard()->starLabel(5)->text(), "五黄土星");
    EXPECT_EQ(squareColour(natal->monthBoard(), 9), QColor(255, 255, 128));
    EXPECT_EQ(squareColour(natal->monthBoard(), 6), QColor(Qt::white));
    ASSERT_EQ(natal->memoLines().size(), 6);
    EXPECT_TRUE(natal->memoLines()[4].startsWith("兌宮傾斜"));
    // 五黄 stands in 艮 of the 2025 year board (二黒 in the centre).
    EXPECT_TRUE(marked(f->yearBoard(), 7, Mark::Meeting));
    EXPECT_FALSE(marked(f->yearBoard(), 8, Mark::Meeting));
    EXPECT_EQ(f->reading()->month, 3);
}

}  // namespace
}  // namespace suimei
