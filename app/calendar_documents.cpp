#include "app/calendar_documents.h"

#include "app/appraisal.h"
#include "app/settings.h"
#include "calendar/old_calendar.h"
#include "chart/mandata.h"
#include "print/fortune_calendar.h"
#include "print/mansion_calendar.h"
#include "readings/passage_table.h"

namespace suimei {

print::PrintDocument fortuneCalendarDocument(AppraisalRunner& runner, const Settings& settings,
                                             const AppPaths& paths, const std::string& clientName,
                                             int year, int month) {
    const Tmandata& chart = runner.chart();
    print::FortuneCalendarContent content;
    content.clientName = clientName;
    content.chart = {chart.dayPillar.stem, chart.dayPillar.branch, chart.monthPillar.branch,
                     chart.yearPillar.branch};
    content.year = year;
    content.month = month;
    content.practitionerName = settings.practitionerName;
    content.practitionerTelephone = settings.practitionerTelephone;
    print::FortuneTexts texts;
    if (auto passages = PassageTable::open(paths)) texts = print::loadFortuneTexts(*passages);
    return print::composeFortuneCalendar(content, texts);
}

print::PrintDocument mansionCalendarDocument(AppraisalRunner& runner, const Settings& settings,
                                             const std::string& clientName, int year, int month) {
    print::MansionCalendarContent content;
    content.clientName = clientName;
    content.birthMansion = runner.chart().mansionNumber;
    content.year = year;
    content.month = month;
    if (settings.qrekiBase == 1) content.taiwan = &runner.oldCalendar().taiwanTable();
    content.practitionerName = settings.practitionerName;
    content.practitionerTelephone = settings.practitionerTelephone;
    return print::composeMansionCalendar(content);
}

}  // namespace suimei
