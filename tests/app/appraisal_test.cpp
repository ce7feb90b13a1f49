#include "app/appraisal.h"

#include <gtest/gtest.h>

#include "app/infer_hour_pillar.h"
#include "calendar/old_calendar.h"
#include "calendar/pillars.h"
#include "chart/mandata.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

AppraisalInput input(const std::string& date, const std::string& slot, const std::string& sex) {
    AppraisalInput in;
    in.name = "山田 太郎";
    in.dateText = date;
    in.timeSlotText = slot;
    in.sexText = sex;
    in.today = {2026, 12, 8};
    return in;
}

class AppraisalTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    AppraisalRunner runner{AppPaths(dir.path())};
    RecordingNotifier notes;
};

// 1984-02-10 08:00 (the middle of 07:00-09:00), male, 渕海子平, 陽生陰死式, worked by hand:
// 立春 1984 fell on 02-05 00:19 JST, so the year is 甲子 and the month 丙寅; the day number
// (JDN 2445741 + 49) mod 60 = 10 gives 甲戌; the 辰 hour of a 甲 day is 戊辰. The depth into the
// month is 5 days 7 hours 42 minutes, cut to 5.3, before the first span of every branch.
TEST_F(AppraisalTest, WholeChartWorkedByHand) {
    ASSERT_EQ(runner.run(input("1984/02/10", "07:00-09:00", "男"), notes),
              AppraisalStatus::Completed);
    const Tmandata& c = runner.chart();
    EXPECT_EQ(c.yearPillar.pillar(), (Pillar{1, 1}));
    EXPECT_EQ(c.monthPillar.pillar(), (Pillar{3, 3}));
    EXPECT_EQ(c.dayPillar.pillar(), (Pillar{1, 11}));
    EXPECT_EQ(c.hourPillar.pillar(), (Pillar{5, 5}));
    EXPECT_DOUBLE_EQ(static_cast<double>(c.termDepth), 5.3);
    // Active hidden stems: slot 1 everywhere (5.3 is below 7, 9 and 10).
    EXPECT_EQ(c.yearPillar.activeHidden, 9);   // 子: 壬
    EXPECT_EQ(c.monthPillar.activeHidden, 5);  // 寅: 戊
    EXPECT_EQ(c.dayPillar.activeHidden, 8);    // 戌: 辛
    EXPECT_EQ(c.hourPillar.activeHidden, 2);   // 辰: 乙
    EXPECT_EQ(c.monthPillar.hiddenCount, 3);
    EXPECT_EQ(c.yearPillar.hiddenCount, 2);
    // Ten gods seen from 甲.
    EXPECT_EQ(c.yearPillar.stemTenGod, 1);   // 甲 比肩
    EXPECT_EQ(c.monthPillar.stemTenGod, 2);  // 丙 食神
    EXPECT_EQ(c.hourPillar.stemTenGod, 3);   // 戊 偏財
    EXPECT_EQ(c.monthPillar.activeHiddenTenGod, 3);
    EXPECT_EQ(c.dayPillar.activeHiddenTenGod, 9);   // 辛 正官
    EXPECT_EQ(c.hourPillar.activeHiddenTenGod, 6);  // 乙 劫財
    // 甲's stages run forward from 亥.
    EXPECT_EQ(c.yearPillar.dayMasterStage, 2);   // 子 沐浴
    EXPECT_EQ(c.monthPillar.dayMasterStage, 4);  // 寅 建禄
    EXPECT_EQ(c.dayPillar.dayMasterStage, 12);   // 戌 養
    EXPECT_EQ(c.hourPillar.dayMasterStage, 6);   // 辰 衰
    EXPECT_EQ(c.voidFirst, 9);                   // 申
    EXPECT_EQ(c.voidSecond, 10);                 // 酉
    EXPECT_EQ(c.lifePalace, 12);                 // (8 - 5 - 3) mod 12 = 0 -> 亥
    EXPECT_EQ(c.luckDirection, 1);               // yang year, male
    // Next entry 啓蟄 03-05 18h: 29 - (10 + 8/24) + (5 + 18/24) = 24.42 days -> 8 years 1 month.
    EXPECT_EQ(c.luckStartAge, 9);
    EXPECT_EQ(c.luckAges[1], 0);
    EXPECT_EQ(c.luckAges[2], 8);
    EXPECT_EQ(c.luckAges[3], 18);
    EXPECT_EQ(c.luckStems[2], 4);     // 丁
    EXPECT_EQ(c.luckBranches[2], 4);  // 卯
    EXPECT_EQ(c.age, 42);

    const AppraisalDisplay& d = runner.display();
    EXPECT_EQ(d.normalizedDate, "1984/02/10");
    EXPECT_EQ(d.namePanel, "山田 太郎   1984/02/10   満 42才");
    EXPECT_EQ(d.ageLabel, "現在満42才");
    EXPECT_EQ(d.columns[kHourColumn].stemText, "戊:偏財");
    EXPECT_EQ(d.columns[kYearColumn].stemText, "甲:比肩");
    EXPECT_EQ(d.columns[kMonthColumn].hiddenText[2], "甲");
    EXPECT_EQ(d.columns[kDayColumn].stageText, "養");
    EXPECT_EQ(d.columns[kDayColumn].stageHint.rfind("養（肉体が養われる）：", 0), 0u);
    EXPECT_EQ(d.columns[kYearColumn].stemMeaning, "木の兄（木材になる木）");
    EXPECT_EQ(d.voidText, "空亡:申:酉");
    EXPECT_EQ(d.lifePalaceText, "命宮：亥");
    EXPECT_EQ(d.entryDaysText, "節入り日からの日数：5.3日");
    EXPECT_EQ(d.luckStartText, "立運までの年月：8年間と1ヶ月");
    EXPECT_EQ(d.luckStartAgeText, "立運の年齢：数え9才3月");
    EXPECT_EQ(d.luckDirectionText, "順行");
    EXPECT_EQ(d.hiddenSchoolLabel, "蔵干表：渕海子平");
    EXPECT_EQ(d.stageSchoolLabel, "十二運星：陽生陰死式");
    EXPECT_EQ(d.summary.dayMaster, "甲");
    EXPECT_EQ(d.summary.monthBranch, "寅");
    EXPECT_EQ(d.summary.yearStemTenGod, "比肩");
    EXPECT_EQ(d.summary.monthStemTenGod, "食神");
    EXPECT_EQ(d.summary.hourStemTenGod, "偏財");
    EXPECT_EQ(d.summary.etc1, "偏財");
    // 辰戌 (hour-day) clash; 寅 and 戌 share the 寅午戌 group but 午 is missing, so no group line.
    EXPECT_TRUE(d.relationChecks[4]);
    ASSERT_EQ(d.lines.size(), 1u);
    EXPECT_EQ(d.lines[0].kind, "冲");
    EXPECT_EQ(d.lines[0].fromColumn, kHourColumn);
    EXPECT_TRUE(notes.empty());
    for (int g : {d.gaugeTotal, d.gaugeMonthCommand, d.gaugeElements, d.gaugeStages}) {
        EXPECT_GE(g, 0);
        EXPECT_LE(g, 100);
    }
}

