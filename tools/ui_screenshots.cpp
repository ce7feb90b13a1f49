// Saves PNG screenshots of the start-up and main windows, before and after a sample appraisal.
// Usage: ui_screenshots OUTPUT_FOLDER APP_FOLDER   (run offscreen by tools/screenshots.sh)
//
// The chart page comes from a real run of the engine on 1980/05/15 09:00-11:00 男; the picture of a
// chart without an hour uses a sample display written out here (a run always infers an hour).

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "app/appraisal.h"
#include "app/settings.h"
#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "app/ui/screen_check.h"
#include "app/ui/start_up.h"
#include "app/ui/title_window.h"
#include "desktop/subsystems.h"

namespace {

using suimei::AppraisalDisplay;
using suimei::PillarCell;

PillarCell cell(const char* stem, const char* tenGod, const char* meaning, const char* stemPicture,
                const char* branch, const char* branchPicture,
                std::vector<std::pair<const char*, const char*>> hidden, int active,
                const char* stage, const char* mark) {
    PillarCell c;
    c.stemText = std::string(stem) + ":" + tenGod;
    c.stemHint = std::string(stem) + "の性質";
    c.stemMeaning = meaning;
    c.branchText = branch;
    c.stemPicture = stemPicture;
    c.branchPicture = branchPicture;
    c.hiddenCount = static_cast<int>(hidden.size());
    for (std::size_t k = 0; k < hidden.size(); ++k) {
        c.hiddenText[k] = hidden[k].first;
        c.hiddenTenGodText[k] = hidden[k].second;
    }
    c.activeHiddenSlot = active;
    c.stageText = stage;
    c.mark = mark;
    return c;
}

AppraisalDisplay sampleDisplay() {
    AppraisalDisplay d;
    d.normalizedDate = "1980/05/15";
    d.namePanel = "山田 太郎   1980/05/15   満 45才";
    d.ageLabel = "現在満45才";
    d.columns[suimei::kHourColumn] =
        cell("丁", "印綬", "火の弟（柔らかい火）", "hinoto.bmp", "巳", "fire.bmp",
             {{"戊", "比肩"}, {"庚", "食神"}, {"丙", "偏印"}}, 3, "建禄", "×");
    d.columns[suimei::kDayColumn] =
        cell("戊", "", "土の兄（山岳の乾土）", "tutinoe.bmp", "子", "water.bmp",
             {{"壬", "偏財"}, {"癸", "正財"}}, 2, "胎", "×");
    d.columns[suimei::kDayColumn].stemText = "戊:日主";
    d.columns[suimei::kMonthColumn] =
        cell("辛", "傷官", "金の弟（貴金属）", "kanoto.bmp", "巳", "fire.bmp",
             {{"戊", "比肩"}, {"庚", "食神"}, {"丙", "偏印"}}, 2, "建禄", "○");
    d.columns[suimei::kYearColumn] =
        cell("庚", "食神", "金の兄（木を倒すナタ）", "kanoe.bmp", "申", "kin.bmp",
             {{"己", "劫財"}, {"壬", "偏財"}, {"庚", "食神"}}, 3, "病", "○");
    d.luckDirectionText = "順行";
    d.voidText = "空亡:午:未";
    d.lifePalaceText = "命宮：未";
    d.entryDaysText = "節入り日からの日数：9.54日";
    d.luckStartText = "立運までの年月：7年間と0ヶ月";
    d.luckStartAgeText = "立運の年齢：数え8才1月";
    d.mansionText = "宿曜星：張宿";
    d.yearStarText = "本命星：二黒土星";
    d.monthStarText = "月命星：五黄土星";
    d.gaugeTotal = 70;
    d.gaugeMonthCommand = 77;
    d.gaugeElements = 64;
    d.gaugeStages = 52;
    d.strengthClass = "身旺";
    d.powerText = "強い";
    d.pointsText = "5点";
    d.pillarPower = {2, 1, 2, 0};
    d.elementPower = {0, 4, 6, 5, 2};
    d.stemCounts = {0, 1, 1, 2, 0};
    d.branchCounts = {0, 2, 0, 1, 2};
    d.patternIndex = 5;
    d.patternName = "建禄格";
    d.usefulStem = 7;
    d.climateText = "調候用神：壬";
    d.favourableText = "金・水・木";
    d.unfavourableText = "火・土";
    d.relationChecks = {false, false, false, true, false, true, false};
    d.lines = {{suimei::kMonthColumn, suimei::kYearColumn, suimei::ChartRow::Branch,
                suimei::LineColour::Green, "支合"}};
    d.markers = {{suimei::kMonthColumn, suimei::ChartRow::Branch, suimei::LineColour::Fuchsia},
                 {suimei::kYearColumn, suimei::ChartRow::Branch, suimei::LineColour::Fuchsia}};
    d.hiddenSchoolLabel = "蔵干表：渕海子平";
    d.stageSchoolLabel = "十二運星：陽生陰死式";
    return d;
}

bool save(QWidget& w, const QDir& dir, const char* name) {
    w.show();
    QApplication::processEvents();
    const QString path = dir.filePath(QString::fromLatin1(name));
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: ui_screenshots OUTPUT_FOLDER APP_FOLDER\n");
        return 2;
    }
    suimei::installJapaneseFontFallbacks();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    const QString appDir = QString::fromLocal8Bit(argv[2]);
    bool ok = true;

