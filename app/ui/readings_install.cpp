#include "app/ui/readings_install.h"

#include <QMenuBar>

#include "app/appraisal.h"
#include "app/ui/main_window.h"
#include "chart/mandata.h"
#include "readings/passage_table.h"
#include "readings/pillar_readings.h"
#include "readings/ui/annual_imagery_window.h"
#include "readings/ui/conception_day_window.h"
#include "readings/ui/kanteibun_window.h"
#include "readings/ui/month_command_window.h"
#include "readings/ui/pillar_reading_page.h"
#include "readings/ui/sixty_pillar_window.h"

namespace suimei {

namespace {

constexpr int kYearPage = 2;
constexpr int kMonthPage = 3;
constexpr int kDayPage = 4;

// Lives as a child of the main window and keeps the shared passage table.
class ReadingsHub : public QObject {
  public:
    ReadingsHub(Tmenufrm& window, const AppraisalRunner& runner, const AppPaths& paths,
                Notifier& notifier, std::unique_ptr<PassageTable> passages)
        : QObject(&window),
          window_(window),
          runner_(runner),
          paths_(paths),
          notifier_(notifier),
          passages_(std::move(passages)) {}

    void install() {
        pages_[0] = new PillarReadingPage(PillarReadingPage::Year);
        pages_[1] = new PillarReadingPage(PillarReadingPage::Month);
        pages_[2] = new PillarReadingPage(PillarReadingPage::Day);
        window_.replacePage(kYearPage, pages_[0]);
        window_.replacePage(kMonthPage, pages_[1]);
        window_.replacePage(kDayPage, pages_[2]);
        window_.setPageShownHandler([this](int page) { pageShown(page); });

        const Tmandata& chart = runner_.chart();
        window_.setSideWindowOpener(
            "nencap", [this, &chart] { showYearHeadingReading(chart, paths_, notifier_); });
        window_.setSideWindowOpener(
            "tukicap", [this, &chart] { showMonthHeadingReading(chart, paths_, notifier_); });
        window_.setSideWindowOpener(
            "niticap", [this, &chart] { showDayHeadingReading(chart, paths_, notifier_); });
        window_.setSideWindowOpener(
            "tuki2", [this, &chart] { showClimateUsefulReading(chart, paths_, notifier_); });
        window_.setSideWindowOpener("tukireibtn", [this, &chart] {
            if (!monthCommand_) monthCommand_ = new MonthCommandWindow(&window_);
            monthCommand_->showChart(chart, paths_, notifier_);
            monthCommand_->show();
            monthCommand_->raise();
        });

        QMenu* menu = window_.menuBar()->addMenu(QStringLiteral("データベース(&B)"));
        menu->setObjectName("databasemenu");
        menu->addAction(QStringLiteral("鑑定文章DB設定"), this, [this] {
            if (!texts_) texts_ = new Tkanteibunfrm(*passages_, notifier_, &window_);
            raise(texts_);
        });
        menu->addAction(QStringLiteral("年運の象意DB設定"), this, [this] {
            if (!imagery_) imagery_ = new TKounDBForm(paths_, notifier_, &window_);
            raise(imagery_);
        });
        menu->addAction(QStringLiteral("６０花甲子DB設定"), this, [this] {
            if (!sixty_) sixty_ = new TSixtyForm(paths_, notifier_, &window_);
            raise(sixty_);
        });
        menu->addAction(QStringLiteral("天源DB設定"), this, [this] {
            if (!tengen_) tengen_ = new Ttengendb(paths_, notifier_, &window_);
            raise(tengen_);
        });
    }

  private:
    static void raise(QWidget* w) {
        w->setWindowFlag(Qt::Window, true);
        w->show();
        w->raise();
        w->activateWindow();
    }

    // Pages 2..4 carry their readings only after a run, read afresh each time they are shown.
    void pageShown(int page) {
        if (page < kYearPage || page > kDayPage || !runner_.hasRun()) return;
        const PillarPageTexts texts = pillarPageTexts(runner_.chart(), *passages_);
        const PillarPage& shown = page == kYearPage    ? texts.year
                                  : page == kMonthPage ? texts.month
                                                       : texts.day;
        pages_[static_cast<std::size_t>(page - kYearPage)]->showTexts(shown);
    }

    Tmenufrm& window_;
    const AppraisalRunner& runner_;
    const AppPaths& paths_;
    Notifier& notifier_;
    std::unique_ptr<PassageTable> passages_;
    std::array<PillarReadingPage*, 3> pages_{};
    MonthCommandWindow* monthCommand_ = nullptr;
    Tkanteibunfrm* texts_ = nullptr;
    TKounDBForm* imagery_ = nullptr;
    TSixtyForm* sixty_ = nullptr;
    Ttengendb* tengen_ = nullptr;
};

}  // namespace

bool installReadings(Tmenufrm& mainWindow, const AppraisalRunner& runner, const AppPaths& paths,
                     Notifier& notifier) {
    std::string error;
    auto passages = PassageTable::open(paths, &error);
    if (!passages) {
        notifier.error("鑑定文章データベースが開けません: " + error);
        return false;
    }
    auto* hub = new ReadingsHub(mainWindow, runner, paths, notifier, std::move(passages));
    hub->install();
    return true;
}

}  // namespace suimei
