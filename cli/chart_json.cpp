#include "cli/chart_json.h"

namespace suimei::cli {

namespace {

void counts(JsonWriter& w, std::string_view name, const auto& relation) {
    w.key(name);
    w.beginObject();
    w.key("counts");
    w.array(relation.counts, 1);
    w.member("present", relation.present);
    w.endObject();
}

}  // namespace

void pillarBlock(JsonWriter& w, const PillarBlock& b) {
    w.beginObject();
    w.member("stem", b.stem);
    w.member("branch", b.branch);
    w.member("name", pillarName(b.pillar()));
    w.member("activeHidden", b.activeHidden);
    w.member("activeHiddenSlot", b.activeHiddenSlot);
    w.key("hiddenStems");
    w.array(b.hiddenStems, 1);
    w.key("hiddenTenGods");
    w.array(b.hiddenTenGods, 1);
    w.member("stemTenGod", b.stemTenGod);
    w.member("activeHiddenTenGod", b.activeHiddenTenGod);
    w.member("hiddenCount", b.hiddenCount);
    w.member("ownStage", b.ownStage);
    w.member("dayMasterStage", b.dayMasterStage);
    w.endObject();
}

void chartMembers(JsonWriter& w, const Tmandata& c) {
    w.member("nameText", c.nameText);
    w.member("birthDateText", c.birthDateText);
    w.member("sex", std::string(1, c.sex ? c.sex : '-'));
    w.member("age", c.age);
    w.member("birthTimeText", c.birthTimeText);
    w.member("birthTimeIndex", c.birthTimeIndex);
    w.member("birthYear", c.birthYear);
    w.member("birthMonth", c.birthMonth);
    w.member("birthDay", c.birthDay);
    w.member("monthDayCode", c.monthDayCode);
    w.member("birthHour", c.birthHour);
    w.member("birthMinute", c.birthMinute);
    w.member("beforeEntry", c.beforeEntry);
    w.key("pillars");
    w.beginObject();
    pillarBlock(w.key("year"), c.yearPillar);
    pillarBlock(w.key("month"), c.monthPillar);
    pillarBlock(w.key("day"), c.dayPillar);
    pillarBlock(w.key("hour"), c.hourPillar);
    w.endObject();
    w.member("dayKanshi", c.dayKanshi);
    w.member("monthKanshi", c.monthKanshi);
    w.member("yearKanshi", c.yearKanshi);
    w.member("mansionNumber", c.mansionNumber);
    w.member("mansionIndex", c.mansionIndex);
    w.member("yearStar", c.yearStar);
    w.member("monthStar", c.monthStar);
    w.member("starValue1", c.starValue1);
    w.member("starValue2", c.starValue2);
    w.member("priorYear", c.priorYear);
    w.member("priorMonth", c.priorMonth);
    w.member("priorDay", c.priorDay);
    w.member("priorYearStem", c.priorYearStem);
    w.member("priorYearBranch", c.priorYearBranch);
    w.member("priorMonthStem", c.priorMonthStem);
    w.member("priorMonthBranch", c.priorMonthBranch);
    w.member("priorDayStem", c.priorDayStem);
    w.member("priorDayBranch", c.priorDayBranch);
    w.member("lifePalace", c.lifePalace);
    w.member("seasonLabel", c.seasonLabel);
    w.member("monthCommandScore", c.monthCommandScore);
    w.member("relationScore", c.relationScore);
    w.member("stageScore", c.stageScore);
    w.member("strengthTotal", c.strengthTotal);
    w.member("dayOpposite", c.dayOpposite);
    w.member("voidFirst", c.voidFirst);
    w.member("voidSecond", c.voidSecond);
    w.member("luckDirection", c.luckDirection);
    w.member("luckStartAge", c.luckStartAge);
    w.key("luckAges");
    w.array(c.luckAges, 1);
    w.key("luckStems");
    w.array(c.luckStems, 1);
    w.key("luckBranches");
    w.array(c.luckBranches, 1);
    w.key("luckTenGods");
    w.array(c.luckTenGods, 1);
    w.key("luckStages");
    w.array(c.luckStages, 1);
    w.key("annualStems");
    w.array(c.annualStems);
    w.key("annualBranches");
    w.array(c.annualBranches);
    w.key("annualTenGods");
    w.array(c.annualTenGods);
    w.key("annualStages");
    w.array(c.annualStages);
    w.member("termDepth", static_cast<double>(c.termDepth));
    w.member("patternName", c.patternName);
    w.member("usefulStem", c.usefulStem);
    w.member("climateStem", c.climateStem);
    w.member("climateElements", c.climateElements);
    w.member("favourableElements", c.favourableElements);
    w.member("unfavourableElements", c.unfavourableElements);
    w.member("favourable1", c.favourable1);
    w.member("favourable2", c.favourable2);
    w.member("favourable3", c.favourable3);
    w.member("unfavourable1", c.unfavourable1);
    w.member("unfavourable2", c.unfavourable2);
    w.member("unfavourable3", c.unfavourable3);
    w.member("hourHurt", c.hourHurt);
    w.member("dayHurt", c.dayHurt);
    w.member("monthHurt", c.monthHurt);
    w.member("yearHurt", c.yearHurt);
    counts(w, "stemCombination", c.stemCombination);
    counts(w, "threeCombination", c.threeCombination);
    counts(w, "directionalCombination", c.directionalCombination);
    counts(w, "branchPairCombination", c.branchPairCombination);
    counts(w, "branchClash", c.branchClash);
    counts(w, "threePunishment", c.threePunishment);
    counts(w, "selfPunishment", c.selfPunishment);
    w.member("dayMasterPoints", c.dayMasterPoints);
    w.member("yearPoints", c.yearPoints);
    w.member("monthPoints", c.monthPoints);
    w.member("dayPoints", c.dayPoints);
    w.member("hourPoints", c.hourPoints);
    w.key("elementStemCount");
    w.array(c.elementStemCount, 1);
    w.key("elementBranchTally");
    w.array(c.elementBranchTally, 1);
    w.key("elementPoints");
    w.array(c.elementPoints, 1);
    w.key("elementRank");
    w.array(c.elementRank, 1);
    w.key("rankedElements");
    w.beginArray();
    for (std::size_t i = 1; i < c.rankedElements.size(); ++i) {
        w.beginObject();
        w.member("element", c.rankedElements[i].element);
        w.member("points", c.rankedElements[i].points);
        w.endObject();
    }
    w.endArray();
}

void solarFacts(JsonWriter& w, const SolarFacts& f) {
    w.beginObject();
    w.member("localYear", f.localYear);
    w.member("localMonth", f.localMonth);
    w.member("localDay", f.localDay);
    w.member("localHour", f.localHour);
    w.member("localMinute", f.localMinute);
    w.member("sunLongitude", f.sunLongitude);
    w.member("yearStem", f.yearStem);
    w.member("yearBranch", f.yearBranch);
    w.member("monthStem", f.monthStem);
    w.member("monthBranch", f.monthBranch);
    w.member("dayStem", f.dayStem);
    w.member("dayBranch", f.dayBranch);
    w.member("hourStem", f.hourStem);
    w.member("hourBranch", f.hourBranch);
    w.member("beforeEntry", f.beforeEntry);
    w.member("prevEntryDay", f.prevEntryDay);
    w.member("prevEntryHour", f.prevEntryHour);
    w.member("curEntryDay", f.curEntryDay);
    w.member("curEntryHour", f.curEntryHour);
    w.member("nextEntryDay", f.nextEntryDay);
    w.member("nextEntryHour", f.nextEntryHour);
    w.member("daysSinceEntry", f.daysSinceEntry);
    w.member("daysToEntry", f.daysToEntry);
    w.member("luckStartYears", f.luckStartYears);
    w.member("luckStartMonths", f.luckStartMonths);
    w.member("luckStartMonth", f.luckStartMonth);
    w.member("luckStartAge", f.luckStartAge);
    w.member("currentYear", f.currentYear);
    w.member("countingAge", f.countingAge);
    w.key("entryDepthDays");
    if (f.entryDepthKnown) {
        w.value(f.entryDepthTenths / 10.0);
    } else {
        w.null();
    }
    w.endObject();
}

void oldCalendar(JsonWriter& w, const OldCalendarDate& d) {
    w.beginObject();
    w.member("lunarYear", d.lunarYear);
    w.member("leapFlag", d.leapFlag);
    w.member("lunarMonth", d.lunarMonth);
    w.member("lunarDay", d.lunarDay);
    w.member("rokuyoName", d.rokuyoName);
    w.member("dayKanshiName", d.dayKanshiName);
    w.member("moonAge", d.moonAge);
    w.member("noonMoonAge", d.noonMoonAge);
    w.member("illumination", d.illumination);
    w.member("phaseIndex", d.phaseIndex);
    w.member("mansion27", d.mansion27);
    w.member("mansion28", d.mansion28);
    w.endObject();
}

void display(JsonWriter& w, const AppraisalDisplay& d) {
    w.beginObject();
    w.member("normalizedDate", d.normalizedDate);
    w.member("namePanel", d.namePanel);
    w.member("ageLabel", d.ageLabel);
    w.key("columns");
    w.beginArray();
    for (const auto& c : d.columns) {
        w.beginObject();
        w.member("stemText", c.stemText);
        w.member("branchText", c.branchText);
        w.key("hiddenText");
        w.array(c.hiddenText);
        w.key("hiddenTenGodText");
        w.array(c.hiddenTenGodText);
        w.member("stageText", c.stageText);
        w.member("mark", c.mark);
        w.endObject();
    }
    w.endArray();
    w.member("luckDirectionText", d.luckDirectionText);
    w.member("voidText", d.voidText);
    w.member("lifePalaceText", d.lifePalaceText);
    w.member("entryDaysText", d.entryDaysText);
    w.member("luckStartText", d.luckStartText);
    w.member("luckStartAgeText", d.luckStartAgeText);
    w.member("mansionText", d.mansionText);
    w.member("yearStarText", d.yearStarText);
    w.member("monthStarText", d.monthStarText);
    w.key("gauges");
    w.beginObject();
    w.member("total", d.gaugeTotal);
    w.member("monthCommand", d.gaugeMonthCommand);
    w.member("elements", d.gaugeElements);
    w.member("stages", d.gaugeStages);
    w.endObject();
    w.member("strengthClass", d.strengthClass);
    w.member("powerText", d.powerText);
    w.member("pointsText", d.pointsText);
    w.member("patternName", d.patternName);
    w.member("climateText", d.climateText);
    w.member("favourableText", d.favourableText);
    w.member("unfavourableText", d.unfavourableText);
    w.key("relationChecks");
    w.array(d.relationChecks);
    w.member("hiddenSchoolLabel", d.hiddenSchoolLabel);
    w.member("stageSchoolLabel", d.stageSchoolLabel);
    w.endObject();
}

}  // namespace suimei::cli
