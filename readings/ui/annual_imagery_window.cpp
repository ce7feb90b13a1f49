#include "readings/ui/annual_imagery_window.h"

namespace suimei {

namespace {

std::unique_ptr<Table> openOrReport(const AppPaths& paths, ReadingTableKind kind,
                                    Notifier& notifier) {
    std::string error;
    auto table = openReadingTable(paths, kind, &error);
    if (!table) notifier.error(error);
    return table;
}

}  // namespace

TKounDBForm::TKounDBForm(const AppPaths& paths, Notifier& notifier, QWidget* parent)
    : TKounDBForm(openOrReport(paths, ReadingTableKind::AnnualImagery, notifier), notifier,
                  parent) {}

TKounDBForm::TKounDBForm(std::unique_ptr<Table> table, Notifier& notifier, QWidget* parent)
    : ReadingTableWindow(table.get(), {"nid", "k01", "k02", "tango1", "tango2", "etc"},
                         {{"hlp1", "hlp1", QString::fromUtf8("吉象意のヒント (hlp1)")},
                          {"hlp2", "hlp2", QString::fromUtf8("凶象意のヒント (hlp2)")}},
                         notifier, parent),
      owned_(std::move(table)) {
    setObjectName(QStringLiteral("TKounDBForm"));
    setWindowTitle(QString::fromUtf8(kKounDBCaption));
    resize(760, 600);
    if (owned_) imagery_ = loadAnnualImagery(*owned_);
}

TKounDBForm::~TKounDBForm() = default;

}  // namespace suimei