TEST_F(AppraisalTest, UnknownTimeInfersTheSameHourInBothPasses) {
    ASSERT_EQ(runner.run(input("1984/02/10", "不明の場合", "女"), notes),
              AppraisalStatus::Completed);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].caption, "時刻指定なし");
    const Tmandata& c = runner.chart();
    // 寅 month, 甲 day: stem 己 (6), branch 亥 (12); the inferred hour 2*12-2 = 22 o'clock
    // does not move the day, so both passes agree.
    EXPECT_EQ(c.hourPillar.pillar(), InferHourPillar(3, 1));
    EXPECT_EQ(c.hourPillar.pillar(), (Pillar{6, 12}));
    EXPECT_EQ(c.birthTimeIndex, 13);
    EXPECT_EQ(runner.display().columns[kHourColumn].stemText, "己:正財");
    EXPECT_EQ(c.luckDirection, -1) << "yang year, female";
}

TEST_F(AppraisalTest, EmptyTimeCountsAsUnknown) {
    ASSERT_EQ(runner.run(input("1984/02/10", "", "男"), notes), AppraisalStatus::Completed);
    EXPECT_EQ(runner.chart().hourPillar.pillar(), (Pillar{6, 12}));
}

TEST_F(AppraisalTest, RunsThatStopKeepThePreviousChart) {
    ASSERT_EQ(runner.run(input("1984/02/10", "07:00-09:00", "男"), notes),
              AppraisalStatus::Completed);
    const std::string before = runner.display().namePanel;

    EXPECT_EQ(runner.run(input("1990/05/05", "07:00-09:00", ""), notes), AppraisalStatus::NoSex);
    EXPECT_EQ(notes.notices.back().text, "性別が設定されていません。");
    EXPECT_EQ(notes.notices.back().caption, "性別指定なし");

    EXPECT_EQ(runner.run(input("1990/13/05", "07:00-09:00", "男"), notes),
              AppraisalStatus::InvalidDate);
    EXPECT_EQ(notes.notices.back().caption, "月のデータ異常");
    EXPECT_EQ(runner.run(input("1990/xx/05", "07:00-09:00", "男"), notes),
              AppraisalStatus::InvalidDate);
    // A day past the end of its month passes the validation but is no birth date.
    EXPECT_EQ(runner.run(input("2023/02/29", "07:00-09:00", "男"), notes),
              AppraisalStatus::InvalidDate);
    EXPECT_EQ(notes.notices.back().caption, "日のデータ異常");
    EXPECT_NE(notes.lastText().find("2023/02/29"), std::string::npos);

    AppraisalInput south = input("1990/05/05", "07:00-09:00", "男");
    south.southernInFile = true;
    notes.answer = false;
    EXPECT_EQ(runner.run(south, notes), AppraisalStatus::SouthernRefused);
    EXPECT_EQ(notes.notices.back().text, "「環境と流派の設定」を再設定して下さい。");

    EXPECT_EQ(runner.display().namePanel, before);
    EXPECT_EQ(runner.chart().dayPillar.pillar(), (Pillar{1, 11}));
    EXPECT_TRUE(runner.hasRun());
}

