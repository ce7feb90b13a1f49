// The reading-table windows pressed through their widgets: captions, navigator, memo editing seen
// by the next lookup, appending and deleting, the key2 pickers, the grid's paging, and the
// month-command window.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "chart/mandata.h"
#include "core/text_codec.h"
#include "readings/ui/annual_imagery_window.h"
#include "readings/ui/conception_day_window.h"
#include "readings/ui/kanteibun_window.h"
#include "readings/ui/month_command_window.h"
#include "readings/ui/pillar_reading_page.h"
#include "readings/ui/sixty_pillar_window.h"
#include "readings/ui/table_page_model.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

using Lines = std::vector<std::string>;

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

void addPassage(Table& t, const std::string& k1, const std::string& k2, const std::string& memo) {
    t.append();
    t.setField("key1", k1);
    t.setField("key2", k2);
    t.setField("bun1", k2 + "の見出し");
    t.setField("memo", memo);
    ASSERT_TRUE(t.post()) << t.lastError();
}

class KanteibunWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        passages = PassageTable::open(paths);
        ASSERT_TRUE(passages);
        addPassage(passages->table(), "AI", "甲", "甲の文章。");
        addPassage(passages->table(), "AI", "乙", "乙の文章。");
        addPassage(passages->table(), "調候", "春甲", "春の甲。");
        passages->table().first();  // where the table stands when opened at start-up
        window = std::make_unique<Tkanteibunfrm>(*passages, notes);
    }
    void press(const char* objectName) {
        auto* b = window->findChild<QPushButton*>(QString::fromLatin1(objectName));
        ASSERT_TRUE(b) << objectName;
        ASSERT_TRUE(b->isEnabled()) << objectName;
        b->click();
    }
    QString memoText() const { return window->memoEditor()->toPlainText(); }
    int gridRow() const { return window->grid()->currentIndex().row(); }

    testing::TempDir dir;
    AppPaths paths{dir.path()};
    RecordingNotifier notes;
    std::unique_ptr<PassageTable> passages;
    std::unique_ptr<Tkanteibunfrm> window;
};

TEST_F(KanteibunWindowTest, CaptionsAndPickers) {
    EXPECT_EQ(window->windowTitle(), u8("鑑定文章データベース画面"));
    QStringList captions;
    for (int a = 0; a < TableNavigator::kActions; ++a) {
        captions << window->navigator()->button(TableNavigator::Action(a))->text();
    }
    EXPECT_EQ(captions,
              (QStringList{u8("最初"), u8("前"), u8("次"), u8("最後"), u8("新規"), u8("削除"),
                           u8("編集"), u8("登録"), u8("取り消し"), u8("更新")}));
    auto items = [](QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
        return out;
    };
    EXPECT_EQ(items(window->tenGodPicker()),
              (QStringList{u8("比肩"), u8("劫財"), u8("食神"), u8("傷官"), u8("正財"), u8("偏財"),
                           u8("正官"), u8("偏官"), u8("印綬"), u8("偏印")}));
    EXPECT_EQ(items(window->stemPicker()).join(QString()), u8("甲乙丙丁戊己庚辛壬癸"));
    EXPECT_EQ(items(window->stagePicker()).size(), 12);
    EXPECT_EQ(items(window->stagePicker()).front(), u8("長生"));
    EXPECT_EQ(items(window->stagePicker()).back(), u8("養"));
    auto* model = window->model();
    EXPECT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("key1"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("bun1"));
    EXPECT_EQ(model->index(2, 1).data().toString(), u8("春甲"));
}

