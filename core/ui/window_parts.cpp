#include "core/ui/window_parts.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace suimei {

QPushButton* makeCloseButton(QWidget* window) {
    auto* button = new QPushButton(QString::fromUtf8("閉じる"), window);
    button->setObjectName(QStringLiteral("closeButton"));
    QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    return button;
}

QHBoxLayout* closeButtonRow(QWidget* window) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(makeCloseButton(window));
    return row;
}

}  // namespace suimei
