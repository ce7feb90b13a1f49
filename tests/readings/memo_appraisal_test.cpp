// The AI memo's lines: the one-point rules at their edges, the mode keys of the social readings,
// the headings of each button, the sixty-pillar and medicine readings, and the memo text.

#include "readings/memo_appraisal.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace suimei {
namespace {

using Lines = std::vector<std::string>;

// Stems, branches, elements and ten gods by number, so the cases read like the rules.
constexpr Stem kKou = 1, kOtsu = 2, kHei = 3, kTei = 4, kBo = 5, kKi = 6, kKou7 = 7, kShin = 8,
               kJin = 9;
constexpr Branch kNe = 1, kTora = 3, kTatsu = 5, kUma = 7;
constexpr int kEarth = 3;
constexpr int kHiken = 1, kHenkan = 4, kShoukan = 7, kSeikan = 9;

struct Stems {
    Stem year, month, day, hour;
    Branch monthBranch = 0;
};

Tmandata chartOf(Stems s) {
    Tmandata c;
    c.yearPillar.stem = s.year;
    c.monthPillar.stem = s.month;
    c.dayPillar.stem = s.day;
    c.hourPillar.stem = s.hour;
    c.monthPillar.branch = s.monthBranch;
    c.elementRank = {0, 3, 3, 3, 3, 3};
    return c;
}

std::vector<int> rulesHolding(const Tmandata& c) {
    std::vector<int> out;
    for (const OnePointRule& r : kOnePointRules) {
        if (onePointRuleHolds(r, c)) out.push_back(r.when.number);
    }
    return out;
}

TEST(MemoOnePoint, RuleEdges) {
    struct Case {
        const char* name;
        Tmandata chart;
        std::vector<int> rules;
    };
    Tmandata strongEarth = chartOf({kHiken, kBo, kJin, 0});
    strongEarth.elementRank[kEarth] = 4;
    Tmandata officers = chartOf({kKou, kKou, kKou, 0});
    officers.monthPillar.stemTenGod = kShoukan;
    officers.yearPillar.stemTenGod = kSeikan;
    Tmandata officersSwapped = officers;
    officersSwapped.monthPillar.stemTenGod = kSeikan;
    officersSwapped.yearPillar.stemTenGod = kShoukan;
    Tmandata mixed = chartOf({kKou, kKou, kKou, 0});
    mixed.monthPillar.stemTenGod = kHenkan;
    mixed.yearPillar.stemTenGod = kSeikan;
    const Case cases[] = {
        // 丙 everywhere: one rule, one line, however many suns stand beside the day.
        {"丙 day with 丙 year, month and hour", chartOf({kHei, kHei, kHei, kHei}), {14}},
        {"丙 day with only the year 丙", chartOf({kHei, kKou, kHei, 0}), {14}},
        // The year stem counts only for rule 14: 壬 in the year leaves rule 1 silent.
        {"丙 day with 壬 in the year only", chartOf({kJin, kKou, kHei, 0}), {}},
        {"丙 day with 壬 in the hour", chartOf({kKou, kKou, kHei, kJin}), {1}},
        // 己 day, 壬 month: 己土濁壬; the 己 hour does not make rule 21 (it needs a 壬 day).
        {"己 day, 壬 month, 己 hour", chartOf({kKou, kJin, kKi, kKi}), {16}},
        {"壬 day, 己 month", chartOf({kKou, kKi, kJin, 0}), {21}},
        // Earth must be above level 3 for the lake.
        {"壬 day, 戊 month, earth at 3", chartOf({kKou, kBo, kJin, 0}), {}},
        {"壬 day, 戊 month, earth at 4", strongEarth, {10}},
        // The spring branches only; 辰 is the end of spring but not counted.
        {"甲 day, 庚 hour, 寅 month", chartOf({kOtsu, kOtsu, kKou, kKou7, kTora}), {11}},
        {"甲 day, 庚 hour, 辰 month", chartOf({kOtsu, kOtsu, kKou, kKou7, kTatsu}), {}},
        {"己 day, 丙 month in 子", chartOf({kKou, kHei, kKi, 0, kNe}), {5}},
        {"己 day, 丙 month in 午", chartOf({kKou, kHei, kKi, 0, kUma}), {}},
        {"丁 day with 戊 month and 己 hour", chartOf({kKou, kBo, kTei, kKi}), {3, 4}},
        {"辛 day with 甲 month and 庚 hour", chartOf({kKou, kKou, kShin, kKou7}), {18, 20}},
        {"month 傷官, year 正官", officers, {22}},
        {"month 正官, year 傷官", officersSwapped, {23}},
        {"month 偏官, year 正官", mixed, {24}},
        {"no appraisal yet", Tmandata{}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rulesHolding(c.chart), c.rules);
    }
}

TEST(MemoOnePoint, ButtonLinesAreTheHeadingAndEachLineOnce) {
    Tmandata c = chartOf({kKou, kKou, kKou, 0});
    c.monthPillar.stemTenGod = kShoukan;
    c.yearPillar.stemTenGod = kSeikan;
    EXPECT_EQ(onePointButtonLines(c), (Lines{"", kOnePointHeading, std::string(kOfficerHurtLine)}));
    EXPECT_EQ(onePointButtonLines(chartOf({kKou, kKou, kHiken, 0})), (Lines{"", kOnePointHeading}));
    // Rule 20's line has no closing full stop.
    const Lines lines = onePointLines(chartOf({kKou, kKou7, kShin, 0}));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(lines[0].size() - 3), "す");
}

