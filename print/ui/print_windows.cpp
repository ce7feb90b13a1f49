#include "print/ui/print_windows.h"

#include <QMainWindow>

#include "core/ui/workbench.h"
#include "print/ui/calendar_printing.h"
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
    // The workbench holds only references to what lives as long as the main window.
    QObject::connect(
        window, &Tprntfrm::fortuneCalendarRequested, window,
        [bench, window](int year, int month) { printFortuneCalendar(bench, year, month, window); });
    QObject::connect(
        window, &Tprntfrm::mansionCalendarRequested, window,
        [bench, window](int year, int month) { printMansionCalendar(bench, year, month, window); });
    return window;
}

}  // namespace suimei
