#include "print/general_report.h"

#include "chart/chart_rules.h"
#include "chart/mandata.h"
#include "print/document_layout.h"
#include "print/memo_document.h"
#include "readings/passage_table.h"

namespace suimei::print {

namespace {

std::string str(std::string_view v) {
    return std::string(v);
}

std::string orDash(std::string_view v) {
    return v.empty() ? "-" : std::string(v);
}

constexpr double kReportTop = 14;
constexpr double kClientLineTop = 288;

// Pillars in the order of the report's columns: hour, day, month, year.
constexpr std::array<int, 4> kColumnPillars = {kHourPillar, kDayPillar, kMonthPillar, kYearPillar};

void text(PrintPage& page, double x, double y, double w, double h, std::string t, double points,
          FontFace face, Align align = Align::Left, bool bold = false) {
    PrintItem item = alignedText(x, y, w, h, std::move(t), face, points, align);
    item.bold = bold;
    page.items.push_back(std::move(item));
}

// The heading of the first page: title, category marks and the pillar table; returns where the
// readings begin.
double firstPageHead(PrintPage& page, const GeneralReportContent& c) {
    text(page, kPageLeft, kReportTop, kPageWidth, 10, kGeneralReportTitle, 18, FontFace::Gothic,
         Align::Centre, true);
    double y = kReportTop + 14;
    constexpr double cell = kPageWidth / 5;
    for (std::size_t i = 0; i < 5; ++i) {
        const double x = kPageLeft + static_cast<double>(i) * cell;
        page.items.push_back(boxItem(x, y, cell, 8, c.categoryMarks[i].empty() ? "" : "#fff3d6"));
        text(page, x, y + 1.8, cell, 6, kCategoryCaptions[i] + c.categoryMarks[i], 11,
             FontFace::Gothic, Align::Centre);
    }
    y += 12;

    constexpr double label = 24;
    constexpr double column = 30;
    static constexpr std::array<const char*, 4> headings = {"時柱", "日柱", "月柱", "年柱"};
    const std::array<std::pair<const char*, const std::array<std::string, 4>*>, 3> rows = {
        {{"天干", &c.stems}, {"地支", &c.branches}, {"十二運", &c.stages}}};
    for (std::size_t col = 0; col < 4; ++col) {
        const double x = kPageLeft + label + static_cast<double>(col) * column;
        page.items.push_back(boxItem(x, y, column, 7, "#f2f2f2"));
        text(page, x, y + 1.4, column, 5.6, headings[col], 10, FontFace::Gothic, Align::Centre);
    }
    double ry = y + 7;
    for (const auto& [caption, values] : rows) {
        page.items.push_back(boxItem(kPageLeft, ry, label, 7, "#f2f2f2"));
        text(page, kPageLeft, ry + 1.4, label, 5.6, caption, 10, FontFace::Gothic, Align::Centre);
        for (std::size_t col = 0; col < 4; ++col) {
            const double x = kPageLeft + label + static_cast<double>(col) * column;
            page.items.push_back(boxItem(x, ry, column, 7));
            text(page, x, ry + 1.4, column, 5.6, (*values)[col], 10.5, FontFace::Mincho,
                 Align::Centre);
        }
        ry += 7;
    }
    const double side = kPageLeft + label + 4 * column + 6;
    text(page, side, y + 8, kPageLeft + kPageWidth - side, 6, "月支の蔵干", 10, FontFace::Gothic);
    text(page, side, y + 15, kPageLeft + kPageWidth - side, 6, c.monthHiddenStem, 11,
         FontFace::Mincho);
    return ry + 8;
}

double nextPageHead(PrintPage& page) {
    text(page, kPageLeft, kReportTop, kPageWidth, 8, kGeneralReportTitle, 12, FontFace::Gothic,
         Align::Right);
    page.items.push_back(
        lineItem(kPageLeft, kReportTop + 8, kPageLeft + kPageWidth, kReportTop + 8));
    return kReportTop + 12;
}

}  // namespace

std::array<std::string, 5> categoryMarks(const Tmandata& chart) {
    std::array<std::string, 5> marks;
    const std::pair<int, const char*> sources[] = {{chart.monthPillar.stemTenGod, "◎"},
                                                   {chart.yearPillar.stemTenGod, "○"},
                                                   {chart.hourPillar.stemTenGod, "△"}};
    for (const auto& [tenGod, mark] : sources) {
        const int group = tenGodGroup(tenGod);
        if (group >= 1 && group <= 5) marks[static_cast<std::size_t>(group - 1)] += mark;
    }
    return marks;
}

std::vector<ReportReading> generalReportReadings(const Tmandata& chart) {
    const std::string dayStem = str(stemName(chart.dayPillar.stem));
    const std::pair<const char*, PassageKey> all[] = {
        {"あなたの本質", {"日干", dayStem}},
        {"人生の目的", {"目的", str(tenGodName(chart.monthPillar.stemTenGod))}},
        {"心の奥にある目的", {"目的", str(tenGodName(chart.monthPillar.activeHiddenTenGod))}},
        {"目的を果たす手段", {"手段", str(tenGodName(chart.yearPillar.stemTenGod))}},
        {"職場での内面", {"職場内面", str(stageName(chart.monthPillar.dayMasterStage))}},
        {"青年期の心", {"青年精神", dayStem}},
        {"中年期の心", {"中年精神", str(stemName(chart.monthPillar.stem))}},
        {"老年期の心", {"老年精神", str(stemName(chart.yearPillar.stem))}},
        {"配偶者への接し方", {"配偶行動", str(tenGodName(chart.dayPillar.activeHiddenTenGod))}},
        {"異性に向ける内面", {"異性内面", str(stageName(chart.dayPillar.dayMasterStage))}},
        {"理想の伴侶", {"理想配偶", dayStem}},
        {"目下の人への接し方", {"目下行動", str(tenGodName(chart.hourPillar.stemTenGod))}},
    };
    std::vector<ReportReading> readings;
    for (const auto& [caption, key] : all) {
        if (!key.key2.empty()) readings.push_back({caption, key});
    }
    return readings;
}

std::array<PassageKey, 3> stemRelationKeys(const Tmandata& chart) {
    const auto pair = [](int a, int b) -> PassageKey {
        if (!isStem(a) || !isStem(b)) return {kStemRelationFamily, ""};
        return {kStemRelationFamily, str(stemName(a)) + str(stemName(b))};
    };
    return {pair(chart.hourPillar.stem, chart.dayPillar.stem),
            pair(chart.dayPillar.stem, chart.monthPillar.stem),
            pair(chart.monthPillar.stem, chart.yearPillar.stem)};
}

GeneralReportContent generalReportContent(const Tmandata& chart, PassageTable& passages) {
    GeneralReportContent c;
    c.categoryMarks = categoryMarks(chart);
    for (std::size_t col = 0; col < 4; ++col) {
        const PillarBlock& p = chart.pillarAt(kColumnPillars[col]);
        c.stems[col] = orDash(stemName(p.stem));
        c.branches[col] = orDash(branchName(p.branch));
        c.stages[col] = orDash(stageName(p.dayMasterStage));
    }
    c.monthHiddenStem = "(" + str(stemName(chart.monthPillar.activeHidden)) + ")";
    for (const ReportReading& r : generalReportReadings(chart)) {
        c.readings.push_back({r.caption, passages.lookupLines(r.key.key1, r.key.key2)});
    }
    const auto keys = stemRelationKeys(chart);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].key2.empty()) continue;
        // The lookup leaves the cursor on the record it found, whose bun1 is the keyword.
        std::vector<std::string> ignored;
        if (passages.lookup(keys[i].key1, keys[i].key2, ignored)) {
            c.stemRelations[i] = passages.table().field("bun1");
        }
    }
    c.clientName = chart.nameText;
    if (chart.birthYear != 0) {
        c.birthDate = std::to_string(chart.birthYear) + "年" + std::to_string(chart.birthMonth) +
                      "月" + std::to_string(chart.birthDay) + "日";
    }
    c.timeSlot = chart.birthTimeText;
    return c;
}

