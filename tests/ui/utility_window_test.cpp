// The utility window on the client table of the main window: CSV export and import through the
// window with the file names given in place of the dialogs, appraising every client, emptying the
// table, and the end of the program after each.

#include <gtest/gtest.h>

#include <QLabel>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/ui/client_grid_model.h"
#include "app/ui/utility_window.h"
#include "data_entry_page_fixture.h"

namespace suimei {
namespace {

using testing::addClient;
using testing::storedClients;
using testing::u8;

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class UtilityWindowTest : public ::testing::Test, public testing::ClientWindow {
  protected:
    std::unique_ptr<TUtyForm1> utility;
    QString chosenFile;
    std::vector<TUtyForm1::FileDialog> dialogs;

    void SetUp() override {
        auto t = table();
        addClient(*t, "Aoki, Haruka", "1988/03/21", "07:00-09:00", "女");
        addClient(*t, "O\"Neil Ken", "1985/11/03", "07:00-09:00", "男");
        addClient(*t, "田中 花子", "2000/1/1", "11:00-13:00", "女");
        addClient(*t, "斎藤 隆", "1945/08/15", "不明の場合", "男");
        addClient(*t, "性別なし", "1970/01/01", "", "");
        addClient(*t, "日付不正", "1990/13/40", "09:00-11:00", "男");
        t.reset();
        openWindows(0);
    }
    void openWindows(int dataSet) {
        utility.reset();
        open();
        if (dataSet != 0) page()->openDataSet(dataSet);
        notifier.notices.clear();
        utility = std::make_unique<TUtyForm1>(*window, backend, notifier);
        utility->setFileChooser([this](TUtyForm1::FileDialog kind, const QString&) {
            dialogs.push_back(kind);
            return chosenFile;
        });
        window->show();
        utility->show();
    }
    void press(const char* name) { utility->findChild<QPushButton*>(name)->click(); }
    bool programEnded() const { return !window->isVisible() && !utility->isVisible(); }
};

TEST_F(UtilityWindowTest, CaptionsOfTheWindowAndItsButtons) {
    EXPECT_EQ(utility->windowTitle(), u8("ユーテイリテイ画面"));
    const std::pair<const char*, const char*> buttons[] = {
        {"databasebunsyo", "現在の人名データベースをＣＳＶファイルに書き出す"},
        {"SpeedButton1", "指定するＣＳＶファイルから、現在の人名データベースに取り込む"},
        {"SpeedButton2", "全人名を一括して鑑定する。"},
        {"SpeedButton3", "現在の全人名を一括して削除します。"}};
    for (const auto& [name, caption] : buttons) {
        EXPECT_EQ(utility->findChild<QPushButton*>(name)->text(), u8(caption)) << name;
    }
    EXPECT_TRUE(utility->findChild<QLabel*>("Label1")->text().contains(u8("バックアップ")));
    // The data-entry page opens it.
    int opened = 0;
    window->setSideWindowOpener("utybtn", [&] { ++opened; });
    click("utybtn");
    EXPECT_EQ(opened, 1);
}

TEST_F(UtilityWindowTest, ExportWritesQuotedCp932LinesAndEndsTheProgram) {
    chosenFile = QString::fromStdString((dir.path() / "clients.csv").string());
    press("databasebunsyo");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0], TUtyForm1::FileDialog::SaveCsv);
    const std::string bytes = readBytes(dir.path() / "clients.csv");
    // 女 is 8F 97 and 男 92 6A in CP932; a quote inside a name is doubled.
    const std::string expectedStart =
        "\"Aoki, Haruka\",\"1988/03/21\",\"07:00-09:00\",\"\x8F\x97\"\r\n"
        "\"O\"\"Neil Ken\",\"1985/11/03\",\"07:00-09:00\",\"\x92\x6A\"\r\n";
    EXPECT_EQ(bytes.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 6);
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.lastText(), kExportDoneText);
    EXPECT_TRUE(programEnded());
}

TEST_F(UtilityWindowTest, ImportIntoAnEmptyTableGivesBackTheExportedFile) {
    const auto first = dir.path() / "first.csv";
    chosenFile = QString::fromStdString(first.string());
    press("databasebunsyo");
    ASSERT_TRUE(programEnded());

    openWindows(1);  // 貴方のデータ１, empty
    ASSERT_EQ(page()->gridModel()->rowCount(), 0);
    press("SpeedButton1");
    EXPECT_EQ(dialogs.back(), TUtyForm1::FileDialog::OpenCsv);
    // The client dated 1990/13/40 is asked about (kept: the answer is yes) and counted.
    ASSERT_EQ(notifier.notices.size(), 3u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Question);
    EXPECT_NE(notifier.notices[0].text.find("6行目"), std::string::npos)
        << notifier.notices[0].text;
    EXPECT_NE(notifier.notices[0].text.find("1990/13/40"), std::string::npos);
    EXPECT_EQ(notifier.notices[1].kind, NoticeKind::Warning);
    EXPECT_EQ(notifier.lastText(), kImportDoneText);
    EXPECT_TRUE(programEnded());
    const auto rows = storedClients(tableFile(1));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].at(client_field::kName), "Aoki, Haruka");
    EXPECT_EQ(rows[1].at(client_field::kName), "O\"Neil Ken");
    EXPECT_EQ(rows[2].at(client_field::kName), u8("田中 花子").toStdString());
    EXPECT_EQ(rows[3].at(client_field::kTime), u8("不明の場合").toStdString());
    EXPECT_EQ(rows[4].at(client_field::kSex), "");

    openWindows(1);
    chosenFile = QString::fromStdString((dir.path() / "second.csv").string());
    press("databasebunsyo");
    EXPECT_EQ(readBytes(dir.path() / "second.csv"), readBytes(first));
}

