// The natal boards, the future reading by the meeting method and its memo, worked by hand from
// the board rule (the star at position p is F(p) + c − 5 wrapped into 1..9) and from the published
// year and month stars (2025 二黒, March 2025 一白; 2022 and August 2022 五黄).

#include "methods/nine_star_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "chart/mandata.h"
#include "methods/nine_star.h"
#include "readings/passage_table.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

using Lines = std::vector<std::string>;

TEST(NineStarReading, BoardsOfEveryCentre) {
    // Positions 巽 離 坤 震 中央 兌 艮 坎 乾, worked by hand from the fixed stars 4 9 2 3 5 7 8
    // 1 6.
    const int boards[10][9] = {{},
                               {9, 5, 7, 8, 1, 3, 4, 6, 2},
                               {1, 6, 8, 9, 2, 4, 5, 7, 3},
                               {2, 7, 9, 1, 3, 5, 6, 8, 4},
                               {3, 8, 1, 2, 4, 6, 7, 9, 5},
                               {4, 9, 2, 3, 5, 7, 8, 1, 6},
                               {5, 1, 3, 4, 6, 8, 9, 2, 7},
                               {6, 2, 4, 5, 7, 9, 1, 3, 8},
                               {7, 3, 5, 6, 8, 1, 2, 4, 9},
                               {8, 4, 6, 7, 9, 2, 3, 5, 1}};
    for (int c = 1; c <= 9; ++c) {
        const NineStarBoard board = nineStarBoard(c);
        EXPECT_EQ(board[0], 0);
        for (int p = 1; p <= 9; ++p) EXPECT_EQ(board[p], boards[c][p - 1]) << c << "/" << p;
    }
    EXPECT_EQ(nineStarBoard(0), NineStarBoard{});
    EXPECT_EQ(nineStarBoard(10), NineStarBoard{});
}

TEST(NineStarReading, BranchLabelsStandBesideTheSquareOfTheirDirection) {
    EXPECT_EQ(boardSquareCell(1), (BoardCell{1, 1}));  // 巽 top left
    EXPECT_EQ(boardSquareCell(8), (BoardCell{3, 2}));  // 坎 bottom centre
    EXPECT_EQ(boardSquareCell(0), BoardCell{});
    EXPECT_EQ(branchLabelCell(7), (BoardCell{0, 2}));   // 午 above 離 (South on top)
    EXPECT_EQ(branchLabelCell(1), (BoardCell{4, 2}));   // 子 below 坎
    EXPECT_EQ(branchLabelCell(4), (BoardCell{2, 0}));   // 卯 left of 震 (East on the left)
    EXPECT_EQ(branchLabelCell(10), (BoardCell{2, 4}));  // 酉 right of 兌
    EXPECT_EQ(branchLabelCell(13), BoardCell{});
    // Every label touches the square of its branch's direction and no two share a cell.
    for (int b = 1; b <= 12; ++b) {
        const BoardCell label = branchLabelCell(b);
        const BoardCell square = boardSquareCell(branchPosition(b));
        EXPECT_EQ(std::abs(label.row - square.row) + std::abs(label.column - square.column), 1)
            << b;
        for (int o = 1; o < b; ++o) EXPECT_NE(branchLabelCell(o), label) << o << "/" << b;
    }
}

Tmandata chartWithStars(int n, int t, int position, int star, char sex) {
    Tmandata chart;
    chart.yearStar = n;
    chart.monthStar = t;
    chart.starValue1 = position;
    chart.starValue2 = star;
    chart.sex = sex;
    chart.yearPillar.stem = 2;  // 乙丑
    chart.yearPillar.branch = 2;
    chart.monthPillar.stem = 4;  // 丁丑
    chart.monthPillar.branch = 2;
    return chart;
}

