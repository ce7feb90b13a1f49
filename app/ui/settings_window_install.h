#pragma once
// Makes the settings and date-helper side windows once, for the life of the main window, and
// connects them to the main window's buttons: カレンダ (calenbtn), 時差 (jisabtn), 環境と流派の設定
// (envsetbtn) and the chart page's 十二運星 (hounb).

#include "app/settings.h"
#include "core/app_paths.h"
#include "core/notifier.h"

namespace suimei {

class Tmenufrm;
class Tenvsetfrm;
class Tgraphcalcfrm;
class Tbiosetteifrm;
class TZokanDBfrm;
class StageChartWindow;
class TaiwanCalendarWindow;
class TimeDifferenceWindow;
class DateInputWindow;

// The windows, owned by the main window (their Qt parent).
struct SideWindows {
    Tenvsetfrm* settings = nullptr;
    Tgraphcalcfrm* graphWeights = nullptr;  // its 計算方法の確定 runs the appraisal again
    Tbiosetteifrm* stagePoints = nullptr;   // itemList() / pointsRegistered for taicyoselbtn
    TZokanDBfrm* hiddenStemTables = nullptr;
    StageChartWindow* stageChart = nullptr;
    TaiwanCalendarWindow* taiwan = nullptr;
    TimeDifferenceWindow* timeDifference = nullptr;
    DateInputWindow* dateInput = nullptr;
};

// `settings` are the run-time values of the program; they must outlive the main window.
SideWindows installSideWindows(Tmenufrm& mainWindow, Settings& settings, const SettingsStore& store,
                               Notifier& notifier, const AppPaths& paths);

}  // namespace suimei
