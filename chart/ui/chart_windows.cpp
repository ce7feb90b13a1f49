#include "chart/ui/chart_windows.h"

#include <QMainWindow>

#include "app/appraisal.h"
#include "app/settings.h"
#include "chart/mandata.h"
#include "chart/ui/branch_diagram_window.h"
#include "chart/ui/element_cycle_window.h"
#include "chart/ui/element_strength_window.h"
#include "chart/ui/explanation_text_window.h"
#include "chart/ui/favourable_override_window.h"
#include "chart/ui/favourable_rules_window.h"
#include "chart/ui/hidden_stem_window.h"
#include "chart/ui/stage_table_window.h"
#include "chart/ui/stem_diagram_window.h"
#include "chart/ui/ten_god_explanation_window.h"
#include "core/ui/workbench.h"

namespace suimei {

namespace {

void installTableWindows(const Workbench& bench) {
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

void installDiagramWindows(const Workbench& bench) {
    QMainWindow* main = bench.host.hostWindow();
    WindowRegistry& registry = bench.registry;
    const AppraisalRunner& runner = bench.runner;

    auto* tenGods = new TenGodExplanationWindow(main);
    auto* stems = new StemDiagramWindow(main);
    auto* branches = new BranchDiagramWindow(main);
    auto* strength = new ElementStrengthWindow(bench.notifier, main);
    auto* cycle = new ElementCycleWindow(main);
    stems->showChart(runner.chart());
    branches->showChart(runner.chart());

    // Each run starts the stem and branch diagrams afresh; the strength drawing follows the chart.
    QObject::connect(&registry, &WindowRegistry::appraisalCompleted, stems,
                     [&runner, stems, branches, strength] {
                         stems->showChart(runner.chart());
                         branches->showChart(runner.chart());
                         strength->showChart(runner.chart());
                     });
    QObject::connect(strength, &ElementStrengthWindow::cycleRequested, &registry,
                     [&registry] { registry.open("Tgogyo5"); });

    auto present = [main](QWidget* w) { return [main, w] { presentSideWindow(w, main); }; };
    registry.setOpener("tuhenbtn", present(tenGods));
    registry.setOpener("kangohlp", present(stems));
    registry.setOpener("Tgogyo10", present(stems));
    registry.setOpener("tisihlp", present(branches));
    registry.setOpener("Tgogyo12", present(branches));
    registry.setOpener("Tgogyo5", present(cycle));
    registry.setOpener("gogyobtn", [&runner, strength, main] {
        strength->showChart(runner.chart());
        presentSideWindow(strength, main);
    });
}

void installFavourableWindows(const Workbench& bench) {
    QMainWindow* main = bench.host.hostWindow();
    WindowRegistry& registry = bench.registry;

    auto* overrideWindow = new FavourableOverrideWindow(bench.runner, bench.notifier, main);
    QObject::connect(overrideWindow, &FavourableOverrideWindow::overridden, &registry,
                     [&registry] { emit registry.favourableElementsChanged(); });
    registry.setOpener("Changek", [overrideWindow, main] {
        overrideWindow->loadChart();
        presentSideWindow(overrideWindow, main);
    });

    auto* rules = new FavourableRulesWindow(main);
    registry.setOpener("yorokobtn", [rules, main] { presentSideWindow(rules, main); });
    auto* patterns = new ExplanationTextWindow("PatternExplanationWindow", "格局の取り方の説明",
                                               ExplanationTextWindow::patternLines(), main);
    registry.setOpener("kakubtn", [patterns, main] { presentSideWindow(patterns, main); });
    auto* usefulGod = new ExplanationTextWindow("UsefulGodRulesWindow", "用神の取り方",
                                                ExplanationTextWindow::usefulGodLines(), main);
    registry.setOpener("yojinbtn", [usefulGod, main] { presentSideWindow(usefulGod, main); });
}

}  // namespace

void installChartWindows(const Workbench& bench) {
    installTableWindows(bench);
    installDiagramWindows(bench);
    installFavourableWindows(bench);
}

}  // namespace suimei
