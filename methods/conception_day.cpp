#include "methods/conception_day.h"

#include "calendar/types.h"
#include "chart/mandata.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

struct PillarValues {
    int stem = 0;
    int branch = 0;
    std::string_view heading;
};

PillarValues valuesOf(ConceptionPillar pillar, const Tmandata& chart) {
    switch (pillar) {
        case ConceptionPillar::Year:
            return {chart.priorYearStem, chart.priorYearBranch,
                    "■年干支は大性と呼ばれ、天性の素質や遺伝を見ます。"};
        case ConceptionPillar::Month:
            return {chart.priorMonthStem, chart.priorMonthBranch,
                    "■月干支は中性と呼ばれ、中年期における素質や才能を見ます。"};
        case ConceptionPillar::Day:
            break;
    }
    return {chart.priorDayStem, chart.priorDayBranch,
            "■日干支は小性と呼ばれ、初年期から青年期における素質や才能を見ます。"};
}

}  // namespace

std::string conceptionDateLabel(const Tmandata& chart) {
    return "《宿霊日》 " + std::to_string(chart.priorYear) + "/" +
           std::to_string(chart.priorMonth) + "/" + std::to_string(chart.priorDay);
}

std::array<std::string, 6> conceptionPillarLabels(const Tmandata& chart) {
    std::array<std::string, 6> labels;
    std::size_t i = 0;
    for (const auto pillar :
         {ConceptionPillar::Year, ConceptionPillar::Month, ConceptionPillar::Day}) {
        const PillarValues v = valuesOf(pillar, chart);
        labels[i++] = std::string(stemName(v.stem));
        labels[i++] = std::string(branchName(v.branch));
    }
    return labels;
}

std::string lookupConceptionPassage(Table& table, std::string_view stemName,
                                    std::string_view branchName) {
    return findConceptionDayPassage(table, stemName, branchName).value_or(std::string());
}

std::vector<std::string> conceptionBlock(ConceptionPillar pillar, const Tmandata& chart,
                                         Table& table) {
    const PillarValues v = valuesOf(pillar, chart);
    const std::string_view stem = stemName(v.stem);
    const std::string_view branch = branchName(v.branch);
    return {std::string(v.heading), "干支：" + std::string(stem) + std::string(branch),
            lookupConceptionPassage(table, stem, branch), std::string()};
}

}  // namespace suimei
