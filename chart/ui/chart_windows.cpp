#include "chart/ui/chart_windows.h"

#include <QMainWindow>

#include "app/settings.h"
#include "chart/ui/hidden_stem_window.h"
#include "chart/ui/stage_table_window.h"
#include "core/ui/workbench.h"

namespace suimei {

void installChartWindows(const Workbench& bench) {
    QMainWindow* main = bench.host.hostWindow();
    auto* hiddenStemTables = new TZokanDBfrm(main);
    auto* stageChart = new StageChartWindow(main);
    const Settings& settings = bench.settings;
    hiddenStemTables->setSchool(settings.hiddenStemSchool);
    stageChart->setStageSchool(settings.twelveStageSchool);

    QObject::connect(&bench.registry, &WindowRegistry::settingsChanged, hiddenStemTables,
                     [&settings, hiddenStemTables, stageChart] {
                         hiddenStemTables->setSchool(settings.hiddenStemSchool);
                         stageChart->setStageSchool(settings.twelveStageSchool);
                     });
    auto openStageChart = [&settings, stageChart, main] {
        stageChart->setStageSchool(settings.twelveStageSchool);
        presentSideWindow(stageChart, main);
    };
    bench.registry.setOpener("hounb", openStageChart);
    bench.registry.setOpener("StageChartWindow", openStageChart);
    bench.registry.setOpener("TZokanDBfrm", [&settings, hiddenStemTables, main] {
        hiddenStemTables->setSchool(settings.hiddenStemSchool);
        presentSideWindow(hiddenStemTables, main);
    });
}

}  // namespace suimei
