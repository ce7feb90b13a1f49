// The データ入力 page bound to a client table: moving through the records, appending, posting and
// deleting, the name search, the sort buttons, the data sets, F2 in the birth date, the hidden
// 作成 button, a run writing its summary columns, the end of the program and the calendar's OK.

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>

#include "app/ui/client_grid_model.h"
#include "calendar/ui/calendar_windows.h"
#include "calendar/ui/date_input_window.h"
#include "data_entry_page_fixture.h"

namespace suimei {
namespace {

using testing::addClient;
using testing::storedClients;
using testing::u8;

class DataEntryPageTest : public ::testing::Test, public testing::ClientWindow {
  protected:
    void SetUp() override {
        auto t = table();
        addClient(*t, "田中 花子", "1977/07/07", "03:00-05:00", "女", "一人目");
        addClient(*t, "Smith Anna", "1990/07/15", "13:00-15:00", "女");
        addClient(*t, "石田 健一", "1959/12/26", "05:00-07:00", "男");
        addClient(*t, "田中 花子", "1980/02/04", "不明の場合", "女", "同姓同名");
        t.reset();
        open();
    }
    QString name() const { return page()->nameEdit()->text(); }
    QString memo() const { return page()->memoEdit()->toPlainText(); }
    int gridRow() const { return page()->grid()->currentIndex().row(); }
    QString cell(int row, int column) const {
        auto* m = page()->gridModel();
        return m->data(m->index(row, column)).toString();
    }
    void pressF2() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
        QCoreApplication::sendEvent(page()->birthDateEdit(), &press);
    }
};

TEST_F(DataEntryPageTest, GridColumnsInOrderWithTheMonthBranchTenGodTitle) {
    auto* m = page()->gridModel();
    const char* titles[] = {"氏名", "生年月日", "時刻",     "性別",     "日主",
                            "月支", "月支通変", "月干通変", "年干通変", "時干通変"};
    ASSERT_EQ(m->columnCount(), 10);
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), u8(titles[c])) << c;
    }
    EXPECT_EQ(m->rowCount(), 4);
    EXPECT_EQ(cell(2, 0), u8("石田 健一"));
    EXPECT_EQ(cell(2, 1), "1959/12/26");
    EXPECT_EQ(cell(2, 3), u8("男"));
}

TEST_F(DataEntryPageTest, NavigationButtonsMoveTheFieldsAndTheGridRow) {
    EXPECT_EQ(name(), u8("田中 花子"));
    EXPECT_EQ(memo(), u8("一人目"));
    EXPECT_EQ(page()->timeCombo()->currentText(), "03:00-05:00");
    EXPECT_EQ(page()->sexCombo()->currentText(), u8("女"));
    EXPECT_EQ(gridRow(), 0);

    click("dbmae");  // before the first record nothing moves
    EXPECT_EQ(name(), u8("田中 花子"));
    click("dbato");
    EXPECT_EQ(name(), "Smith Anna");
    EXPECT_EQ(gridRow(), 1);
    click("dbsaigo");
    EXPECT_EQ(memo(), u8("同姓同名"));
    EXPECT_EQ(page()->timeCombo()->currentText(), u8("不明の場合"));
    EXPECT_EQ(gridRow(), 3);
    click("dbato");  // past the last record nothing moves
    EXPECT_EQ(gridRow(), 3);
    click("dbmae");
    EXPECT_EQ(name(), u8("石田 健一"));
    click("dbsento");
    EXPECT_EQ(gridRow(), 0);

    // Entering a grid row makes its record current.
    page()->grid()->setCurrentIndex(page()->gridModel()->index(2, 4));
    EXPECT_EQ(name(), u8("石田 健一"));
    EXPECT_TRUE(notifier.empty());
}

