// The print window on the desktop with the real engine: every button before and after a run, the
// age labels, the documents each print job carries (in order), the practitioner's fields kept in
// the settings file, the calendar requests, the printer setup, and the basic-knowledge window.
// Each document is also written as a PDF, read back with pdftotext and timed; with
// SUIMEI_SCREENSHOT_DIR set the windows and the PDFs' pages are saved there as PNG files.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <iostream>

#include "core/text_codec.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "print/ui/basic_knowledge_window.h"
#include "print/ui/print_window.h"
#include "print/ui/print_windows.h"
#include "real_main_window_test_base.h"

namespace suimei {
namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& path) {
    for (const QString& line : run("pdfinfo", {path}).split('\n')) {
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// The texts must appear in the PDF's text in this order (spaces, which pdftotext lays out as it
// sees fit, are left out of the comparison).
QString withoutSpaces(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\\s\u3000]")));
    return text;
}
void expectInOrder(const QString& pdfText, const QStringList& expected) {
    const QString text = withoutSpaces(pdfText);
    qsizetype at = 0;
    for (const QString& e : expected) {
        const QString wanted = withoutSpaces(e);
        const qsizetype next = text.indexOf(wanted, at);
        ASSERT_GE(next, 0) << "missing or out of order: " << e.toStdString() << "\n"
                           << pdfText.toStdString();
        at = next + wanted.size();
    }
}

class PrintWindowTest : public RealMainWindowTest {
  protected:
    void SetUp() override {
        mainWindow.setToday(QDate(2026, 12, 8));
        std::filesystem::copy(std::filesystem::path(SUIMEI_APP_DIR) / "hyousi",
                              dir.path() / "hyousi");
        window = installPrintWindows(bench);
        ASSERT_NE(window, nullptr);
        PrintService& service = PrintService::instance(notes);
        service.setDirectPrinter([this](const QString& title, int pages) {
            printed.append(title);
            pagesPrinted += pages;
            return true;
        });
        notes.answer = false;  // print at once, without the preview
    }
    void TearDown() override { PrintService::instance(notes).setDirectPrinter({}); }

    // 1984/02/10 07:00-09:00, a man: day 甲戌; luck columns from 28 to 88.
    void runSample() {
        mainWindow.findChild<QLineEdit*>("simei")->setText("山田 太郎");
        mainWindow.findChild<QLineEdit*>("birthday")->setText("1984/02/10");
        mainWindow.findChild<QComboBox*>("timeb")->setCurrentText("07:00-09:00");
        mainWindow.findChild<QComboBox*>("sex")->setCurrentText("男");
        mainWindow.okbtnClick();
        ASSERT_TRUE(runner.hasRun());
        notes.notices.clear();
    }
    void press(const char* name) {
        auto* b = window->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }
    QLabel* ageLabel(int k) { return window->findChild<QLabel*>(QString("nenrei%1").arg(k)); }
    void check(bool hardCopy, bool chart, bool practical) {
        window->findChild<QCheckBox*>("hcopyprn")->setChecked(hardCopy);
        window->findChild<QCheckBox*>("meisikiprn")->setChecked(chart);
        window->findChild<QCheckBox*>("jissenprn")->setChecked(practical);
    }
    // Writes the document as a PDF, timed, and returns its text.
    QString pdfOf(const print::PrintDocument& doc, const QString& name, int expectedPages) {
        const QString path =
            QString::fromStdString((dir.path() / (name.toStdString() + ".pdf")).string());
        QElapsedTimer timer;
        timer.start();
        EXPECT_TRUE(writeDocumentPdf(doc, path));
        const qint64 ms = timer.elapsed();
        std::cout << "[ timing ] " << name.toStdString() << " to PDF in " << ms << " ms ("
                  << doc.pages.size() << " pages)\n";
        EXPECT_EQ(pdfPages(path), expectedPages) << name.toStdString();
        const QString shots = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            const QString dpi = qEnvironmentVariable("SUIMEI_SCREENSHOT_DPI", "60");
            run("pdftoppm", {"-r", dpi, "-png", path, shots + "/" + name});
        }
        return run("pdftotext", {path, "-"});
    }

    Tprntfrm* window = nullptr;
    QStringList printed;
    int pagesPrinted = 0;
};

