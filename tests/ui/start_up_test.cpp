// Start-up pieces: the sound of the day, the screen check and its notice, the one-instance lock,
// the Japanese font fall-backs and the title picture.

#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>

#include "app/ui/screen_check.h"
#include "app/ui/sound_player.h"
#include "app/ui/start_up.h"
#include "app/ui/title_window.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

TEST(StartUpSound, LastDigitOfTheDayChoosesTheSound) {
    const std::pair<int, const char*> cases[] = {
        {10, "open1.wav"}, {20, "open1.wav"}, {30, "open1.wav"}, {4, "open1.wav"},
        {14, "open1.wav"}, {7, "open1.wav"},  {27, "open1.wav"}, {3, "open3.wav"},
        {6, "open3.wav"},  {9, "open3.wav"},  {19, "open3.wav"}, {1, "open2.wav"},
        {2, "open2.wav"},  {5, "open2.wav"},  {8, "open2.wav"},  {31, "open2.wav"},
        {11, "open2.wav"}, {28, "open2.wav"}};
    for (const auto& [day, sound] : cases) {
        EXPECT_EQ(startUpSoundFor(QDate(2024, 1, day)), QString(sound)) << day;
    }
    EXPECT_EQ(startUpSoundFor(QDate(2024, 2, 29)), "open3.wav");
    EXPECT_TRUE(startUpSoundFor(QDate()).isEmpty());
}

TEST(StartUpSound, TestsAndSilentMachinesPlayNothing) {
    WavSoundPlayer player(QStringLiteral(SUIMEI_APP_DIR));
    EXPECT_FALSE(player.enabled());  // SUIMEI_TEST=1
    player.play("kantei.wav");       // and it does not fail
}

TEST(StartUpSound, TheBuildStagesEverySound) {
    for (const char* name : {"open1.wav", "open2.wav", "open3.wav", "kantei.wav"}) {
        QFile f(QStringLiteral(SUIMEI_APP_DIR "/") + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray head = f.read(44);
        EXPECT_TRUE(head.startsWith("RIFF")) << name;
        EXPECT_EQ(head.mid(8, 8), "WAVEfmt ") << name;
        EXPECT_GT(f.size(), 22050) << name;  // at least half a second of 16-bit sound
    }
}

TEST(ScreenCheck, NeedsAtLeast1023By760) {
    EXPECT_TRUE(screenIsLargeEnough(1023, 760));
    EXPECT_TRUE(screenIsLargeEnough(1024, 768));
    EXPECT_TRUE(screenIsLargeEnough(1280, 1024));
    EXPECT_FALSE(screenIsLargeEnough(1022, 760));
    EXPECT_FALSE(screenIsLargeEnough(1023, 759));
    EXPECT_FALSE(screenIsLargeEnough(800, 800));  // the offscreen default
    EXPECT_FALSE(screenIsLargeEnough(nullptr));
}

TEST(ScreenCheck, NoticeWindowHasItsCaptionFourLinesAndAnEndButton) {
    ScreenNoticeWindow notice;
    EXPECT_EQ(notice.windowTitle(), QString::fromUtf8("画面の大きさの設定を変更して下さい。"));
    EXPECT_EQ(notice.findChildren<QLabel*>().size(), 4);
    auto* end = notice.findChild<QPushButton*>("endbtn");
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->text(), QString::fromUtf8("終了"));
    notice.show();
    end->click();
    EXPECT_FALSE(notice.isVisible());
    EXPECT_EQ(notice.result(), QDialog::Accepted);
}

TEST(SingleInstance, SecondLockFailsWhileTheFirstIsHeld) {
    testing::TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "suimei.lock").string());
    {
        SingleInstanceLock first(path);
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(first.acquire());  // holding it already
        SingleInstanceLock second(path);
        EXPECT_FALSE(second.acquire());
        EXPECT_FALSE(second.held());
    }
    SingleInstanceLock third(path);
    EXPECT_TRUE(third.acquire());
}

TEST(SingleInstance, LockLeftByADeadProcessIsTakenOver) {
    testing::TempDir dir;
    // What a crashed instance leaves: its process id (long gone), application name and host.
    const std::string stale =
        "2147483646\nsuimei\n" + QSysInfo::machineHostName().toStdString() + "\n";
    const auto file = dir.write("suimei.lock", stale);
    SingleInstanceLock lock(QString::fromStdString(file.string()));
    EXPECT_TRUE(lock.acquire());
}

TEST(SingleInstance, DefaultLockIsPerUserInARuntimeOrTempFolder) {
    const QString path = SingleInstanceLock::defaultPath();
    EXPECT_TRUE(path.endsWith(".lock"));
    EXPECT_TRUE(path.contains("suimei-workbench"));
}

TEST(Fonts, RequestedJapaneseFamiliesFallBackToInstalledOnes) {
    if (!QFontDatabase::families().contains("IPAGothic") ||
        !QFontDatabase::families().contains("IPAMincho")) {
        GTEST_SKIP() << "the IPA fonts are not installed";
    }
    installJapaneseFontFallbacks();
    EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("ＭＳ ゴシック"))).family(), "IPAGothic");
    EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("ＭＳ 明朝"))).family(), "IPAMincho");
}

TEST(TitleWindow, PictureFillsTheWindow) {
    const QPixmap picture = Ttitlefrm::titlePicture(QSize(300, 180));
    EXPECT_EQ(picture.size(), QSize(300, 180));
    auto* title = new Ttitlefrm;
    EXPECT_EQ(title->windowTitle(), QString::fromUtf8("推命ワークベンチ 8.0"));
    title->close();
}

}  // namespace
}  // namespace suimei
