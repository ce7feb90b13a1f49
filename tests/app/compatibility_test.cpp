#include "app/compatibility.h"

#include <gtest/gtest.h>

#include "chart/chart_rules.h"
#include "chart/mandata.h"
#include "print/compatibility_sheet.h"
#include "print/memo_document.h"
#include "readings/passage_table.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

// Stems 甲1 乙2 丙3 丁4 戊5 己6 庚7 辛8 壬9 癸10; branches 子1 丑2 寅3 ... 午7 未8 申9 ... 亥12.
Tmandata chartOf(Pillar year, Pillar month, Pillar day) {
    Tmandata c;
    c.yearPillar.stem = year.stem;
    c.yearPillar.branch = year.branch;
    c.monthPillar.stem = month.stem;
    c.monthPillar.branch = month.branch;
    c.dayPillar.stem = day.stem;
    c.dayPillar.branch = day.branch;
    const VoidBranches v = voidBranchesOf(day.stem, day.branch);
    c.voidFirst = v.first;
    c.voidSecond = v.second;
    return c;
}

struct CodeCase {
    const char* name;
    int client, partner, code;
};

TEST(CompatibilityLines, DayStemCodes) {
    const CodeCase cases[] = {
        {"甲己 combine: lime, overrides 木 controls 土", 1, 6, 6},
        {"戊癸 combine the other way round too", 10, 5, 6},
        {"甲丙: 木 generates 火", 1, 3, 1},
        {"甲戊: 木 controls 土", 1, 5, 2},
        {"甲庚: 金 controls 木", 1, 7, 3},
        {"甲壬: 水 generates 木", 1, 9, 4},
        {"甲乙: both 木", 1, 2, 5},
        {"丁丙: both 火, no combination", 4, 3, 5},
        {"no stem on one side", 0, 3, 0},
        {"out of range", 11, 3, 0},
    };
    for (const CodeCase& c : cases) {
        EXPECT_EQ(dayStemRelationCode(c.client, c.partner), c.code) << c.name;
    }
}