TEST_F(PrintWindowTest, TheMainWindowsButtonOpensItOnlyAfterARun) {
    mainWindow.findChild<QAbstractButton*>("printbtn")->click();
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kPrintNeedsRunText);
    runSample();
    mainWindow.findChild<QAbstractButton*>("printbtn")->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("鑑定書印刷"));
    EXPECT_TRUE(notes.notices.empty());
}

TEST_F(PrintWindowTest, ItsControlsAndTheirCaptions) {
    const int thisYear = QDate::currentDate().year();
    auto* years = window->findChild<QComboBox*>("nendosel");
    ASSERT_EQ(years->count(), 6);
    EXPECT_EQ(years->itemText(0), QString::number(thisYear) + "年度");
    EXPECT_EQ(years->itemText(5), QString::number(thisYear + 5) + "年度");
    const auto months = window->findChild<QWidget*>("RadioG1")->findChildren<QRadioButton*>();
    ASSERT_EQ(months.size(), 13);
    EXPECT_EQ(months[0]->text(), "１月");
    EXPECT_EQ(months[11]->text(), "１２月");
    EXPECT_EQ(months[12]->text(), "１年分");
    auto* covers = window->findChild<QGroupBox*>("Titlesel");
    EXPECT_EQ(covers->title(), "表紙の種類を指定して下さい");
    const auto coverItems = covers->findChildren<QRadioButton*>();
    ASSERT_EQ(coverItems.size(), 5);
    EXPECT_EQ(coverItems[0]->text(), "表紙（希望）");
    EXPECT_EQ(coverItems[4]->text(), "表紙（洞察）");
    EXPECT_EQ(window->findChild<QCheckBox*>("hcopyprn")->text(),
              "ハードコピー印刷(そのままのイメージ印刷)");
    EXPECT_EQ(window->findChild<QCheckBox*>("meisikiprn")->text(), "命式表鑑定書印刷");
    EXPECT_EQ(window->findChild<QCheckBox*>("jissenprn")->text(), "実践鑑定書印刷(１０年間)");
    EXPECT_EQ(window->findChild<QLabel*>("agelbl")->text(), "下記より年齢を指定して下さい。");
    for (const auto& [name, caption] :
         {std::pair{"okbtn", "印刷開始"}, std::pair{"hyosibtn", "表紙印刷"},
          std::pair{"kisoprn", "基礎事項印刷"}, std::pair{"sougouprint", "総合診断書印刷"},
          std::pair{"cakenderbtn", "開運カレンダー印刷"},
          std::pair{"syukubtn", "宿曜カレンダー印刷"}, std::pair{"prnbtn", "プリンタ設定"}}) {
        auto* b = window->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), QString::fromUtf8(caption));
    }
    ASSERT_NE(window->findChild<QPushButton*>("cancelbtn"), nullptr);
}

TEST_F(PrintWindowTest, BeforeARunOnlyTheCoverPrints) {
    for (int k = 1; k <= 7; ++k) EXPECT_TRUE(ageLabel(k)->text().isEmpty());
    for (const char* name : {"okbtn", "sougouprint", "cakenderbtn", "syukubtn"}) {
        notes.notices.clear();
        press(name);
        ASSERT_EQ(notes.notices.size(), 1u) << name;
        EXPECT_EQ(notes.notices[0].text, kPrintNeedsRunText) << name;
    }
    notes.notices.clear();
    press("hyosibtn");
    EXPECT_EQ(printed, QStringList{"表紙"});

    // A cover whose picture is missing is reported by its file and not printed.
    std::filesystem::remove(dir.path() / "hyousi" / "4.bmp");
    window->findChild<QRadioButton*>("cover4")->setChecked(true);
    notes.notices.clear();
    press("hyosibtn");
    EXPECT_EQ(printed, QStringList{"表紙"});
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_NE(notes.notices[0].text.find("4.bmp"), std::string::npos);
}

