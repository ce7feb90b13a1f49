#include "app/ui/compatibility_windows.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>

#include "app/compatibility.h"
#include "app/settings.h"
#include "app/ui/compatibility_window.h"
#include "app/ui/element_energy_window.h"
#include "chart/mandata.h"
#include "core/notifier.h"
#include "core/ui/workbench.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

constexpr char kNoPartnerText[] = "お相手の鑑定実行を先に行って下さい。";

// Lives as a child of the main window: the partner's chart, the passage table, the open windows.
class CompatibilityHub : public QObject {
  public:
    explicit CompatibilityHub(const Workbench& bench)
        : QObject(bench.host.hostWindow()),
          host_(bench.host),
          settings_(bench.settings),
          notifier_(bench.notifier),
          runner_(bench.runner),
          engine_(bench.paths) {
        // Without the table the memo holds only its headings; the rest of the window works.
        passages_ = PassageTable::open(bench.paths);
        bench.registry.setOpener("aisyobtn", [this] { openCompatibility(); });
    }

  private:
    QMainWindow* window() const { return host_.hostWindow(); }

    void openCompatibility() {
        if (!runner_.hasRun()) {
            notifier_.warn("鑑定実行していません。先に鑑定を行って下さい。");
            return;
        }
        // A new window each time, over the chart as it is now.
        if (compatibility_) compatibility_->deleteLater();
        const QDate today = QDate::currentDate();
        AppraisalInput settings = makeAppraisalInput(
            settings_, false, {today.year(), today.month(), today.day()}, "", "", "", "");
        compatibility_ =
            new Taisyofrm(engine_, runner_.chart(), settings, passages_.get(), notifier_, window());
        compatibility_->setFooterSettings(&settings_);
        compatibility_->setAttribute(Qt::WA_DeleteOnClose);
        connect(compatibility_, &Taisyofrm::energyRequested, this, [this] { openEnergy(); });
        presentSideWindow(compatibility_, window());
    }

    void openEnergy() {
        if (!engine_.hasPartner()) {
            notifier_.warn(kNoPartnerText);
            return;
        }
        if (!energy_) energy_ = new TAisyoForm(window());
        const Tmandata& partner = engine_.partner();
        energy_->showPair(runner_.chart(), partner,
                          runner_.chart().nameText.empty() ? "お客様" : runner_.chart().nameText,
                          partner.nameText.empty() ? "お相手" : partner.nameText);
        presentSideWindow(energy_, compatibility_ ? static_cast<QWidget*>(compatibility_)
                                                  : static_cast<QWidget*>(window()));
    }

    WorkbenchHost& host_;
    const Settings& settings_;
    Notifier& notifier_;
    const AppraisalRunner& runner_;
    CompatibilityEngine engine_;
    std::unique_ptr<PassageTable> passages_;
    QPointer<Taisyofrm> compatibility_;
    QPointer<TAisyoForm> energy_;
};

}  // namespace

void installCompatibilityWindows(const Workbench& bench) {
    new CompatibilityHub(bench);
}

}  // namespace suimei
