#include "readings/topic_keys.h"

#include <algorithm>

#include "calendar/types.h"
#include "chart/chart_rules.h"

namespace suimei {

namespace {

PassageKey numbered(std::string_view family, int value) {
    return {std::string(family), std::to_string(value)};
}

}  // namespace

std::string_view familyOf(DayStemTopic topic) {
    switch (topic) {
        case DayStemTopic::RuinousPartner:
            return "結婚1";
        case DayStemTopic::SpiritualLove:
            return "性愛精神";
        case DayStemTopic::MarriageTiming:
            return "結婚時期";
        case DayStemTopic::BusinessPerson:
            return "仕事1";
        case DayStemTopic::WorkFuture:
            return "未来1";
    }
    return {};
}

std::string_view familyOf(DayStageTopic topic) {
    switch (topic) {
        case DayStageTopic::PhysicalLove:
            return "性愛肉体";
        case DayStageTopic::MoneySense:
            return "金銭感覚";
    }
    return {};
}

std::string_view familyOf(MonthTenGodTopic topic) {
    switch (topic) {
        case MonthTenGodTopic::EmployeeAptitude:
            return "仕事2";
        case MonthTenGodTopic::Independence:
            return "独立1";
    }
    return {};
}

std::optional<PassageKey> dayStemTopicKey(DayStemTopic topic, int dayStem) {
    if (!isStem(dayStem)) return std::nullopt;
    return numbered(familyOf(topic), dayStem);
}

std::optional<PassageKey> dayStageTopicKey(DayStageTopic topic, int dayStage) {
    if (!isStage(dayStage)) return std::nullopt;
    return numbered(familyOf(topic), dayStage);
}

std::optional<PassageKey> monthTenGodTopicKey(MonthTenGodTopic topic, int monthTenGod) {
    if (!isTenGod(monthTenGod)) return std::nullopt;
    return numbered(familyOf(topic), monthTenGod);
}

std::optional<PassageKey> afterMarriageKey(char sex, int dayStage) {
    if (!isStage(dayStage)) return std::nullopt;
    if (sex == 'M') return numbered(kFamilyAfterMarriageMan, dayStage);
    if (sex == 'F') return numbered(kFamilyAfterMarriageWoman, dayStage);
    return std::nullopt;
}

std::optional<PassageKey> abilityOverallKey(int yearTenGod, int monthTenGod) {
    const int a = tenGodGroup(yearTenGod);
    const int b = tenGodGroup(monthTenGod);
    if (a == 0 || b == 0) return std::nullopt;
    return PassageKey{std::string(kFamilyAbilityOverall),
                      std::to_string(std::min(a, b)) + "-" + std::to_string(std::max(a, b))};
}

std::optional<PassageKey> abilityLevelKey(int monthTenGod) {
    const int group = tenGodGroup(monthTenGod);
    if (group == 0) return std::nullopt;
    return numbered(kFamilyAbilityLevel, group);
}

std::optional<PassageKey> spiritCompatibilityKey(int clientDayStem, int partnerDayStem) {
    if (!isStem(clientDayStem) || !isStem(partnerDayStem)) return std::nullopt;
    return PassageKey{std::string(kFamilySpiritCompatibility),
                      std::string(stemName(clientDayStem)) + std::string(stemName(partnerDayStem))};
}

std::optional<PassageKey> conductCompatibilityKey(int clientMonthTenGod, int partnerMonthTenGod) {
    if (!isTenGod(clientMonthTenGod) || !isTenGod(partnerMonthTenGod)) return std::nullopt;
    return PassageKey{
        std::string(kFamilyConductCompatibility),
        std::string(tenGodName(clientMonthTenGod)) + std::string(tenGodName(partnerMonthTenGod))};
}

std::optional<PassageKey> medicineStemKey(int stem) {
    if (!isStem(stem)) return std::nullopt;
    return PassageKey{std::string(kFamilyMedicine), std::string(stemName(stem))};
}

std::optional<PassageKey> medicineSymptomKey(int choice) {
    if (choice < 0 || choice >= static_cast<int>(kMedicineSymptoms.size())) return std::nullopt;
    return PassageKey{std::string(kFamilyMedicine),
                      std::string(kMedicineSymptoms[static_cast<std::size_t>(choice)].key2)};
}

std::optional<SixtyPillarKey> sixtyPillarKey(char sex, int dayStem, int dayBranch) {
    const int number = sexagenaryOf(dayStem, dayBranch);
    if (number == 0) return std::nullopt;
    if (sex == 'M') return SixtyPillarKey{"男", number};
    if (sex == 'F') return SixtyPillarKey{"女", number};
    return std::nullopt;
}

std::optional<PassageKey> memoButtonKey(MemoButton button, ReadingMode mode,
                                        const Tmandata& chart) {
    const PillarBlock& year = chart.yearPillar;
    const PillarBlock& month = chart.monthPillar;
    const PillarBlock& day = chart.dayPillar;
    switch (button) {
        case MemoButton::Character:
            return dayMasterKey(day.stem);
        case MemoButton::OuterSocial:
            return socialTenGodKey(mode, KeyPillar::Year, year.stem, year.stemTenGod,
                                   chart.favourableSlots(), chart.elementRank);
        case MemoButton::WorkplaceAbility:
            return socialTenGodKey(mode, KeyPillar::Month, month.stem, month.stemTenGod,
                                   chart.favourableSlots(), chart.elementRank);
        case MemoButton::InnerSocial:
            return pillarStageKey(KeyPillar::Year, year.dayMasterStage);
        case MemoButton::WorkplacePsychology:
            return pillarStageKey(KeyPillar::Month, month.dayMasterStage);
        case MemoButton::SpouseAttitude:
            return pillarStageKey(KeyPillar::Day, day.dayMasterStage);
        case MemoButton::Climate:
            return climateKey(month.branch, day.stem);
    }
    return std::nullopt;
}

}  // namespace suimei
