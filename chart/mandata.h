#pragma once
// Tmandata: the person chart record. It holds the birth data as entered, the four pillars with
// their hidden stems, ten gods and stages, the sexagenary numbers, void, life palace, the luck and
// annual pillars, and the result fields that the relation, strength and pattern code fills.
//
// The pillars themselves come from the pillar calculation and are handed in (setPillars); the
// record derives everything else from them. Schools and "today" are always arguments.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/types.h"
#include "chart/pattern.h"
#include "chart/relations.h"
#include "chart/schools.h"
#include "core/notifier.h"

namespace suimei {

// A Gregorian calendar date (used for "today", which the engine never reads from the clock).
struct DateYmd {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Era mode of validateBirthInput: the year typed is Western, Shōwa (+1925) or Taishō (+1911).
inline constexpr int kEraWestern = 1;
inline constexpr int kEraShowa = 2;
inline constexpr int kEraTaisho = 3;
inline constexpr int kEarliestBirthYear = 1312;
// The last birth year the calendar engine is checked for (the calendar files run to 2101 so
// that the births of 2100 have the year after).
inline constexpr int kLatestBirthYear = 2100;

// The birth date text as the validation reads it: on success the year (after era conversion),
// month and day; otherwise the message and caption of the first fault.
struct BirthDateCheck {
    bool ok = false;
    int year = 0;
    int month = 0;
    int day = 0;
    std::string message;
    std::string caption;
};
BirthDateCheck checkBirthDateText(std::string_view dateText, int eraMode);

inline constexpr int kLuckPeriods = 12;   // luck arrays are used 1..12 (index 0 unused)
inline constexpr int kAnnualYears = 120;  // annual arrays are used 0..119

// One pillar with what the chart derives from it. The day block leaves stemTenGod and ownStage 0
// (the day stem is the day master itself; its stage on its own branch is dayMasterStage).
struct PillarBlock {
    Stem stem = 0;                        // 1..10, 0 none
    Branch branch = 0;                    // 1..12, 0 none
    Stem activeHidden = 0;                // the hidden stem in force
    int activeHiddenSlot = 0;             // which slot (1..3) the choice gave, 0 none
    std::array<int, 4> hiddenStems{};     // [1..3] in table order, 0 = empty slot
    std::array<int, 4> hiddenTenGods{};   // [1..3] ten god of each non-empty slot
    std::uint8_t stemTenGod = 0;          // ten god of the stem (not in the day block)
    std::uint8_t activeHiddenTenGod = 0;  // ten god of activeHidden
    int hiddenCount = 0;                  // non-empty slots 1..3, 0 for no branch
    std::uint8_t ownStage = 0;            // stage of the own stem on the own branch (not day)
    std::uint8_t dayMasterStage = 0;      // stage of the day stem on this branch

    Pillar pillar() const { return {stem, branch}; }
};

class Tmandata {
  public:
    Tmandata() = default;

    // ---- Birth data --------------------------------------------------------------------------
    std::string nameText;
    std::string birthDateText;    // the validated date text, year after era conversion
    char sex = 0;                 // 'M' or 'F' (0 until the main window sets it)
    int age = 0;                  // full years at today's date, 0 for a birth after it
    bool bornAfterToday = false;  // an expected birth: the date lies after today
    std::string birthTimeText;    // the birth-time choice as shown ("07:00-09:00")
    int birthTimeIndex = 0;       // its index 0..13 in the birth-time list
    int birthYear = 0;            // Western year, 1312..2100
    std::uint8_t birthMonth = 0;  // 1..12
    std::uint8_t birthDay = 0;    // 1..31
    int monthDayCode =
        0;  // month·100 + day of the birth, or of the prior date after computePriorDate

    // Birth clock time and the entry mark, read by the own-depth hidden-stem rule.
    int birthHour = 12;        // 0..23
    int birthMinute = 0;       // 0..59
    bool beforeEntry = false;  // the birth precedes its calendar month's 節 (month stepped back)

    // ---- Pillars -----------------------------------------------------------------------------
    PillarBlock yearPillar;
    PillarBlock monthPillar;
    PillarBlock dayPillar;   // its stem is the day master (日主)
    PillarBlock hourPillar;  // stem and branch 0 when no hour was given

