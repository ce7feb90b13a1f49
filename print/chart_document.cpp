#include "print/chart_document.h"

#include <algorithm>
#include <numeric>

#include "chart/chart_rules.h"
#include "chart/diagrams.h"
#include "chart/mandata.h"
#include "chart/strength.h"
#include "methods/nine_star.h"
#include "methods/tokushu_stars.h"
#include "print/document_layout.h"
#include "print/memo_document.h"

namespace suimei::print {

namespace {

std::string str(std::string_view v) {
    return std::string(v);
}

constexpr double kLabelWidth = 26;   // mm: the row captions of the pillar table
constexpr double kColumnWidth = 38;  // mm
constexpr double kTableLeft = kPageLeft;
constexpr double kColumnsLeft = kTableLeft + kLabelWidth;
constexpr double kTableRight = kColumnsLeft + 4 * kColumnWidth;
constexpr double kCellPoints = 10.5;

// Element colours of the balance bars: pale enough for the percentages to stay readable.
constexpr std::array<const char*, 5> kElementFills = {"#9ccc65", "#ef9a9a", "#d7b98e", "#e0e0e0",
                                                      "#90caf9"};

std::string stemWithGod(int stem, int tenGod) {
    if (stem == 0) return "-";
    return str(stemName(stem)) + "(" + str(tenGodName(tenGod)) + ")";
}

std::string orDash(std::string_view text) {
    return text.empty() ? "-" : std::string(text);
}

ChartColumn columnOf(const Tmandata& chart, int pillarIndex, int stageSchool) {
    static constexpr std::array<const char*, 4> headings = {"年 柱", "月 柱", "日 柱", "時 柱"};
    const PillarBlock& p = chart.pillarAt(pillarIndex);
    ChartColumn c;
    c.heading = headings[static_cast<std::size_t>(pillarIndex)];
    const bool day = pillarIndex == kDayPillar;
    if (p.stem == 0 && p.branch == 0) {
        c.stem = c.branch = c.stage = c.stageFromDay = c.stageFromMonth = "-";
        c.hiddenStems = {"-"};
        return c;
    }
    c.stem = day ? str(stemName(p.stem)) + "(日主)" : stemWithGod(p.stem, p.stemTenGod);
    c.branch = orDash(branchName(p.branch));
    for (int slot = 1; slot <= 3; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (p.hiddenStems[s] == 0) continue;
        c.hiddenStems.push_back(stemWithGod(p.hiddenStems[s], p.hiddenTenGods[s]));
        if (slot == p.activeHiddenSlot) c.activeHidden = static_cast<int>(c.hiddenStems.size());
    }
    if (c.hiddenStems.empty()) c.hiddenStems = {"-"};
    c.stage = orDash(stageName(day ? p.dayMasterStage : p.ownStage));
    c.stageFromDay = orDash(stageName(p.dayMasterStage));
    c.stageFromMonth =
        orDash(stageName(twelveStageOf(p.stem, chart.monthPillar.branch, stageSchool)));
    return c;
}

std::string branchGroupsText(const BranchDiagram& diagram, BranchKind kind) {
    std::string text;
    for (const BranchGroup& g : diagram.groupsOf(kind, true)) {
        if (!text.empty()) text += "　";
        for (int b : g.branches) text += str(branchName(b));
        if (g.element != 0) text += "(" + str(elementName(g.element)) + ")";
        if (g.count > 1) text += "×" + std::to_string(g.count);
    }
    return text.empty() ? "なし" : text;
}

std::array<std::string, 7> relationTexts(const Tmandata& chart) {
    std::string stems;
    for (const StemPair& pair : stemDiagramOf(chart).present) {
        if (!stems.empty()) stems += "　";
        stems += str(stemName(pair.a)) + str(stemName(pair.b)) + "(" +
                 str(elementName(pair.element)) + ")";
        if (pair.count > 1) stems += "×" + std::to_string(pair.count);
    }
    const BranchDiagram branches = branchDiagramOf(chart);
    return {stems.empty() ? "なし" : stems,
            branchGroupsText(branches, BranchKind::Three),
            branchGroupsText(branches, BranchKind::Directional),
            branchGroupsText(branches, BranchKind::Pair),
            branchGroupsText(branches, BranchKind::Clash),
            branchGroupsText(branches, BranchKind::Punishment),
            branchGroupsText(branches, BranchKind::Self)};
}

std::string inclinationText(int position) {
    const std::string_view name = palaceName(position);
    if (name.empty()) return "-";
    return name == "中央" ? "中宮" : str(name) + "宮";
}

void text(PrintPage& page, double x, double y, double w, double h, std::string t, double points,
          FontFace face = FontFace::Mincho, Align align = Align::Left, bool bold = false) {
    PrintItem item = alignedText(x, y, w, h, std::move(t), face, points, align);
    item.bold = bold;
    page.items.push_back(std::move(item));
}

// A row of `count` boxes, the first `filled` of them shaded.
void boxRow(PrintPage& page, double x, double y, int count, int filled, const char* fill) {
    constexpr double size = 4.5;
    for (int i = 0; i < count; ++i) {
        page.items.push_back(boxItem(x + i * (size + 1), y, size, size, i < filled ? fill : ""));
    }
}

// The pillar table from `top`; returns the height below it.
double pillarTable(PrintPage& page, const ChartDocumentContent& c, double top) {
    struct Row {
        const char* caption;
        double height;
    };
    const std::array<Row, 5> rows = {
        {{"", 7}, {"天 干", 8}, {"地 支", 8}, {"蔵 干", 17}, {"十二運", 8}}};
    double y = top;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double h = rows[r].height;
        page.items.push_back(boxItem(kTableLeft, y, kLabelWidth, h, r == 0 ? "" : "#f2f2f2"));
        text(page, kTableLeft, y + 1.5, kLabelWidth, h - 1.5, rows[r].caption, kCellPoints,
             FontFace::Gothic, Align::Centre);
        for (std::size_t col = 0; col < 4; ++col) {
            const ChartColumn& column = c.columns[col];
            const double x = kColumnsLeft + static_cast<double>(col) * kColumnWidth;
            page.items.push_back(boxItem(x, y, kColumnWidth, h, r == 0 ? "#f2f2f2" : ""));
            switch (r) {
                case 0:
                    text(page, x, y + 1.5, kColumnWidth, h - 1.5, column.heading, kCellPoints,
                         FontFace::Gothic, Align::Centre, true);
                    break;
                case 1:
                    text(page, x, y + 1.8, kColumnWidth, h - 1.8, column.stem, 11, FontFace::Mincho,
                         Align::Centre);
                    break;
                case 2:
                    text(page, x, y + 1.8, kColumnWidth, h - 1.8, column.branch, 11,
                         FontFace::Mincho, Align::Centre);
                    break;
                case 3:
                    for (std::size_t i = 0; i < column.hiddenStems.size() && i < 3; ++i) {
                        const bool active = static_cast<int>(i) + 1 == column.activeHidden;
                        text(page, x, y + 1 + static_cast<double>(i) * 5.2, kColumnWidth, 5,
                             column.hiddenStems[i], 10, FontFace::Mincho, Align::Centre, active);
                    }
                    break;
                default:
                    text(page, x, y + 1.8, kColumnWidth, h - 1.8, column.stage, kCellPoints,
                         FontFace::Mincho, Align::Centre);
                    break;
            }
        }
        y += h;
    }
    return y - top;
}

}  // namespace

