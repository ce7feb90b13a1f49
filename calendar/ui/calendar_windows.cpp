#include "calendar/ui/calendar_windows.h"

#include <QDate>
#include <QMainWindow>

#include "calendar/ui/date_input_window.h"
#include "calendar/ui/taiwan_window.h"
#include "calendar/ui/time_difference_window.h"
#include "core/ui/workbench.h"

namespace suimei {

void installCalendarWindows(const Workbench& bench) {
    QMainWindow* main = bench.host.hostWindow();
    auto* dateInput = new DateInputWindow(main);
    auto* timeDifference = new TimeDifferenceWindow(main);
    auto* taiwan = new TaiwanCalendarWindow(bench.paths, bench.notifier, main);

    WorkbenchHost& host = bench.host;
    QObject::connect(dateInput, &DateInputWindow::dateChosen, main,
                     [&host](const QString& date) { host.enterBirthDate(date); });
    bench.registry.setOpener("calenbtn", [&host, dateInput, main] {
        // Opens at the date in the birth-date field when it holds one.
        dateInput->setDate(QDate::fromString(host.birthDateText(), "yyyy/M/d"));
        presentSideWindow(dateInput, main);
    });
    bench.registry.setOpener("jisabtn",
                             [timeDifference, main] { presentSideWindow(timeDifference, main); });
    bench.registry.setOpener("TaiwanCalendarWindow",
                             [taiwan, main] { presentSideWindow(taiwan, main); });
}

}  // namespace suimei
