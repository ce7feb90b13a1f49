#include "readings/ui/reading_windows.h"

#include <QMainWindow>
#include <QMenuBar>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "core/ui/workbench.h"
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
    ReadingsHub(const Workbench& bench, std::unique_ptr<PassageTable> passages)
        : QObject(bench.host.hostWindow()),
          host_(bench.host),
          registry_(bench.registry),
          runner_(bench.runner),
          paths_(bench.paths),
          notifier_(bench.notifier),
          passages_(std::move(passages)) {}

    void install() {
        pages_[0] = new PillarReadingPage(PillarReadingPage::Year);
        pages_[1] = new PillarReadingPage(PillarReadingPage::Month);
        pages_[2] = new PillarReadingPage(PillarReadingPage::Day);
        host_.replacePage(kYearPage, pages_[0]);
        host_.replacePage(kMonthPage, pages_[1]);
        host_.replacePage(kDayPage, pages_[2]);
        connect(&registry_, &WindowRegistry::pageShown, this, &ReadingsHub::pageShown);

        const Tmandata& chart = runner_.chart();
        registry_.setOpener("nencap",
                            [this, &chart] { showYearHeadingReading(chart, paths_, notifier_); });
        registry_.setOpener("tukicap",
                            [this, &chart] { showMonthHeadingReading(chart, paths_, notifier_); });
        registry_.setOpener("niticap",
                            [this, &chart] { showDayHeadingReading(chart, paths_, notifier_); });
        registry_.setOpener("tuki2",
                            [this, &chart] { showClimateUsefulReading(chart, paths_, notifier_); });
        registry_.setOpener("tukireibtn", [this, &chart] {
            if (!monthCommand_) monthCommand_ = new MonthCommandWindow(window());
            monthCommand_->showChart(chart, paths_, notifier_);
            present(monthCommand_);
        });

        QMenu* menu = window()->menuBar()->addMenu(QStringLiteral("データベース(&B)"));
        menu->setObjectName("databasemenu");
        menu->addAction(QStringLiteral("鑑定文章DB設定"), this, [this] {
            if (!texts_) texts_ = new Tkanteibunfrm(*passages_, notifier_, window());
            present(texts_);
        });
        menu->addAction(QStringLiteral("年運の象意DB設定"), this, [this] {
            if (!imagery_) imagery_ = new TKounDBForm(paths_, notifier_, window());
            present(imagery_);
        });
        menu->addAction(QStringLiteral("６０花甲子DB設定"), this, [this] {
            if (!sixty_) sixty_ = new TSixtyForm(paths_, notifier_, window());
            present(sixty_);
        });
        menu->addAction(QStringLiteral("天源DB設定"), this, [this] {
            if (!tengen_) tengen_ = new Ttengendb(paths_, notifier_, window());
            present(tengen_);
        });
    }

  private:
    QMainWindow* window() const { return host_.hostWindow(); }
    void present(QWidget* w) const { presentSideWindow(w, window()); }

    // Pages 2..4 carry their readings only after a run, read afresh each time they are shown.
    void pageShown(int page) {
        if (page < kYearPage || page > kDayPage || !runner_.hasRun()) return;
        const PillarPageTexts texts = pillarPageTexts(runner_.chart(), *passages_);
        const PillarPage& shown = page == kYearPage    ? texts.year
                                  : page == kMonthPage ? texts.month
                                                       : texts.day;
        pages_[static_cast<std::size_t>(page - kYearPage)]->showTexts(shown);
    }

    WorkbenchHost& host_;
    WindowRegistry& registry_;
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

bool installReadingWindows(const Workbench& bench) {
    std::string error;
    auto passages = PassageTable::open(bench.paths, &error);
    if (!passages) {
        bench.notifier.error("鑑定文章データベースが開けません: " + error);
        return false;
    }
    auto* hub = new ReadingsHub(bench, std::move(passages));
    hub->install();
    return true;
}

}  // namespace suimei
