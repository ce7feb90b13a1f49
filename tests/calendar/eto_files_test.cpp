// The shipped perpetual-calendar files against the astronomical way.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "calendar/eto_generation.h"
#include "calendar/old_calendar.h"
#include "calendar/perpetual_calendar.h"
#include "calendar/pillars.h"
#include "core/notifier.h"

namespace suimei {
namespace {

TEST(EtoGeneration, EraLettersAndEntryPeriods) {
    EXPECT_EQ(etoEraLetter(1900), 'M');
    EXPECT_EQ(etoEraYear(1900), 33);
    EXPECT_EQ(etoEraLetter(1912), 'T');
    EXPECT_EQ(etoEraYear(1912), 1);
    EXPECT_EQ(etoEraYear(1926), 1);
    EXPECT_EQ(etoEraLetter(1989), 'H');
    EXPECT_EQ(etoEraYear(2019), 31);
    EXPECT_EQ(etoEraYear(2100), 112);
    EXPECT_EQ(etoEntryBranch(0), 1);
    EXPECT_EQ(etoEntryBranch(1), 2);
    EXPECT_EQ(etoEntryBranch(22), 12);
    EXPECT_EQ(etoEntryBranch(23), 12);
}

// 1984 from known facts: 甲子 year (昭和59); 小寒 on 01-06 around 11:41 (午), 立春 on 02-05 at
// 00:19 (子); 1984-01-01 was 甲午; 旧暦 1983-11-29 on that day.
TEST(EtoGeneration, Year1984FromKnownFacts) {
    TQrekiMod qreki;
    const EtoYear y = generateEtoYear(1984, qreki);
    EXPECT_EQ(y.eraName, "昭和");
    EXPECT_EQ(y.eraYear, 59);
    EXPECT_EQ(y.yearStem, 1);
    EXPECT_EQ(y.yearBranch, 1);
    EXPECT_EQ(y.months[1].entryDay, 6);
    EXPECT_EQ(y.months[1].entryBranch, 7);
    EXPECT_EQ(y.months[2].entryDay, 5);
    EXPECT_EQ(y.months[2].entryBranch, 1);
    EXPECT_EQ(y.months[2].monthStem, 3);
    EXPECT_EQ(y.months[2].monthBranch, 3);
    EXPECT_EQ(y.months[2].dayCount, 29);
    EXPECT_EQ(y.days[1].firstStem, 1);
    EXPECT_EQ(y.days[1].firstBranch, 7);
    EXPECT_EQ(y.days[1].oldMonth, 11);
    EXPECT_EQ(y.days[1].oldDay, 29);
    for (int m = 1; m <= 12; ++m) {
        const int len = y.days[static_cast<std::size_t>(m)].oldMonthLength;
        EXPECT_TRUE(len == 29 || len == 30) << m;
    }
}

// Births drawn across 1922..2100 in every two-hour period, half of them on entry days: the year,
// month and day pillars of the files agree with the astronomical way except for births in the
// two-hour period of an entry, where the two ways time the entry with different series.
TEST(EtoFiles, AgreeWithTheAstronomicalWayOutsideEntryPeriods) {
    std::mt19937 random(20261208);
    RecordingNotifier notes;
    Treki files;
    TQrekiMod qreki;
    int births = 0, entryPeriod = 0, entryPeriodDiffering = 0;
    for (int i = 0; i < 2400; ++i) {
        const int year = 1922 + static_cast<int>(random() % (2100 - 1922 + 1));
        const int month = 1 + static_cast<int>(random() % 12);
        const int slot = static_cast<int>(random() % 13);
        ASSERT_EQ(files.loadYearFiles(year, std::filesystem::path(SUIMEI_APP_DIR), notes), 0)
            << notes.lastText();
        const EtoMonth& entry = files.slot(2).months[static_cast<std::size_t>(month)];
        const int day =
            i % 2 ? entry.entryDay : 1 + static_cast<int>(random() % daysInMonth(year, month));
        BirthPillars fromFiles;
        ASSERT_TRUE(files.lookupBirthPillars(month, day, slot, fromFiles));
        BirthMoment birth;
        birth.year = year;
        birth.month = month;
        birth.day = day;
        birthTimeSlotMiddle(slot, birth.hour, birth.minute);
        qreki.convertToOldCalendar(year, month, day);
        const SolarFacts facts = computeSolarFacts(birth, qreki.solarTerms(), 2026);
        const bool agree = fromFiles.year == facts.yearPillar() &&
                           fromFiles.month == facts.monthPillar() &&
                           fromFiles.day == facts.dayPillar();
        // The period of the birth-time list that holds the entry's clock hour (23 o'clock is
        // the late 子 period, slot 12).
        const int entryHour = qreki.solarTerms()[static_cast<std::size_t>(2 * (month - 1))].hour;
        const int entrySlot = birthTimeIndexOfHour(entryHour);
        const bool inEntryPeriod = day == entry.entryDay && slot == entrySlot;
        ++births;
        if (inEntryPeriod) {
            ++entryPeriod;
            if (!agree) ++entryPeriodDiffering;
            continue;
        }
        EXPECT_TRUE(agree) << year << "-" << month << "-" << day << " slot " << slot << ": files "
                           << pillarName(fromFiles.year) << pillarName(fromFiles.month)
                           << pillarName(fromFiles.day) << ", astronomy "
                           << pillarName(facts.yearPillar()) << pillarName(facts.monthPillar())
                           << pillarName(facts.dayPillar());
    }
    std::printf("births %d, in an entry's two-hour period %d, of which differing %d\n", births,
                entryPeriod, entryPeriodDiffering);
    EXPECT_GE(births, 2000);
}

}  // namespace
}  // namespace suimei
