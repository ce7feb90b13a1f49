#include "print/ui/calendar_printing.h"

#include "app/appraisal.h"
#include "app/calendar_documents.h"
#include "core/ui/print_service.h"
#include "core/ui/workbench.h"

namespace suimei {

namespace {

constexpr char kNoRunText[] = "鑑定実行していません。先に鑑定を行って下さい。";

bool readyToPrint(const Workbench& bench, int month) {
    if (!bench.runner.hasRun()) {
        bench.notifier.warn(kNoRunText);
        return false;
    }
    // The window offers only 1..12 and "１年分"; anything else is a caller's slip, not a page.
    return month >= 0 && month <= 12;
}

}  // namespace

void printFortuneCalendar(const Workbench& bench, int year, int month, QWidget* parent) {
    if (!readyToPrint(bench, month)) return;
    PrintService::instance(bench.notifier)
        .print(fortuneCalendarDocument(bench.runner, bench.settings, bench.paths,
                                       bench.host.clientName().toStdString(), year, month),
               parent);
}

void printMansionCalendar(const Workbench& bench, int year, int month, QWidget* parent) {
    if (!readyToPrint(bench, month)) return;
    PrintService::instance(bench.notifier)
        .print(mansionCalendarDocument(bench.runner, bench.settings,
                                       bench.host.clientName().toStdString(), year, month),
               parent);
}

}  // namespace suimei
