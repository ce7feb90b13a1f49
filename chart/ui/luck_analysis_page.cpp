#include "chart/ui/luck_analysis_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/luck.h"
#include "chart/mandata.h"
#include "core/ui/qt_text.h"
#include "readings/luck_readings.h"
#include "readings/memo_appraisal.h"

namespace suimei {

namespace {

constexpr char kNoRunText[] = "鑑定ボタンをまず押下して鑑定を行って下さい。";

QTableWidget* makeGrid(const char* name, QWidget* parent) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(58);
    grid->verticalHeader()->setDefaultSectionSize(22);
    return grid;
}

void setRows(QTableWidget* grid, const std::vector<std::vector<std::string>>& rows) {
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    int columns = 0;
    for (const auto& r : rows) columns = std::max(columns, static_cast<int>(r.size()));
    grid->setColumnCount(columns);
    for (int r = 0; r < grid->rowCount(); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            auto* item = new QTableWidgetItem(qs(row[static_cast<std::size_t>(c)]));
            if (c == 0) item->setBackground(QColor(0xE0, 0xE0, 0xE0));
            grid->setItem(r, c, item);
        }
    }
}

}  // namespace

LuckAnalysisPage::LuckAnalysisPage(const Tmandata& chart, const AppPaths& paths, Notifier& notifier,
                                   QWidget* parent)
    : QWidget(parent), chart_(chart), paths_(paths), notifier_(notifier) {
    setObjectName("LuckAnalysisPage");
    auto* layout = new QVBoxLayout(this);
    status_ = new QLabel(QString::fromUtf8(kNoRunText), this);
    status_->setObjectName("luckstatuslbl");
    layout->addWidget(status_);
    layout->addWidget(
        new QLabel(QStringLiteral("大運（列をクリックすると大運の解説を表示します）"), this));
    dai_hyo_ = makeGrid("dai_hyo", this);
    dai_hyo_->setFixedHeight(5 * 22 + 4);
    layout->addWidget(dai_hyo_);
    layout->addWidget(
        new QLabel(QStringLiteral("年運（列をクリックすると年運の解説を表示します）"), this));
    nen_hyo_ = makeGrid("nen_hyo", this);
    nen_hyo_->setFixedHeight(6 * 22 + 22);
    layout->addWidget(nen_hyo_);
    daiunmemo_ = new QPlainTextEdit(this);
    daiunmemo_->setObjectName("daiunmemo");
    layout->addWidget(daiunmemo_, 1);
    auto* clear = new QPushButton(QStringLiteral("文章削除"), this);
    clear->setObjectName("memoclearbtn");
    auto* print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName("nenunprnbtn");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addWidget(print);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(clear, &QPushButton::clicked, this, &LuckAnalysisPage::clearMemo);
    connect(print, &QPushButton::clicked, this, &LuckAnalysisPage::printRequested);
    connect(dai_hyo_, &QTableWidget::cellClicked, this,
            [this](int, int column) { dai_hyoSelectCell(column); });
    connect(nen_hyo_, &QTableWidget::cellClicked, this,
            [this](int, int column) { nen_hyoSelectCell(column); });
    fill(false);
}

void LuckAnalysisPage::fill(bool hasRun) {
    filled_ = hasRun;
    status_->setVisible(!hasRun);
    if (!hasRun) {
        dai_hyo_->clear();
        nen_hyo_->clear();
        dai_hyo_->setRowCount(0);
        nen_hyo_->setRowCount(0);
        return;
    }
    const LuckGrids grids = luckGrids(chart_);
    setRows(dai_hyo_, grids.dai);
    setRows(nen_hyo_, grids.nen);
}

void LuckAnalysisPage::clearMemo() {
    daiunmemo_->clear();
}

std::vector<std::string> LuckAnalysisPage::memoLines() const {
    return memoLinesOf(daiunmemo_->toPlainText().toStdString());
}

void LuckAnalysisPage::dai_hyoSelectCell(int column) {
    if (!filled_) return;
    for (const std::string& line :
         luckGridClickLines(chart_, LuckGrid::Periods, column, paths_, notifier_)) {
        daiunmemo_->appendPlainText(qs(line));
    }
}

void LuckAnalysisPage::nen_hyoSelectCell(int column) {
    if (!filled_) return;
    for (const std::string& line :
         luckGridClickLines(chart_, LuckGrid::Years, column, paths_, notifier_)) {
        daiunmemo_->appendPlainText(qs(line));
    }
    if (column >= 1 && column <= kAnnualYears) emit yearClicked(column - 1);
}

}  // namespace suimei