TEST_F(DataEntryPageTest, ChangedFieldsArePostedWhenTheRecordIsLeft) {
    click("dbato");
    page()->memoEdit()->setPlainText(u8("電話 03-1234"));
    page()->birthDateEdit()->setText("1990/07/16");
    click("dbato");  // moving on posts the change
    auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].at(client_field::kMemo), u8("電話 03-1234").toStdString());
    EXPECT_EQ(rows[1].at(client_field::kBirthDate), "1990/07/16");
    EXPECT_EQ(rows[1].at(client_field::kTime), "13:00-15:00");  // untouched fields stay
    EXPECT_EQ(cell(1, 1), "1990/07/16");                        // and the grid shows it
    EXPECT_EQ(name(), u8("石田 健一"));
}

TEST_F(DataEntryPageTest, NewRecordIsAppendedOnPostAndDroppedWhenLeftEmpty) {
    window->show();
    click("dbsaigo");
    click("dbsinki");
    EXPECT_TRUE(name().isEmpty());
    EXPECT_EQ(page()->sexCombo()->currentIndex(), -1);
    EXPECT_EQ(page()->gridModel()->rowCount(), 5);  // the row being appended
    EXPECT_EQ(window->focusWidget(), page()->nameEdit());

    // Leaving it untouched drops it; the move starts from the record it was opened on.
    click("dbmae");
    EXPECT_EQ(page()->gridModel()->rowCount(), 4);
    EXPECT_EQ(name(), u8("石田 健一"));
    EXPECT_EQ(storedClients(tableFile()).size(), 4u);

    click("dbsinki");
    page()->nameEdit()->setText(u8("'); DROP TABLE records; --"));
    page()->birthDateEdit()->setText("2001/01/01");
    page()->sexCombo()->setCurrentIndex(0);
    click("dbtoroku");
    const auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4].at(client_field::kName), "'); DROP TABLE records; --");
    EXPECT_EQ(rows[4].at(client_field::kSex), u8("男").toStdString());
    EXPECT_EQ(gridRow(), 4);
    EXPECT_EQ(cell(4, 0), u8("'); DROP TABLE records; --"));
}

TEST_F(DataEntryPageTest, DeleteRemovesTheCurrentRecordWithoutAsking) {
    click("dbato");
    click("dbdelete");
    EXPECT_TRUE(notifier.empty());
    EXPECT_EQ(name(), u8("石田 健一"));  // the next record becomes current
    EXPECT_EQ(page()->gridModel()->rowCount(), 3);
    click("dbsaigo");
    click("dbdelete");  // the last one: the previous becomes current
    EXPECT_EQ(name(), u8("石田 健一"));
    const auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].at(client_field::kMemo), u8("一人目").toStdString());
}

TEST_F(DataEntryPageTest, EmptyTableTakesTheTypedClientAsItsFirstRecord) {
    page()->openDataSet(1);
    EXPECT_TRUE(name().isEmpty());
    page()->nameEdit()->setText(u8("新井 一"));
    page()->birthDateEdit()->setText("1970/1/1");
    page()->sexCombo()->setCurrentIndex(0);
    click("dbtoroku");
    const auto rows = storedClients(tableFile(1));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at(client_field::kName), u8("新井 一").toStdString());
}

TEST_F(DataEntryPageTest, NameSearchFindsTheNearestNameInAnyLetterCase) {
    auto* edit = find<QLineEdit>("Edit1");
    edit->setText("smith");
    click("jinmeiserch");
    EXPECT_EQ(name(), "Smith Anna");
    EXPECT_EQ(page()->table()->activeIndex(), "simei");
    for (QRadioButton* r :
         page()->findChildren<QRadioButton*>(QRegularExpression("^RadioButton"))) {
        EXPECT_FALSE(r->isChecked()) << r->objectName().toStdString();
    }

    edit->setText("SMITH ANNA");
    click("jinmeiserch");
    EXPECT_EQ(name(), "Smith Anna");

    // Two clients of the same name: the search lands on the first stored.
    edit->setText(u8("田中"));
    click("jinmeiserch");
    EXPECT_EQ(memo(), u8("一人目"));
    // The grid follows the name order: Smith, 田中, 田中, 石田 (石 sorts after 田).
    EXPECT_EQ(cell(0, 0), "Smith Anna");
    EXPECT_EQ(cell(3, 0), u8("石田 健一"));
    EXPECT_EQ(gridRow(), 1);

    // After every name: the last record.
    edit->setText(u8("龠"));
    click("jinmeiserch");
    EXPECT_EQ(name(), u8("石田 健一"));
}

