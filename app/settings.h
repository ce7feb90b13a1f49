#pragma once
// The user's settings: the run-time values, their defaults, and the INI file vorrin80.ini that
// keeps them between runs. Each window saves only its own keys; everything else in the file stays.
//
// File layout (section / key: values, default):
//   zokan/syurui "0".."5" "1"     hidden-stem school          (設定保存)
//   un12sei/syurui "0".."2" "0"   twelve-stage school         (設定保存)
//   qreki/syurui "0","1" "0"      old-calendar base           (設定保存)
//   sound/check "True","False"    start-up sound, "True"      (設定保存)
//   12si/South "True","False"     southern hemisphere, "False"(設定保存)
//   10kan/picture "True","False"  glyph pictures, "True"      (設定保存)
//   astronomy/precise "True","False" precise astronomy (高精度天文計算), "False" (設定保存)
//   graph/dai_higo .. dai_in      luck weights "+3" "+1" "-2" "0" "-1" (計算方法の確定)
//   graph/nen_higo                year weight "+1"            (計算方法の確定)
//   graph/houn1 .. houn12         twelve-stage points 7 1 11 12 13 10 8 0 2 3 5 4 (登録して閉じる)
//   summer/correct "True","False" summer-time correction of 1948-1951 births, "False"
//   user/...                      the chart handed to the companion programs
//
// Reading never fails: a missing file, section or key, an empty or unreadable value, or a value
// that is not a number where a number belongs gives the default. A school number outside its list
// gives the default too (no table exists for it); graph weights outside their drop-down ranges and
// stage points outside -999..999 are clamped to the nearest end. "True"/"False" are read without
// regard to case; any other text gives the default.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "calendar/types.h"
#include "chart/life_graph.h"
#include "chart/schools.h"
#include "core/app_paths.h"
#include "core/notifier.h"

namespace suimei {

inline constexpr int kTwelveStageSchoolCount = kStageSchoolCount;  // 0..2

// Weights of a luck period's (and a year's) element on the chart's elements, for the life-long
// element graph.
struct GraphWeights {
    int luckSame = 3;         // dai_higo: same element, +1..+4
    int luckProduced = 1;     // dai_syoku: element the luck produces, 0..+4
    int luckControlled = -2;  // dai_zai: element the luck controls, -4..0
    int luckControlling = 0;  // dai_kan: element controlling the luck, -4..0
    int luckProducing = -1;   // dai_in: element producing the luck, -4..0
    int yearSame = 1;         // nen_higo: a year's element on the same element, +1..+4
    friend bool operator==(const GraphWeights&, const GraphWeights&) = default;
};

// The weights as the life-long element graph takes them.
constexpr ElementGraphWeights elementGraphWeights(const GraphWeights& w) {
    return {w.luckSame,        w.luckProduced,  w.luckControlled,
            w.luckControlling, w.luckProducing, w.yearSame};
}

// Points of the twelve stages, index 1..12 = 長生..養 (index 0 unused, 0).
using StagePoints = std::array<int, 13>;
inline constexpr StagePoints kDefaultStagePoints = {0, 7, 1, 11, 12, 13, 10, 8, 0, 2, 3, 5, 4};

struct Settings {
    int hiddenStemSchool = 1;   // 0..5, see hiddenStemSchoolName
    int twelveStageSchool = 0;  // 0..2, see twelveStageSchoolLabel
    int qrekiBase = 0;          // old-calendar base: 0 Japan, 1 Taiwan
    bool startupSound = true;   // plays a start-up sound (the appraisal sound always plays)
    bool southern = false;      // southern-hemisphere mode
    bool pictures = true;       // glyph pictures on the stem and branch buttons
    // Pillars from the astronomical computation; when off, birth years after 1921 take theirs
    // from the perpetual-calendar files. Not kept in the file: on at every start.
    bool astronomicalCalendar = true;
    GraphWeights graph;
    StagePoints stagePoints = kDefaultStagePoints;
    // The practitioner (office) named in the footers and on the cover of the printed documents;
    // empty: the maker's notice stands in the footer.
    std::string practitionerName;
    std::string practitionerTelephone;
    // Births whose clock time falls in the summer time of 1948-1951 are worked from one hour
    // earlier.
    bool summerTimeCorrection = false;
    // 高精度天文計算: the pillars and the solar-term table from the precise astronomy.
    bool preciseAstronomy = false;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// The chart handed over to the companion programs in section `user`.
struct ChartHandOff {
    std::string name;                        // client name, UTF-8
    char sex = 'M';                          // 'M' or 'F'
    std::array<int, 5> elementTallies = {};  // 木 火 土 金 水
    Stem monthActiveHiddenStem = 0;          // active hidden stem of the month branch, 1..10
    Pillar hour, day, month, year;           // stems 1..10, branches 1..12 (hour may be 0)
};

// The settings store of one INI file.
class SettingsStore {
  public:
    explicit SettingsStore(std::filesystem::path iniFile) : iniFile_(std::move(iniFile)) {}
    explicit SettingsStore(const AppPaths& paths) : iniFile_(paths.iniFile()) {}

