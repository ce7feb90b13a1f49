#include "chart/mandata.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace suimei {
namespace {

const std::string kFormatText = "生年月日を 1959/5/7 の形式で入力して下さい";
const DateYmd kToday{2024, 5, 7};

struct ValidationCase {
    const char* label;
    const char* text;
    const char* caption;  // nullptr: refused without a message
    const char* message = kFormatText.c_str();
};

class BirthInputRefused : public testing::TestWithParam<ValidationCase> {};

TEST_P(BirthInputRefused, ShowsThePartsMessageAndKeepsTheChart) {
    const ValidationCase& c = GetParam();
    Tmandata man;
    man.sex = 'M';
    RecordingNotifier ok;
    ASSERT_TRUE(man.validateBirthInput("1980/10/20", kEraWestern, kToday, ok));
    RecordingNotifier notes;
    EXPECT_FALSE(man.validateBirthInput(c.text, kEraWestern, kToday, notes));
    if (c.caption == nullptr) {
        EXPECT_TRUE(notes.empty());
    } else {
        ASSERT_EQ(notes.notices.size(), 1u);
        EXPECT_EQ(notes.notices[0].text, c.message);
        EXPECT_EQ(notes.notices[0].caption, c.caption);
    }
    // A refused date leaves the previous person's data in place.
    EXPECT_EQ(man.birthYear, 1980);
    EXPECT_EQ(man.birthMonth, 10);
    EXPECT_EQ(man.birthDay, 20);
    EXPECT_EQ(man.birthDateText, "1980/10/20");
}

INSTANTIATE_TEST_SUITE_P(
    Validation, BirthInputRefused,
    testing::Values(ValidationCase{"dashes instead of slashes", "1959-5-7", "入力不足"},
                    ValidationCase{"no date at all", "abcdefg", "入力不足"},
                    ValidationCase{"empty", "", "入力不足"},
                    ValidationCase{"no day part", "1959/5", "入力不足"},
                    ValidationCase{"year not a number", "abc/5/7", "入力不足"},
                    ValidationCase{"empty year", "/5/7", "入力不足"},
                    ValidationCase{"year too long for a number", "99999999999/1/1", "入力不足"},
                    ValidationCase{"month 13", "1959/13/1", "月のデータ異常"},
                    ValidationCase{"month 0", "1959/0/1", "月のデータ異常"},
                    ValidationCase{"month not a number", "1959/x/7", "月のデータ異常"},
                    ValidationCase{"empty month", "1959//7", "月のデータ異常"},
                    ValidationCase{"day 32", "1959/2/32", "日のデータ異常"},
                    ValidationCase{"day 0", "1959/2/0", "日のデータ異常"},
                    ValidationCase{"day not a number", "1959/5/x", "日のデータ異常"},
                    ValidationCase{"empty day", "1959/5/", "日のデータ異常"},
                    ValidationCase{"a third slash", "1959/5/7/1", "日のデータ異常"},
                    ValidationCase{"year 1311", "1311/12/31", "万年暦制限",
                                   "西暦１３１２年より小さい年には対応していません"},
                    ValidationCase{"year 2101", "2101/1/1", "万年暦制限",
                                   "西暦２１００年より大きい年には対応していません"},
                    ValidationCase{"year 99999", "99999/1/1", "万年暦制限",
                                   "西暦２１００年より大きい年には対応していません"}),
    [](const testing::TestParamInfo<ValidationCase>& info) {
        std::string name = info.param.label;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    });

TEST(BirthInput, SexIsCheckedFirst) {
    Tmandata man;
    RecordingNotifier notes;
    EXPECT_FALSE(man.validateBirthInput("1959/5/7", kEraWestern, kToday, notes));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "性別が指定されていません");
    EXPECT_EQ(notes.notices[0].caption, "入力不足");
}

