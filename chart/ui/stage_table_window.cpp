#include "chart/ui/stage_table_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/settings.h"
#include "calendar/types.h"
#include "chart/chart_rules.h"
#include "core/ui/qt_text.h"

namespace suimei {

StageChartWindow::StageChartWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("StageChartWindow");
    setWindowTitle("１２運星早見表（それぞれの柱の勢いを見ます）");

    schoolLabel_ = new QLabel(this);
    schoolLabel_->setObjectName("schoolLabel");

    grid_ = new QTableWidget(10, 12, this);
    grid_->setObjectName("stageGrid");
    QStringList stems, branches;
    for (int s = 1; s <= 10; ++s) stems << qs(stemName(s));
    for (int b = 1; b <= 12; ++b) branches << qs(branchName(b));
    grid_->setVerticalHeaderLabels(stems);
    grid_->setHorizontalHeaderLabels(branches);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

    auto* closeButton = new QPushButton("閉じる", this);
    closeButton->setObjectName("closeButton");
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(schoolLabel_);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(640, 400);

    setStageSchool(0);
}

void StageChartWindow::setStageSchool(int school) {
    school_ = school;
    schoolLabel_->setText(qs(twelveStageSchoolLabel(school)));
    for (int s = 1; s <= 10; ++s) {
        for (int b = 1; b <= 12; ++b) {
            auto* cell = new QTableWidgetItem(qs(stageName(twelveStageOf(s, b, school))));
            cell->setTextAlignment(Qt::AlignCenter);
            grid_->setItem(s - 1, b - 1, cell);
        }
    }
}

}  // namespace suimei
