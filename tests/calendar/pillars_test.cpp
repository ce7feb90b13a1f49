// Four pillars and solar facts of a birth. Expected pillars come from the calendar rules worked by
// hand (the 60-day cycle anchored at 2000-01-01 = 戊午, the year cycle anchored at 1984 = 甲子, the
// month and hour stem rules) and from solar-term instants published in the national astronomical
// almanac of Japan (暦要項 2023-2025, JST to the minute).

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calendar/pillars.h"
#include "calendar/solar_terms.h"

namespace suimei {
namespace {

const SolarTermTable kNoTable{};

BirthMoment birthAt(int y, int m, int d, int h, int min, int prefecture = kDefaultPrefecture,
                    const std::string& sex = "男") {
    BirthMoment b;
    b.year = y;
    b.month = m;
    b.day = d;
    b.hour = h;
    b.minute = min;
    b.prefecture = prefecture;
    b.sex = sex;
    return b;
}

SolarFacts factsAt(int y, int m, int d, int h, int min, int prefecture = kDefaultPrefecture,
                   const std::string& sex = "男") {
    return computeSolarFacts(birthAt(y, m, d, h, min, prefecture, sex), kNoTable, 2026);
}

// Stem and branch numbers by name, to keep the expectations readable.
Pillar P(std::string_view name) {
    Pillar p;
    for (int s = 1; s <= 10; ++s) {
        if (name.substr(0, 3) == stemName(s)) p.stem = static_cast<Stem>(s);
    }
    for (int b = 1; b <= 12; ++b) {
        if (name.substr(3) == branchName(b)) p.branch = static_cast<Branch>(b);
    }
    return p;
}

// --- Sexagenary numbers of days, years and months -------------------------------------------

TEST(PillarNumbers, DayCycleRunsUnbrokenFrom1312To2200) {
    EXPECT_EQ(daySexagenary(2000, 1, 1), 55);   // 戊午
    EXPECT_EQ(daySexagenary(2024, 1, 1), 1);    // 甲子
    EXPECT_EQ(daySexagenary(1984, 2, 10), 11);  // 甲戌
    int y = 1312, m = 1, d = 1;
    int n = daySexagenary(y, m, d);
    while (y <= 2200) {
        if (++d > daysInMonth(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
        const int next = daySexagenary(y, m, d);
        ASSERT_EQ(next, n % 60 + 1) << y << "-" << m << "-" << d;
        n = next;
    }
}

TEST(PillarNumbers, YearAndMonthRules) {
    EXPECT_EQ(yearSexagenary(1984), 1);       // 甲子
    EXPECT_EQ(yearSexagenary(2000), 17);      // 庚辰
    EXPECT_EQ(yearSexagenary(2024), 41);      // 甲辰
    EXPECT_EQ(yearSexagenary(1983), 60);      // 癸亥
    EXPECT_EQ(yearSexagenary(1312), 49);      // 壬子, 672 = 11·60 + 12 years before 1984
    EXPECT_EQ(monthSexagenary(1984, 2), 3);   // 丙寅
    EXPECT_EQ(monthSexagenary(2000, 1), 14);  // 丁丑
    // The 寅 month opens with 丙 in 甲己 years, 戊 in 乙庚, 庚 in 丙辛, 壬 in 丁壬, 甲 in 戊癸.
    const int firstStem[] = {3, 5, 7, 9, 1};
    for (int y = 1312; y <= 2200; ++y) {
        const Pillar feb = pillarOfSexagenary(monthSexagenary(y, 2));
        const int yearStem = stemOfSexagenary(yearSexagenary(y));
        ASSERT_EQ(feb.branch, 3) << y;
        ASSERT_EQ(feb.stem, firstStem[(yearStem - 1) % 5]) << y;
        // December of one year and January of the next are neighbours in the cycle.
        ASSERT_EQ(monthSexagenary(y + 1, 1), monthSexagenary(y, 12) % 60 + 1) << y;
    }
    EXPECT_EQ(monthSexagenary(2000, 13), 0);
}

// --- Hour pillar -----------------------------------------------------------------------------

TEST(HourPillar, StemOfTheZiHourFollowsTheDayStem) {
    // 甲己→甲子, 乙庚→丙子, 丙辛→戊子, 丁壬→庚子, 戊癸→壬子
    const char* zi[] = {"甲子", "丙子", "戊子", "庚子", "壬子",
                        "甲子", "丙子", "戊子", "庚子", "壬子"};
    for (int s = 1; s <= 10; ++s) EXPECT_EQ(hourPillarFromHour(s, 0), P(zi[s - 1])) << s;
    EXPECT_EQ(hourPillarFromHour(1, 1), P("乙丑"));
    EXPECT_EQ(hourPillarFromHour(1, 2), P("乙丑"));
    EXPECT_EQ(hourPillarFromHour(1, 22), P("乙亥"));
    // 23 o'clock takes the 子 of the next day: 甲 day → 丙子, 癸 day → 甲子.
    EXPECT_EQ(hourPillarFromHour(1, 23), P("丙子"));
    EXPECT_EQ(hourPillarFromHour(10, 23), P("甲子"));
}

TEST(HourPillar, BirthTimeListAndOutOfRange) {
    for (int s = 1; s <= 10; ++s) {
        for (int i = 0; i <= 12; ++i) {
            int h = 0, min = 0;
            ASSERT_TRUE(birthTimeSlotMiddle(i, h, min));
            EXPECT_EQ(hourPillarFromIndex(s, i), hourPillarFromHour(s, h)) << s << " " << i;
        }
    }
    EXPECT_EQ(hourPillarFromIndex(1, kUnknownBirthTime), Pillar{});
    EXPECT_EQ(hourPillarFromIndex(1, -1), Pillar{});
    EXPECT_EQ(hourPillarFromHour(1, 24), Pillar{});
    EXPECT_EQ(hourPillarFromHour(1, -1), Pillar{});
    EXPECT_EQ(hourPillarFromHour(0, 5), Pillar{});
    EXPECT_EQ(hourPillarFromHour(11, 5), Pillar{});
}

// --- Prefecture correction -------------------------------------------------------------------

TEST(Prefectures, TableAndDefaults) {
    std::set<std::string_view> names;
    for (int i = 1; i <= 47; ++i) names.insert(prefectureName(i));
    EXPECT_EQ(names.size(), 47u);
    EXPECT_EQ(prefectureName(47), "沖縄県");
    EXPECT_EQ(prefectureName(0), "");
    EXPECT_EQ(prefectureMinutes(48), 0);
    // No prefecture given: 兵庫県 (+1); an index of 0: 大阪府 (+2); out of range: no correction.
    EXPECT_EQ(factsAt(2000, 6, 15, 12, 0).localMinute, 1);
    EXPECT_EQ(factsAt(2000, 6, 15, 12, 0, 0).localMinute, 2);
    EXPECT_EQ(factsAt(2000, 6, 15, 12, 0, 99).localMinute, 0);
}

TEST(Prefectures, CorrectionCarriesAcrossDayMonthAndYear) {
    struct Case {
        const char* what;
        int y, m, d, h, min, prefecture;
        LocalMoment expected;
    };
    const Case cases[] = {
        {"東京都 23:50 on 12-31", 2023, 12, 31, 23, 50, 13, {2024, 1, 1, 0, 9}},
        {"北海道 23:30 on 02-28", 2023, 2, 28, 23, 30, 1, {2023, 3, 1, 0, 0}},
        {"北海道 23:30 on 02-28 of a leap year", 2024, 2, 28, 23, 30, 1, {2024, 2, 29, 0, 0}},
        {"沖縄県 00:10 on 01-01", 2024, 1, 1, 0, 10, 47, {2023, 12, 31, 23, 40}},
        {"沖縄県 00:10 on 03-01 of a leap year", 2024, 3, 1, 0, 10, 47, {2024, 2, 29, 23, 40}},
        {"沖縄県 00:10 on 03-01", 2023, 3, 1, 0, 10, 47, {2023, 2, 28, 23, 40}},
        {"広島県 00:00 on 05-01", 2023, 5, 1, 0, 0, 34, {2023, 4, 30, 23, 50}},
        {"福岡県 10:10", 2023, 5, 1, 10, 10, 40, {2023, 5, 1, 9, 52}},
    };
    for (const auto& c : cases) {
        const SolarFacts f = factsAt(c.y, c.m, c.d, c.h, c.min, c.prefecture);
        EXPECT_EQ(f.localYear, c.expected.year) << c.what;
        EXPECT_EQ(f.localMonth, c.expected.month) << c.what;
        EXPECT_EQ(f.localDay, c.expected.day) << c.what;
        EXPECT_EQ(f.localHour, c.expected.hour) << c.what;
        EXPECT_EQ(f.localMinute, c.expected.minute) << c.what;
    }
    const LocalMoment longer = applyPrefectureCorrection(2023, 12, 31, 23, 10, 130);
    EXPECT_EQ(longer.year, 2024);
    EXPECT_EQ(longer.hour, 1);
    EXPECT_EQ(longer.minute, 20);
    const LocalMoment refused = applyPrefectureCorrection(2023, 12, 31, 23, 10, 1440);
    EXPECT_EQ(refused.day, 31);
    EXPECT_EQ(refused.minute, 10);
}

// --- Pillars of a birth ------------------------------------------------------------------------

struct PillarCase {
    const char* what;
    BirthMoment birth;
    const char* year;
    const char* month;
    const char* day;
    const char* hour;  // "" for none
    bool beforeEntry;
};

TEST(Pillars, EdgeCasesOfTheEntriesAndTheDay) {
    const PillarCase cases[] = {
        // January is always the year before; 小寒 2000 fell on 01-06 about 10:00.
        {"2000-01-01, before 小寒", birthAt(2000, 1, 1, 12, 0), "己卯", "丙子", "戊午", "戊午",
         true},
        {"2000-01-06 08:00, before 小寒", birthAt(2000, 1, 6, 8, 0), "己卯", "丙子", "癸亥", "丙辰",
         true},
        {"2000-01-06 23:00, after 小寒", birthAt(2000, 1, 6, 23, 0), "己卯", "丁丑", "癸亥", "甲子",
         false},
        // 立春 1984: 02-05 00:19.
        {"1984-02-10", birthAt(1984, 2, 10, 7, 0), "甲子", "丙寅", "甲戌", "戊辰", false},
        {"1984-02-04 23:00, before 立春", birthAt(1984, 2, 4, 23, 0), "癸亥", "乙丑", "戊辰",
         "甲子", true},
        {"1984-02-05 01:00, after 立春", birthAt(1984, 2, 5, 1, 0), "甲子", "丙寅", "己巳", "乙丑",
         false},
        // 立春 2024: 02-04 17:27. The year is decided at the whole local hour, the month at the
        // minute: at 17:50 the year is still 癸卯 while the month is already 丙寅.
        {"2024-02-04 17:10", birthAt(2024, 2, 4, 17, 10), "癸卯", "乙丑", "戊戌", "辛酉", true},
        {"2024-02-04 17:50", birthAt(2024, 2, 4, 17, 50), "癸卯", "丙寅", "戊戌", "辛酉", false},
        {"2024-02-04 18:00", birthAt(2024, 2, 4, 18, 0), "甲辰", "丙寅", "戊戌", "辛酉", false},
        // 23 o'clock: the 子 hour of the next day's stem, the day pillar stays.
        {"23:00 on a 甲 day", birthAt(1984, 2, 10, 23, 0), "甲子", "丙寅", "甲戌", "丙子", false},
        {"23:50 on a 癸 day", birthAt(2023, 12, 31, 23, 50), "癸卯", "甲子", "癸亥", "甲子", false},
        // The correction moves the moment before any pillar is formed.
        {"東京都 23:50 on 2023-12-31", birthAt(2023, 12, 31, 23, 50, 13), "癸卯", "甲子", "甲子",
         "甲子", true},
        {"沖縄県 00:10 on 2024-01-01", birthAt(2024, 1, 1, 0, 10, 47), "癸卯", "甲子", "癸亥",
         "甲子", false},
        // After 春分 the longitude restarts from 0 and March is still after its 節.
        {"2024-03-25, after 春分", birthAt(2024, 3, 25, 12, 0), "甲辰", "丁卯", "戊子", "戊午",
         false},
        // Time unknown: no hour pillar.
        {"time unknown", birthAt(1984, 2, 10, -1, 0), "甲子", "丙寅", "甲戌", "", false},
    };
    for (const auto& c : cases) {
        const SolarFacts f = computeSolarFacts(c.birth, kNoTable, 2026);
        EXPECT_EQ(pillarName(f.yearPillar()), c.year) << c.what;
        EXPECT_EQ(pillarName(f.monthPillar()), c.month) << c.what;
        EXPECT_EQ(pillarName(f.dayPillar()), c.day) << c.what;
        EXPECT_EQ(pillarName(f.hourPillar()), c.hour) << c.what;
        EXPECT_EQ(f.beforeEntry, c.beforeEntry) << c.what;
    }
}

TEST(Pillars, FromTheTenthTheMonthNeverStepsBack) {
    // No 節 of 1312..2200 falls after the 9th; in the proleptic calendar of the year 303 立秋
    // falls on August 10 at about 07:00, so a birth at 00:00 on the 10th precedes it.
    ASSERT_EQ(findMonthEntry(303, 8).day, 10);
    const SolarFacts tenth = factsAt(303, 8, 10, 0, 0);
    ASSERT_LT(tenth.sunLongitude, 135.0);
    EXPECT_FALSE(tenth.beforeEntry);
    EXPECT_EQ(pillarName(tenth.monthPillar()), "庚申");
    const SolarFacts ninth = factsAt(303, 8, 9, 12, 0);
    EXPECT_TRUE(ninth.beforeEntry);
    EXPECT_EQ(pillarName(ninth.monthPillar()), "己未");
}

TEST(Pillars, UnknownTimeAndBadInput) {
    const SolarFacts unknown = factsAt(1984, 2, 10, 99, 0);
    EXPECT_EQ(unknown.hourPillar(), Pillar{});
    EXPECT_EQ(unknown.localHour, 12);  // the day is taken at noon
    EXPECT_EQ(unknown.localMinute, 1);
    for (const BirthMoment& b : {birthAt(2023, 2, 29, 12, 0), birthAt(2023, 13, 1, 12, 0),
                                 birthAt(0, 1, 1, 12, 0), birthAt(2023, 1, 0, 12, 0)}) {
        const SolarFacts f = computeSolarFacts(b, kNoTable, 2026);
        EXPECT_EQ(f.dayPillar(), Pillar{}) << b.year << "-" << b.month << "-" << b.day;
        EXPECT_EQ(f.yearPillar(), Pillar{});
        EXPECT_FALSE(f.entriesFound);
    }
}

TEST(PillarWay, FilesOnlyWithTheSettingOffAfter1921) {
    EXPECT_EQ(choosePillarWay(1922, false), PillarWay::Files);
    EXPECT_EQ(choosePillarWay(1921, false), PillarWay::Astronomical);
    EXPECT_EQ(choosePillarWay(2000, true), PillarWay::Astronomical);
    EXPECT_EQ(choosePillarWay(1500, true), PillarWay::Astronomical);
}

// --- Days to and from the entries, luck start
// ------------------------------------------------------

TEST(EntryDays, AfterAndBeforeTheEntryAndPastTheVernalEquinox) {
    // 2024-03-25 12:01: after 啓蟄 (03-05 11:23, hour 11); 清明 04-04 16:02.
    const SolarFacts march = factsAt(2024, 3, 25, 12, 0);
    ASSERT_LT(march.sunLongitude, 30.0);
    EXPECT_NEAR(march.daysSinceEntry, 25.5 - (5 + 11.0 / 24), 1e-9);
    EXPECT_NEAR(march.daysToEntry, 31 - 25.5 + (4 + 16.0 / 24), 1.0 / 24 + 1e-9);
    // 2024-02-04 12:01: before 立春 (02-04 17:27); counted from 小寒 01-06 05:49.
    const SolarFacts feb = factsAt(2024, 2, 4, 12, 0);
    EXPECT_EQ(feb.prevEntryDay, 6);
    EXPECT_EQ(feb.prevEntryHour, 5);
    EXPECT_EQ(feb.curEntryDay, 4);
    EXPECT_EQ(feb.curEntryHour, 17);
    EXPECT_NEAR(feb.daysSinceEntry, 31 + 4.5 - (6 + 5.0 / 24), 1e-9);
    EXPECT_NEAR(feb.daysToEntry, (4 + 17.0 / 24) - 4.5, 1e-9);
}

TEST(EntryDays, ABirthInTheHourOfAnEntryNeverCountsBelowZero) {
    // 大雪 2024-12-07 00:17. Entered 00:20 in 沖縄県, the local moment is 12-06 23:50: the
    // longitude says after the entry, the local day says before it. The count is zero.
    ASSERT_GE(sunLongitudeAtJst(2024, 12, 7, 0, 20), 255.0);
    const SolarFacts f = factsAt(2024, 12, 7, 0, 20, 47, "女");
    EXPECT_EQ(f.curEntryDay, 7);
    EXPECT_EQ(f.curEntryHour, 0);
    EXPECT_EQ(f.daysSinceEntry, 0.0);
    EXPECT_EQ(f.luckStartYears, 0);  // a woman of a yang year counts back
    EXPECT_EQ(f.luckStartMonths, 0);
    EXPECT_EQ(f.luckStartMonth, 12);
    EXPECT_EQ(f.luckStartAge, 1);
}

struct LuckCase {
    const char* what;
    BirthMoment birth;
    int years, months, month, age;
};

TEST(LuckStart, ForwardAndBackwardBySexAndYearPolarity) {
    // Entries used (published): 2024 立春 02-04 17:27, 啓蟄 03-05 11:23, 立冬 11-07 07:20,
    // 大雪 12-07 00:17; 2023 啓蟄 03-06 05:36, 清明 04-05 10:13. Local moments are +1 minute.
    const LuckCase cases[] = {
        // 甲辰 (yang), 02-20 12:01: 13.958 days to 啓蟄, 15.792 since 立春.
        // 13.958/3 = 4.653: 4 years, ⌊0.653·365⌋ = 238 days = 7 months → September, age 5.
        {"man, yang year", birthAt(2024, 2, 20, 12, 0, 28, "男"), 4, 7, 9, 5},
        // 15.792/3 = 5.264: 5 years, 96 days = 3 months → May, age 6.
        {"woman, yang year", birthAt(2024, 2, 20, 12, 0, 28, "女"), 5, 3, 5, 6},
        // 癸卯 (yin), 2023-03-10 12:01: 4.292 days since 啓蟄, 25.917 to 清明.
        // 4.292/3 = 1.431: 1 year, 157 days = 5 months → August, age 2.
        {"man, yin year", birthAt(2023, 3, 10, 12, 0, 28, "男"), 1, 5, 8, 2},
        // 25.917/3 = 8.639: 8 years, 233 days = 7 months → October, age 9.
        {"woman, yin year", birthAt(2023, 3, 10, 12, 0, 28, "女"), 8, 7, 10, 9},
        // Before 立春 2024 the year is 癸卯 (yin): 0.208 days to 立春, 29.292 since 小寒.
        {"woman, yin year, just before 立春", birthAt(2024, 2, 4, 12, 0, 28, "女"), 0, 0, 2, 1},
        {"man, yin year, just before 立春", birthAt(2024, 2, 4, 12, 0, 28, "男"), 9, 9, 11, 10},
        // 2024-11-20 12:01: 16.5 days to 大雪: 5.5 → 5 years, 182 days = 6 months; November + 6
        // wraps to May of the next year, so the age gains one: 5 + 1 + 1.
        {"man, yang year, month wraps", birthAt(2024, 11, 20, 12, 0, 28, "男"), 5, 6, 5, 7},
        // 13.208 days since 立冬: 4.403 → 4 years, 147 days = 4 months → March, age 6.
        {"woman, yang year, month wraps", birthAt(2024, 11, 20, 12, 0, 28, "女"), 4, 4, 3, 6},
        // Any other text counts as a man.
        {"sex not given", birthAt(2024, 11, 20, 12, 0, 28, ""), 5, 6, 5, 7},
    };
    for (const auto& c : cases) {
        const SolarFacts f = computeSolarFacts(c.birth, kNoTable, 2026);
        ASSERT_TRUE(f.entriesFound) << c.what;
        EXPECT_EQ(f.luckStartYears, c.years) << c.what;
        EXPECT_EQ(f.luckStartMonths, c.months) << c.what;
        EXPECT_EQ(f.luckStartMonth, c.month) << c.what;
        EXPECT_EQ(f.luckStartAge, c.age) << c.what;
    }
    const SolarFacts wrap = factsAt(2024, 11, 20, 12, 0);
    EXPECT_EQ(luckStartText(wrap), "立運までの年月：5年間と6ヶ月");
    EXPECT_EQ(luckStartAgeText(wrap), "立運の年齢：数え7才5月");
    EXPECT_EQ(wrap.currentYear, 2026);
    EXPECT_EQ(wrap.countingAge, 3);
}

// --- Entry depth from the solar-term table -------------------------------------------------------

void setTerm(SolarTermTable& t, int index, int y, int m, int d, int h, int min, int nameIndex) {
    SolarTermEntry& e = t[static_cast<std::size_t>(index)];
    e.year = y;
    e.month = m;
    e.day = d;
    e.hour = h;
    e.minute = min;
    e.nameIndex = nameIndex;
}

// The 節 of 2024 (暦要項 2024) in place 2(m-1), with 立冬 and 大雪 of 2023 and 小寒 of 2025.
SolarTermTable table2024() {
    SolarTermTable t{};
    setTerm(t, 0, 2024, 1, 6, 5, 49, 20);          // 小寒
    setTerm(t, 2, 2024, 2, 4, 17, 27, 22);         // 立春
    setTerm(t, 4, 2024, 3, 5, 11, 23, 24);         // 啓蟄
    setTerm(t, 6, 2024, 4, 4, 16, 2, 2);           // 清明
    setTerm(t, 8, 2024, 5, 5, 9, 10, 4);           // 立夏
    setTerm(t, 10, 2024, 6, 5, 13, 10, 6);         // 芒種
    setTerm(t, 12, 2024, 7, 6, 23, 20, 8);         // 小暑
    setTerm(t, 14, 2024, 8, 7, 9, 9, 10);          // 立秋
    setTerm(t, 16, 2024, 9, 7, 12, 11, 12);        // 白露
    setTerm(t, 18, 2024, 10, 8, 4, 0, 14);         // 寒露
    setTerm(t, 20, 2024, 11, 7, 7, 20, 16);        // 立冬
    setTerm(t, 22, 2024, 12, 7, 0, 17, 18);        // 大雪
    setTerm(t, 1, 2024, 1, 20, 16, 7, 21);         // 大寒, a middle term: never an entry
    setTerm(t, 24 + 20, 2023, 11, 8, 1, 36, 16);   // 立冬 2023
    setTerm(t, 24 + 22, 2023, 12, 7, 18, 33, 18);  // 大雪 2023
    setTerm(t, 48 + 0, 2025, 1, 5, 11, 33, 20);    // 小寒 2025
    return t;
}

int depthAt(const SolarTermTable& t, int tableYear, LocalMoment local) {
    int tenths = -1;
    return entryDepthTenths(t, tableYear, local, tenths) ? tenths : -1;
}

TEST(EntryDepth, CountedInMinutesAndCutToTenths) {
    const SolarTermTable t = table2024();
    // 立春 at 02-04 17:27. One minute later: 0.0 days.
    EXPECT_EQ(depthAt(t, 2024, {2024, 2, 4, 17, 28}), 0);
    // At the very minute of the entry the birth still counts from 小寒 (01-06 05:49):
    // 29 days 11 h 38 min = 29.48 days → 29.4.
    EXPECT_EQ(depthAt(t, 2024, {2024, 2, 4, 17, 27}), 294);
    // Every exact tenth (144 minutes) after the entry is kept, one minute less is not.
    for (int k = 1; k <= 99; ++k) {
        for (int less = 0; less <= 1; ++less) {
            const int minutes = 4 * 1440 + 17 * 60 + 27 + 144 * k - less;
            const LocalMoment at{2024, 2, minutes / 1440, minutes % 1440 / 60, minutes % 60};
            EXPECT_EQ(depthAt(t, 2024, at), k - less) << k << " tenths, " << less << " min less";
        }
    }
}

TEST(EntryDepth, AcrossTheTurnOfTheYear) {
    const SolarTermTable t = table2024();
    // Before 小寒: from 大雪 2023-12-07 18:33 to 01-03 10:00 = 26 d 15 h 27 min → 26.6.
    EXPECT_EQ(depthAt(t, 2024, {2024, 1, 3, 10, 0}), 266);
    // 東京都 23:50 on 2024-12-31 is 2025-01-01 00:09, before 小寒 2025 (01-05 11:33): from
    // 大雪 2024-12-07 00:17, 24 d 23 h 52 min → 24.9. The table is that of the entered year.
    EXPECT_EQ(depthAt(t, 2024, {2025, 1, 1, 0, 9}), 249);
    // 沖縄県 00:10 on 2024-01-01 is 2023-12-31 23:40: from 大雪 2023, 24 d 5 h 7 min → 24.2.
    EXPECT_EQ(depthAt(t, 2024, {2023, 12, 31, 23, 40}), 242);

    const SolarFacts tokyo =
        computeSolarFacts(birthAt(2024, 12, 31, 23, 50, 13), table2024(), 2026);
    ASSERT_TRUE(tokyo.entryDepthKnown);
    EXPECT_EQ(tokyo.entryDepthTenths, 249);
    EXPECT_DOUBLE_EQ(tokyo.entryDepthDays, 24.9);
    EXPECT_EQ(entryDepthText(tokyo), "節入り日からの日数：24.9日");
}

TEST(EntryDepth, TablesThatLackTheTerm) {
    EXPECT_EQ(depthAt(kNoTable, 2024, {2024, 2, 10, 12, 0}), -1);
    const SolarFacts none = factsAt(2024, 2, 10, 12, 0);
    EXPECT_FALSE(none.entryDepthKnown);
    EXPECT_EQ(none.entryDepthDays, 0.0);

    // The 節 of February in another place, named: found by its date and name.
    SolarTermTable moved = table2024();
    moved[5] = moved[2];
    moved[2] = SolarTermEntry{};
    EXPECT_EQ(depthAt(moved, 2024, {2024, 2, 5, 17, 27}), 10);
    // In its place without a name: taken by its date.
    SolarTermTable unnamed = table2024();
    unnamed[2].nameIndex = 0;
    EXPECT_EQ(depthAt(unnamed, 2024, {2024, 2, 5, 17, 27}), 10);
    // A wrong date or an impossible time in its place, and nowhere else: unknown.
    SolarTermTable wrong = table2024();
    wrong[2].month = 7;
    EXPECT_EQ(depthAt(wrong, 2024, {2024, 2, 10, 12, 0}), -1);
    wrong = table2024();
    wrong[2].hour = 99;
    EXPECT_EQ(depthAt(wrong, 2024, {2024, 2, 10, 12, 0}), -1);
    // A table of another year holds nothing for the birth.
    EXPECT_EQ(depthAt(table2024(), 2030, {2030, 2, 10, 12, 0}), -1);
}

TEST(EntryDepth, ShownInGeneralNumberFormat) {
    SolarFacts f;
    f.entryDepthTenths = 120;
    EXPECT_EQ(entryDepthText(f), "節入り日からの日数：12日");
    f.entryDepthTenths = 3;
    EXPECT_EQ(entryDepthText(f), "節入り日からの日数：0.3日");
}

}  // namespace
}  // namespace suimei
