#include "chart/ui/favourable_override_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "chart/pattern.h"

namespace suimei {

namespace {

constexpr std::array<const char*, 6> kGroupTitles = {"", "木性", "火性", "土性", "金性", "水性"};

}  // namespace

FavourableOverrideWindow::FavourableOverrideWindow(AppraisalRunner& runner, Notifier& notifier,
                                                   QWidget* parent)
    : QDialog(parent), runner_(runner), notifier_(notifier) {
    setObjectName("FavourableOverrideWindow");
    setWindowTitle("喜ぶ五行と忌む五行を変更できます");

    auto* layout = new QVBoxLayout(this);
    for (const char* text :
         {"ここで喜ぶ神と忌む神を変更すれば鑑定文書と大運、年運の吉凶も自動的に変更されます。",
          "喜ぶ五行と忌む五行を決定することが四柱推命の最終的な結論です。",
          "ここの変更によって、ＡＩ鑑定文章の内容が１８０度変わってきます。（プロモードの場合）"}) {
        layout->addWidget(new QLabel(text, this));
    }

    auto* groups = new QHBoxLayout;
    for (int e = 1; e <= 5; ++e) {
        const auto i = static_cast<std::size_t>(e);
        auto* box = new QGroupBox(kGroupTitles[i], this);
        box->setObjectName(QString("element%1").arg(e));
        auto* liked = new QRadioButton("喜ぶ神", box);
        auto* disliked = new QRadioButton("忌む神", box);
        liked->setObjectName(QString("liked%1").arg(e));
        disliked->setObjectName(QString("disliked%1").arg(e));
        auto* exclusive = new QButtonGroup(box);
        exclusive->addButton(liked);
        exclusive->addButton(disliked);
        auto* inner = new QVBoxLayout(box);
        inner->addWidget(liked);
        inner->addWidget(disliked);
        liked_[i] = liked;
        disliked_[i] = disliked;
        groups->addWidget(box);
    }
    layout->addLayout(groups);

    auto* ok = new QPushButton("確認して閉じる", this);
    ok->setObjectName("okButton");
    connect(ok, &QPushButton::clicked, this, &FavourableOverrideWindow::confirm);
    auto* cancel = new QPushButton("変更しないで閉じる", this);
    cancel->setObjectName("closeButton");
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    loadChart();
}

QRadioButton* FavourableOverrideWindow::likedButton(int element) const {
    return element >= 1 && element <= 5 ? liked_[static_cast<std::size_t>(element)] : nullptr;
}

QRadioButton* FavourableOverrideWindow::dislikedButton(int element) const {
    return element >= 1 && element <= 5 ? disliked_[static_cast<std::size_t>(element)] : nullptr;
}

void FavourableOverrideWindow::loadChart() {
    const std::array<bool, 6> marks = overrideStartMarks(runner_.chart().favourableSlots());
    for (std::size_t e = 1; e <= 5; ++e) {
        (marks[e] ? liked_[e] : disliked_[e])->setChecked(true);
    }
}

void FavourableOverrideWindow::confirm() {
    std::array<bool, 6> liked{};
    for (std::size_t e = 1; e <= 5; ++e) liked[e] = liked_[e]->isChecked();
    if (!runner_.overrideFavourableElements(liked, notifier_)) return;
    emit overridden();
    close();
}

}  // namespace suimei
