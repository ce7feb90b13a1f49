// The AI memo pressed through its widgets: the run guard, each press posted into the client's
// remarks, the typed text kept, the modes, clearing, the end button, the medicine window, the
// printed pages; and with the real main window, the memo still in the client table after a
// restart.

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "core/ui/workbench.h"
#include "data_entry_page_fixture.h"
#include "readings/ui/medicine_window.h"
#include "readings/ui/memo_window.h"
#include "readings/ui/memo_windows.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

using testing::u8;

// The main window's side of the memo: the client's remarks and how often they were posted.
class RemarksHost : public WorkbenchHost {
  public:
    QMainWindow* hostWindow() override { return &main; }
    void replacePage(int, QWidget*) override {}
    void runAppraisal() override {}
    bool hasAppraisal() const override { return true; }
    QString birthDateText() const override { return {}; }
    void enterBirthDate(const QString&) override {}
    QString clientName() const override { return name; }
    QString clientMemo() const override { return memo; }
    void setClientMemo(const QString& text) override {
        memo = text;
        ++posts;
    }

    QMainWindow main;
    QString name = u8("山田 花子");
    QString memo;
    int posts = 0;
};

void addPassage(PassageTable& passages, const char* k1, const char* k2, const char* memo) {
    Table& t = passages.table();
    t.append();
    t.setField("key1", k1);
    t.setField("key2", k2);
    t.setField("memo", memo);
    ASSERT_TRUE(t.post());
}

class MemoWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        passages = PassageTable::open(paths);
        ASSERT_TRUE(passages);
        addPassage(*passages, "AI", "丙", "丙の性格。");
        addPassage(*passages, "AI", "年柱-比肩", "一般の年柱比肩。");
        addPassage(*passages, "AI", "比肩-忌神-弱", "忌神で弱い比肩。");
        addPassage(*passages, "中医学", "丙", "丙の養生。");
        window = std::make_unique<Tmemofrm>(host, chart, *passages, paths, notes, &host.main);
    }
    // Year 丙 (比肩 of a 丙 day), no favourable element: 忌神; fire at level 3: 弱.
    void appraise() {
        chart.yearPillar.stem = 3;
        chart.yearPillar.stemTenGod = 1;
        chart.dayPillar.stem = 3;
        chart.elementRank = {0, 3, 3, 3, 3, 3};
    }
    void press(const char* name) {
        auto* b = window->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }

    testing::TempDir dir;
    AppPaths paths{dir.path()};
    RecordingNotifier notes;
    RemarksHost host;
    Tmandata chart;
    std::unique_ptr<PassageTable> passages;
    std::unique_ptr<Tmemofrm> window;
};

TEST_F(MemoWindowTest, CaptionsAndEveryButtonOfTheTable) {
    EXPECT_EQ(window->windowTitle(), u8(kMemoCaption));
    EXPECT_TRUE(window->professionalButton()->isChecked());
    for (const MemoButtonEntry& b : kMemoButtons) {
        auto* button = window->findChild<QPushButton*>(qs(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), qs(b.caption));
    }
    EXPECT_EQ(window->findChild<QPushButton*>("nencyubtn")->toolTip(), u8(kMemoHintByMode));
    EXPECT_EQ(window->findChild<QPushButton*>("nisyubtn")->toolTip(), u8(kMemoHintSame));
}

TEST_F(MemoWindowTest, NoCaptionIsCutAndTheWindowsCanBeSeen) {
    appraise();
    presentSideWindow(window.get(), &host.main);
    press("igakubtn");
    for (QWidget* w :
         {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(window->medicineWindow())}) {
        for (auto* b : w->findChildren<QAbstractButton*>()) {
            EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
        }
    }
    EXPECT_GE(window->medicineWindow()->symptomChoice()->width(),
              window->medicineWindow()->symptomChoice()->sizeHint().width());
    const QString shotDir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    if (!shotDir.isEmpty()) {
        window->grab().save(shotDir + "/memo_window.png");
        window->medicineWindow()->grab().save(shotDir + "/medicine_window.png");
    }
}

TEST_F(MemoWindowTest, GuardedButtonsRefuseBeforeARunOthersAppendTheirHeadings) {
    press("nisyubtn");
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].kind, NoticeKind::Warning);
    EXPECT_EQ(notes.lastText(), kMemoNotRunText);
    EXPECT_EQ(host.posts, 0);
    press("syakainaimen");
    EXPECT_EQ(host.memo, u8(" \n \n■社会運の内面鑑定（年柱十二運星）"));
    EXPECT_EQ(host.posts, 1);
}

TEST_F(MemoWindowTest, EachPressIsPostedAfterWhatTheReaderTyped) {
    appraise();
    host.memo = u8("前回の相談内容");
    window->showClientMemo();
    press("nisyubtn");
    EXPECT_EQ(host.memo, u8("前回の相談内容\n \n丙の性格。"));
    EXPECT_EQ(window->editor()->toPlainText(), host.memo);
    window->editor()->appendPlainText(u8("書き足した行"));
    press("nencyubtn");
    EXPECT_EQ(host.memo, u8("前回の相談内容\n \n丙の性格。\n書き足した行\n \n"
                            "■社会運の外面的能力の鑑定（年柱）\n忌神で弱い比肩。"));
    window->generalButton()->click();
    press("nencyubtn");
    EXPECT_TRUE(host.memo.endsWith(u8("（年柱）\n一般の年柱比肩。")));
    EXPECT_EQ(host.posts, 3);
    press("clsbtn");
    EXPECT_EQ(host.memo, QString());
    EXPECT_EQ(window->editor()->toPlainText(), QString());
}

