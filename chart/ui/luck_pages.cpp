#include "chart/ui/luck_pages.h"

#include <QDate>
#include <QImage>
#include <QMainWindow>

#include "app/appraisal.h"
#include "app/settings.h"
#include "chart/chart_tables.h"
#include "chart/mandata.h"
#include "chart/ui/family_page.h"
#include "chart/ui/life_graph_page.h"
#include "chart/ui/luck_analysis_page.h"
#include "chart/ui/page_printing.h"
#include "chart/ui/practical_page.h"
#include "chart/ui/stage_rhythm_page.h"
#include "chart/ui/ten_god_diagram_window.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "core/ui/workbench.h"
#include "readings/family_readings.h"

namespace suimei {

namespace {

constexpr int kLuckAnalysisPage = 5;
constexpr int kPracticalPage = 6;
constexpr int kLifeGraphPage = 7;
constexpr int kStageRhythmPage = 8;
constexpr int kFamilyPage = 9;

AnnualImagery readImagery(const AppPaths& paths) {
    if (auto t = Table::open(readingTablePath(paths, ReadingTableKind::AnnualImagery),
                             readingTableDef(ReadingTableKind::AnnualImagery), false)) {
        return loadAnnualImagery(*t);
    }
    return {};
}

// Lives as a child of the main window and keeps the pages' state (the shown month).
class LuckPagesHub : public QObject {
  public:
    explicit LuckPagesHub(const Workbench& bench)
        : QObject(bench.host.hostWindow()), bench_(bench) {}

    void install() {
        const Tmandata& chart = bench_.runner.chart();
        QMainWindow* main = bench_.host.hostWindow();
        analysis_ = new LuckAnalysisPage(chart, bench_.paths, bench_.notifier);
        practical_ =
            new PracticalPage(chart, bench_.settings, readImagery(bench_.paths), bench_.notifier);
        life_ = new LifeGraphPage;
        stages_ = new StageRhythmPage;
        family_ = new FamilyPage;
        diagram_ = new TenGodDiagramWindow(chart, main);
        bench_.host.replacePage(kLuckAnalysisPage, analysis_);
        bench_.host.replacePage(kPracticalPage, practical_);
        bench_.host.replacePage(kLifeGraphPage, life_);
        bench_.host.replacePage(kStageRhythmPage, stages_);
        bench_.host.replacePage(kFamilyPage, family_);

        const QDate today = QDate::currentDate();
        month_ = {today.year(), today.month()};
        showMonth();

        connect(&bench_.registry, &WindowRegistry::appraisalCompleted, this,
                [this] { runCompleted(); });
        connect(&bench_.registry, &WindowRegistry::pageShown, this,
                [this](int page) { pageShown(page); });
        connect(&bench_.registry, &WindowRegistry::settingsChanged, this, [this] { showMonth(); });
        // The reader's override of the favourable elements changes every ○ × △ of the luck.
        connect(&bench_.registry, &WindowRegistry::favourableElementsChanged, this,
                [this] { favourablesChanged(); });
        connect(analysis_, &LuckAnalysisPage::yearClicked, this,
                [this](int age) { diagram_->showYear(age); });
        connect(life_, &LifeGraphPage::weightsRequested, this,
                [this] { bench_.registry.open("Tgraphcalcfrm"); });
        connect(stages_, &StageRhythmPage::pointsRequested, this,
                [this] { bench_.registry.open("Tbiosetteifrm"); });
        connect(stages_, &StageRhythmPage::monthStepped, this, [this](int months) {
            month_ = stepMonth(month_, months);
            showMonth();
        });
        connect(stages_, &StageRhythmPage::stageChosen, this,
                [this](int stage) { stages_->showDescription(qs(stageDescription(stage))); });
        connect(family_, &FamilyPage::readingRequested, this, [this](int which) {
            if (!bench_.runner.hasRun()) return;
            const FamilyReading reading = which == 0   ? FamilyReading::SpousePosition
                                          : which == 1 ? FamilyReading::SpouseDayBranch
                                                       : FamilyReading::VoidTrial;
            family_->appendLines(
                familyReadingLines(reading, bench_.runner.chart(), bench_.paths, bench_.notifier));
        });
        connect(analysis_, &LuckAnalysisPage::printRequested, this, [this] {
            printDocument(luckMemoDocument(analysis_->memoLines(), clientName(), bench_.settings));
        });
        connect(life_, &LifeGraphPage::printRequested, this, [this] {
            printDocument(graphDocument(life_->graphImage(), kLifeGraphPrintTitle,
                                        life_->captionLines(), clientName(), bench_.settings));
        });
        connect(stages_, &StageRhythmPage::printRequested, this, [this] {
            printDocument(graphDocument(stages_->graphImage(), kStageRhythmPrintTitle,
                                        {stages_->monthCaption()}, clientName(), bench_.settings));
        });
        connect(family_, &FamilyPage::printRequested, this, [this] {
            printDocument(familyDocument(familyDiagram(bench_.runner.chart()), family_->memoLines(),
                                         clientName(), bench_.settings));
        });
        auto openDiagram = [this, main] {
            diagram_->refresh();
            presentSideWindow(diagram_, main);
        };
        bench_.registry.setOpener("tuuhenhlpbtn", openDiagram);
        bench_.registry.setOpener("TenGodDiagramWindow", openDiagram);
    }

