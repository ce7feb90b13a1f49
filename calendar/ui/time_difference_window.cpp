#include "calendar/ui/time_difference_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calendar/time_difference.h"
#include "core/ui/qt_text.h"

namespace suimei {

TimeDifferenceWindow::TimeDifferenceWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TimeDifferenceWindow");
    setWindowTitle("日本の時差表");

    auto* note = new QLabel("出生地域の時差を考慮して、入力する時刻を指定して下さい。", this);
    note->setObjectName("noteLabel");
    note->setWordWrap(true);

    grid_ = new QTableWidget(kTimeDifferenceRowCount, 2, this);
    grid_->setObjectName("timeDifferenceGrid");
    grid_->setHorizontalHeaderLabels({"地域", "時差"});
    grid_->verticalHeader()->setVisible(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int row = 1; row <= kTimeDifferenceRowCount; ++row) {
        const TimeDifferenceRow r = timeDifferenceRow(row);
        grid_->setItem(row - 1, 0, new QTableWidgetItem(qs(r.city)));
        auto* minutes = new QTableWidgetItem(qs(r.minutesText) + "分");
        minutes->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(row - 1, 1, minutes);
    }
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);

    closeButton_ = new QPushButton("閉じる", this);
    closeButton_->setObjectName("closeButton");
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(300, 600);
}

}  // namespace suimei