TEST(BirthInput, AcceptedDatesAndEras) {
    Tmandata man;
    man.sex = 'F';
    RecordingNotifier notes;
    EXPECT_TRUE(man.validateBirthInput("1959/5/7", kEraWestern, kToday, notes));
    EXPECT_EQ(man.birthYear, 1959);
    EXPECT_EQ(man.birthMonth, 5);
    EXPECT_EQ(man.birthDay, 7);
    EXPECT_EQ(man.birthDateText, "1959/5/7");
    EXPECT_EQ(man.normalisedBirthDate(), "1959/05/07");
    EXPECT_TRUE(man.validateBirthInput("34/5/7", kEraShowa, kToday, notes));  // 昭和34
    EXPECT_EQ(man.birthYear, 1959);
    EXPECT_EQ(man.birthDateText, "1959/5/7");
    EXPECT_TRUE(man.validateBirthInput("48/5/7", kEraTaisho, kToday, notes));  // 大正48 = 1959
    EXPECT_EQ(man.birthYear, 1959);
    EXPECT_TRUE(man.validateBirthInput("1312/1/1", kEraWestern, kToday, notes));
    EXPECT_TRUE(man.validateBirthInput("2100/12/31", kEraWestern, kToday, notes));
    // 31 February is left for the calendar engine to judge.
    EXPECT_TRUE(man.validateBirthInput("1990/2/31", kEraWestern, kToday, notes));
    EXPECT_TRUE(notes.empty());
}

TEST(BirthInput, AgeInFullYearsAtToday) {
    Tmandata man;
    man.sex = 'M';
    RecordingNotifier notes;
    ASSERT_TRUE(man.validateBirthInput("1959/5/7", kEraWestern, {2024, 5, 7}, notes));
    EXPECT_EQ(man.age, 65);  // birthday today
    ASSERT_TRUE(man.validateBirthInput("1959/5/7", kEraWestern, {2024, 5, 6}, notes));
    EXPECT_EQ(man.age, 64);  // birthday tomorrow
    ASSERT_TRUE(man.validateBirthInput("1959/5/7", kEraWestern, {2024, 4, 30}, notes));
    EXPECT_EQ(man.age, 64);
    ASSERT_TRUE(man.validateBirthInput("2024/5/7", kEraWestern, {2024, 5, 7}, notes));
    EXPECT_EQ(man.age, 0);  // born today
    EXPECT_FALSE(man.bornAfterToday);
    // An expected birth has no age yet, never a negative one.
    ASSERT_TRUE(man.validateBirthInput("2024/5/8", kEraWestern, {2024, 5, 7}, notes));
    EXPECT_EQ(man.age, 0);
    EXPECT_TRUE(man.bornAfterToday);
    ASSERT_TRUE(man.validateBirthInput("2030/1/1", kEraWestern, {2024, 5, 7}, notes));
    EXPECT_EQ(man.age, 0);
    EXPECT_TRUE(man.bornAfterToday);
}

// A chart whose pillars are set by hand: year 甲子, month 丙寅, day 甲子, hour 甲子.
Tmandata chartWith(Pillar year, Pillar month, Pillar day, Pillar hour, long double depth = 15) {
    Tmandata man;
    man.sex = 'M';
    man.birthYear = 1984;
    man.birthMonth = 2;
    man.birthDay = 20;
    man.setPillars(year, month, day, hour, depth);
    return man;
}

