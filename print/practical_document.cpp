#include "print/practical_document.h"

#include <algorithm>
#include <cstdio>

#include "print/document_layout.h"
#include "print/memo_document.h"

namespace suimei::print {

namespace {

std::string str(std::string_view v) {
    return std::string(v);
}

constexpr double kBoxWidth = 16;    // mm: a stem or branch box
constexpr double kBoxHeight = 8;    // mm
constexpr double kChartPitch = 24;  // mm between the chart's columns
constexpr double kAnnualPitch = 18;
constexpr double kChartStemTop = 30;
constexpr double kChartBranchTop = 42;
constexpr double kLuckLeft = kPageLeft + 3 * kChartPitch + 14;
constexpr double kLuckStemTop = 58;
constexpr double kLuckBranchTop = 70;
constexpr double kAnnualStemTop = 92;
constexpr double kAnnualBranchTop = 104;
constexpr double kHintsTop = 140;
constexpr double kBoxPoints = 8.5;

struct Box {
    double x = 0;
    double y = 0;
};

// Where the box of a line's end stands; false for an end that the page does not show.
bool boxOf(const LineEnd& end, Box& box) {
    switch (end.owner) {
        case LineOwner::Day:
        case LineOwner::Month:
        case LineOwner::Year: {
            const int index = end.owner == LineOwner::Day     ? 0
                              : end.owner == LineOwner::Month ? 1
                                                              : 2;
            box = {kPageLeft + index * kChartPitch, end.stem ? kChartStemTop : kChartBranchTop};
            return true;
        }
        case LineOwner::Luck:
            box = {kLuckLeft, end.stem ? kLuckStemTop : kLuckBranchTop};
            return true;
        case LineOwner::Annual:
            if (end.annual < 1 || end.annual > kAnnualColumns) return false;
            box = {kPageLeft + (end.annual - 1) * kAnnualPitch,
                   end.stem ? kAnnualStemTop : kAnnualBranchTop};
            return true;
    }
    return false;
}

std::string colourOf(LineKind kind) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06X", static_cast<unsigned>(lineColourRgb(kind)));
    return buffer;
}

// A line from the lower edge of the upper box to the upper edge of the lower one; two boxes of
// one row are joined by a bracket beside the row (above the stems, below the branches), each
// bracket of the row a little further out so that they stay apart.
void addLine(PrintPage& page, const LuckLine& line, int& bracketsAbove, int& bracketsBelow) {
    Box a;
    Box b;
    if (!boxOf(line.from, a) || !boxOf(line.to, b)) return;
    const std::string colour = colourOf(line.kind);
    const double ax = a.x + kBoxWidth / 2;
    const double bx = b.x + kBoxWidth / 2;
    if (a.y == b.y) {
        const bool above = line.from.stem;
        const int n = above ? bracketsAbove++ : bracketsBelow++;
        const double edge = above ? a.y : a.y + kBoxHeight;
        const double out = edge + (above ? -1.0 : 1.0) * (1.5 + 1.2 * std::min(n, 2));
        page.items.push_back(lineItem(ax + n, edge, ax + n, out, colour));
        page.items.push_back(lineItem(ax + n, out, bx - n, out, colour));
        page.items.push_back(lineItem(bx - n, out, bx - n, edge, colour));
        return;
    }
    if (a.y > b.y) std::swap(a, b);
    page.items.push_back(
        lineItem(a.x + kBoxWidth / 2, a.y + kBoxHeight, b.x + kBoxWidth / 2, b.y, colour));
}

void text(PrintPage& page, double x, double y, double w, double h, std::string t, double points,
          FontFace face = FontFace::Mincho, Align align = Align::Centre, std::string colour = {}) {
    PrintItem item = alignedText(x, y, w, h, std::move(t), face, points, align);
    if (!colour.empty()) item.colour = std::move(colour);
    page.items.push_back(std::move(item));
}

void boxWithText(PrintPage& page, double x, double y, const std::string& t) {
    // Filled white, so the lines drawn before the boxes pass behind them.
    page.items.push_back(boxItem(x, y, kBoxWidth, kBoxHeight, "#ffffff"));
    text(page, x, y + 2, kBoxWidth, kBoxHeight - 2, t, kBoxPoints);
}

}  // namespace

std::string luckAgeRangeText(int startAge) {
    return std::to_string(startAge) + "-" + std::to_string(startAge + 9) + "才";
}

