// The lunar-mansion calendar: dark days of worked birth mansions read from the table as stored,
// the relation and colour of a day, and the pages it composes.

#include "print/mansion_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/types.h"
#include "print/page_checks.h"

namespace suimei::print {
namespace {

using testing::dayBoxes;
using testing::pageHas;

TEST(MansionCalendar, DarkDaysAreTheSevenStoredEntriesOfTheBirthMansion) {
    // 昴 (1): 軫 角 亢 氏 房 心 and 軫 again.
    for (int m = 11; m <= 16; ++m) EXPECT_TRUE(isDarkDay(1, m)) << m;
    EXPECT_FALSE(isDarkDay(1, 10));
    EXPECT_FALSE(isDarkDay(1, 17));
    // 斗 (19) stores 0 in its seventh place: 畢 .. 柳 only, and no day matches the 0.
    for (int m = 2; m <= 7; ++m) EXPECT_TRUE(isDarkDay(19, m)) << m;
    EXPECT_FALSE(isDarkDay(19, 8));
    EXPECT_FALSE(isDarkDay(19, 0));
    // 胃 (28) stores 柳 in its seventh place, kept as it is.
    EXPECT_TRUE(isDarkDay(28, 7));
    for (int m = 10; m <= 15; ++m) EXPECT_TRUE(isDarkDay(28, m)) << m;
    EXPECT_FALSE(isDarkDay(28, 16));
    // 牛 (20) has only 畢.
    EXPECT_TRUE(isDarkDay(20, 2));
    EXPECT_FALSE(isDarkDay(20, 3));
    // 井 (5) skips 牛: 房 心 尾 箕 斗 女.
    EXPECT_TRUE(isDarkDay(5, 21));
    EXPECT_FALSE(isDarkDay(5, 20));
    EXPECT_FALSE(isDarkDay(0, 11));
    EXPECT_FALSE(isDarkDay(29, 11));
}

TEST(MansionCalendar, ADayShowsItsMansionRelationAndColour) {
    // Birth 昴 (1), day 軫 (11): distance 10 is 栄, and 軫 is a dark day of 昴.
    MansionDay d = mansionDayOf(1, 11, 5);
    EXPECT_EQ(d.mansionText, "軫宿");
    EXPECT_EQ(d.relationText, "栄(暗黒日)");
    EXPECT_TRUE(d.dark);
    EXPECT_EQ(d.colour, "#ff0000");
    // 畢 (2) is 栄 and 張 (9) is 親 of 昴: blue.
    EXPECT_EQ(mansionDayOf(1, 2, 1).relationText, "栄");
    EXPECT_EQ(mansionDayOf(1, 2, 1).colour, "#0000ff");
    EXPECT_EQ(mansionDayOf(1, 9, 1).relationText, "親");
    EXPECT_EQ(mansionDayOf(1, 9, 1).colour, "#0000ff");
    // 觜 (3) is 衰, 昴 itself 命: black.
    EXPECT_EQ(mansionDayOf(1, 3, 1).relationText, "衰");
    EXPECT_EQ(mansionDayOf(1, 3, 1).colour, "#000000");
    EXPECT_EQ(mansionDayOf(1, 1, 1).relationText, "命");
    // Birth 井 (5), day 女 (21, lowered to 20): distance 15 is 壊, and 女 is dark for 井.
    EXPECT_EQ(mansionDayOf(5, 21, 1).relationText, "壊(暗黒日)");
    // Birth 胃 (28 → 27), day 昴 (1): distance (1 - 27) mod 27 = 1, 栄; not dark for 胃.
    EXPECT_EQ(mansionDayOf(28, 1, 1).relationText, "栄");
    // A date without a mansion shows nothing.
    EXPECT_EQ(mansionDayOf(1, 0, 1).mansionText, "");
    EXPECT_EQ(mansionDayOf(1, 0, 1).relationText, "");
}

TEST(MansionCalendar, AMonthPageHasTheHeadingBirthMansionAndADayOfKnownMansion) {
    MansionCalendarContent content;
    content.clientName = "山田 花子";
    content.birthMansion = 1;
    content.year = 2024;
    content.month = 2;
    const PrintDocument doc = composeMansionCalendar(content);
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintPage& page = doc.pages[0];
    EXPECT_TRUE(pageHas(page, "山田 花子 様 　　2024年2月度宿曜暦"));
    EXPECT_TRUE(pageHas(page, "本命宿：昴宿"));
    EXPECT_EQ(dayBoxes(page), 29);
    // 2024-02-10 is the first day of the first lunar month, whose mansion is 室 (24); for 昴 that
    // is distance 22, 危, in black.
    EXPECT_TRUE(pageHas(page, "室宿"));
    EXPECT_TRUE(pageHas(page, "危", "#000000"));
    // A month runs through the whole cycle of twenty-seven, so the dark days of 昴 (in red) and its
    // 栄 and 親 days (in blue) all appear.
    EXPECT_TRUE(std::any_of(page.items.begin(), page.items.end(), [](const PrintItem& i) {
        return i.colour == "#ff0000" && i.text.find("(暗黒日)") != std::string::npos;
    }));
    EXPECT_TRUE(std::any_of(page.items.begin(), page.items.end(),
                            [](const PrintItem& i) { return i.colour == "#0000ff"; }));
}

TEST(MansionCalendar, TheWholeYearIsTwelvePagesInMonthOrder) {
    MansionCalendarContent content;
    content.clientName = "A";
    content.birthMansion = 12;
    content.year = 2025;
    content.month = 0;
    const PrintDocument doc = composeMansionCalendar(content);
    ASSERT_EQ(doc.pages.size(), 12u);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_TRUE(pageHas(doc.pages[m - 1], mansionCalendarHeading("A", 2025, m))) << m;
        EXPECT_EQ(dayBoxes(doc.pages[m - 1]), daysInMonth(2025, m));
    }
    content.month = 13;
    EXPECT_TRUE(composeMansionCalendar(content).pages.empty());
}

}  // namespace
}  // namespace suimei::print