TEST(NineStarReading, NatalBoardsAndTheHighlightedSquare) {
    // 15 January 1985: N = 7 on the year board, T = 6 on the month board; star 7 stands in 乾
    // on the board of 6.
    const NatalNineStar n = readNatalNineStar(chartWithStars(7, 6, 9, 6, 'M'));
    EXPECT_EQ(n.yearBoard.stars, nineStarBoard(7));
    EXPECT_EQ(n.monthBoard.stars, nineStarBoard(6));
    EXPECT_EQ(n.monthBoard.highlightPosition, 9);
    EXPECT_EQ(n.yearBoard.highlightPosition, 0);
    EXPECT_EQ(n.yearPillarText, "乙丑");
    EXPECT_EQ(n.monthPillarText, "丁丑");
    // No marks on the natal boards.
    EXPECT_EQ(n.monthBoard.darkSwordPosition, 0);
    EXPECT_EQ(n.monthBoard.breakBranch, 0);

    // N = T = 5: a woman's square is 乾 while her inclination stays 兌 (star 7); a man's is 兌.
    const NatalNineStar woman = readNatalNineStar(chartWithStars(5, 5, 6, 7, 'F'));
    EXPECT_EQ(woman.monthBoard.highlightPosition, 9);
    EXPECT_EQ(woman.inclinationPosition, 6);
    EXPECT_EQ(woman.inclinationStar, 7);
    EXPECT_EQ(readNatalNineStar(chartWithStars(5, 5, 6, 7, 'M')).monthBoard.highlightPosition, 6);
    // Before a run: empty boards, nothing highlighted.
    const NatalNineStar none = readNatalNineStar(Tmandata{});
    EXPECT_EQ(none.yearBoard.stars, NineStarBoard{});
    EXPECT_EQ(none.monthBoard.highlightPosition, 0);
}

TEST(NineStarReading, YearAndMonthBoxes) {
    const auto ok = [](const char* y, const char* m, int year, int month) {
        const auto got = parseFutureYearMonth(y, m);
        ASSERT_TRUE(got) << y << "/" << m;
        EXPECT_EQ(got->year, year);
        EXPECT_EQ(got->month, month);
    };
    ok("2025", "3", 2025, 3);
    ok(" 2025 ", "03", 2025, 3);
    ok("２０２５", "１２", 2025, 12);  // full-width digits from the input method
    ok("1", "1", 1, 1);
    ok("9999", "12", 9999, 12);
    for (const auto& [y, m] :
         std::vector<std::pair<const char*, const char*>>{{"", "3"},
                                                          {"2025", ""},
                                                          {"abc", "3"},
                                                          {"2025年", "3"},
                                                          {"20 25", "3"},
                                                          {"2025", "13"},
                                                          {"2025", "0"},
                                                          {"-2025", "3"},
                                                          {"2025", "+3"},
                                                          {"0", "3"},
                                                          {"10000", "3"},
                                                          {"99999999999999999999", "3"},
                                                          {"2025", "3.5"}}) {
        EXPECT_FALSE(parseFutureYearMonth(y, m)) << "'" << y << "' '" << m << "'";
    }
}