std::array<int, 5> elementShares(const ElementArray& points) {
    std::array<int, 5> share{};
    int total = 0;
    for (int e = 1; e <= 5; ++e) total += std::max(0, points[static_cast<std::size_t>(e)]);
    if (total == 0) return share;
    std::array<int, 5> remainder{};
    int given = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        const int scaled = std::max(0, points[i + 1]) * 100;
        share[i] = scaled / total;
        remainder[i] = scaled % total;
        given += share[i];
    }
    std::array<std::size_t, 5> order = {0, 1, 2, 3, 4};
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return remainder[a] > remainder[b]; });
    for (std::size_t k = 0; given < 100; ++k, ++given) ++share[order[k % 5]];
    return share;
}

namespace {

// The names of the 特殊星 of each column (hour, day, month, year): the catalogue text up
// to its meaning, without the leading ".".
std::array<std::vector<std::string>, 4> tokushuStarNames(const Tmandata& chart) {
    const TokushuStars stars = detectTokushuStars(chart);
    constexpr StarPillar kColumns[] = {StarPillar::Hour, StarPillar::Day, StarPillar::Month,
                                       StarPillar::Year};
    std::array<std::vector<std::string>, 4> names;
    for (std::size_t col = 0; col < 4; ++col) {
        for (const int star : stars.of(kColumns[col])) {
            std::string_view text = tokushuStarText(star);
            if (!text.empty() && text.front() == '.') text.remove_prefix(1);
            const std::size_t wide = text.find("：");
            text = text.substr(0, std::min(wide, text.find(':')));
            names[col].emplace_back(text);
        }
    }
    return names;
}

}  // namespace

