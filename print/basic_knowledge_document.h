#pragma once
// The printed basic-knowledge text "四柱推命の基礎知識": the paragraphs of kisobun.rtf flowed over
// as many pages as they need, each in the size and weight of its first run, centred where the
// text centres them, with the footer on every page.

#include <string>

#include "core/print_document.h"
#include "print/rtf_text.h"

namespace suimei::print {

inline constexpr char kBasicKnowledgeTitle[] = "四柱推命の基礎知識";
inline constexpr char kBasicKnowledgeFile[] = "kisobun.rtf";

PrintDocument composeBasicKnowledge(const RtfDocument& text, const std::string& practitionerName,
                                    const std::string& practitionerTelephone);

}  // namespace suimei::print
