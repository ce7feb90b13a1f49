// The Taiwan-style old calendar file: parsing, lookup, notices, the staged starter file, and
// survival of arbitrary bytes.
#include "calendar/taiwan_calendar.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "calendar/old_calendar.h"
#include "calendar/old_calendar_astronomy.h"
#include "core/text_codec.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

void expectDate(const TaiwanTable& table, int y, int m, int d, int month, int day, int leap) {
    const std::optional<TaiwanDate> r = taiwanLookup(table, y, m, d);
    ASSERT_TRUE(r.has_value()) << y << "-" << m << "-" << d;
    EXPECT_EQ(r->lunarMonth, month) << y << "-" << m << "-" << d;
    EXPECT_EQ(r->lunarDay, day) << y << "-" << m << "-" << d;
    EXPECT_EQ(r->leapFlag, leap) << y << "-" << m << "-" << d;
}

TEST(TaiwanFile, RowsCoverConsecutiveDaysAcrossMonthEnds) {
    const TaiwanTable t = parseTaiwanText(
        "1923/11/08,10/01,30,h\r\n"
        "1914/06/23,05/01,30,u\r\n"
        "2000/01/10,12/05,30,h\r\n"
        "2001/02/20,01/01,29,x\r\n"
        "2002/03/01,02/01,29\r\n");
    EXPECT_TRUE(t.skippedLines.empty());
    ASSERT_EQ(t.rows.size(), 5u);
    expectDate(t, 1923, 11, 8, 10, 1, -1);
    expectDate(t, 1923, 11, 30, 10, 23, -1);
    expectDate(t, 1923, 12, 7, 10, 30, -1);
    EXPECT_FALSE(taiwanLookup(t, 1923, 12, 8));
    EXPECT_FALSE(taiwanLookup(t, 1923, 11, 7));
    expectDate(t, 1914, 6, 23, 5, 1, 1);  // "u": leap month
    // A row starting on lunar day 5 runs to its last day 30: 26 days.
    expectDate(t, 2000, 1, 10, 12, 5, -1);
    expectDate(t, 2000, 2, 4, 12, 30, -1);
    EXPECT_FALSE(taiwanLookup(t, 2000, 2, 5));
    expectDate(t, 2001, 3, 20, 1, 29, -1);  // any text but "u" is a normal month
    EXPECT_FALSE(taiwanLookup(t, 2001, 3, 21));
    expectDate(t, 2002, 3, 29, 2, 29, -1);  // missing fourth field: normal month
    EXPECT_FALSE(taiwanLookup(t, 2023, 2, 29)) << "a date that does not exist";
    // Where rows overlap the first one wins.
    const TaiwanTable overlap = parseTaiwanText("1923/11/08,10/01,30,h\n1923/11/01,09/01,30,u\n");
    expectDate(overlap, 1923, 11, 10, 10, 3, -1);
    expectDate(overlap, 1923, 11, 7, 9, 7, 1);
}

TEST(TaiwanFile, MalformedLinesAreSkippedAndCounted) {
    const TaiwanTable t = parseTaiwanText(
        "1923/1/08,10/01,30,h\n"            // 1: digits not at their positions
        "1923/02/30,01/01,30,h\n"           // 2: no such date
        "1923/11/08,13/01,30,h\n"           // 3: lunar month 13
        "1923/11/08,10/00,29,h\n"           // 4: lunar day 0
        "1923/11/08,10/01,31,h\n"           // 5: last day 31
        "\n"                                // 6: empty, ignored
        "1923/11/08,10/01,30,h,extra\n"     // 7: five fields
        "1923/11/08;10/01;30;h\n"           // 8: wrong separators
        "１９２３/11/08,10/01,30,h\n"       // 9: full-width digits
        "  1980/01/18 , 12/01 , 29 , u \n"  // 10: blanks around fields are fine
        "1923-11-08,10/01,30,h\n"           // 11: dashes
        "1923/11/08,10/30,29,h\n");         // 12: first day after the last
    EXPECT_EQ(t.skippedLines, (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 11, 12}));
    ASSERT_EQ(t.rows.size(), 1u);
    expectDate(t, 1980, 1, 18, 12, 1, 1);
}

