#include "print/illness_document.h"

#include <utility>

namespace suimei::print {

PrintDocument composeIllnessDocument(MemoDocumentContent content) {
    content.title = kIllnessPrintTitle;
    return composeMemoDocument(std::move(content));
}

}  // namespace suimei::print
