#include "readings/ui/sixty_pillar_window.h"

#include "readings/passage_table.h"

namespace suimei {

namespace {

std::unique_ptr<Table> openOrReport(const AppPaths& paths, Notifier& notifier) {
    std::string error;
    auto table = openReadingTable(paths, ReadingTableKind::SixtyPillars, &error);
    if (!table) notifier.error(error);
    return table;
}

}  // namespace

TSixtyForm::TSixtyForm(const AppPaths& paths, Notifier& notifier, QWidget* parent)
    : TSixtyForm(openOrReport(paths, notifier), notifier, parent) {}

TSixtyForm::TSixtyForm(std::unique_ptr<Table> table, Notifier& notifier, QWidget* parent)
    : ReadingTableWindow(table.get(), {"sex", "no"}, {{"memo", "memoEditor", QString()}}, notifier,
                         parent),
      owned_(std::move(table)) {
    setObjectName(QStringLiteral("TSixtyForm"));
    setWindowTitle(QString::fromUtf8(kSixtyCaption));
    resize(640, 560);
}

TSixtyForm::~TSixtyForm() = default;

}  // namespace suimei