ChartDocumentContent chartDocumentContent(const Tmandata& chart, int stageSchool,
                                          const NineStarKi& stars) {
    ChartDocumentContent c;
    c.clientName = chart.nameText;
    c.columns = {
        columnOf(chart, kHourPillar, stageSchool), columnOf(chart, kDayPillar, stageSchool),
        columnOf(chart, kMonthPillar, stageSchool), columnOf(chart, kYearPillar, stageSchool)};
    c.relations = relationTexts(chart);
    c.tokushuStars = tokushuStarNames(chart);
    c.strengthClass = str(strengthClassOf(chart.strengthTotal));
    c.strengthTotal = chart.strengthTotal;
    c.relationScore = chart.relationScore;
    c.stageScore = chart.stageScore;
    const StrengthGauges gauges = strengthGaugesOf(chart.monthCommandScore, chart.relationScore,
                                                   chart.stageScore, chart.strengthTotal);
    c.totalGauge = gauges.total;
    c.relationGauge = gauges.relation;
    c.stageGauge = gauges.stage;
    c.dayMasterPoints = chart.dayMasterPoints;
    c.dayMasterWording = str(dayMasterWordingOf(chart.dayMasterPoints));
    c.natalStar = orDash(nineStarName(stars.natalStar));
    c.monthStar = orDash(nineStarName(stars.monthStar));
    c.inclination = inclinationText(stars.inclinationPosition);
    c.usefulStem = orDash(stemName(chart.usefulStem));
    c.favourable = orDash(chart.favourableElements);
    c.unfavourable = orDash(chart.unfavourableElements);
    c.voidBranches = orDash(str(branchName(chart.voidFirst)) + str(branchName(chart.voidSecond)));
    c.elementShare = elementShares(chart.elementPoints);
    c.patternName = chart.patternName;
    return c;
}

