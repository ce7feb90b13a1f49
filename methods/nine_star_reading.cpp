#include "methods/nine_star_reading.h"

#include "calendar/quick_pillars.h"
#include "calendar/types.h"
#include "chart/mandata.h"
#include "methods/nine_star.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

// Where each branch's label stands around the board, 1..12 = 子..亥; the branches run clockwise
// from 午 at the top centre.
constexpr std::array<BoardCell, 13> kBranchLabelCells = {{
    {-1, -1},
    {4, 2},  // 子 below 坎
    {4, 1},  // 丑 below 艮
    {3, 0},  // 寅 left of 艮
    {2, 0},  // 卯 left of 震
    {1, 0},  // 辰 left of 巽
    {0, 1},  // 巳 above 巽
    {0, 2},  // 午 above 離
    {0, 3},  // 未 above 坤
    {1, 4},  // 申 right of 坤
    {2, 4},  // 酉 right of 兌
    {3, 4},  // 戌 right of 乾
    {4, 3},  // 亥 below 乾
}};

// What a star meeting on both boards brings about, by star.
constexpr std::array<std::string_view, 10> kMeetingTopics = {
    "",
    "男女関係の問題、出会い、体の冷え、",
    "不動産の問題、仕事に関する問題、昔の問題、",
    "外出先での問題、新しい出会い、神経が高ぶったための問題、",
    "物事が整理される、人の出入りが多くなる、他人からの相談ごと、",
    "古い昔の問題の再発、盗難、物質的な損害、",
    "忙しくなる、目上の人のトラブル、過労、商売の発展、",
    "お祝い事、女性問題、暴飲暴食、お金、",
    "家や財産の問題、環境の変化、進退問題、",
    "アイデア、発明、精神的な苦労、身内のトラブル、",
};

// The star-meaning window's squares in board order (the first heading keeps its "四録").
constexpr std::array<std::string_view, 10> kMeaningHeadings = {
    "",
    "風　四録木星",
    "火　九紫火星",
    "地　ニ黒土星",
    "雷　三碧木星",
    "中央五黄土星",
    "沢　七赤金星",
    "山　八白土星",
    "水　一白水星",
    "天　六白金星",
};

constexpr std::array<std::string_view, 10> kMeanings = {
    "",
    "交際・縁談・出入り・商売・通信・柔和・信用・調和のとれた成長・結婚・無形の財産・完成する・命令"
    "する・辞令・遠方",
    "輝く・栄光・派手な学問・文章・美人・虚栄・解明される・難問が解決・先が見える・六感が働く・暴露"
    "される",
    "真面目・継続・根気・質素・働く・実行・古い習慣・活発ではない・地味な効果・大衆・下働き・掃除・"
    "世話をする・従う",
    "発展・上る・明朗・宣伝・賑やか・派手・鳴る・激しい・活発・音楽・電気・新しく生まれる・正直で隠"
    "せない",
    "支配・制御・帝旺・暴力・裏社会・汚職・強大・どのようにでも変化する怖さ・基礎を作る・核心・新旧"
    "の交代・破壊と創造",
    "喜び・集まり・心が潤う・恋愛・結婚・金融・お金・食事・趣味・贅沢・異性・浪費・不満を言う・毒舌"
    "・引退・固まる・頑固・余裕",
    "変化・変わる・整理・改革・とまる・倉庫・貯める・山・神社・高い所に上る・高尚な気持ち・保守的に"
    "なる・相談",
    "下がる・暗い・悩み・思考・戦略・残忍・秘密・発明・創作・交わり・生みの苦しみ・効果はゆっくり・"
    "スタート・新規・一途",
    "天を代表する陽気さ・健康な心・充実・活動・高級な仕事・高級な品物・良い政治・目上・援助者・先祖"
    "・信仰",
};

constexpr std::array<std::string_view, 10> kTrades = {
    "",
    "水を扱う業種・飲食関係・水産業・水道関係・お酒を扱う業種・性風俗産業・夜の産業・頭脳だけを使う"
    "産業・コンピュータのソフトウエア開発",
    "土を扱う業種・農業関係・土を加工したり建物を扱う業種・不動産関係・土建業・大衆的な娯楽を扱う業"
    "種・ゲーム業界・公務員などの保守的な仕事・内科医",
    "音や電気に関する業種・電気業界・音楽・芸能・レジャー施設・ＴＶ業界・ＣＭなどの広告業界・パチン"
    "コ業界・楽器・おもちゃ・造園業の業界",
    "人やモノが交易する業界・貿易や商社の業界・旅行業界・結婚紹介所・人材派遣業・通信販売・宅配業界"
    "・訪問販売・木材加工業・製紙業界",
    "破壊と創造を行う業界・土と関係する業界・政界・財界・株屋・賭博・競馬業界・競輪業界・取立て屋の"
    "業界・古物中古取引業界・葬儀業界・スクラップ業界・リストラ・裁判",
    "宇宙や天体・過大と剛毅な業界・政治・官公庁・上級公務員・超大企業・航空業界・自動車業界・監督・"
    "交通業界・自衛官・コントロールタワー・気象庁・高層ビル・大都会・ファーストクラス",
    "具体的な収穫のある業界・経済業界・金融業・飲食と口に関する業界・歯科医・物品販売・弁論家・裁判"
    "・教師・弁護士・アナウンサー・お笑い番組・喜劇・老人相手の産業",
    "山と土に関する業界・不動産業界・ホテル業界・賃貸マンション・貸し倉庫業界・植林・鉱山業界・階段"
    "・僧侶・修行・心霊占い・心理学者",
    "華やかな業界・ファッション業界・学術・出版・芸術・芸能・若い人向けの雑誌・化粧品業界・ハイテク"
    "業界・証券業界・高級車業界・美術出版・新聞記者・火災保険業界・知的労働業界・学術業界",
};

