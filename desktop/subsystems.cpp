#include "desktop/subsystems.h"

#include "app/ui/app_windows.h"
#include "app/ui/compatibility_windows.h"
#include "app/ui/main_window.h"
#include "calendar/ui/calendar_windows.h"
#include "chart/ui/chart_windows.h"
#include "chart/ui/luck_pages.h"
#include "methods/ui/conception_growth_windows.h"
#include "methods/ui/emotion_windows.h"
#include "methods/ui/mansion_windows.h"
#include "methods/ui/nine_star_windows.h"
#include "methods/ui/star_illness_windows.h"
#include "print/ui/print_windows.h"
#include "readings/ui/marriage_work_windows.h"
#include "readings/ui/memo_windows.h"
#include "readings/ui/reading_windows.h"

namespace suimei {

void installSubsystems(Tmenufrm& mainWindow, AppraisalBackend& backend, const Workbench& bench) {
    installCalendarWindows(bench);
    installChartWindows(bench);
    installLuckPages(bench);
    installAppWindows(mainWindow, backend, bench);
    installCompatibilityWindows(bench);
    // Without the passage table the readings stay empty; the rest of the program works.
    installReadingWindows(bench);
    installMarriageWorkWindows(bench);
    installMemoWindows(bench);
    installNineStarWindows(bench);
    installTokushuStarAndIllnessWindows(bench);
    installConceptionGrowthWindows(bench);
    installPrintWindows(bench);
    installMansionWindows(bench);
    installEmotionWindows(bench);
}

}  // namespace suimei
