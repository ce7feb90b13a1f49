#pragma once
// The sample client the benchmarks work on: 山田 太郎, 1984/02/10 07:00-09:00 男, appraised once
// over the staged application folder.

#include "app/appraisal.h"
#include "core/app_paths.h"
#include "core/notifier.h"

namespace suimei::bench {

inline const AppPaths& samplePaths() {
    static const AppPaths paths(SUIMEI_APP_DIR);
    return paths;
}

inline AppraisalRunner& sampleRunner() {
    static AppraisalRunner runner{samplePaths()};
    static const bool done = [] {
        AppraisalInput in;
        in.name = "山田 太郎";
        in.dateText = "1984/02/10";
        in.timeSlotText = "07:00-09:00";
        in.sexText = "男";
        in.today = {2026, 1, 1};
        RecordingNotifier notes;
        runner.run(in, notes);
        return true;
    }();
    (void)done;
    return runner;
}

}  // namespace suimei::bench
