#include "methods/ui/emotion_windows.h"

#include <QMainWindow>

#include <memory>

#include "core/ui/workbench.h"
#include "methods/ui/emotion_cycle_window.h"
#include "methods/ui/emotion_score_window.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

// Lives as a child of the main window and keeps the passage table the window reads.
class EmotionHub : public QObject {
  public:
    EmotionHub(const Workbench& bench, std::unique_ptr<PassageTable> passages)
        : QObject(bench.host.hostWindow()), passages_(std::move(passages)) {
        QMainWindow* main = bench.host.hostWindow();
        auto* scores = new EmotionScoreWindow(main);
        auto* window = new EmotionCycleWindow(bench.host, bench.runner, passages_.get(),
                                              bench.settings, bench.notifier, scores, main);
        auto open = [window, main] {
            window->computeForCalendarDate();
            presentSideWindow(window, main);
        };
        bench.registry.setOpener("mdaybtn", open);
        bench.registry.setOpener("EmotionCycleWindow", open);
    }

  private:
    std::unique_ptr<PassageTable> passages_;
};

}  // namespace

bool installEmotionWindows(const Workbench& bench) {
    auto passages = PassageTable::open(bench.paths);
    const bool opened = passages != nullptr;
    new EmotionHub(bench, std::move(passages));
    return opened;
}

}  // namespace suimei
