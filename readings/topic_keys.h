#pragma once
// Keys of the topic appraisals: the AI memo's passage buttons and its sixty-pillar reading and
// medicine window, the compatibility of two people, and the marriage and work windows. Like the
// builders of reading_keys.h, each refuses a value out of range (nullopt) before it forms a key.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/mandata.h"
#include "readings/reading_keys.h"

namespace suimei {

// Topic families (key1).
inline constexpr std::string_view kFamilySpiritCompatibility = "相性2";  // two day stems
inline constexpr std::string_view kFamilyConductCompatibility = "相性";  // two month ten gods
inline constexpr std::string_view kFamilyMedicine = "中医学";

// The marriage and work passages keyed by the day stem, written "1" .. "10".
enum class DayStemTopic {
    RuinousPartner,  // 結婚1: the partner who spoils you, the ideal partner
    SpiritualLove,   // 性愛精神
    MarriageTiming,  // 結婚時期: holds the ten year placeholders
    BusinessPerson,  // 仕事1
    WorkFuture,      // 未来1: holds the ten year placeholders
};
// Those keyed by the day pillar's twelve stage, written "1" .. "12".
enum class DayStageTopic {
    PhysicalLove,  // 性愛肉体
    MoneySense,    // 金銭感覚
};
// Those keyed by the month stem's ten god in the chart's numbering, written "1" .. "10".
enum class MonthTenGodTopic {
    EmployeeAptitude,  // 仕事2
    Independence,      // 独立1
};

std::string_view familyOf(DayStemTopic topic);
std::string_view familyOf(DayStageTopic topic);
std::string_view familyOf(MonthTenGodTopic topic);
inline constexpr std::string_view kFamilyAfterMarriageMan = "結婚後M";
inline constexpr std::string_view kFamilyAfterMarriageWoman = "結婚後F";
inline constexpr std::string_view kFamilyAbilityOverall = "能力総合1";
inline constexpr std::string_view kFamilyAbilityLevel = "能力レベル";

// key1 of the topic / day stem 1..10 in decimal ("結婚1" / "3").
std::optional<PassageKey> dayStemTopicKey(DayStemTopic topic, int dayStem);
// key1 of the topic / day-pillar twelve stage 1..12 in decimal ("金銭感覚" / "12").
std::optional<PassageKey> dayStageTopicKey(DayStageTopic topic, int dayStage);
// key1 of the topic / month-stem ten god 1..10 in decimal ("独立1" / "9").
std::optional<PassageKey> monthTenGodTopicKey(MonthTenGodTopic topic, int monthTenGod);
// "結婚後M" for sex 'M', "結婚後F" for 'F' / day-pillar twelve stage 1..12; any other sex is
// refused rather than read as either.
std::optional<PassageKey> afterMarriageKey(char sex, int dayStage);

// "能力総合1" / smaller group + "-" + larger group of the year-stem and month-stem ten gods
// ("2-3" for either order, "3-3" for equal groups).
std::optional<PassageKey> abilityOverallKey(int yearTenGod, int monthTenGod);
// "能力レベル" / group of the month-stem ten god in decimal ("1" .. "5").
std::optional<PassageKey> abilityLevelKey(int monthTenGod);

// "相性2" / client's day-stem name + partner's day-stem name ("甲己").
std::optional<PassageKey> spiritCompatibilityKey(int clientDayStem, int partnerDayStem);
// "相性" / client's month-stem ten-god name + partner's ("比肩正官").
std::optional<PassageKey> conductCompatibilityKey(int clientMonthTenGod, int partnerMonthTenGod);

// The symptom choices of the medicine window, in their order, with the key each reads.
struct MedicineSymptom {
    std::string_view choice;
    std::string_view key2;
};
inline constexpr std::array<MedicineSymptom, 5> kMedicineSymptoms = {{
    {"のぼせる、頭痛、便秘、血圧が高い、目が充血しかゆい、吐き気", "昇"},
    {"鼻水が出る、つばが出る、汗を大量にかく。尿が多く出る", "散"},
    {"うつ病、胃腸の調子が悪い、血液の循環が悪い、考え過ぎて疲れる", "分"},
    {"血圧が低い、下痢気味、消極的、足腰が冷える、体力消耗、筋肉の萎縮", "降"},
    {"血流や循環が固まってしまう。うっ血状態。鼻血。ため息ばかりでる。", "収"},
}};
// "中医学" / stem name ("甲"); stem 1..10.
std::optional<PassageKey> medicineStemKey(int stem);
// "中医学" / the symptom's key ("昇"); choice 0..4 in the order of kMedicineSymptoms.
std::optional<PassageKey> medicineSymptomKey(int choice);

// The key of the sixty-pillar table: sex "男" or "女" and the day pillar's sexagenary number.
struct SixtyPillarKey {
    std::string sex;
    int number = 0;  // 1..60
    friend bool operator==(const SixtyPillarKey&, const SixtyPillarKey&) = default;
};
// "男" for sex 'M', "女" for 'F' (any other sex is refused), with the number 1..60 of the day
// stem and branch; a stem and branch of unlike polarity form no pillar and are refused.
std::optional<SixtyPillarKey> sixtyPillarKey(char sex, int dayStem, int dayBranch);

// The AI memo's buttons that read one passage of the passage table.
enum class MemoButton {
    Character,            // nisyubtn: the day master
    OuterSocial,          // nencyubtn: the year stem's ten god, by mode
    WorkplaceAbility,     // tukicyubtn: the month stem's ten god, by mode
    InnerSocial,          // syakainaimen: the year pillar's twelve stage
    WorkplacePsychology,  // sinribtn: the month pillar's twelve stage
    SpouseAttitude,       // haigusyabtn: the day pillar's twelve stage
    Climate,              // cyokobtn: season of the month branch + day stem
};
// The key the button reads from the chart: stems, ten gods and the stages of the day stem on
// each branch, and for the professional mode the favourable elements and energy levels.
std::optional<PassageKey> memoButtonKey(MemoButton button, ReadingMode mode, const Tmandata& chart);

}  // namespace suimei