bool isStar(int s) {
    return s >= 1 && s <= 9;
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

std::string pillarText(int stem, int branch) {
    return std::string(stemName(stem)) + std::string(branchName(branch));
}

// The passage of (key1, star) followed by the line " " that parts it from the next.
void appendPassage(std::vector<std::string>& memo, PassageTable& passages, std::string_view key1,
                   int star) {
    passages.lookup(key1, std::to_string(star), memo);
    memo.emplace_back(" ");
}

// Reads a whole number from a box: spaces around it are allowed, full-width digits read as
// ASCII ones; anything else (a sign, a decimal point, a letter, nothing) is not a number here.
std::optional<int> boxNumber(std::string_view text) {
    std::string digits;
    std::size_t i = 0;
    bool ended = false;  // a space after the digits: only spaces may follow
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ' ' || c == '\t') {
            ended = !digits.empty();
            ++i;
            continue;
        }
        // U+3000 (ideographic space) and U+FF10..U+FF19 (full-width digits).
        if (text.substr(i, 3) == "\xE3\x80\x80") {
            ended = !digits.empty();
            i += 3;
            continue;
        }
        char digit = 0;
        std::size_t width = 1;
        if (c >= '0' && c <= '9') {
            digit = static_cast<char>(c);
        } else if (c == 0xEF && i + 2 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) == 0xBC &&
                   static_cast<unsigned char>(text[i + 2]) >= 0x90 &&
                   static_cast<unsigned char>(text[i + 2]) <= 0x99) {
            digit = static_cast<char>('0' + (static_cast<unsigned char>(text[i + 2]) - 0x90));
            width = 3;
        } else {
            return std::nullopt;
        }
        if (ended) return std::nullopt;
        digits += digit;
        // More digits than any accepted year has: refused before it could overflow.
        if (digits.size() > 6) return std::nullopt;
        i += width;
    }
    if (digits.empty()) return std::nullopt;
    return std::stoi(digits);
}

NineStarBoardFace boardFace(int centre) {
    NineStarBoardFace face;
    face.centre = centre;
    face.stars = nineStarBoard(centre);
    return face;
}

void appendWarnings(std::vector<std::string>& memo, const NineStarBoardFace& board,
                    std::string_view period) {
    const int meeting = board.meetingPosition;
    if (meeting != 0 && board.darkSwordPosition == meeting) {
        memo.push_back("　" + std::string(period) +
                       "は暗剣殺も同居していますので、思わぬ事故や災難に注意。");
    }
    if (meeting != 0 && board.breakPosition == meeting) {
        memo.push_back("　" + std::string(period) +
                       "は破れも同居していますので、人との縁の破れに注意。");
    }
}

}  // namespace

NineStarBoard nineStarBoard(int centre) {
    NineStarBoard board{};
    if (!isStar(centre)) return board;
    for (int p = 1; p <= 9; ++p) board[at(p)] = boardStar(centre, p);
    return board;
}

BoardCell boardSquareCell(int position) {
    if (position < 1 || position > 9) return {};
    return {1 + (position - 1) / 3, 1 + (position - 1) % 3};
}

BoardCell branchLabelCell(int branch) {
    return isBranch(branch) ? kBranchLabelCells[at(branch)] : BoardCell{};
}

NatalNineStar readNatalNineStar(const Tmandata& chart) {
    NatalNineStar n;
    n.natalStar = chart.yearStar;
    n.monthStar = chart.monthStar;
    n.inclinationPosition = chart.starValue1;
    n.inclinationStar = chart.starValue2;
    n.yearBoard = boardFace(n.natalStar);
    n.monthBoard = boardFace(n.monthStar);
    n.monthBoard.highlightPosition =
        inclinationHighlightPosition(n.natalStar, n.monthStar, chart.sex == 'F');
    n.yearPillarText = pillarText(chart.yearPillar.stem, chart.yearPillar.branch);
    n.monthPillarText = pillarText(chart.monthPillar.stem, chart.monthPillar.branch);
    return n;
}

