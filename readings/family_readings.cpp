#include "readings/family_readings.h"

#include <algorithm>

#include "chart/chart_rules.h"
#include "chart/family.h"
#include "readings/section_file.h"

namespace suimei {

std::optional<std::string> spousePositionSectionKey(int place) {
    if (place < 0 || place >= static_cast<int>(kSpousePlaces.size())) return std::nullopt;
    return "{配偶者干-" + std::string(kSpousePlaces[static_cast<std::size_t>(place)]) + "}";
}

std::optional<std::string> spouseDayBranchSectionKey(int tenGod) {
    if (tenGod < 1 || tenGod > 10) return std::nullopt;
    return "{日支の干-" + std::string(tenGodName(tenGod)) + "}";
}

std::optional<std::string> voidTrialSectionKey(int firstVoidBranch) {
    if (!isBranch(firstVoidBranch) || !isYang(firstVoidBranch)) return std::nullopt;
    return "{天冲殺-" + std::string(branchName(firstVoidBranch)) +
           std::string(branchName(firstVoidBranch + 1)) + "}";
}

std::string_view familyReadingTitle(FamilyReading reading) {
    switch (reading) {
        case FamilyReading::SpousePosition:
            return "配偶者干と位置関係";
        case FamilyReading::SpouseDayBranch:
            return "配偶者干と日支の干";
        case FamilyReading::VoidTrial:
            return "天冲殺による試練";
    }
    return {};
}

std::vector<std::string> familyReadingKeys(FamilyReading reading, const Tmandata& chart) {
    std::vector<std::string> keys;
    const int spouse = partnerStem(chart.dayPillar.stem);
    if (spouse == 0) return keys;
    switch (reading) {
        case FamilyReading::SpousePosition: {
            const std::array<int, 8> stems = {0,
                                              chart.hourPillar.stem,
                                              chart.monthPillar.stem,
                                              chart.yearPillar.stem,
                                              chart.hourPillar.activeHidden,
                                              chart.dayPillar.activeHidden,
                                              chart.monthPillar.activeHidden,
                                              chart.yearPillar.activeHidden};
            for (int place = 1; place < 8; ++place) {
                if (stems[static_cast<std::size_t>(place)] == spouse) {
                    keys.push_back(*spousePositionSectionKey(place));
                }
            }
            if (keys.empty()) keys.push_back(*spousePositionSectionKey(0));
            break;
        }
        case FamilyReading::SpouseDayBranch:
            if (auto k =
                    spouseDayBranchSectionKey(tenGodOf(spouse, chart.dayPillar.activeHidden))) {
                keys.push_back(*k);
            }
            break;
        case FamilyReading::VoidTrial: {
            const int first = std::min<int>(chart.voidFirst, chart.voidSecond);
            if (auto k = voidTrialSectionKey(first)) keys.push_back(*k);
            break;
        }
    }
    return keys;
}

std::vector<std::string> familyReadingLines(FamilyReading reading, const Tmandata& chart,
                                            const AppPaths& paths, Notifier& notifier) {
    std::vector<std::string> lines;
    const std::vector<std::string> keys = familyReadingKeys(reading, chart);
    if (keys.empty()) return lines;
    lines.push_back("【" + std::string(familyReadingTitle(reading)) + "】");
    const auto file = paths.file(std::string(kFamilyReadingFile));
    for (const std::string& key : keys) {
        const SectionStatus status = readSectionLines(file, key, lines, notifier);
        if (status == SectionStatus::MissingFile || status == SectionStatus::FormatError) break;
    }
    return lines;
}

}  // namespace suimei
