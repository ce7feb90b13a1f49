#include "methods/ui/mansion_windows.h"

#include <QMainWindow>

#include "core/ui/workbench.h"
#include "methods/ui/mansion_window.h"

namespace suimei {

void installMansionWindows(const Workbench& bench) {
    auto* window = new MansionWindow(bench.host, bench.runner, bench.paths, bench.settings,
                                     bench.notifier, bench.host.hostWindow());
    bench.registry.setOpener("syukubanbtn", [window] { window->showMansionWindow(); });
    bench.registry.setOpener("MansionWindow", [window] { window->showMansionWindow(); });
    QObject::connect(&bench.registry, &WindowRegistry::appraisalCompleted, window, [window] {
        if (window->isVisible()) window->refresh();
    });
}

}  // namespace suimei
