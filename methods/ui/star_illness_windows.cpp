#include "methods/ui/star_illness_windows.h"

#include <QMainWindow>
#include <QPointer>

#include "app/appraisal.h"
#include "core/ui/workbench.h"
#include "methods/ui/illness_window.h"
#include "methods/ui/tokushu_stars_window.h"

namespace suimei {

void installTokushuStarAndIllnessWindows(const Workbench& bench) {
    QMainWindow* main = bench.host.hostWindow();
    WindowRegistry& registry = bench.registry;

    // One window for the program's life; it finds the stars again whenever it is shown.
    auto* stars = new Ttokufrm(
        bench.runner.chart(), [&registry] { return registry.open(QStringLiteral("printbtn")); },
        bench.notifier, main);
    // A new run while the window is open shows the new chart's stars.
    QObject::connect(&registry, &WindowRegistry::appraisalCompleted, stars, [stars] {
        if (stars->isVisible()) stars->showStars();
    });
    auto openStars = [stars, main] {
        stars->showStars();
        presentSideWindow(stars, main);
    };
    registry.setOpener(QStringLiteral("tokubtn"), openStars);
    registry.setOpener(QStringLiteral("Ttokufrm"), openStars);

    // The illness window is made afresh with the current chart's text when it is opened, unless
    // it is still open: then the reader's edited memo is kept and the window is brought forward.
    auto illness = std::make_shared<QPointer<Tbyoukifrm>>();
    auto openIllness = [illness, bench] {
        QMainWindow* host = bench.host.hostWindow();
        Tbyoukifrm* window = *illness;
        if (window && !window->isVisible()) {
            window->deleteLater();
            window = nullptr;
        }
        if (!window) {
            window = new Tbyoukifrm(bench.runner.chart(), bench.host, bench.settings,
                                    bench.notifier, host);
            *illness = window;
        }
        presentSideWindow(window, host);
    };
    registry.setOpener(QStringLiteral("byoukibtn"), openIllness);
    registry.setOpener(QStringLiteral("Tbyoukifrm"), openIllness);
}

}  // namespace suimei
