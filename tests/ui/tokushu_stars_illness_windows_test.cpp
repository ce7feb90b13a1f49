// The 特殊星 window and the illness window (with its examples page) on a main window over
// the real engine: the run guard, the grid of two real charts, every button, the food choice made
// twice, printing read back from the PDF. With SUIMEI_SCREENSHOT_DIR set each window is also
// saved there as a PNG.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <iostream>

#include "app/ui/main_window.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "desktop/subsystems.h"
#include "methods/illness.h"
#include "methods/ui/illness_examples_window.h"
#include "methods/ui/illness_window.h"
#include "methods/ui/star_illness_windows.h"
#include "methods/ui/tokushu_stars_window.h"
#include "real_main_window_test_base.h"
#include "tests/ui/pdf_reading.h"

namespace suimei {
namespace {

void saveShot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name + ".png");
}

class StarIllnessWindows : public RealMainWindowTest {
  protected:
    void SetUp() override {
        mainWindow.setToday(QDate(2026, 12, 8));
        installTokushuStarAndIllnessWindows(bench);
    }
    void run(const char* date, const char* slot) {
        mainWindow.findChild<QLineEdit*>("simei")->setText("山田 花子");
        mainWindow.findChild<QLineEdit*>("birthday")->setText(date);
        mainWindow.findChild<QComboBox*>("timeb")->setCurrentText(slot);
        mainWindow.findChild<QComboBox*>("sex")->setCurrentText("女");
        mainWindow.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
        notes.notices.clear();
    }
    template <class W>
    W* press(const char* button, const char* windowName) {
        QElapsedTimer timer;
        timer.start();
        mainWindow.findChild<QAbstractButton*>(button)->click();
        const qint64 ms = timer.elapsed();
        std::cout << "[ timing ] " << windowName << " opened in " << ms << " ms\n";
        return mainWindow.findChild<W*>(windowName);
    }
    static QStringList rowsOf(QTableWidget* grid) {
        QStringList rows;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QTableWidgetItem* pillar = grid->item(r, 0);
            QTableWidgetItem* star = grid->item(r, 1);
            if (!pillar && !star) continue;
            rows << (pillar ? pillar->text() : QString()) + " " + (star ? star->text() : QString());
        }
        return rows;
    }
};

TEST_F(StarIllnessWindows, NeitherOpensBeforeARun) {
    for (const char* button : {"tokubtn", "byoukibtn"}) {
        notes.notices.clear();
        mainWindow.findChild<QAbstractButton*>(button)->click();
        ASSERT_EQ(notes.notices.size(), 1u) << button;
        EXPECT_EQ(notes.notices[0].kind, NoticeKind::Warning);
        EXPECT_EQ(notes.notices[0].text, kNotRunYetText);
    }
    EXPECT_FALSE(mainWindow.findChild<Ttokufrm*>()->isVisible());
    EXPECT_EQ(mainWindow.findChild<Tbyoukifrm*>(), nullptr);
    // Reached by their own names before a run, both show an empty chart without harm.
    ASSERT_TRUE(mainWindow.registry().open("Ttokufrm"));
    EXPECT_TRUE(rowsOf(mainWindow.findChild<Ttokufrm*>()->grid()).isEmpty());
    ASSERT_TRUE(mainWindow.registry().open("Tbyoukifrm"));
    EXPECT_EQ(mainWindow.findChild<Tbyoukifrm*>()->memoLines().value(7),
              QStringLiteral("○五行エネルギーの最強は、水性です。"));
}

