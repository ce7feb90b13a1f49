#include "calendar/perpetual_calendar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/notifier.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

using testing::TempDir;

// Hand-made files for 1983..1985. 1984 carries the real month pillars (1984 is 甲子, February 丙寅)
// and day pillars (2000-01-01 is 戊午, so 1984-01-01 is 甲午, counted 5844 days back); entry days
// and periods are plausible values chosen for the tests. Its February entry is on the 4th in the
// 亥 period, the last one an entry can fall in.
std::vector<std::string> lines1984() {
    return {
        "S59:1-1",                           // 昭和59 甲子
        "2-2:6:7:31",    "1-7:11/29-30,29",  // Jan 乙丑, 1st 甲午
        "3-3:4:12:29",   "2-2:1/1-29,30",    // Feb 丙寅, 1st 乙丑
        "4-4:5:7:31",    "1-7:1/29-30,30",   // Mar 丁卯, 1st 甲午
        "5-5:4:9:30",    "2-2:3/1-30,29",    // Apr 戊辰, 1st 乙丑
        "6-6:5:4:31",    "2-8:4/1-29,30",    // May 己巳, 1st 乙未
        "7-7:5:8:30",    "3-3:5/2-30,29",    // Jun 庚午, 1st 丙寅
        "8-8:7:1:31",    "3-9:6/3-29,30",    // Jul 辛未, 1st 丙申
        "9-9:7:11:31",   "4-4:7/5-30,29",    // Aug 壬申, 1st 丁卯
        "10-10:7:12:30", "5-11:8/6-29,30",   // Sep 癸酉, 1st 戊戌
        "1-11:8:4:31",   "5-5:9/7-30,29",    // Oct 甲戌, 1st 戊辰
        "2-12:7:6:30",   "6-12:10/8-29,30",  // Nov 乙亥, 1st 己亥
        "3-1:7:1:31",    "6-6:10/9-30,29",   // Dec 丙子 (entry in 子), 1st 己巳
    };
}

// A sound year of the given year stem (not a leap year): month pillars from February's 寅 month
// of the year stem on, January entering on the 6th in the 巳 period, December on the 8th in the 辰
// period, the others on the 5th; the 1st of January is 甲子. For 癸 years December is 甲子.
std::vector<std::string> plainYear(const std::string& yearLine, int yearStem) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // 甲己 years open with 丙寅, 乙庚 戊寅, 丙辛 庚寅, 丁壬 壬寅, 戊癸 甲寅.
    const int februaryStem = (yearStem - 1) % 5 * 2 + 3;
    std::vector<std::string> lines = {yearLine};
    int dayStem = 1, dayBranch = 1;
    for (int m = 1; m <= 12; ++m) {
        const int stem = (februaryStem - 1 + m - 2 + 10) % 10 + 1;
        const int branch = m % 12 + 1;
        const int entryDay = m == 12 ? 8 : m == 1 ? 6 : 5;
        const int entryBranch = m == 1 ? 6 : 5;
        const int days = lengths[m - 1];
        lines.push_back(std::to_string(stem) + "-" + std::to_string(branch) + ":" +
                        std::to_string(entryDay) + ":" + std::to_string(entryBranch) + ":" +
                        std::to_string(days));
        lines.push_back(std::to_string(dayStem) + "-" + std::to_string(dayBranch) + ":1/1-30,29");
        dayStem = (dayStem - 1 + days) % 10 + 1;
        dayBranch = (dayBranch - 1 + days) % 12 + 1;
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines, const std::string& ending = "\r\n") {
    std::string text;
    for (const auto& l : lines) text += l + ending;
    return text;
}

struct Calendar {
    TempDir dir;
    Treki treki;
    RecordingNotifier notes;

    void write(int year, const std::vector<std::string>& lines) {
        dir.write(std::to_string(year) + ".eto", joined(lines));
    }
    void writeDefault() {
        write(1983, plainYear("S58:10-12", 10));  // 癸亥
        write(1984, lines1984());
        write(1985, plainYear("S60:2-2", 2));  // 乙丑
    }
    int load(int year) { return treki.loadYearFiles(year, dir.path(), notes); }
    BirthPillars lookup(int month, int day, int timeIndex) {
        BirthPillars p;
        EXPECT_TRUE(treki.lookupBirthPillars(month, day, timeIndex, p))
            << month << "/" << day << " t" << timeIndex;
        return p;
    }
    std::string path(int year) const {
        return (dir.path() / (std::to_string(year) + ".eto")).string();
    }
};