TEST(CompatibilityLines, ColourAndArrowFollowTheCode) {
    struct Case {
        int code;
        std::uint32_t colour;
        RelationArrow arrow;
    } const cases[] = {
        {1, 0x008000, RelationArrow::ToPartner}, {2, 0xFF0000, RelationArrow::ToPartner},
        {3, 0xFF0000, RelationArrow::ToClient},  {4, 0x008000, RelationArrow::ToClient},
        {5, 0x0000FF, RelationArrow::None},      {6, 0x00FF00, RelationArrow::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(relationColour(c.code), c.colour) << c.code;
        EXPECT_EQ(relationArrow(c.code), c.arrow) << c.code;
    }
}

TEST(CompatibilityLines, BranchLinesNeverCombine) {
    // Day stems 甲己 -> 6 lime, no arrow. Day branches 子子 (水水) -> 5 blue, not 6: the branch
    // is set by hand. Month branches 寅 (木) and 午 (火) -> 1, arrow to the partner.
    Tmandata client = chartOf({1, 1}, {3, 3}, {1, 1});
    Tmandata partner = chartOf({1, 1}, {5, 7}, {6, 2});
    partner.dayPillar.branch = 1;
    const auto lines = compatibilityLines(client, partner);
    EXPECT_EQ(lines[0].what, RelationItem::DayStem);
    EXPECT_EQ(lines[0].code, 6);
    EXPECT_EQ(lines[0].colour, 0x00FF00u);
    EXPECT_EQ(lines[0].arrow, RelationArrow::None);
    EXPECT_EQ(lines[1].what, RelationItem::DayBranch);
    EXPECT_EQ(lines[1].code, 5);
    EXPECT_EQ(lines[1].colour, 0x0000FFu);
    EXPECT_EQ(lines[2].what, RelationItem::MonthBranch);
    EXPECT_EQ(lines[2].code, 1);
    EXPECT_EQ(lines[2].arrow, RelationArrow::ToPartner);
}

TEST(CompatibilityLines, DayBranches子午AreRedFromTheClient) {
    // 子 水 controls 午 火: code 2; the other way round 午 is controlled by 子: code 3.
    const Tmandata a = chartOf({1, 1}, {3, 3}, {1, 1});
    const Tmandata b = chartOf({1, 1}, {3, 3}, {5, 7});
    EXPECT_EQ(compatibilityLines(a, b)[1].code, 2);
    EXPECT_EQ(compatibilityLines(a, b)[1].colour, 0xFF0000u);
    EXPECT_EQ(compatibilityLines(b, a)[1].code, 3);
    EXPECT_EQ(compatibilityLines(b, a)[1].arrow, RelationArrow::ToClient);
}

TEST(CompatibilityVoid, SameAndMutual) {
    // 甲子 旬 (甲子..癸酉) is void in 戌亥; 甲寅 旬 (甲寅..癸亥) in 子丑.
    const Tmandata client = chartOf({1, 1}, {3, 3}, {1, 1});      // 甲子: 戌亥
    const Tmandata sameDecade = chartOf({1, 1}, {3, 3}, {2, 2});  // 乙丑: 戌亥
    const Tmandata mutual = chartOf({1, 1}, {3, 3}, {9, 11});     // 壬戌: 子丑, day 戌
    const Tmandata oneWay = chartOf({1, 1}, {3, 3}, {7, 9});      // 庚申: 子丑, day 申
    VoidChecks v = voidChecks(client, sameDecade);
    EXPECT_TRUE(v.same);
    EXPECT_FALSE(v.mutual);  // 丑 is not in 戌亥
    v = voidChecks(client, mutual);
    EXPECT_FALSE(v.same);
    EXPECT_TRUE(v.mutual);
    v = voidChecks(client, oneWay);  // 子 lies in the partner's void, 申 not in the client's
    EXPECT_FALSE(v.same);
    EXPECT_FALSE(v.mutual);
    EXPECT_FALSE(voidChecks(client, Tmandata{}).same);  // no partner yet: nothing ticked
}

TEST(CompatibilityGauges, PartnerGaugesAreClampedTo0To100) {
    struct Case {
        const char* name;
        int monthCommand, relation, stage, total;
        int gMonth, gElements, gStages, gTotal;
        const char* strengthClass;
    } const cases[] = {
        // 4×33+2 = 134 -> 100; (14+8)×6 = 132 -> 100; (8+8)×6+4 = 100; 2×50+2 = 102 -> 100.
        {"top of every formula", 4, 8, 2, 14, 100, 100, 100, 100, "身旺"},
        // 1×33+2 = 35; (0+8)×6+4 = 52; 1×50+2 = 52; (3+8)×6 = 66.
        {"middle", 1, 0, 1, 3, 35, 52, 52, 66, "中和"},
        // 0+2 = 2; (-8+8)×6+4 = 4; 0+2 = 2; (-9+8)×6 = -6 -> 0.
        {"bottom", 0, -8, 0, -9, 2, 4, 2, 0, "身弱"},
        {"-3 is still 中和", 0, 0, 0, -3, 2, 52, 2, 30, "中和"},
        {"4 is 身旺", 0, 0, 0, 4, 2, 52, 2, 72, "身旺"},
        {"-4 is 身弱", 0, 0, 0, -4, 2, 52, 2, 24, "身弱"},
    };
    for (const Case& c : cases) {
        Tmandata p;
        p.monthCommandScore = c.monthCommand;
        p.relationScore = c.relation;
        p.stageScore = c.stage;
        p.strengthTotal = c.total;
        p.seasonLabel = "春";
        const PartnerFacts f = partnerFactsOf(p);
        EXPECT_EQ(f.gaugeMonthCommand, c.gMonth) << c.name;
        EXPECT_EQ(f.gaugeElements, c.gElements) << c.name;
        EXPECT_EQ(f.gaugeStages, c.gStages) << c.name;
        EXPECT_EQ(f.gaugeTotal, c.gTotal) << c.name;
        EXPECT_EQ(f.strengthClass, c.strengthClass) << c.name;
        EXPECT_EQ(f.seasonText, "月令:春") << c.name;
    }
}

TEST(CompatibilityEnergy, EightSquaresEachInTheGivenOrder) {
    // Client 甲子 年, 丙寅 月, 戊午 日: 木 甲 + 寅×3 = 4, 火 丙 午 = 2, 土 戊 = 1, 水 子 = 1.
    // Partner 庚申 年, 壬子 月, 己未 日: 土 己 未 = 2, 水 壬 + 子×3 = 4, 金 庚 申 = 2.
    const Tmandata client = chartOf({1, 1}, {3, 3}, {5, 7});
    const Tmandata partner = chartOf({7, 9}, {9, 1}, {6, 8});
    const EnergyColumns cols = elementEnergyColumns(client, partner);
    EXPECT_EQ(cols[1].size(), 4u);
    EXPECT_EQ(cols[2].size(), 2u);
    EXPECT_EQ(cols[3].size(), 3u);
    EXPECT_EQ(cols[4].size(), 2u);
    EXPECT_EQ(cols[5].size(), 5u);
    // 土: client's day stem first, then the partner's day stem, then the partner's day branch.
    EXPECT_FALSE(cols[3][0].partner);
    EXPECT_EQ(cols[3][0].item, "日干");
    EXPECT_TRUE(cols[3][1].partner);
    EXPECT_EQ(cols[3][1].item, "日干");
    EXPECT_EQ(cols[3][2].item, "日支");
    // 水: client's year branch, then the partner's month stem and month branch three times.
    EXPECT_EQ(cols[5][0].item, "年支");
    EXPECT_FALSE(cols[5][0].partner);
    EXPECT_EQ(cols[5][1].item, "月干");
    for (int i = 2; i < 5; ++i) EXPECT_EQ(cols[5][static_cast<std::size_t>(i)].item, "月支");
    // The hour pillar never counts.
    Tmandata withHour = client;
    withHour.hourPillar.stem = 1;
    withHour.hourPillar.branch = 3;
    EXPECT_EQ(elementEnergyColumns(withHour, partner)[1].size(), 4u);
}

class CompatibilityMemoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        passages = PassageTable::open(paths);
        ASSERT_TRUE(passages);
    }
    void add(const std::string& k1, const std::string& k2, const std::string& memo) {
        Table& t = passages->table();
        t.append();
        t.setField("key1", k1);
        t.setField("key2", k2);
        t.setField("memo", memo);
        ASSERT_TRUE(t.post());
    }
    testing::TempDir dir;
    AppPaths paths{dir.path()};
    std::unique_ptr<PassageTable> passages;
};