TEST_F(DataEntryPageTest, SortButtonsChooseTheOrderAndKeepTheCurrentRecord) {
    click("dbato");  // Smith Anna
    auto* byDate = find<QRadioButton>("RadioButton2");
    EXPECT_EQ(byDate->text(), u8("生年月日"));
    byDate->click();
    EXPECT_EQ(page()->table()->activeIndex(), "yymmdd");
    EXPECT_EQ(cell(0, 1), "1959/12/26");
    EXPECT_EQ(cell(1, 1), "1977/07/07");
    EXPECT_EQ(cell(2, 1), "1980/02/04");
    EXPECT_EQ(cell(3, 1), "1990/07/15");
    EXPECT_EQ(name(), "Smith Anna");
    EXPECT_EQ(gridRow(), 3);
    click("dbsento");
    EXPECT_EQ(name(), u8("石田 健一"));

    const std::pair<const char*, const char*> buttons[] = {{"RadioButton1", "day10"},
                                                           {"RadioButton3", "y10"},
                                                           {"RadioButton4", "m10"},
                                                           {"RadioButton5", "j10"},
                                                           {"RadioButton6", "etc1"}};
    for (const auto& [button, index] : buttons) {
        find<QRadioButton>(button)->click();
        EXPECT_EQ(page()->table()->activeIndex(), index) << button;
    }
    EXPECT_EQ(find<QRadioButton>("RadioButton6")->text(), u8("月支通変星"));
}

TEST_F(DataEntryPageTest, DataSetSwitchOpensItsTableAndCreatesAMissingOne) {
    find<QRadioButton>("RadioButton2")->click();
    auto* third = find<QRadioButton>("dbselect2");
    EXPECT_EQ(third->text(), u8("貴方のデータ２"));
    third->click();
    EXPECT_EQ(page()->dataSet(), 2);
    ASSERT_NE(page()->table(), nullptr);
    EXPECT_EQ(page()->table()->file().filename().string(), u8("人名3DB.db").toStdString());
    EXPECT_TRUE(std::filesystem::exists(tableFile(2)));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.lastText(), u8("人名3DB.db が見つからなかったため、空のテーブルを jinmei "
                                      "フォルダに作成しました。")
                                       .toStdString());
    EXPECT_EQ(page()->gridModel()->rowCount(), 0);
    EXPECT_TRUE(name().isEmpty());
    EXPECT_EQ(page()->table()->activeIndex(), "yymmdd");  // the order chosen stays

    find<QRadioButton>("dbselect0")->click();
    EXPECT_EQ(page()->gridModel()->rowCount(), 4);
    EXPECT_EQ(name(), u8("石田 健一"));  // first by birth date
}

TEST_F(DataEntryPageTest, F2ConvertsAnEraDate) {
    const std::pair<const char*, const char*> cases[] = {
        {"H1/01/08", "1989/01/08"},  {"S34/12/26", "1959/12/26"},  {"s64/1/7", "1989/1/7"},
        {"T15/12/24", "1926/12/24"}, {"1959/12/26", "1959/12/26"}, {"S34", "S34"},
        {"R1/5/1", "2019/5/1"},      {"M45/7/29", "1912/7/29"},    {"X1/5/1", "X1/5/1"}};
    for (const auto& [typed, shown] : cases) {
        page()->birthDateEdit()->setText(typed);
        pressF2();
        EXPECT_EQ(page()->birthDateEdit()->text(), shown) << typed;
    }
}

