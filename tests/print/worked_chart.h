#pragma once
// The chart the document tests print: 山田 太郎, born 1984/02/10 in the 07:00-09:00 slot, a man,
// under 渕海子平 and 陽生陰死式. Worked by hand: year 甲子, month 丙寅, day 甲戌, hour 戊辰; the
// hidden stems in force 壬 (子), 戊 (寅), 辛 (戌), 乙 (辰); void 申酉; life palace 亥; luck forward
// from age 8 (丁卯), so the practical columns start at 28 (己巳) and run to 88.

#include <gtest/gtest.h>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "support/temp_dir.h"

namespace suimei::print::testing {

class WorkedChart : public ::testing::Test {
  protected:
    void SetUp() override {
        AppraisalInput in;
        in.name = "山田 太郎";
        in.dateText = "1984/02/10";
        in.timeSlotText = "07:00-09:00";
        in.sexText = "男";
        in.today = {2026, 12, 8};
        ASSERT_EQ(runner.run(in, notes), AppraisalStatus::Completed);
    }
    const Tmandata& chart() const { return runner.chart(); }

    suimei::testing::TempDir dir;
    AppraisalRunner runner{AppPaths(dir.path())};
    RecordingNotifier notes;
};

}  // namespace suimei::print::testing
