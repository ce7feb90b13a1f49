#include "methods/ui/illness_examples_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "methods/illness.h"

namespace suimei {

Tbyokifrm2::Tbyokifrm2(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tbyokifrm2"));
    setWindowTitle(qs(kIllnessExamplesCaption));
    auto* layout = new QVBoxLayout(this);
    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("Memo1"));
    QString html;
    for (const IllnessExample& e : illnessExamples()) {
        html += QStringLiteral("<p><b>") + qs(e.heading).toHtmlEscaped() +
                QStringLiteral("</b><br>") + qs(e.text).toHtmlEscaped() + QStringLiteral("</p>");
    }
    page_->setHtml(html);
    layout->addWidget(page_, 1);
    layout->addLayout(closeButtonRow(this));
    resize(560, 600);
}

}  // namespace suimei
