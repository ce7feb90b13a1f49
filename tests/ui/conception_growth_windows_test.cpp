// The conception-day window and the growth-stage window on the desktop with the real engine: the
// run guard of 天源占, every button of both windows before and after a run, the printed reading
// read back from its PDF, and the refresh after a new run. With SUIMEI_SCREENSHOT_DIR set each
// window is also saved there as a PNG.

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <iostream>

#include "app/ui/main_window.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "methods/ui/conception_growth_windows.h"
#include "methods/ui/conception_window.h"
#include "methods/ui/growth_stage_window.h"
#include "readings/passage_table.h"
#include "real_main_window_test_base.h"
#include "tests/ui/pdf_reading.h"

namespace suimei {
namespace {

// Long enough to wrap on the printed page.
constexpr char kDayPassage[] =
    "己亥の試験用の文章。陰の土が亥の水を受け止めて蓄えるため、人の話をよく聞き、受けた恩を忘れ"
    "ない誠実さがあります。";

class ConceptionGrowthWindows : public RealMainWindowTest {
  protected:
    void SetUp() override {
        mainWindow.setToday(QDate(2026, 12, 8));
        installConceptionGrowthWindows(bench);
        // A table with the day pillar of the sample only: 己亥 has a passage, 辛巳 and 庚寅 none.
        auto table = openReadingTable(paths, ReadingTableKind::ConceptionDay);
        ASSERT_TRUE(table);
        table->append();
        table->setField("item1", "己");
        table->setField("item2", "亥");
        table->setField("memo", kDayPassage);
        ASSERT_TRUE(table->post());
    }
    void run(const char* date) {
        mainWindow.findChild<QLineEdit*>("simei")->setText("山田 花子");
        mainWindow.findChild<QLineEdit*>("birthday")->setText(date);
        mainWindow.findChild<QComboBox*>("timeb")->setCurrentText("07:00-09:00");
        mainWindow.findChild<QComboBox*>("sex")->setCurrentText("女");
        mainWindow.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
        notes.notices.clear();
    }
    template <typename W>
    W* open(const char* button) {
        QElapsedTimer timer;
        timer.start();
        mainWindow.findChild<QAbstractButton*>(button)->click();
        std::cout << "[ timing ] " << button << " opened in " << timer.elapsed() << " ms\n";
        return mainWindow.findChild<W*>();
    }
    void press(QWidget* w, const char* name) {
        auto* button = w->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    void screenshot(QWidget* w, const char* name) {
        const QString shotDir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
        if (!shotDir.isEmpty()) w->grab().save(shotDir + "/" + name + ".png");
    }
};

QString pdfText(const QString& path) {
    QProcess p;
    p.start("pdftotext", {path, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(ConceptionGrowthWindows, ConceptionWaitsForARun) {
    mainWindow.findChild<QAbstractButton*>("tengenbtn")->click();
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kNotRunYetText);
    EXPECT_EQ(mainWindow.findChild<Ttengenfrm*>(), nullptr);
    EXPECT_TRUE(mainWindow.registry().hasOpener("tengenbtn"));
    EXPECT_TRUE(mainWindow.registry().hasOpener("seicyoubtn"));
}

TEST_F(ConceptionGrowthWindows, ConceptionShowsThePriorDayAndAppendsBlocks) {
    run("2001/10/28");
    auto* w = open<Ttengenfrm>("tengenbtn");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), qs("２６５日前の受胎日の鑑定（天源占星術）"));
    EXPECT_EQ(w->label("ymdlbl")->text(), qs("《宿霊日》 2001/2/5"));
    const char* names[6] = {"y10", "y12", "m10", "m12", "d10", "d12"};
    const char* expected[6] = {"辛", "巳", "庚", "寅", "己", "亥"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w->label(names[i])->text(), qs(expected[i])) << names[i];
    EXPECT_TRUE(w->memoLines().isEmpty());

    press(w, "nitibtn");
    EXPECT_EQ(
        w->memoLines(),
        QStringList({qs("■日干支は小性と呼ばれ、初年期から青年期における素質や才能を見ます。"),
                     qs("干支：己亥"), qs(kDayPassage), QString()}));
    press(w, "nitibtn");
    EXPECT_EQ(w->memoLines().size(), 8);
    press(w, "clearbtn");
    EXPECT_TRUE(w->memoLines().isEmpty());
    // No record for 辛巳: the block comes with an empty passage line.
    press(w, "nenbtn");
    ASSERT_EQ(w->memoLines().size(), 4);
    EXPECT_EQ(w->memoLines()[1], qs("干支：辛巳"));
    EXPECT_EQ(w->memoLines()[2], QString());
    press(w, "tukibtn");
    EXPECT_EQ(w->memoLines()[5], qs("干支：庚寅"));
    press(w, "nitibtn");
    screenshot(w, "Ttengenfrm");
    EXPECT_TRUE(notes.notices.empty());

    // プリンタ設定 shows the platform's dialog over the window.
    bool dialogSeen = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogSeen = true;
            dialog->reject();
        }
    });
    press(w, "printsetbtn");
    EXPECT_TRUE(dialogSeen);

    // A new run shows the new client's day and starts the memo afresh.
    run("2001/09/28");
    EXPECT_EQ(w->label("ymdlbl")->text(), qs("《宿霊日》 2001/1/6"));
    EXPECT_EQ(w->label("y10")->text() + w->label("y12")->text(), qs("庚辰"));
    EXPECT_TRUE(w->memoLines().isEmpty());

