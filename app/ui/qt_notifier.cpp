#include "app/ui/qt_notifier.h"

#include <QMessageBox>

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

}  // namespace suimei
