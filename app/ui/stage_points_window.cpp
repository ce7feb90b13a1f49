#include "app/ui/stage_points_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calendar/types.h"
#include "core/ui/qt_text.h"

namespace suimei {

Tbiosetteifrm::Tbiosetteifrm(Settings& settings, SettingsStore store, Notifier& notifier,
                             QWidget* parent)
    : QDialog(parent), settings_(settings), store_(std::move(store)), notifier_(notifier) {
    setObjectName("Tbiosetteifrm");
    setWindowTitle("十二運　点数の変更画面");

    // Two columns of six stages: 長生..衰 and 病..養.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (int stage = 1; stage <= 12; ++stage) {
        auto* edit = new QSpinBox(this);
        edit->setObjectName("pointEdit" + QString::number(stage));
        edit->setRange(-999, 999);  // what the settings file keeps
        edit->setAlignment(Qt::AlignRight);
        edit->setMinimumWidth(70);
        auto* label = new QLabel(qs(stageName(stage)), this);
        label->setBuddy(edit);
        const int row = (stage - 1) % 6;
        const int column = (stage - 1) / 6 * 3;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        grid->addWidget(new QLabel("点", this), row, column + 2);
        edits_[static_cast<std::size_t>(stage)] = edit;
    }

    auto* defaults = new QPushButton("初期値へ戻す", this);
    defaults->setObjectName("defaultsButton");
    connect(defaults, &QPushButton::clicked, this, [this] { showPoints(kDefaultStagePoints); });
    auto* registerButton = new QPushButton("登録して閉じる", this);
    registerButton->setObjectName("registerButton");
    connect(registerButton, &QPushButton::clicked, this, &Tbiosetteifrm::registerAndClose);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(registerButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    showPoints(settings_.stagePoints);
}

QStringList Tbiosetteifrm::itemList(const StagePoints& points) {
    QStringList items;
    for (int stage = 1; stage <= 12; ++stage) {
        items << QString::number(points[static_cast<std::size_t>(stage)]) + "点-" +
                     qs(stageName(stage));
    }
    return items;
}

void Tbiosetteifrm::showEvent(QShowEvent* event) {
    showPoints(settings_.stagePoints);
    QDialog::showEvent(event);
}

void Tbiosetteifrm::showPoints(const StagePoints& points) {
    for (int stage = 1; stage <= 12; ++stage) {
        edits_[static_cast<std::size_t>(stage)]->setValue(points[static_cast<std::size_t>(stage)]);
    }
}

void Tbiosetteifrm::registerAndClose() {
    StagePoints points = settings_.stagePoints;
    for (int stage = 1; stage <= 12; ++stage) {
        points[static_cast<std::size_t>(stage)] = edits_[static_cast<std::size_t>(stage)]->value();
    }
    settings_.stagePoints = points;
    if (!store_.saveStagePoints(points)) {
        notifier_.error("設定ファイルに書き込めませんでした。\n" + store_.iniFile().string(),
                        "十二運　点数の変更画面");
    }
    notifier_.info("数値を変更したら、再度鑑定ボタンを押さないと、グラフは更新されません。");
    emit pointsRegistered(itemList());
    close();
}

}  // namespace suimei