TEST(NineStarReading, FutureBoardsMarksAndMeetings) {
    // 2025 is 二黒 (乙巳), March 2025 一白 (己卯). A 七赤 person stands in 坎 on the year board
    // and in 坤 on the month board.
    const auto f = readNineStarFuture(7, 2025, 3);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->yearPillarText, "乙巳");
    EXPECT_EQ(f->monthPillarText, "己卯");
    EXPECT_EQ(f->yearBoard.stars, nineStarBoard(2));
    EXPECT_EQ(f->monthBoard.stars, nineStarBoard(1));
    EXPECT_EQ(f->yearBoard.darkSwordPosition, 3);   // 五黄 in 艮, so 坤
    EXPECT_EQ(f->monthBoard.darkSwordPosition, 8);  // 五黄 in 離, so 坎
    EXPECT_EQ(f->yearBoard.breakBranch, 12);        // 巳 breaks at 亥
    EXPECT_EQ(f->yearBoard.breakPosition, 9);
    EXPECT_EQ(f->monthBoard.breakBranch, 10);  // 卯 breaks at 酉
    EXPECT_EQ(f->monthBoard.breakPosition, 6);
    EXPECT_EQ(f->yearBoard.meetingPosition, 8);
    EXPECT_EQ(f->monthBoard.meetingPosition, 3);
    EXPECT_FALSE(f->yearBoard.yearMonthMeeting);
    EXPECT_TRUE(f->monthBoard.yearMonthMeeting);
    EXPECT_EQ(f->yearMeetingStar, 1);   // 坎 holds 一白 on the fixed board
    EXPECT_EQ(f->monthMeetingStar, 2);  // 坤 holds 二黒
    EXPECT_EQ(f->crossStar, 8);         // the year board's star in 坤
    EXPECT_EQ(yearMonthMeetingHint(*f), "八白土星が年盤と月盤で同会しています");
    EXPECT_EQ(yearMonthMeetingLine(*f), "八白土星が年盤と月盤で同会");

    EXPECT_FALSE(readNineStarFuture(7, 2025, 13));
    EXPECT_FALSE(readNineStarFuture(7, 2025, 0));
    EXPECT_FALSE(readNineStarFuture(0, 2025, 3));  // no natal star before a run
    EXPECT_FALSE(readNineStarFuture(7, 0, 3));
}

TEST(NineStarReading, JanuaryStillBelongsToThePreviousYear) {
    // 15 January 2025 lies before 立春: the year board is 2024's 三碧 and the pillar 甲辰; the
    // month is the 丑 month of 2024, also 三碧.
    const auto f = readNineStarFuture(1, 2025, 1);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->yearBoard.centre, 3);
    EXPECT_EQ(f->monthBoard.centre, 3);
    EXPECT_EQ(f->yearPillarText, "甲辰");
    EXPECT_EQ(f->monthPillarText, "丁丑");
    EXPECT_EQ(f->yearBoard.breakPosition, 9);   // 辰 breaks at 戌
    EXPECT_EQ(f->monthBoard.breakPosition, 3);  // 丑 breaks at 未
    EXPECT_EQ(readNineStarFuture(1, 2025, 2)->yearBoard.centre, 2);
}

class NineStarMemo : public ::testing::Test {
  protected:
    void SetUp() override {
        passages = PassageTable::open(paths);
        ASSERT_TRUE(passages);
        Table& t = passages->table();
        for (const char* key1 : {kNatalStarPassageKey, kMonthStarPassageKey, kInclinationPassageKey,
                                 kMeetingPassageKey}) {
            for (int s = 1; s <= 9; ++s) {
                t.append();
                t.setField("key1", key1);
                t.setField("key2", std::to_string(s));
                t.setField("memo", std::string(key1) + std::to_string(s));
                ASSERT_TRUE(t.post()) << t.lastError();
            }
        }
    }
    testing::TempDir dir;
    AppPaths paths{dir.path()};
    std::unique_ptr<PassageTable> passages;
};

TEST_F(NineStarMemo, NatalPassagesEachFollowedByAnEmptyLine) {
    const NatalNineStar n = readNatalNineStar(chartWithStars(7, 7, 7, 8, 'M'));
    EXPECT_EQ(natalNineStarMemo(n, *passages),
              (Lines{"九星本命7", " ", "九星月命7", " ", "九星傾斜8", " "}));
    EXPECT_EQ(natalNineStarPassage(n, kInclinationPassageKey, *passages),
              (Lines{"九星傾斜8", " "}));
    EXPECT_TRUE(natalNineStarMemo(readNatalNineStar(Tmandata{}), *passages).empty());
}

TEST_F(NineStarMemo, WorkedFutureReadingWithoutWarnings) {
    const auto f = readNineStarFuture(7, 2025, 3);
    ASSERT_TRUE(f);
    EXPECT_EQ(
        futureNineStarMemo(*f, *passages),
        (Lines{"【2025年度の同会法による運勢】", "九星同会1", "", "【3月度の同会法による運勢】",
               "九星同会2",
               "　さらに、八白土星が年盤と月盤で同会していますから家や財産の問題、環境の変化、"
               "進退問題、に関することが起こりやすくなります。"}));
}