TEST_F(AppraisalTest, SouthernModeTurnsDayMonthAndYearBranches) {
    AppraisalInput in = input("1984/02/10", "07:00-09:00", "男");
    in.southernInFile = true;
    ASSERT_EQ(runner.run(in, notes), AppraisalStatus::Completed);
    EXPECT_EQ(notes.notices.front().text,
              "「環境と流派の設定」で南半球モードとなっています。よろしいですね。");
    const Tmandata& c = runner.chart();
    EXPECT_EQ(c.yearPillar.pillar(), (Pillar{1, 7}));   // 甲子 -> 甲午
    EXPECT_EQ(c.monthPillar.pillar(), (Pillar{3, 9}));  // 丙寅 -> 丙申
    EXPECT_EQ(c.dayPillar.pillar(), (Pillar{1, 5}));    // 甲戌 -> 甲辰
    EXPECT_EQ(c.hourPillar.pillar(), (Pillar{5, 5}));   // the hour stays 戊辰
}

TEST_F(AppraisalTest, CalendarFilesOnlyForYearsAfter1921) {
    // No calendar files in this application folder: 1921 still runs (astronomy), 1922 cannot.
    AppraisalInput in = input("1921/06/01", "07:00-09:00", "男");
    in.astronomicalCalendar = false;
    EXPECT_EQ(runner.run(in, notes), AppraisalStatus::Completed);
    in.dateText = "1922/06/01";
    EXPECT_EQ(runner.run(in, notes), AppraisalStatus::CalendarFileFault);
    EXPECT_NE(notes.lastText().find("1921.eto"), std::string::npos);
    EXPECT_NE(notes.lastText().find("not found ?"), std::string::npos);
    EXPECT_EQ(runner.chart().birthYear, 1921);
}

