#include "app/ui/app_windows.h"

#include "app/birth_ambiguity.h"
#include "app/ui/ambiguity_window.h"
#include "app/ui/chart_page.h"
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
    auto* candidates = new AmbiguityWindow(&mainWindow);
    WindowRegistry& registry = bench.registry;
    AppraisalRunner& runner = bench.runner;

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

    // After each run the chart page tells whether the birth admits more than one chart; the
    // candidates themselves are worked only when the reader asks for them.
    QObject::connect(&registry, &WindowRegistry::appraisalCompleted, &mainWindow,
                     [&mainWindow, &runner] {
                         mainWindow.chartPage()->showAmbiguity(
                             QString::fromStdString(ambiguityLine(assessBirthAmbiguity(runner))));
                     });
    QObject::connect(mainWindow.chartPage(), &ChartPage::ambiguityComparisonRequested, &registry,
                     [&registry] { registry.open("ambiguitybtn"); });

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
    registry.setOpener("ambiguitybtn", [candidates, &mainWindow, &runner] {
        const BirthAmbiguity ambiguity = assessBirthAmbiguity(runner);
        if (!ambiguity.ambiguous()) return;
        candidates->showCandidates(ambiguityLine(ambiguity), candidateCharts(runner, ambiguity));
        presentSideWindow(candidates, &mainWindow);
    });
}

}  // namespace suimei