TEST_F(DataEntryPageTest, CreateButtonMakesATableLikeTheSecondDataSet) {
    // The model table has a field of its own: the new table must take its definition from it.
    TableDef model = clientTableDef();
    model.fields.push_back({"紹介者", FieldType::Text, 20});
    ASSERT_NE(Table::open(tableFile(1), model, true), nullptr);

    QString offered;
    page()->setNewTableChooser([&](const QString& folder) {
        offered = folder;
        return u8("人名5DB");
    });
    auto* create = find("createbtn");
    EXPECT_FALSE(create->isVisible());
    EXPECT_EQ(create->text(), u8("作成"));
    create->click();
    EXPECT_EQ(offered.toStdString(), paths.jinmeiDir().string());
    ASSERT_EQ(notifier.notices.size(), 2u);
    EXPECT_EQ(notifier.notices[0].text, u8("新しく人名5DB.dbというテーブルを jinmei "
                                           "フォルダに作成し、インデックスも作成しました。")
                                            .toStdString());
    EXPECT_EQ(notifier.notices[1].text,
              u8("ソフトウエアを一度、必ず終了させてください。").toStdString());
    auto made = Table::open(paths.jinmeiDir() / u8("人名5DB.db").toStdString(), {}, false);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->definition().fields.back().name, u8("紹介者").toStdString());
    EXPECT_TRUE(made->setActiveIndex("etc1"));
    EXPECT_EQ(made->recordCount(), 0);
    // The page keeps its data set.
    EXPECT_EQ(page()->gridModel()->rowCount(), 4);
}

TEST_F(DataEntryPageTest, CreateButtonRefusesNamesOutsideJinmeiAndExistingTables) {
    const testing::TempDir elsewhere;
    for (QString typed :
         {u8("../逃げる.db"), QString::fromStdString((elsewhere.path() / "x.db").string()),
          u8("sub/人名.db")}) {
        notifier.notices.clear();
        page()->setNewTableChooser([&](const QString&) { return typed; });
        click("createbtn");
        ASSERT_EQ(notifier.notices.size(), 1u) << typed.toStdString();
        EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning);
        EXPECT_EQ(
            notifier.lastText(),
            u8("テーブルは jinmei フォルダの中にだけ作成できます。ファイル名だけを指定して下さい。")
                .toStdString());
    }
    EXPECT_FALSE(std::filesystem::exists(paths.appDir() / u8("逃げる.db").toStdString()));
    EXPECT_FALSE(std::filesystem::exists(elsewhere.path() / "x.db"));

    // A path chosen inside the jinmei folder is fine, an existing table is not overwritten.
    notifier.notices.clear();
    page()->setNewTableChooser([&](const QString& folder) { return folder + u8("/人名DB.db"); });
    click("createbtn");
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning);
    EXPECT_EQ(storedClients(tableFile()).size(), 4u);
}

