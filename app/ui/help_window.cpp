#include "app/ui/help_window.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace suimei {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("ヘルプ"));
    resize(760, 640);
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    // Links to other pages and anchors of the bundled help open here; addresses on the web go to
    // the desktop's browser where there is one.
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_, 1);

    auto* buttons = new QHBoxLayout;
    auto* back = new QPushButton(QStringLiteral("戻る"), this);
    back->setObjectName(QStringLiteral("backButton"));
    back->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
}

void HelpWindow::showPage(const QUrl& url) {
    // The same page again only moves to the fragment's anchor.
    browser_->setSource(url);
}

}  // namespace suimei
