#include <gtest/gtest.h>

#include "app/appraisal.h"
#include "app/settings.h"
#include "chart/mandata.h"
#include "core/notifier.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

AppraisalInput birth(const std::string& date, const std::string& slot, bool correct,
                     bool astronomical = true) {
    AppraisalInput in;
    in.dateText = date;
    in.timeSlotText = slot;
    in.sexText = "男";
    in.summerTimeCorrection = correct;
    in.astronomicalCalendar = astronomical;
    in.today = {2026, 12, 8};
    return in;
}

struct Outcome {
    Pillar year, month, day, hour;
    bool inSummer = false, corrected = false;
    std::string note;
};

class SummerTimeAppraisal : public ::testing::Test {
  protected:
    // The application folder holds the perpetual-calendar files; a run reads them and writes
    // nothing.
    AppraisalRunner runner{AppPaths(SUIMEI_APP_DIR)};
    RecordingNotifier notes;

    Outcome run(const AppraisalInput& in) {
        EXPECT_EQ(runner.run(in, notes), AppraisalStatus::Completed) << in.dateText;
        const Tmandata& c = runner.chart();
        const AppraisalDisplay& d = runner.display();
        return {c.yearPillar.pillar(), c.monthPillar.pillar(), c.dayPillar.pillar(),
                c.hourPillar.pillar(), d.bornInSummerTime,     d.summerTimeCorrected,
                d.summerTimeText};
    }
};

void expectSamePillars(const Outcome& a, const Outcome& b) {
    EXPECT_EQ(a.year, b.year);
    EXPECT_EQ(a.month, b.month);
    EXPECT_EQ(a.day, b.day);
    EXPECT_EQ(a.hour, b.hour);
}

// 00:00-01:00 of 1950-07-15 read in summer time is 23:00-24:00 standard time of the 14th: its
// middle, 23:30 of the 14th, is the middle of the 23:00-00:00 period of the 14th.
TEST_F(SummerTimeAppraisal, CorrectedBirthIsTheStandardTimeOneHourEarlier) {
    const Outcome off = run(birth("1950/07/15", "00:00-01:00", false));
    EXPECT_TRUE(off.inSummer);
    EXPECT_FALSE(off.corrected);
    EXPECT_EQ(off.note, "サマータイム期間の生まれです");

    const Outcome on = run(birth("1950/07/15", "00:00-01:00", true));
    EXPECT_TRUE(on.inSummer);
    EXPECT_TRUE(on.corrected);
    EXPECT_EQ(on.note.rfind("サマータイム期間の生まれです", 0), 0u);

    const Outcome eveBefore = run(birth("1950/07/14", "23:00-00:00", false));
    expectSamePillars(on, eveBefore);
    EXPECT_NE(on.day, off.day);  // the day went back with the clock

    // The perpetual-calendar files are read at the corrected date and period too.
    const Outcome filesOn = run(birth("1950/07/15", "00:00-01:00", true, false));
    const Outcome filesEve = run(birth("1950/07/14", "23:00-00:00", false, false));
    expectSamePillars(filesOn, filesEve);
}

TEST_F(SummerTimeAppraisal, OutsideThePeriodsTheOptionChangesNothing) {
    // The skipped hour at the start, the first standard hour after the end, another year, and an
    // unknown time in midsummer.
    const std::pair<const char*, const char*> births[] = {{"1948/05/02", "00:00-01:00"},
                                                          {"1948/09/12", "01:00-03:00"},
                                                          {"1952/07/15", "00:00-01:00"},
                                                          {"1950/07/15", "不明の場合"}};
    for (const auto& [date, slot] : births) {
        SCOPED_TRACE(std::string(date) + " " + slot);
        const Outcome off = run(birth(date, slot, false));
        const Outcome on = run(birth(date, slot, true));
        expectSamePillars(off, on);
        EXPECT_FALSE(on.inSummer);
        EXPECT_FALSE(on.corrected);
        EXPECT_EQ(on.note, "");
    }
}

// The hour shown twice at the end is read in summer time: 00:00-01:00 of 1951-09-09 is corrected
// to the Saturday night.
TEST_F(SummerTimeAppraisal, RepeatedHourAtTheEndIsCorrected) {
    const Outcome on = run(birth("1951/09/09", "00:00-01:00", true));
    EXPECT_TRUE(on.corrected);
    expectSamePillars(on, run(birth("1951/09/08", "23:00-00:00", false)));
}

TEST(SummerTimeSetting, OffByDefaultAndRemembered) {
    testing::TempDir dir;
    const SettingsStore store(dir.path() / "vorrin80.ini");
    EXPECT_FALSE(store.load().summerTimeCorrection);
    Settings s;
    s.hiddenStemSchool = 3;
    ASSERT_TRUE(store.saveEnvironment(s));
    ASSERT_TRUE(store.saveSummerTimeCorrection(true));
    const Settings back = store.load();
    EXPECT_TRUE(back.summerTimeCorrection);
    EXPECT_EQ(back.hiddenStemSchool, 3);  // the other keys stay
    EXPECT_TRUE(makeAppraisalInput(back, false, {2026, 1, 1}, "", "", "", "").summerTimeCorrection);
    ASSERT_TRUE(store.saveSummerTimeCorrection(false));
    EXPECT_FALSE(store.load().summerTimeCorrection);
}

}  // namespace
}  // namespace suimei