    auto* title = new suimei::Ttitlefrm;  // deletes itself when closed
    ok &= save(*title, out, "title_window.png");
    title->close();

    suimei::ScreenNoticeWindow notice;
    ok &= save(notice, out, "screen_notice.png");
    notice.hide();

    // Everything the window might tell is printed rather than shown.
    suimei::StderrNotifier notifier(true);
    suimei::Settings settings;
    const suimei::SettingsStore store(out.filePath("screenshots.ini").toStdString());
    const suimei::AppPaths paths(appDir.toStdString(),
                                 out.filePath("screenshots.ini").toStdString());
    suimei::AppraisalRunner runner(paths);
    suimei::RunnerBackend backend(runner);
    suimei::Tmenufrm window(backend, settings, store, notifier);
    window.setAppDir(appDir);
    window.setToday(QDate(2026, 12, 8));
    suimei::installSubsystems(
        window, backend,
        suimei::Workbench{window, window.registry(), settings, store, notifier, paths, runner});
    ok &= save(window, out, "main_entry_empty.png");

    window.findChild<QLineEdit*>("simei")->setText(QString::fromUtf8("山田 太郎"));
    window.findChild<QLineEdit*>("birthday")->setText("1980/5/15");
    window.findChild<QComboBox*>("timeb")->setCurrentIndex(5);
    window.findChild<QComboBox*>("sex")->setCurrentIndex(0);
    ok &= save(window, out, "main_entry_filled.png");

    window.notebook()->setCurrentIndex(1);  // before a run: the page is empty
    ok &= save(window, out, "main_chart_before_run.png");
    window.notebook()->setCurrentIndex(0);