TEST_F(CompatibilityMemoTest, BothPassagesUnderTheirHeadings) {
    add("相性2", "甲己", "甲己の文。");
    add("相性", "比肩正官", "比肩正官の文。\n二行目。");
    Tmandata client = chartOf({1, 1}, {1, 3}, {1, 1});
    Tmandata partner = chartOf({1, 1}, {1, 3}, {6, 2});
    client.monthPillar.stemTenGod = 1;   // 比肩
    partner.monthPillar.stemTenGod = 9;  // 正官
    const std::vector<std::string> expected = {
        "■日主の天干同士で、精神的な相性を鑑定します。",       "甲己の文。",     " ",
        "■月柱の天干の通変星で、行動特性の相性を鑑定します。", "比肩正官の文。", "二行目。"};
    EXPECT_EQ(compatibilityMemo(client, partner, passages.get()), expected);
}

TEST_F(CompatibilityMemoTest, MissingPassagesOrBadStemsLeaveTheHeadings) {
    add("相性2", "甲己", "甲己の文。");
    Tmandata client = chartOf({1, 1}, {1, 3}, {1, 1});
    Tmandata partner = chartOf({1, 1}, {1, 3}, {6, 2});
    partner.dayPillar.stem = 11;  // refused before a key is formed
    EXPECT_EQ(compatibilityMemo(client, partner, passages.get()).size(), 3u);
    partner.dayPillar.stem = 6;
    EXPECT_EQ(compatibilityMemo(client, partner, passages.get()).size(), 4u);
    EXPECT_EQ(compatibilityMemo(client, partner, nullptr).size(), 3u);  // no table at all
}

