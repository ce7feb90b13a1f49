#include "app/ui/ambiguity_window.h"

#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"

namespace suimei {

namespace {

const QColor kDifferentBackground(0xff, 0xe0, 0xa8);
const QColor kAsRunBackground(0xee, 0xf3, 0xfa);

QString columnHeading(const CandidateChart& c) {
    QString heading = qs(c.assumption);
    if (!c.periodText.empty()) {
        heading += "\n" + qs(c.periodText);
    } else if (c.offsetMinutes != 0) {
        heading += QString("\n%1 分%2")
                       .arg(std::abs(c.offsetMinutes))
                       .arg(c.offsetMinutes > 0 ? "後" : "前");
    }
    return heading;
}

}  // namespace

AmbiguityWindow::AmbiguityWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("AmbiguityWindow");
    setWindowTitle("境界に近い生まれの候補命式");
    line_ = new QLabel(this);
    line_->setObjectName("ambiguityline");
    line_->setStyleSheet("color:#b03000;");
    auto* legend = new QLabel("色付きの太字は鑑定どおりの命式と違う所です。", this);
    legend->setObjectName("legendlabel");
    grid_ = new QTableWidget(this);
    grid_->setObjectName("candidategrid");
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line_);
    layout->addWidget(legend);
    layout->addWidget(grid_, 1);
    layout->addLayout(closeButtonRow(this));
    resize(760, 600);
}

void AmbiguityWindow::showCandidates(const std::string& line,
                                     const std::vector<CandidateChart>& candidates) {
    line_->setText(qs(line));
    const auto& keys = candidateItemKeys();
    grid_->clear();
    grid_->setRowCount(static_cast<int>(keys.size()));
    grid_->setColumnCount(static_cast<int>(candidates.size()));
    QStringList rowTitles;
    for (const CandidateItem& k : keys) rowTitles << qs(k.title);
    grid_->setVerticalHeaderLabels(rowTitles);
    QStringList headings;
    for (const CandidateChart& c : candidates) headings << columnHeading(c);
    grid_->setHorizontalHeaderLabels(headings);
    for (std::size_t col = 0; col < candidates.size(); ++col) {
        const CandidateChart& c = candidates[col];
        for (std::size_t row = 0; row < keys.size() && row < c.items.size(); ++row) {
            auto* cell = new QTableWidgetItem(qs(c.items[row]));
            cell->setTextAlignment(Qt::AlignCenter);
            const bool differs =
                std::find(c.differs.begin(), c.differs.end(), keys[row].key) != c.differs.end();
            if (differs) {
                cell->setBackground(kDifferentBackground);
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            } else if (c.asRun) {
                cell->setBackground(kAsRunBackground);
            }
            grid_->setItem(static_cast<int>(row), static_cast<int>(col), cell);
        }
    }
}

}  // namespace suimei