TEST_F(NineStarMemo, WarningsWhereTheNatalStarMeetsTheDarkSwordOrTheBreak) {
    // 三碧 in March 2025: 乾 on the year board (亥, the break of 巳) and 兌 on the month board
    // (酉, the break of 卯).
    auto f = readNineStarFuture(3, 2025, 3);
    ASSERT_TRUE(f);
    EXPECT_EQ(
        futureNineStarMemo(*f, *passages),
        (Lines{"【2025年度の同会法による運勢】", "九星同会6",
               "　この年は破れも同居していますので、人との縁の破れに注意。", "",
               "【3月度の同会法による運勢】", "九星同会7",
               "　この月は破れも同居していますので、人との縁の破れに注意。",
               "　さらに、四緑木星が年盤と月盤で同会していますから物事が整理される、人の出入り"
               "が多くなる、他人からの相談ごと、に関することが起こりやすくなります。"}));
    // 八白 stands in 坤, the year's dark sword; 六白 in 坎, the month's.
    f = readNineStarFuture(8, 2025, 3);
    Lines memo = futureNineStarMemo(*f, *passages);
    ASSERT_GE(memo.size(), 3u);
    EXPECT_EQ(memo[2], "　この年は暗剣殺も同居していますので、思わぬ事故や災難に注意。");
    f = readNineStarFuture(6, 2025, 3);
    memo = futureNineStarMemo(*f, *passages);
    EXPECT_EQ(std::count(memo.begin(), memo.end(),
                         "　この月は暗剣殺も同居していますので、思わぬ事故や災難に注意。"),
              1);
    EXPECT_EQ(memo[2], "");  // nothing on the year board
}

TEST_F(NineStarMemo, CentreFiveHasNoDarkSword) {
    // 2022 and August 2022 are both 五黄: no dark sword on either board, whatever the star.
    for (int n = 1; n <= 9; ++n) {
        const auto f = readNineStarFuture(n, 2022, 8);
        ASSERT_TRUE(f);
        EXPECT_EQ(f->yearBoard.centre, 5);
        EXPECT_EQ(f->monthBoard.centre, 5);
        EXPECT_EQ(f->yearBoard.darkSwordPosition, 0);
        EXPECT_EQ(f->monthBoard.darkSwordPosition, 0);
        for (const std::string& line : futureNineStarMemo(*f, *passages)) {
            EXPECT_EQ(line.find("暗剣殺"), std::string::npos) << n << ": " << line;
        }
    }
    // 二黒 stands in 坤, the break of the 寅 year 2022, so the break warning alone is written.
    const Lines memo = futureNineStarMemo(*readNineStarFuture(2, 2022, 8), *passages);
    EXPECT_EQ(memo[2], "　この年は破れも同居していますので、人との縁の破れに注意。");
}

TEST(NineStarReading, FixedTextsOfTheMeaningWindow) {
    EXPECT_EQ(starMeaningHeading(1), "風　四録木星");  // written so, not 四緑
    EXPECT_EQ(starMeaningHeading(3), "地　ニ黒土星");  // katakana ニ
    EXPECT_EQ(starMeaningHeading(5), "中央五黄土星");
    EXPECT_EQ(starMeaningHeading(9), "天　六白金星");
    EXPECT_EQ(starMeanings(8).substr(0, std::string("下がる・").size()), "下がる・");
    EXPECT_TRUE(starTrades(1).starts_with("水を扱う業種"));
    EXPECT_TRUE(starTrades(9).ends_with("学術業界"));
    EXPECT_EQ(meetingTopic(3), "外出先での問題、新しい出会い、神経が高ぶったための問題、");
    for (int i : {0, 10}) {
        EXPECT_EQ(starMeaningHeading(i), "");
        EXPECT_EQ(starMeanings(i), "");
        EXPECT_EQ(starTrades(i), "");
        EXPECT_EQ(meetingTopic(i), "");
    }
}

}  // namespace
}  // namespace suimei
