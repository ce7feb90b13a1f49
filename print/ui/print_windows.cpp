#include "print/ui/print_windows.h"

#include <QMainWindow>

#include "core/ui/workbench.h"
#include "print/ui/print_window.h"

namespace suimei {

Tprntfrm* installPrintWindows(const Workbench& bench) {
    QMainWindow* main = bench.host.hostWindow();
    auto* window = new Tprntfrm(bench, main);
    window->hide();
    bench.registry.setOpener(QStringLiteral("printbtn"), [window, main] {
        window->loadPractitioner();
        window->refreshYears();
        window->refreshAges();
        presentSideWindow(window, main);
    });
    return window;
}

}  // namespace suimei