// 2000/01/09 07:00-09:00 is 己卯 丁丑 丙寅 壬辰: 紅艶 on the day, 大極貴人 on the year. 2000/01/01
// 01:00-03:00 is 己卯 丙子 戊午 癸丑: 羊刃 (戊→午) on the day, 飛神 (戊→子) on the month,
// 天官貴人 (戊→卯) on the year.
TEST_F(StarIllnessWindows, TheGridShowsTheStarsOfTheCurrentChartEachTime) {
    run("2000/01/09", "07:00-09:00");
    auto* w = press<Ttokufrm>("tokubtn", "Ttokufrm");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("特殊星の鑑定"));
    QTableWidget* grid = w->findChild<QTableWidget*>("SG1");
    ASSERT_EQ(grid, w->grid());
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->rowCount(), 30);
    EXPECT_EQ(grid->columnWidth(0), 70);
    EXPECT_EQ(grid->columnWidth(1), 389);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("柱の位置"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("特殊星とその意味"));
    EXPECT_EQ(rowsOf(grid), (QStringList{QStringLiteral("日柱 紅艶：愛嬌星,色気星"),
                                         QStringLiteral("年柱 大極貴人：力と発展の星")}));
    saveShot(w, "Ttokufrm");

    // A new run while the window is open shows the new chart; nothing of the old one stays.
    run("2000/01/01", "01:00-03:00");
    const QStringList second = {QStringLiteral("日柱 羊刃：激しい気性と闘争心"),
                                QStringLiteral("月柱 飛神：言葉にトゲ・陰湿"),
                                QStringLiteral("年柱 天官貴人：官史・出世の星")};
    EXPECT_EQ(rowsOf(grid), second);

    w->findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(w->isVisible());
    run("2000/01/09", "07:00-09:00");
    EXPECT_EQ(rowsOf(grid), second);  // hidden: found again when shown
    EXPECT_EQ(press<Ttokufrm>("tokubtn", "Ttokufrm"), w);
    EXPECT_EQ(rowsOf(grid).size(), 2);
    EXPECT_TRUE(notes.notices.empty());
}

TEST_F(StarIllnessWindows, DocumentPrintOpensItsWindowOrSaysItIsMissing) {
    run("2000/01/09", "07:00-09:00");
    auto* w = press<Ttokufrm>("tokubtn", "Ttokufrm");
    ASSERT_NE(w, nullptr);
    QPushButton* print = w->findChild<QPushButton*>("kanteisyobtn");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("鑑定書印刷"));
    print->click();
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kNoDocumentPrintText);

    int opened = 0;
    mainWindow.registry().setOpener("printbtn", [&] { ++opened; });
    notes.notices.clear();
    print->click();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(notes.notices.empty());
}

QString pdfText(const QString& path) {
    QProcess p;
    p.start("pdftotext", {path, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Chooses item `index` of the combo as a user does: opens the list and presses Enter on the item.
void choose(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    combo->hidePopup();
}

TEST_F(StarIllnessWindows, IllnessWindowComposesAppendsFoodsClearsAndPrints) {
    run("2000/01/09", "07:00-09:00");
    auto* w = press<Tbyoukifrm>("byoukibtn", "Tbyoukifrm");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("病気は五行のバランスのくづれである（臓器学説）"));
    for (int e = 1; e <= 5; ++e) {
        QLabel* label = w->findChild<QLabel*>(QStringLiteral("Label%1").arg(e));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), qs(illnessOrganLine(e)));
    }
    // This client's energies: 木 0 火 4 土 4 金 0 水 9.
    const QStringList basic = w->memoLines();
    ASSERT_EQ(basic.size(), 10);
    EXPECT_EQ(basic[0],
              QStringLiteral("●東洋医学では、五行に人間の生理的作用を分類して病気を見ます。"));
    EXPECT_EQ(basic[7], QStringLiteral("○五行エネルギーの最強は、水性です。"));
    EXPECT_EQ(basic[8], QStringLiteral("○五行エネルギーの最弱は、木性です。"));

    // The reader's edits stay until the basic text is composed again.
    w->memo()->appendPlainText(QStringLiteral("相談：胃の調子"));
    w->findChild<QPushButton*>("kihonbtn")->click();
    EXPECT_EQ(w->memoLines(), basic);

    // The same food chosen twice appends its two lines twice.
    QComboBox* food = w->foodChoice();
    ASSERT_EQ(food->count(), 5);
    EXPECT_EQ(food->itemText(0), QStringLiteral("木性の食物"));
    EXPECT_EQ(food->itemText(4), QStringLiteral("水性の食物"));
    choose(food, 2);
    choose(food, 2);
    const QStringList withFood = w->memoLines();
    ASSERT_EQ(withFood.size(), 14);
    const QString tsuchinoe = qs(illnessFoodLine(5));
    const QString tsuchinoto = qs(illnessFoodLine(6));
    EXPECT_EQ(withFood.mid(10), (QStringList{tsuchinoe, tsuchinoto, tsuchinoe, tsuchinoto}));
    saveShot(w, "Tbyoukifrm");

    // Printed: the name, the title, the memo and the practitioner's footer.
    settings.practitionerName = "鑑定処 星見";
    settings.practitionerTelephone = "03-1234-5678";
    const QString pdf = QString::fromStdString((dir.path() / "illness.pdf").string());
    ASSERT_TRUE(testing::savedThroughPreview(
        notes, pdf, [&] { w->findChild<QPushButton*>("insatubtn")->click(); }, "illness.pdf"));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kPreviewQuestionText);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("山田 花子 様"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("【 四柱推命 臓器学説 鑑定文章 】")));
    EXPECT_TRUE(text.contains(QStringLiteral("○五行エネルギーの最弱は、木性です。")));
    EXPECT_TRUE(text.contains(QStringLiteral("○戊を補助する食物：ソバ")));
    EXPECT_TRUE(text.contains(QStringLiteral("鑑定処 星見")));

    w->findChild<QPushButton*>("delbtn")->click();
    EXPECT_TRUE(w->memoLines().isEmpty());
    choose(food, 0);
    EXPECT_EQ(w->memoLines(), (QStringList{qs(illnessFoodLine(1)), qs(illnessFoodLine(2))}));
}

