// Every side window laid out at its opening size: no caption of a button, check box, radio item or
// one-line label is cut off. With SUIMEI_SCREENSHOT_DIR set, each window is also saved there as a
// PNG (tools/screenshots_side.sh).

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/ui/graph_weights_window.h"
#include "app/ui/settings_window.h"
#include "app/ui/stage_points_window.h"
#include "calendar/ui/date_input_window.h"
#include "calendar/ui/taiwan_window.h"
#include "calendar/ui/time_difference_window.h"
#include "chart/ui/hidden_stem_window.h"
#include "chart/ui/stage_table_window.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

// Names of the visible captions narrower than their text needs.
QStringList cutOffCaptions(const QWidget& window) {
    QStringList cut;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const bool oneLineLabel = qobject_cast<QLabel*>(w) && !static_cast<QLabel*>(w)->wordWrap();
        if (!oneLineLabel && !qobject_cast<QAbstractButton*>(w)) continue;
        if (w->width() < w->sizeHint().width()) {
            cut << (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName()) +
                       QString(" %1<%2").arg(w->width()).arg(w->sizeHint().width());
        }
    }
    return cut;
}

TEST(SideWindowLayout, NoCaptionIsCutOff) {
    testing::TempDir dir;
    dir.write("QrekiTaiwan.txt",
              "1923/11/08,10/01,30,h\r\n1955/04/22,03/01,29,u\r\n2001/05/23,04/01,29,u\r\n");
    const AppPaths paths(dir.path(), dir.path() / "vorrin80.ini");
    RecordingNotifier notifier;
    Settings settings;
    const SettingsStore store(paths);

    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> windows;
    windows.emplace_back("settings", std::make_unique<Tenvsetfrm>(settings, store, notifier));
    windows.emplace_back("graph_weights",
                         std::make_unique<Tgraphcalcfrm>(settings, store, notifier));
    windows.emplace_back("stage_points",
                         std::make_unique<Tbiosetteifrm>(settings, store, notifier));
    windows.emplace_back("time_difference", std::make_unique<TimeDifferenceWindow>());
    auto dateWindow = std::make_unique<DateInputWindow>();
    dateWindow->setDate(QDate(1990, 5, 7));
    dateWindow->stepYears(-1);
    windows.emplace_back("date_input", std::move(dateWindow));
    auto taiwan = std::make_unique<TaiwanCalendarWindow>(paths, notifier);
    taiwan->show();  // the file is read when the window is first shown
    taiwan->findChild<QAbstractButton*>("lookupButton")->click();
    windows.emplace_back("taiwan", std::move(taiwan));
    auto tables = std::make_unique<TZokanDBfrm>();
    windows.emplace_back("hidden_stems", std::move(tables));
    auto touha = std::make_unique<TZokanDBfrm>();
    touha->setSchool(5);
    windows.emplace_back("hidden_stems_touha", std::move(touha));
    windows.emplace_back("stage_chart", std::make_unique<StageChartWindow>());

    const QString shotDir = qEnvironmentVariable("SUIMEI_SCREENSHOT_DIR");
    for (auto& [name, window] : windows) {
        window->show();
        QApplication::processEvents();
        EXPECT_TRUE(cutOffCaptions(*window).isEmpty())
            << name.toStdString() << ": " << cutOffCaptions(*window).join(", ").toStdString();
        if (!shotDir.isEmpty()) {
            QDir().mkpath(shotDir);
            EXPECT_TRUE(window->grab().save(shotDir + "/" + name + ".png")) << name.toStdString();
        }
        window->hide();
    }
}

}  // namespace
}  // namespace suimei
