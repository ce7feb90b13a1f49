#include "app/ui/graph_weights_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace suimei {

namespace {

// Items from `first` to `last` in steps of one, written with their sign ("+3", "0", "-2").
QComboBox* weightBox(const char* name, int first, int last, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    const int step = first <= last ? 1 : -1;
    for (int v = first;; v += step) {
        box->addItem(v > 0 ? "+" + QString::number(v) : QString::number(v), v);
        if (v == last) break;
    }
    return box;
}

// Selects the item of `value`; a value beyond the items selects the nearest end.
void selectWeight(QComboBox* box, int value) {
    const int lowest = std::min(box->itemData(0).toInt(), box->itemData(box->count() - 1).toInt());
    const int highest = std::max(box->itemData(0).toInt(), box->itemData(box->count() - 1).toInt());
    box->setCurrentIndex(box->findData(std::clamp(value, lowest, highest)));
}

}  // namespace

Tgraphcalcfrm::Tgraphcalcfrm(Settings& settings, SettingsStore store, Notifier& notifier,
                             QWidget* parent)
    : QDialog(parent), settings_(settings), store_(std::move(store)), notifier_(notifier) {
    setObjectName("Tgraphcalcfrm");
    setWindowTitle("グラフの計算方法");

    auto* title = new QLabel("大運と年運の計算方法（命式の五行に与える強さの設定）", this);
    title->setObjectName("titleLabel");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    same_ = weightBox("higo", 1, 4, this);
    produced_ = weightBox("syokusyo", 0, 4, this);
    controlled_ = weightBox("zai", 0, -4, this);
    controlling_ = weightBox("kan", 0, -4, this);
    producing_ = weightBox("insei", 0, -4, this);
    yearSame_ = weightBox("nenhigo", 1, 4, this);

    auto* luckBox = new QGroupBox("大運の五行が命式の五行に与える強さ", this);
    auto* luckForm = new QFormLayout(luckBox);
    luckForm->addRow("同じ五行（比劫）", same_);
    luckForm->addRow("大運が生じる五行（食傷）", produced_);
    luckForm->addRow("大運が剋す五行（財）", controlled_);
    luckForm->addRow("大運を剋す五行（官）", controlling_);
    luckForm->addRow("大運を生じる五行（印）", producing_);

    auto* yearBox = new QGroupBox("年運の五行が命式の五行に与える強さ", this);
    auto* yearForm = new QFormLayout(yearBox);
    yearForm->addRow("同じ五行（比劫）", yearSame_);

    auto* confirmButton = new QPushButton("計算方法の確定", this);
    confirmButton->setObjectName("confirmButton");
    connect(confirmButton, &QPushButton::clicked, this, &Tgraphcalcfrm::confirm);
    auto* closeButton = new QPushButton("閉じる", this);
    closeButton->setObjectName("closeButton");
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirmButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(luckBox);
    layout->addWidget(yearBox);
    layout->addStretch();
    layout->addLayout(buttons);

    showWeights(settings_.graph);
}

GraphWeights Tgraphcalcfrm::shownWeights() const {
    GraphWeights w;
    w.luckSame = same_->currentData().toInt();
    w.luckProduced = produced_->currentData().toInt();
    w.luckControlled = controlled_->currentData().toInt();
    w.luckControlling = controlling_->currentData().toInt();
    w.luckProducing = producing_->currentData().toInt();
    w.yearSame = yearSame_->currentData().toInt();
    return w;
}

void Tgraphcalcfrm::showWeights(const GraphWeights& weights) {
    selectWeight(same_, weights.luckSame);
    selectWeight(produced_, weights.luckProduced);
    selectWeight(controlled_, weights.luckControlled);
    selectWeight(controlling_, weights.luckControlling);
    selectWeight(producing_, weights.luckProducing);
    selectWeight(yearSame_, weights.yearSame);
}

void Tgraphcalcfrm::confirm() {
    settings_.graph = shownWeights();
    if (!store_.saveGraphWeights(settings_.graph)) {
        notifier_.error("設定ファイルに書き込めませんでした。\n" + store_.iniFile().string(),
                        "グラフの計算方法");
    }
    emit recalculationRequested();
    close();
}

}  // namespace suimei