std::vector<std::string> natalNineStarPassage(const NatalNineStar& natal, std::string_view key1,
                                              PassageTable& passages) {
    int star = 0;
    if (key1 == kNatalStarPassageKey) star = natal.natalStar;
    if (key1 == kMonthStarPassageKey) star = natal.monthStar;
    if (key1 == kInclinationPassageKey) star = natal.inclinationStar;
    std::vector<std::string> memo;
    // Before a run there is no star: nothing to read, and no empty line either.
    if (!isStar(star)) return memo;
    appendPassage(memo, passages, key1, star);
    return memo;
}

std::vector<std::string> natalNineStarMemo(const NatalNineStar& natal, PassageTable& passages) {
    std::vector<std::string> memo;
    for (const char* key : {kNatalStarPassageKey, kMonthStarPassageKey, kInclinationPassageKey}) {
        const std::vector<std::string> lines = natalNineStarPassage(natal, key, passages);
        memo.insert(memo.end(), lines.begin(), lines.end());
    }
    return memo;
}

std::optional<YearMonth> parseFutureYearMonth(std::string_view yearText,
                                              std::string_view monthText) {
    const std::optional<int> year = boxNumber(yearText);
    const std::optional<int> month = boxNumber(monthText);
    if (!year || !month) return std::nullopt;
    if (*year < kFutureFirstYear || *year > kFutureLastYear || *month < 1 || *month > 12) {
        return std::nullopt;
    }
    return YearMonth{*year, *month};
}

std::optional<NineStarFuture> readNineStarFuture(int natalStar, int year, int month) {
    if (!isStar(natalStar) || year < kFutureFirstYear || year > kFutureLastYear || month < 1 ||
        month > 12) {
        return std::nullopt;
    }
    NineStarFuture f;
    f.year = year;
    f.month = month;
    const int mmdd = month * 100 + 15;
    const QuickYearMonth stems = quickYearMonthStems(mmdd, year);
    const QuickYearMonth branches = quickYearMonthBranches(mmdd, year);
    f.yearStem = stems.year;
    f.monthStem = stems.month;
    f.yearBranch = branches.year;
    f.monthBranch = branches.month;
    f.yearPillarText = pillarText(f.yearStem, f.yearBranch);
    f.monthPillarText = pillarText(f.monthStem, f.monthBranch);

    f.yearBoard = boardFace(yearBoardStar(year, month));
    f.monthBoard = boardFace(monthStarOfCalendarMonth(year, month));
    for (NineStarBoardFace* board : {&f.yearBoard, &f.monthBoard}) {
        board->darkSwordPosition = darkSwordPosition(board->centre);
        board->meetingPosition = positionOfStar(board->centre, natalStar);
    }
    f.yearBoard.breakBranch = opposingBranch(f.yearBranch);
    f.monthBoard.breakBranch = opposingBranch(f.monthBranch);
    f.yearBoard.breakPosition = breakPosition(f.yearBranch);
    f.monthBoard.breakPosition = breakPosition(f.monthBranch);
    f.monthBoard.yearMonthMeeting = true;
    f.yearMeetingStar = fixedStar(f.yearBoard.meetingPosition);
    f.monthMeetingStar = fixedStar(f.monthBoard.meetingPosition);
    f.crossStar = f.yearBoard.stars[at(f.monthBoard.meetingPosition)];
    return f;
}

std::string yearMonthMeetingHint(const NineStarFuture& future) {
    return std::string(nineStarName(future.crossStar)) + "が年盤と月盤で同会しています";
}

std::string yearMonthMeetingLine(const NineStarFuture& future) {
    return std::string(nineStarName(future.crossStar)) + "が年盤と月盤で同会";
}

std::string_view meetingTopic(int star) {
    return isStar(star) ? kMeetingTopics[at(star)] : std::string_view{};
}

std::vector<std::string> futureNineStarMemo(const NineStarFuture& future, PassageTable& passages) {
    std::vector<std::string> memo;
    memo.push_back("【" + std::to_string(future.year) + "年度の同会法による運勢】");
    passages.lookup(kMeetingPassageKey, std::to_string(future.yearMeetingStar), memo);
    appendWarnings(memo, future.yearBoard, "この年");
    memo.emplace_back();
    memo.push_back("【" + std::to_string(future.month) + "月度の同会法による運勢】");
    passages.lookup(kMeetingPassageKey, std::to_string(future.monthMeetingStar), memo);
    appendWarnings(memo, future.monthBoard, "この月");
    memo.push_back("　さらに、" + std::string(nineStarName(future.crossStar)) +
                   "が年盤と月盤で同会していますから" +
                   std::string(meetingTopic(future.crossStar)) +
                   "に関することが起こりやすくなります。");
    return memo;
}

std::string_view starMeaningHeading(int position) {
    return position >= 1 && position <= 9 ? kMeaningHeadings[at(position)] : std::string_view{};
}

std::string_view starMeanings(int position) {
    return position >= 1 && position <= 9 ? kMeanings[at(position)] : std::string_view{};
}

std::string_view starTrades(int star) {
    return isStar(star) ? kTrades[at(star)] : std::string_view{};
}

}  // namespace suimei