constexpr Pillar P(int stem, int branch) {
    return {static_cast<Stem>(stem), static_cast<Branch>(branch)};
}

TEST(PerpetualCalendarLookup, JanuaryBeforeAndAfterItsEntry) {
    Calendar c;
    c.writeDefault();
    ASSERT_EQ(c.load(1984), 0);
    EXPECT_TRUE(c.notes.empty());

    // Before 小寒 the month is the previous December's, and January always keeps last year's
    // pillar.
    BirthPillars before = c.lookup(1, 5, 4);
    EXPECT_EQ(before.month, P(1, 1)) << "1983 December 甲子";
    EXPECT_EQ(before.year, P(10, 12)) << "癸亥";
    EXPECT_EQ(before.day, P(5, 11)) << "甲午 + 4 = 戊戌";

    BirthPillars after = c.lookup(1, 10, 4);
    EXPECT_EQ(after.month, P(2, 2)) << "乙丑";
    EXPECT_EQ(after.year, P(10, 12));
    EXPECT_EQ(after.day, P(10, 4)) << "甲午 + 9 = 癸卯";

    // Entry day, entry in 午 (7): up to the 午 period (index 6) still before.
    EXPECT_EQ(c.lookup(1, 6, 6).month, P(1, 1));
    EXPECT_EQ(c.lookup(1, 6, 7).month, P(2, 2));
}

TEST(PerpetualCalendarLookup, FebruaryEntryDayDecidesByTwoHourPeriod) {
    Calendar c;
    c.writeDefault();
    ASSERT_EQ(c.load(1984), 0);

    // Entry on the 4th in 亥 (12): 21:00-23:00 (index 11) is the entry's own period, still before.
    BirthPillars own = c.lookup(2, 4, 11);
    EXPECT_EQ(own.year, P(10, 12)) << "still 癸亥";
    EXPECT_EQ(own.month, P(2, 2)) << "still January's 乙丑";
    EXPECT_EQ(own.day, P(5, 5)) << "乙丑 + 3 = 戊辰";

    // 23:00-00:00 and an unknown time count as after even against the last possible period.
    BirthPillars late = c.lookup(2, 4, 12);
    EXPECT_EQ(late.year, P(1, 1));
    EXPECT_EQ(late.month, P(3, 3));
    EXPECT_EQ(late.day, P(5, 5)) << "the day stays the date's day";
    EXPECT_EQ(late.hour, P(1, 1)) << "戊 day at 23:00 takes the next day's 甲子";

    BirthPillars unknown = c.lookup(2, 4, 13);
    EXPECT_EQ(unknown.year, P(1, 1));
    EXPECT_EQ(unknown.month, P(3, 3));
    EXPECT_EQ(unknown.hour, P(0, 0));

    EXPECT_EQ(c.lookup(2, 3, 12).year, P(10, 12)) << "the day before the entry";
    EXPECT_EQ(c.lookup(2, 5, 0).year, P(1, 1)) << "the day after the entry";
}

TEST(PerpetualCalendarLookup, OtherMonthsStepBackWithinTheBirthYear) {
    Calendar c;
    c.writeDefault();
    ASSERT_EQ(c.load(1984), 0);
    BirthPillars march = c.lookup(3, 3, 0);
    EXPECT_EQ(march.month, P(3, 3)) << "before 啓蟄: February's 丙寅";
    EXPECT_EQ(march.year, P(1, 1));
    EXPECT_EQ(c.lookup(3, 5, 7).month, P(4, 4));

    // December's entry falls in 子 (1): only 00:00-01:00 on the 7th is before it.
    EXPECT_EQ(c.lookup(12, 7, 0).month, P(2, 12)) << "乙亥";
    EXPECT_EQ(c.lookup(12, 7, 1).month, P(3, 1)) << "丙子";
}