std::string repeatedRows(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "1923/11/08,10/01,30,h\r\n";
    return text;
}

TEST(TaiwanFile, AtMost500LinesWithTheNotice) {
    testing::TempDir dir;
    const AppPaths paths(dir.path());
    RecordingNotifier n;
    dir.write(kTaiwanFileName, repeatedRows(500));
    TaiwanTable t = loadTaiwanFile(paths, n);
    EXPECT_TRUE(n.empty());
    EXPECT_EQ(t.rows.size(), 500u);
    EXPECT_FALSE(t.truncated);

    dir.write(kTaiwanFileName, repeatedRows(500) + "2001/02/20,01/01,29,h\r\n");
    t = loadTaiwanFile(paths, n);
    ASSERT_EQ(n.notices.size(), 1u);
    EXPECT_EQ(n.notices[0].kind, NoticeKind::Information);
    EXPECT_EQ(n.lastText(), "台湾式暦のデータファイルが５００行を超えています。");
    EXPECT_EQ(t.rows.size(), 500u);
    EXPECT_TRUE(t.truncated);
    EXPECT_FALSE(taiwanLookup(t, 2001, 2, 20)) << "line 501 is not read";
    expectDate(t, 1923, 11, 8, 10, 1, -1);
}

// A mistyped line or an empty file used to be passed over in silence while the answer changed.
TEST(TaiwanFile, UnreadableLinesAndEmptyFilesAreTold) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> told;  // texts each notice must contain, in order
        std::size_t rows;
    };
    const Case cases[] = {
        {"a letter O for a zero",
         "1923/11/08,10/01,30,h\r\n1923/12/O8,11/01,29,h\r\n1924/01/06,12/01,30,h\r\n",
         {"2行目: 1923/12/O8,11/01,29,h"},
         2},
        {"two bad lines, numbered",
         "x\r\n1923/11/08,10/01,30,h\r\n\r\n1923/11/08,13/01,30,h\r\n",
         {"1行目: x\n4行目: 1923/11/08,13/01,30,h"},
         1},
        {"an empty file", "", {"使える月がありません"}, 0},
        {"nothing readable", "garbage\r\n", {"1行目: garbage", "使える月がありません"}, 0},
        {"all well", "1923/11/08,10/01,30,h\r\n", {}, 1},
    };
    for (const Case& c : cases) {
        testing::TempDir dir;
        dir.write("QrekiTaiwan.txt", *utf8ToCp932(c.text));
        RecordingNotifier n;
        const TaiwanTable t = loadTaiwanFile(AppPaths(dir.path()), n);
        EXPECT_EQ(t.rows.size(), c.rows) << c.name;
        ASSERT_EQ(n.notices.size(), c.told.size()) << c.name;
        for (std::size_t i = 0; i < c.told.size(); ++i) {
            EXPECT_NE(n.notices[i].text.find(c.told[i]), std::string::npos)
                << c.name << ": " << n.notices[i].text;
        }
    }
}

TEST(TaiwanFile, MissingFileGivesItsNoticeAndAnEmptyTable) {
    testing::TempDir dir;
    RecordingNotifier n;
    const TaiwanTable t = loadTaiwanFile(AppPaths(dir.path()), n);
    ASSERT_EQ(n.notices.size(), 1u);
    EXPECT_EQ(n.notices[0].kind, NoticeKind::Information);
    EXPECT_EQ(n.lastText(), "QrekiTaiwan.txt ファイルが見つかりません!!");
    EXPECT_FALSE(t.fileFound);
    EXPECT_TRUE(t.rows.empty());
}

TEST(TaiwanFile, EncodingsCp932Utf8WithBomAndBrokenBytes) {
    const std::string row = "1923/11/08,10/01,30,h\r\n";
    const std::string cp932 = *utf8ToCp932("平月ならｈ\r\n" + row);
    TaiwanTable t = parseTaiwanBytes(cp932);
    EXPECT_EQ(t.skippedLines, std::vector<int>{1});
    EXPECT_EQ(t.rows.size(), 1u);
    t = parseTaiwanBytes("\xEF\xBB\xBF" + row + "閏月\r\n");
    EXPECT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.skippedLines, std::vector<int>{2});
    // Bytes that are no text at all in line 2 and a lone lead byte at the end: the good lines
    // still count.
    t = parseTaiwanBytes(row + std::string("\x81\xFF\x00\x80\r\n", 6) + row + "\x82");
    EXPECT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.skippedLines, (std::vector<int>{2, 4}));
}

