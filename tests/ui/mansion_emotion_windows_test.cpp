// The lunar-mansion window and the two emotion-cycle windows on the desktop with the real engine
// and the shipped data: opening from the main window's buttons, every button and choice of the
// windows, the no-run and missing-file messages, and the printed pages read back from their PDF.
// With SUIMEI_SCREENSHOT_DIR set the windows are also saved there as PNG files, and the printed
// pages as PDF files.

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QChart>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "calendar/old_calendar.h"
#include "chart/mandata.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "methods/mansion_relation.h"
#include "methods/ui/emotion_cycle_window.h"
#include "methods/ui/emotion_score_window.h"
#include "methods/ui/emotion_windows.h"
#include "methods/ui/mansion_window.h"
#include "methods/ui/mansion_windows.h"
#include "print/memo_document.h"
#include "real_main_window_test_base.h"
#include "tests/ui/pdf_reading.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;

// Copies the staged passages, diagrams and mansion texts into the application folder `dir`.
void copyMethodData(const fs::path& dir) {
    const fs::path app(SUIMEI_APP_DIR);
    fs::create_directories(dir / "bun");
    fs::create_directories(dir / "bmp");
    fs::copy_file(app / "bun" / "kanteibun1.db", dir / "bun" / "kanteibun1.db");
    for (int n = 1; n <= 28; ++n) {
        for (const std::string& name :
             {"bmp/QR27-" + std::to_string(n) + ".bmp", "bun/runa" + std::to_string(n) + ".txt",
              "bun/kar" + std::to_string(n) + ".txt"}) {
            fs::copy_file(app / name, dir / name);
        }
    }
}

QString pdfText(const QString& path) {
    QProcess p;
    p.start("pdftotext", {"-layout", path, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void screenshot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name + ".png");
}

class MansionEmotionWindows : public RealMainWindowTest {
  protected:
    void SetUp() override {
        copyMethodData(dir.path());
        mainWindow.setToday(QDate(2026, 12, 8));
        installMansionWindows(bench);
        ASSERT_TRUE(installEmotionWindows(bench));
    }
    // 1984/02/10 07:00-09:00, a man: day 甲戌 (void 申酉), lunar 1/9: 参宿 (4).
    void run(const char* date = "1984/02/10", const char* name = "山田 太郎") {
        mainWindow.findChild<QLineEdit*>("simei")->setText(qs(name));
        mainWindow.findChild<QLineEdit*>("birthday")->setText(qs(date));
        mainWindow.findChild<QComboBox*>("timeb")->setCurrentText("07:00-09:00");
        mainWindow.findChild<QComboBox*>("sex")->setCurrentText(qs("男"));
        mainWindow.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
        notes.notices.clear();
    }
    void press(const char* button) {
        QElapsedTimer timer;
        timer.start();
        mainWindow.findChild<QAbstractButton*>(button)->click();
        std::cout << "[ timing ] " << button << " opened in " << timer.elapsed() << " ms\n";
    }
    MansionWindow* mansion() { return mainWindow.findChild<MansionWindow*>(); }
    EmotionCycleWindow* emotion() { return mainWindow.findChild<EmotionCycleWindow*>(); }
    EmotionScoreWindow* scores() { return mainWindow.findChild<EmotionScoreWindow*>(); }
    // Prints through the preview's "PDF に保存" and returns the page's text.
    QString printToPdf(QPushButton* print, const char* file) {
        const QString pdf = QString::fromStdString((dir.path() / file).string());
        notes.notices.clear();
        if (!testing::savedThroughPreview(
                notes, pdf, [print] { print->click(); }, QString::fromUtf8(file))) {
            return {};
        }
        EXPECT_EQ(notes.lastText(), kPreviewQuestionText);
        return pdfText(pdf);
    }
};

TEST_F(MansionEmotionWindows, MansionBeforeARunSaysThereIsNoMansionYet) {
    press("syukubanbtn");
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kNoMansionText);
    EXPECT_FALSE(mansion()->isVisible());
}

