#include "core/ui/widget_printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

#include "core/notifier.h"

namespace suimei {

void printWidget(QWidget& widget, const QString& documentName, Notifier& notifier,
                 QPrinter* printer) {
    auto render = [&widget](QPrinter* target) {
        QPainter painter(target);
        if (!painter.isActive()) return;
        const QRectF page = target->pageLayout().paintRectPixels(target->resolution());
        const QSize size = widget.size();
        if (size.isEmpty()) return;
        const double scale = std::min(page.width() / size.width(), page.height() / size.height());
        painter.translate((page.width() - size.width() * scale) / 2, 0);
        painter.scale(scale, scale);
        widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    };
    if (printer) {
        printer->setDocName(documentName);
        render(printer);
        return;
    }
    QPrinter target(QPrinter::HighResolution);
    target.setDocName(documentName);
    if (notifier.ask("印刷のプレビュー画面を表示しますか？")) {
        QPrintPreviewDialog preview(&target, widget.window());
        preview.setWindowTitle(documentName);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &widget, render);
        preview.exec();
    } else {
        QPrintDialog dialog(&target, widget.window());
        dialog.setWindowTitle(documentName);
        if (dialog.exec() == QDialog::Accepted) render(&target);
    }
}

}  // namespace suimei
