#pragma once
// The appraisal run as a function: the inputs the main window holds -> the chart, the texts and
// values the chart page shows, and the notices on the way. The window only shows what this returns.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/settings.h"
#include "calendar/astronomy.h"
#include "core/app_paths.h"
#include "core/notifier.h"

namespace suimei {

class Tmandata;
class TQrekiMod;
struct SolarFacts;
struct OldCalendarDate;
struct NineStarKi;
struct BirthMoment;

struct CivilDate {
    int year = 0, month = 0, day = 0;
};

// What one run reads: the client fields of the main window and the run-time settings.
struct AppraisalInput {
    std::string name;
    std::string dateText;      // as typed: "yyyy/mm/dd", or a form normalizeBirthDateText reads
    std::string timeSlotText;  // one of the birth-time list, or empty
    std::string sexText;       // "男", "女" or empty
    int hiddenStemSchool = 1;  // 0..5
    int stageSchool = 0;       // 0..2
    bool taiwanOldCalendar = false;
    bool astronomicalCalendar = true;  // off: birth years after 1921 take the calendar files
    bool southernInFile = false;       // 12si/South as the INI file holds it at the time of the run
    bool pictures = true;
    // A birth whose clock time falls in the summer time of 1948-1951 is worked from one hour
    // earlier. Off: the clock time is taken as standard time.
    bool summerTimeCorrection = false;
    // The astronomy of the pillars, the entries and the solar-term table.
    Astronomy astronomy = Astronomy::Described;
    CivilDate today;  // the run never reads the clock
    // Set (0..23 and 0..59): the run works from this JST clock time on the date instead of the
    // middle of the entered period, and takes it as free of summer time. The charts around an
    // uncertain birth moment are worked this way.
    int exactHour = -1, exactMinute = 0;
};

// The input of one run for a client under `settings`, as the main window's run builds it.
// southernInFile: the 12si/South value the INI file holds at the time of the run.
AppraisalInput makeAppraisalInput(const Settings& settings, bool southernInFile,
                                  const CivilDate& today, const std::string& name,
                                  const std::string& dateText, const std::string& timeSlotText,
                                  const std::string& sexText);

enum class AppraisalStatus {
    Completed,
    NoSex,              // "性別が設定されていません。" shown
    InvalidDate,        // the validation's message shown
    CalendarFileFault,  // the calendar files' message shown
    SouthernRefused,  // "「環境と流派の設定」を再設定して下さい。" shown; the ui opens the settings
};

enum class ChartRow { Stem, Branch };
enum class LineColour { Green, Fuchsia };  // 0x008000 combinations, 0xFF00FF clashes

// Pillar columns in display order, left to right.
enum PillarColumn { kHourColumn = 0, kDayColumn = 1, kMonthColumn = 2, kYearColumn = 3 };

struct PillarCell {
    std::string stemText;  // stem name + ":" + ten-god name ("-" for a missing hour)
    std::string stemHint;
    std::string branchText;  // branch name ("-" for a missing hour)
    std::string branchHint;
    std::array<std::string, 3> hiddenText;        // hidden stems, empty beyond hiddenCount
    std::array<std::string, 3> hiddenTenGodText;  // their ten gods
    int hiddenCount = 0;                          // 0..3; buttons beyond it get width 0
    int activeHiddenSlot = 0;                     // 1..3 slot shown in blue, 0 none
    std::string stageText;                        // twelve-stage name ("-" for a missing hour)
    std::string stageHint;
    std::string stemPicture;    // "kinoe.bmp" .. "null.bmp"; empty when pictures are off
    std::string branchPicture;  // "tree.bmp" .. "null.bmp"; empty when pictures are off
    std::string mark;           // "○", "×", "△" or "-"
    // The stem's nature text from the stem table ("木の兄（木材になる木）"); a click on the stem
    // button shows it followed by " を表します". Empty for no stem (a missing hour).
    std::string stemMeaning;
};

// A relation line between neighbouring pillar columns (from < to in display order).
struct RelationLine {
    int fromColumn = 0;
    int toColumn = 0;
    ChartRow row = ChartRow::Stem;
    LineColour colour = LineColour::Green;
    std::string kind;  // "干合", "支合", "三合", "方合", "冲"
};

struct RelationMarker {
    int column = 0;
    ChartRow row = ChartRow::Branch;
    LineColour colour = LineColour::Green;  // green: three-harmony member; fuchsia: punishment
};

// Summary columns written back into the client record after each run.
struct SummaryColumns {
    std::string dayMaster;        // 日主
    std::string monthBranch;      // 月支
    std::string yearStemTenGod;   // 年干通変
    std::string monthStemTenGod;  // 月干通変
    std::string hourStemTenGod;   // 時干通変
    std::string etc1;             // 月支通変: ten god of the month branch's active hidden stem
};

struct AppraisalDisplay {
    std::string normalizedDate;  // written back into the date field
    std::string namePanel;  // name + "   " + date + "   満 " + age + "才" (+ "（出生前）")
    std::string ageLabel;   // "現在満" + age + "才" (+ "（出生前）"), empty at 100 or more
    std::array<PillarCell, 4> columns;
    std::string luckDirectionText;  // "順行" / "逆行"
    std::string voidText;           // "空亡:" + first + ":" + second
    std::string lifePalaceText;     // "命宮：" + branch
    std::string entryDaysText;      // "節入り日からの日数：" + days + "日"
    std::string luckStartText;      // "立運までの年月：" + y + "年間と" + m + "ヶ月"
    std::string luckStartAgeText;   // "立運の年齢：数え" + age + "才" + month + "月"
    std::string mansionText;        // "宿曜星：" + name + "宿"
    std::string yearStarText;
    std::string monthStarText;
    // Gauges on a 0..100 scale (the chart keeps the computed values, which can exceed 100).
    int gaugeTotal = 0, gaugeMonthCommand = 0, gaugeElements = 0, gaugeStages = 0;
    std::string strengthClass;          // "身弱", "中和", "身旺"
    std::string powerText;              // "強い", ...
    std::string pointsText;             // score + "点"
    std::array<int, 4> pillarPower{};   // Graph1 bars 時柱, 日柱, 月柱, 年柱
    std::array<int, 5> elementPower{};  // Graph2 bars 木火土金水
    std::array<int, 5> stemCounts{};    // 干の数 木..水
    std::array<int, 5> branchCounts{};  // 支の数 木..水
    int patternIndex = -1;              // index into the pattern list of the main window
    std::string patternName;
    int usefulStem = 0;            // 1..10
    std::string climateText;       // "調候用神：" + stem, or "調候用神：不要です"
    std::string favourableText;    // 喜ぶ五行
    std::string unfavourableText;  // 忌む五行
    std::array<bool, 7> relationChecks{};  // 干合 三合 方合 支合 冲 三刑 自刑
    std::vector<RelationLine> lines;
    std::vector<RelationMarker> markers;
    std::string hiddenSchoolLabel;                   // "蔵干表：" + school name
    std::string stageSchoolLabel;                    // "十二運星：陽生陰死式", ...
    std::array<std::string, 5> tenGodDiagramLabels;  // element names from the day stem's element
    SummaryColumns summary;
    // The entered birth time falls in the summer time of 1948-1951 (never for an unknown time),
    // and whether the run worked from one hour earlier because of it.
    bool bornInSummerTime = false;
    bool summerTimeCorrected = false;
    std::string summerTimeText;  // "サマータイム期間の生まれです" (+ the correction), or empty
};

}  // namespace suimei