  private:
    std::string clientName() const { return bench_.host.clientName().toStdString(); }

    // The pages print the last run's chart; before one there is nothing to print.
    void printDocument(const print::PrintDocument& doc) {
        if (!bench_.runner.hasRun()) {
            bench_.notifier.warn("鑑定実行していません。先に鑑定を行って下さい。");
            return;
        }
        if (doc.pages.empty()) {
            bench_.notifier.error("印刷する図を用意できませんでした。", "印刷");
            return;
        }
        PrintService::instance(bench_.notifier).print(doc, bench_.host.hostWindow());
    }

    void runCompleted() {
        const bool run = bench_.runner.hasRun();
        analysis_->clearMemo();
        analysis_->fill(run);
        practical_->fill(run);
        family_->clearMemo();
        family_->showDiagram(familyDiagram(bench_.runner.chart()), run);
        diagram_->refresh();
        const QDate today = QDate::currentDate();
        month_ = {today.year(), today.month()};
        showMonth();
        if (lifeShown_) drawLifeGraph();
    }

    void favourablesChanged() {
        const bool run = bench_.runner.hasRun();
        analysis_->fill(run);
        practical_->fill(run);
        diagram_->refresh();
    }

    void pageShown(int page) {
        lifeShown_ = page == kLifeGraphPage;
        if (page == kLuckAnalysisPage) analysis_->fill(bench_.runner.hasRun());
        if (page == kLifeGraphPage) drawLifeGraph();
    }

    void drawLifeGraph() {
        if (!bench_.runner.hasRun()) {
            life_->showGraph(nullptr);
            return;
        }
        const LifeGraph graph =
            lifeElementGraph(bench_.runner.chart(), elementGraphWeights(bench_.settings.graph));
        life_->showGraph(&graph);
    }

    void showMonth() {
        const Tmandata& chart = bench_.runner.chart();
        const StageMonth m = stageMonthGraph(chart, bench_.settings.twelveStageSchool,
                                             bench_.settings.stagePoints, month_);
        stages_->showMonth(m, stageChooserItems(bench_.settings.stagePoints));
    }

    Workbench bench_;
    LuckAnalysisPage* analysis_ = nullptr;
    PracticalPage* practical_ = nullptr;
    LifeGraphPage* life_ = nullptr;
    StageRhythmPage* stages_ = nullptr;
    FamilyPage* family_ = nullptr;
    TenGodDiagramWindow* diagram_ = nullptr;
    YearMonth month_;
    bool lifeShown_ = false;
};

}  // namespace

void installLuckPages(const Workbench& bench) {
    auto* hub = new LuckPagesHub(bench);
    hub->install();
}

}  // namespace suimei
