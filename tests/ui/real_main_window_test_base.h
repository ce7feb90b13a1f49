#pragma once
// A main window over the real engine, in a fresh folder with no reading tables, for the window
// tests that run real appraisals.

#include <gtest/gtest.h>

#include "app/appraisal.h"
#include "app/settings.h"
#include "app/ui/main_window.h"
#include "app/ui/runner_backend.h"
#include "core/app_paths.h"
#include "core/notifier.h"
#include "core/ui/workbench.h"
#include "support/temp_dir.h"

namespace suimei {

class RealMainWindowTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    AppPaths paths{dir.path(), dir.path() / "vorrin80.ini"};
    SettingsStore store{paths};
    Settings settings;
    RecordingNotifier notes;
    AppraisalRunner runner{paths};
    RunnerBackend backend{runner};
    Tmenufrm mainWindow{backend, settings, store, notes};
    Workbench bench{mainWindow, mainWindow.registry(), settings, store, notes, paths, runner};
};

}  // namespace suimei
