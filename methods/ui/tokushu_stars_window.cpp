#include "methods/ui/tokushu_stars_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "core/notifier.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "methods/tokushu_stars.h"

namespace suimei {

Ttokufrm::Ttokufrm(const Tmandata& chart, std::function<bool()> openDocumentPrint,
                   Notifier& notifier, QWidget* parent)
    : QWidget(parent),
      chart_(chart),
      openDocumentPrint_(std::move(openDocumentPrint)),
      notifier_(notifier) {
    setObjectName(QStringLiteral("Ttokufrm"));
    // Made when the desktop starts, long before it is opened: a window of its own, or it would be
    // shown inside the main window as soon as that appears.
    setWindowFlag(Qt::Window, true);
    setWindowTitle(qs(kTokushuStarsCaption));
    auto* layout = new QVBoxLayout(this);

    auto* hint = new QLabel(
        QStringLiteral(
            "命式の各柱に現れる特殊星（吉星・凶星）とその意味を、時柱から順に表示します。"),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    grid_ = new QTableWidget(kTokushuStarGridRows, 2, this);
    grid_->setObjectName(QStringLiteral("SG1"));
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("柱の位置"), QStringLiteral("特殊星とその意味")});
    grid_->setColumnWidth(0, 70);
    grid_->setColumnWidth(1, 389);
    grid_->horizontalHeader()->setStretchLastSection(false);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setMinimumSize(70 + 389 + 24, 360);
    layout->addWidget(grid_, 1);

    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(QStringLiteral("鑑定書印刷"), this);
    print->setObjectName(QStringLiteral("kanteisyobtn"));
    connect(print, &QPushButton::clicked, this, &Ttokufrm::printClick);
    buttons->addWidget(print);
    buttons->addStretch(1);
    buttons->addWidget(makeCloseButton(this));
    layout->addLayout(buttons);
    resize(520, 620);
}

void Ttokufrm::showStars() {
    const std::vector<TokushuStarRow> rows = tokushuStarRows(detectTokushuStars(chart_));
    grid_->clearContents();
    // No chart reaches the 30 rows; a longer list would still be shown whole.
    grid_->setRowCount(std::max(kTokushuStarGridRows, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const TokushuStarRow& row = rows[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, new QTableWidgetItem(qs(row.pillar)));
        grid_->setItem(r, 1, new QTableWidgetItem(qs(row.text)));
    }
}

void Ttokufrm::printClick() {
    if (!openDocumentPrint_ || !openDocumentPrint_()) notifier_.info(kNoDocumentPrintText);
}

void Ttokufrm::showEvent(QShowEvent* event) {
    showStars();
    QWidget::showEvent(event);
}

}  // namespace suimei
