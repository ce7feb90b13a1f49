#include "app/birth_ambiguity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/appraisal.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "chart/mandata.h"
#include "core/notifier.h"

namespace suimei {
namespace {

AppraisalInput client(const std::string& date, const std::string& slot) {
    AppraisalInput in;
    in.dateText = date;
    in.timeSlotText = slot;
    in.sexText = "男";
    in.today = {2026, 12, 8};
    return in;
}

// The same client at an exact JST clock time of the day.
AppraisalInput clientAt(const std::string& date, int minuteOfDay) {
    AppraisalInput in = client(date, "11:00-13:00");
    in.exactHour = minuteOfDay / 60;
    in.exactMinute = minuteOfDay % 60;
    return in;
}

// The described astronomy places an entry within minutes of the observatory's time (its series is
// good to about an arcminute, some 24 minutes of the sun's motion at worst).
constexpr double kEntryToleranceMinutes = 10.0;

// JST minute of the day (fractional) at which the sun reaches `longitude` on a day, by plain
// bisection on the astronomy itself, independent of the search under test.
double entryMinuteOfDay(int year, int month, int day, double longitude) {
    double lo = 0, hi = 1440;
    auto past = [&](double minute) {
        const double jd = julianDay(year, month, day, 0, 0, true) + minute / 1440.0;
        const double d = apparentSunLongitude(Astronomy::Described, jd) - longitude;
        return d - 360.0 * std::floor((d + 180.0) / 360.0) >= 0;
    };
    EXPECT_FALSE(past(lo));
    EXPECT_TRUE(past(hi));
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (past(mid) ? hi : lo) = mid;
    }
    return lo;
}

std::string name(Pillar p) {
    return pillarName(p);
}

const CandidateChart* findCandidate(const std::vector<CandidateChart>& all, const Pillar& month) {
    for (const CandidateChart& c : all) {
        if (!c.asRun && c.pillars[1] == month) return &c;
    }
    return nullptr;
}

bool differsIn(const CandidateChart& c, const std::string& key) {
    return std::find(c.differs.begin(), c.differs.end(), key) != c.differs.end();
}

class BirthAmbiguityTest : public ::testing::Test {
  protected:
    AppraisalRunner runner{AppPaths(SUIMEI_APP_DIR)};
    RecordingNotifier notes;