TEST(ChartRecord, HiddenStemsTenGodsAndStagesOfEveryPillar) {
    // Day 甲 on 子, month 丙寅 at depth 7.0 under 渕海子平 (寅 戊7 丙7 甲17): the month takes 丙
    // (d1 ≤ depth), the other branches 子 (壬10 癸21) take 壬 at 7.0.
    Tmandata man = chartWith({1, 1}, {3, 3}, {1, 1}, {0, 0}, 7.0L);
    Schools schools;
    schools.hiddenStemSchool = 1;
    man.computeHiddenStems(schools);
    man.computeTenGods();
    man.computeStages(schools);
    EXPECT_EQ(man.monthPillar.hiddenStems, (std::array<int, 4>{0, 5, 3, 1}));
    EXPECT_EQ(man.monthPillar.hiddenCount, 3);
    EXPECT_EQ(man.monthPillar.activeHiddenSlot, 2);
    EXPECT_EQ(man.monthPillar.activeHidden, 3);
    EXPECT_EQ(man.monthPillar.activeHiddenTenGod, 2);                            // 丙: 食神
    EXPECT_EQ(man.monthPillar.hiddenTenGods, (std::array<int, 4>{0, 3, 2, 1}));  // 偏財 食神 比肩
    EXPECT_EQ(man.monthPillar.stemTenGod, 2);
    EXPECT_EQ(man.monthPillar.ownStage, 1);        // 丙 長生 at 寅
    EXPECT_EQ(man.monthPillar.dayMasterStage, 4);  // 甲 建禄 at 寅
    EXPECT_EQ(man.dayPillar.activeHidden, 9);      // 壬
    EXPECT_EQ(man.dayPillar.hiddenTenGods, (std::array<int, 4>{0, 5, 10, 0}));
    EXPECT_EQ(man.dayPillar.stemTenGod, 0);  // the day stem is the day master itself
    EXPECT_EQ(man.dayPillar.ownStage, 0);
    EXPECT_EQ(man.dayPillar.dayMasterStage, 2);  // 甲 沐浴 at 子
    EXPECT_EQ(man.yearPillar.stemTenGod, 1);
    // No hour: nothing derived for it.
    EXPECT_EQ(man.hourPillar.hiddenCount, 0);
    EXPECT_EQ(man.hourPillar.activeHidden, 0);
    EXPECT_EQ(man.hourPillar.activeHiddenTenGod, 0);
    EXPECT_EQ(man.hourPillar.stemTenGod, 0);
    EXPECT_EQ(man.hourPillar.dayMasterStage, 0);
}

TEST(ChartRecord, OwnDepthRuleReadsTheBirthClockAndDate) {
    // 日本教科書 with own depth: hour 寅 at 3:28 takes 丙; the month keeps the month depth.
    Tmandata man = chartWith({1, 3}, {3, 3}, {1, 3}, {3, 3}, 1.0L);
    man.birthHour = 3;
    man.birthMinute = 28;
    man.birthMonth = 4;
    man.birthDay = 26;
    Schools schools;
    schools.hiddenStemSchool = 3;
    schools.ownDepthPerBranch = true;
    man.computeHiddenStems(schools);
    EXPECT_EQ(man.hourPillar.activeHidden, 3);   // 丙 (3:27.1 .. 3:54.2)
    EXPECT_EQ(man.monthPillar.activeHidden, 5);  // 戊 at depth 1.0
    EXPECT_EQ(man.yearPillar.activeHidden, 3);   // 4/26 lies past 4.8397
    EXPECT_EQ(man.dayPillar.activeHidden, 5);    // 3:28 lies before 4:25 → 戊
}

TEST(ChartRecord, NumbersVoidPalaceAndOpposite) {
    Tmandata man = chartWith({10, 12}, {1, 11}, {1, 1}, {3, 1});
    man.computeKanshiNumbers();
    EXPECT_EQ(man.yearKanshi, 60);   // 癸亥
    EXPECT_EQ(man.monthKanshi, 11);  // 甲戌
    EXPECT_EQ(man.dayKanshi, 1);     // 甲子
    man.computeVoid();
    EXPECT_EQ(man.voidFirst, 11);   // 戌
    EXPECT_EQ(man.voidSecond, 12);  // 亥
    man.computeLifePalace();
    EXPECT_EQ(man.lifePalace, 8);  // 8 − 1 − 11 = −4 ≡ 8: 未
    man.computeDayOpposite();
    EXPECT_EQ(man.dayOpposite, 7);  // 子 ↔ 午
    man.setPillars({1, 2}, {0, 0}, {0, 0}, {0, 0}, 0);
    man.computeKanshiNumbers();
    EXPECT_EQ(man.yearKanshi, 0);  // unlike polarity: no number
    man.computeDayOpposite();
    EXPECT_EQ(man.dayOpposite, 0);
    man.computeLifePalace();
    EXPECT_EQ(man.lifePalace, 0);
}

TEST(LuckPeriods, DirectionBySexAndYearPolarity) {
    struct Case {
        Branch yearBranch;
        char sex;
        int direction;
    };
    for (const Case c : {Case{1, 'M', 1}, Case{1, 'F', -1}, Case{2, 'M', -1}, Case{2, 'F', 1}}) {
        Tmandata man = chartWith({1, c.yearBranch}, {1, 1}, {1, 1}, {0, 0});
        man.sex = c.sex;
        man.computeLuckDirection();
        EXPECT_EQ(man.luckDirection, c.direction) << int(c.yearBranch) << c.sex;
    }
    Tmandata man = chartWith({0, 0}, {1, 1}, {1, 1}, {0, 0});
    man.luckDirection = -1;
    man.computeLuckDirection();
    EXPECT_EQ(man.luckDirection, -1) << "no year branch leaves the direction as it was";
}