PrintDocument composeGeneralReport(const GeneralReportContent& c) {
    PrintDocument doc;
    doc.title = kGeneralReportTitle;
    doc.pages.emplace_back();
    const double top = firstPageHead(doc.pages.back(), c);
    TextFlow flow(doc, kPageLeft, kPageWidth, top, nextPageHead);
    const FlowStyle caption{FontFace::Gothic, 11, 6.2, true, 0};
    const FlowStyle body{FontFace::Mincho, 10.5, 5.4, false, 4};
    for (const GeneralReportContent::Reading& r : c.readings) {
        // A reading the table does not hold leaves no empty heading on the client's page.
        if (r.lines.empty()) continue;
        // A caption never stands alone at the foot of a page.
        flow.keepTogether(6.2 + 2 * 5.4);
        flow.paragraph("◆" + r.caption, caption);
        for (const std::string& line : r.lines) flow.paragraph(line, body);
        flow.gap(3);
    }
    flow.keepTogether(6.2 + 3 * 5.4);
    flow.paragraph("◆干の関係", caption);
    const char* pairs[] = {"時柱と日柱：", "日柱と月柱：", "月柱と年柱："};
    for (std::size_t i = 0; i < 3; ++i) {
        flow.paragraph(pairs[i] + (c.stemRelations[i].empty() ? "-" : c.stemRelations[i]), body);
    }

    addFooters(doc, footerLine(c.practitionerName, c.practitionerTelephone));
    std::string client = c.clientName + " 様 ";
    if (!c.birthDate.empty()) client += "　" + c.birthDate;
    if (!c.timeSlot.empty()) client += "　" + c.timeSlot;
    for (PrintPage& page : doc.pages) {
        page.items.push_back(textItem(kPageLeft, kClientLineTop, kPageWidth, 5, client,
                                      FontFace::Gothic, kFooterPoints));
    }
    return doc;
}

}  // namespace suimei::print
