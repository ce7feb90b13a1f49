#include "print/conception_document.h"

#include "print/memo_document.h"

namespace suimei::print {

namespace {

constexpr std::array<std::string_view, 4> kExplanations = {
    "●天源占星術とは、生れた日から２６５日前の干支で性格を判断する占星術です。",
    "●２６５日前は、受精卵に神様が霊を与える瞬間の時だとされています。",
    "●古来の干支と暦の知恵をもとに、日本で受け継がれてきた占術です。",
    "●未熟児や早産などの場合は、当たりにくい場合があります。",
};

constexpr double kExplanationPoints = 12;

}  // namespace

const std::array<std::string_view, 4>& conceptionExplanationLines() {
    return kExplanations;
}

PrintDocument composeConceptionDocument(const ConceptionDocumentContent& content) {
    // The page is the memo document's, with the explanations and an empty line leading the
    // memo; none of them is wider than a line, so each stays one item of the first page.
    MemoDocumentContent memo;
    memo.title = kConceptionPrintTitle;
    memo.clientName = content.clientName;
    memo.practitionerName = content.practitionerName;
    memo.practitionerTelephone = content.practitionerTelephone;
    memo.memoLines.assign(kExplanations.begin(), kExplanations.end());
    memo.memoLines.emplace_back();
    memo.memoLines.insert(memo.memoLines.end(), content.memoLines.begin(), content.memoLines.end());
    PrintDocument doc = composeMemoDocument(memo);

    // The explanations are set like the heading, in Gothic.
    std::size_t explained = 0;
    for (PrintItem& item : doc.pages.front().items) {
        if (explained == kExplanations.size()) break;
        if (item.kind == ItemKind::Text && item.text == kExplanations[explained]) {
            item.face = FontFace::Gothic;
            item.pointSize = kExplanationPoints;
            ++explained;
        }
    }
    return doc;
}

}  // namespace suimei::print