TEST_F(AppraisalTest, AgeLabelIsEmptyFromAHundred) {
    ASSERT_EQ(runner.run(input("2024/02/29", "07:00-09:00", "女"), notes),
              AppraisalStatus::Completed)
        << "a real leap day";
    ASSERT_EQ(runner.run(input("1926/12/08", "07:00-09:00", "女"), notes),
              AppraisalStatus::Completed);
    EXPECT_EQ(runner.chart().age, 100);
    EXPECT_EQ(runner.display().ageLabel, "");
    EXPECT_EQ(runner.display().namePanel, "山田 太郎   1926/12/08   満 100才");
}

TEST_F(AppraisalTest, CommonDateFormsRunAsTheSlashedDate) {
    for (const char* typed :
         {"1984-02-10", "19840210", "1984.2.10", "1984年2月10日", "１９８４／２／１０"}) {
        ASSERT_EQ(runner.run(input(typed, "07:00-09:00", "男"), notes), AppraisalStatus::Completed)
            << typed;
        EXPECT_EQ(runner.display().normalizedDate, "1984/02/10") << typed;
        EXPECT_EQ(runner.chart().dayPillar.pillar(), (Pillar{1, 11})) << typed;  // 甲戌
    }
}

TEST_F(AppraisalTest, YearsPastTheCalendarAreRefusedWithoutAChart) {
    EXPECT_EQ(runner.run(input("99999/01/01", "07:00-09:00", "男"), notes),
              AppraisalStatus::InvalidDate);
    EXPECT_EQ(notes.lastText(), "西暦２１００年より大きい年には対応していません");
    EXPECT_FALSE(runner.hasRun());
}

TEST_F(AppraisalTest, ExpectedBirthIsAppraisedWithoutANegativeAge) {
    // Today is 2026-12-08 in these runs.
    ASSERT_EQ(runner.run(input("2027/03/01", "07:00-09:00", "女"), notes),
              AppraisalStatus::Completed);
    EXPECT_EQ(runner.chart().age, 0);
    EXPECT_EQ(runner.display().namePanel, "山田 太郎   2027/03/01   満 0才（出生前）");
    EXPECT_EQ(runner.display().ageLabel, "現在満0才（出生前）");
    ASSERT_EQ(runner.run(input("2026/12/08", "07:00-09:00", "女"), notes),
              AppraisalStatus::Completed);
    EXPECT_EQ(runner.display().ageLabel, "現在満0才") << "born today is no expected birth";
}

TEST_F(AppraisalTest, SchoolsReachTheChartAndTheLabels) {
    // 乙 day pillars make the stage school visible; 1985-02-05 is 乙亥 (JDN 2446102, and
    // (2446102 + 49) mod 60 = 11, the 12th pair).
    AppraisalInput in = input("1985/02/05", "11:00-13:00", "男");
    for (int school = 0; school < 3; ++school) {
        in.stageSchool = school;
        ASSERT_EQ(runner.run(in, notes), AppraisalStatus::Completed);
        EXPECT_EQ(runner.chart().dayPillar.pillar(), (Pillar{2, 12}));
        // 乙 on 亥: school 0 runs backward from 午 (午 長生 ... 亥 死); schools 1 and 2 read 乙 as
        // 甲 (亥 長生).
        EXPECT_EQ(runner.chart().dayPillar.dayMasterStage, school == 0 ? 8 : 1) << school;
    }
    EXPECT_EQ(runner.display().stageSchoolLabel, "十二運星：陰陽火土同一式");
    for (int school = 0; school < 6; ++school) {
        in.hiddenStemSchool = school;
        ASSERT_EQ(runner.run(in, notes), AppraisalStatus::Completed);
        EXPECT_NE(runner.display().hiddenSchoolLabel.find("蔵干表："), std::string::npos);
        EXPECT_NE(runner.chart().dayPillar.activeHidden, 0) << school;
    }
    // 亥 under 明朝透派 holds only 壬.
    EXPECT_EQ(runner.chart().dayPillar.activeHidden, 9);
    EXPECT_EQ(runner.display().hiddenSchoolLabel, "蔵干表：明朝透派");
}

}  // namespace
}  // namespace suimei
