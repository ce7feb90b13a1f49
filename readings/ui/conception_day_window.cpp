#include "readings/ui/conception_day_window.h"

#include "readings/passage_table.h"

namespace suimei {

namespace {

std::unique_ptr<Table> openOrReport(const AppPaths& paths, Notifier& notifier) {
    std::string error;
    auto table = openReadingTable(paths, ReadingTableKind::ConceptionDay, &error);
    if (!table) notifier.error(error);
    return table;
}

}  // namespace

Ttengendb::Ttengendb(const AppPaths& paths, Notifier& notifier, QWidget* parent)
    : Ttengendb(openOrReport(paths, notifier), notifier, parent) {}

Ttengendb::Ttengendb(std::unique_ptr<Table> table, Notifier& notifier, QWidget* parent)
    : ReadingTableWindow(table.get(), {"item1", "item2"}, {{"memo", "memoEditor", QString()}},
                         notifier, parent),
      owned_(std::move(table)) {
    setObjectName(QStringLiteral("Ttengendb"));
    setWindowTitle(QString::fromUtf8(kTengenCaption));
    resize(640, 560);
}

Ttengendb::~Ttengendb() = default;

}  // namespace suimei