TEST(PerpetualCalendarLookup, DayPillarStopsAfterTheMonthsDayCount) {
    Calendar c;
    c.writeDefault();
    ASSERT_EQ(c.load(1984), 0);
    // February 1984 has 29 days from 乙丑 (2): the 29th is 癸巳, the 30th is 乙丑 + 29 = 甲午, and
    // anything later stops there.
    EXPECT_EQ(c.lookup(2, 29, 0).day, P(10, 6));
    EXPECT_EQ(c.lookup(2, 30, 0).day, P(1, 7));
    EXPECT_EQ(c.lookup(2, 31, 0).day, P(1, 7));
    EXPECT_EQ(c.lookup(2, 1000000, 0).day, P(1, 7));
    // December 31st: 己巳 (6) + 30 = 己亥 (36).
    EXPECT_EQ(c.lookup(12, 31, 0).day, P(6, 12));
}

TEST(PerpetualCalendarLookup, HourPillarFollowsTheDayStem) {
    Calendar c;
    c.writeDefault();
    ASSERT_EQ(c.load(1984), 0);
    // 1984-01-10 is a 癸 day: 戊癸 start at 壬子.
    EXPECT_EQ(c.lookup(1, 10, 0).hour, P(9, 1));
    EXPECT_EQ(c.lookup(1, 10, 1).hour, P(10, 2)) << "癸丑";
    EXPECT_EQ(c.lookup(1, 10, 11).hour, P(10, 12)) << "癸亥";
    EXPECT_EQ(c.lookup(1, 10, 12).hour, P(1, 1)) << "next day's 甲子";
    // 1984-01-11 is a 甲 day: 甲己 start at 甲子, and 23:00 gives 丙子.
    EXPECT_EQ(c.lookup(1, 11, 0).hour, P(1, 1));
    EXPECT_EQ(c.lookup(1, 11, 12).hour, P(3, 1));
}

TEST(PerpetualCalendarLookup, RefusesArgumentsOutOfRange) {
    Calendar c;
    c.writeDefault();
    ASSERT_EQ(c.load(1984), 0);
    const BirthPillars sentinel{P(9, 9), P(9, 9), P(9, 9), P(9, 9)};
    for (const auto& [m, d, t] : std::vector<std::array<int, 3>>{
             {0, 1, 0}, {13, 1, 0}, {3, 0, 0}, {3, 1, -1}, {3, 1, 14}}) {
        BirthPillars out = sentinel;
        EXPECT_FALSE(c.treki.lookupBirthPillars(m, d, t, out)) << m << "/" << d << " t" << t;
        EXPECT_EQ(out, sentinel);
    }
}

TEST(PerpetualCalendarLoad, NeedsTheFollowingYearsFile) {
    Calendar c;
    c.write(1983, plainYear("S58:10-12", 10));
    c.write(1984, lines1984());
    EXPECT_EQ(c.load(1984), -1);
    ASSERT_EQ(c.notes.notices.size(), 1u);
    EXPECT_EQ(c.notes.notices[0].kind, NoticeKind::Information);
    EXPECT_EQ(c.notes.lastText(), "万暦データファイル：" + c.path(1985) + "not found ?");
    // The slots read before the failure keep their values, but nothing may be looked up.
    EXPECT_EQ(c.treki.slotFileYear(1), 1983);
    EXPECT_EQ(c.treki.slotFileYear(2), 1984);
    EXPECT_EQ(c.treki.slot(2).yearStem, 1);
    EXPECT_EQ(c.treki.loadedYear(), 0);
    BirthPillars out{P(9, 9), {}, {}, {}};
    EXPECT_FALSE(c.treki.lookupBirthPillars(3, 10, 0, out));
    EXPECT_EQ(out.year, P(9, 9));
}

TEST(PerpetualCalendarLoad, FailedSlotKeepsItsEarlierYearAndBlocksTheLookup) {
    Calendar c;
    c.writeDefault();
    c.write(1986, plainYear("S61:3-3", 3));
    ASSERT_EQ(c.load(1984), 0);
    std::vector<std::string> broken = plainYear("S61:3-3", 3);
    broken[24] = "1-1:1/1-30";  // December day line without ","
    c.write(1986, broken);
    EXPECT_EQ(c.load(1985), -1);
    EXPECT_EQ(c.notes.lastText(), "日データ異常 区切４(,) err");
    EXPECT_EQ(c.treki.slotFileYear(1), 1984) << "loaded before the failure";
    EXPECT_EQ(c.treki.slotFileYear(2), 1985);
    EXPECT_EQ(c.treki.slotFileYear(3), 1985) << "never half-written: still the earlier file";
    EXPECT_EQ(c.treki.slot(3).yearStem, 2) << "1985 乙丑, not 1986 丙寅";
    BirthPillars out;
    EXPECT_FALSE(c.treki.lookupBirthPillars(6, 1, 0, out));
    // A later good load makes the store usable again.
    c.notes.notices.clear();
    EXPECT_EQ(c.load(1984), 0);
    EXPECT_TRUE(c.treki.lookupBirthPillars(6, 1, 0, out));
}

