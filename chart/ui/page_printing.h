#pragma once
// The printed forms of the luck and rhythm pages: the luck memo as a memo document, a graph as a
// picture page, the family diagram as its own sheet. Each carries the client's name and the
// practitioner's footer of the settings.

#include <string>
#include <vector>

#include "core/print_document.h"

class QImage;

namespace suimei {

struct FamilyDiagram;
struct Settings;

inline constexpr char kLuckMemoPrintTitle[] = "大運・年運の鑑定（行運分析）";
inline constexpr char kLifeGraphPrintTitle[] = "五行エネルギーの生涯変化";
inline constexpr char kStageRhythmPrintTitle[] = "十二運星 体調バイオエネルギー変化";

// The luck memo (daiunmemo) lines, 45 to a page.
print::PrintDocument luckMemoDocument(const std::vector<std::string>& memoLines,
                                      const std::string& clientName, const Settings& settings);
// A graph drawn as `image`, with caption lines under it; no page when the picture cannot be
// kept for printing.
print::PrintDocument graphDocument(const QImage& image, const std::string& title,
                                   const std::vector<std::string>& captions,
                                   const std::string& clientName, const Settings& settings);
// The family-relation diagram with the page's memo.
print::PrintDocument familyDocument(const FamilyDiagram& diagram,
                                    const std::vector<std::string>& memoLines,
                                    const std::string& clientName, const Settings& settings);

}  // namespace suimei
