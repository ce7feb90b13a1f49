// The print commands of the luck, rhythm and family pages and the two calendars, pressed through
// the widgets with the real engine; each print is previewed, saved with "PDF に保存" and read back
// with the poppler tools.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <functional>

#include "app/settings.h"
#include "app/ui/compatibility_window.h"
#include "app/ui/compatibility_windows.h"
#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "chart/ui/luck_pages.h"
#include "core/ui/print_service.h"
#include "pdf_reading.h"
#include "print/memo_document.h"
#include "print/ui/calendar_printing.h"
#include "readings/ui/marriage_work_windows.h"
#include "readings/ui/memo_window.h"
#include "readings/ui/memo_windows.h"
#include "readings/ui/topic_timing_window.h"
#include "support/temp_dir.h"
#include "tests/ui/pdf_reading.h"

namespace suimei {
namespace {

using testing::pdfPages;
const auto tool = testing::toolOutput;

QString pageText(const QString& path, int page) {
    return tool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), path, "-"})
        .remove(' ')
        .remove('\n');
}

class PagePrinting : public ::testing::Test {
  protected:
    testing::TempDir dir;
    AppPaths paths{std::filesystem::path(SUIMEI_APP_DIR), dir.path() / "vorrin80.ini"};
    SettingsStore store{paths};
    Settings settings;
    RecordingNotifier notes;
    AppraisalRunner runner{paths};
    RunnerBackend backend{runner};
    Tmenufrm window{backend, settings, store, notes};
    Workbench bench{window, window.registry(), settings, store, notes, paths, runner};
    int saved = 0;

    void SetUp() override {
        window.setToday(QDate(2026, 12, 8));
        installLuckPages(bench);
        settings.practitionerName = "青葉鑑定所";
        settings.practitionerTelephone = "03-1234-5678";
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
    void press(const char* button) { window.findChild<QPushButton*>(button)->click(); }

    // Does `print`, answers the preview question with Yes and saves the preview as a PDF; the
    // file's path, or empty when no preview opened.
    QString printed(const std::function<void()>& print) {
        const QString path = QString::fromStdString(
            (dir.path() / ("print" + std::to_string(++saved) + ".pdf")).string());
        return testing::savedThroughPreview(notes, path, print) ? path : QString();
    }
};

TEST_F(PagePrinting, LuckMemoPrintsFortyFiveLinesToAPageWithNameTitleAndFooter) {
    run();
    auto* memo = window.findChild<QPlainTextEdit*>("daiunmemo");
    QStringList lines;
    for (int i = 1; i <= 46; ++i) lines << QString::fromUtf8("大運の行%1").arg(i);
    memo->setPlainText(lines.join('\n'));
    const QString two = printed([&] { press("nenunprnbtn"); });
    ASSERT_FALSE(two.isEmpty());
    EXPECT_EQ(pdfPages(two), 2);
    const QString second = pageText(two, 2);
    EXPECT_TRUE(second.contains(QString::fromUtf8("大運の行46"))) << second.toStdString();
    EXPECT_TRUE(second.contains(QString::fromUtf8("山田太郎様")));
    EXPECT_TRUE(second.contains(QString::fromUtf8("大運・年運の鑑定（行運分析）")));
    EXPECT_TRUE(second.contains(QString::fromUtf8("青葉鑑定所TEL03-1234-5678")));
    lines.removeLast();
    memo->setPlainText(lines.join('\n'));
    const QString one = printed([&] { press("nenunprnbtn"); });
    EXPECT_EQ(pdfPages(one), 1) << "45 lines never leave a footer-only page";
}

TEST_F(PagePrinting, GraphsAndFamilyDiagramPrintAsPagesOfTheirOwn) {
    run();
    window.findChild<QTabWidget*>("TabbedNotebook1")->setCurrentIndex(7);
    const QString life = printed([&] { press("graphprnbtn"); });
    ASSERT_FALSE(life.isEmpty());
    EXPECT_EQ(pdfPages(life), 1);
    EXPECT_TRUE(pageText(life, 1).contains(QString::fromUtf8("五行エネルギーの生涯変化")));
    EXPECT_TRUE(pageText(life, 1).contains(QString::fromUtf8("木性：気力")));
    EXPECT_GE(tool("pdfimages", {"-list", life}).count(QStringLiteral("image")), 1)
        << "the graph is on the page as a picture";

    window.findChild<QTabWidget*>("TabbedNotebook1")->setCurrentIndex(8);
    const QString month = printed([&] { press("bioprnbtn"); });
    ASSERT_FALSE(month.isEmpty());
    EXPECT_TRUE(pageText(month, 1).contains(QString::fromUtf8("十二運星体調バイオエネルギー変化")));

    window.findChild<QTabWidget*>("TabbedNotebook1")->setCurrentIndex(9);
    press("haiguyabtn");
    const QString family = printed([&] { press("print6sinbtn"); });
    ASSERT_FALSE(family.isEmpty());
    const QString text = pageText(family, 1);
    EXPECT_TRUE(text.contains(QString::fromUtf8("六親図表")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("自分")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("【配偶者干と位置関係】"))) << text.toStdString();
}

TEST_F(PagePrinting, PagesAndCalendarsRefuseToPrintBeforeARun) {
    for (const char* button : {"nenunprnbtn", "graphprnbtn", "bioprnbtn", "print6sinbtn"}) {
        notes.notices.clear();
        EXPECT_TRUE(printed([&] { press(button); }).isEmpty()) << button;
        ASSERT_FALSE(notes.notices.empty()) << button;
        EXPECT_EQ(notes.notices.back().text, "鑑定実行していません。先に鑑定を行って下さい。");
    }
    EXPECT_TRUE(printed([&] { printFortuneCalendar(bench, 2027, 2, &window); }).isEmpty());
    EXPECT_TRUE(printed([&] { printMansionCalendar(bench, 2027, 2, &window); }).isEmpty());
}

TEST_F(PagePrinting, CalendarsOfAMonthAndOfAWholeYear) {
    run();
    const QString february = printed([&] { printFortuneCalendar(bench, 2024, 2, &window); });
    ASSERT_FALSE(february.isEmpty());
    EXPECT_EQ(pdfPages(february), 1);
    const QString text = pageText(february, 1);
    EXPECT_TRUE(text.contains(QString::fromUtf8("2024年度2月度の開運暦")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("日支-")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("29")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("【今月の運勢】")));

    const QString year = printed([&] { printMansionCalendar(bench, 2027, 0, &window); });
    ASSERT_FALSE(year.isEmpty());
    ASSERT_EQ(pdfPages(year), 12);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_TRUE(
            pageText(year, m).contains(QString::fromUtf8("山田太郎様2027年%1月度宿曜暦").arg(m)))
            << m;
    }
    EXPECT_TRUE(pageText(year, 1).contains(QString::fromUtf8("本命宿：")));
}

