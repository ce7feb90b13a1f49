#include "readings/reading_keys.h"

#include "calendar/types.h"

namespace suimei {

namespace {

std::string_view pillarPrefix(KeyPillar pillar) {
    switch (pillar) {
        case KeyPillar::Year:
            return "年柱-";
        case KeyPillar::Month:
            return "月柱-";
        case KeyPillar::Day:
            return "日柱-";
    }
    return {};
}

PassageKey aiKey(std::string key2) {
    return {std::string(kFamilyAI), std::move(key2)};
}

std::string braced(std::string_view inner) {
    return "{" + std::string(inner) + "}";
}

}  // namespace

std::optional<PassageKey> dayMasterKey(int dayStem) {
    if (!isStem(dayStem)) return std::nullopt;
    return aiKey(std::string(stemName(dayStem)));
}

std::optional<PassageKey> pillarTenGodKey(KeyPillar pillar, int tenGod) {
    if (pillar == KeyPillar::Day || !isTenGod(tenGod)) return std::nullopt;
    return aiKey(std::string(pillarPrefix(pillar)) + std::string(tenGodName(tenGod)));
}

std::optional<PassageKey> fortuneTenGodKey(int stem, int tenGod, const ElementSlots& favourable,
                                           const ElementArray& elementRank) {
    if (!isStem(stem) || !isTenGod(tenGod)) return std::nullopt;
    const int element = elementOfStem(stem);
    const bool liked =
        element == favourable[1] || element == favourable[2] || element == favourable[3];
    const bool strong = elementRank[static_cast<std::size_t>(element)] > 3;
    return aiKey(std::string(tenGodName(tenGod)) + "-" + (liked ? "喜神-" : "忌神-") +
                 (strong ? "強" : "弱"));
}

std::optional<PassageKey> socialTenGodKey(ReadingMode mode, KeyPillar pillar, int stem, int tenGod,
                                          const ElementSlots& favourable,
                                          const ElementArray& elementRank) {
    if (pillar == KeyPillar::Day) return std::nullopt;
    if (mode == ReadingMode::General) {
        if (!isStem(stem)) return std::nullopt;
        return pillarTenGodKey(pillar, tenGod);
    }
    return fortuneTenGodKey(stem, tenGod, favourable, elementRank);
}

std::optional<PassageKey> pillarStageKey(KeyPillar pillar, int stage) {
    if (!isStage(stage)) return std::nullopt;
    return aiKey(std::string(pillarPrefix(pillar)) + std::string(stageName(stage)));
}

std::optional<PassageKey> climateKey(int monthBranch, int dayStem) {
    if (!isStem(dayStem) || !isBranch(monthBranch)) return std::nullopt;
    return PassageKey{
        std::string(kFamilyClimate),
        std::string(kSeasonNames[static_cast<std::size_t>(seasonOfBranch(monthBranch))]) +
            std::string(stemName(dayStem))};
}

std::optional<std::string> yearStemSectionKey(int yearStem) {
    if (!isStem(yearStem)) return std::nullopt;
    return braced(std::to_string(yearStem));
}

std::optional<std::string> monthBranchSectionKey(int monthBranch) {
    if (!isBranch(monthBranch)) return std::nullopt;
    return braced(std::to_string(monthBranch));
}

std::optional<std::string> dayPillarSectionKey(int dayStem, int dayBranch) {
    if (!isStem(dayStem) || !isBranch(dayBranch)) return std::nullopt;
    return braced(std::to_string(dayStem) + "-" + std::to_string(dayBranch));
}

std::optional<std::string> climateUsefulSectionKey(int dayStem, int monthBranch) {
    if (!isStem(dayStem) || !isBranch(monthBranch)) return std::nullopt;
    return braced(std::string(stemName(dayStem)) + "-" + std::string(branchName(monthBranch)));
}

std::optional<std::string> monthCommandSectionKey(int monthBranch, int dayStem) {
    const auto key = climateKey(monthBranch, dayStem);
    if (!key) return std::nullopt;
    return braced(key->key2);
}

std::optional<std::string> luckSectionKey(int tenGod, int stage) {
    if (!isTenGod(tenGod) || !isStage(stage)) return std::nullopt;
    return braced(std::string(tenGodName(tenGod)) + "-" + std::string(stageName(stage)));
}

}  // namespace suimei
