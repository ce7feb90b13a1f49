#include "chart/ui/practical_page.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/settings.h"
#include "chart/chart_tables.h"
#include "core/ui/qt_text.h"
#include "readings/luck_readings.h"

namespace suimei {

namespace {

constexpr int kButtonWidth = 62;
constexpr int kButtonHeight = 24;
constexpr int kPitch = kButtonWidth + 20;
constexpr int kLeft = 16;
constexpr int kChartTop = 34;
constexpr int kLuckTop = 130;
constexpr int kAnnualTop = 282;

QPushButton* button(QWidget* parent, const QString& name, int x, int y, int w = kButtonWidth) {
    auto* b = new QPushButton(QStringLiteral("-"), parent);
    b->setObjectName(name);
    b->setGeometry(x, y, w, kButtonHeight);
    return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, int x, int y, int w,
              int h = 18) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(x, y, w, h);
    return l;
}

}  // namespace

PracticalPage::PracticalPage(const Tmandata& chart, const Settings& settings, AnnualImagery imagery,
                             Notifier& notifier, QWidget* parent)
    : QWidget(parent),
      chart_(chart),
      settings_(settings),
      imagery_(std::move(imagery)),
      notifier_(notifier) {
    setObjectName("PracticalPage");
    setMinimumSize(kLeft + kAnnualColumns * kPitch + 10, 560);
    status_ = label(this, "practicalstatuslbl",
                    QStringLiteral("鑑定ボタンをまず押下して鑑定を行って下さい。"), kLeft, 4, 420);

    const char* owners[] = {"day", "mon", "year"};
    const char* captions[] = {"日柱", "月柱", "年柱"};
    for (int i = 0; i < 3; ++i) {
        const int x = kLeft + i * kPitch;
        label(this, QString("%1cap").arg(owners[i]), QString::fromUtf8(captions[i]), x + 14,
              kChartTop - 18, 50);
        chartStems_[static_cast<std::size_t>(i)] =
            button(this, QString("%1%2").arg(owners[i]).arg(10), x, kChartTop);
        chartBranches_[static_cast<std::size_t>(i)] =
            button(this, QString("%1%2").arg(owners[i]).arg(12), x, kChartTop + 34);
    }
    const int legendX = kLeft + 3 * kPitch + 20;
    label(this, "legendgood", QStringLiteral("○->吉運"), legendX, kChartTop, 70);
    label(this, "legendbad", QStringLiteral("×->凶運"), legendX, kChartTop + 20, 70);
    label(this, "legendneutral", QStringLiteral("△->平運"), legendX, kChartTop + 40, 70);
    auto* punish = label(this, "legendsankei", QStringLiteral("三刑"), legendX + 90, kChartTop, 60);
    punish->setStyleSheet("background:#FFFF00");
    auto* clash = label(this, "legendoki", QStringLiteral("冲"), legendX + 90, kChartTop + 20, 60);
    clash->setStyleSheet("background:#FF00FF");
    auto* comb =
        label(this, "legendkango", QStringLiteral("干合"), legendX + 90, kChartTop + 40, 60);
    comb->setStyleSheet("background:#008000;color:white");
    kijinlbl_ = label(this, "kijinlbl", QString(), legendX + 170, kChartTop, 220);
    ijinlbl_ = label(this, "ijinlbl", QString(), legendX + 170, kChartTop + 20, 220);

    for (int k = 0; k < kPracticalColumns; ++k) {
        const int x = kLeft + k * kPitch;
        LuckColumnButtons& c = luck_[static_cast<std::size_t>(k)];
        c.age = button(this, QString("dai_y%1").arg(k + 1), x, kLuckTop);
        c.age->setToolTip(QStringLiteral("マウスでクリックして下さい。"));
        c.stem = button(this, QString("dai_10_%1").arg(k + 1), x, kLuckTop + 30);
        c.branch = button(this, QString("dai_12_%1").arg(k + 1), x, kLuckTop + 60);
        c.stage = button(this, QString("un12a%1").arg(k + 1), x, kLuckTop + 90);
        c.marks[0] = label(this, QString("marudai%1").arg(2 * k + 1), "-", x + kButtonWidth + 2,
                           kLuckTop + 33, 18);
        c.marks[1] = label(this, QString("marudai%1").arg(2 * k + 2), "-", x + kButtonWidth + 2,
                           kLuckTop + 63, 18);
        connect(c.age, &QPushButton::clicked, this, [this, k] { dai_yClick(k + 1); });
        auto hidden = [this, k] {
            if (static_cast<std::size_t>(k) < columns_.size()) {
                showHiddenStems(columns_[static_cast<std::size_t>(k)].branch);
            }
        };
        connect(c.branch, &QPushButton::clicked, this, hidden);
        connect(c.stage, &QPushButton::clicked, this, hidden);
    }
    for (int r = 0; r < kAnnualColumns; ++r) {
        const int x = kLeft + r * kPitch;
        AnnualColumnButtons& c = annual_[static_cast<std::size_t>(r)];
        c.age = button(this, QString("nen_y%1").arg(r + 1), x, kAnnualTop);
        c.stem = button(this, QString("nen_10_%1").arg(r + 1), x, kAnnualTop + 60);
        c.branch = button(this, QString("nen_12_%1").arg(r + 1), x, kAnnualTop + 90);
        c.stage = button(this, QString("un12b%1").arg(r + 1), x, kAnnualTop + 120);
        c.year = label(this, QString("seirekilbl%1").arg(r + 1), QString(), x, kAnnualTop + 150,
                       kButtonWidth);
        c.voidLabel = label(this, QString("tkslbl%1").arg(r + 1), QString(), x, kAnnualTop + 168,
                            kButtonWidth);
        c.voidLabel->setStyleSheet("color:red");
        c.fortune = label(this, QString("yunlbl%1").arg(r + 1), QString(), x, kAnnualTop + 188,
                          kButtonWidth + 14, 64);
        c.fortune->setWordWrap(true);
        c.fortune->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        c.mark = label(this, QString("marunen%1").arg(r + 1), "-", x + kButtonWidth + 2,
                       kAnnualTop + 93, 18);
        connect(c.branch, &QPushButton::clicked, this, [this, r] {
            const AnnualColumn& y = years_[static_cast<std::size_t>(r)];
            if (shownColumn_ != 0 && !y.outOfRange) showHiddenStems(y.branch);
        });
    }
    fill(false);
}

