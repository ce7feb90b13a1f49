#include "app/appraisal.h"

#include "app/chart_display.h"
#include "app/infer_hour_pillar.h"
#include "calendar/old_calendar.h"
#include "calendar/perpetual_calendar.h"
#include "calendar/pillars.h"
#include "calendar/quick_pillars.h"
#include "calendar/summer_time.h"
#include "chart/birth_date_text.h"
#include "chart/mandata.h"
#include "methods/nine_star.h"

namespace suimei {

namespace {

constexpr const char* kUnknownTimeMessage =
    "時刻が指定されていません。システムが推時黄金律（淵海子平による）という法則に従って五行的なバ"
    "ランスを考えて設定します。この法則は通常の干支の組み合わせではありません。";

}  // namespace

AppraisalRunner::AppraisalRunner(AppPaths paths)
    : paths_(std::move(paths)),
      current_(std::make_unique<Tmandata>()),
      partner_(std::make_unique<Tmandata>()),
      qreki_(std::make_unique<TQrekiMod>()),
      facts_(std::make_unique<SolarFacts>()),
      oldDate_(std::make_unique<OldCalendarDate>()),
      stars_(std::make_unique<NineStarKi>()),
      birth_(std::make_unique<BirthMoment>()) {}

AppraisalRunner::~AppraisalRunner() = default;

bool AppraisalRunner::hasRun() const {
    return current_->dayPillar.stem != 0;
}

ChartHandOff AppraisalRunner::chartHandOff() const {
    const Tmandata& c = *current_;
    ChartHandOff h;
    h.name = c.nameText;
    h.sex = c.sex == 'F' ? 'F' : 'M';
    // The five-element energy of the chart, 木 first.
    for (int e = 1; e <= 5; ++e) {
        h.elementTallies[static_cast<std::size_t>(e - 1)] =
            c.elementPoints[static_cast<std::size_t>(e)];
    }
    h.monthActiveHiddenStem = c.monthPillar.activeHidden;
    h.hour = c.hourPillar.pillar();
    h.day = c.dayPillar.pillar();
    h.month = c.monthPillar.pillar();
    h.year = c.yearPillar.pillar();
    return h;
}

void AppraisalRunner::loadTaiwanFile(Notifier& notifier) {
    qreki_->loadTaiwanFile(paths_, notifier);
}

AppraisalInput makeAppraisalInput(const Settings& settings, bool southernInFile,
                                  const CivilDate& today, const std::string& name,
                                  const std::string& dateText, const std::string& timeSlotText,
                                  const std::string& sexText) {
    AppraisalInput input;
    input.name = name;
    input.dateText = dateText;
    input.timeSlotText = timeSlotText;
    input.sexText = sexText;
    input.hiddenStemSchool = settings.hiddenStemSchool;
    input.stageSchool = settings.twelveStageSchool;
    input.taiwanOldCalendar = settings.qrekiBase == 1;
    input.astronomicalCalendar = settings.astronomicalCalendar;
    input.pictures = settings.pictures;
    input.summerTimeCorrection = settings.summerTimeCorrection;
    input.astronomy = settings.preciseAstronomy ? Astronomy::Precise : Astronomy::Described;
    input.southernInFile = southernInFile;
    input.today = today;
    return input;
}

namespace {

void setSummerTimeNote(AppraisalDisplay& display, bool inSummerTime, bool corrected) {
    display.bornInSummerTime = inSummerTime;
    display.summerTimeCorrected = corrected;
    display.summerTimeText.clear();
    if (inSummerTime) {
        display.summerTimeText = corrected ? "サマータイム期間の生まれです（1時間戻して算出）"
                                           : "サマータイム期間の生まれです";
    }
}

}  // namespace

// One run's results before they replace the runner's.
struct AppraisalRunner::Outcome {
    Tmandata chart;
    AppraisalDisplay display;
    SolarFacts facts;
    OldCalendarDate oldDate;
    NineStarKi stars;
    BirthMoment birth;
};

AppraisalStatus AppraisalRunner::run(const AppraisalInput& input, Notifier& notifier) {
    Outcome out;
    const AppraisalStatus status = compute(input, notifier, out);
    if (status != AppraisalStatus::Completed) return status;
    display_ = std::move(out.display);
    *facts_ = out.facts;
    *oldDate_ = out.oldDate;
    *stars_ = out.stars;
    *birth_ = out.birth;
    *current_ = std::move(out.chart);
    input_ = input;
    return status;
}

AppraisalStatus AppraisalRunner::trial(const AppraisalInput& input, Tmandata& chart,
                                       AppraisalDisplay& display) {
    // The run being compared has answered every question already.
    RecordingNotifier quiet;
    Outcome out;
    const AppraisalStatus status = compute(input, quiet, out);
    if (status != AppraisalStatus::Completed) return status;
    chart = std::move(out.chart);
    display = std::move(out.display);
    return status;
}

AppraisalStatus AppraisalRunner::compute(const AppraisalInput& input, Notifier& notifier,
                                         Outcome& out) {
    const Schools schools{input.hiddenStemSchool, input.stageSchool, false};
    const DateYmd today{input.today.year, input.today.month, input.today.day};
    const OldCalendarVariant variant =
        input.taiwanOldCalendar ? OldCalendarVariant::Taiwan : OldCalendarVariant::Japanese;

    if (input.sexText.empty()) {
        notifier.info("性別が設定されていません。", "性別指定なし");
        return AppraisalStatus::NoSex;
    }
    const char sex = input.sexText == "男" ? 'M' : 'F';

    // 1990-05-05, 19900505, 1990年5月5日 and the like are read as 1990/05/05.
    const std::string dateText = normalizeBirthDateText(input.dateText);

    // First pass at noon: only its month branch and day stem are used, to infer an unknown hour.
    Tmandata next;
    next.sex = sex;
    if (!next.validateBirthInput(dateText, kEraWestern, today, notifier)) {
        return AppraisalStatus::InvalidDate;
    }
    // The validation lets a day past the end of its month through (31 February); the astronomy
    // has no such day and would give an empty chart, so the run stops here with a clear message.
    if (next.birthDay > daysInMonth(next.birthYear, next.birthMonth)) {
        notifier.info(
            next.normalisedBirthDate() + " は存在しない日付です。生年月日を確かめて下さい。",
            "日のデータ異常");
        return AppraisalStatus::InvalidDate;
    }
    BirthMoment birth;
    birth.year = next.birthYear;
    birth.month = next.birthMonth;
    birth.day = next.birthDay;
    birth.sex = input.sexText == "男" ? "男" : "女";
    qreki_->setAstronomy(input.astronomy);
    const OldCalendarDate oldDate =
        qreki_->convertToOldCalendar(birth.year, birth.month, birth.day, variant);
    const SolarTermTable& terms = qreki_->solarTerms();
    birth.hour = 12;
    birth.minute = 0;
    const SolarFacts noon = computeSolarFacts(birth, terms, input.today.year, input.astronomy);

    const bool exact = input.exactHour >= 0 && input.exactHour <= 23 && input.exactMinute >= 0 &&
                       input.exactMinute <= 59;
    int slot = exact ? birthTimeIndexOfHour(input.exactHour) : birthTimeIndexOf(input.timeSlotText);
    const bool timeUnknown = slot < 0 || slot == kUnknownBirthTime;
    if (exact) {
        birth.hour = input.exactHour;
        birth.minute = input.exactMinute;
    } else if (timeUnknown) {
        slot = kUnknownBirthTime;
        notifier.info(kUnknownTimeMessage, "時刻指定なし");
        const Pillar inferred = InferHourPillar(noon.monthBranch, noon.dayStem);
        birth.hour = 2 * inferred.branch - 2;
        birth.minute = 10;
    } else {
        birthTimeSlotMiddle(slot, birth.hour, birth.minute);
    }
    // The middle of the entered period stands for the clock reading; an unknown time is never
    // taken for summer time, nor an exact time, which is standard time already.
    const bool inSummerTime = !timeUnknown && !exact &&
                              needsSummerTimeCorrection(summerTimeClock(
                                  birth.year, birth.month, birth.day, birth.hour, birth.minute));
    const bool corrected = inSummerTime && input.summerTimeCorrection;
    int fileSlot = slot;
    if (corrected) {
        birth = summerTimeCorrected(birth);
        fileSlot = birthTimeIndexOfHour(birth.hour);
    }

    // Second pass on a fresh record: the previous chart stays until this run completes.
    next.clearChart();
    next.nameText = input.name;
    next.birthTimeText = timeUnknown ? std::string(kBirthTimeSlots[kUnknownBirthTime])
                         : exact     ? std::string(kBirthTimeSlots[static_cast<std::size_t>(slot)])
                                     : input.timeSlotText;
    next.birthTimeIndex = slot;
    if (!next.validateBirthInput(dateText, kEraWestern, today, notifier)) {
        return AppraisalStatus::InvalidDate;
    }
    next.computeMonthDayCode();
    const SolarFacts facts = computeSolarFacts(birth, terms, input.today.year, input.astronomy);

    BirthPillars pillars{facts.yearPillar(), facts.monthPillar(), facts.dayPillar(),
                         facts.hourPillar()};
    if (choosePillarWay(next.birthYear, input.astronomicalCalendar) == PillarWay::Files) {
        Treki calendar;
        BirthPillars fromFiles;
        if (calendar.loadYearFiles(next.birthYear, paths_, notifier) != 0 ||
            !calendar.lookupBirthPillars(birth.month, birth.day, fileSlot, fromFiles)) {
            return AppraisalStatus::CalendarFileFault;
        }
        pillars = fromFiles;
    }
    if (timeUnknown) pillars.hour = InferHourPillar(pillars.month.branch, pillars.day.stem);

    next.mansionNumber = oldDate.mansion27;
    next.mansionIndex = oldDate.mansion28;
    const NineStarKi stars = computeNineStarKi(
        next.birthYear, next.birthMonth, isBeforeSolarYearStart(next.birthYear, pillars.year.stem),
        isBeforeMonthTerm(next.birthYear, next.birthMonth, pillars.month.stem));
    next.yearStar = stars.natalStar;
    next.monthStar = stars.monthStar;
    next.starValue1 = stars.inclinationPosition;
    next.starValue2 = stars.inclinationStar;

    if (input.southernInFile) {
        if (!notifier.ask("「環境と流派の設定」で南半球モードとなっています。よろしいですね。")) {
            notifier.info("「環境と流派の設定」を再設定して下さい。");
            return AppraisalStatus::SouthernRefused;
        }
        pillars.day.branch = static_cast<Branch>(opposingBranch(pillars.day.branch));
        pillars.month.branch = static_cast<Branch>(opposingBranch(pillars.month.branch));
        pillars.year.branch = static_cast<Branch>(opposingBranch(pillars.year.branch));
    }

    next.sex = sex;
    next.birthHour = birth.hour;
    next.birthMinute = birth.minute;
    next.beforeEntry = facts.beforeEntry;
    next.luckStartAge = facts.luckStartAge;
    const long double depth = facts.entryDepthKnown ? facts.entryDepthTenths / 10.0L : 0.0L;
    next.setPillars(pillars.year, pillars.month, pillars.day, pillars.hour, depth);
    next.deriveNatalChart(schools);
    next.analyseChart(notifier);
    next.computePriorDate();

    out.display = buildChartDisplay({next, facts, oldDate, stars, input});
    setSummerTimeNote(out.display, inSummerTime, corrected);
    out.facts = facts;
    out.oldDate = oldDate;
    out.stars = stars;
    out.birth = birth;
    out.chart = std::move(next);
    return AppraisalStatus::Completed;
}

bool AppraisalRunner::overrideFavourableElements(const std::array<bool, 6>& liked,
                                                 Notifier& notifier) {
    if (!hasRun()) {
        // The marks are still checked, so a wrong choice is told as such.
        ElementSlots favourable{}, unfavourable{};
        if (applyElementOverride(liked, favourable, unfavourable, notifier)) {
            notifier.warn("鑑定実行していません。先に鑑定を行って下さい。");
        }
        return false;
    }
    if (!current_->overrideFavourableElements(liked, notifier)) return false;
    const bool inSummerTime = display_.bornInSummerTime;
    const bool corrected = display_.summerTimeCorrected;
    display_ = buildChartDisplay({*current_, *facts_, *oldDate_, *stars_, input_});
    setSummerTimeNote(display_, inSummerTime, corrected);
    return true;
}

}  // namespace suimei
