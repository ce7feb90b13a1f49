#include "print/compatibility_sheet.h"

#include "calendar/types.h"
#include "chart/mandata.h"
#include "print/memo_document.h"

namespace suimei::print {

namespace {

constexpr double kLeft = 20;          // mm
constexpr double kTextWidth = 170;    // mm
constexpr double kColumnWidth = 82;   // mm: each person's half
constexpr double kColumnGap = 88;     // mm: from the left half's start to the right half's
constexpr double kTitleTop = 14;      // mm
constexpr double kChartTop = 28;      // mm
constexpr double kChartLine = 6;      // mm
constexpr double kMemoTop = 82;       // mm
constexpr double kMemoLine = 5.4;     // mm
constexpr double kMemoPoints = 10.5;  // pt, Mincho
constexpr double kFooterTop = 283;    // mm

std::string str(std::string_view v) {
    return std::string(v);
}

PrintItem text(double x, double y, double width, double height, std::string t, FontFace face,
               double points) {
    return textItem(x, y, width, height, std::move(t), face, points);
}

std::string stemWithTenGod(const PillarBlock& p) {
    return str(stemName(p.stem)) + "(" + str(tenGodName(p.stemTenGod)) + ")";
}

}  // namespace

std::vector<std::string> compatibilityChartLines(const std::string& name, const Tmandata& c) {
    return {
        name + " さんの命式",
        "日干：" + str(stemName(c.dayPillar.stem)),
        "月干：" + stemWithTenGod(c.monthPillar),
        "年干：" + stemWithTenGod(c.yearPillar),
        "日支：" + str(branchName(c.dayPillar.branch)) + "　月支：" +
            str(branchName(c.monthPillar.branch)) + "　年支：" +
            str(branchName(c.yearPillar.branch)),
        "十二運：" + str(stageName(c.dayPillar.dayMasterStage)) + "　" +
            str(stageName(c.monthPillar.dayMasterStage)) + "　" +
            str(stageName(c.yearPillar.dayMasterStage)),
        "空亡：" + str(branchName(c.voidFirst)) + str(branchName(c.voidSecond)),
    };
}

PrintDocument composeCompatibilitySheet(const CompatibilitySheetContent& content) {
    PrintDocument doc;
    doc.title = "相性診断";
    PrintPage page;
    PrintItem title = text(kLeft, kTitleTop, kTextWidth, 9, "相性診断", FontFace::Gothic, 14);
    title.bold = true;
    title.align = Align::Centre;
    page.items.push_back(title);

    const auto person = [&](double x, const std::string& name, const Tmandata* chart) {
        if (chart == nullptr) return;
        const std::vector<std::string> lines = compatibilityChartLines(name, *chart);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            page.items.push_back(
                text(x, kChartTop + static_cast<double>(i) * kChartLine, kColumnWidth, kChartLine,
                     lines[i], i == 0 ? FontFace::Gothic : FontFace::Mincho, i == 0 ? 12 : 11));
        }
    };
    person(kLeft, content.clientName, content.client);
    person(kLeft + kColumnGap, content.partnerName, content.partner);

    PrintItem rule;
    rule.kind = ItemKind::Line;
    rule.x = kLeft;
    rule.y = kMemoTop - 3;
    rule.width = kTextWidth;
    page.items.push_back(rule);

    const int fitting = static_cast<int>((kFooterTop - 2 - kMemoTop) / kMemoLine);
    int row = 0;
    for (const std::string& line : content.memoLines) {
        std::vector<std::string> wrapped =
            wrapText(line, kTextWidth * kWrapWidthShare, kMemoPoints);
        if (wrapped.empty()) wrapped.emplace_back();
        for (const std::string& w : wrapped) {
            if (row >= fitting) break;
            if (!w.empty()) {
                page.items.push_back(text(kLeft, kMemoTop + row * kMemoLine, kTextWidth, kMemoLine,
                                          w, FontFace::Mincho, kMemoPoints));
            }
            ++row;
        }
    }
    page.items.push_back(text(kLeft, kFooterTop, kTextWidth, 6,
                              footerLine(content.practitionerName, content.practitionerTelephone),
                              FontFace::Gothic, 8));
    doc.pages.push_back(std::move(page));
    return doc;
}

}  // namespace suimei::print
