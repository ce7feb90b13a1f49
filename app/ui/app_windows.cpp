#include "app/ui/app_windows.h"

#include "app/ui/graph_weights_window.h"
#include "app/ui/main_window.h"
#include "app/ui/settings_window.h"
#include "app/ui/stage_points_window.h"
#include "app/ui/utility_window.h"

namespace suimei {

void installAppWindows(Tmenufrm& mainWindow, AppraisalBackend& backend, const Workbench& bench) {
    auto* settingsWindow = new Tenvsetfrm(bench.settings, bench.store, bench.notifier, &mainWindow);
    auto* graphWeights =
        new Tgraphcalcfrm(bench.settings, bench.store, bench.notifier, &mainWindow);
    auto* stagePoints = new Tbiosetteifrm(bench.settings, bench.store, bench.notifier, &mainWindow);
    auto* utility = new TUtyForm1(mainWindow, backend, bench.notifier, &mainWindow);
    WindowRegistry& registry = bench.registry;

    // The settings change at once; the windows that show a school follow them.
    QObject::connect(settingsWindow, &Tenvsetfrm::hiddenStemSchoolChosen, &registry,
                     [&registry] { emit registry.settingsChanged(); });
    QObject::connect(settingsWindow, &Tenvsetfrm::stageSchoolChosen, &registry,
                     [&registry] { emit registry.settingsChanged(); });
    QObject::connect(settingsWindow, &Tenvsetfrm::hiddenStemTablesRequested, &registry,
                     [&registry] { registry.open("TZokanDBfrm"); });
    QObject::connect(settingsWindow, &Tenvsetfrm::stageTableRequested, &registry,
                     [&registry] { registry.open("StageChartWindow"); });
    QObject::connect(settingsWindow, &Tenvsetfrm::taiwanWindowRequested, &registry,
                     [&registry] { registry.open("TaiwanCalendarWindow"); });
    // Saved settings apply to the chart on screen at once, so the screen matches the settings.
    QObject::connect(settingsWindow, &Tenvsetfrm::settingsSaved, &mainWindow, [&mainWindow] {
        if (mainWindow.hasAppraisal()) mainWindow.runAppraisal();
    });
    QObject::connect(graphWeights, &Tgraphcalcfrm::recalculationRequested, &mainWindow,
                     [&mainWindow] { mainWindow.runAppraisal(); });
    // An override of the favourable elements changes the boxes and marks, not the rest of the
    // chart: the page shows the revised display without a run (a run would undo the override).
    QObject::connect(&registry, &WindowRegistry::favourableElementsChanged, &mainWindow,
                     [&mainWindow, &backend] {
                         if (backend.hasRun()) mainWindow.showAppraisal(backend.display());
                     });

    registry.setOpener("envsetbtn", [settingsWindow, &mainWindow] {
        settingsWindow->loadControls();
        presentSideWindow(settingsWindow, &mainWindow);
    });
    registry.setOpener("Tgraphcalcfrm", [graphWeights, &mainWindow] {
        presentSideWindow(graphWeights, &mainWindow);
    });
    registry.setOpener("Tbiosetteifrm",
                       [stagePoints, &mainWindow] { presentSideWindow(stagePoints, &mainWindow); });
    registry.setOpener("utybtn",
                       [utility, &mainWindow] { presentSideWindow(utility, &mainWindow); });
}

}  // namespace suimei