TEST(PerpetualCalendarLoad, BirthYearsUpTo1921ReadOnlyTheirOwnAndTheNextYear) {
    Calendar c;
    c.write(1921, plainYear("T10:8-10", 8));  // 辛酉
    c.write(1922, plainYear("T11:9-11", 9));  // 壬戌
    EXPECT_EQ(c.load(1921), 0) << "no 1920.eto needed";
    EXPECT_TRUE(c.notes.empty());
    EXPECT_EQ(c.treki.slotFileYear(1), 0);
    BirthPillars out;
    EXPECT_TRUE(c.treki.lookupBirthPillars(6, 1, 0, out));
    EXPECT_EQ(out.year, P(8, 10));
    // January would need 1920's pillars, which this load never read.
    EXPECT_FALSE(c.treki.lookupBirthPillars(1, 10, 0, out));

    // 1922 already needs 1921, and 1923.
    EXPECT_EQ(c.load(1922), -1);
    EXPECT_EQ(c.notes.lastText(), "万暦データファイル：" + c.path(1923) + "not found ?");
    c.write(1923, plainYear("T12:10-12", 10));
    c.notes.notices.clear();
    ASSERT_EQ(c.load(1922), 0);
    // 1922-01-10 is after January's entry (6th): 1922's January month (辛丑), 1921's year pillar.
    EXPECT_EQ(c.lookup(1, 10, 4).year, P(8, 10));
    EXPECT_EQ(c.lookup(1, 10, 4).month, P(8, 2));
    EXPECT_EQ(c.lookup(1, 5, 4).month, P(7, 1)) << "1921 December, 庚子";
}

TEST(PerpetualCalendarLoad, AcceptsLineEndingsAndABom) {
    Calendar c;
    c.writeDefault();
    c.dir.write("1984.eto", "\xEF\xBB\xBF" + joined(lines1984(), "\n") + "\n\n");
    c.dir.write("1985.eto", joined(plainYear("S60:2-2", 2), "\r"));
    EXPECT_EQ(c.load(1984), 0) << c.notes.lastText();
    EXPECT_EQ(c.treki.slot(2).eraName, "昭和");
    EXPECT_EQ(c.treki.slot(2).eraYear, 59);
    EXPECT_EQ(c.treki.slot(3).yearBranch, 2);
}

TEST(PerpetualCalendarFormat, WritesTheFileItReadsBack) {
    RecordingNotifier notes;
    EtoYear y;
    ASSERT_EQ(parseEtoFile(joined(lines1984()), 2, "1984.eto", y, notes), 0);
    EXPECT_EQ(y.eraName, "昭和");
    EXPECT_EQ(y.months[2], (EtoMonth{3, 3, 4, 12, 29}));
    EXPECT_EQ(y.days[1], (EtoDayLine{1, 7, 11, 29, 30, 29}));
    EXPECT_EQ(formatEtoFile(y), joined(lines1984()));

    for (const char letter : {'M', 'T', 'S', 'H'}) {
        y.eraName = std::string(eraNameOfLetter(letter));
        y.eraYear = 112;
        EtoYear back;
        ASSERT_EQ(parseEtoFile(formatEtoFile(y), 2, "x.eto", back, notes), 0) << notes.lastText();
        EXPECT_EQ(back, y);
    }
    EXPECT_EQ(eraLetterOf("令和"), 0);
}

// Every fault of a file gives its own notice, exactly one, and the output stays as it was.
struct FaultCase {
    const char* name;
    std::size_t line;  // 0 = year line, 1 = January month line, 2 = January day line
    const char* text;
    std::string message;  // "{line}" stands for the faulty line, "{path}" for the file
};

class PerpetualCalendarFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(PerpetualCalendarFaults, ShowsItsMessage) {
    const FaultCase& f = GetParam();
    std::vector<std::string> lines = lines1984();
    lines[f.line] = f.text;
    std::string expected = f.message;
    for (const auto& [key, value] :
         {std::pair<std::string, std::string>{"{line}", f.text}, {"{path}", "/d/1984.eto"}}) {
        if (const auto at = expected.find(key); at != std::string::npos) {
            expected.replace(at, key.size(), value);
        }
    }
    RecordingNotifier notes;
    EtoYear out;
    out.eraYear = 777;
    EXPECT_EQ(parseEtoFile(joined(lines), 2, "/d/1984.eto", out, notes), -1);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].kind, NoticeKind::Information);
    EXPECT_EQ(notes.lastText(), expected);
    EXPECT_EQ(out.eraYear, 777);
    EXPECT_EQ(out.months[1].monthStem, 0);
}

const FaultCase kFaults[] = {
    {"era_R", 0, "R1:1-1", "年データ異常 年号 err： R"},
    {"era_lower_s", 0, "s59:1-1", "年データ異常 年号 err： s"},
    {"era_fullwidth_S", 0,
     "\x82\x72"
     "59:1-1",
     "年データ異常 年号 err： Ｓ"},
    {"year_no_colon", 0, "S59;1-1", "年データ異常 区切１(:) err"},
    {"year_no_dash", 0, "S59:1", "年データ異常 区切干支(-) err"},
    {"year_stem_0", 0, "S59:0-1", "年データ異常 １０干 err： 0"},
    {"year_stem_11", 0, "S59:11-1", "年データ異常 １０干 err： 11"},
    {"year_branch_13", 0, "S59:1-13", "年データ異常 １２支 err： 13"},
    {"year_empty", 0, "", "年データ異常 １行目が空です err： {path}"},
    {"month_no_colon", 1, "2-2;6;7;31", "{line}月データ異常 区切１(:) err"},
    {"month_dash_after_colon", 1, "22:6-7:31", "{line}月データ異常 区切干支(-) err"},
    {"month_stem_11", 1, "11-2:6:7:31", "{line}月データ異常 １０干 err： 11"},
    {"month_branch_0", 1, "2-0:6:7:31", "{line}月データ異常 １２支 err： 0"},
    {"month_no_second_colon", 1, "2-2:6", "{line}月データ異常 区切２(:) err"},
    {"month_entry_branch_13", 1, "2-2:6:13:31", "{line}月データ異常 月始め１２支 err： 13"},
    {"month_no_third_colon", 1, "2-2:6:7", "'' は有効な整数値ではありません"},
    {"day_no_colon", 2, "1-7;11/29-30,29", "日データ異常 区切１(:) err"},
    {"day_dash_after_colon", 2, "17:11/29-30,29", "日データ異常 区切干支(-) err"},
    {"day_stem_0", 2, "0-7:11/29-30,29", "{line} Yno : 2 日データ異常 １０干 err： 0"},
    {"day_branch_13", 2, "1-13:11/29-30,29", "{line}Yno : 2日データ異常 １２支 err： 13"},
    {"day_no_slash", 2, "1-7:11-29,30", "日データ異常 区切２(/) err"},
    {"day_no_dash_after_slash", 2, "1-7:11/29,30", "日データ異常 区切３(-) err"},
    {"day_no_comma", 2, "1-7:11/29-30", "日データ異常 区切４(,) err"},
    {"era_year_not_a_number", 0, "S5x:1-1", "'5x' は有効な整数値ではありません"},
    {"era_year_empty", 0, "S:1-1", "'' は有効な整数値ではありません"},
    {"stem_overflow", 0, "S59:99999999999999999999-1",
     "'99999999999999999999' は有効な整数値ではありません"},
    {"int_overflow_by_one", 1, "2-2:2147483648:7:31", "'2147483648' は有効な整数値ではありません"},
    {"sign", 1, "2-2:+6:7:31", "'+6' は有効な整数値ではありません"},
    {"space", 1, "2-2: 6:7:31", "' 6' は有効な整数値ではありません"},
    {"day_count_tail", 1, "2-2:6:7:31:1", "'31:1' は有効な整数値ではありません"},
    {"next_old_month_empty", 2, "1-7:11/29-30,", "'' は有効な整数値ではありません"},
};

