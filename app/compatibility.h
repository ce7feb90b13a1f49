#pragma once
// Compatibility of two people: the partner's chart (a second appraisal run by the same engine as
// the client's), the relation lines between the two charts, the void checks, the partner's
// gauges, the two passages of the memo and the five-element energy squares of both people.
// Everything the compatibility windows and `suimei-cli compatibility` show comes from here.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/appraisal.h"
#include "core/app_paths.h"
#include "core/notifier.h"

namespace suimei {

class PassageTable;
class Tmandata;

// The birth-time choice of the partner: 13 entries, index 0 = 00:30, k = 2k o'clock for
// k = 1..11, 12 = 23:30. No choice takes index 6 (12:00).
inline constexpr int kPartnerTimeChoices = 13;
inline constexpr int kPartnerDefaultTime = 6;

// What the reader types for the partner.
struct PartnerInput {
    std::string name;      // optional
    std::string dateText;  // "1960/5/29" and the forms the birth-date field reads
    int era = 1;           // 1 西暦, 2 昭和, 3 大正
    int timeIndex = -1;    // 0..12; anything else takes kPartnerDefaultTime
    bool female = false;   // sex 'F', otherwise 'M'
};

// Clock time (hour 0..23, minute 0..59) of a partner time choice; out of range reads as 12:00.
void partnerBirthTime(int timeIndex, int& hour, int& minute);

// Relation code of the client's element a and the partner's element b (1..5 木火土金水):
// 1 a generates b, 2 a controls b, 3 b controls a, 4 b generates a, 5 same element; 0 when
// either is not an element.
int elementRelationCode(int clientElement, int partnerElement);
// The code of two day stems: 6 when they combine (干合: 甲己 乙庚 丙辛 丁壬 戊癸), else the code of
// their elements; 0 when either is not a stem 1..10.
int dayStemRelationCode(int clientStem, int partnerStem);

enum class RelationItem { DayStem, DayBranch, MonthBranch };
enum class RelationArrow { None, ToPartner, ToClient };

// Line colour of code 1..6 as 0xRRGGBB: green 0x008000 (1, 4), red 0xFF0000 (2, 3), blue
// 0x0000FF (5), lime 0x00FF00 (6); black (0) for no code.
std::uint32_t relationColour(int code);
// Arrow of code 1..6: codes 1 and 2 point to the partner, 3 and 4 to the client, others none.
RelationArrow relationArrow(int code);

struct CompatibilityLine {
    RelationItem what = RelationItem::DayStem;
    int code = 0;  // 1..6, 0 when a side has no chart
    std::uint32_t colour = 0;
    RelationArrow arrow = RelationArrow::None;
};
// The three lines in the order day stem, day branch, month branch; only the day stems get 6.
std::array<CompatibilityLine, 3> compatibilityLines(const Tmandata& client,
                                                    const Tmandata& partner);

struct VoidChecks {
    bool same = false;    // 同一空亡: both void pairs identical
    bool mutual = false;  // 互換空亡: each day branch lies in the other's void
};
VoidChecks voidChecks(const Tmandata& client, const Tmandata& partner);

// The partner's gauges on the compatibility window's 0..100 scale (the formulas reach 134 and
// 132; shown clamped, as the main window's), with the texts beside them.
struct PartnerFacts {
    int gaugeMonthCommand = 0;  // month-command score × 33 + 2
    int gaugeElements = 0;      // (relation score + 8) × 6 + 4
    int gaugeStages = 0;        // stage score × 50 + 2
    int gaugeTotal = 0;         // (strength total + 8) × 6
    std::string strengthClass;  // "身弱", "中和", "身旺"
    std::string seasonText;     // "月令:" + season label
    std::string voidText;       // "空亡:" + first + ":" + second
    std::string mansionText;    // mansion name + "宿"
};
PartnerFacts partnerFactsOf(const Tmandata& partner);

// The memo: the day-stem heading and the 相性2 passage, " ", the month ten-god heading and the
// 相性 passage. A passage that is missing (or a key that cannot be formed, or no table) leaves
// its heading.
std::vector<std::string> compatibilityMemo(const Tmandata& client, const Tmandata& partner,
                                           PassageTable* passages);

// One square of the element-energy window.
struct EnergySquare {
    bool partner = false;  // false: the client's
    std::string item;      // "年干", "月干", "日干", "年支", "月支", "日支"
};
// Squares by element [1..5] (木火土金水; index 0 unused), bottom first: the client's year, month,
// day stems, year branch, month branch three times, day branch, then the partner's day, month,
// year stems, day branch, month branch three times, year branch. Eight squares a person.
using EnergyColumns = std::array<std::vector<EnergySquare>, 6>;
EnergyColumns elementEnergyColumns(const Tmandata& client, const Tmandata& partner);

// Owns the partner chart for as long as it lives (the window's unit keeps one for the process).
class CompatibilityEngine {
  public:
    explicit CompatibilityEngine(AppPaths paths);
    ~CompatibilityEngine();
    CompatibilityEngine(const CompatibilityEngine&) = delete;
    CompatibilityEngine& operator=(const CompatibilityEngine&) = delete;

    // Computes the partner's chart with the schools and calendar choices of `settings` (its
    // client fields are ignored). The date is validated first: on a bad date the validation's
    // message goes to `notifier`, InvalidDate comes back and the partner chart stays as it was.
    AppraisalStatus runPartner(const PartnerInput& input, const AppraisalInput& settings,
                               Notifier& notifier);
    bool hasPartner() const;
    const Tmandata& partner() const;
    // The validated date of the last completed run, "yyyy/mm/dd" in the Western calendar.
    std::string partnerDateText() const;

  private:
    std::unique_ptr<AppraisalRunner> runner_;
};

}  // namespace suimei