TEST_F(MansionEmotionWindows, MansionWindowShowsTheDiagramTextsAndRelationChoice) {
    run();
    press("syukubanbtn");
    MansionWindow* w = mansion();
    ASSERT_TRUE(w->isVisible());
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(w->windowTitle(), qs("宿曜盤"));
    EXPECT_EQ(w->mansionNumber(), 4);
    ASSERT_EQ(w->tabs()->count(), 3);
    EXPECT_EQ(w->tabs()->tabText(0), qs("宿曜教の人間関係相性図盤"));
    EXPECT_EQ(w->tabs()->tabText(1), qs("宿曜が教える宿星の意味"));
    EXPECT_EQ(w->tabs()->tabText(2), qs("宿曜が教えるあなたのカルマ"));
    EXPECT_TRUE(w->meaningText().startsWith(qs("【参宿】宿星の意味\n")));
    EXPECT_TRUE(w->karmaText().startsWith(qs("【参宿】あなたのカルマ\n")));
    screenshot(w, "mansion-diagram");
    w->tabs()->setCurrentIndex(1);
    screenshot(w, "mansion-meaning");
    w->tabs()->setCurrentIndex(0);

    // The first kind is chosen at first; each choice shows its own explanation.
    const auto radios = w->findChild<QWidget*>("relationGroup")->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), kMansionRelationKindCount);
    EXPECT_TRUE(radios[0]->isChecked());
    EXPECT_EQ(w->relationExplanation(),
              qs(mansionRelationKindExplanation(MansionRelationKind::EiShin)));
    for (int k = kMansionRelationKindCount - 1; k >= 0; --k) {
        radios[k]->click();
        const auto kind = static_cast<MansionRelationKind>(k);
        EXPECT_EQ(radios[k]->text(), qs(mansionRelationKindCaption(kind)));
        EXPECT_EQ(w->relationExplanation(), qs(mansionRelationKindExplanation(kind)));
    }

    // A run for another client, of another mansion, fills the open window again.
    run("1990/06/15", "鈴木 一郎");
    EXPECT_NE(w->mansionNumber(), 4);
    EXPECT_EQ(w->mansionNumber(), runner.chart().mansionNumber);
    EXPECT_TRUE(
        w->meaningText().contains(qs(std::string(mansionName(w->mansionNumber()))) + qs("宿")));
    w->findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(MansionEmotionWindows, MissingMansionFileIsNamedAndTheWindowStaysShut) {
    run();
    fs::remove(dir.path() / "bun" / "kar4.txt");
    press("syukubanbtn");
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].kind, NoticeKind::Error);
    EXPECT_EQ(notes.notices[0].text, "bun/kar4.txt が見つかりません。");
    EXPECT_FALSE(mansion()->isVisible());
    fs::remove(dir.path() / "bmp" / "QR27-4.bmp");
    press("syukubanbtn");
    EXPECT_EQ(notes.lastText(), "bmp/QR27-4.bmp が見つかりません。");
    EXPECT_FALSE(mansion()->isVisible());
}

TEST_F(MansionEmotionWindows, MansionPrintsTheChosenTextOnOnePage) {
    run();
    press("syukubanbtn");
    MansionWindow* w = mansion();
    auto* print = w->findChild<QPushButton*>("printbtn");
    const QString meaning = printToPdf(print, "meaning.pdf");
    EXPECT_TRUE(meaning.contains(qs("山田 太郎 様"))) << meaning.toStdString();
    // pdftotext gives the full-width blank as blanks.
    EXPECT_TRUE(meaning.contains(QRegularExpression(qs("1984年2月10日\\s+生まれ"))));
    EXPECT_TRUE(meaning.contains(qs("宿曜が教える宿星の意味")));
    EXPECT_TRUE(meaning.contains(qs("参宿は双女宮に属し")));
    EXPECT_TRUE(meaning.contains(qs(print::kMakerNotice)));
    EXPECT_FALSE(meaning.contains(qs("あなたのカルマ")));

    for (auto* radio : w->findChildren<QRadioButton*>()) {
        if (radio->text() == qs("カルマの印刷")) radio->click();
    }
    const QString karma = printToPdf(print, "karma.pdf");
    EXPECT_TRUE(karma.contains(qs("宿曜が教えるあなたのカルマ"))) << karma.toStdString();
    EXPECT_FALSE(karma.contains(qs("参宿は双女宮に属し")));

    // No to the preview question prints at once: one page.
    int pages = 0;
    PrintService::instance(notes).setDirectPrinter([&](const QString&, int n) {
        pages = n;
        return true;
    });
    notes.answer = false;
    print->click();
    PrintService::instance(notes).setDirectPrinter(nullptr);
    EXPECT_EQ(pages, 1);
}