PrintDocument composeChartDocument(const ChartDocumentContent& c) {
    PrintDocument doc;
    doc.title = kChartDocumentTitle;
    PrintPage page;
    const std::string name = c.clientName + " 様 ";
    text(page, kPageLeft, 12, 110, 9, name, fittedPoints(name, 110, 15, 8), FontFace::Mincho);
    text(page, kPageLeft + 110, 12, kPageWidth - 110, 9, kChartDocumentTitle, 16, FontFace::Gothic,
         Align::Right, true);
    page.items.push_back(lineItem(kPageLeft, 22, kPageLeft + kPageWidth, 22));
    text(page, kPageLeft, 24, 90, 6, "[蔵干表]" + c.hiddenStemSchool, 10);
    text(page, kPageLeft + 90, 24, 90, 6, "[十二運星]" + c.stageSchool, 10);

    double y = 31;
    y += pillarTable(page, c, y) + 4;

    // Relations on the left, 特殊星 on the right.
    const double relationsTop = y;
    constexpr double rowHeight = 5.4;
    for (std::size_t i = 0; i < c.relations.size(); ++i) {
        const double ry = relationsTop + static_cast<double>(i) * rowHeight;
        text(page, kPageLeft, ry, 16, rowHeight, kRelationRowCaptions[i], 10, FontFace::Gothic);
        text(page, kPageLeft + 16, ry, 70, rowHeight, c.relations[i], 10);
    }
    constexpr double starsLeft = kPageLeft + 92;
    constexpr double starsWidth = kPageWidth - 92;
    text(page, starsLeft, relationsTop, starsWidth, rowHeight, "特殊星", 10, FontFace::Gothic,
         Align::Left, true);
    {
        // Each column's stars on its own lines; what does not fit above the stages is left out
        // rather than drawn over them.
        const double limit = relationsTop + 7 * rowHeight;
        double sy = relationsTop + rowHeight;
        for (std::size_t col = 0; col < 4 && sy + 4.6 <= limit; ++col) {
            std::string joined;
            for (const std::string& star : c.tokushuStars[col]) {
                joined += (joined.empty() ? "" : "・") + star;
            }
            const std::string caption = c.columns[col].heading;
            for (const std::string& line :
                 wrapText(caption + "：" + (joined.empty() ? "-" : joined), starsWidth, 9.5)) {
                if (sy + 4.6 > limit) break;
                text(page, starsLeft, sy, starsWidth, 4.6, line, 9.5);
                sy += 4.6;
            }
        }
    }
    y = relationsTop + 7 * rowHeight + 3;

    // The stages from the day stem and from the month branch, in the table's columns.
    for (const bool fromDay : {true, false}) {
        page.items.push_back(boxItem(kTableLeft, y, kLabelWidth, 7, "#f2f2f2"));
        text(page, kTableLeft, y + 1.3, kLabelWidth, 5.7,
             fromDay ? "日干から各柱" : ".月支から各柱", 9, FontFace::Gothic, Align::Centre);
        for (std::size_t col = 0; col < 4; ++col) {
            const double x = kColumnsLeft + static_cast<double>(col) * kColumnWidth;
            page.items.push_back(boxItem(x, y, kColumnWidth, 7));
            text(page, x, y + 1.3, kColumnWidth, 5.7,
                 fromDay ? c.columns[col].stageFromDay : c.columns[col].stageFromMonth, 10,
                 FontFace::Mincho, Align::Centre);
        }
        y += 7;
    }
    y += 4;

    // Strength of the day master: three gauges of ten boxes and the day master's points.
    struct Gauge {
        const char* caption;
        std::string value;
        int filled;
        int count;
    };
    const std::array<Gauge, 4> gauges = {{
        {"命式身旺身弱", c.strengthClass + "（" + std::to_string(c.strengthTotal) + "）",
         (c.totalGauge + 5) / 10, 10},
        {"五行強弱", std::to_string(c.relationScore) + "点", (c.relationGauge + 5) / 10, 10},
        {"十二運星", std::to_string(c.stageScore) + "点", (c.stageGauge + 5) / 10, 10},
        {"我身の強さ", std::to_string(c.dayMasterPoints) + "点 " + c.dayMasterWording,
         std::clamp(c.dayMasterPoints, 0, 11), 11},
    }};
    for (const Gauge& g : gauges) {
        text(page, kPageLeft, y, 30, 5.5, g.caption, 10, FontFace::Gothic);
        boxRow(page, kPageLeft + 32, y + 0.3, g.count, g.filled, "#7e57c2");
        text(page, kPageLeft + 100, y, 80, 5.5, g.value, 10);
        y += 6;
    }
    text(page, kPageLeft, y, kPageWidth, 5, "*弱いと逆境に弱いが「敏」強いと逆境に強いが「鈍」", 9);
    y += 8;

    text(page, kPageLeft, y, 16, 6, "九星", 10.5, FontFace::Gothic, Align::Left, true);
    text(page, kPageLeft + 16, y, kPageWidth - 16, 6,
         "本命星：" + c.natalStar + "  月命星：" + c.monthStar + "  傾斜宮：" + c.inclination,
         10.5);
    y += 8;
    const std::array<std::pair<const char*, std::string>, 4> values = {{
        {"用  神", c.usefulStem},
        {"喜ぶ神", c.favourable},
        {"忌む神", c.unfavourable},
        {"空  亡", c.voidBranches},
    }};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = kPageLeft + static_cast<double>(i) * 45;
        page.items.push_back(boxItem(x, y, 16, 7, "#f2f2f2"));
        text(page, x, y + 1.3, 16, 5.7, values[i].first, 9.5, FontFace::Gothic, Align::Centre);
        page.items.push_back(boxItem(x + 16, y, 27, 7));
        text(page, x + 16, y + 1.3, 27, 5.7, values[i].second, 10.5, FontFace::Mincho,
             Align::Centre);
    }
    y += 8.5;
    text(page, kPageLeft, y, kPageWidth, 5, "*喜神の五行を強く持った人とは相性吉", 9);
    y += 8;

    text(page, kPageLeft, y, kPageWidth, 6, "五行の強さのバランス", 10.5, FontFace::Gothic,
         Align::Left, true);
    y += 7;
    constexpr double barLeft = kPageLeft + 12;
    constexpr double barWidth = 120;
    for (std::size_t e = 0; e < 5; ++e) {
        text(page, kPageLeft + 2, y, 8, 5.5, str(elementName(static_cast<int>(e) + 1)), 10.5,
             FontFace::Gothic);
        page.items.push_back(boxItem(barLeft, y + 0.5, barWidth, 4.5));
        const double filled = barWidth * std::clamp(c.elementShare[e], 0, 100) / 100.0;
        if (filled > 0)
            page.items.push_back(boxItem(barLeft, y + 0.5, filled, 4.5, kElementFills[e]));
        text(page, barLeft + barWidth + 4, y, 20, 5.5, std::to_string(c.elementShare[e]) + "%", 10,
             FontFace::Mincho, Align::Right);
        y += 6;
    }
    y += 1;
    text(page, kPageLeft, y, kPageWidth, 5, "*五行がバランスしていると性格もバランスが良い", 9);
    y += 5.5;
    text(page, kPageLeft, y, kPageWidth, 5,
         "*上記を格局でいうと本命は「" + c.patternName + "」です", 9);

    doc.pages.push_back(std::move(page));
    addFooters(doc, footerLine(c.practitionerName, c.practitionerTelephone));
    return doc;
}

}  // namespace suimei::print
