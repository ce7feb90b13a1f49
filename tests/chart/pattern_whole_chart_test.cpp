// Whole charts worked by hand from the rules: relations, clash flags, strength, day-master points,
// tallies, pattern, useful and climate stems, favourable and unfavourable elements.

#include <gtest/gtest.h>

#include "chart/mandata.h"
#include "chart/pattern.h"
#include "chart/strength.h"

namespace suimei {
namespace {

ElementArray elements(int wood, int fire, int earth, int metal, int water) {
    return {0, wood, fire, earth, metal, water};
}

// The record as the chart's own derivations leave it: pillars, the month's active hidden stem
// with its ten god, and the day master's stages (twelve-stage school 0).
Tmandata record(Pillar y, Pillar m, Pillar d, Pillar h, int monthHidden, int monthHiddenTenGod,
                std::array<int, 4> dayMasterStages) {
    Tmandata c;
    PillarBlock* blocks[] = {&c.yearPillar, &c.monthPillar, &c.dayPillar, &c.hourPillar};
    const Pillar pillars[] = {y, m, d, h};
    for (int i = 0; i < 4; ++i) {
        blocks[i]->stem = pillars[i].stem;
        blocks[i]->branch = pillars[i].branch;
        blocks[i]->dayMasterStage = static_cast<std::uint8_t>(dayMasterStages[i]);
    }
    c.monthPillar.activeHidden = static_cast<Stem>(monthHidden);
    c.monthPillar.activeHiddenTenGod = static_cast<std::uint8_t>(monthHiddenTenGod);
    return c;
}

// 戊子 戊午 癸巳 癸亥; H = 丁 (午's main qi), 偏財 for 癸. Stages of 癸 (start 卯, backward):
// 子 建禄, 午 絶, 巳 胎, 亥 帝旺.
TEST(WholeChart, ClashedBranchesAndAFollowingWealthPattern) {
    Tmandata c = record({5, 1}, {5, 7}, {10, 6}, {10, 12}, 4, 3, {4, 10, 11, 5});
    RecordingNotifier n;
    c.analyseChart(n);
    EXPECT_TRUE(n.empty());

    // 戊癸 between month and day; 子午 (year–month) and 巳亥 (day–hour) clash.
    EXPECT_EQ(c.stemCombination.counts, (std::array<int, 6>{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(c.stemCombination.present, 1);
    EXPECT_EQ(c.threeCombination.present, 0);
    EXPECT_EQ(c.directionalCombination.present, 0);
    EXPECT_EQ(c.branchPairCombination.present, 0);
    EXPECT_EQ(c.branchClash.counts, (std::array<int, 7>{0, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(c.branchClash.present, 1);
    EXPECT_EQ(c.threePunishment.present, 0);
    EXPECT_EQ(c.selfPunishment.present, 0);
    // 午 hurt by the year's 子, 巳 by the hour's 亥.
    EXPECT_EQ(c.yearHurt, 0);
    EXPECT_EQ(c.monthHurt, 1);
    EXPECT_EQ(c.dayHurt, 1);
    EXPECT_EQ(c.hourHurt, 0);

    // 水 day master in 午: 夏, month command 0. Support: 戊 戊 -2, 癸 癸 +2, 子 亥 +2, 午 巳 -2.
    EXPECT_EQ(c.seasonLabel, "夏-水");
    EXPECT_EQ(c.monthCommandScore, 0);
    EXPECT_EQ(c.relationScore, 0);
    EXPECT_EQ(c.stageScore, 2) << "帝旺 on the hour branch";
    EXPECT_EQ(c.strengthTotal, 2);
    EXPECT_EQ(strengthClassOf(c.strengthTotal), "中和");
    // 水 tables: year 子 2, month 午 0, day 巳 0, hour 亥 2 (the hurt pillars have nothing to
    // halve).
    EXPECT_EQ(c.yearPoints, 2);
    EXPECT_EQ(c.monthPoints, 0);
    EXPECT_EQ(c.dayPoints, 0);
    EXPECT_EQ(c.hourPoints, 2);
    EXPECT_EQ(c.dayMasterPoints, 4);
    EXPECT_EQ(dayMasterWordingOf(c.dayMasterPoints), "強い");

    // Stems: 癸 hour 水; 戊癸 supported by H (火) counts 火 for day and month; 戊 year 土.
    // Every branch is clashed and none is bound, so no branch is tallied.
    EXPECT_EQ(c.elementStemCount, elements(0, 2, 1, 0, 1));
    EXPECT_EQ(c.elementBranchTally, elements(0, 0, 0, 0, 0));
    EXPECT_EQ(c.elementPoints, elements(0, 2, 1, 0, 1));
    EXPECT_EQ(c.rankedElements[1].element, 2);
    EXPECT_EQ(c.rankedElements[2].element, 3) << "土 before 水 at one point each";
    EXPECT_EQ(c.rankedElements[3].element, 5);
    EXPECT_EQ(c.elementRank, elements(1, 5, 4, 1, 2));

    // Top 火 is the wealth of 水; nothing breaks it. No stem is 火, H (丁) and its sibling 丙
    // are not revealed: the useful stem is the day stem 癸.
    EXPECT_EQ(c.patternName, "従財格");
    EXPECT_EQ(c.usefulStem, 10);
    EXPECT_EQ(c.climateStem, 10);
    EXPECT_EQ(c.climateElements, "水金");
    // 従財格 with U = 水: then 土 (controls 水, one point).
    EXPECT_EQ(c.favourable1, 5);
    EXPECT_EQ(c.favourable2, 3);
    EXPECT_EQ(c.favourable3, 0);
    EXPECT_EQ(c.favourableElements, "水土");
    EXPECT_EQ(c.unfavourable1, 1);
    EXPECT_EQ(c.unfavourable2, 2);
    EXPECT_EQ(c.unfavourable3, 4);
    EXPECT_EQ(c.unfavourableElements, "木火金");
}

// 甲子 丙寅 辛亥 戊子; H = 甲 (寅's main qi), 正財 for 辛. Stages of 辛 (start 子, backward):
// 子 長生, 寅 胎, 亥 沐浴.
TEST(WholeChart, BoundBranchesAndAnInnerPattern) {
    Tmandata c = record({1, 1}, {3, 3}, {8, 12}, {5, 1}, 1, 8, {1, 11, 2, 1});
    RecordingNotifier n;
    c.analyseChart(n);
    EXPECT_TRUE(n.empty());

    EXPECT_EQ(c.stemCombination.counts, (std::array<int, 6>{0, 0, 0, 1, 0, 0})) << "丙辛";
    EXPECT_EQ(c.branchPairCombination.counts, (std::array<int, 7>{0, 0, 1, 0, 0, 0, 0})) << "寅亥";
    EXPECT_EQ(c.branchPairCombination.present, 1);
    EXPECT_EQ(c.threeCombination.present + c.directionalCombination.present +
                  c.branchClash.present + c.threePunishment.present + c.selfPunishment.present,
              0);
    EXPECT_EQ(c.yearHurt + c.monthHurt + c.dayHurt + c.hourHurt, 0);

    EXPECT_EQ(c.seasonLabel, "春-金");
    EXPECT_EQ(c.monthCommandScore, 0);
    EXPECT_EQ(c.relationScore, -4) << "辛 戊 +2, 甲 丙 -2, four 水 and 木 branches -4";
    EXPECT_EQ(c.stageScore, 1) << "長生 on the hour branch";
    EXPECT_EQ(c.strengthTotal, -3);
    EXPECT_EQ(strengthClassOf(c.strengthTotal), "中和");
    EXPECT_EQ(c.dayMasterPoints, 0);
    EXPECT_EQ(dayMasterWordingOf(c.dayMasterPoints), "かなり弱い(極弱)");

    // 丙辛 is not supported by H (木): 辛 counts 金, 丙 counts 火. 寅亥 binds day and month.
    EXPECT_EQ(c.elementStemCount, elements(1, 1, 1, 1, 0));
    EXPECT_EQ(c.elementBranchTally, elements(0, 0, 0, 0, 2));
    EXPECT_EQ(c.elementPoints, elements(1, 1, 1, 1, 0));
    EXPECT_EQ(c.rankedElements[1].element, 1);
    EXPECT_EQ(c.elementRank, elements(5, 4, 3, 2, 1));

    // Top 木 is 財 for 金, broken by the resource 土 and the day element both having points.
    EXPECT_EQ(c.patternName, "正財格");
    EXPECT_EQ(c.usefulStem, 1) << "H = 甲 stands in the year";
    EXPECT_EQ(c.climateStem, 0);
    EXPECT_EQ(c.climateElements, "土火木");
    // U = 木 is wealth and not weaker than 金: 金 and 土.
    EXPECT_EQ(c.favourableElements, "金土");
    EXPECT_EQ(c.favourable1, 4);
    EXPECT_EQ(c.favourable2, 3);
    EXPECT_EQ(c.unfavourableElements, "木火水");

    // The reader's override through the record.
    EXPECT_EQ(overrideStartMarks(c.favourableSlots()),
              (std::array<bool, 6>{false, false, false, true, true, false}));
    EXPECT_FALSE(c.overrideFavourableElements({false, true, true, true, true, false}, n));
    EXPECT_EQ(n.lastText(), "喜ぶ神、忌む神はそれぞれ最大３種類に設定してください。");
    EXPECT_EQ(c.favourableElements, "金土");
    EXPECT_EQ(c.unfavourable3, 5);
    EXPECT_TRUE(c.overrideFavourableElements({false, true, true, false, false, false}, n));
    EXPECT_EQ(c.favourable1, 1);
    EXPECT_EQ(c.favourable2, 2);
    EXPECT_EQ(c.favourable3, 0);
    EXPECT_EQ(c.favourableElements, "木火");
    EXPECT_EQ(c.unfavourableElements, "土金水");
}

// The chart above without its hour: the pattern becomes a following one.
TEST(WholeChart, MissingHour) {
    Tmandata c = record({1, 1}, {3, 3}, {8, 12}, {}, 1, 8, {1, 11, 2, 0});
    RecordingNotifier n;
    c.analyseChart(n);
    EXPECT_TRUE(n.empty());

    EXPECT_EQ(c.stemCombination.counts[3], 1);
    EXPECT_EQ(c.branchPairCombination.counts[2], 1);
    EXPECT_EQ(c.hourHurt, 0);
    EXPECT_EQ(c.relationScore, -4) << "six characters: 辛 +1, 甲 丙 子 寅 亥 -5";
    EXPECT_EQ(c.stageScore, 0) << "the year's 長生 does not count";
    EXPECT_EQ(c.strengthTotal, -4);
    EXPECT_EQ(strengthClassOf(c.strengthTotal), "身弱");
    EXPECT_EQ(c.hourPoints, 0);
    EXPECT_EQ(c.dayMasterPoints, 0);

    EXPECT_EQ(c.elementStemCount, elements(1, 1, 0, 1, 0));
    EXPECT_EQ(c.elementBranchTally, elements(0, 0, 0, 0, 1));
    EXPECT_EQ(c.elementPoints, elements(1, 1, 0, 1, 0));
    EXPECT_EQ(c.elementRank, elements(5, 4, 1, 2, 1));
    EXPECT_EQ(c.patternName, "従財格");
    EXPECT_EQ(c.usefulStem, 1) << "no 木 in the month or hour; the year's 甲";
    // 従財格 with U = 木: 金 controls it and has a point.
    EXPECT_EQ(c.favourableElements, "木金");
    EXPECT_EQ(c.unfavourableElements, "火土水");
}

// The first chart again, from the record's own derivations (depth 10 days into the month):
// 三命通会 gives 午 丙7 丁24, so H = 丁 as above; 算命学式 gives 午 己19 丁12, so H = 己 (土)
// and 戊癸 is no longer supported: stems 水 2, 土 2, the tie goes to 土, the officer of 水.
TEST(WholeChart, HiddenStemSchoolChangesThePattern) {
    for (const int school : {kSanmeiTsuukai, kSanmeigaku}) {
        Tmandata c;
        c.sex = 'M';
        c.birthYear = 1948;
        c.setPillars({5, 1}, {5, 7}, {10, 6}, {10, 12}, 10.0L);
        Schools schools;
        schools.hiddenStemSchool = school;
        c.deriveNatalChart(schools);
        RecordingNotifier n;
        c.analyseChart(n);
        EXPECT_EQ(c.stageScore, 2);
        EXPECT_EQ(c.strengthTotal, 2);
        EXPECT_EQ(c.dayMasterPoints, 4);
        if (school == kSanmeiTsuukai) {
            EXPECT_EQ(c.monthPillar.activeHidden, 4);
            EXPECT_EQ(c.patternName, "従財格");
            EXPECT_EQ(c.usefulStem, 10);
            EXPECT_EQ(c.favourableElements, "水土");
        } else {
            EXPECT_EQ(c.monthPillar.activeHidden, 6);
            EXPECT_EQ(c.elementStemCount, elements(0, 0, 2, 0, 2));
            EXPECT_EQ(c.elementRank, elements(2, 2, 4, 2, 3));
            EXPECT_EQ(c.patternName, "従殺格");
            EXPECT_EQ(c.usefulStem, 5) << "the month's 戊";
            EXPECT_EQ(c.favourableElements, "土火");
            EXPECT_EQ(c.unfavourableElements, "木金水");
        }
    }
}

}  // namespace
}  // namespace suimei
