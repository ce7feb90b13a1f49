#include "print/basic_knowledge_document.h"

#include <algorithm>

#include "print/document_layout.h"
#include "print/memo_document.h"

namespace suimei::print {

PrintDocument composeBasicKnowledge(const RtfDocument& text, const std::string& practitionerName,
                                    const std::string& practitionerTelephone) {
    PrintDocument doc;
    doc.title = kBasicKnowledgeTitle;
    TextFlow flow(doc, kPageLeft, kPageWidth, 18, [](PrintPage&) { return 18.0; });
    for (const RtfParagraph& p : text.paragraphs) {
        const RtfRun first = p.runs.empty() ? RtfRun{} : p.runs.front();
        // Sizes a word processor allows but a page does not are brought into a readable range.
        const double points = std::clamp(first.pointSize, 8.0, 20.0);
        FlowStyle style{first.bold ? FontFace::Gothic : FontFace::Mincho,
                        points,
                        points * kMillimetresPerPoint * 1.45,
                        first.bold,
                        0,
                        Align::Left};
        // A centred paragraph (a heading) is centred line by line.
        style.align = p.centred ? Align::Centre : Align::Left;
        flow.paragraph(p.plainText(), style);
    }
    addFooters(doc, footerLine(practitionerName, practitionerTelephone));
    return doc;
}

}  // namespace suimei::print