std::vector<std::string> luckHintParagraphs(int lifePalaceBranch, const std::string& liked,
                                            const std::string& disliked) {
    const std::string palace =
        branchName(lifePalaceBranch).empty() ? "-" : str(branchName(lifePalaceBranch));
    const std::string likedText = liked.empty() ? "-" : liked;
    const std::string dislikedText = disliked.empty() ? "-" : disliked;
    return {
        "〔奇宿〕命式に宿る特殊星は、行運の干支がその柱に巡ってきたときに働きが目を覚まします。"
        "吉星を持つ柱に大運や年運が重なる時期は、その星の恵みを受け取りやすくなります。"
        "凶星を持つ柱が冲や刑で揺さぶられる年は星の性質が表に出やすいので、慎重に判断して下さい。",
        "〔命宮〕あなたの命宮は「" + palace +
            "」です。命宮は生まれ持った境遇と、心が落ち着く居場所を表します。"
            "行運の地支が命宮と冲する年は住まいや立場が動きやすく、支合する年は周囲の支えを得て"
            "足元が固まります。",
        "〔喜ぶ神〕あなたの喜ぶ神は「" + likedText +
            "」の五行です。この五行が大運や年運で巡る時期は、努力が実を結びやすく、新しい挑戦に"
            "向いています。身に着ける色や仕事の分野にもこの五行を取り入れると、流れを味方に"
            "付けられます。",
        "〔忌む神〕あなたの忌む神は「" + dislikedText +
            "」の五行です。この五行が重なる時期は、無理を重ねると心身の負担が大きくなりがちです。"
            "大きな決断は時期をずらすか、喜ぶ神の助けを借りて穏やかに進めるのが賢明です。",
        "〔吉方位〕喜ぶ神の五行が指す方位があなたの吉方位です。木は東、火は南、土は中央と四隅、"
        "金は西、水は北にあたります。引越しや旅行、大切な話し合いの場所を選ぶときの目安にして"
        "下さい。",
        "〔行運〕大運は十年ごとに人生の舞台を移す大きな流れです。天干は表に現れる出来事を、"
        "地支は足元の環境と心の状態を表します。天干と地支の印がともに○の十年は、持てる力を"
        "存分に発揮できる時期です。",
        "〔肉体面〕日干を剋す五行が強く巡る年は、体力の消耗が表に出やすくなります。"
        "忌む神の五行にあたる臓腑（木は肝、火は心、土は脾胃、金は肺、水は腎）をいたわり、"
        "睡眠と食事の節度を守って下さい。十二運が病・死・墓・絶に入る年は、特に無理を控える"
        "ことが大切です。",
        "〔行運〕大運の地支が命式の月支と冲する十年は、仕事や家庭の土台が入れ替わる転機に"
        "なります。変化を恐れずに準備を整えて臨めば、大きく飛躍する時期にもなります。",
        "〔年運〕年運は大運の流れの中に一年ごとに現れる波です。大運が×でも年運が○の年には"
        "好機が訪れ、大運が○でも年運が×の年には足踏みが起こります。空亡の年は新しいことを"
        "始めるより、内面を整えてこれまでの歩みを見直す年として過ごすのが良いでしょう。",
        "〔行運〕干合の線で結ばれた年は人との縁が深まり、結婚や提携などの結び付きが生まれ"
        "やすくなります。三刑の線が現れる年は、人間関係のもつれや思わぬ行き違いに注意して"
        "下さい。冲の線は動きと変化の印で、移転や転職の決断を求められることが多い年です。",
    };
}

