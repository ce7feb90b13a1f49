#pragma once
// The two printed calendars of the current chart, printed through the print service (the preview
// question, then the preview with "PDF に保存" or the printer). Before the first appraisal they
// only warn that no appraisal has been run.

class QWidget;

namespace suimei {

struct Workbench;

// The fortune calendar (開運カレンダー) of month 1..12 of `year`; month 0 ("１年分") prints the
// twelve months as twelve pages in month order.
void printFortuneCalendar(const Workbench& bench, int year, int month, QWidget* parent);
// The lunar-mansion calendar (宿曜カレンダー) of the same choice.
void printMansionCalendar(const Workbench& bench, int year, int month, QWidget* parent);

}  // namespace suimei
