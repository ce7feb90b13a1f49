#include "app/ui/settings_window_install.h"

#include <QDate>

#include "app/ui/data_entry_page.h"
#include "app/ui/graph_weights_window.h"
#include "app/ui/main_window.h"
#include "app/ui/settings_window.h"
#include "app/ui/stage_points_window.h"
#include "calendar/ui/date_input_window.h"
#include "calendar/ui/taiwan_window.h"
#include "calendar/ui/time_difference_window.h"
#include "chart/ui/hidden_stem_window.h"
#include "chart/ui/stage_table_window.h"

namespace suimei {

namespace {
void showRaised(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
}  // namespace

SideWindows installSideWindows(Tmenufrm& mainWindow, Settings& settings, const SettingsStore& store,
                               Notifier& notifier, const AppPaths& paths) {
    SideWindows w;
    w.settings = new Tenvsetfrm(settings, store, notifier, &mainWindow);
    w.graphWeights = new Tgraphcalcfrm(settings, store, notifier, &mainWindow);
    w.stagePoints = new Tbiosetteifrm(settings, store, notifier, &mainWindow);
    w.hiddenStemTables = new TZokanDBfrm(&mainWindow);
    w.hiddenStemTables->setSchool(settings.hiddenStemSchool);
    w.stageChart = new StageChartWindow(&mainWindow);
    w.taiwan = new TaiwanCalendarWindow(paths, notifier, &mainWindow);
    w.timeDifference = new TimeDifferenceWindow(&mainWindow);
    w.dateInput = new DateInputWindow(&mainWindow);

    connectSettingsSideWindows(*w.settings, *w.hiddenStemTables, *w.stageChart, *w.taiwan);
    QObject::connect(w.graphWeights, &Tgraphcalcfrm::recalculationRequested, &mainWindow,
                     [&mainWindow] { mainWindow.okbtnClick(); });
    // OK writes the date into the current client record and posts it.
    QObject::connect(w.dateInput, &DateInputWindow::dateChosen, &mainWindow,
                     [&mainWindow](const QString& date) {
                         mainWindow.setBirthDateText(date);
                         mainWindow.entryPage()->postRecord();
                     });

    mainWindow.setSideWindowOpener("envsetbtn", [w] {
        w.settings->loadControls();
        showRaised(w.settings);
    });
    mainWindow.setSideWindowOpener("jisabtn", [w] { showRaised(w.timeDifference); });
    mainWindow.setSideWindowOpener("calenbtn", [w, &mainWindow] {
        // Opens at the date in the birth-date field when it holds one.
        w.dateInput->setDate(QDate::fromString(mainWindow.birthDateText(), "yyyy/M/d"));
        showRaised(w.dateInput);
    });
    mainWindow.setSideWindowOpener("hounb", [w, &settings] {
        w.stageChart->setStageSchool(settings.twelveStageSchool);
        showRaised(w.stageChart);
    });
    return w;
}

}  // namespace suimei