TEST_F(KanteibunWindowTest, NavigatorMovesTheCursorAndTheMemoFollows) {
    EXPECT_EQ(memoText(), u8("甲の文章。"));
    EXPECT_FALSE(window->navigator()->button(TableNavigator::Prior)->isEnabled());
    press("navLast");
    EXPECT_EQ(memoText(), u8("春の甲。"));
    EXPECT_EQ(gridRow(), 2);
    EXPECT_FALSE(window->navigator()->button(TableNavigator::Next)->isEnabled());
    press("navPrior");
    EXPECT_EQ(memoText(), u8("乙の文章。"));
    press("navFirst");
    EXPECT_EQ(gridRow(), 0);
    press("navNext");
    EXPECT_EQ(passages->table().field("key2"), "乙");
    // Choosing a grid row moves the cursor too.
    window->grid()->setCurrentIndex(window->model()->index(2, 0));
    EXPECT_EQ(memoText(), u8("春の甲。"));
}

TEST_F(KanteibunWindowTest, AMemoEditIsSeenByTheNextLookup) {
    press("navNext");
    window->memoEditor()->setPlainText(u8("書き直した乙の文章。\n二行目。"));
    EXPECT_TRUE(window->navigator()->button(TableNavigator::Post)->isEnabled());
    // The reader's lookup posts the edit in progress and finds it.
    EXPECT_EQ(passages->lookupLines("AI", "乙"), (Lines{"書き直した乙の文章。", "二行目。"}));
    // The window follows the cursor the reader left on its record.
    EXPECT_EQ(passages->lookupLines("調候", "春甲"), Lines{"春の甲。"});
    EXPECT_EQ(memoText(), u8("春の甲。"));
    EXPECT_EQ(gridRow(), 2);
    // Typing now edits the record the cursor is on, not the one shown before.
    window->memoEditor()->setPlainText(u8("春の甲を直した。"));
    press("navPost");
    EXPECT_EQ(passages->lookupLines("調候", "春甲"), Lines{"春の甲を直した。"});
    EXPECT_EQ(passages->lookupLines("AI", "乙"), (Lines{"書き直した乙の文章。", "二行目。"}));
    // Posted edits are in the file for any other connection.
    auto other = PassageTable::open(paths);
    EXPECT_EQ(other->lookupLines("調候", "春甲"), Lines{"春の甲を直した。"});
}

TEST_F(KanteibunWindowTest, CancelDropsTheEditInProgress) {
    window->memoEditor()->setPlainText(u8("捨てる文章。"));
    press("navCancel");
    EXPECT_EQ(memoText(), u8("甲の文章。"));
    EXPECT_EQ(passages->lookupLines("AI", "甲"), Lines{"甲の文章。"});
}

TEST_F(KanteibunWindowTest, InsertEditAndDelete) {
    press("navInsert");
    auto* model = window->model();
    ASSERT_EQ(model->rowCount(), 4);  // the record being appended shows as a fourth row
    EXPECT_EQ(memoText(), QString());
    window->memoEditor()->setPlainText(u8("丙の文章。"));
    // Writing a grid cell of the new row posts the record.
    ASSERT_TRUE(model->setData(model->index(3, 0), QStringLiteral("AI")));
    window->stemPicker()->setCurrentIndex(2);
    emit window->stemPicker()->textActivated(window->stemPicker()->currentText());
    EXPECT_EQ(passages->table().recordCount(), 4);
    EXPECT_EQ(passages->lookupLines("AI", "丙"), Lines{"丙の文章。"});
    EXPECT_EQ(model->rowCount(), 4);

    // The ten-god picker writes key2 of the current record at once.
    press("navFirst");
    window->tenGodPicker()->setCurrentIndex(1);
    emit window->tenGodPicker()->textActivated(window->tenGodPicker()->currentText());
    EXPECT_EQ(passages->lookupLines("AI", "劫財"), Lines{"甲の文章。"});
    EXPECT_TRUE(passages->lookupLines("AI", "甲").empty());

    // Deleting asks first; "No" keeps the record.
    press("navFirst");
    notes.answer = false;
    press("navDelete");
    EXPECT_EQ(passages->table().recordCount(), 4);
    ASSERT_FALSE(notes.notices.empty());
    EXPECT_EQ(notes.lastText(), kConfirmDeleteText);
    notes.answer = true;
    press("navDelete");
    EXPECT_EQ(passages->table().recordCount(), 3);
    EXPECT_EQ(model->rowCount(), 3);
    EXPECT_TRUE(passages->lookupLines("AI", "劫財").empty());
}