class MemoPassages : public ::testing::Test {
  protected:
    void SetUp() override {
        passages = PassageTable::open(paths);
        ASSERT_TRUE(passages);
        add("AI", "甲", "甲の性格。\n二行目。");
        add("AI", "比肩-喜神-弱", "喜神で弱い比肩。");
        add("AI", "比肩-喜神-強", "喜神で強い比肩。");
        add("AI", "年柱-比肩", "一般の年柱比肩。");
        add("AI", "日柱-帝旺", "日柱の帝旺。");
        add("中医学", "甲", "甲の養生。");
        add("中医学", "収", "収の食事。");
        // Year 甲 (木) is 比肩 of a 甲 day; 木 is favourable.
        chart = chartOf({kKou, kHei, kKou, 0});
        chart.yearPillar.stemTenGod = kHiken;
        chart.favourable1 = 1;
        chart.dayPillar.dayMasterStage = 5;  // 帝旺
    }
    void add(const char* k1, const char* k2, const char* memo) {
        Table& t = passages->table();
        t.append();
        t.setField("key1", k1);
        t.setField("key2", k2);
        t.setField("memo", memo);
        ASSERT_TRUE(t.post());
    }
    Lines press(const char* name, ReadingMode mode = ReadingMode::Professional) {
        const MemoButtonEntry* b = memoButtonNamed(name);
        EXPECT_NE(b, nullptr) << name;
        return b ? memoPassageLines(*b, mode, chart, *passages) : Lines{};
    }

    testing::TempDir dir;
    AppPaths paths{dir.path()};
    std::unique_ptr<PassageTable> passages;
    Tmandata chart;
};

TEST_F(MemoPassages, ProfessionalKeyTurnsStrongAboveLevelThree) {
    chart.elementRank[1] = 3;
    EXPECT_EQ(press("nencyubtn"),
              (Lines{" ", "■社会運の外面的能力の鑑定（年柱）", "喜神で弱い比肩。"}));
    chart.elementRank[1] = 4;
    EXPECT_EQ(press("nencyubtn").back(), "喜神で強い比肩。");
    EXPECT_EQ(press("nencyubtn", ReadingMode::General).back(), "一般の年柱比肩。");
}

TEST_F(MemoPassages, HeadingsOfEachButtonAndNothingForAMissingPassage) {
    EXPECT_EQ(press("nisyubtn"), (Lines{" ", "甲の性格。", "二行目。"}));
    EXPECT_EQ(press("haigusyabtn"),
              (Lines{" ", " ", "■配偶者に対する態度（日柱十二運星）", "日柱の帝旺。"}));
    // 月柱 stage 0 before a run: the key is refused, only the headings are appended.
    EXPECT_EQ(press("sinribtn"), (Lines{" ", " ", "■職場における深層心理の鑑定（月柱十二運星）"}));
    EXPECT_EQ(press("cyokobtn"),
              (Lines{" ", "■生まれた季節と日主の天干から調候(十干体象)を鑑定します。"}));
}

TEST_F(MemoPassages, MedicineLinesStartWithASpaceLine) {
    EXPECT_EQ(medicineStemLines(kKou, *passages), (Lines{" ", "甲の養生。"}));
    EXPECT_EQ(medicineSymptomLines(4, *passages), (Lines{" ", "収の食事。"}));
    EXPECT_EQ(medicineStemLines(0, *passages), Lines{" "});
    EXPECT_EQ(medicineSymptomLines(5, *passages), Lines{" "});
}

TEST(MemoGuard, NeedsTheYearAndTheDayStem) {
    EXPECT_TRUE(memoNeedsRun(Tmandata{}));
    EXPECT_TRUE(memoNeedsRun(chartOf({0, kKou, kKou, 0})));
    EXPECT_TRUE(memoNeedsRun(chartOf({kKou, kKou, 0, 0})));
    EXPECT_FALSE(memoNeedsRun(chartOf({kKou, 0, kKou, 0})));
}

TEST(MemoSixty, ReadsTheTableOfTheSexAndStopsAtTheFirstEmptyLine) {
    testing::TempDir dir;
    auto sixty = openReadingTable(AppPaths(dir.path()), ReadingTableKind::SixtyPillars);
    ASSERT_TRUE(sixty);
    auto add = [&](const char* sex, int no, const char* memo) {
        sixty->append();
        sixty->setField("sex", sex);
        sixty->setField("no", std::to_string(no));
        sixty->setField("memo", memo);
        ASSERT_TRUE(sixty->post());
    };
    add("女", 1, "甲子の女性。\n続き。\n\n読まない行。");
    add("男", 1, "甲子の男性。");
    Tmandata c;
    c.dayPillar.stem = kKou;
    c.dayPillar.branch = kNe;
    c.sex = 'M';
    EXPECT_EQ(sixtyPillarButtonLines(c, *sixty),
              (Lines{"", "■六十干支による鑑定（甲子）", "甲子の男性。"}));
    c.sex = 'F';
    EXPECT_EQ(sixtyPillarPassage(c, *sixty), (Lines{"甲子の女性。", "続き。"}));
    c.dayPillar.branch = 3;  // 甲寅 (51): no record
    EXPECT_FALSE(sixtyPillarButtonLines(c, *sixty).has_value());
    c.dayPillar.branch = 2;  // 甲丑 is no pillar
    EXPECT_FALSE(sixtyPillarButtonLines(c, *sixty).has_value());
}

TEST(MemoText, LinesAndAppending) {
    EXPECT_EQ(memoLinesOf(""), Lines{});
    EXPECT_EQ(memoLinesOf("a\r\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(memoLinesOf("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(appendMemoLines("", {"", "■見出し"}), "\n■見出し");
    EXPECT_EQ(appendMemoLines("前の文\n", {" ", "本文"}), "前の文\n \n本文");
    EXPECT_EQ(appendMemoLines("a\r\nb", {"c"}), "a\nb\nc");
}

}  // namespace
}  // namespace suimei