PrintDocument composePracticalDocument(const PracticalDocumentContent& c) {
    PrintDocument doc;
    doc.title = kPracticalDocumentTitle;
    doc.pages.emplace_back();
    PrintPage& page = doc.pages.back();
    const std::string name = c.clientName + " 様";
    const double namePoints = fittedPoints(name, 110, 15, 8);
    text(page, kPageLeft, 12, 110, 9, name, namePoints, FontFace::Mincho, Align::Left);
    text(page, kPageLeft + 110, 12, kPageWidth - 110, 9, kPracticalDocumentTitle, 16,
         FontFace::Gothic, Align::Right);
    page.items.push_back(lineItem(kPageLeft, 22, kPageLeft + kPageWidth, 22));

    // The lines go beneath everything after the heading.
    const std::size_t headerItems = page.items.size();
    if (c.chart != nullptr) {
        const Tmandata& chart = *c.chart;
        const PillarBlock* blocks[] = {&chart.dayPillar, &chart.monthPillar, &chart.yearPillar};
        const char* captions[] = {"日柱", "月柱", "年柱"};
        for (int i = 0; i < 3; ++i) {
            const double x = kPageLeft + i * kChartPitch;
            const PillarBlock& p = *blocks[i];
            text(page, x, kChartStemTop - 6, kBoxWidth, 5, captions[i], 9, FontFace::Gothic);
            boxWithText(page, x, kChartStemTop,
                        i == 0 ? str(stemName(p.stem)) : stemButtonText(p.stem, p.stemTenGod));
            boxWithText(page, x, kChartBranchTop, str(branchName(p.branch)));
        }
        // The legend: the ratings, the colours of the lines, the liked and disliked elements.
        constexpr double legendX = kPageLeft + 130;
        text(page, legendX, 26, 22, 5, "○->吉運", 9, FontFace::Mincho, Align::Left);
        text(page, legendX, 31, 22, 5, "×->凶運", 9, FontFace::Mincho, Align::Left);
        text(page, legendX, 36, 22, 5, "△->平運", 9, FontFace::Mincho, Align::Left);
        const std::pair<const char*, LineKind> legend[] = {{"三刑", LineKind::Punishment},
                                                           {"冲", LineKind::Clash},
                                                           {"干合", LineKind::Combination}};
        for (int i = 0; i < 3; ++i) {
            const double y = 26 + i * 5;
            page.items.push_back(boxItem(legendX + 24, y + 1.2, 10, 2, colourOf(legend[i].second)));
            text(page, legendX + 36, y, 14, 5, legend[i].first, 9, FontFace::Mincho, Align::Left);
        }
        text(page, legendX, 43, 50, 5, "喜ぶ神：" + chart.favourableElements, 9, FontFace::Mincho,
             Align::Left);
        text(page, legendX, 48, 50, 5, "忌む神：" + chart.unfavourableElements, 9, FontFace::Mincho,
             Align::Left);

        // The luck pillar with its two ratings.
        const PracticalLuckColumn& luck = c.luck;
        text(page, kLuckLeft - 6, kLuckStemTop - 6, kBoxWidth + 24, 5,
             "大運 " + luckAgeRangeText(luck.startAge), 9, FontFace::Gothic, Align::Left);
        boxWithText(page, kLuckLeft, kLuckStemTop, stemButtonText(luck.stem, luck.tenGod));
        boxWithText(page, kLuckLeft, kLuckBranchTop, str(branchName(luck.branch)));
        text(page, kLuckLeft, kLuckBranchTop + kBoxHeight + 1, kBoxWidth, 5,
             str(stageName(luck.stage)), kBoxPoints);
        text(page, kLuckLeft + kBoxWidth + 1, kLuckStemTop + 1.5, 6, 6,
             str(ratingMark(luck.marks[0])), 11);
        text(page, kLuckLeft + kBoxWidth + 1, kLuckBranchTop + 1.5, 6, 6,
             str(ratingMark(luck.marks[1])), 11);

        // Its ten years.
        const auto years = annualColumnsOf(chart, luck);
        for (const AnnualColumn& y : years) {
            const double x = kPageLeft + (y.index - 1) * kAnnualPitch;
            text(page, x, kAnnualStemTop - 6, kBoxWidth, 5, std::to_string(y.age) + "才", 9,
                 FontFace::Gothic);
            if (y.outOfRange) continue;
            boxWithText(page, x, kAnnualStemTop, stemButtonText(y.stem, y.tenGod));
            boxWithText(page, x, kAnnualBranchTop, str(branchName(y.branch)));
            text(page, x, kAnnualBranchTop + kBoxHeight + 1, kBoxWidth, 5, str(stageName(y.stage)),
                 kBoxPoints);
            text(page, x, kAnnualBranchTop + kBoxHeight + 6, kBoxWidth, 5, annualYearText(y),
                 kBoxPoints);
            text(page, x, kAnnualBranchTop + kBoxHeight + 11, kBoxWidth, 5, annualVoidText(y),
                 kBoxPoints, FontFace::Gothic, Align::Centre, "#FF0000");
            text(page, x, kAnnualBranchTop + kBoxHeight + 16, kBoxWidth, 6, str(ratingMark(y.mark)),
                 11);
        }

        std::vector<LuckLine> lines = practicalChartLines(chart);
        const std::vector<LuckLine> more = annualLines(chart, luck, years);
        lines.insert(lines.end(), more.begin(), more.end());
        PrintPage linesLayer;
        int above = 0;
        int below = 0;
        for (const LuckLine& line : lines) addLine(linesLayer, line, above, below);
        page.items.insert(page.items.begin() + static_cast<std::ptrdiff_t>(headerItems),
                          linesLayer.items.begin(), linesLayer.items.end());
    }

    // The hints; whatever does not fit runs on to the next page under the name and the heading.
    const auto continuation = [&name, namePoints](PrintPage& next) {
        text(next, kPageLeft, 12, 110, 9, name, namePoints, FontFace::Mincho, Align::Left);
        text(next, kPageLeft + 110, 12, kPageWidth - 110, 9, kPracticalDocumentTitle, 16,
             FontFace::Gothic, Align::Right);
        next.items.push_back(lineItem(kPageLeft, 22, kPageLeft + kPageWidth, 22));
        return 28.0;
    };
    TextFlow flow(doc, kPageLeft, kPageWidth, kHintsTop, continuation);
    flow.paragraph(kLuckHintsHeading, {FontFace::Gothic, 11, 6.5, true, 0});
    const Tmandata* chart = c.chart;
    for (const std::string& p : luckHintParagraphs(
             chart ? chart->lifePalace : 0, chart ? chart->favourableElements : std::string(),
             chart ? chart->unfavourableElements : std::string())) {
        flow.paragraph(p, {FontFace::Mincho, 8.8, 4.0, false, 0});
        flow.gap(0.6);
    }
    addFooters(doc, footerLine(c.practitionerName, c.practitionerTelephone));
    return doc;
}

}  // namespace suimei::print