    BirthAmbiguity run(const AppraisalInput& in) {
        EXPECT_EQ(runner.run(in, notes), AppraisalStatus::Completed) << in.dateText;
        return assessBirthAmbiguity(runner);
    }
};

// 立春 2024 fell at 17:27 JST (National Astronomical Observatory of Japan, 暦要項 2024). Births
// 29 and 31 minutes either side of it: 29 is near, 31 is not; across it the month pillar turns
// from 乙丑 to 丙寅.
TEST_F(BirthAmbiguityTest, TwentyNineMinutesFromAnEntryIsNearAndThirtyOneIsNot) {
    const double entry = entryMinuteOfDay(2024, 2, 4, 315.0);
    EXPECT_NEAR(entry, 17 * 60 + 27.5, kEntryToleranceMinutes)
        << "立春 2024, minutes off the observatory: " << entry - (17 * 60 + 27.5);
    const int before = static_cast<int>(std::floor(entry));
    const int after = static_cast<int>(std::ceil(entry));
    const Pillar oxMonth{2, 2}, tigerMonth{3, 3};  // 乙丑, 丙寅

    struct Case {
        const char* what;
        int birth;
        bool near;
    };
    for (const Case& c :
         {Case{"29 before", before - 29, true}, Case{"31 before", before - 31, false},
          Case{"29 after", after + 29, true}, Case{"31 after", after + 31, false}}) {
        SCOPED_TRACE(c.what);
        const BirthAmbiguity a = run(clientAt("2024/02/04", c.birth));
        const long expected = std::lround(entry - c.birth);
        ASSERT_EQ(a.nearEntryMinutes.has_value(), c.near);
        if (!c.near) continue;
        EXPECT_EQ(*a.nearEntryMinutes, expected);
        EXPECT_EQ(a.entryAfterBirth, expected > 0);
        EXPECT_EQ(a.entryLongitude, 315);
        const std::string line = ambiguityLine(a);
        EXPECT_NE(line.find(expected > 0 ? "立春の節入りまで " + std::to_string(expected) + " 分"
                                         : "立春の節入りから " + std::to_string(-expected) + " 分"),
                  std::string::npos)
            << line;

        const Pillar asRunMonth = runner.chart().monthPillar.pillar();
        EXPECT_EQ(asRunMonth, expected > 0 ? oxMonth : tigerMonth);
        const std::vector<CandidateChart> all = candidateCharts(runner, a);
        ASSERT_FALSE(all.empty());
        EXPECT_TRUE(all.front().asRun);
        EXPECT_TRUE(all.front().differs.empty());
        const CandidateChart* other = findCandidate(all, expected > 0 ? tigerMonth : oxMonth);
        ASSERT_NE(other, nullptr) << "the chart across the entry is a candidate";
        EXPECT_TRUE(differsIn(*other, "pillars.month"));
        EXPECT_EQ(other->offsetMinutes > 0, expected > 0);
        EXPECT_NE(other->assumption.find(expected > 0 ? "後" : "前"), std::string::npos)
            << other->assumption;
        // The candidates leave the chart as run in place.
        EXPECT_EQ(runner.chart().monthPillar.pillar(), asRunMonth);
    }
}

// 立春 2021 fell at 23:59 JST on 3 February (NAOJ). A birth entered as 23:00-00:00 is worked at
// 23:30, less than half an hour before: a candidate across the entry is in the new year 辛丑 with
// the month 庚寅, where the chart as run is 庚子 year, 己丑 month.
TEST_F(BirthAmbiguityTest, AcrossSpringStartTheYearPillarChangesToo) {
    const double entry = entryMinuteOfDay(2021, 2, 3, 315.0);
    EXPECT_NEAR(entry, 23 * 60 + 59.5, kEntryToleranceMinutes)
        << "立春 2021, minutes off the observatory: " << entry - (23 * 60 + 59.5);
    const BirthAmbiguity a = run(client("2021/02/03", "23:00-00:00"));
    ASSERT_TRUE(a.nearEntryMinutes);
    EXPECT_EQ(*a.nearEntryMinutes, std::lround(entry - (23 * 60 + 30)));
    EXPECT_FALSE(a.nearHourBoundaryMinutes) << "local 23:31 is 31 minutes past 23:00";
    EXPECT_EQ(name(runner.chart().yearPillar.pillar()), "庚子");
    EXPECT_EQ(name(runner.chart().monthPillar.pillar()), "己丑");

    const std::vector<CandidateChart> all = candidateCharts(runner, a);
    const auto after = std::find_if(all.begin(), all.end(), [](const CandidateChart& c) {
        return name(c.pillars[0]) == "辛丑" && name(c.pillars[1]) == "庚寅";
    });
    ASSERT_NE(after, all.end());
    EXPECT_TRUE(differsIn(*after, "pillars.year"));
    EXPECT_TRUE(differsIn(*after, "pillars.month"));
    EXPECT_NE(after->assumption.find("立春後"), std::string::npos) << after->assumption;
}

// 2000-01-01 is a 戊午 day, far from any entry (小寒 on the 6th). The 00:00-01:00 period is worked
// at 00:30, 00:31 local time (兵庫県, +1 minute): 29 minutes before 01:00, where 壬子 gives way to
// 癸丑. The 23:00-00:00 period, at 23:31 local time, is 31 minutes past 23:00: not near.
TEST_F(BirthAmbiguityTest, HourBoundaryTwentyNineAndThirtyOneMinutes) {
    BirthAmbiguity a = run(client("2000/01/01", "00:00-01:00"));
    EXPECT_FALSE(a.nearEntryMinutes);
    ASSERT_TRUE(a.nearHourBoundaryMinutes);
    EXPECT_EQ(*a.nearHourBoundaryMinutes, 29);
    EXPECT_EQ(ambiguityLine(a), "境界に近い生まれです：時の境目まで 29 分");
    const std::vector<CandidateChart> all = candidateCharts(runner, a);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(name(all[0].pillars[3]), "壬子");
    EXPECT_EQ(name(all[1].pillars[3]), "癸丑");
    EXPECT_EQ(all[1].assumption, "丑の刻");
    EXPECT_EQ(all[1].offsetMinutes, 29) << "the nearest moment of the 丑 hour";
    EXPECT_TRUE(differsIn(all[1], "pillars.hour"));
    EXPECT_FALSE(differsIn(all[1], "pillars.day"));
    EXPECT_TRUE(differsIn(all[1], "tenGods.hour")) << "時干 壬 and 癸 differ to a 戊 day";

    a = run(client("2000/01/01", "23:00-00:00"));
    EXPECT_FALSE(a.ambiguous());
    EXPECT_EQ(ambiguityLine(a), "");
    EXPECT_TRUE(candidateCharts(runner, a).empty());
}

// An unknown time on a 戊午 day: one candidate per period, the hour pillars from 壬子 at 0 o'clock
// to 癸亥 and the late 子 period of 23 o'clock taking the next day's 甲子.
TEST_F(BirthAmbiguityTest, UnknownTimeListsEveryPeriodOfTheDay) {
    EXPECT_FALSE(assessBirthAmbiguity(runner).ambiguous()) << "nothing before the first run";
    const BirthAmbiguity a = run(client("2000/01/01", "不明の場合"));
    EXPECT_TRUE(a.timeUnknown);
    EXPECT_EQ(a.hourCandidateCount, 13);
    EXPECT_EQ(ambiguityLine(a), "生まれた時刻が不明です：時柱の候補 13 通り");
    const std::vector<CandidateChart> all = candidateCharts(runner, a);
    ASSERT_EQ(all.size(), 14u);
    EXPECT_TRUE(all[0].asRun);
    const char* expected[] = {"壬子", "癸丑", "甲寅", "乙卯", "丙辰", "丁巳", "戊午",
                              "己未", "庚申", "辛酉", "壬戌", "癸亥", "甲子"};
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(name(all[i + 1].pillars[3]), expected[i]) << i;
        EXPECT_EQ(all[i + 1].periodText, kBirthTimeSlots[i]);
        EXPECT_EQ(name(all[i + 1].pillars[2]), "戊午");
    }
    EXPECT_EQ(all[1].assumption, "子の刻（0時台）");
    EXPECT_EQ(all[13].assumption, "子の刻（23時台）");
}

}  // namespace
}  // namespace suimei
