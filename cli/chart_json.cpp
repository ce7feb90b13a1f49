#include "cli/chart_json.h"

namespace suimei::cli {

namespace {

using nlohmann::json;

// Slots 1..N of a 1-based array as a JSON array (index 0 is unused in the chart's arrays).
template <typename A>
json fromOne(const A& a) {
    json out = json::array();
    for (std::size_t i = 1; i < a.size(); ++i) out.push_back(a[i]);
    return out;
}

template <typename A>
json fromZero(const A& a) {
    json out = json::array();
    for (const auto& v : a) out.push_back(v);
    return out;
}

json countsJson(const auto& relation) {
    return {{"counts", fromOne(relation.counts)}, {"present", relation.present}};
}

}  // namespace

json pillarBlockJson(const PillarBlock& b) {
    return {{"stem", b.stem},
            {"branch", b.branch},
            {"name", pillarName(b.pillar())},
            {"activeHidden", b.activeHidden},
            {"activeHiddenSlot", b.activeHiddenSlot},
            {"hiddenStems", fromOne(b.hiddenStems)},
            {"hiddenTenGods", fromOne(b.hiddenTenGods)},
            {"stemTenGod", b.stemTenGod},
            {"activeHiddenTenGod", b.activeHiddenTenGod},
            {"hiddenCount", b.hiddenCount},
            {"ownStage", b.ownStage},
            {"dayMasterStage", b.dayMasterStage}};
}

json chartJson(const Tmandata& c) {
    json ranked = json::array();
    for (std::size_t i = 1; i < c.rankedElements.size(); ++i) {
        ranked.push_back(
            {{"element", c.rankedElements[i].element}, {"points", c.rankedElements[i].points}});
    }
    json j = {
        {"nameText", c.nameText},
        {"birthDateText", c.birthDateText},
        {"sex", std::string(1, c.sex ? c.sex : '-')},
        {"age", c.age},
        {"birthTimeText", c.birthTimeText},
        {"birthTimeIndex", c.birthTimeIndex},
        {"birthYear", c.birthYear},
        {"birthMonth", c.birthMonth},
        {"birthDay", c.birthDay},
        {"monthDayCode", c.monthDayCode},
        {"birthHour", c.birthHour},
        {"birthMinute", c.birthMinute},
        {"beforeEntry", c.beforeEntry},
        {"pillars",
         {{"year", pillarBlockJson(c.yearPillar)},
          {"month", pillarBlockJson(c.monthPillar)},
          {"day", pillarBlockJson(c.dayPillar)},
          {"hour", pillarBlockJson(c.hourPillar)}}},
        {"dayKanshi", c.dayKanshi},
        {"monthKanshi", c.monthKanshi},
        {"yearKanshi", c.yearKanshi},
        {"mansionNumber", c.mansionNumber},
        {"mansionIndex", c.mansionIndex},
        {"yearStar", c.yearStar},
        {"monthStar", c.monthStar},
        {"starValue1", c.starValue1},
        {"starValue2", c.starValue2},
        {"priorYear", c.priorYear},
        {"priorMonth", c.priorMonth},
        {"priorDay", c.priorDay},
        {"priorYearStem", c.priorYearStem},
        {"priorYearBranch", c.priorYearBranch},
        {"priorMonthStem", c.priorMonthStem},
        {"priorMonthBranch", c.priorMonthBranch},
        {"priorDayStem", c.priorDayStem},
        {"priorDayBranch", c.priorDayBranch},
        {"lifePalace", c.lifePalace},
        {"seasonLabel", c.seasonLabel},
        {"monthCommandScore", c.monthCommandScore},
        {"relationScore", c.relationScore},
        {"stageScore", c.stageScore},
        {"strengthTotal", c.strengthTotal},
        {"dayOpposite", c.dayOpposite},
        {"voidFirst", c.voidFirst},
        {"voidSecond", c.voidSecond},
        {"luckDirection", c.luckDirection},
        {"luckStartAge", c.luckStartAge},
        {"luckAges", fromOne(c.luckAges)},
        {"luckStems", fromOne(c.luckStems)},
        {"luckBranches", fromOne(c.luckBranches)},
        {"luckTenGods", fromOne(c.luckTenGods)},
        {"luckStages", fromOne(c.luckStages)},
        {"annualStems", fromZero(c.annualStems)},
        {"annualBranches", fromZero(c.annualBranches)},
        {"annualTenGods", fromZero(c.annualTenGods)},
        {"annualStages", fromZero(c.annualStages)},
        {"termDepth", static_cast<double>(c.termDepth)},
        {"patternName", c.patternName},
        {"usefulStem", c.usefulStem},
        {"climateStem", c.climateStem},
        {"climateElements", c.climateElements},
        {"favourableElements", c.favourableElements},
        {"unfavourableElements", c.unfavourableElements},
        {"favourable1", c.favourable1},
        {"favourable2", c.favourable2},
        {"favourable3", c.favourable3},
        {"unfavourable1", c.unfavourable1},
        {"unfavourable2", c.unfavourable2},
        {"unfavourable3", c.unfavourable3},
        {"hourHurt", c.hourHurt},
        {"dayHurt", c.dayHurt},
        {"monthHurt", c.monthHurt},
        {"yearHurt", c.yearHurt},
        {"stemCombination", countsJson(c.stemCombination)},
        {"threeCombination", countsJson(c.threeCombination)},
        {"directionalCombination", countsJson(c.directionalCombination)},
        {"branchPairCombination", countsJson(c.branchPairCombination)},
        {"branchClash", countsJson(c.branchClash)},
        {"threePunishment", countsJson(c.threePunishment)},
        {"selfPunishment", countsJson(c.selfPunishment)},
        {"dayMasterPoints", c.dayMasterPoints},
        {"yearPoints", c.yearPoints},
        {"monthPoints", c.monthPoints},
        {"dayPoints", c.dayPoints},
        {"hourPoints", c.hourPoints},
        {"elementStemCount", fromOne(c.elementStemCount)},
        {"elementBranchTally", fromOne(c.elementBranchTally)},
        {"elementPoints", fromOne(c.elementPoints)},
        {"elementRank", fromOne(c.elementRank)},
        {"rankedElements", ranked},
    };
    return j;
}

json solarFactsJson(const SolarFacts& f) {
    json j = {{"localYear", f.localYear},
              {"localMonth", f.localMonth},
              {"localDay", f.localDay},
              {"localHour", f.localHour},
              {"localMinute", f.localMinute},
              {"sunLongitude", f.sunLongitude},
              {"yearStem", f.yearStem},
              {"yearBranch", f.yearBranch},
              {"monthStem", f.monthStem},
              {"monthBranch", f.monthBranch},
              {"dayStem", f.dayStem},
              {"dayBranch", f.dayBranch},
              {"hourStem", f.hourStem},
              {"hourBranch", f.hourBranch},
              {"beforeEntry", f.beforeEntry},
              {"prevEntryDay", f.prevEntryDay},
              {"prevEntryHour", f.prevEntryHour},
              {"curEntryDay", f.curEntryDay},
              {"curEntryHour", f.curEntryHour},
              {"nextEntryDay", f.nextEntryDay},
              {"nextEntryHour", f.nextEntryHour},
              {"daysSinceEntry", f.daysSinceEntry},
              {"daysToEntry", f.daysToEntry},
              {"luckStartYears", f.luckStartYears},
              {"luckStartMonths", f.luckStartMonths},
              {"luckStartMonth", f.luckStartMonth},
              {"luckStartAge", f.luckStartAge},
              {"currentYear", f.currentYear},
              {"countingAge", f.countingAge}};
    j["entryDepthDays"] = f.entryDepthKnown ? json(f.entryDepthTenths / 10.0) : json(nullptr);
    return j;
}

json oldCalendarJson(const OldCalendarDate& d) {
    return {{"lunarYear", d.lunarYear},       {"leapFlag", d.leapFlag},
            {"lunarMonth", d.lunarMonth},     {"lunarDay", d.lunarDay},
            {"rokuyoName", d.rokuyoName},     {"dayKanshiName", d.dayKanshiName},
            {"moonAge", d.moonAge},           {"noonMoonAge", d.noonMoonAge},
            {"illumination", d.illumination}, {"phaseIndex", d.phaseIndex},
            {"mansion27", d.mansion27},       {"mansion28", d.mansion28}};
}

json displayJson(const AppraisalDisplay& d) {
    json columns = json::array();
    for (const auto& c : d.columns) {
        columns.push_back({{"stemText", c.stemText},
                           {"branchText", c.branchText},
                           {"hiddenText", c.hiddenText},
                           {"hiddenTenGodText", c.hiddenTenGodText},
                           {"stageText", c.stageText},
                           {"mark", c.mark}});
    }
    return {{"normalizedDate", d.normalizedDate},
            {"namePanel", d.namePanel},
            {"ageLabel", d.ageLabel},
            {"columns", columns},
            {"luckDirectionText", d.luckDirectionText},
            {"voidText", d.voidText},
            {"lifePalaceText", d.lifePalaceText},
            {"entryDaysText", d.entryDaysText},
            {"luckStartText", d.luckStartText},
            {"luckStartAgeText", d.luckStartAgeText},
            {"mansionText", d.mansionText},
            {"yearStarText", d.yearStarText},
            {"monthStarText", d.monthStarText},
            {"gauges",
             {{"total", d.gaugeTotal},
              {"monthCommand", d.gaugeMonthCommand},
              {"elements", d.gaugeElements},
              {"stages", d.gaugeStages}}},
            {"strengthClass", d.strengthClass},
            {"powerText", d.powerText},
            {"pointsText", d.pointsText},
            {"patternName", d.patternName},
            {"climateText", d.climateText},
            {"favourableText", d.favourableText},
            {"unfavourableText", d.unfavourableText},
            {"relationChecks", d.relationChecks},
            {"hiddenSchoolLabel", d.hiddenSchoolLabel},
            {"stageSchoolLabel", d.stageSchoolLabel}};
}

}  // namespace suimei::cli