TEST_F(DataEntryPageTest, RunWritesTheSummaryColumnsIntoTheCurrentRecord) {
    // 2000/1/1 noon: 己卯 year, 丙子 month (before 小寒), 戊午 day, 戊午 hour. Against the 戊 day
    // stem: 己 劫財, 丙 偏印, 戊 比肩; 子 holds 壬 for ten days after 大雪, then 癸 (正財).
    click("dbato");
    page()->birthDateEdit()->setText("2000/1/1");
    page()->timeCombo()->setCurrentText("11:00-13:00");
    window->okbtnClick();
    ASSERT_EQ(backend.runs, 1);
    ASSERT_TRUE(backend.hasRun());
    const auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 4u);
    const Record& r = rows[1];
    EXPECT_EQ(r.at(client_field::kName), "Smith Anna");
    EXPECT_EQ(r.at(client_field::kBirthDate), "2000/01/01");
    EXPECT_EQ(r.at(client_field::kTime), "11:00-13:00");
    EXPECT_EQ(r.at(client_field::kDayMaster), u8("戊").toStdString());
    EXPECT_EQ(r.at(client_field::kMonthBranch), u8("子").toStdString());
    EXPECT_EQ(r.at(client_field::kYearStemTenGod), u8("劫財").toStdString());
    EXPECT_EQ(r.at(client_field::kMonthStemTenGod), u8("偏印").toStdString());
    EXPECT_EQ(r.at(client_field::kHourStemTenGod), u8("比肩").toStdString());
    EXPECT_EQ(r.at(client_field::kEtc1), u8("正財").toStdString());
    // The grid shows them at once: 日主, 月支, 月支通変, 月干通変, 年干通変, 時干通変.
    EXPECT_EQ(cell(1, 1), "2000/01/01");
    EXPECT_EQ(cell(1, 4), u8("戊"));
    EXPECT_EQ(cell(1, 5), u8("子"));
    EXPECT_EQ(cell(1, 6), u8("正財"));
    EXPECT_EQ(cell(1, 7), u8("偏印"));
    EXPECT_EQ(cell(1, 8), u8("劫財"));
    EXPECT_EQ(cell(1, 9), u8("比肩"));

    // Sorted by day master, the record stays current after the next run.
    find<QRadioButton>("RadioButton1")->click();
    window->okbtnClick();
    EXPECT_EQ(name(), "Smith Anna");
    EXPECT_EQ(cell(gridRow(), 4), u8("戊"));
}

TEST_F(DataEntryPageTest, EndButtonPostsTheCurrentRecord) {
    window->show();
    click("dbsaigo");
    page()->memoEdit()->setPlainText(u8("終了前の変更"));
    click("endbtn");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(storedClients(tableFile())[3][client_field::kMemo], u8("終了前の変更").toStdString());
}

TEST_F(DataEntryPageTest, CalendarOkWritesTheBirthDateIntoTheRecord) {
    installCalendarWindows(
        Workbench{*window, window->registry(), settings, store, notifier, paths, runner});
    auto* dateInput = window->findChild<DateInputWindow*>();
    click("dbato");
    click("calenbtn");
    dateInput->findChild<QCalendarWidget*>("calendar")->setSelectedDate(QDate(1984, 2, 4));
    dateInput->findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(page()->birthDateEdit()->text(), "1984/02/04");
    EXPECT_EQ(storedClients(tableFile())[1][client_field::kBirthDate], "1984/02/04");
    EXPECT_EQ(cell(1, 1), "1984/02/04");
}

// --- typed data that must not replace or corrupt a stored client -------------------------------

class OverwriteQuestion : public DataEntryPageTest {
  protected:
    // Types another person over the first client (田中 花子, 1977/07/07).
    void typeOtherPerson() {
        page()->nameEdit()->setText(u8("山田 太郎"));
        page()->birthDateEdit()->setText("1984-2-10");
        page()->sexCombo()->setCurrentText(u8("男"));
    }
    int questions() const {
        int n = 0;
        for (const Notice& note : notifier.notices) n += note.kind == NoticeKind::Question;
        return n;
    }
};

TEST_F(OverwriteQuestion, CancelKeepsTheStoredClientAndTheTypedForm) {
    typeOtherPerson();
    notifier.choice = 2;  // キャンセル
    window->okbtnClick();
    ASSERT_EQ(questions(), 1);
    EXPECT_EQ(notifier.lastText(), u8("「田中 花子」のデータを書き換えますか？").toStdString());
    const std::vector<std::string> buttons = {"書き換える", "新しいお客様として登録", "キャンセル"};
    EXPECT_EQ(notifier.lastButtons, buttons);
    const auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].at(client_field::kName), u8("田中 花子").toStdString());
    EXPECT_EQ(rows[0].at(client_field::kBirthDate), "1977/07/07");
    EXPECT_EQ(rows[0].at(client_field::kSex), u8("女").toStdString());
    EXPECT_EQ(rows[0].at(client_field::kDayMaster), "");
    EXPECT_EQ(name(), u8("山田 太郎"));
    EXPECT_EQ(page()->birthDateEdit()->text(), "1984-2-10");
    EXPECT_EQ(window->notebook()->currentIndex(), 0);

    // Moving away asks again; cancelling stays on the record with the grid on its row.
    click("dbato");
    EXPECT_EQ(questions(), 2);
    EXPECT_EQ(name(), u8("山田 太郎"));
    EXPECT_EQ(gridRow(), 0);
    // And so does closing the program, which then stays open.
    window->show();
    click("endbtn");
    EXPECT_EQ(questions(), 3);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(storedClients(tableFile())[0].at(client_field::kName), u8("田中 花子").toStdString());
}

