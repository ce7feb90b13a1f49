#include "app/ui/qt_notifier.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/ui/start_up.h"

namespace suimei {

bool QtNotifier::notify(const Notice& notice) {
    const QString caption = QString::fromStdString(
        notice.caption.empty() ? std::string(kApplicationTitle) : notice.caption);
    const QString text = QString::fromStdString(notice.text);
    QWidget* parent = parent_.data();
    switch (notice.kind) {
        case NoticeKind::Information:
            QMessageBox::information(parent, caption, text);
            return true;
        case NoticeKind::Warning:
            QMessageBox::warning(parent, caption, text);
            return true;
        case NoticeKind::Error:
            QMessageBox::critical(parent, caption, text);
            return true;
        case NoticeKind::Question:
            return QMessageBox::question(parent, caption, text,
                                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    return true;
}

int QtNotifier::choose(const std::string& text, const std::vector<std::string>& buttons,
                       const std::string& caption, int safeButton) {
    if (buttons.empty()) return -1;
    const std::size_t safe =
        safeButton >= 0 && static_cast<std::size_t>(safeButton) < buttons.size()
            ? static_cast<std::size_t>(safeButton)
            : buttons.size() - 1;
    QMessageBox box(
        QMessageBox::Question,
        QString::fromStdString(caption.empty() ? std::string(kApplicationTitle) : caption),
        QString::fromStdString(text), QMessageBox::NoButton, parent_.data());
    std::vector<QPushButton*> pushed;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        pushed.push_back(
            box.addButton(QString::fromStdString(buttons[i]),
                          i == safe ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    box.setDefaultButton(pushed[safe]);
    box.setEscapeButton(pushed[safe]);
    box.exec();
    for (std::size_t i = 0; i < pushed.size(); ++i) {
        if (box.clickedButton() == pushed[i]) return static_cast<int>(i);
    }
    return static_cast<int>(safe);
}

}  // namespace suimei