    QElapsedTimer clock;
    clock.start();
    window.okbtnClick();
    const qint64 fillNs = clock.nsecsElapsed();
    ok &= save(window, out, "main_chart_after_run.png");
    std::printf("appraisal click to filled chart page: %.1f ms\n", fillNs / 1e6);
    const char* readingPages[3] = {"main_year_page.png", "main_month_page.png",
                                   "main_day_page.png"};
    for (int page = 2; page <= 4; ++page) {
        window.notebook()->setCurrentIndex(page);
        ok &= save(window, out, readingPages[page - 2]);
    }
    // Side windows of the real run: the month command and the help page.
    window.registry().open("tukireibtn");
    if (QWidget* month = window.findChild<QWidget*>("MonthCommandWindow")) {
        ok &= save(*month, out, "month_command_window.png");
        month->close();
    }
    window.findChild<QAbstractButton*>("SpeedButton2")->click();
    if (QWidget* help = window.findChild<QWidget*>("HelpWindow")) {
        ok &= save(*help, out, "help_window.png");
        help->close();
    }
    // Pages 5..9 of the same run; the age button of luck column 1 and page 7 timed.
    window.notebook()->setCurrentIndex(5);
    ok &= save(window, out, "main_luck_grids_page.png");
    window.notebook()->setCurrentIndex(6);
    if (auto* age = window.findChild<QPushButton*>("dai_y1")) {
        clock.restart();
        age->click();
        window.repaint();
        std::printf("age button click to filled annual columns: %.2f ms\n",
                    clock.nsecsElapsed() / 1e6);
    }
    ok &= save(window, out, "main_practical_page.png");
    clock.restart();
    window.notebook()->setCurrentIndex(7);
    window.repaint();
    std::printf("page 7 computed and drawn: %.2f ms\n", clock.nsecsElapsed() / 1e6);
    ok &= save(window, out, "main_life_graph_page.png");
    window.notebook()->setCurrentIndex(8);
    ok &= save(window, out, "main_stage_rhythm_page.png");
    window.notebook()->setCurrentIndex(9);
    for (const char* b : {"haiguyabtn", "haigusya2btn", "tencyusatubtn"}) {
        if (auto* button = window.findChild<QPushButton*>(b)) button->click();
    }
    ok &= save(window, out, "main_family_page.png");

    // The chart's explanation and diagram windows over this chart: the time from the opener to a
    // painted window, and a picture of each.
    window.notebook()->setCurrentIndex(1);
    const char* chartWindows[] = {"tuhenbtn", "kangohlp",  "tisihlp", "gogyobtn", "Tgogyo5",
                                  "Changek",  "yorokobtn", "kakubtn", "yojinbtn"};
    for (const char* name : chartWindows) {
        QElapsedTimer openClock;
        openClock.start();
        window.registry().open(QString::fromLatin1(name));
        QWidget* shown = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != &window && w->isVisible() && w->parentWidget() == &window) shown = w;
        }
        if (!shown) {
            std::printf("FAILED to open %s\n", name);
            ok = false;
            continue;
        }
        QApplication::processEvents();
        const QPixmap picture = shown->grab();
        const qint64 openNs = openClock.nsecsElapsed();
        std::printf("open+paint %s: %.1f ms\n", name, openNs / 1e6);
        const QString path = out.filePath(QString("chart_%1.png").arg(name));
        const bool saved = picture.save(path);
        std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
        ok &= saved;
        shown->hide();
    }

    // A birth 29 minutes from the 丑 hour: the line under the chart and the candidate charts.
    window.notebook()->setCurrentIndex(0);
    window.findChild<QLineEdit*>("birthday")->setText("2000/1/1");
    window.findChild<QComboBox*>("timeb")->setCurrentIndex(0);
    window.okbtnClick();
    window.notebook()->setCurrentIndex(1);
    ok &= save(window, out, "main_chart_near_boundary.png");
    window.registry().open("ambiguitybtn");
    if (QWidget* candidates = window.findChild<QWidget*>("AmbiguityWindow")) {
        ok &= save(*candidates, out, "ambiguity_window.png");
        candidates->close();
    } else {
        std::printf("FAILED to open the candidate charts\n");
        ok = false;
    }

    // The same chart with an unknown hour and the pictures off.
    AppraisalDisplay noHour = sampleDisplay();
    suimei::PillarCell& hour = noHour.columns[suimei::kHourColumn];
    hour = suimei::PillarCell{};
    hour.stemText = hour.branchText = hour.stageText = "-";
    hour.mark = "-";
    for (suimei::PillarCell& c : noHour.columns) c.stemPicture = c.branchPicture = "";
    window.showAppraisal(noHour);
    ok &= save(window, out, "main_chart_no_hour_no_pictures.png");

    window.notebook()->setCurrentIndex(2);
    return ok ? 0 : 1;
}