TEST_F(OverwriteQuestion, RegisterAsNewLeavesTheStoredClientAndAddsTheTypedOne) {
    typeOtherPerson();
    notifier.choice = 1;  // 新しいお客様として登録
    window->okbtnClick();
    EXPECT_EQ(questions(), 1);
    const auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].at(client_field::kName), u8("田中 花子").toStdString());
    EXPECT_EQ(rows[0].at(client_field::kBirthDate), "1977/07/07");
    EXPECT_EQ(rows[0].at(client_field::kDayMaster), "");
    const Record& added = rows[4];
    EXPECT_EQ(added.at(client_field::kName), u8("山田 太郎").toStdString());
    EXPECT_EQ(added.at(client_field::kBirthDate), "1984/02/10");
    EXPECT_EQ(added.at(client_field::kTime), "03:00-05:00");  // as the form showed it
    EXPECT_EQ(added.at(client_field::kSex), u8("男").toStdString());
    EXPECT_EQ(added.at(client_field::kDayMaster), u8("甲").toStdString());  // 1984-02-10 甲戌
    EXPECT_EQ(name(), u8("山田 太郎"));
    EXPECT_EQ(gridRow(), 4);
    EXPECT_EQ(window->notebook()->currentIndex(), 1);
}

TEST_F(OverwriteQuestion, OverwriteReplacesAndUnchangedBirthDataNeverAsks) {
    // A memo, or the same date written another way, is no other person.
    page()->memoEdit()->setPlainText(u8("メモだけ"));
    page()->birthDateEdit()->setText("1977-7-7");
    window->okbtnClick();
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(storedClients(tableFile())[0].at(client_field::kDayMaster).empty(), false);
    window->okbtnClick();  // the summary columns alone never ask
    EXPECT_EQ(questions(), 0);

    typeOtherPerson();
    notifier.choice = 0;  // 書き換える
    click("dbtoroku");
    EXPECT_EQ(questions(), 1);
    const auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].at(client_field::kName), u8("山田 太郎").toStdString());
    EXPECT_EQ(rows[0].at(client_field::kBirthDate), "1984/02/10");
    EXPECT_EQ(rows[0].at(client_field::kMemo), u8("メモだけ").toStdString());
    // The summary columns of the old birth no longer describe the record until the next run.
    EXPECT_EQ(rows[0].at(client_field::kDayMaster), "");
}

TEST_F(OverwriteQuestion, AFieldTheFormCannotShowIsNoChange) {
    // An imported time the drop-down does not offer: the form shows none, the record keeps it.
    addClient(*page()->table(), u8("大野 千代").toStdString(), "1911/04/03", "9時ごろ",
              u8("女").toStdString());
    page()->reloadFromTable();
    click("dbsaigo");
    EXPECT_EQ(page()->timeCombo()->currentIndex(), -1);
    page()->memoEdit()->setPlainText(u8("時刻は母子手帳で確認"));
    click("dbsento");
    EXPECT_EQ(questions(), 0);
    const auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4].at(client_field::kTime), "9時ごろ");
    EXPECT_EQ(rows[4].at(client_field::kMemo), u8("時刻は母子手帳で確認").toStdString());
}

struct InvalidEntry {
    const char* label;
    const char* name;
    const char* date;
    int sex;  // -1: none chosen
    const char* fault;
};

