#include "app/appraisal_documents.h"

#include <string>

#include "app/appraisal.h"
#include "app/settings.h"
#include "chart/luck.h"
#include "print/chart_document.h"
#include "print/cover_document.h"
#include "print/general_report.h"
#include "print/practical_document.h"

namespace suimei {

namespace {

// The text after the "：" of a display label ("蔵干表：渕海子平" -> "渕海子平").
std::string afterColon(const std::string& label) {
    const std::string colon = "：";
    const auto at = label.find(colon);
    return at == std::string::npos ? label : label.substr(at + colon.size());
}

}  // namespace

print::PrintDocument chartDocumentOf(const AppraisalRunner& runner, const Settings& settings) {
    const AppraisalDisplay& display = runner.display();
    int stageSchool = 0;
    for (int s = 0; s < kTwelveStageSchoolCount; ++s) {
        if (display.stageSchoolLabel == twelveStageSchoolLabel(s)) stageSchool = s;
    }
    print::ChartDocumentContent content =
        print::chartDocumentContent(runner.chart(), stageSchool, runner.nineStars());
    content.hiddenStemSchool = afterColon(display.hiddenSchoolLabel);
    content.stageSchool = afterColon(display.stageSchoolLabel);
    content.practitionerName = settings.practitionerName;
    content.practitionerTelephone = settings.practitionerTelephone;
    return print::composeChartDocument(content);
}

print::PrintDocument practicalDocumentOf(const AppraisalRunner& runner, const Settings& settings,
                                         int column) {
    const std::vector<PracticalLuckColumn> columns = practicalLuckColumns(runner.chart());
    if (column < 1 || column > static_cast<int>(columns.size())) return {};
    print::PracticalDocumentContent content;
    content.clientName = runner.chart().nameText;
    content.chart = &runner.chart();
    content.luck = columns[static_cast<std::size_t>(column - 1)];
    content.practitionerName = settings.practitionerName;
    content.practitionerTelephone = settings.practitionerTelephone;
    return print::composePracticalDocument(content);
}

print::PrintDocument generalReportOf(const AppraisalRunner& runner, const Settings& settings,
                                     PassageTable& passages) {
    print::GeneralReportContent content = print::generalReportContent(runner.chart(), passages);
    content.practitionerName = settings.practitionerName;
    content.practitionerTelephone = settings.practitionerTelephone;
    return print::composeGeneralReport(content);
}

print::PrintDocument coverDocumentOf(const AppraisalRunner& runner, const Settings& settings,
                                     const std::filesystem::path& hyousiDir, int cover) {
    print::CoverContent content;
    content.practitionerName = settings.practitionerName;
    content.practitionerTelephone = settings.practitionerTelephone;
    if (runner.hasRun()) content.clientName = runner.chart().nameText;
    content.picture = print::coverPicturePath(hyousiDir, cover);
    return print::composeCover(content);
}

}  // namespace suimei
