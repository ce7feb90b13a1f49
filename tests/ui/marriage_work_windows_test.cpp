// The marriage and work windows on the desktop with the real engine and the shipped passages: the
// run guard, every button's passage with its placeholders filled, クリア, 閉じる, a fresh memo at
// each opening, and the printed appraisal read back from its PDF. With SUIMEI_SCREENSHOT_DIR set
// each window, its memo filled, is also saved there as a PNG.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "readings/ui/marriage_work_windows.h"
#include "readings/ui/topic_timing_window.h"
#include "support/temp_dir.h"
#include "tests/ui/pdf_reading.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;

fs::path withShippedPassages(const fs::path& dir) {
    fs::create_directories(dir / "bun");
    fs::copy_file(fs::path(SUIMEI_APP_DIR) / "bun" / "kanteibun1.db",
                  dir / "bun" / "kanteibun1.db");
    return dir;
}

class MarriageWorkWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        mainWindow.setToday(QDate(2026, 12, 8));
        ASSERT_TRUE(installMarriageWorkWindows(bench));
    }
    // 2000/01/01 01:00-03:00, a woman: day pillar 戊午 (day stem 5), so the marriage readings are
    // those of 戊 and the after-marriage reading is a woman's.
    void runSample() {
        mainWindow.findChild<QLineEdit*>("simei")->setText("山田 花子");
        mainWindow.findChild<QLineEdit*>("birthday")->setText("2000/01/01");
        mainWindow.findChild<QComboBox*>("timeb")->setCurrentText("01:00-03:00");
        mainWindow.findChild<QComboBox*>("sex")->setCurrentText("女");
        mainWindow.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
        ASSERT_EQ(runner.chart().dayPillar.stem, 5);
        notes.notices.clear();
    }
    TopicTimingWindow* open(const char* button, const char* windowName) {
        QElapsedTimer timer;
        timer.start();
        mainWindow.findChild<QAbstractButton*>(button)->click();
        std::cout << "[ timing ] " << windowName << " opened in " << timer.elapsed() << " ms\n";
        return mainWindow.findChild<TopicTimingWindow*>(windowName);
    }

    testing::TempDir dir;
    AppPaths paths{withShippedPassages(dir.path()), dir.path() / "vorrin80.ini"};
    SettingsStore store{paths};
    Settings settings;
    RecordingNotifier notes;
    AppraisalRunner runner{paths};
    RunnerBackend backend{runner};
    Tmenufrm mainWindow{backend, settings, store, notes};
    Workbench bench{mainWindow, mainWindow.registry(), settings, store, notes, paths, runner};
};

TEST_F(MarriageWorkWindows, NeitherOpensBeforeARun) {
    for (const char* button : {"kekonbtn", "sigotobtn"}) {
        notes.notices.clear();
        mainWindow.findChild<QAbstractButton*>(button)->click();
        ASSERT_EQ(notes.notices.size(), 1u) << button;
        EXPECT_EQ(notes.notices[0].text, kNotRunYetText);
    }
    EXPECT_EQ(mainWindow.findChild<TopicTimingWindow*>(), nullptr);
}

TEST_F(MarriageWorkWindows, EveryButtonAppendsItsPassageWithThePlaceholdersFilled) {
    runSample();
    // The 癸 year among the ten from now: 1993 was 癸酉, so a 癸 year leaves 9 after 1984 mod 10.
    const int thisYear = QDate::currentDate().year();
    int guiYear = thisYear;
    while ((guiYear - 1984) % 10 != 9) ++guiYear;
    const QString guiText = QString::number(guiYear) + QStringLiteral("年");

    for (const auto& [opener, windowName] :
         {std::pair{"kekonbtn", "Tkekkon"}, std::pair{"sigotobtn", "Tsigoto"}}) {
        SCOPED_TRACE(windowName);
        TopicTimingWindow* w = open(opener, windowName);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->memo()->toPlainText().isEmpty());
        for (const TopicButton& b : topicButtons(w->kind())) {
            const int before = static_cast<int>(w->memoLines().size());
            QPushButton* button = w->button(qs(b.name));
            ASSERT_NE(button, nullptr) << b.name;
            // Two-line captions are not cut.
            EXPECT_GE(button->height(), button->fontMetrics().height() * 2);
            QElapsedTimer timer;
            timer.start();
            button->click();
            std::cout << "[ timing ] " << b.name << " " << timer.nsecsElapsed() / 1000 << " us\n";
            const QStringList lines = w->memoLines();
            const QStringList added = lines.mid(before);
            ASSERT_GE(added.size(), 2) << b.name;
            EXPECT_EQ(added[0], QStringLiteral(" ")) << b.name;
            const QString text = added.join('\n');
            EXPECT_FALSE(text.contains(QStringLiteral("＠"))) << b.name << text.toStdString();
        }
        const QString all = w->memo()->toPlainText();
        EXPECT_TRUE(all.contains(QStringLiteral("山田 花子さん")));
        // Both ten-year readings of 戊 name the year of 癸, the stem that combines with 戊.
        EXPECT_TRUE(all.contains(guiText)) << guiText.toStdString();

        const QString shotDir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
        if (!shotDir.isEmpty()) w->grab().save(shotDir + "/" + windowName + ".png");

        w->findChild<QPushButton*>("clearbtn")->click();
        EXPECT_TRUE(w->memoLines().isEmpty());
        w->button("bman1btn")->click();
        EXPECT_FALSE(w->memoLines().isEmpty());
        // Opening again starts a new window with an empty memo.
        TopicTimingWindow* again = open(opener, windowName);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(mainWindow.findChildren<TopicTimingWindow*>(windowName).size(), 1);
        EXPECT_TRUE(mainWindow.findChild<TopicTimingWindow*>(windowName)->memoLines().isEmpty());
        mainWindow.findChild<TopicTimingWindow*>(windowName)
            ->findChild<QPushButton*>("closebtn")
            ->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(mainWindow.findChild<TopicTimingWindow*>(windowName), nullptr);
    }
    EXPECT_TRUE(notes.notices.empty());
}

QString pdfText(const QString& path) {
    QProcess p;
    p.start("pdftotext", {path, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(MarriageWorkWindows, PrintPutsTheFormsNameAndTheTitleOnThePage) {
    runSample();
    // The printed name is the form's, even when it changed after the run.
    mainWindow.findChild<QLineEdit*>("simei")->setText("鈴木 一郎");
    TopicTimingWindow* w = open("sigotobtn", "Tsigoto");
    ASSERT_NE(w, nullptr);
    w->button("SpeedButton1")->click();
    const QString firstLine = w->memoLines().value(1);
    ASSERT_FALSE(firstLine.isEmpty());

    const QString pdf = QString::fromStdString((dir.path() / "work.pdf").string());
    ASSERT_TRUE(testing::savedThroughPreview(
        notes, pdf, [&] { w->findChild<QPushButton*>("printbtn")->click(); }));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kPreviewQuestionText);

    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("鈴木 一郎 様"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("四柱推命の仕事運に関する総合鑑定")));
    // The memo's first words are on the page (the line may wrap, so only its start).
    EXPECT_TRUE(text.contains(firstLine.left(8))) << firstLine.toStdString();
}

}  // namespace
}  // namespace suimei