TEST_F(DataEntryPageTest, InvalidRecordNeverReachesTheTable) {
    const InvalidEntry entries[] = {
        {"date of letters", "新井 一", "abcdefg", 0, "生年月日を 1959/5/7 の形式で入力して下さい"},
        {"no sex", "新井 一", "1990/01/01", -1, "性別が指定されていません"},
        {"no name", "", "1990/01/01", 1, "氏名が入力されていません"},
        {"after the calendar", "新井 一", "2101/01/01", 0, "西暦２１００年より大きい年"},
    };
    for (const InvalidEntry& e : entries) {
        notifier.notices.clear();
        click("dbsaigo");
        click("dbsinki");
        page()->nameEdit()->setText(u8(e.name));
        page()->birthDateEdit()->setText(e.date);
        page()->sexCombo()->setCurrentIndex(e.sex);

        // 登録 says why and stores nothing.
        click("dbtoroku");
        ASSERT_EQ(notifier.notices.size(), 1u) << e.label;
        EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning) << e.label;
        EXPECT_NE(notifier.lastText().find(e.fault), std::string::npos) << e.label;

        // Moving away asks; 修正する stays with what was typed, also for 新規作成 again.
        notifier.choices = {0, 0};
        click("dbmae");
        click("dbsinki");
        ASSERT_EQ(notifier.notices.size(), 3u) << e.label;
        EXPECT_EQ(notifier.lastText().rfind("入力内容に誤りがあります", 0), 0u) << e.label;
        EXPECT_NE(notifier.lastText().find(e.fault), std::string::npos) << e.label;
        const std::vector<std::string> buttons = {"修正する", "破棄する"};
        EXPECT_EQ(notifier.lastButtons, buttons);
        EXPECT_EQ(page()->birthDateEdit()->text(), e.date) << e.label;
        EXPECT_EQ(page()->gridModel()->rowCount(), 5) << e.label;

        // 破棄する drops the new record and the move goes on.
        notifier.choices = {1};
        click("dbsento");
        EXPECT_EQ(name(), u8("田中 花子")) << e.label;
        ASSERT_EQ(storedClients(tableFile()).size(), 4u) << e.label;
    }

    // A stored client typed invalid: discarding brings back what is stored.
    notifier.choices = {1};
    page()->birthDateEdit()->setText("1977/02/30");
    click("dbato");
    EXPECT_NE(notifier.lastText().find("1977/02/30 は存在しない日付です"), std::string::npos);
    EXPECT_EQ(name(), "Smith Anna");
    EXPECT_EQ(storedClients(tableFile())[0].at(client_field::kBirthDate), "1977/07/07");
}

TEST_F(DataEntryPageTest, EveryDateTheRunRefusesSaysWhyAndCommonFormsRun) {
    auto typeNewClient = [&] {
        page()->nameEdit()->setText(u8("新井 一"));
        page()->timeCombo()->setCurrentText("07:00-09:00");
        page()->sexCombo()->setCurrentText(u8("男"));
    };
    click("dbsinki");
    typeNewClient();
    for (const char* typed : {"", "abcdefg", "1990/5", "2101/01/01"}) {
        notifier.notices.clear();
        page()->birthDateEdit()->setText(typed);
        window->okbtnClick();
        ASSERT_EQ(notifier.notices.size(), 1u) << typed;
        EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Information) << typed;
        EXPECT_FALSE(notifier.lastText().empty()) << typed;
        EXPECT_EQ(page()->birthDateEdit()->text(), typed);
        EXPECT_EQ(window->notebook()->currentIndex(), 0) << typed;
    }
    EXPECT_EQ(storedClients(tableFile()).size(), 4u);

    // The first form goes into the new record still open, the others into new ones.
    for (const char* typed : {"1990-05-05", "19900505", "1990年5月5日"}) {
        notifier.notices.clear();
        if (page()->table()->state() != Table::State::Insert) click("dbsinki");
        typeNewClient();
        page()->birthDateEdit()->setText(u8(typed));
        window->okbtnClick();
        EXPECT_TRUE(notifier.empty()) << typed;
        EXPECT_EQ(page()->birthDateEdit()->text(), "1990/05/05") << typed;
        EXPECT_EQ(storedClients(tableFile()).back().at(client_field::kBirthDate), "1990/05/05");
        EXPECT_EQ(window->notebook()->currentIndex(), 1) << typed;
        window->notebook()->setCurrentIndex(0);
    }
    EXPECT_EQ(storedClients(tableFile()).size(), 7u);
}