    const std::filesystem::path& iniFile() const { return iniFile_; }

    // Everything the file holds, with defaults for what is missing or unusable.
    Settings load() const;
    // 12si/South as it stands in the file now (each appraisal run asks the file, not the
    // run-time flag, so an unsaved tick has no effect on the run).
    bool southernInFile() const;
    // sound/check as it stands in the file now (the settings window loads its box from it).
    bool startupSoundInFile() const;

    // 設定保存: zokan/syurui, un12sei/syurui, qreki/syurui, sound/check, 12si/South,
    // 10kan/picture, astronomy/precise, in that order. Returns false when the file could not be
    // written (it is then unchanged).
    bool saveEnvironment(const Settings& settings) const;
    // 計算方法の確定: the five luck weights and the year weight nen_higo.
    bool saveGraphWeights(const GraphWeights& weights) const;
    // 登録して閉じる: houn1..houn12.
    bool saveStagePoints(const StagePoints& points) const;
    // The practitioner's name and telephone of the printed documents: office/name, office/tel.
    bool savePractitioner(const std::string& name, const std::string& telephone) const;
    // The summer-time correction: summer/correct.
    bool saveSummerTimeCorrection(bool correct) const;
    // The companion-program hand-off: section `user`. Before the first appraisal (day stem 0)
    // it tells the user "まだ診断ボタンが押されていません。" and writes nothing. Returns true when
    // written.
    bool writeChartHandOff(const ChartHandOff& chart, Notifier& notifier) const;

  private:
    std::filesystem::path iniFile_;
};

// Hidden-stem school names, index 0..5: 三命通会 .. 明朝透派; empty text out of range.
std::string_view hiddenStemSchoolName(int school);
// The explanation shown when the school is chosen; empty text out of range.
std::string_view hiddenStemSchoolExplanation(int school);
// The chart page's label of the twelve-stage school 0..2 ("十二運星：陽生陰死式", ...).
std::string_view twelveStageSchoolLabel(int school);
// The item text of the twelve-stage school 0..2 in the settings window.
std::string_view twelveStageSchoolItem(int school);
// The item text of the old-calendar base 0..1 in the settings window ("日本を基準にする",
// "台湾を基準にする"); empty text out of range.
std::string_view qrekiBaseName(int base);

// The pillar calculator's hidden-stem table choice: 0 for schools 0..4, 1 for 明朝透派 (5).
constexpr int calculatorHiddenStemChoice(int school) {
    return school == 5 ? 1 : 0;
}
// The pillar calculator's yin-yang choice: 0 for school 0 (陽生陰死), 1 for schools 1 and 2.
constexpr int calculatorYinYangChoice(int school) {
    return school == 1 || school == 2 ? 1 : 0;
}

}  // namespace suimei