TEST(TaiwanVariant, ListedDatesTakeTheFileAndOthersKeepTheJapaneseResult) {
    // 1966: the new moon of 01-22 00:46 JST is still 01-21 at 120°E, so the Taiwan 1st month
    // begins on 01-21, when the Japanese calendar is on the last day of its 12th month.
    TQrekiMod q;
    q.setTaiwanTable(parseTaiwanText("1966/01/21,01/01,30,h\n"));
    const OldCalendarDate japanese = q.convertToOldCalendar(1966, 1, 21);
    EXPECT_EQ(japanese.lunarMonth, 12);
    EXPECT_EQ(japanese.lunarYear, 1965);
    const OldCalendarDate taiwan = q.convertToOldCalendar(1966, 1, 21, OldCalendarVariant::Taiwan);
    EXPECT_EQ(taiwan.lunarMonth, 1);
    EXPECT_EQ(taiwan.lunarDay, 1);
    EXPECT_EQ(taiwan.leapFlag, -1);
    EXPECT_EQ(taiwan.lunarYear, 1966);
    EXPECT_EQ(taiwan.rokuyoName, "先勝");
    EXPECT_EQ(taiwan.mansion27, 24);
    EXPECT_EQ(taiwan.dayKanshiName, japanese.dayKanshiName);
    const OldCalendarDate second = q.convertToOldCalendar(1966, 1, 22, OldCalendarVariant::Taiwan);
    EXPECT_EQ(second.lunarDay, 2);
    const OldCalendarDate unlisted = q.convertToOldCalendar(1966, 6, 1, OldCalendarVariant::Taiwan);
    const OldCalendarDate plain = q.convertToOldCalendar(1966, 6, 1);
    EXPECT_EQ(unlisted.lunarMonth, plain.lunarMonth);
    EXPECT_EQ(unlisted.lunarDay, plain.lunarDay);
    EXPECT_EQ(unlisted.leapFlag, plain.leapFlag);
}

TEST(TaiwanVariant, StagedStarterFileIsCp932WithCrlfAndReadsCleanly) {
    const AppPaths paths(SUIMEI_APP_DIR);
    const std::optional<std::string> bytes = readFileBytes(paths.file(kTaiwanFileName));
    ASSERT_TRUE(bytes.has_value()) << "QrekiTaiwan.txt is not staged in " << SUIMEI_APP_DIR;
    std::size_t lineEnds = 0, crlf = 0;
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        if ((*bytes)[i] != '\n') continue;
        ++lineEnds;
        if (i > 0 && (*bytes)[i - 1] == '\r') ++crlf;
    }
    EXPECT_GT(lineEnds, 10u);
    EXPECT_EQ(crlf, lineEnds) << "every line ends in CRLF";
    RecordingNotifier n;
    TQrekiMod q;
    q.loadTaiwanFile(paths, n);
    EXPECT_TRUE(n.empty());
    EXPECT_TRUE(q.taiwanTable().skippedLines.empty());
    EXPECT_GT(q.taiwanTable().rows.size(), 10u);
    EXPECT_LE(q.taiwanTable().rows.size(), 500u);
    const std::optional<TaiwanDate> example = q.taiwanLookup(1923, 11, 8);
    ASSERT_TRUE(example.has_value());
    EXPECT_EQ(example->lunarMonth, 10);
    // Every row starts a month one day before the Japanese reckoning does: on the next day the
    // conversion is on day 1 of the same month.
    for (const TaiwanMonthRow& row : q.taiwanTable().rows) {
        const double next = qreki::dayNumber(row.startYear, row.startMonth, row.startDay) + 1;
        const qreki::CivilMoment c = qreki::dateFromDayNumber(next);
        const OldCalendarDate japanese = q.convertToOldCalendar(c.year, c.month, c.day);
        EXPECT_EQ(japanese.lunarDay, 1) << row.startYear << "/" << row.startMonth;
        EXPECT_EQ(japanese.lunarMonth, row.lunarMonth) << row.startYear << "/" << row.startMonth;
        EXPECT_EQ(japanese.leapFlag, row.leapFlag) << row.startYear << "/" << row.startMonth;
    }
}