TEST_F(UtilityWindowTest, ImportReportsUnreadableLinesByNumberAndTakesTheRest) {
    const auto file = dir.write("mixed.csv",
                                "\"Kato\",\"1950/01/05\",\"01:00-03:00\",\"\x92\x6A\"\r\n"
                                "\"broken,\"1950/01/05\"\r\n"
                                "\"Ono\",\"1911/04/03\"\r\n"
                                "Mori,1976/04/29,00:00-01:00,\x8F\x97\r\n");
    chosenFile = QString::fromStdString(file.string());
    press("SpeedButton1");
    ASSERT_EQ(notifier.notices.size(), 2u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning);
    const std::string& report = notifier.notices[0].text;
    EXPECT_NE(report.find("取り込んだお客様：2件"), std::string::npos) << report;
    EXPECT_NE(report.find("2行目"), std::string::npos) << report;
    EXPECT_NE(report.find("3行目"), std::string::npos) << report;
    EXPECT_EQ(report.find("1行目"), std::string::npos) << report;
    EXPECT_EQ(notifier.lastText(), kImportDoneText);
    const auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[7].at(client_field::kName), "Mori");
    EXPECT_EQ(rows[7].at(client_field::kSex), u8("女").toStdString());
}

TEST_F(UtilityWindowTest, CancelledDialogChangesNothing) {
    chosenFile.clear();
    press("databasebunsyo");
    press("SpeedButton1");
    EXPECT_TRUE(notifier.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(storedClients(tableFile()).size(), 6u);
}

TEST_F(UtilityWindowTest, AppraiseAllWritesSummaryColumnsAndSummarisesTheNotices) {
    press("SpeedButton2");
    EXPECT_EQ(backend.runs, 6);
    // One summary instead of a box per client, then the completion message.
    ASSERT_EQ(notifier.notices.size(), 2u);
    const std::string& summary = notifier.notices[0].text;
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning);
    EXPECT_NE(summary.find("鑑定したお客様：4件"), std::string::npos) << summary;
    EXPECT_NE(summary.find("時刻不明のため推時黄金律で時柱を補ったお客様：1件"), std::string::npos)
        << summary;
    EXPECT_NE(summary.find("鑑定できなかったお客様：2件"), std::string::npos) << summary;
    EXPECT_NE(summary.find("性別なし"), std::string::npos) << summary;
    EXPECT_NE(summary.find("日付不正"), std::string::npos) << summary;
    EXPECT_EQ(notifier.lastText(), kAppraiseAllDoneText);
    EXPECT_TRUE(programEnded());

    const auto rows = storedClients(tableFile());
    ASSERT_EQ(rows.size(), 6u);
    // 2000/1/1 noon: 戊 day, 子 month; 己 劫財, 丙 偏印, 戊 比肩, 子's 癸 正財 (worked by hand).
    const Record& tanaka = rows[2];
    EXPECT_EQ(tanaka.at(client_field::kBirthDate), "2000/01/01");
    EXPECT_EQ(tanaka.at(client_field::kDayMaster), u8("戊").toStdString());
    EXPECT_EQ(tanaka.at(client_field::kMonthBranch), u8("子").toStdString());
    EXPECT_EQ(tanaka.at(client_field::kYearStemTenGod), u8("劫財").toStdString());
    EXPECT_EQ(tanaka.at(client_field::kMonthStemTenGod), u8("偏印").toStdString());
    EXPECT_EQ(tanaka.at(client_field::kHourStemTenGod), u8("比肩").toStdString());
    EXPECT_EQ(tanaka.at(client_field::kEtc1), u8("正財").toStdString());
    // The unknown-time client is appraised with the inferred hour.
    EXPECT_FALSE(rows[3].at(client_field::kHourStemTenGod).empty());
    EXPECT_FALSE(rows[0].at(client_field::kDayMaster).empty());
    // Clients that could not be appraised keep their fields as they were.
    EXPECT_TRUE(rows[4].at(client_field::kDayMaster).empty());
    EXPECT_EQ(rows[5].at(client_field::kBirthDate), "1990/13/40");
    EXPECT_TRUE(rows[5].at(client_field::kDayMaster).empty());
}

TEST_F(UtilityWindowTest, SouthernQuestionIsAskedOnceForTheWholeBatch) {
    settings.southern = true;
    ASSERT_TRUE(store.saveEnvironment(settings));
    notifier.answer = false;
    press("SpeedButton2");
    ASSERT_EQ(notifier.notices.size(), 2u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Question);
    EXPECT_EQ(notifier.lastText(), u8("「環境と流派の設定」を再設定して下さい。").toStdString());
    EXPECT_EQ(backend.runs, 0);
    EXPECT_TRUE(window->isVisible());

    notifier.notices.clear();
    notifier.answer = true;
    press("SpeedButton2");
    EXPECT_EQ(backend.runs, 6);
    int questions = 0;
    for (const Notice& n : notifier.notices) questions += n.kind == NoticeKind::Question;
    EXPECT_EQ(questions, 1);
    // 子 month becomes 午 in the southern mode.
    EXPECT_EQ(storedClients(tableFile())[2].at(client_field::kMonthBranch), u8("午").toStdString());
}

TEST_F(UtilityWindowTest, EmptyTableRemovesEveryClientAndEndsTheProgram) {
    press("SpeedButton3");
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.lastText(), kEmptyTableDoneText);
    EXPECT_TRUE(programEnded());
    EXPECT_TRUE(storedClients(tableFile()).empty());
    EXPECT_EQ(page()->gridModel()->rowCount(), 0);
    EXPECT_TRUE(page()->nameEdit()->text().isEmpty());
}

}  // namespace
}  // namespace suimei