void PracticalPage::showHiddenStems(int branch) {
    const std::string text = hiddenStemBoxText(branch, settings_.hiddenStemSchool);
    if (!text.empty()) notifier_.info(text);
}

void PracticalPage::clearAnnualColumns() {
    shownColumn_ = 0;
    years_ = {};
    for (AnnualColumnButtons& c : annual_) {
        for (QPushButton* b : {c.age, c.stem, c.branch, c.stage}) {
            b->setText("-");
            b->setToolTip(QString());
        }
        c.year->clear();
        c.voidLabel->clear();
        c.fortune->clear();
        c.fortune->setToolTip(QString());
        c.mark->setText("-");
        c.mark->setToolTip(QString());
    }
}

void PracticalPage::fill(bool hasRun) {
    lines_.clear();
    columns_.clear();
    record_ = {};
    clearAnnualColumns();
    status_->setVisible(!hasRun);
    for (LuckColumnButtons& c : luck_) {
        for (QPushButton* b : {c.age, c.stem, c.branch, c.stage}) {
            b->setText("-");
            b->setToolTip(b == c.age ? QStringLiteral("マウスでクリックして下さい。") : QString());
        }
        for (QLabel* m : c.marks) {
            m->setText("-");
            m->setToolTip(QString());
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        chartStems_[i]->setText("-");
        chartBranches_[i]->setText("-");
    }
    kijinlbl_->clear();
    ijinlbl_->clear();
    if (!hasRun) {
        update();
        return;
    }
    const PillarBlock* blocks[] = {&chart_.dayPillar, &chart_.monthPillar, &chart_.yearPillar};
    for (std::size_t i = 0; i < 3; ++i) {
        const int god = i == 0 ? 0 : blocks[i]->stemTenGod;
        chartStems_[i]->setText(qs(i == 0 ? std::string(stemName(blocks[i]->stem))
                                          : stemButtonText(blocks[i]->stem, god)));
        chartBranches_[i]->setText(qs(branchName(blocks[i]->branch)));
        chartBranches_[i]->setToolTip(
            qs(branchHintText(blocks[i]->branch, settings_.hiddenStemSchool)));
    }
    kijinlbl_->setText(qs("喜ぶ神：" + chart_.favourableElements));
    ijinlbl_->setText(qs("忌む神：" + chart_.unfavourableElements));
    columns_ = practicalLuckColumns(chart_);
    record_ = practicalRecord(columns_);
    for (const PracticalLuckColumn& col : columns_) {
        LuckColumnButtons& c = luck_[static_cast<std::size_t>(col.column - 1)];
        c.age->setText(QString::number(col.startAge));
        c.stem->setText(qs(stemButtonText(col.stem, col.tenGod)));
        c.stem->setToolTip(qs(stemTraits(col.stem)));
        c.branch->setText(qs(branchName(col.branch)));
        c.branch->setToolTip(qs(branchHintText(col.branch, settings_.hiddenStemSchool)));
        c.stage->setText(qs(stageName(col.stage)));
        for (std::size_t m = 0; m < 2; ++m) {
            c.marks[m]->setText(qs(ratingMark(col.marks[m])));
            c.marks[m]->setToolTip(qs(col.markHints[m]));
        }
    }
    lines_ = practicalChartLines(chart_);
    update();
}

void PracticalPage::dai_yClick(int column) {
    if (column < 1 || column > static_cast<int>(columns_.size())) return;
    const PracticalLuckColumn& luck = columns_[static_cast<std::size_t>(column - 1)];
    clearAnnualColumns();
    shownColumn_ = column;
    years_ = annualColumnsOf(chart_, luck);
    recordAnnualColumns(record_, years_);
    for (std::size_t r = 0; r < years_.size(); ++r) {
        const AnnualColumn& y = years_[r];
        AnnualColumnButtons& c = annual_[r];
        c.age->setText(QString::number(y.age));
        if (y.outOfRange) continue;  // no annual pillar past age 119: the column stays empty
        c.stem->setText(qs(stemButtonText(y.stem, y.tenGod)));
        c.stem->setToolTip(qs(stemTraits(y.stem)));
        c.branch->setText(qs(branchName(y.branch)));
        c.branch->setToolTip(qs(branchHintText(y.branch, settings_.hiddenStemSchool)));
        c.stage->setText(qs(stageName(y.stage)));
        c.year->setText(qs(annualYearText(y)));
        c.voidLabel->setText(qs(annualVoidText(y)));
        c.mark->setText(qs(ratingMark(y.mark)));
        c.mark->setToolTip(qs(annualMarkHint(y)));
        const FortuneLabel fortune = annualFortune(imagery_, chart_.dayPillar.stem, y);
        c.fortune->setText(qs(fortune.text));
        c.fortune->setToolTip(qs(fortune.hint));
    }
    // The chart's own lines stay; the luck and annual lines replace any shown before.
    lines_ = practicalChartLines(chart_);
    const auto more = annualLines(chart_, luck, years_);
    lines_.insert(lines_.end(), more.begin(), more.end());
    update();
}

QPushButton* PracticalPage::buttonOf(const LineEnd& end) const {
    switch (end.owner) {
        case LineOwner::Day:
            return end.stem ? chartStems_[0] : chartBranches_[0];
        case LineOwner::Month:
            return end.stem ? chartStems_[1] : chartBranches_[1];
        case LineOwner::Year:
            return end.stem ? chartStems_[2] : chartBranches_[2];
        case LineOwner::Luck: {
            if (shownColumn_ < 1) return nullptr;
            const auto& c = luck_[static_cast<std::size_t>(shownColumn_ - 1)];
            return end.stem ? c.stem : c.branch;
        }
        case LineOwner::Annual: {
            if (end.annual < 1 || end.annual > kAnnualColumns) return nullptr;
            const auto& c = annual_[static_cast<std::size_t>(end.annual - 1)];
            return end.stem ? c.stem : c.branch;
        }
    }
    return nullptr;
}

void PracticalPage::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    for (const LuckLine& line : lines_) {
        const QPushButton* from = buttonOf(line.from);
        const QPushButton* to = buttonOf(line.to);
        if (!from || !to) continue;
        // From the middle of the lower edge of one button (24 pixels below its top) to the
        // middle of the upper edge of the other.
        const QPoint a(from->geometry().center().x(), from->geometry().top() + 24);
        const QPoint b(to->geometry().center().x(), to->geometry().top());
        p.setPen(QPen(QColor::fromRgb(static_cast<QRgb>(lineColourRgb(line.kind))),
                      line.kind == LineKind::Combination ? 2 : 1));
        p.drawLine(a, b);
    }
}

}  // namespace suimei