    press(w, "closebtn");
    EXPECT_FALSE(w->isVisible());
    // Opened again: the same window, the chart shown again.
    EXPECT_EQ(open<Ttengenfrm>("tengenbtn"), w);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ConceptionGrowthWindows, ConceptionPrintsTheMemoWithTheExplanations) {
    run("2001/10/28");
    settings.practitionerName = "東風鑑定所";
    auto* w = open<Ttengenfrm>("tengenbtn");
    ASSERT_NE(w, nullptr);
    press(w, "nitibtn");

    const QString pdf = QString::fromStdString((dir.path() / "tengen.pdf").string());
    ASSERT_TRUE(testing::savedThroughPreview(
        notes, pdf, [&] { press(w, "printbtn"); }, "tengen.pdf"));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kPreviewQuestionText);

    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(qs("山田 花子 様"))) << text.toStdString();
    EXPECT_TRUE(text.contains(qs("【 天源占星術鑑定文章 】")));
    EXPECT_TRUE(text.contains(qs("●未熟児や早産などの場合は、当たりにくい場合があります。")));
    EXPECT_TRUE(text.contains(qs("干支：己亥")));
    EXPECT_TRUE(text.contains(qs("己亥の試験用の文章。")));
    EXPECT_TRUE(text.contains(qs("東風鑑定所")));
}

std::array<QString, kGrowthFeatures> sentences(TSinkaChkForm* w) {
    std::array<QString, kGrowthFeatures> out;
    for (int f = 0; f < kGrowthFeatures; ++f)
        out[static_cast<std::size_t>(f)] = w->sentenceLabel(f)->text();
    return out;
}

TEST_F(ConceptionGrowthWindows, GrowthBeforeARunShowsAHintAndScores) {
    auto* w = open<TSinkaChkForm>("seicyoubtn");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(notes.notices.empty());
    EXPECT_EQ(w->windowTitle(), qs("その人の成長段階による星の意味の変化"));
    EXPECT_TRUE(w->hintLabel()->isVisible());
    for (const QString& s : sentences(w)) EXPECT_TRUE(s.isEmpty());
    EXPECT_EQ(w->overallLevel(), 1);
    EXPECT_EQ(w->totalLabel()->text(), qs("合計点数 15 点／30点満点"));
    EXPECT_EQ(w->findChild<QLabel*>("nen10")->text(), QString());
    EXPECT_EQ(w->findChild<QLabel*>("syukulbl")->text(), qs("宿曜："));

    w->findChild<QRadioButton*>("RadioGroup1_2")->click();
    for (int f = 0; f < kGrowthFeatures; ++f) EXPECT_EQ(w->featureLevel(f), 2);
    const char* labels[5] = {"精神：8点", "能力：8点", "本能：2点", "行動：4点", "人格：8点"};
    for (int f = 0; f < kGrowthFeatures; ++f) EXPECT_EQ(w->scoreLabel(f)->text(), qs(labels[f]));
    EXPECT_EQ(w->totalLabel()->text(), qs("合計点数 30 点／30点満点"));
    w->findChild<QRadioButton*>("R4_0")->click();
    EXPECT_EQ(w->totalLabel()->text(), qs("合計点数 26 点／30点満点"));
    press(w, "closeButton");
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ConceptionGrowthWindows, GrowthAfterARunReadsTheChart) {
    // 2000/01/01 07:00-09:00: day pillar 戊午, so the spirit sentences are those of 戊.
    run("2000/01/01");
    auto* w = open<TSinkaChkForm>("seicyoubtn");
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->hintLabel()->isVisible());
    EXPECT_EQ(w->findChild<QLabel*>("niti10")->text(), qs("戊"));
    EXPECT_EQ(w->findChild<QLabel*>("niti12")->text(), qs("午"));
    EXPECT_TRUE(w->findChild<QLabel*>("tuki10")->text().contains(':'));
    EXPECT_TRUE(w->findChild<QLabel*>("syukulbl")->text().endsWith(qs("宿")));
    EXPECT_EQ(w->sentenceLabel(0)->text(), qs(growthSentence(0, 5, 1)));
    for (const QString& s : sentences(w)) EXPECT_FALSE(s.isEmpty());

    w->findChild<QRadioButton*>("RadioGroup1_2")->click();
    const auto mature = sentences(w);
    EXPECT_EQ(w->totalLabel()->text(), qs("合計点数 30 点／30点満点"));
    // One group changed after the overall level: only its sentence and the scores change.
    w->findChild<QRadioButton*>("R3_0")->click();
    const auto changed = sentences(w);
    for (int f = 0; f < kGrowthFeatures; ++f) {
        if (f == 2) {
            EXPECT_NE(changed[2], mature[2]);
        } else {
            EXPECT_EQ(changed[static_cast<std::size_t>(f)], mature[static_cast<std::size_t>(f)]);
        }
    }
    EXPECT_EQ(w->scoreLabel(2)->text(), qs("本能：0点"));
    EXPECT_EQ(w->totalLabel()->text(), qs("合計点数 28 点／30点満点"));
    screenshot(w, "TSinkaChkForm");

    // A new run applies the overall level to the new chart: 2001/10/28 is 666 days after
    // 2000/01/01 (戊午, 55), so 甲子.
    run("2001/10/28");
    EXPECT_EQ(w->featureLevel(2), 2);
    EXPECT_EQ(w->findChild<QLabel*>("niti10")->text(), qs("甲"));
    EXPECT_EQ(w->sentenceLabel(0)->text(),
              qs("まっすぐな姿勢で生きているので周囲から自然とリーダーに推薦される。"));
    press(w, "closeButton");
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace suimei