TEST_F(MemoWindowTest, EndStoresTheTypedTextAndCloses) {
    appraise();
    presentSideWindow(window.get(), &host.main);
    window->editor()->setPlainText(u8("手で書いた鑑定"));
    press("endbtn");
    EXPECT_EQ(host.memo, u8("手で書いた鑑定"));
    EXPECT_FALSE(window->isVisible());
    // Nothing changed since: closing again posts nothing more.
    const int posts = host.posts;
    window->storeMemo();
    EXPECT_EQ(host.posts, posts);
}

TEST_F(MemoWindowTest, MedicineOpensOnTheDayStemAndWritesIntoTheMemo) {
    appraise();
    press("igakubtn");
    Tigakufrm* medicine = window->medicineWindow();
    ASSERT_NE(medicine, nullptr);
    EXPECT_TRUE(medicine->isVisible());
    EXPECT_EQ(medicine->windowTitle(), u8(kMedicineCaption));
    EXPECT_EQ(medicine->stemChoice()->currentText(), u8("丙"));
    EXPECT_EQ(medicine->symptomChoice()->count(), 5);
    medicine->findChild<QPushButton*>("btn1")->click();
    EXPECT_EQ(host.memo, u8(" \n丙の養生。"));
    EXPECT_FALSE(medicine->isVisible());
}

TEST_F(MemoWindowTest, FortySixLinesPrintOnTwoPagesUnderTheNameAndTitle) {
    QStringList lines;
    for (int i = 1; i <= 46; ++i) lines << u8("鑑定文の%1行目").arg(i);
    window->editor()->setPlainText(lines.join('\n'));
    const print::PrintDocument doc = window->memoDocument();
    ASSERT_EQ(doc.pages.size(), 2u);
    auto texts = [](const print::PrintPage& page) {
        std::vector<std::string> out;
        for (const auto& item : page.items) {
            if (!item.text.empty()) out.push_back(item.text);
        }
        return out;
    };
    const auto second = texts(doc.pages[1]);
    EXPECT_EQ(std::count(second.begin(), second.end(), u8("鑑定文の46行目").toStdString()), 1);
    EXPECT_EQ(std::count_if(second.begin(), second.end(),
                            [](const std::string& t) { return t.rfind("鑑定文の", 0) == 0; }),
              1);
    const auto first = texts(doc.pages[0]);
    EXPECT_EQ(first[0], "山田 花子 様 ");
    EXPECT_EQ(first[1], kMemoPrintTitle);

    // The print button asks the preview question and, answered No, prints the two pages; the
    // text was posted first.
    int printedPages = 0;
    QString job;
    PrintService& service = PrintService::instance(notes);
    service.setDirectPrinter([&](const QString& title, int pages) {
        job = title;
        printedPages = pages;
        return true;
    });
    notes.answer = false;
    press("prnbtn");
    service.setDirectPrinter({});
    EXPECT_EQ(notes.lastText(), kPreviewQuestionText);
    EXPECT_EQ(printedPages, 2);
    EXPECT_EQ(job, u8(kMemoPrintTitle));
    EXPECT_EQ(host.memo, lines.join('\n'));
}

// The real main window: the memo written into a client's remarks survives the program's end.
TEST(MemoWindowInMainWindow, TheMemoIsInTheClientTableAfterARestart) {
    testing::ClientWindow app;
    {
        auto table = app.table();
        testing::addClient(*table, "Sato Ken", "2000/01/01", "11:00-13:00", "男", "初回の相談");
        auto passages = PassageTable::open(app.paths);
        ASSERT_TRUE(passages);
        // 2000/1/1: a 戊午 day.
        addPassage(*passages, "AI", "戊", "戊の性格。");
    }
    app.open();
    Workbench bench{*app.window, app.window->registry(), app.settings,
                    app.store,   app.notifier,           app.paths,
                    app.runner};
    ASSERT_TRUE(installMemoWindows(bench));
    app.click("memobtn");  // before a run the main window refuses
    EXPECT_EQ(app.window->findChild<Tmemofrm*>(), nullptr);
    app.window->okbtnClick();
    ASSERT_TRUE(app.runner.hasRun());
    QElapsedTimer opening;
    opening.start();
    app.click("memobtn");
    std::printf("memo window opened in %lld ms\n", static_cast<long long>(opening.elapsed()));
    auto* memo = app.window->findChild<Tmemofrm*>();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->editor()->toPlainText(), u8("初回の相談"));
    memo->findChild<QPushButton*>("nisyubtn")->click();
    // Posted at the press: another connection sees it before anything else happens.
    auto rows = testing::storedClients(app.tableFile());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at(client_field::kMemo), "初回の相談\n \n戊の性格。");
    EXPECT_EQ(app.page()->memoEdit()->toPlainText(), u8("初回の相談\n \n戊の性格。"));

    // Typed in the memo window, then the program ends without another press.
    memo->editor()->appendPlainText(u8("次回は春に。"));
    app.window->close();
    app.window.reset();
    rows = testing::storedClients(app.tableFile());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at(client_field::kMemo), "初回の相談\n \n戊の性格。\n次回は春に。");
    app.open();
    EXPECT_EQ(app.page()->memoEdit()->toPlainText(), u8("初回の相談\n \n戊の性格。\n次回は春に。"));
}

}  // namespace
}  // namespace suimei
