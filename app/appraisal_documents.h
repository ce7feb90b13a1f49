#pragma once
// The appraisal documents of the print window, made from a completed run and the settings: the
// chart document, the practical document of one luck column, the general-audience report and the
// cover. The print window prints them; `suimei --print-pdf` writes them without a window.

#include <filesystem>

#include "core/print_document.h"

namespace suimei {

class AppraisalRunner;
class PassageTable;
struct Settings;

// "命式鑑定表 1/2" with the schools the run used and the 特殊星 of the chart.
print::PrintDocument chartDocumentOf(const AppraisalRunner& runner, const Settings& settings);
// "実践鑑定表 2/2" for luck column 1..7 of the practical page; no page for a column the chart
// does not have.
print::PrintDocument practicalDocumentOf(const AppraisalRunner& runner, const Settings& settings,
                                         int column);
// The general-audience report, its passages read from `passages`.
print::PrintDocument generalReportOf(const AppraisalRunner& runner, const Settings& settings,
                                     PassageTable& passages);
// The cover with picture 0..4 of `hyousiDir` (anything else: 0).
print::PrintDocument coverDocumentOf(const AppraisalRunner& runner, const Settings& settings,
                                     const std::filesystem::path& hyousiDir, int cover);

}  // namespace suimei