    int dayKanshi = 0;  // sexagenary numbers 1..60, 0 for a pair of unlike polarity
    int monthKanshi = 0;
    int yearKanshi = 0;

    // Values received from the calendar engine (lunar mansion, nine stars).
    int mansionNumber = 0;
    int mansionIndex = 0;
    int yearStar = 0;
    int monthStar = 0;
    int starValue1 = 0;
    int starValue2 = 0;

    // The date 265 days before birth and its quick pillars.
    int priorYear = 0;
    int priorMonth = 0;
    int priorDay = 0;
    int priorYearStem = 0;
    int priorYearBranch = 0;
    int priorMonthStem = 0;
    int priorMonthBranch = 0;
    int priorDayStem = 0;
    int priorDayBranch = 0;

    int lifePalace = 0;  // branch 1..12 of 命宮

    // ---- Strength (filled by the strength code) -----------------------------------------------
    std::string seasonLabel;
    int monthCommandScore = 0;
    int relationScore = 0;
    int stageScore = 0;
    int strengthTotal = 0;

    std::uint8_t dayOpposite = 0;  // branch opposite the day branch
    std::uint8_t voidFirst = 0;    // the two void branches (空亡)
    std::uint8_t voidSecond = 0;

    // ---- Luck periods ------------------------------------------------------------------------
    int luckDirection = 0;  // +1 forward (順行), −1 backward (逆行), 0 before the first run
    int luckStartAge = 0;   // counted age (数え) at which the first luck period starts
    std::array<int, kLuckPeriods + 1> luckAges{};   // [1..12] age at each period's start
    std::array<int, kLuckPeriods + 1> luckStems{};  // [1..12], entry 1 is the month pillar
    std::array<int, kLuckPeriods + 1> luckBranches{};
    std::array<int, kLuckPeriods + 1> luckTenGods{};
    std::array<int, kLuckPeriods + 1> luckStages{};
    std::array<int, kAnnualYears> annualStems{};  // [i] pillar of the year birthYear + i
    std::array<int, kAnnualYears> annualBranches{};
    std::array<int, kAnnualYears> annualTenGods{};
    std::array<int, kAnnualYears> annualStages{};

    long double termDepth = 0;  // days from the month's 節 to the birth (節入り日からの日数)

    // ---- Pattern and useful element (filled by the pattern code) ------------------------------
    std::string patternName;  // e.g. "従財格" or "正官格"; cleared by clearChart
    std::uint8_t usefulStem = 0;
    std::uint8_t climateStem = 0;
    std::string climateElements;
    std::string favourableElements;
    std::string unfavourableElements;
    int favourable1 = 0;
    int favourable2 = 0;
    int favourable3 = 0;
    int unfavourable1 = 0;
    int unfavourable2 = 0;
    int unfavourable3 = 0;

    // ---- Pillar clash flags (filled by the relation code) -------------------------------------
    int hourHurt = 0;
    int dayHurt = 0;
    int monthHurt = 0;
    int yearHurt = 0;

    // ==== BEGIN relations / element tallies / pattern block ====================================
    // Reserved for the relation, strength and pattern code: the relation objects (Tkango,
    // Tsango, Thogou, Tsigou, Toki, Tsankei, Tjikei, declared in this order so the constructor
    // creates them in it), the element tallies, points and ranks, and the operations that fill
    // them. Members are added here; the rest of this class stays as it is.

    // Relation objects of the four natal pillars (干合 三合 方合 支合 冲 三刑 自刑).
    Tkango stemCombination;
    Tsango threeCombination;
    Thogou directionalCombination;
    Tsigou branchPairCombination;
    Toki branchClash;
    Tsankei threePunishment;
    Tjikei selfPunishment;

    // Day-master points (0..11) and the four per-pillar points of the bar chart.
    int dayMasterPoints = 0;
    int yearPoints = 0;
    int monthPoints = 0;
    int dayPoints = 0;
    int hourPoints = 0;

    // Element tallies, indexed by element 1..5 (木火土金水), index 0 unused.
    ElementArray elementStemCount{};
    ElementArray elementBranchTally{};
    ElementArray elementPoints{};
    ElementArray elementRank{};
    std::array<RankedElement, 6> rankedElements{};  // [1..5] most points first

