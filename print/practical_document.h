#pragma once
// The practical document "実践鑑定表 2/2" of one luck column: the client's name, the day, month and
// year pillars, the luck pillar and its ten years with their ages, calendar years, void marks and
// ○ × △ ratings, the 三刑 (yellow), 冲 (fuchsia) and 干合 (green) lines between them, and the
// collected hints on reading the luck periods.

#include <array>
#include <string>
#include <vector>

#include "chart/luck.h"
#include "core/print_document.h"

namespace suimei::print {

inline constexpr char kPracticalDocumentTitle[] = "実践鑑定表 2/2";
inline constexpr char kLuckHintsHeading[] = "[行運診断秘訣集]";

// The caption of a luck column chosen by its start age: start + "-" + (start + 9) + "才".
std::string luckAgeRangeText(int startAge);

// The ten paragraphs of the luck hints, each beginning with its 〔heading〕; the life palace and
// the liked and disliked elements are written into theirs ("-" when the chart has none).
std::vector<std::string> luckHintParagraphs(int lifePalaceBranch, const std::string& liked,
                                            const std::string& disliked);

struct PracticalDocumentContent {
    std::string clientName;
    const Tmandata* chart = nullptr;  // the pillars, ratings and lines are read from it
    PracticalLuckColumn luck;         // the chosen luck column
    std::string practitionerName;
    std::string practitionerTelephone;
};

// The document; the hints run on to a second page if they do not fit the first.
PrintDocument composePracticalDocument(const PracticalDocumentContent& content);

}  // namespace suimei::print