TEST_F(MansionEmotionWindows, EmotionCycleWindowReadsTheChosenDate) {
    // The main window refuses 感情周期 before a run; opened by its own name it writes nothing.
    press("mdaybtn");
    EXPECT_EQ(notes.lastText(), kNotRunYetText);
    mainWindow.registry().open("EmotionCycleWindow");
    EXPECT_TRUE(emotion()->yearText().isEmpty());
    emotion()->close();
    run();
    press("mdaybtn");
    EmotionCycleWindow* w = emotion();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), qs("毎月毎日の通変星による感情周期説"));
    EXPECT_EQ(w->calendar()->selectedDate(), QDate::currentDate());
    EXPECT_TRUE(w->yearText().contains(qs("」年の１年間の感情周期は、「")));
    EXPECT_FALSE(scores()->isVisible());

    // A click on 2000-01-03 (庚申, void for the 甲戌 day): 偏官 with the void addition.
    w->calendar()->setSelectedDate(QDate(2000, 1, 3));
    QElapsedTimer timer;
    timer.start();
    emit w->calendar()->clicked(QDate(2000, 1, 3));
    std::cout << "[ timing ] date click " << timer.nsecsElapsed() / 1000 << " us\n";
    EXPECT_TRUE(
        w->dayText().startsWith(qs("「丙子」月「庚申」日 の１日の感情周期は、「偏官」です。\n")));
    EXPECT_TRUE(w->dayText().contains(qs("また、この期間は空亡していますので、")));
    EXPECT_TRUE(w->yearText().startsWith(qs("「己卯」年の１年間の感情周期は、「正財」です。")));
    EXPECT_FALSE(w->yearText().contains(qs("空亡")));
    EXPECT_TRUE(w->monthText().startsWith(qs("「己卯」年「丙子」月　の１ヶ月")));
    screenshot(w, "emotion-cycle");

    w->findChild<QPushButton*>("scorebtn")->click();
    EmotionScoreWindow* s = scores();
    ASSERT_TRUE(s->isVisible());
    EXPECT_EQ(s->yearChart()->title(), qs("2000年の1年間の感情安定度数の変化"));
    EXPECT_EQ(s->monthChart()->title(), qs("1月の1カ月間の感情安定度数の変化"));
    EXPECT_EQ(s->yearPoints(), (std::vector<double>{3, 7, 9, 6, 10, 5, 8, 4, 1, 7, 3, 7}));
    EXPECT_EQ(s->monthPoints().size(), 31u);
    EXPECT_EQ(s->monthPoints()[2], 6);
    EXPECT_TRUE(s->legendText().startsWith(qs("比肩：４点 劫財：１点 食神：７点")));
    EXPECT_TRUE(s->legendText().endsWith(qs("偏印：５点 印綬：８点")));
    EXPECT_EQ(s->explanationText().split('\n').size(), 10);
    screenshot(s, "emotion-scores");

    // A leap February has 29 days; the open score window follows the date.
    w->calendar()->setSelectedDate(QDate(2024, 2, 10));
    emit w->calendar()->clicked(QDate(2024, 2, 10));
    EXPECT_EQ(s->monthPoints().size(), 29u);
    EXPECT_EQ(s->monthChart()->title(), qs("2月の1カ月間の感情安定度数の変化"));
    s->findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(s->isVisible());

    // Opening again clears and reads the calendar's current date.
    press("mdaybtn");
    EXPECT_TRUE(w->monthText().contains(qs("「甲辰」年「丙寅」月")));
    w->findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(notes.empty());
}

TEST_F(MansionEmotionWindows, EmotionCyclePrintsItsThreeTexts) {
    run();
    press("mdaybtn");
    emotion()->showDate(QDate(2000, 1, 3));
    const QString text = printToPdf(emotion()->findChild<QPushButton*>("printbtn"), "emotion.pdf");
    EXPECT_TRUE(text.contains(qs("山田 太郎 様"))) << text.toStdString();
    EXPECT_TRUE(text.contains(qs("毎月毎日の通変星による感情周期説")));
    for (const char* heading : {"【年間の感情周期】", "【月間の感情周期】", "【一日の感情周期】"}) {
        EXPECT_TRUE(text.contains(qs(heading))) << heading;
    }
    EXPECT_TRUE(text.contains(qs("「偏官」です。")));
}

}  // namespace
}  // namespace suimei