TEST_F(StarIllnessWindows, ExamplesPageAndReopeningTheIllnessWindow) {
    run("2000/01/09", "07:00-09:00");
    auto* w = press<Tbyoukifrm>("byoukibtn", "Tbyoukifrm");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->examples(), nullptr);
    w->findChild<QPushButton*>("reibtn")->click();
    Tbyokifrm2* examples = w->examples();
    ASSERT_NE(examples, nullptr);
    EXPECT_TRUE(examples->isVisible());
    EXPECT_EQ(examples->windowTitle(), QStringLiteral("病気の具体的な例"));
    const QString page = examples->page()->toPlainText();
    EXPECT_TRUE(page.contains(QStringLiteral("(1)五行の木が強く土を剋している場合")));
    EXPECT_TRUE(page.contains(QStringLiteral("日干が土で弱い場合、消化器の病気になりやすい。")));
    EXPECT_TRUE(page.contains(QStringLiteral("(10)五行の水が弱い場合")));
    saveShot(examples, "Tbyokifrm2");
    examples->findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(examples->isVisible());

    // Pressed again while open: the same window with the reader's edits.
    w->memo()->appendPlainText(QStringLiteral("相談メモ"));
    EXPECT_EQ(press<Tbyoukifrm>("byoukibtn", "Tbyoukifrm"), w);
    EXPECT_TRUE(w->memo()->toPlainText().endsWith(QStringLiteral("相談メモ")));

    // Closed and opened after another run: a new window with the new chart's text.
    w->findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(w->isVisible());
    run("2000/01/01", "01:00-03:00");
    mainWindow.findChild<QAbstractButton*>("byoukibtn")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto windows = mainWindow.findChildren<Tbyoukifrm*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_FALSE(windows[0]->memo()->toPlainText().contains(QStringLiteral("相談メモ")));
    const ElementArray& points = runner.chart().elementPoints;
    EXPECT_EQ(windows[0]->memoLines().value(7),
              qs("○五行エネルギーの最強は、" +
                 std::string(elementName(elementsByEnergy(points)[4])) + "性です。"));
    EXPECT_TRUE(notes.notices.empty());
}

// The desktop installs both windows with the other subsystems.
class StarIllnessInstall : public RealMainWindowTest {};

TEST_F(StarIllnessInstall, TheDesktopAttachesBothWindows) {
    installSubsystems(mainWindow, backend, bench);
    EXPECT_TRUE(mainWindow.registry().hasOpener("tokubtn"));
    EXPECT_TRUE(mainWindow.registry().hasOpener("byoukibtn"));
    // The star window is made at once but stays out of sight when the main window appears.
    mainWindow.show();
    auto* stars = mainWindow.findChild<Ttokufrm*>();
    ASSERT_NE(stars, nullptr);
    EXPECT_TRUE(stars->isWindow());
    EXPECT_FALSE(stars->isVisible());
    mainWindow.hide();
}

}  // namespace
}  // namespace suimei
