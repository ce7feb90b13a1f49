#include "app/ui/screen_check.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace suimei {

bool screenIsLargeEnough(const QScreen* screen) {
    if (!screen) return false;
    const QSize size = screen->size();
    return screenIsLargeEnough(size.width(), size.height());
}

ScreenNoticeWindow::ScreenNoticeWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("ScreenNoticeWindow");
    setWindowTitle(QString::fromUtf8("画面の大きさの設定を変更して下さい。"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(8);
    const char* lines[] = {
        "お使いの画面の大きさは 1024×768 以下のため、",
        "このプログラムの画面全体を表示することができません。",
        "画面のプロパティで、画面の大きさを 1024×768 以上に設定して下さい。",
        "設定を変更した後で、もう一度プログラムを起動して下さい。",
    };
    int i = 1;
    for (const char* line : lines) {
        auto* label = new QLabel(QString::fromUtf8(line), this);
        label->setObjectName(QString("Label%1").arg(i++));
        layout->addWidget(label);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(QString::fromUtf8("終了"), this);
    close->setObjectName("endbtn");
    close->setMinimumWidth(96);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    buttons->addStretch();
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

}  // namespace suimei