TEST_F(PrintWindowTest, SevenAgeLabelsEightyPixelsApartAndAClickChoosesOne) {
    runSample();
    const QStringList expected = {"28-37才", "38-47才", "48-57才", "58-67才",
                                  "68-77才", "78-87才", "88-97才"};
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(ageLabel(k)->text(), expected[k - 1]);
        if (k > 1) {
            EXPECT_EQ(ageLabel(k)->x() - ageLabel(k - 1)->x(), 80);
        }
    }
    EXPECT_EQ(window->selectedLuckColumn(), 0);
    QTest::mouseClick(ageLabel(3), Qt::LeftButton);
    EXPECT_EQ(window->selectedLuckColumn(), 3);
    EXPECT_TRUE(ageLabel(3)->styleSheet().contains("#ff0000"));
    EXPECT_FALSE(ageLabel(2)->styleSheet().contains("#ff0000"));
    QTest::mouseClick(ageLabel(5), Qt::LeftButton);
    EXPECT_EQ(window->selectedLuckColumn(), 5);
    EXPECT_FALSE(ageLabel(3)->styleSheet().contains("#ff0000"));
    // A new run builds the labels again and chooses none.
    runSample();
    EXPECT_EQ(window->selectedLuckColumn(), 0);
    EXPECT_EQ(ageLabel(1)->text(), "28-37才");
}

TEST_F(PrintWindowTest, PrintStartPrintsTheCheckedDocumentsInOrder) {
    runSample();
    check(false, false, false);
    press("okbtn");
    EXPECT_TRUE(printed.isEmpty());
    EXPECT_TRUE(notes.notices.empty()) << "nothing asked either";

    // 実践 without an age: the box, and the chart document still prints.
    check(false, true, true);
    press("okbtn");
    EXPECT_EQ(printed, QStringList{"命式鑑定表 1/2"});
    ASSERT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[0].text, kPreviewQuestionText);
    EXPECT_EQ(notes.notices[1].text, kNoAgeChosenText);
    EXPECT_EQ(notes.notices[1].caption, kNoAgeChosenCaption);

    printed.clear();
    notes.notices.clear();
    window->selectAge(1);
    check(true, true, true);
    press("okbtn");
    EXPECT_EQ(printed, (QStringList{"ハードコピー", "命式鑑定表 1/2", "実践鑑定表 2/2"}));
    EXPECT_EQ(notes.notices.size(), 3u);  // one preview question per document
}

TEST_F(PrintWindowTest, ThePractitionerIsKeptInTheSettingsAndSurvivesAReopen) {
    runSample();
    QSignalSpy changed(&bench.registry, &WindowRegistry::settingsChanged);
    mainWindow.findChild<QAbstractButton*>("printbtn")->click();
    auto* name = window->findChild<QLineEdit*>("officename");
    auto* tel = window->findChild<QLineEdit*>("officetel");
    name->setText("鑑定室 星見");
    tel->setText("03-1234-5678");
    emit name->editingFinished();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(settings.practitionerName, "鑑定室 星見");
    EXPECT_EQ(store.load().practitionerTelephone, "03-1234-5678");
    window->findChild<QPushButton*>("cancelbtn")->click();
    EXPECT_FALSE(window->isVisible());
    name->setText("書きかけ");  // not taken: the reopen shows what the settings hold
    mainWindow.findChild<QAbstractButton*>("printbtn")->click();
    EXPECT_EQ(name->text(), "鑑定室 星見");
    EXPECT_EQ(tel->text(), "03-1234-5678");

    // Every footer carries it now.
    window->selectAge(1);
    for (const print::PrintDocument& doc :
         {window->chartDocument(), window->practicalDocument(), window->coverDocument()}) {
        bool found = false;
        for (const print::PrintItem& item : doc.pages.back().items) {
            found = found || item.text == "鑑定室 星見     TEL 03-1234-5678";
        }
        EXPECT_TRUE(found) << doc.title;
    }
}

TEST_F(PrintWindowTest, CalendarsAreAskedForWithTheChosenYearAndMonth) {
    runSample();
    QSignalSpy fortune(window, &Tprntfrm::fortuneCalendarRequested);
    QSignalSpy mansion(window, &Tprntfrm::mansionCalendarRequested);
    window->findChild<QComboBox*>("nendosel")->setCurrentIndex(2);
    window->findChild<QRadioButton*>("month4")->setChecked(true);
    press("cakenderbtn");
    ASSERT_EQ(fortune.count(), 1);
    EXPECT_EQ(fortune[0][0].toInt(), QDate::currentDate().year() + 2);
    EXPECT_EQ(fortune[0][1].toInt(), 4);
    window->findChild<QRadioButton*>("month13")->setChecked(true);
    press("syukubtn");
    ASSERT_EQ(mansion.count(), 1);
    EXPECT_EQ(mansion[0][1].toInt(), 0) << "１年分";
}

TEST_F(PrintWindowTest, PrinterSetupOpensThePlatformsDialog) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            shown = dialog->windowTitle();
            dialog->close();
        }
    });
    press("prnbtn");
    EXPECT_EQ(shown, "プリンタ設定");
}

