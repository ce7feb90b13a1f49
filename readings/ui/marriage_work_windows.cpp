#include "readings/ui/marriage_work_windows.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>

#include <memory>

#include "app/appraisal.h"
#include "core/notifier.h"
#include "core/ui/workbench.h"
#include "readings/marriage_work.h"
#include "readings/passage_table.h"
#include "readings/ui/topic_timing_window.h"

namespace suimei {

namespace {

constexpr char kOpenErrorText[] = "鑑定文章データベースが開けません: ";

// Lives as a child of the main window and keeps the passage table the two windows read.
class MarriageWorkHub : public QObject {
  public:
    MarriageWorkHub(const Workbench& bench, std::unique_ptr<PassageTable> passages,
                    std::string openError)
        : QObject(bench.host.hostWindow()),
          host_(bench.host),
          runner_(bench.runner),
          notifier_(bench.notifier),
          settings_(bench.settings),
          passages_(std::move(passages)),
          openError_(std::move(openError)) {
        bench.registry.setOpener("kekonbtn", [this] { open(TopicWindowKind::Marriage); });
        bench.registry.setOpener("sigotobtn", [this] { open(TopicWindowKind::Work); });
    }

  private:
    void open(TopicWindowKind kind) {
        if (!passages_) {
            notifier_.error(kOpenErrorText + openError_);
            return;
        }
        // Nothing of an earlier opening survives: the old window goes, a new one comes.
        QPointer<TopicTimingWindow>& slot = kind == TopicWindowKind::Marriage ? marriage_ : work_;
        if (slot) slot->deleteLater();
        slot = new TopicTimingWindow(kind, runner_.chart(), QDate::currentDate().year(),
                                     host_.clientName(), *passages_, notifier_, host_.hostWindow());
        slot->setFooterSettings(&settings_);
        slot->setAttribute(Qt::WA_DeleteOnClose);
        presentSideWindow(slot, host_.hostWindow());
    }

    WorkbenchHost& host_;
    const AppraisalRunner& runner_;
    Notifier& notifier_;
    const Settings& settings_;
    std::unique_ptr<PassageTable> passages_;
    std::string openError_;
    QPointer<TopicTimingWindow> marriage_;
    QPointer<TopicTimingWindow> work_;
};

}  // namespace

bool installMarriageWorkWindows(const Workbench& bench) {
    std::string error;
    auto passages = PassageTable::open(bench.paths, &error);
    const bool opened = passages != nullptr;
    // The reading windows already told of a table that cannot be opened; the buttons tell again
    // only when pressed.
    new MarriageWorkHub(bench, std::move(passages), error);
    return opened;
}

}  // namespace suimei