    // The four pillars as plain stems and branches, year first.
    FourPillars fourPillars() const;

    // Relations: each recomputes one object from the pillars; a missing hour takes no part.
    void detectStemCombinations();
    void detectThreeCombinations();
    void detectDirectionalCombinations();
    void detectBranchPairCombinations();
    void detectClashes();
    void detectPunishments();
    void detectSelfPunishments();
    void detectRelations();  // the seven above, in this order
    void detectPillarClashFlags();

    // Strength: season label with month command, relation score, stage score (from the
    // dayMasterStage values), total; then the day-master points (after the clash flags).
    void computeSeasonLabel();
    void computeRelationScore();
    void computeStageScore();
    void computeStrengthTotal();

    // Useful stem and climate stem, climate elements, favourable and unfavourable elements
    // (after computeElementTally and decidePattern).
    void computeUsefulStem();
    void computeClimateElements();
    void computeFavourableElements(Notifier& notifier);
    void computeUnfavourableElements();

    // Favourable and unfavourable slots as 1-based arrays (index 0 unused).
    ElementSlots favourableSlots() const;
    ElementSlots unfavourableSlots() const;
    // The reader's override: the elements marked liked (index 1..5) become the favourable ones,
    // the rest the unfavourable ones. More than three on either side is refused with its
    // message and nothing changes (false).
    bool overrideFavourableElements(const std::array<bool, 6>& liked, Notifier& notifier);

    // Everything after the chart's own derivations, in the appraisal order: clash flags,
    // strength, day-master points, tallies, pattern, useful stem, climate, favourable and
    // unfavourable elements, then the seven relations.
    void analyseChart(Notifier& notifier);
    // ==== END relations / element tallies / pattern block ======================================

    // ---- Operations --------------------------------------------------------------------------

    // Clears name, date text, month/day, monthDayCode, every ten god, active hidden stem and
    // stage, the season label and strength fields, void, day opposite, the luck direction,
    // useful stem, pattern name and every hidden-stem slot of the four pillars.
    void clearChart();

    // Validates and parses the birth date text ("1959/5/7"), the year read in era mode 1..3.
    // Reports a failure through the notifier and returns false; on failure the record is left
    // exactly as it was. On success stores year, month, day, birthDateText and the age at today
    // (0, with bornAfterToday set, for a date after today).
    bool validateBirthInput(std::string_view dateText, int eraMode, const DateYmd& today,
                            Notifier& notifier);

    // Takes over the four pillars of the pillar calculation and the entry depth in days (stems
    // 1..10 and branches 1..12; the hour pillar {0, 0} when no hour is given).
    void setPillars(const Pillar& year, const Pillar& month, const Pillar& day, const Pillar& hour,
                    long double depthDays);

    // Fills the three hidden-stem slots, counts and active hidden stems of the four branches.
    void computeHiddenStems(const Schools& schools);
    // Ten gods of the year, month and hour stems, of every active hidden stem and every slot.
    void computeTenGods();
    // Own stages (year, month, hour) and day-master stages (all four) under the stage school.
    void computeStages(const Schools& schools);

    void computeMonthDayCode();  // monthDayCode = birth month × 100 + birth day
    void computeLifePalace();
    void computeDayOpposite();
    void computeVoid();
    void computeKanshiNumbers();
    void computeLuckDirection();
    void computeLuckAges();
    void computeLuckPillars(const Schools& schools);
    void computeAnnualPillars(const Schools& schools);
    void computePriorDate();

    // Runs the chart's own derivations in the appraisal order, from the pillars set by
    // setPillars: luck direction, hidden stems, ten gods, stages, life palace, day opposite,
    // void, kanshi numbers, luck ages, luck pillars, annual pillars.
    void deriveNatalChart(const Schools& schools);

    // The date as "yyyy/mm/dd" (zero-padded), empty before a successful validation.
    std::string normalisedBirthDate() const;

    // The pillar blocks in the order year, month, day, hour (index 0..3).
    PillarBlock& pillarAt(int index);
    const PillarBlock& pillarAt(int index) const;
};

}  // namespace suimei
