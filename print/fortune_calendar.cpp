#include "print/fortune_calendar.h"

#include "calendar/quick_pillars.h"
#include "calendar/types.h"
#include "chart/chart_rules.h"
#include "print/calendar_grid.h"
#include "print/memo_document.h"
#include "readings/calendar_keys.h"
#include "readings/passage_table.h"

namespace suimei::print {

namespace {

using R = BranchRelation;
constexpr R N = R::None, G = R::Combination, C = R::Clash, H = R::Harmony, P = R::Punishment,
            A = R::Harm, B = R::Break, S = R::SelfPunishment;

// Rows: the day's branch; columns: the chart's branch; both 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥.
constexpr std::array<std::array<R, 12>, 12> kBranchRelations = {{
    //  子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥
    {N, G, N, P, H, N, C, A, H, B, N, N},  // 子
    {G, N, N, N, B, H, A, C, N, H, P, N},  // 丑
    {N, N, N, N, N, P, H, N, C, N, H, G},  // 寅
    {P, N, N, N, A, N, B, H, N, C, G, H},  // 卯
    {H, B, N, A, S, N, N, N, H, G, C, N},  // 辰
    {N, H, P, N, N, N, N, N, G, H, N, C},  // 巳
    {C, A, H, B, N, N, S, G, N, N, H, N},  // 午
    {A, C, N, H, N, N, G, N, N, N, P, H},  // 未
    {H, N, C, N, H, G, N, N, N, N, N, A},  // 申
    {B, H, N, C, G, H, N, N, N, S, A, N},  // 酉
    {N, P, H, G, C, N, H, P, N, A, N, N},  // 戌
    {N, N, G, H, N, C, N, H, A, N, N, S},  // 亥
}};

struct RelationWords {
    std::string_view name;
    std::string_view reading;
};
// By BranchRelation, in its order. The readings say what the day brings to the part of life the
// chart's pillar stands for (day: self and partner, month: work and home, year: elders and
// society).
constexpr std::array<RelationWords, 8> kRelationWords = {{{"", "平穏"},
                                                          {"支合", "和合"},
                                                          {"冲", "変動"},
                                                          {"三合", "発展"},
                                                          {"刑", "摩擦"},
                                                          {"害", "不和"},
                                                          {"破", "破損"},
                                                          {"自刑", "自重"}}};

constexpr std::array<std::string_view, 3> kRelationPrefixes = {"日支-", "月支-", "年支-"};
constexpr std::array<std::string_view, 3> kMonthCaptions = {"【今月の運勢】", "【金運】",
                                                            "【愛情運】"};

constexpr double kTextWidth = kCalendarWidth;
constexpr double kReadingPoints = 8.5;
constexpr double kReadingLineHeight = 3.9;  // mm
constexpr int kReadingMaxLines = 4;         // per month reading
constexpr double kCellPad = 0.8;            // mm
constexpr double kCellTextPoints = 6;
constexpr double kCellLineHeight = 2.55;  // mm at 6 pt
constexpr int kCellTextMaxLines = 2;      // per daily text

std::string lineOf(const std::vector<std::string>& lines, int index) {
    if (lines.empty()) return {};
    return lines[static_cast<std::size_t>(index) % lines.size()];
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

// Adds `text` wrapped at `width` from `y`, at most `maxLines` lines; returns the y below it.
double addWrapped(PrintPage& page, double x, double y, double width, const std::string& text,
                  FontFace face, double points, double lineHeight, int maxLines) {
    const std::vector<std::string> lines = wrapText(text, width * kWrapWidthShare, points);
    int shown = 0;
    for (const std::string& line : lines) {
        if (shown == maxLines) break;
        page.items.push_back(textItem(x, y, width, lineHeight, line, face, points));
        y += lineHeight;
        ++shown;
    }
    return y;
}

void addDayCell(PrintPage& page, const CalendarCell& cell, const FortuneDay& day) {
    const double x = cell.x + kCellPad;
    const double width = cell.width - 2 * kCellPad;
    double y = cell.y + kCellPad;
    PrintItem number = textItem(x, y, width / 2, 4, std::to_string(day.day), FontFace::Gothic, 9.5);
    number.bold = true;
    number.colour = weekdayColour(cell.weekday);
    page.items.push_back(number);
    PrintItem pillar =
        textItem(x + width / 2, y + 0.6, width / 2, 4,
                 std::string(stemName(day.stem)) + std::string(branchName(day.branch)),
                 FontFace::Mincho, 7.5);
    pillar.align = Align::Right;
    page.items.push_back(pillar);
    y += 4.4;
    for (std::size_t i = 0; i < 3; ++i) {
        const R relation = day.relations[i];
        PrintItem line = textItem(
            x, y, width, 2.9,
            std::string(kRelationPrefixes[i]) + std::string(branchRelationReading(relation)),
            FontFace::Gothic, 6.5);
        // The binding relations in blue, the straining ones in red.
        if (relation == R::Combination || relation == R::Harmony) line.colour = "#0000cc";
        if (relation == R::Clash || relation == R::Punishment || relation == R::SelfPunishment) {
            line.colour = "#cc0000";
        }
        page.items.push_back(line);
        y += 2.9;
    }
    y += 0.5;
    for (const std::string* text : {&day.tenGodText, &day.branchText}) {
        y += 0.4;  // the two lines of advice apart
        y = addWrapped(page, x, y, width, *text, FontFace::Mincho, kCellTextPoints, kCellLineHeight,
                       kCellTextMaxLines);
    }
}

}  // namespace

BranchRelation branchRelationOf(int a, int b) {
    if (a < 1 || a > 12 || b < 1 || b > 12) return R::None;
    return kBranchRelations[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)];
}

std::string_view branchRelationName(BranchRelation relation) {
    return kRelationWords[static_cast<std::size_t>(relation)].name;
}

std::string_view branchRelationReading(BranchRelation relation) {
    return kRelationWords[static_cast<std::size_t>(relation)].reading;
}

FortuneTexts loadFortuneTexts(PassageTable& passages) {
    FortuneTexts texts;
    for (int g = 1; g <= 10; ++g) {
        if (const auto key = dailyTenGodKey(g)) {
            texts.byTenGod[static_cast<std::size_t>(g)] =
                passages.lookupLines(key->key1, key->key2);
        }
        for (int which = 0; which < 3; ++which) {
            if (const auto key = monthFortuneKey(which, g)) {
                texts.month[static_cast<std::size_t>(g)][static_cast<std::size_t>(which)] =
                    joined(passages.lookupLines(key->key1, key->key2));
            }
        }
    }
    for (int b = 1; b <= 12; ++b) {
        if (const auto key = dailyBranchKey(b)) {
            texts.byBranch[static_cast<std::size_t>(b)] =
                passages.lookupLines(key->key1, key->key2);
        }
    }
    return texts;
}

int dailyTenGodLine(int y, int m, int d) {
    return floorMod(floorDiv(civilDaySerial(y, m, d), 10), kDailyTenGodLines);
}

int dailyBranchLine(int y, int m, int d) {
    return floorMod(floorDiv(civilDaySerial(y, m, d), 12), kDailyBranchLines);
}

FortuneDay fortuneDayOf(const FortuneChart& chart, const FortuneTexts& texts, int y, int m, int d) {
    FortuneDay day;
    day.day = d;
    day.stem = quickDayStem(y, m, d);
    day.branch = quickDayBranch(y, m, d);
    day.tenGod = tenGodOf(chart.dayStem, day.stem);
    day.relations = {branchRelationOf(day.branch, chart.dayBranch),
                     branchRelationOf(day.branch, chart.monthBranch),
                     branchRelationOf(day.branch, chart.yearBranch)};
    if (day.tenGod >= 1 && day.tenGod <= 10) {
        day.tenGodText =
            lineOf(texts.byTenGod[static_cast<std::size_t>(day.tenGod)], dailyTenGodLine(y, m, d));
    }
    if (day.branch >= 1 && day.branch <= 12) {
        day.branchText =
            lineOf(texts.byBranch[static_cast<std::size_t>(day.branch)], dailyBranchLine(y, m, d));
    }
    return day;
}

int monthTenGodOf(const FortuneChart& chart, int y, int m) {
    return tenGodOf(chart.dayStem, quickYearMonthStems(m * 100 + 15, y).month);
}

std::string fortuneCalendarHeading(int year, int month) {
    return std::to_string(year) + "年度 " + std::to_string(month) + "月度の開運暦";
}

PrintDocument composeFortuneCalendar(const FortuneCalendarContent& content,
                                     const FortuneTexts& texts) {
    PrintDocument doc;
    doc.title = "開運カレンダー";
    const std::string footer = footerLine(content.practitionerName, content.practitionerTelephone);
    for (const int month : calendarMonths(content.month)) {
        PrintPage page;
        double y = 10;
        if (!content.clientName.empty()) {
            page.items.push_back(textItem(kCalendarLeft, y, kTextWidth, 6,
                                          content.clientName + " 様", FontFace::Gothic, 11));
        }
        y += 6;
        PrintItem heading =
            textItem(kCalendarLeft, y, kTextWidth, 9, fortuneCalendarHeading(content.year, month),
                     FontFace::Gothic, 16);
        heading.bold = true;
        heading.align = Align::Centre;
        page.items.push_back(heading);
        y += 11;
        const int god = monthTenGodOf(content.chart, content.year, month);
        for (std::size_t which = 0; which < 3; ++which) {
            const std::string passage =
                god >= 1 && god <= 10 ? texts.month[static_cast<std::size_t>(god)][which] : "";
            if (passage.empty()) continue;
            y = addWrapped(page, kCalendarLeft, y, kTextWidth,
                           std::string(kMonthCaptions[which]) + passage, FontFace::Mincho,
                           kReadingPoints, kReadingLineHeight, kReadingMaxLines);
            y += 1;
        }
        const double top = y + 2;
        const std::vector<CalendarCell> cells = monthCells(content.year, month, top);
        addGridFrame(page, top, cells);
        for (const CalendarCell& cell : cells) {
            addDayCell(page, cell,
                       fortuneDayOf(content.chart, texts, content.year, month, cell.day));
        }
        addCalendarFooter(page, footer);
        doc.pages.push_back(std::move(page));
    }
    return doc;
}

}  // namespace suimei::print