TEST(LuckPeriods, PillarsStepFromTheMonthPillarBothWays) {
    // Yang year, female: backward from month 甲子; day master 甲.
    Tmandata man = chartWith({1, 1}, {1, 1}, {1, 1}, {0, 0});
    man.sex = 'F';
    man.computeLuckDirection();
    man.computeLuckPillars(Schools{});
    EXPECT_EQ(man.luckStems[1], 1);
    EXPECT_EQ(man.luckBranches[1], 1);
    EXPECT_EQ(man.luckStems[2], 10);     // 癸
    EXPECT_EQ(man.luckBranches[2], 12);  // 亥
    EXPECT_EQ(man.luckTenGods[2], 10);   // 癸 from 甲: 印綬
    EXPECT_EQ(man.luckStages[2], 1);     // 甲 長生 at 亥
    EXPECT_EQ(man.luckStems[12], 10);    // 11 steps back from 甲子: 癸丑
    EXPECT_EQ(man.luckBranches[12], 2);
    // Forward from 癸亥 wraps to 甲子.
    man.setPillars({1, 1}, {10, 12}, {1, 1}, {0, 0}, 0);
    man.sex = 'M';
    man.computeLuckDirection();
    man.computeLuckPillars(Schools{});
    EXPECT_EQ(man.luckStems[2], 1);
    EXPECT_EQ(man.luckBranches[2], 1);
    EXPECT_EQ(man.luckStems[12], 1);  // 癸亥 + 11 = 甲戌
    EXPECT_EQ(man.luckBranches[12], 11);
}

TEST(LuckPeriods, AgesFromTheCountedStartAge) {
    Tmandata man;
    man.luckStartAge = 4;
    man.computeLuckAges();
    EXPECT_EQ(man.luckAges[1], 0);
    EXPECT_EQ(man.luckAges[2], 3);
    EXPECT_EQ(man.luckAges[3], 13);
    EXPECT_EQ(man.luckAges[12], 103);
    man.luckStartAge = 1;
    man.computeLuckAges();
    EXPECT_EQ(man.luckAges[2], 0);
    EXPECT_EQ(man.luckAges[4], 20);
}

TEST(AnnualPillars, YearsFromTheBirthYear) {
    Tmandata man = chartWith({1, 1}, {3, 3}, {1, 1}, {0, 0});  // born 1984, day master 甲
    Schools schools;
    schools.stageSchool = 1;
    man.computeAnnualPillars(schools);
    EXPECT_EQ(man.annualStems[0], 1);  // 1984 甲子
    EXPECT_EQ(man.annualBranches[0], 1);
    EXPECT_EQ(man.annualTenGods[0], 1);
    EXPECT_EQ(man.annualStages[0], 2);  // 甲 沐浴 at 子
    EXPECT_EQ(man.annualStems[36], 7);  // 2020 庚子
    EXPECT_EQ(man.annualBranches[36], 1);
    EXPECT_EQ(man.annualTenGods[36], 4);  // 庚 from 甲: 偏官
    EXPECT_EQ(man.annualStems[119], 10);  // 2103 = 1983 + 120: 癸亥
    EXPECT_EQ(man.annualBranches[119], 12);
    man.birthYear = 1312;
    man.computeAnnualPillars(schools);
    EXPECT_EQ(man.annualStems[0], 9);  // 1312 is 壬 (壬子)
    EXPECT_EQ(man.annualBranches[0], 1);
}

