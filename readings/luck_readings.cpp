#include "readings/luck_readings.h"

#include "readings/reading_keys.h"
#include "readings/section_file.h"

namespace suimei {

FortuneLabel annualFortune(const AnnualImagery& imagery, int dayStem, const AnnualColumn& year) {
    if (year.outOfRange || !isStem(dayStem) || !isStem(year.stem)) return {};
    const auto d = static_cast<std::size_t>(dayStem);
    const auto y = static_cast<std::size_t>(year.stem);
    if (year.mark == kRatingGood) return {imagery.goodKeyword[d][y], imagery.goodHint[d][y]};
    return {imagery.badKeyword[d][y], imagery.badHint[d][y]};
}

std::vector<std::string> luckGridClickLines(const Tmandata& chart, LuckGrid grid, int column,
                                            const AppPaths& paths, Notifier& notifier) {
    std::vector<std::string> lines;
    if (!isStem(chart.dayPillar.stem)) return lines;
    int tenGod = 0;
    int stage = 0;
    std::string heading;
    if (grid == LuckGrid::Periods) {
        if (column < 1 || column > kLuckPeriods) return lines;
        const auto k = static_cast<std::size_t>(column);
        tenGod = chart.luckTenGods[k];
        stage = chart.luckStages[k];
        heading = "●" + std::to_string(chart.luckAges[k]) + "才から１０年間の大運－【";
    } else {
        if (column < 1 || column > kAnnualYears) return lines;
        const auto a = static_cast<std::size_t>(column - 1);
        tenGod = chart.annualTenGods[a];
        stage = chart.annualStages[a];
        heading = "○" + std::to_string(column - 1) + "才の年運－【";
    }
    lines.push_back(heading + std::string(tenGodName(tenGod)) + "-" +
                    std::string(stageName(stage)) + "】");
    if (const auto key = luckSectionKey(tenGod, stage)) {
        readSectionLines(paths.file(std::string(kLuckReadingFile)), *key, lines, notifier);
    }
    return lines;
}

}  // namespace suimei
