#pragma once
// Start-up of the desktop program: the application title, the one-instance lock, the Japanese font
// fall-backs and the start-up sound of the day.

#include <QDate>
#include <QLockFile>
#include <QString>
#include <memory>

namespace suimei {

// Window caption and application title.
inline constexpr char kApplicationTitle[] = "推命ワークベンチ 8.0";
// Shown when another instance is already running; the process then ends.
inline constexpr char kAlreadyRunningText[] = "すでに起動されていますので緊急終了します";

// The start-up sound by the last digit of the day of the month: 0, 4, 7 "open1.wav";
// 3, 6, 9 "open3.wav"; 1, 2, 5, 8 "open2.wav". Empty for an invalid date.
QString startUpSoundFor(const QDate& today);

// The requested families "ＭＳ ゴシック" and "ＭＳ 明朝" (and their proportional forms) are drawn
// with the installed Japanese fonts; the application font becomes the gothic one.
void installJapaneseFontFallbacks();
// The gothic family the program writes Japanese with (IPAGothic when installed).
QString japaneseGothicFamily();
QString japaneseMinchoFamily();

// Milliseconds since this process was started by the system (clock-tick resolution, Linux);
// -1 when unknown.
double processAgeMilliseconds();

// True when the process runs under the test suite (SUIMEI_TEST=1): no sound, no outside program.
bool runningUnderTests();

// One running instance per user. The lock file records the holder's process id, so a lock left
// behind by a crashed process is recognised as stale and taken over.
class SingleInstanceLock {
  public:
    // lockFile: full path of the lock file; empty for the default in the runtime (or temp) folder.
    explicit SingleInstanceLock(const QString& lockFile = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when this process now holds the lock (also when it held it already).
    bool acquire();
    bool held() const;
    const QString& path() const { return path_; }

    // "<runtime or temp folder>/suimei-workbench-<user>.lock"
    static QString defaultPath();

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace suimei
