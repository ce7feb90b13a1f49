// The compatibility windows on the desktop with the real engine: the run guard of 相性, a bad
// partner date leaving everything as it was, the comparison the window then shows, the
// element-energy window and the one-page print.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include <gtest/gtest.h>

#include <iostream>

#include "app/ui/app_windows.h"
#include "app/ui/compatibility_window.h"
#include "app/ui/compatibility_windows.h"
#include "app/ui/element_energy_window.h"
#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "chart/mandata.h"
#include "core/ui/print_service.h"
#include "real_main_window_test_base.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

class CompatibilityWindows : public RealMainWindowTest {
  protected:
    void SetUp() override {
        mainWindow.setToday(QDate(2026, 12, 8));
        installAppWindows(mainWindow, backend, bench);
        installCompatibilityWindows(bench);
    }
    // 2000/01/01 01:00-03:00: year 己卯, month 丙子, day 戊午 (void 子丑: 甲寅 旬).
    void runSample() {
        mainWindow.findChild<QLineEdit*>("simei")->setText("山田 花子");
        mainWindow.findChild<QLineEdit*>("birthday")->setText("2000/01/01");
        mainWindow.findChild<QComboBox*>("timeb")->setCurrentText("01:00-03:00");
        mainWindow.findChild<QComboBox*>("sex")->setCurrentText("女");
        mainWindow.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
        ASSERT_EQ(runner.chart().dayPillar.pillar(), (Pillar{5, 7}));
        notes.notices.clear();
    }
    void press(QObject* in, const char* name) {
        auto* button = in->findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    Taisyofrm* openWindow() {
        press(&mainWindow, "aisyobtn");
        return mainWindow.findChild<Taisyofrm*>();
    }
};

TEST_F(CompatibilityWindows, GuardBeforeARun) {
    EXPECT_EQ(openWindow(), nullptr);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kNotRunYetText);
}

TEST_F(CompatibilityWindows, BadDateChangesNothingAndAGoodOneShowsTheComparison) {
    runSample();
    QElapsedTimer opening;
    opening.start();
    Taisyofrm* w = openWindow();
    ASSERT_NE(w, nullptr);
    const qint64 openMs = opening.elapsed();
    // The speed of opening is measured here, not held to a limit: a loaded machine is no fault.
    std::cout << "[ timing ] compatibility window opened in " << openMs << " ms\n";
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->findChild<QLabel*>("clientvoid")->text(), "空亡:子:丑");
    EXPECT_EQ(w->findChild<QAbstractButton*>("clientdaystem")->text(), "戊");

    auto* date = w->findChild<QLineEdit*>("aitebirth");
    date->setText("1984/13/40");
    press(w, "Button1");
    ASSERT_FALSE(notes.notices.empty());
    EXPECT_EQ(date->text(), "1984/13/40");  // not rewritten
    EXPECT_EQ(w->lines()[0].code, 0);
    EXPECT_EQ(w->findChild<QAbstractButton*>("partnerdaystem")->text(), "");
    EXPECT_EQ(w->findChild<QProgressBar*>("gaugetotal")->value(), 0);

    // 昭和59 = 1984; written back in the Western form with the era switched to 西暦.
    date->setText("59/2/10");
    w->findChild<QComboBox*>("eracombo")->setCurrentIndex(1);
    notes.notices.clear();
    press(w, "Button1");
    EXPECT_EQ(date->text(), "1984/02/10");
    EXPECT_EQ(w->findChild<QComboBox*>("eracombo")->currentIndex(), 0);
    EXPECT_NE(w->lines()[0].code, 0);
    for (const char* g : {"gaugemonth", "gaugeelements", "gaugestages", "gaugetotal"}) {
        const int v = w->findChild<QProgressBar*>(g)->value();
        EXPECT_GE(v, 0) << g;
        EXPECT_LE(v, 100) << g;
    }
    EXPECT_TRUE(w->findChild<QLabel*>("partnervoid")->text().startsWith("空亡:"));
    EXPECT_TRUE(w->findChild<QLabel*>("mansionlabel")->text().endsWith("宿"));
    const auto memo = w->memoLines();
    ASSERT_GE(memo.size(), 3u);
    EXPECT_EQ(memo.front(), "■日主の天干同士で、精神的な相性を鑑定します。");

    // A later bad date keeps the partner just shown.
    const QString shownStem = w->findChild<QAbstractButton*>("partnerdaystem")->text();
    date->setText("abc");
    press(w, "Button1");
    EXPECT_EQ(w->findChild<QAbstractButton*>("partnerdaystem")->text(), shownStem);
    EXPECT_EQ(w->memoLines(), memo);

    // The energy window: eight squares a person.
    press(w, "energybtn");
    auto* energy = mainWindow.findChild<TAisyoForm*>();
    ASSERT_NE(energy, nullptr);
    EXPECT_TRUE(energy->isVisible());
    std::size_t total = 0, partnerSquares = 0;
    for (int e = 1; e <= 5; ++e) {
        for (const EnergySquare& s : energy->columns()[static_cast<std::size_t>(e)]) {
            ++total;
            if (s.partner) ++partnerSquares;
        }
    }
    EXPECT_EQ(total, 16u);
    EXPECT_EQ(partnerSquares, 8u);
    EXPECT_TRUE(energy->findChild<QLabel*>("clientlegend")->text().contains("山田 花子"));

    // 印刷, answered No: printed at once, one page.
    int printedPages = -1;
    PrintService::instance(notes).setDirectPrinter([&](const QString&, int pages) {
        printedPages = pages;
        return true;
    });
    notes.answer = false;
    press(w, "printbtn");
    EXPECT_EQ(printedPages, 1);
    PrintService::instance(notes).setDirectPrinter({});
}

}  // namespace
}  // namespace suimei