TEST_F(PrintWindowTest, TheReportPrintsFromItsOwnTableConnection) {
    runSample();
    press("sougouprint");
    EXPECT_EQ(printed, QStringList{"総合診断書"});
}

TEST_F(PrintWindowTest, BasicKnowledgeWindowShowsAndPrintsTheRichText) {
    press("kisoprn");
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_NE(notes.notices[0].text.find("kisobun.rtf"), std::string::npos);
    const auto* unopened = window->findChild<Tkisofrm*>();
    EXPECT_TRUE(unopened == nullptr || !unopened->isVisible());

    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg932\\pard\\qc\\b\\fs32 " +
        std::string("\\'8e\\'6c\\'92\\'8c\\'90\\'84\\'96\\'bd") +
        "\\b0\\par\\pard\\fs21 \\u22825?\\u24178?\\u12392?\\u22320?\\u25903?\\par}";
    dir.write("kisobun.rtf", rtf);
    notes.notices.clear();
    press("kisoprn");
    auto* kiso = window->findChild<Tkisofrm*>();
    ASSERT_NE(kiso, nullptr);
    EXPECT_TRUE(kiso->isVisible());
    EXPECT_TRUE(kiso->view()->isReadOnly());
    EXPECT_TRUE(kiso->view()->toPlainText().contains("四柱推命"));
    EXPECT_TRUE(kiso->view()->toPlainText().contains("天干と地支"));
    kiso->findChild<QPushButton*>("insatubtn")->click();
    EXPECT_EQ(printed, QStringList{"四柱推命の基礎知識"});
    const QString shots = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    if (!shots.isEmpty()) kiso->grab().save(shots + "/Tkisofrm.png");
    kiso->findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(kiso->isVisible());
}

TEST_F(PrintWindowTest, EveryDocumentAsAPdfReadBack) {
    runSample();
    settings.practitionerName = "鑑定室 星見";
    settings.practitionerTelephone = "03-1234-5678";
    mainWindow.findChild<QAbstractButton*>("printbtn")->click();
    const QString shots = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    if (!shots.isEmpty()) window->grab().save(shots + "/Tprntfrm.png");

    const QString chart = pdfOf(window->chartDocument(), "chart", 1);
    EXPECT_TRUE(chart.contains("命式鑑定表 1/2"));
    expectInOrder(
        chart, {"山田 太郎 様", "[蔵干表]渕海子平", "時 柱", "日 柱", "月 柱", "年 柱", "戊(偏財)",
                "甲(日主)", "丙(食神)", "甲(比肩)", "特殊星", "日干から各柱", ".月支から各柱",
                "我身の強さ", "本命星：", "喜ぶ神", "五行の強さのバランス", "鑑定室 星見"});
    window->selectAge(1);
    const QString practical = pdfOf(window->practicalDocument(), "practical", 1);
    EXPECT_TRUE(practical.contains("実践鑑定表 2/2"));
    expectInOrder(practical, {"山田 太郎 様", "28才", "2012年", "[行運診断秘訣集]", "〔奇宿〕",
                              "〔命宮〕", "〔喜ぶ神〕", "〔忌む神〕", "〔吉方位〕", "〔行運〕",
                              "〔肉体面〕", "〔行運〕", "〔年運〕", "〔行運〕"});
    window->findChild<QRadioButton*>("cover1")->setChecked(true);
    const print::PrintDocument cover = window->coverDocument();
    EXPECT_NE(cover.pages[0].items[2].text.find("hyousi/1.bmp"), std::string::npos);
    const QString coverText = pdfOf(cover, "cover", 1);
    expectInOrder(coverText, {"鑑 定 書", "山田 太郎 様", "鑑定室 星見", "TEL 03-1234-5678"});
    if (!shots.isEmpty()) {
        for (int i = 0; i < 5; ++i) {
            window->findChild<QRadioButton*>(QString("cover%1").arg(i))->setChecked(true);
            pdfOf(window->coverDocument(), QString("cover%1").arg(i), 1);
        }
    }
    const QString report = pdfOf(window->generalReport(), "report", 1);
    expectInOrder(report, {"総合診断書", "比劫 ○", "食傷 ◎", "財 △", "◆干の関係",
                           "鑑定室 星見 TEL 03-1234-5678", "1984年2月10日"});
}

}  // namespace
}  // namespace suimei