TEST(PriorDate, TwoHundredSixtyFiveDaysBack) {
    struct Case {
        DateYmd birth;
        DateYmd prior;
        int dayStem, dayBranch, yearStem, yearBranch, monthStem, monthBranch;
    };
    const Case cases[] = {
        // Across the year boundary: 1989-06-23, day 甲寅 (51), year 己巳, month 庚午.
        {{1990, 3, 15}, {1989, 6, 23}, 1, 3, 6, 6, 7, 7},
        // Onto a leap day: 2000-02-29, day 丁巳 (54), year 庚辰, month 戊寅.
        {{2000, 11, 20}, {2000, 2, 29}, 4, 6, 7, 5, 5, 3},
        // New Year's Day, before 立春 and before the January entry: day 丙寅 (3), year 己巳,
        // month 丙子.
        {{1990, 9, 23}, {1990, 1, 1}, 3, 3, 6, 6, 3, 1},
    };
    for (const Case& c : cases) {
        for (const Branch hourBranch : {Branch{0}, Branch{1}, Branch{12}}) {
            Tmandata man = chartWith({1, 1}, {1, 1}, {1, 1}, {1, hourBranch});
            man.birthYear = c.birth.year;
            man.birthMonth = static_cast<std::uint8_t>(c.birth.month);
            man.birthDay = static_cast<std::uint8_t>(c.birth.day);
            man.computePriorDate();
            SCOPED_TRACE(std::to_string(c.birth.year) + "/" + std::to_string(c.birth.month) + "/" +
                         std::to_string(c.birth.day) + " hour " + std::to_string(hourBranch));
            EXPECT_EQ(man.priorYear, c.prior.year);
            EXPECT_EQ(man.priorMonth, c.prior.month);
            EXPECT_EQ(man.priorDay, c.prior.day);
            EXPECT_EQ(man.monthDayCode, c.prior.month * 100 + c.prior.day);
            EXPECT_EQ(man.priorDayStem, c.dayStem);
            EXPECT_EQ(man.priorDayBranch, c.dayBranch);
            EXPECT_EQ(man.priorYearStem, c.yearStem);
            EXPECT_EQ(man.priorYearBranch, c.yearBranch);
            EXPECT_EQ(man.priorMonthStem, c.monthStem);
            EXPECT_EQ(man.priorMonthBranch, c.monthBranch);
        }
    }
}

TEST(ChartRecord, DeriveAndClear) {
    Tmandata man = chartWith({1, 1}, {3, 3}, {1, 1}, {1, 1}, 20.0L);
    man.luckStartAge = 3;
    man.deriveNatalChart(Schools{});
    EXPECT_EQ(man.luckDirection, 1);
    EXPECT_EQ(man.monthPillar.activeHidden, 1);  // 甲 past 7 + 7 under 渕海子平
    EXPECT_EQ(man.hourPillar.stemTenGod, 1);
    EXPECT_EQ(man.lifePalace, 4);  // 8 − 1 − 3 = 4: 卯
    EXPECT_EQ(man.voidFirst, 11);
    EXPECT_EQ(man.luckAges[2], 2);
    EXPECT_EQ(man.luckStems[2], 4);  // 丁卯
    EXPECT_EQ(man.annualStems[1], 2);
    man.nameText = "山田";
    man.patternName = "正官格";
    man.seasonLabel = "春-木";
    man.strengthTotal = 5;
    man.usefulStem = 3;
    man.computeMonthDayCode();
    EXPECT_EQ(man.monthDayCode, 220);
    man.clearChart();
    EXPECT_TRUE(man.nameText.empty());
    EXPECT_TRUE(man.patternName.empty());
    EXPECT_TRUE(man.seasonLabel.empty());
    EXPECT_EQ(man.strengthTotal, 0);
    EXPECT_EQ(man.usefulStem, 0);
    EXPECT_EQ(man.monthDayCode, 0);
    EXPECT_EQ(man.luckDirection, 0);
    EXPECT_EQ(man.voidFirst, 0);
    EXPECT_EQ(man.monthPillar.hiddenStems, (std::array<int, 4>{}));
    EXPECT_EQ(man.monthPillar.activeHidden, 0);
    EXPECT_EQ(man.monthPillar.dayMasterStage, 0);
    EXPECT_EQ(man.hourPillar.stemTenGod, 0);
    EXPECT_EQ(man.luckTenGods[2], 0);
    EXPECT_EQ(man.dayPillar.stem, 1) << "the pillars themselves stay until the next run";
}

}  // namespace
}  // namespace suimei