TEST_F(PagePrinting, TheReadingWindowsSignTheirPrintsWithThePractitioner) {
    run();
    ASSERT_TRUE(installMemoWindows(bench));
    installMarriageWorkWindows(bench);
    installCompatibilityWindows(bench);
    const std::string footer = print::footerLine("青葉鑑定所", "03-1234-5678");

    ASSERT_TRUE(window.registry().open("memobtn"));
    auto* memo = window.findChild<Tmemofrm*>();
    ASSERT_NE(memo, nullptr);
    const print::PrintDocument memoDoc = memo->memoDocument();
    ASSERT_FALSE(memoDoc.pages.empty());
    EXPECT_TRUE(std::any_of(memoDoc.pages[0].items.begin(), memoDoc.pages[0].items.end(),
                            [&](const print::PrintItem& i) { return i.text == footer; }));
    memo->close();

    ASSERT_TRUE(window.registry().open("kekonbtn"));
    auto* marriage = window.findChild<TopicTimingWindow*>();
    ASSERT_NE(marriage, nullptr);
    const QString marriagePdf =
        printed([&] { marriage->findChild<QPushButton*>("printbtn")->click(); });
    ASSERT_FALSE(marriagePdf.isEmpty());
    EXPECT_TRUE(pageText(marriagePdf, 1).contains(QString::fromUtf8("青葉鑑定所TEL03-1234-5678")));

    ASSERT_TRUE(window.registry().open("aisyobtn"));
    auto* compatibility = window.findChild<Taisyofrm*>();
    ASSERT_NE(compatibility, nullptr);
    const QString compatibilityPdf = printed([&] { compatibility->printbtnClick(); });
    ASSERT_FALSE(compatibilityPdf.isEmpty());
    EXPECT_TRUE(
        pageText(compatibilityPdf, 1).contains(QString::fromUtf8("青葉鑑定所TEL03-1234-5678")));
}

}  // namespace
}  // namespace suimei