TEST(ReadingWindows, GridReadsTheTableAPageAtATime) {
    testing::TempDir dir;
    auto passages = PassageTable::open(AppPaths(dir.path()));
    ASSERT_TRUE(passages);
    {
        Table::Batch batch(passages->table());
        for (int i = 0; i < 2000; ++i) {
            Table& t = passages->table();
            t.append();
            t.setField("key1", "AI");
            t.setField("key2", "k" + std::to_string(i));
            t.setField("memo", "passage " + std::to_string(i));
            ASSERT_TRUE(t.post());
        }
        ASSERT_TRUE(batch.commit());
    }
    RecordingNotifier notes;
    Tkanteibunfrm window(*passages, notes);
    window.resize(700, 600);
    window.show();
    const int before = window.model()->pagesFetched();
    EXPECT_LE(before, 2);
    window.navigator()->button(TableNavigator::Last)->click();
    EXPECT_EQ(window.memoEditor()->toPlainText(), QStringLiteral("passage 1999"));
    // Showing the last rows reads their page (and perhaps its neighbour), not the 40 pages.
    EXPECT_LE(window.model()->pagesFetched() - before, 3);
    EXPECT_EQ(window.model()->rowCount(), 2000);
}

TEST(ReadingWindows, OtherTableWindowsOpenTheirTables) {
    testing::TempDir dir;
    const AppPaths paths(dir.path());
    {
        auto t = openReadingTable(paths, ReadingTableKind::AnnualImagery);
        ASSERT_TRUE(t);
        t->append();
        t->setField("nid", "1-1");
        t->setField("tango1", "協力");
        t->setField("hlp1", "仲間と組む年。");
        ASSERT_TRUE(t->post());
    }
    RecordingNotifier notes;
    TKounDBForm koun(paths, notes);
    EXPECT_EQ(koun.windowTitle(), u8("年運の象意のデータベース"));
    EXPECT_EQ(koun.imagery().goodKeyword[1][1], "協力");
    EXPECT_EQ(koun.memoEditor(0)->toPlainText(), u8("仲間と組む年。"));
    EXPECT_EQ(koun.memoEditor(0)->objectName(), QStringLiteral("hlp1"));

    TSixtyForm sixty(paths, notes);
    EXPECT_EQ(sixty.windowTitle(), u8("６０花甲子データベース"));
    Ttengendb tengen(paths, notes);
    EXPECT_EQ(tengen.windowTitle(), u8("天源データベース画面"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "bun" / "sixty.DB"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "tengen.db"));

    // An edit in the conception-day window is stored at once.
    tengen.navigator()->button(TableNavigator::Insert)->click();
    tengen.memoEditor()->setPlainText(u8("甲子の天源。"));
    ASSERT_TRUE(tengen.model()->setData(tengen.model()->index(0, 0), u8("甲")));
    ASSERT_TRUE(tengen.model()->setData(tengen.model()->index(0, 1), u8("子")));
    auto check = openReadingTable(paths, ReadingTableKind::ConceptionDay);
    ASSERT_TRUE(check->first());
    EXPECT_EQ(check->field("item1"), "甲");
    EXPECT_EQ(check->field("item2"), "子");
    EXPECT_EQ(check->field("memo"), "甲子の天源。");

    // The sixty-pillar number is an integer field: a word is refused with a message.
    sixty.navigator()->button(TableNavigator::Insert)->click();
    EXPECT_FALSE(sixty.model()->setData(sixty.model()->index(0, 1), u8("一")));
    EXPECT_FALSE(notes.notices.empty());
    EXPECT_EQ(notes.notices.back().kind, NoticeKind::Error);
}