TEST(CompatibilityEngineTest, BadDateLeavesThePartnerUntouched) {
    testing::TempDir dir;
    CompatibilityEngine engine{AppPaths(dir.path())};
    RecordingNotifier notes;
    AppraisalInput settings;
    settings.today = {2024, 6, 1};
    PartnerInput in;
    in.name = "花子";
    in.dateText = "1984/2/10";
    in.female = true;
    ASSERT_EQ(engine.runPartner(in, settings, notes), AppraisalStatus::Completed);
    const Tmandata before = engine.partner();
    EXPECT_EQ(before.sex, 'F');
    // No time chosen: 12:00.
    EXPECT_EQ(before.birthHour, 12);
    EXPECT_EQ(before.birthMinute, 0);

    for (const char* bad : {"1984/13/10", "あいう", "", "1990/02/31"}) {
        PartnerInput worse;
        worse.name = "別人";
        worse.dateText = bad;
        notes.notices.clear();
        EXPECT_EQ(engine.runPartner(worse, settings, notes), AppraisalStatus::InvalidDate) << bad;
        EXPECT_FALSE(notes.notices.empty()) << bad;  // the validation told why
        EXPECT_EQ(engine.partner().nameText, "花子") << bad;
        EXPECT_EQ(engine.partner().sex, 'F') << bad;
        EXPECT_EQ(engine.partnerDateText(), "1984/02/10") << bad;
        EXPECT_EQ(engine.partner().dayPillar.pillar(), before.dayPillar.pillar()) << bad;
    }
}

TEST(CompatibilityEngineTest, EraAndTimeChoice) {
    testing::TempDir dir;
    CompatibilityEngine engine{AppPaths(dir.path())};
    RecordingNotifier notes;
    AppraisalInput settings;
    settings.today = {2024, 6, 1};
    PartnerInput in;
    in.dateText = "35/5/6";  // 昭和35 = 1925 + 35 = 1960
    in.era = 2;
    in.timeIndex = 12;  // 23:30
    ASSERT_EQ(engine.runPartner(in, settings, notes), AppraisalStatus::Completed);
    EXPECT_EQ(engine.partnerDateText(), "1960/05/06");
    EXPECT_EQ(engine.partner().sex, 'M');
    EXPECT_EQ(engine.partner().birthHour, 23);
    EXPECT_EQ(engine.partner().birthMinute, 30);
    int h = 0, m = 0;
    partnerBirthTime(0, h, m);
    EXPECT_EQ(h * 100 + m, 30);  // 00:30
    partnerBirthTime(5, h, m);
    EXPECT_EQ(h * 100 + m, 1000);  // 2 × 5 o'clock
    partnerBirthTime(13, h, m);
    EXPECT_EQ(h * 100 + m, 1200);  // no such choice: noon
}

TEST(CompatibilitySheet, OnePageWithBothChartsAndTheFooter) {
    Tmandata client = chartOf({1, 1}, {3, 3}, {1, 1});
    client.monthPillar.stemTenGod = 2;  // 丙 for a 甲 day: 食神
    client.yearPillar.stemTenGod = 1;
    const Tmandata partner = chartOf({7, 9}, {9, 1}, {6, 8});
    const auto lines = print::compatibilityChartLines("太郎", client);
    EXPECT_EQ(lines.front(), "太郎 さんの命式");
    EXPECT_EQ(lines[2], "月干：丙(食神)");
    EXPECT_EQ(lines.back(), "空亡：戌亥");

    print::CompatibilitySheetContent content;
    content.clientName = "太郎";
    content.partnerName = "花子";
    content.client = &client;
    content.partner = &partner;
    content.memoLines.assign(200, "長い相性の文章です。");  // far more than a page holds
    const print::PrintDocument doc = print::composeCompatibilitySheet(content);
    ASSERT_EQ(doc.pages.size(), 1u);
    int headings = 0;
    double lowestMemo = 0;
    for (const auto& item : doc.pages[0].items) {
        if (item.text.find("さんの命式") != std::string::npos) ++headings;
        if (item.text == "長い相性の文章です。")
            lowestMemo = std::max(lowestMemo, item.y + item.height);
    }
    EXPECT_EQ(headings, 2);
    const auto& footer = doc.pages[0].items.back();
    EXPECT_EQ(footer.text, print::kMakerNotice);
    EXPECT_LE(lowestMemo, footer.y);  // the memo never runs over the footer
}

}  // namespace
}  // namespace suimei
