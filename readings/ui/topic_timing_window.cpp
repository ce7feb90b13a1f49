#include "readings/ui/topic_timing_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/settings.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "print/memo_document.h"

namespace suimei {

TopicTimingWindow::TopicTimingWindow(TopicWindowKind kind, const Tmandata& chart, int todayYear,
                                     const QString& clientName, PassageTable& passages,
                                     Notifier& notifier, QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      chart_(chart),
      todayYear_(todayYear),
      clientName_(clientName),
      passages_(passages),
      notifier_(notifier) {
    setObjectName(kind == TopicWindowKind::Marriage ? QStringLiteral("Tkekkon")
                                                    : QStringLiteral("Tsigoto"));
    setWindowTitle(qs(topicWindowCaption(kind)));
    resize(720, 560);

    auto* layout = new QHBoxLayout(this);
    auto* readings = new QVBoxLayout;
    for (const TopicButton& b : topicButtons(kind)) {
        auto* button = new QPushButton(qs(b.caption), this);
        const QString name = qs(b.name);
        button->setObjectName(name);
        // Two lines of caption: let the button grow to them rather than clip.
        button->setMinimumHeight(button->sizeHint().height());
        connect(button, &QPushButton::clicked, this, [this, name] { readingButtonClick(name); });
        readings->addWidget(button);
    }
    readings->addStretch(1);

    auto* clear = new QPushButton(QStringLiteral("クリア"), this);
    clear->setObjectName(QStringLiteral("clearbtn"));
    connect(clear, &QPushButton::clicked, this, &TopicTimingWindow::clearClick);
    auto* print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName(QStringLiteral("printbtn"));
    connect(print, &QPushButton::clicked, this, &TopicTimingWindow::printClick);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closebtn"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    readings->addWidget(clear);
    readings->addWidget(print);
    readings->addWidget(close);
    layout->addLayout(readings);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    layout->addWidget(memo_, 1);
}

QPushButton* TopicTimingWindow::button(const QString& name) const {
    for (const TopicButton& b : topicButtons(kind_)) {
        if (qs(b.name) == name) return findChild<QPushButton*>(name);
    }
    return nullptr;
}

QStringList TopicTimingWindow::memoLines() const {
    if (memo_->document()->isEmpty()) return {};
    return memo_->toPlainText().split(QLatin1Char('\n'));
}

void TopicTimingWindow::readingButtonClick(const QString& name) {
    const auto lines = topicButtonLines(kind_, name.toStdString(), chart_, todayYear_, passages_);
    for (const std::string& line : lines) memo_->appendPlainText(QString::fromStdString(line));
}

void TopicTimingWindow::clearClick() {
    memo_->clear();
}

void TopicTimingWindow::printClick() {
    print::MemoDocumentContent content;
    content.title = std::string(topicPrintTitle(kind_));
    content.clientName = clientName_.toStdString();
    for (const QString& line : memoLines()) content.memoLines.push_back(line.toStdString());
    if (footerSettings_ != nullptr) {
        content.practitionerName = footerSettings_->practitionerName;
        content.practitionerTelephone = footerSettings_->practitionerTelephone;
    }
    PrintService::instance(notifier_).print(print::composeMemoDocument(content), this);
}

}  // namespace suimei