TEST(ReadingWindows, MonthCommandWindowReadsItsSectionEachTime) {
    testing::TempDir dir;
    const auto bytes = encodeCp932Lines(
        {"{春甲}", "春の甲は伸びる。", "若木の勢い。", "{秋庚}", "秋の庚は鋭い。", "{end}"});
    ASSERT_TRUE(bytes);
    dir.write("cyoukou.txt", *bytes);
    RecordingNotifier notes;
    MonthCommandWindow window;
    EXPECT_EQ(window.windowTitle(), u8("日干と月支の関係（重要）"));
    Tmandata chart;
    chart.setPillars({1, 1}, {3, 3}, {1, 11}, {0, 0}, 5);  // 寅 month, 甲 day
    window.showChart(chart, AppPaths(dir.path()), notes);
    EXPECT_EQ(window.seasonLabel()->text(), u8("春(寅)"));
    EXPECT_EQ(window.dayMasterLabel()->text(), u8("木(甲)"));
    EXPECT_EQ(window.memo()->toPlainText(), u8("春の甲は伸びる。\n若木の勢い。"));
    chart.setPillars({1, 1}, {5, 9}, {7, 1}, {0, 0}, 5);  // 申 month, 庚 day
    window.showChart(chart, AppPaths(dir.path()), notes);
    EXPECT_EQ(window.memo()->toPlainText(), u8("秋の庚は鋭い。"));
    EXPECT_EQ(window.dayMasterLabel()->text(), u8("金(庚)"));
    EXPECT_TRUE(notes.empty());
}

TEST(ReadingWindows, PillarPagesShowTheTextsOfARun) {
    testing::TempDir dir;
    auto passages = PassageTable::open(AppPaths(dir.path()));
    ASSERT_TRUE(passages);
    // 甲子 day in a 丙寅 month of a 甲子 year: 年柱 比肩 on 子 (沐浴), 月柱 食神 on 寅 (建禄).
    addPassage(passages->table(), "AI", "年柱-比肩", "年の比肩。");
    addPassage(passages->table(), "AI", "比肩-忌神-弱", "忌神の比肩。");
    addPassage(passages->table(), "AI", "年柱-沐浴", "年の沐浴。");
    addPassage(passages->table(), "AI", "月柱-食神", "月の食神。");
    addPassage(passages->table(), "AI", "月柱-建禄", "月の建禄。");
    addPassage(passages->table(), "調候", "春甲", "春の甲。");
    addPassage(passages->table(), "AI", "日柱-沐浴", "日の沐浴。\n二行目。");
    Tmandata chart;
    chart.setPillars({1, 1}, {3, 3}, {1, 1}, {0, 0}, 5);
    chart.computeTenGods();
    chart.computeStages(Schools{});
    const PillarPageTexts texts = pillarPageTexts(chart, *passages);

    PillarReadingPage year(PillarReadingPage::Year), day(PillarReadingPage::Day);
    year.showTexts(texts.year);
    day.showTexts(texts.day);
    EXPECT_EQ(year.findChild<QPlainTextEdit*>("yymemo1")->toPlainText(),
              u8("年の比肩。\n忌神の比肩。"));
    EXPECT_EQ(year.findChild<QPlainTextEdit*>("yymemo2")->toPlainText(), u8("年の沐浴。"));
    EXPECT_EQ(day.findChild<QPlainTextEdit*>("ddcyoukou")->toPlainText(), u8("春の甲。"));
    EXPECT_EQ(day.findChild<QPlainTextEdit*>("ddmemo1")->toPlainText(), u8("日の沐浴。\n二行目。"));
    PillarReadingPage month(PillarReadingPage::Month);
    month.showTexts(texts.month);
    EXPECT_EQ(month.memo1()->objectName(), QStringLiteral("mmmemo1"));
    // No favour/strength passage for 食神 is stored: only the general one shows.
    EXPECT_EQ(month.memo1()->toPlainText(), u8("月の食神。"));
    EXPECT_EQ(month.memo2()->toPlainText(), u8("月の建禄。"));
}

}  // namespace
}  // namespace suimei