// Mutates a file at random: flipped, inserted and deleted bytes, extra line ends and field
// separators, and truncation.
std::string mutate(std::string bytes, std::mt19937& rng) {
    static const char kSpecial[] = {'\r', '\n',   ',',    '/',    '0',    '9',    'u',    ' ',
                                    '\0', '\x81', '\x9F', '\xE0', '\xEF', '\xBB', '\xBF', '\xFF'};
    const int edits = static_cast<int>(rng() % 8) + 1;
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = bytes.empty() ? 0 : rng() % bytes.size();
        const char c = rng() % 2 ? kSpecial[rng() % sizeof kSpecial] : static_cast<char>(rng());
        switch (rng() % 4) {
            case 0:
                if (!bytes.empty()) bytes[at] = c;
                break;
            case 1:
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), c);
                break;
            case 2:
                if (!bytes.empty()) bytes.erase(at, 1 + rng() % 4);
                break;
            default:
                bytes.resize(at);
                break;
        }
    }
    return bytes;
}

TEST(TaiwanFile, ThousandsOfMutatedAndTruncatedFilesFailOrSucceedCleanly) {
    std::string seed = "\xEF\xBB\xBF";
    seed += "1923/11/08,10/01,30,h\r\n1914/06/23,05/01,30,u\r\n2000/01/10,12/05,30,h\r\n";
    const std::string cp932 = *utf8ToCp932("平月,閏月\r\n1966/01/21,01/01,30,h\r\n");
    std::mt19937 rng(20240601u);
    testing::TempDir dir;
    const AppPaths paths(dir.path());
    int rowsSeen = 0;
    for (int i = 0; i < 4000; ++i) {
        std::string bytes = mutate(i % 2 ? seed : cp932, rng);
        if (i % 97 == 0) bytes = repeatedRows(400) + bytes + repeatedRows(150);
        TaiwanTable t;
        if (i % 10 == 0) {
            dir.write(kTaiwanFileName, bytes);
            RecordingNotifier n;
            t = loadTaiwanFile(paths, n);
            // The file's length, its unreadable lines and an empty file are each told once.
            const std::size_t expected = (t.truncated ? 1u : 0u) +
                                         (t.skippedLines.empty() ? 0u : 1u) +
                                         (t.rows.empty() ? 1u : 0u);
            ASSERT_EQ(n.notices.size(), expected);
            if (t.truncated) {
                ASSERT_EQ(n.notices[0].text, kTaiwanFileTooLongMessage);
            }
        } else {
            t = parseTaiwanBytes(bytes);
        }
        ASSERT_LE(t.rows.size() + t.skippedLines.size(), 500u);
        for (const TaiwanMonthRow& row : t.rows) {
            ASSERT_GE(row.lunarMonth, 1);
            ASSERT_LE(row.lunarMonth, 12);
            ASSERT_GE(row.firstLunarDay, 1);
            ASSERT_LE(row.firstLunarDay, row.lastLunarDay);
            ASSERT_TRUE(row.lastLunarDay == 29 || row.lastLunarDay == 30);
            ASSERT_TRUE(row.leapFlag == 1 || row.leapFlag == -1);
        }
        for (const auto& [y, m, d] : {std::tuple{1923, 11, 20}, {2000, 1, 31}, {1966, 1, 21}}) {
            if (const auto r = taiwanLookup(t, y, m, d)) {
                ASSERT_GE(r->lunarDay, 1);
                ASSERT_LE(r->lunarDay, 30);
            }
        }
        rowsSeen += static_cast<int>(t.rows.size());
    }
    EXPECT_GT(rowsSeen, 0) << "some mutated files must still hold good rows";
}

}  // namespace
}  // namespace suimei