INSTANTIATE_TEST_SUITE_P(AllMessages, PerpetualCalendarFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PerpetualCalendarFaultOrder, YearThenMonthLinesThenDayLines) {
    std::vector<std::string> lines = lines1984();
    lines[2] = "1-7:11/29-30";  // January day line broken
    lines[23] = "3-1:7";        // December month line broken
    RecordingNotifier notes;
    EtoYear out;
    EXPECT_EQ(parseEtoFile(joined(lines), 2, "x", out, notes), -1);
    EXPECT_EQ(notes.lastText(), "3-1:7月データ異常 区切２(:) err");
}

TEST(PerpetualCalendarFaultOrder, MissingAndSurplusPairs) {
    RecordingNotifier notes;
    EtoYear out;
    std::vector<std::string> lines = lines1984();
    lines.resize(5);  // January and February only
    EXPECT_EQ(parseEtoFile(joined(lines), 2, "x", out, notes), -1);
    EXPECT_EQ(notes.lastText(), "月データ異常 区切１(:) err") << "March's line is empty";

    lines = lines1984();
    lines.push_back("3-1:7:1:31");
    lines.push_back("6-6:10/9-30,29");
    notes.notices.clear();
    EXPECT_EQ(parseEtoFile(joined(lines), 2, "/d/1984.eto", out, notes), -1);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.lastText(),
              "万暦データファイル：/d/1984.eto 月データ・日データが１２か月分を超えています");
}

TEST(PerpetualCalendarFaultOrder, DayMessagesNameTheSlot) {
    Calendar c;
    c.writeDefault();
    std::vector<std::string> next = plainYear("S60:2-2", 2);
    next[6] = "1-0:1/1-30,29";  // March day line of the year after
    c.write(1985, next);
    EXPECT_EQ(c.load(1984), -1);
    EXPECT_EQ(c.notes.lastText(), "1-0:1/1-30,29Yno : 3日データ異常 １２支 err： 0");
}

// Files that are well formed line by line but not as a year: each is refused with the message of
// the line where the year stops making sense, instead of giving wrong pillars.
TEST(PerpetualCalendarLoad, MonthsAndDaysMustFollowOneAnotherThroughTheYear) {
    struct Case {
        const char* name;
        void (*edit)(std::vector<std::string>&);
        const char* message;
    };
    const Case cases[] = {
        {"March and November month lines swapped",
         [](std::vector<std::string>& l) { std::swap(l[5], l[21]); },
         "2-12:7:6:30月データ異常 月柱の順 err： 2-12"},
        {"February not the 寅 month of the year stem",
         [](std::vector<std::string>& l) { l[0] = "S59:2-1"; },
         "3-3:4:12:29月データ異常 月柱の順 err： 3-3"},
        {"entry day after the month's end",
         [](std::vector<std::string>& l) { l[7] = "5-5:31:9:30"; },
         "5-5:31:9:30月データ異常 節入り日 err： 31"},
        {"entry day 0", [](std::vector<std::string>& l) { l[1] = "2-2:0:7:31"; },
         "2-2:0:7:31月データ異常 節入り日 err： 0"},
        {"April with 31 days", [](std::vector<std::string>& l) { l[7] = "5-5:4:9:31"; },
         "5-5:4:9:31月データ異常 日数 err： 31"},
        {"June and July day lines swapped",
         [](std::vector<std::string>& l) { std::swap(l[12], l[14]); },
         "3-9:6/3-29,30Yno : 2日データ異常 日柱の順 err： 3-9"},
    };
    for (const Case& c : cases) {
        Calendar cal;
        cal.writeDefault();
        std::vector<std::string> lines = lines1984();
        c.edit(lines);
        cal.write(1984, lines);
        EXPECT_EQ(cal.load(1984), -1) << c.name;
        ASSERT_EQ(cal.notes.notices.size(), 1u) << c.name;
        EXPECT_EQ(cal.notes.lastText(), c.message) << c.name;
        BirthPillars p;
        EXPECT_FALSE(cal.treki.lookupBirthPillars(3, 10, 0, p)) << c.name;
    }
}

}  // namespace
}  // namespace suimei