namespace suimei {

// Owns the current chart and the partner chart for the life of the process and runs appraisals.
class AppraisalRunner {
  public:
    explicit AppraisalRunner(AppPaths paths);
    ~AppraisalRunner();
    AppraisalRunner(const AppraisalRunner&) = delete;
    AppraisalRunner& operator=(const AppraisalRunner&) = delete;

    // Runs one appraisal. A run that stops early leaves the previous chart and display untouched.
    AppraisalStatus run(const AppraisalInput& input, Notifier& notifier);
    // Works the chart and display of `input` as a run would, without a notice and without
    // touching the current chart; a question (the southern mode) is answered yes.
    AppraisalStatus trial(const AppraisalInput& input, Tmandata& chart, AppraisalDisplay& display);

    // True once a run has completed (the current chart's day stem is non-zero).
    bool hasRun() const;
    const Tmandata& chart() const { return *current_; }
    Tmandata& partner() { return *partner_; }
    // The texts and values of the chart page from the last completed run.
    const AppraisalDisplay& display() const { return display_; }
    // The solar facts, old-calendar date and nine stars of the last completed run.
    const SolarFacts& solarFacts() const { return *facts_; }
    const OldCalendarDate& oldCalendarDate() const { return *oldDate_; }
    const NineStarKi& nineStars() const { return *stars_; }
    // The input of the last completed run, and the JST birth moment it worked from (after any
    // summer-time correction; for an unknown time the moment of the inferred hour).
    const AppraisalInput& lastInput() const { return input_; }
    const BirthMoment& birthMoment() const { return *birth_; }
    // The old-calendar converter the runs share (its Taiwan table, its solar-term table).
    TQrekiMod& oldCalendar() { return *qreki_; }
    // Reads QrekiTaiwan.txt for the Taiwan variant (notices as the converter gives them).
    void loadTaiwanFile(Notifier& notifier);
    // The current chart as handed to the companion programs (day stem 0 before the first run).
    ChartHandOff chartHandOff() const;
    // The reader's override of the favourable elements: liked[1..5] (木火土金水) marks 喜ぶ神. On
    // success the chart's slots and the display (喜ぶ五行, 忌む五行, pillar marks) follow it until
    // the next run. Refused with the override's message when either side has more than three, and
    // before the first run with "鑑定実行していません。先に鑑定を行って下さい。"; nothing changes
    // then.
    bool overrideFavourableElements(const std::array<bool, 6>& liked, Notifier& notifier);

  private:
    AppPaths paths_;
    std::unique_ptr<Tmandata> current_;
    std::unique_ptr<Tmandata> partner_;
    std::unique_ptr<TQrekiMod> qreki_;
    AppraisalDisplay display_;
    AppraisalInput input_;  // of the last completed run, to show its chart again after an override
    // Held behind pointers so that this header needs none of their definitions.
    std::unique_ptr<SolarFacts> facts_;
    std::unique_ptr<OldCalendarDate> oldDate_;
    std::unique_ptr<NineStarKi> stars_;
    std::unique_ptr<BirthMoment> birth_;

    struct Outcome;
    AppraisalStatus compute(const AppraisalInput& input, Notifier& notifier, Outcome& out);
};

}  // namespace suimei
