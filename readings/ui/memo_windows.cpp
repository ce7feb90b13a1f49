#include "readings/ui/memo_windows.h"

#include <QEvent>
#include <QMainWindow>

#include "app/appraisal.h"
#include "core/ui/workbench.h"
#include "readings/passage_table.h"
#include "readings/ui/memo_window.h"

namespace suimei {

namespace {

// Lives as a child of the main window, keeps the memo's passage table and stores the memo before
// the main window closes (its own window is gone with it, without a close of its own).
class MemoHub : public QObject {
  public:
    MemoHub(const Workbench& bench, std::unique_ptr<PassageTable> passages)
        : QObject(bench.host.hostWindow()),
          host_(bench.host),
          runner_(bench.runner),
          paths_(bench.paths),
          notifier_(bench.notifier),
          settings_(bench.settings),
          passages_(std::move(passages)) {
        bench.host.hostWindow()->installEventFilter(this);
        bench.registry.setOpener(QStringLiteral("memobtn"), [this] { open(); });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (memo_ && watched == host_.hostWindow() && event->type() == QEvent::Close &&
            memo_->isVisible()) {
            memo_->storeMemo();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void open() {
        QMainWindow* main = host_.hostWindow();
        if (!memo_)
            memo_ = new Tmemofrm(host_, runner_.chart(), *passages_, paths_, notifier_, main);
        memo_->setFooterSettings(&settings_);
        memo_->showClientMemo();
        presentSideWindow(memo_, main);
    }

    WorkbenchHost& host_;
    const AppraisalRunner& runner_;
    const AppPaths& paths_;
    Notifier& notifier_;
    const Settings& settings_;
    std::unique_ptr<PassageTable> passages_;
    Tmemofrm* memo_ = nullptr;
};

}  // namespace

bool installMemoWindows(const Workbench& bench) {
    // The reading windows open the same table first and tell when it cannot be opened.
    auto passages = PassageTable::open(bench.paths);
    if (!passages) return false;
    new MemoHub(bench, std::move(passages));
    return true;
}

}  // namespace suimei
