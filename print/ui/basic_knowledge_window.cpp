#include "print/ui/basic_knowledge_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/settings.h"
#include "core/app_paths.h"
#include "core/notifier.h"
#include "core/text_codec.h"
#include "core/ui/print_service.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_parts.h"
#include "print/basic_knowledge_document.h"

namespace suimei {

namespace {

// The paragraphs as HTML for the view: each run in its weight, slant and size.
QString htmlOf(const print::RtfDocument& doc) {
    QString html;
    for (const print::RtfParagraph& p : doc.paragraphs) {
        html += p.centred ? QStringLiteral("<p align=\"center\">") : QStringLiteral("<p>");
        for (const print::RtfRun& r : p.runs) {
            html += QStringLiteral("<span style=\"font-size:%1pt;%2%3\">")
                        .arg(r.pointSize)
                        .arg(r.bold ? QStringLiteral("font-weight:bold;") : QString())
                        .arg(r.italic ? QStringLiteral("font-style:italic;") : QString());
            html += qs(r.text).toHtmlEscaped();
            html += QStringLiteral("</span>");
        }
        html += QStringLiteral("</p>");
    }
    return html;
}

}  // namespace

Tkisofrm::Tkisofrm(const Workbench& bench, QWidget* parent) : QWidget(parent), bench_(bench) {
    setObjectName(QStringLiteral("Tkisofrm"));
    setWindowTitle(qs(print::kBasicKnowledgeTitle));
    resize(720, 640);
    auto* layout = new QVBoxLayout(this);
    view_ = new QTextBrowser(this);
    view_->setObjectName(QStringLiteral("RichEdit1"));
    view_->setReadOnly(true);
    view_->setFont(QFont(QStringLiteral("ＭＳ 明朝"), 11));
    layout->addWidget(view_, 1);
    QHBoxLayout* row = closeButtonRow(this);
    auto* print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName(QStringLiteral("insatubtn"));
    connect(print, &QPushButton::clicked, this, &Tkisofrm::insatubtnClick);
    row->insertWidget(0, print);
    layout->addLayout(row);
}

bool Tkisofrm::loadText() {
    const auto path = bench_.paths.file(print::kBasicKnowledgeFile);
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        bench_.notifier.error(
            std::string(print::kBasicKnowledgeFile) + " が見つかりません。\n" + path.string(),
            print::kBasicKnowledgeTitle);
        return false;
    }
    std::optional<print::RtfDocument> text = print::parseRtf(*bytes);
    if (!text) {
        bench_.notifier.error(std::string(print::kBasicKnowledgeFile) +
                                  " を読めません（RTF の形式ではありません）。\n" + path.string(),
                              print::kBasicKnowledgeTitle);
        return false;
    }
    text_ = std::move(text);
    view_->setHtml(htmlOf(*text_));
    return true;
}

void Tkisofrm::insatubtnClick() {
    if (!text_) return;
    PrintService::instance(bench_.notifier)
        .print(print::composeBasicKnowledge(*text_, bench_.settings.practitionerName,
                                            bench_.settings.practitionerTelephone),
               this);
}

}  // namespace suimei
