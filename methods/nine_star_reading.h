#pragma once
// The Nine Star Ki readings: the natal year and month boards with the inclination square, the
// future reading of a chosen year and month by the meeting method (同会法) with its dark-sword
// (暗剣殺) and break (破) warnings, and the fixed texts of the star-meaning window. The boards
// are drawn by the windows and the printed document alike from what this returns.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/life_graph.h"

namespace suimei {

class Tmandata;
class PassageTable;

// Passage families of the readings (key2 is the star 1..9 in decimal).
inline constexpr char kNatalStarPassageKey[] = "九星本命";
inline constexpr char kMonthStarPassageKey[] = "九星月命";
inline constexpr char kInclinationPassageKey[] = "九星傾斜";
inline constexpr char kMeetingPassageKey[] = "九星同会";

inline constexpr char kFutureInputErrorText[] = "未来予知をしたい年と月を正しく指定して下さい。";

// Years a future reading accepts; beyond them the calendar tables say nothing useful.
inline constexpr int kFutureFirstYear = 1;
inline constexpr int kFutureLastYear = 9999;

// Stars by board position: [1..9], index 0 unused (0).
using NineStarBoard = std::array<int, 10>;

// The board with centre star 1..9; all zero for a centre out of range.
NineStarBoard nineStarBoard(int centre);

// A cell of the 5 × 5 frame a board is drawn in: the nine squares at rows and columns 1..3, the
// twelve branch labels around them in row or column 0 and 4 beside the square of their direction
// (South at the top, so 巳 午 未 run along the top and 亥 子 丑 along the bottom).
struct BoardCell {
    int row = -1;
    int column = -1;
    friend bool operator==(const BoardCell&, const BoardCell&) = default;
};
// The square of position 1..9; {-1, -1} out of range.
BoardCell boardSquareCell(int position);
// The label of branch 1..12; {-1, -1} out of range.
BoardCell branchLabelCell(int branch);

// One board as the windows and the document show it.
struct NineStarBoardFace {
    int centre = 0;
    NineStarBoard stars{};
    int highlightPosition = 0;      // the square filled light yellow (the inclination), 0 none
    int darkSwordPosition = 0;      // the square marked 暗剣殺, 0 none
    int meetingPosition = 0;        // the square marked 同会, 0 none
    bool yearMonthMeeting = false;  // the 同会 square also shows 年月同会 (the month board)
    int breakBranch = 0;            // the branch whose direction label is yellow (破), 0 none
    int breakPosition = 0;          // the square in that branch's direction, 0 none
};

// Light yellow of the inclination square, and the yellow of a break direction label.
inline constexpr char kInclinationColour[] = "#ffff80";
inline constexpr char kBreakColour[] = "#ffff00";

// The natal boards of a chart after an appraisal run.
struct NatalNineStar {
    int natalStar = 0;  // N
    int monthStar = 0;  // T
    int inclinationPosition = 0;
    int inclinationStar = 0;
    NineStarBoardFace yearBoard;   // centre N
    NineStarBoardFace monthBoard;  // centre T, the inclination square highlighted
    std::string yearPillarText;    // stem + branch names of the chart's year pillar
    std::string monthPillarText;
};

// The natal boards of the chart's recorded stars; a woman with N = T = 5 has 乾 highlighted
// while her inclination stays 兌 (star 7).
NatalNineStar readNatalNineStar(const Tmandata& chart);

// The memo of the natal window: the passages of the natal star, the month star and the
// inclination star, each followed by a line " ".
std::vector<std::string> natalNineStarMemo(const NatalNineStar& natal, PassageTable& passages);
// One of the three passages with its " " line, as the window's three buttons append them;
// `key1` is one of the three natal passage families.
std::vector<std::string> natalNineStarPassage(const NatalNineStar& natal, std::string_view key1,
                                              PassageTable& passages);

// The year and month a future reading was asked for, read from the two boxes: whole numbers
// (ASCII or full-width digits, spaces around allowed), the year within kFutureFirstYear ..
// kFutureLastYear and the month 1..12. nullopt otherwise.
std::optional<YearMonth> parseFutureYearMonth(std::string_view yearText,
                                              std::string_view monthText);

// The future reading of one year and month for a person with natal star N.
struct NineStarFuture {
    int year = 0;
    int month = 0;
    int yearStem = 0, yearBranch = 0;    // year pillar of day 15 of the month
    int monthStem = 0, monthBranch = 0;  // month pillar of day 15 of the month
    std::string yearPillarText;          // stem + branch names (the stem is empty before 1312)
    std::string monthPillarText;
    NineStarBoardFace yearBoard;   // centre A: January still takes the previous year's star
    NineStarBoardFace monthBoard;  // centre B
    int yearMeetingStar = 0;       // Sy: fixed star of the square where N stands on the year board
    int monthMeetingStar = 0;      // Sm: the same on the month board
    int crossStar = 0;             // C: the year-board star on the month board's meeting square
};

// The reading of year/month for natal star 1..9; nullopt for a month out of 1..12, a year out of
// range or a natal star out of 1..9.
std::optional<NineStarFuture> readNineStarFuture(int natalStar, int year, int month);

// The hint of the 年月同会 mark: name of C + "が年盤と月盤で同会しています".
std::string yearMonthMeetingHint(const NineStarFuture& future);
// The line of the printed document: name of C + "が年盤と月盤で同会".
std::string yearMonthMeetingLine(const NineStarFuture& future);
// What a star meeting on both boards brings about (C = 1..9); empty out of range.
std::string_view meetingTopic(int star);

// The memo of the future reading: the year's heading and meeting passage with its warnings, an
// empty line, the month's, and the line on the star meeting on both boards.
std::vector<std::string> futureNineStarMemo(const NineStarFuture& future, PassageTable& passages);

// The star-meaning window: heading and meanings of board position 1..9, trades of star 1..9;
// empty text out of range.
std::string_view starMeaningHeading(int position);
std::string_view starMeanings(int position);
std::string_view starTrades(int star);

}  // namespace suimei
