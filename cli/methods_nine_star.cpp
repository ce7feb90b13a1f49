// suimei-cli methods nine-star: what the window "九星気学の年月盤" shows for one client (the natal
// stars, the inclination, both boards, the memo) and, with --future yyyy/mm, what the window
// "九星気学による未来予知" shows for that month.

#include <cstdio>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "app/appraisal.h"
#include "chart/mandata.h"
#include "cli/methods_command.h"
#include "core/app_paths.h"
#include "methods/nine_star.h"
#include "methods/nine_star_reading.h"
#include "readings/passage_table.h"

namespace suimei::cli {

namespace {

using Json = nlohmann::ordered_json;

// "yyyy/mm" (or "yyyy-mm") as the future window's two boxes would read it.
YearMonth futureArg(const std::string& text) {
    const std::size_t slash = text.find_first_of("/-");
    std::optional<YearMonth> when;
    if (slash != std::string::npos) {
        when = parseFutureYearMonth(text.substr(0, slash), text.substr(slash + 1));
    }
    if (!when) {
        throw UsageError{"--future takes yyyy/mm (year " + std::to_string(kFutureFirstYear) + ".." +
                         std::to_string(kFutureLastYear) + ", month 1..12): " + text};
    }
    return *when;
}

Json boardJson(const NineStarBoardFace& face) {
    Json stars = Json::array();
    for (int p = 1; p <= 9; ++p) stars.push_back(face.stars[static_cast<std::size_t>(p)]);
    return stars;
}

// The board as three rows of squares, South at the top: palace, star and its marks.
void printBoard(const std::string& heading, const NineStarBoardFace& face) {
    std::printf("%s\n", heading.c_str());
    for (int row = 0; row < 3; ++row) {
        std::string line = " ";
        for (int col = 0; col < 3; ++col) {
            const int p = row * 3 + col + 1;
            line += " " + std::string(palaceName(p)) + ":" +
                    std::string(nineStarName(face.stars[static_cast<std::size_t>(p)]));
            if (p == face.highlightPosition) line += "[傾斜]";
            if (p == face.meetingPosition)
                line += face.yearMonthMeeting ? "[同会・年月同会]" : "[同会]";
            if (p == face.darkSwordPosition) line += "[暗剣殺]";
            if (p == face.breakPosition) line += "[破]";
        }
        std::printf("%s\n", line.c_str());
    }
}

void printLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
}

int runNineStar(const Args& args, AppraisalRunner& runner) {
    std::optional<YearMonth> when;
    if (const auto text = args.get("future")) when = futureArg(*text);

    const AppPaths paths = AppPaths::fromEnvironment();
    std::string error;
    // Only read: a missing table is reported, never created.
    auto table = Table::openReadOnly(readingTablePath(paths, ReadingTableKind::Passages),
                                     readingTableDef(ReadingTableKind::Passages), &error);
    if (!table) {
        std::fprintf(stderr, "suimei-cli methods nine-star: %s\n", error.c_str());
        return 2;
    }
    PassageTable passages(std::move(table));

    const NatalNineStar natal = readNatalNineStar(runner.chart());
    const std::vector<std::string> memo = natalNineStarMemo(natal, passages);
    std::optional<NineStarFuture> future;
    std::vector<std::string> futureMemo;
    if (when) {
        future = readNineStarFuture(natal.natalStar, when->year, when->month);
        if (future) futureMemo = futureNineStarMemo(*future, passages);
    }

    if (!args.has("json")) {
        std::printf("本命星：%s  月命星：%s  傾斜：%s（%s）\n",
                    std::string(nineStarName(natal.natalStar)).c_str(),
                    std::string(nineStarName(natal.monthStar)).c_str(),
                    std::string(palaceName(natal.inclinationPosition)).c_str(),
                    std::string(nineStarName(natal.inclinationStar)).c_str());
        printBoard("年盤(本命星) " + natal.yearPillarText, natal.yearBoard);
        printBoard("月盤（月命星・傾斜法） " + natal.monthPillarText, natal.monthBoard);
        printLines(memo);
        if (future) {
            std::printf("\n");
            printBoard(std::to_string(future->year) + "年盤 " + future->yearPillarText,
                       future->yearBoard);
            printBoard(std::to_string(future->month) + "月盤 " + future->monthPillarText,
                       future->monthBoard);
            std::printf("%s\n", yearMonthMeetingHint(*future).c_str());
            printLines(futureMemo);
        }
        return 0;
    }

    Json out = {{"natalStar", natal.natalStar},
                {"monthStar", natal.monthStar},
                {"inclinationPosition", natal.inclinationPosition},
                {"inclinationStar", natal.inclinationStar},
                {"yearBoard", boardJson(natal.yearBoard)},
                {"monthBoard", boardJson(natal.monthBoard)},
                {"highlight", natal.monthBoard.highlightPosition},
                {"memo", memo}};
    if (future) {
        const NineStarFuture& f = *future;
        out["future"] = {
            {"yearBoard", boardJson(f.yearBoard)},
            {"monthBoard", boardJson(f.monthBoard)},
            {"darkSword",
             {{"year", f.yearBoard.darkSwordPosition}, {"month", f.monthBoard.darkSwordPosition}}},
            {"break", {{"year", f.yearBoard.breakPosition}, {"month", f.monthBoard.breakPosition}}},
            {"meeting",
             {{"year", f.yearBoard.meetingPosition}, {"month", f.monthBoard.meetingPosition}}},
            {"memo", futureMemo}};
    }
    std::printf("%s\n", out.dump().c_str());
    return 0;
}

const MethodRegistrar nineStarRegistrar({
    "nine-star",
    "[--future yyyy/mm]",
    {},
    {"future"},
    &runNineStar,
    "  --future yyyy/mm  also the future reading of that year and month (同会法, 暗剣殺, 破)\n"
    "  --json            {\"natalStar\", \"monthStar\", \"inclinationPosition\",\n"
    "                    \"inclinationStar\", \"yearBoard\", \"monthBoard\" (stars by position\n"
    "                    1..9: 巽 離 坤 震 中央 兌 艮 坎 乾), \"highlight\", \"memo\", and with\n"
    "                    --future \"future\": {\"yearBoard\", \"monthBoard\", \"darkSword\",\n"
    "                    \"break\", \"meeting\" (each {\"year\", \"month\"} positions, 0 = none),\n"
    "                    \"memo\"}}\n",
});

}  // namespace

}  // namespace suimei::cli
