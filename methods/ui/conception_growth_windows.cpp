#include "methods/ui/conception_growth_windows.h"

#include <QMainWindow>
#include <QPointer>

#include "app/appraisal.h"
#include "core/ui/workbench.h"
#include "methods/ui/conception_window.h"
#include "methods/ui/growth_stage_window.h"

namespace suimei {

namespace {

// Lives as a child of the main window and keeps the two windows once made.
class ConceptionGrowthHub : public QObject {
  public:
    explicit ConceptionGrowthHub(const Workbench& bench)
        : QObject(bench.host.hostWindow()),
          host_(bench.host),
          settings_(bench.settings),
          paths_(bench.paths),
          notifier_(bench.notifier),
          runner_(bench.runner) {
        bench.registry.setOpener(QStringLiteral("tengenbtn"), [this] { openConception(); });
        bench.registry.setOpener(QStringLiteral("Ttengenfrm"), [this] { openConception(); });
        bench.registry.setOpener(QStringLiteral("seicyoubtn"), [this] { openGrowth(); });
        bench.registry.setOpener(QStringLiteral("TSinkaChkForm"), [this] { openGrowth(); });
        // A new run is a new client (or the same one anew): the windows show it.
        connect(&bench.registry, &WindowRegistry::appraisalCompleted, this, [this] {
            if (conception_) conception_->loadChart();
            if (growth_) growth_->applyOverallLevel();
        });
    }

  private:
    void openConception() {
        QMainWindow* main = host_.hostWindow();
        if (!conception_) {
            conception_ =
                new Ttengenfrm(runner_.chart(), host_, settings_, paths_, notifier_, main);
        } else if (!conception_->isVisible()) {
            // Each opening starts from the chart with an empty memo; a window still open keeps
            // what the reader wrote.
            conception_->loadChart();
        }
        presentSideWindow(conception_, main);
    }

    void openGrowth() {
        QMainWindow* main = host_.hostWindow();
        if (!growth_) growth_ = new TSinkaChkForm(runner_.chart(), main);
        growth_->applyOverallLevel();
        presentSideWindow(growth_, main);
    }

    WorkbenchHost& host_;
    const Settings& settings_;
    const AppPaths& paths_;
    Notifier& notifier_;
    const AppraisalRunner& runner_;
    QPointer<Ttengenfrm> conception_;
    QPointer<TSinkaChkForm> growth_;
};

}  // namespace

void installConceptionGrowthWindows(const Workbench& bench) {
    new ConceptionGrowthHub(bench);
}

}  // namespace suimei
