#include "readings/ui/table_navigator.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace suimei {

namespace {

struct NavigatorButton {
    const char* caption;
    const char* objectName;
};

constexpr std::array<NavigatorButton, TableNavigator::kActions> kButtons = {{
    {"最初", "navFirst"},
    {"前", "navPrior"},
    {"次", "navNext"},
    {"最後", "navLast"},
    {"新規", "navInsert"},
    {"削除", "navDelete"},
    {"編集", "navEdit"},
    {"登録", "navPost"},
    {"取り消し", "navCancel"},
    {"更新", "navRefresh"},
}};

}  // namespace

TableNavigator::TableNavigator(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("navigator"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < kActions; ++i) {
        auto* b =
            new QPushButton(QString::fromUtf8(kButtons[static_cast<std::size_t>(i)].caption), this);
        b->setObjectName(QString::fromLatin1(kButtons[static_cast<std::size_t>(i)].objectName));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);  // the memo keeps the focus while the user navigates
        buttons_[static_cast<std::size_t>(i)] = b;
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, i] { emit triggered(Action(i)); });
    }
    layout->addStretch(1);
}

void TableNavigator::updateButtons(bool hasRecord, bool atFirst, bool atLast, bool editing) {
    buttons_[First]->setEnabled(hasRecord && !atFirst);
    buttons_[Prior]->setEnabled(hasRecord && !atFirst);
    buttons_[Next]->setEnabled(hasRecord && !atLast);
    buttons_[Last]->setEnabled(hasRecord && !atLast);
    buttons_[Insert]->setEnabled(true);
    buttons_[Delete]->setEnabled(hasRecord);
    buttons_[Edit]->setEnabled(hasRecord && !editing);
    buttons_[Post]->setEnabled(editing);
    buttons_[Cancel]->setEnabled(editing);
    buttons_[Refresh]->setEnabled(true);
}

}  // namespace suimei
