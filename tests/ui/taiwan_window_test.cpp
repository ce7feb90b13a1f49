#include "calendar/ui/taiwan_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

// "メモ" in CP932 is 83 81 83 82.
const std::string kFileBytes =
    "1923/11/08,10/01,30,h\r\n"
    "2001/05/23,04/01,29,u\r\n"
    "\x83\x81\x83\x82\r\n";

class TaiwanWindowTest : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return dir.path() / "QrekiTaiwan.txt"; }
    QPlainTextEdit* memo(TaiwanCalendarWindow& w, const char* name) {
        return w.findChild<QPlainTextEdit*>(name);
    }
    void lookUp(TaiwanCalendarWindow& w, int y, int m, int d) {
        w.findChild<QSpinBox*>("yearEdit")->setValue(y);
        w.findChild<QSpinBox*>("monthEdit")->setValue(m);
        w.findChild<QSpinBox*>("dayEdit")->setValue(d);
        w.findChild<QPushButton*>("lookupButton")->click();
    }

    testing::TempDir dir;
    AppPaths paths{dir.path(), dir.path() / "vorrin80.ini"};
    RecordingNotifier notifier;
};

TEST_F(TaiwanWindowTest, ShowsTheFileAndLooksUpDates) {
    dir.write("QrekiTaiwan.txt", kFileBytes);
    TaiwanCalendarWindow window(paths, notifier);
    window.show();
    EXPECT_EQ(window.windowTitle(), "台湾方式旧暦　カスタマイズファイル");
    // The memo line is no month: it is told by its number, and the two months still count.
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_NE(notifier.lastText().find("3行目: メモ"), std::string::npos) << notifier.lastText();
    notifier.notices.clear();
    EXPECT_EQ(window.fileText(), "1923/11/08,10/01,30,h\n2001/05/23,04/01,29,u\nメモ");

    lookUp(window, 1923, 11, 8);   // the row's first day
    lookUp(window, 1923, 11, 20);  // twelve days later
    lookUp(window, 1923, 12, 7);   // day 30, the last of the month
    lookUp(window, 2001, 5, 23);   // a leap month
    lookUp(window, 1923, 12, 8);   // past the month: not in the file
    EXPECT_EQ(memo(window, "resultMemo")->toPlainText(),
              "平月 10月1日\n平月 10月13日\n平月 10月30日\n閏月 4月1日\n"
              "該当なし（日本式の旧暦になります）");
    EXPECT_EQ(window.lookupText(2001, 2, 30), "存在しない日付です");
}

TEST_F(TaiwanWindowTest, LookupReadsTheMemoAsEdited) {
    dir.write("QrekiTaiwan.txt", kFileBytes);
    TaiwanCalendarWindow window(paths, notifier);
    window.show();
    memo(window, "fileMemo")->appendPlainText("1950/01/18,12/01,29,h");
    EXPECT_EQ(window.lookupText(1950, 1, 20), "平月 12月3日");
}

TEST_F(TaiwanWindowTest, SaveWritesCp932WithCrlfAndCloses) {
    dir.write("QrekiTaiwan.txt", kFileBytes);
    TaiwanCalendarWindow window(paths, notifier);
    window.show();
    int saved = 0;
    QObject::connect(&window, &TaiwanCalendarWindow::fileSaved, [&] { ++saved; });
    memo(window, "fileMemo")->appendPlainText("1950/01/18,12/01,29,h");
    window.findChild<QPushButton*>("saveButton")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(readFileBytes(file()).value_or(""), kFileBytes + "1950/01/18,12/01,29,h\r\n");
}

TEST_F(TaiwanWindowTest, TextWithoutACp932FormKeepsTheOldFile) {
    dir.write("QrekiTaiwan.txt", kFileBytes);
    TaiwanCalendarWindow window(paths, notifier);
    window.show();
    notifier.notices.clear();  // the memo line's notice at load
    memo(window, "fileMemo")->appendPlainText("\xF0\x9F\x98\x80");  // an emoji
    window.findChild<QPushButton*>("saveButton")->click();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning);
    EXPECT_EQ(readFileBytes(file()).value_or(""), kFileBytes);
}

TEST_F(TaiwanWindowTest, MissingFileIsToldWhenShownAndSavingCreatesIt) {
    TaiwanCalendarWindow window(paths, notifier);
    EXPECT_TRUE(notifier.empty()) << "made at start-up, the window tells nothing";
    window.show();
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.lastText(), "QrekiTaiwan.txt ファイルが見つかりません!!");
    EXPECT_EQ(window.fileText(), "");
    memo(window, "fileMemo")->setPlainText("1923/11/08,10/01,30,h");
    window.findChild<QPushButton*>("saveButton")->click();
    EXPECT_EQ(readFileBytes(file()).value_or(""), "1923/11/08,10/01,30,h\r\n");
}

TEST_F(TaiwanWindowTest, UnreadableFileIsNotOfferedForEditing) {
    dir.write("QrekiTaiwan.txt", std::string("1923/11/08,10/01,30,h\r\n\x81\x20\r\n"));
    TaiwanCalendarWindow window(paths, notifier);
    window.show();
    EXPECT_FALSE(window.findChild<QPushButton*>("saveButton")->isEnabled());
    EXPECT_FALSE(notifier.empty());
}

}  // namespace
}  // namespace suimei
