#include "app/ui/start_up.h"

#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace suimei {

QString startUpSoundFor(const QDate& today) {
    if (!today.isValid()) return {};
    switch (today.day() % 10) {
        case 0:
        case 4:
        case 7:
            return QStringLiteral("open1.wav");
        case 3:
        case 6:
        case 9:
            return QStringLiteral("open3.wav");
        default:
            return QStringLiteral("open2.wav");
    }
}

namespace {

// The first installed family of the list, else the first of the list.
QString firstInstalled(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& f : families) {
        if (installed.contains(f, Qt::CaseInsensitive)) return f;
    }
    return families.front();
}

const QStringList& gothicCandidates() {
    static const QStringList list = {"IPAGothic", "IPAexGothic", "IPAPGothic", "Noto Sans CJK JP",
                                     "Droid Sans Fallback"};
    return list;
}
const QStringList& minchoCandidates() {
    static const QStringList list = {"IPAMincho", "IPAexMincho", "IPAPMincho", "Noto Serif CJK JP",
                                     "IPAGothic"};
    return list;
}

}  // namespace

QString japaneseGothicFamily() {
    static const QString family = firstInstalled(gothicCandidates());
    return family;
}

QString japaneseMinchoFamily() {
    static const QString family = firstInstalled(minchoCandidates());
    return family;
}

void installJapaneseFontFallbacks() {
    const QStringList gothic = gothicCandidates();
    const QStringList mincho = minchoCandidates();
    for (const char* name : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "MS Gothic", "MS PGothic"}) {
        QFont::insertSubstitutions(QString::fromUtf8(name), gothic);
    }
    for (const char* name : {"ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS Mincho", "MS PMincho"}) {
        QFont::insertSubstitutions(QString::fromUtf8(name), mincho);
    }
    QFont font(japaneseGothicFamily());
    font.setPointSize(10);
    QApplication::setFont(font);
}

double processAgeMilliseconds() {
    // Field 22 of /proc/self/stat: start time in clock ticks since boot. The command name
    // (field 2) may hold spaces, so the fields are counted after its closing parenthesis.
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) return -1;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22) startTicks = std::stoull(field);
    }
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0 || startTicks == 0) return -1;
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - static_cast<double>(startTicks) * 1000.0 / ticks;
}

bool runningUnderTests() {
    return qEnvironmentVariable("SUIMEI_TEST") == QLatin1String("1");
}

SingleInstanceLock::SingleInstanceLock(const QString& lockFile)
    : path_(lockFile.isEmpty() ? defaultPath() : lockFile) {}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::acquire() {
    if (held()) return true;
    lock_ = std::make_unique<QLockFile>(path_);
    // Stale only when the recorded process is gone: a crash never blocks the next start, while a
    // long-running instance is never taken over.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

bool SingleInstanceLock::held() const {
    return lock_ && lock_->isLocked();
}

QString SingleInstanceLock::defaultPath() {
    // The per-user runtime folder when the session has one (asking QStandardPaths would create a
    // fallback folder with a warning when it is unset).
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("suimei-workbench-%1.lock").arg(::getuid()));
}

}  // namespace suimei