TEST_F(DataEntryPageTest, DeletedClientComesBackWithUndo) {
    auto* undo = find("dbundo");
    EXPECT_EQ(undo->text(), u8("元に戻す"));
    EXPECT_FALSE(undo->isEnabled());
    click("dbato");
    click("dbdelete");  // Smith Anna
    ASSERT_EQ(storedClients(tableFile()).size(), 3u);
    EXPECT_TRUE(undo->isEnabled());
    click("dbsaigo");
    undo->click();
    auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].at(client_field::kName), "Smith Anna");
    EXPECT_EQ(rows[3].at(client_field::kBirthDate), "1990/07/15");
    EXPECT_EQ(rows[3].at(client_field::kTime), "13:00-15:00");
    EXPECT_EQ(name(), "Smith Anna");
    EXPECT_FALSE(undo->isEnabled()) << "one deletion comes back once";

    // Only the client deleted last comes back, and only into its own table.
    click("dbsento");
    click("dbdelete");  // 田中 花子 (一人目)
    click("dbsaigo");
    click("dbdelete");  // Smith Anna again
    find<QRadioButton>("dbselect1")->click();
    EXPECT_FALSE(undo->isEnabled());
    find<QRadioButton>("dbselect0")->click();
    EXPECT_TRUE(undo->isEnabled());
    undo->click();
    rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 3u);
    for (const Record& r : rows) EXPECT_NE(r.at(client_field::kMemo), u8("一人目").toStdString());
    EXPECT_EQ(rows.back().at(client_field::kName), "Smith Anna");
}

TEST(DataEntryPageUnbound, HoldsOneUnsavedClientWithoutATable) {
    RecordingNotifier notifier;
    DataEntryPage page(notifier);
    EXPECT_EQ(page.table(), nullptr);
    EXPECT_FALSE(page.findChild<QPushButton*>("dbato")->isEnabled());
    page.nameEdit()->setText(u8("未登録"));
    EXPECT_TRUE(page.postRecord());
    EXPECT_TRUE(page.writeRunResult({}, "2000/01/01"));
    EXPECT_EQ(page.nameEdit()->text(), u8("未登録"));
    EXPECT_TRUE(notifier.empty());
    // Without a jinmei folder nothing is created in the working folder.
    EXPECT_FALSE(page.openDataSet(0));
    EXPECT_EQ(notifier.notices.size(), 1u);
}

TEST(ClientGridPaging, ReadsOnlyThePagesShownWhileScrolling) {
    testing::TempDir dir;
    auto t = openClientTable(dir.path(), 0);
    {
        Table::Batch batch(*t);
        for (int i = 0; i < 5000; ++i) {
            testing::addClient(*t, "客" + std::to_string(i), "1980/01/01", "不明の場合", "男");
        }
        batch.commit();
    }
    t->first();
    ClientGridModel model;
    model.setTable(t.get());
    QTableView view;
    view.setModel(&model);
    view.resize(600, 400);
    view.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(model.rowCount(), 5000);
    const int shown = model.pagesFetched();
    EXPECT_GE(shown, 1);
    EXPECT_LE(shown, 2);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    EXPECT_LE(model.pagesFetched() - shown, 2);
    EXPECT_LE(model.rowsFetched(), 4 * ClientGridModel::kPageRows);
    EXPECT_EQ(model.data(model.index(4999, 0)).toString(), u8("客4999"));
    EXPECT_EQ(model.keyAt(4999), 5000);
}

}  // namespace
}  // namespace suimei
