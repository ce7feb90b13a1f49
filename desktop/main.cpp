// The desktop program: title window, one instance only, settings, start-up sound, screen check,
// then the main window until it closes.
//
// --startup-timing: prints the time from process start to the main window shown, then quits.
// --print-pdf FILE --document NAME ...: writes a document without a window
// (desktop/headless_print.h).

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/appraisal.h"
#include "app/settings.h"
#include "app/ui/data_entry_page.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_notifier.h"
#include "app/ui/runner_backend.h"
#include "app/ui/screen_check.h"
#include "app/ui/sound_player.h"
#include "app/ui/start_up.h"
#include "app/ui/title_window.h"
#include "core/app_paths.h"
#include "desktop/headless_print.h"
#include "desktop/subsystems.h"

namespace {

// --startup-timing: reports once the button bar, the last part of the window, has been painted.
class FirstPaintProbe : public QObject {
  public:
    explicit FirstPaintProbe(const QElapsedTimer& sinceMain) : sinceMain_(sinceMain) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, this, [this] {
                std::printf("main window shown: %.0f ms after process start (%lld ms after main)\n",
                            suimei::processAgeMilliseconds(),
                            static_cast<long long>(sinceMain_.elapsed()));
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    const QElapsedTimer& sinceMain_;
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (suimei::wantsHeadlessPrint(argc, argv)) {
        const std::vector<std::string> words(argv + 1, argv + argc);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Only the print's own one-line messages reach stderr; the toolkit's chatter does not.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
            }
        });
        QApplication app(argc, argv);
        suimei::installJapaneseFontFallbacks();
        return suimei::runHeadlessPrint(words, suimei::AppPaths::fromEnvironment(argv[0]));
    }
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("suimei"));
    QApplication::setApplicationVersion(QStringLiteral("8.0"));
    const bool timing = QApplication::arguments().contains(QStringLiteral("--startup-timing"));
    suimei::installJapaneseFontFallbacks();

    auto* title = new suimei::Ttitlefrm;
    title->show();
    app.processEvents();

    suimei::QtNotifier notifier;
    suimei::SingleInstanceLock lock;
    if (!lock.acquire()) {
        title->close();
        notifier.info(suimei::kAlreadyRunningText);
        return 1;
    }

    const suimei::AppPaths paths = suimei::AppPaths::fromEnvironment(argv[0]);
    const QString appDir = QString::fromStdString(paths.appDir().string());
    const suimei::SettingsStore store(paths);
    suimei::Settings settings = store.load();

    suimei::WavSoundPlayer sound(appDir);
    if (settings.startupSound) sound.play(suimei::startUpSoundFor(QDate::currentDate()));

    suimei::AppraisalRunner runner(paths);
    suimei::RunnerBackend backend(runner);
    suimei::Tmenufrm mainWindow(backend, settings, store, notifier);
    notifier.setParent(&mainWindow);
    mainWindow.setAppDir(appDir);
    mainWindow.setSoundPlayer(&sound);
    // The side windows and pages of every subsystem belong to the main window (their Qt parent).
    const suimei::Workbench bench{
        mainWindow, mainWindow.registry(), settings, store, notifier, paths, runner};
    suimei::installSubsystems(mainWindow, backend, bench);

    if (!suimei::screenIsLargeEnough(QGuiApplication::primaryScreen())) {
        title->close();
        suimei::ScreenNoticeWindow notice;
        notice.exec();
        return 0;
    }

    // The client table: デモのデータ at start-up. An installed program first gives the user their
    // own copies of the shipped tables.
    if (std::string error; !paths.prepareUserTables(&error)) {
        notifier.warn("顧客データのフォルダを用意できませんでした。\n" + error);
    }
    mainWindow.entryPage()->setJinmeiDir(paths.jinmeiDir());
    mainWindow.entryPage()->openDataSet(0);

    FirstPaintProbe probe(sinceMain);
    if (timing) {
        if (QWidget* bar = mainWindow.findChild<QWidget*>(QStringLiteral("Panel1"))) {
            bar->installEventFilter(&probe);
        }
    }
    mainWindow.show();
    title->close();
    return QApplication::exec();
}
