// The fortune calendar: its branch-relation table against the rules it is made of, the facts of a
// day worked by hand, the choice of the daily lines, the pages and cells it composes, and the
// staged texts it prints.

#include "print/fortune_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/app_paths.h"
#include "print/calendar_grid.h"
#include "print/page_checks.h"
#include "readings/calendar_keys.h"
#include "readings/passage_table.h"

namespace suimei::print {
namespace {

using testing::dayBoxes;
using testing::pageHas;

using R = BranchRelation;

bool pairIn(const std::vector<std::pair<int, int>>& pairs, int a, int b) {
    return std::any_of(pairs.begin(), pairs.end(), [&](const auto& p) {
        return (p.first == a && p.second == b) || (p.first == b && p.second == a);
    });
}

// The relations written out as the classical lists (子 1 .. 亥 12), strongest first.
R expectedRelation(int a, int b) {
    if (a == b) return (a == 5 || a == 7 || a == 10 || a == 12) ? R::SelfPunishment : R::None;
    if ((a - b + 12) % 12 == 6) return R::Clash;
    if (pairIn({{1, 2}, {3, 12}, {4, 11}, {5, 10}, {6, 9}, {7, 8}}, a, b)) return R::Combination;
    if ((a - b + 12) % 4 == 0) return R::Harmony;  // 申子辰 亥卯未 寅午戌 巳酉丑
    if (pairIn({{3, 6}, {6, 9}, {3, 9}, {2, 11}, {11, 8}, {8, 2}, {1, 4}}, a, b)) {
        return R::Punishment;
    }
    if (pairIn({{1, 8}, {2, 7}, {3, 6}, {4, 5}, {9, 12}, {10, 11}}, a, b)) return R::Harm;
    if (pairIn({{1, 10}, {2, 5}, {3, 12}, {4, 7}, {6, 9}, {8, 11}}, a, b)) return R::Break;
    return R::None;
}

TEST(FortuneCalendar, RelationTableAgreesWithTheRelationListsInEveryCell) {
    for (int a = 1; a <= 12; ++a) {
        for (int b = 1; b <= 12; ++b) {
            EXPECT_EQ(branchRelationOf(a, b), expectedRelation(a, b)) << a << " " << b;
        }
    }
    EXPECT_EQ(branchRelationOf(0, 1), R::None);
    EXPECT_EQ(branchRelationOf(1, 13), R::None);
}

TEST(FortuneCalendar, PairsUnderTwoRelationsShowTheStrongerAndEveryRelationHasItsWord) {
    EXPECT_EQ(branchRelationOf(6, 9), R::Combination) << "巳申 is 支合 before 刑 and 破";
    EXPECT_EQ(branchRelationOf(3, 12), R::Combination) << "寅亥 is 支合 before 破";
    EXPECT_EQ(branchRelationOf(3, 9), R::Clash) << "寅申 is 冲 before 刑";
    EXPECT_EQ(branchRelationOf(3, 6), R::Punishment) << "寅巳 is 刑 before 害";
    EXPECT_EQ(branchRelationOf(8, 11), R::Punishment) << "未戌 is 刑 before 破";
    EXPECT_EQ(branchRelationOf(1, 1), R::None);
    EXPECT_EQ(branchRelationOf(7, 7), R::SelfPunishment);
    EXPECT_EQ(branchRelationName(R::Combination), "支合");
    EXPECT_EQ(branchRelationName(R::None), "");
    std::set<std::string_view> words;
    for (int r = 0; r <= static_cast<int>(R::SelfPunishment); ++r) {
        const std::string_view word = branchRelationReading(static_cast<R>(r));
        EXPECT_FALSE(word.empty());
        words.insert(word);
    }
    EXPECT_EQ(words.size(), 8u) << "each relation reads differently";
}

TEST(FortuneCalendar, WeekdaysAndDaySerials) {
    EXPECT_EQ(civilDaySerial(1970, 1, 1), 0);
    EXPECT_EQ(civilDaySerial(1969, 12, 31), -1);
    EXPECT_EQ(civilDaySerial(2000, 1, 1), 10957);
    EXPECT_EQ(civilDaySerial(2000, 3, 1) - civilDaySerial(2000, 2, 28), 2) << "2000 is leap";
    EXPECT_EQ(civilDaySerial(2100, 3, 1) - civilDaySerial(2100, 2, 28), 1) << "2100 is not";
    EXPECT_EQ(weekdayOf(2000, 1, 1), 6) << "a Saturday";
    EXPECT_EQ(weekdayOf(2024, 2, 29), 4) << "a Thursday";
    EXPECT_EQ(weekdayOf(1900, 1, 1), 1) << "a Monday";
}

TEST(FortuneCalendar, DailyLinesAdvanceEachTimeTheTenGodOrBranchComesRound) {
    // 2000-01-01 is day 10957: 10957 div 10 = 1095, mod 20 = 15; 10957 div 12 = 913, mod 16 = 1.
    EXPECT_EQ(dailyTenGodLine(2000, 1, 1), 15);
    EXPECT_EQ(dailyBranchLine(2000, 1, 1), 1);
    EXPECT_EQ(dailyTenGodLine(2000, 1, 11), 16) << "the same stem ten days later";
    EXPECT_EQ(dailyBranchLine(2000, 1, 13), 2) << "the same branch twelve days later";
    // Before 1970 the counting keeps going the same way.
    EXPECT_EQ(dailyTenGodLine(1969, 12, 31), 19);
    EXPECT_EQ(dailyBranchLine(1969, 12, 31), 15);
}

FortuneTexts labelledTexts() {
    FortuneTexts texts;
    for (int g = 1; g <= 10; ++g) {
        for (int i = 0; i < kDailyTenGodLines; ++i) {
            texts.byTenGod[g].push_back("T" + std::to_string(g) + "-" + std::to_string(i));
        }
        for (int w = 0; w < 3; ++w) texts.month[g][w] = "M" + std::to_string(g) + std::to_string(w);
    }
    for (int b = 1; b <= 12; ++b) {
        for (int i = 0; i < kDailyBranchLines; ++i) {
            texts.byBranch[b].push_back("B" + std::to_string(b) + "-" + std::to_string(i));
        }
    }
    return texts;
}

TEST(FortuneCalendar, DayFactsWorkedByHand) {
    // Day master 甲 born on a 子 day in a 寅 month of a 午 year.
    const FortuneChart chart{1, 1, 3, 7};
    // 2000-01-01 is 戊午: 戊 is 偏財 (3) of 甲; 午 clashes with 子, is 三合 with 寅, itself 自刑.
    const FortuneDay day = fortuneDayOf(chart, labelledTexts(), 2000, 1, 1);
    EXPECT_EQ(day.stem, 5);
    EXPECT_EQ(day.branch, 7);
    EXPECT_EQ(day.tenGod, 3);
    EXPECT_EQ(day.relations[0], R::Clash);
    EXPECT_EQ(day.relations[1], R::Harmony);
    EXPECT_EQ(day.relations[2], R::SelfPunishment);
    EXPECT_EQ(day.tenGodText, "T3-15");
    EXPECT_EQ(day.branchText, "B7-1");
    // Without texts the day still has its facts and empty lines.
    const FortuneDay bare = fortuneDayOf(chart, FortuneTexts{}, 2000, 1, 1);
    EXPECT_EQ(bare.tenGod, 3);
    EXPECT_TRUE(bare.tenGodText.empty());
}

bool pageHasPrefix(const PrintPage& page, const std::string& prefix) {
    return std::any_of(page.items.begin(), page.items.end(),
                       [&](const PrintItem& item) { return item.text.rfind(prefix, 0) == 0; });
}

TEST(FortuneCalendar, AMonthPageHasItsHeadingMonthReadingsAndOneCellPerDay) {
    FortuneCalendarContent content;
    content.clientName = "山田 太郎";
    content.chart = {1, 1, 3, 7};
    content.year = 2024;
    content.month = 2;
    content.practitionerName = "青葉鑑定所";
    content.practitionerTelephone = "03-1234-5678";
    const PrintDocument doc = composeFortuneCalendar(content, labelledTexts());
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintPage& page = doc.pages[0];
    EXPECT_TRUE(pageHas(page, "2024年度 2月度の開運暦"));
    EXPECT_TRUE(pageHas(page, "山田 太郎 様"));
    EXPECT_EQ(dayBoxes(page), 29) << "February 2024 is a leap month";
    // The 15th of February 2024 lies in the 丙寅 month; 丙 is 食神 (2) of 甲.
    EXPECT_TRUE(pageHas(page, "【今月の運勢】M20"));
    EXPECT_TRUE(pageHas(page, "【金運】M21"));
    EXPECT_TRUE(pageHas(page, "【愛情運】M22"));
    EXPECT_TRUE(pageHas(page, "29"));
    EXPECT_FALSE(pageHas(page, "30"));
    EXPECT_TRUE(pageHas(page, "青葉鑑定所     TEL 03-1234-5678"));
    // 2024-02-10 is 甲辰: 辰 and 子 are 三合, 辰 and 寅 nothing, 辰 and 午 nothing.
    EXPECT_TRUE(pageHas(page, "甲辰"));
    EXPECT_TRUE(pageHas(page, "日支-発展"));
    content.year = 2100;
    EXPECT_EQ(dayBoxes(composeFortuneCalendar(content, labelledTexts()).pages.at(0)), 28);
}

TEST(FortuneCalendar, TheWholeYearIsTwelvePagesInMonthOrderAndOtherMonthsNone) {
    FortuneCalendarContent content;
    content.chart = {1, 1, 3, 7};
    content.year = 2027;
    content.month = 0;
    const PrintDocument doc = composeFortuneCalendar(content, labelledTexts());
    ASSERT_EQ(doc.pages.size(), 12u);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_TRUE(pageHas(doc.pages[m - 1], fortuneCalendarHeading(2027, m))) << m;
        EXPECT_EQ(dayBoxes(doc.pages[m - 1]), daysInMonth(2027, m)) << m;
        EXPECT_TRUE(pageHasPrefix(doc.pages[m - 1], "この鑑定書は")) << "the maker's notice";
        // Nothing runs off the paper or into the footer.
        for (const PrintItem& item : doc.pages[m - 1].items) {
            EXPECT_LE(item.x + item.width, 200.01);
            EXPECT_LE(item.y + item.height, 290.01);
        }
    }
    content.month = 13;
    EXPECT_TRUE(composeFortuneCalendar(content, labelledTexts()).pages.empty());
    content.month = -1;
    EXPECT_TRUE(composeFortuneCalendar(content, labelledTexts()).pages.empty());
}

TEST(FortuneCalendar, StagedTextsAreCompleteDistinctAndFitTheirCells) {
    auto passages = PassageTable::open(AppPaths(SUIMEI_APP_DIR));
    ASSERT_TRUE(passages);
    const FortuneTexts texts = loadFortuneTexts(*passages);
    std::set<std::string> seen;
    const double cellText = (kCalendarWidth / 7 - 1.6) * kWrapWidthShare;
    auto check = [&](const std::vector<std::string>& lines, std::size_t count, const char* what) {
        EXPECT_EQ(lines.size(), count) << what;
        for (const std::string& line : lines) {
            EXPECT_TRUE(seen.insert(line).second) << "repeated: " << line;
            EXPECT_LE(wrapText(line, cellText, 6).size(), 2u) << line;
        }
    };
    for (int g = 1; g <= 10; ++g) check(texts.byTenGod[g], kDailyTenGodLines, "毎日1");
    for (int b = 1; b <= 12; ++b) check(texts.byBranch[b], kDailyBranchLines, "毎日2");
    for (int g = 1; g <= 10; ++g) {
        for (int w = 0; w < 3; ++w) {
            const std::string& passage = texts.month[g][w];
            EXPECT_FALSE(passage.empty()) << g << " " << w;
            EXPECT_TRUE(seen.insert(passage).second) << passage;
            // Caption and passage within the four lines the page gives each reading.
            EXPECT_LE(
                wrapText("【今月の運勢】" + passage, kCalendarWidth * kWrapWidthShare, 8.5).size(),
                4u)
                << passage;
        }
    }
}

}  // namespace
}  // namespace suimei::print
