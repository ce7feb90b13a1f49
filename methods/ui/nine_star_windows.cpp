#include "methods/ui/nine_star_windows.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>

#include <memory>

#include "app/appraisal.h"
#include "app/settings.h"
#include "chart/mandata.h"
#include "core/notifier.h"
#include "core/ui/workbench.h"
#include "methods/ui/nine_star_future_window.h"
#include "methods/ui/nine_star_natal_window.h"
#include "methods/ui/star_meaning_window.h"
#include "readings/memo_appraisal.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

constexpr char kOpenErrorText[] = "鑑定文章データベースが開けません: ";

// Lives as a child of the main window, keeps the passage table and makes the three windows on
// first use; they live until the program ends.
class NineStarHub : public QObject {
  public:
    NineStarHub(const Workbench& bench, std::unique_ptr<PassageTable> passages,
                std::string openError)
        : QObject(bench.host.hostWindow()),
          host_(bench.host),
          runner_(bench.runner),
          settings_(bench.settings),
          notifier_(bench.notifier),
          passages_(std::move(passages)),
          openError_(std::move(openError)) {
        bench.registry.setOpener(QStringLiteral("SpeedButton1"), [this] { openNatal(); });
        connect(&bench.registry, &WindowRegistry::appraisalCompleted, this,
                [this] { showNewChart(); });
    }

  private:
    // The chart is complete once a run has set its year and day stems.
    bool chartReady() const {
        const Tmandata& chart = runner_.chart();
        return chart.yearPillar.stem != 0 && chart.dayPillar.stem != 0;
    }

    void openNatal() {
        if (!chartReady()) {
            notifier_.warn(kMemoNotRunText);
            return;
        }
        if (!passages_) {
            notifier_.error(kOpenErrorText + openError_);
            return;
        }
        QMainWindow* main = host_.hostWindow();
        if (!natal_) {
            natal_ = new NineStarNatalWindow(*passages_, main);
            QObject::connect(natal_, &NineStarNatalWindow::futureRequested, this,
                             [this] { openFuture(); });
            QObject::connect(natal_, &NineStarNatalWindow::meaningsRequested, this,
                             [this] { openMeanings(); });
        }
        natal_->showChart(runner_.chart());
        presentSideWindow(natal_, main);
    }

    void openFuture() {
        QMainWindow* main = host_.hostWindow();
        if (!future_) {
            future_ = new NineStarFutureWindow(*passages_, notifier_, main);
            future_->setDocumentSource([this] { return documentContent(); });
        }
        future_->setNatalStar(runner_.chart().yearStar);
        const QDate today = QDate::currentDate();
        future_->readMonth(today.year(), today.month());
        presentSideWindow(future_, main);
    }

    void openMeanings() {
        if (!meanings_) meanings_ = new StarMeaningWindow(host_.hostWindow());
        meanings_->chooseFirstStar();
        presentSideWindow(meanings_, host_.hostWindow());
    }

    void showNewChart() {
        if (natal_) natal_->showChart(runner_.chart());
        if (future_) {
            future_->setNatalStar(runner_.chart().yearStar);
            future_->readAgain();
        }
    }

    // The client, the natal boards and memo and the footer of the printed document.
    print::NineStarDocumentContent documentContent() const {
        print::NineStarDocumentContent content;
        content.clientName = host_.clientName().toStdString();
        if (natal_) {
            content.natal = natal_->natal();
            for (const QString& line : natal_->memoLines()) {
                content.natalMemo.push_back(line.toStdString());
            }
        }
        content.practitionerName = settings_.practitionerName;
        content.practitionerTelephone = settings_.practitionerTelephone;
        return content;
    }

    WorkbenchHost& host_;
    const AppraisalRunner& runner_;
    const Settings& settings_;
    Notifier& notifier_;
    std::unique_ptr<PassageTable> passages_;
    std::string openError_;
    QPointer<NineStarNatalWindow> natal_;
    QPointer<NineStarFutureWindow> future_;
    QPointer<StarMeaningWindow> meanings_;
};

}  // namespace

bool installNineStarWindows(const Workbench& bench) {
    std::string error;
    auto passages = PassageTable::open(bench.paths, &error);
    const bool opened = passages != nullptr;
    new NineStarHub(bench, std::move(passages), error);
    return opened;
}

}  // namespace suimei
