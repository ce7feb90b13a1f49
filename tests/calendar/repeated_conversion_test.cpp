// A batch asks the converters for the same days and months again and again; what they keep must
// give exactly what a fresh computation gives, whatever was asked before.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "calendar/old_calendar.h"
#include "calendar/solar_terms.h"
#include "calendar/taiwan_calendar.h"
#include "calendar/types.h"

namespace suimei {
namespace {

void expectSameDate(const OldCalendarDate& a, const OldCalendarDate& b, const std::string& what) {
    EXPECT_EQ(a.lunarYear, b.lunarYear) << what;
    EXPECT_EQ(a.leapFlag, b.leapFlag) << what;
    EXPECT_EQ(a.lunarMonth, b.lunarMonth) << what;
    EXPECT_EQ(a.lunarDay, b.lunarDay) << what;
    EXPECT_EQ(a.rokuyoName, b.rokuyoName) << what;
    EXPECT_EQ(a.dayKanshiName, b.dayKanshiName) << what;
    // Bit for bit: a batch's output must not depend on the order of its clients.
    EXPECT_EQ(a.moonAge, b.moonAge) << what;
    EXPECT_EQ(a.noonMoonAge, b.noonMoonAge) << what;
    EXPECT_EQ(a.illumination, b.illumination) << what;
    EXPECT_EQ(a.phaseIndex, b.phaseIndex) << what;
    EXPECT_EQ(a.mansion27, b.mansion27) << what;
    EXPECT_EQ(a.mansion28, b.mansion28) << what;
}

TEST(RepeatedConversion, OldCalendarInAnyOrderMatchesAFreshConversion) {
    struct Day {
        int y, m, d;
    };
    std::vector<Day> days;
    // 2023 has a leap second month (閏2月), 2033 the irregular year, 1900 and 2000 century years.
    for (const int year : {1900, 2000, 2023, 2033}) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= daysInMonth(year, m); d += 3) days.push_back({year, m, d});
        }
    }
    days.push_back({2023, 3, 22});  // 閏2月1日
    std::mt19937 shuffle(7);
    std::shuffle(days.begin(), days.end(), shuffle);
    days.insert(days.end(), days.begin(), days.begin() + 40);  // asked again

    TQrekiMod converter;
    bool sawLeap = false;
    for (const Day& day : days) {
        const OldCalendarDate kept = converter.convertToOldCalendar(day.y, day.m, day.d);
        const std::string what =
            std::to_string(day.y) + "/" + std::to_string(day.m) + "/" + std::to_string(day.d);
        expectSameDate(kept, oldCalendarDate(day.y, day.m, day.d), what);
        sawLeap = sawLeap || kept.leapFlag == 1;
    }
    EXPECT_TRUE(sawLeap);

    // Days that do not exist stay unconverted and never reach the kept years.
    EXPECT_EQ(converter.convertToOldCalendar(2023, 2, 29).leapFlag, 0);
    EXPECT_EQ(converter.convertToOldCalendar(2023, 13, 1).leapFlag, 0);
    EXPECT_EQ(converter.convertToOldCalendar(0, 1, 1).leapFlag, 0);
}

TEST(RepeatedConversion, TaiwanMonthsStillReplaceTheComputedOnes) {
    TQrekiMod converter;
    const OldCalendarDate japanese = converter.convertToOldCalendar(2023, 3, 22);
    // The file says the month that starts on 2023/03/22 is an ordinary third month.
    converter.setTaiwanTable(parseTaiwanText("2023/03/22,03/01,29,h\n"));
    const OldCalendarDate taiwan =
        converter.convertToOldCalendar(2023, 3, 22, OldCalendarVariant::Taiwan);
    expectSameDate(taiwan, oldCalendarDate(2023, 3, 22, &converter.taiwanTable()), "taiwan");
    EXPECT_EQ(japanese.leapFlag, 1);
    EXPECT_EQ(taiwan.lunarMonth, 3);
    EXPECT_EQ(taiwan.leapFlag, -1);
    // And the Japanese reckoning of that day is not disturbed by the Taiwan one.
    expectSameDate(converter.convertToOldCalendar(2023, 3, 22), japanese, "japanese again");
}

TEST(RepeatedConversion, MonthEntriesMatchAFreshSearch) {
    // Both astronomies are kept side by side: one must never answer for the other.
    for (const Astronomy astronomy :
         {Astronomy::Described, Astronomy::Precise, Astronomy::Described}) {
        for (const int year : {1, 1873, 1948, 2024, 2100, 9999}) {
            for (int m = 1; m <= 12; ++m) {
                const MonthEntry kept = findMonthEntry(year, m, astronomy);
                const MonthEntry fresh =
                    findLongitudeEntry(year, m, monthTermLongitude(m), astronomy);
                EXPECT_EQ(kept.found, fresh.found) << year << "/" << m;
                EXPECT_EQ(kept.day, fresh.day) << year << "/" << m;
                EXPECT_EQ(kept.hour, fresh.hour) << year << "/" << m;
            }
        }
    }
    EXPECT_FALSE(findMonthEntry(2024, 13).found);
}

}  // namespace
}  // namespace suimei
