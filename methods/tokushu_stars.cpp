#include "methods/tokushu_stars.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "chart/mandata.h"

namespace suimei {

namespace {

// Room for 30 entries, 1..19 filled; index 0 is none.
constexpr std::array<std::string_view, 31> kCatalogue = {
    "",
    "大極貴人：力と発展の星",
    "天乙貴人：援助,引き立ての星",
    "福星貴人：お金と衣食住の星",
    "天官貴人：官史・出世の星",
    "天厨貴人：好きな仕事で成功",
    "文昌貴人：文学と芸術の星",
    "金興禄：結婚,子孫繁栄の星",
    "暗禄：金銭と援助の星",
    "羊刃：激しい気性と闘争心",
    "飛神：言葉にトゲ・陰湿",
    "紅艶：愛嬌星,色気星",
    "流霞殺：酒上の過ち",
    ".天徳貴人：最高の徳と幸運",
    ".月徳貴人：援助星",
    ".天徳合：生涯安泰",
    ".月徳合：配偶者の援助",
    ".華蓋：博愛精神",
    ".感池殺：愛と性,色情",
    "魁ごう:実行力,強情",
};

struct StarEntry {
    int key = 0;
    int target = 0;
};

// Stem names and branch names share no character, so a name alone says which it is.
constexpr int stemOrBranchNumber(std::string_view name) {
    for (int i = 1; i <= 10; ++i) {
        if (kStemNames[static_cast<std::size_t>(i)] == name) return i;
    }
    for (int i = 1; i <= 12; ++i) {
        if (kBranchNames[static_cast<std::size_t>(i)] == name) return i;
    }
    return 0;
}

// The pairs of a table written "甲→子 甲→午 ...", so that each table reads as its source does;
// a misspelt name or a wrong count stops the build.
template <std::size_t N>
consteval std::array<StarEntry, N> pairs(std::string_view text) {
    constexpr std::string_view arrow = "→";
    std::array<StarEntry, N> out{};
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ') {
            ++pos;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        const std::string_view token = text.substr(pos, end - pos);
        const std::size_t at = token.find(arrow);
        if (at == std::string_view::npos || count == N) throw "malformed star table";
        const int key = stemOrBranchNumber(token.substr(0, at));
        const int target = stemOrBranchNumber(token.substr(at + arrow.size()));
        if (key == 0 || target == 0) throw "unknown name in star table";
        out[count++] = {key, target};
        pos = end;
    }
    if (count != N) throw "star table has the wrong number of entries";
    return out;
}

// The tables as ordered (key → target) pairs. Duplicates (亥→乙 twice in the first table of star
// 13) and the uneven counts are kept: a walk stops at the first match, so neither changes a result.
constexpr auto kTable1 = pairs<24>(
    "甲→子 甲→午 乙→子 乙→午 丙→卯 丙→酉 丁→卯 丁→酉 戊→辰 戊→戌 戊→丑 戊→未 "
    "己→辰 己→戌 己→丑 己→未 庚→亥 庚→寅 辛→寅 辛→亥 壬→巳 壬→申 癸→申 癸→巳");
constexpr auto kTable2 = pairs<20>(
    "甲→丑 甲→午 乙→子 乙→申 丙→酉 丙→亥 丁→亥 丁→酉 戊→丑 戊→未 己→申 己→子 庚→丑 庚→未 "
    "辛→寅 辛→午 壬→卯 壬→巳 癸→巳 癸→卯");
constexpr auto kTable3 =
    pairs<12>("甲→寅 乙→丑 乙→亥 丙→子 丙→戌 丁→酉 戊→申 己→未 庚→午 辛→巳 壬→辰 癸→卯");
constexpr auto kTable4 =
    pairs<12>("甲→酉 乙→申 丙→子 丁→戌 戊→卯 己→寅 庚→午 辛→巳 壬→未 壬→丑 癸→戌 癸→辰");
constexpr auto kTable5 = pairs<10>("甲→巳 乙→午 丙→巳 丁→午 戊→申 己→酉 庚→亥 辛→子 壬→寅 癸→卯");
constexpr auto kTable6 = pairs<10>("甲→巳 乙→午 丙→申 丁→酉 戊→申 己→酉 庚→亥 辛→子 壬→寅 癸→卯");
constexpr auto kTable7 = pairs<20>(
    "甲→辰 甲→戌 乙→巳 乙→戌 丙→未 丙→申 丁→未 丁→申 戊→未 戊→申 己→未 己→申 庚→巳 庚→戌 "
    "辛→辰 辛→戌 壬→寅 壬→丑 癸→寅 癸→丑");
constexpr auto kTable8 = pairs<10>("甲→亥 乙→戌 丙→申 丁→未 戊→申 己→未 庚→巳 辛→辰 壬→寅 癸→丑");
constexpr auto kTable9 = pairs<10>("甲→卯 乙→辰 丙→午 丁→未 戊→午 己→未 庚→酉 辛→戌 壬→子 癸→丑");
constexpr auto kTable10 = pairs<10>("甲→酉 乙→戌 丙→子 丁→丑 戊→子 己→丑 庚→卯 辛→辰 壬→午 癸→未");
constexpr auto kTable11 = pairs<10>("甲→午 乙→申 丙→寅 丁→未 戊→辰 己→辰 庚→戌 辛→酉 壬→子 癸→申");
constexpr auto kTable12 = pairs<10>("甲→酉 乙→戌 丙→午 丁→申 戊→巳 己→午 庚→辰 辛→卯 壬→亥 癸→寅");
constexpr auto kTable13Stems = pairs<18>(
    "寅→丁 寅→壬 辰→丁 辰→壬 巳→丙 巳→辛 未→甲 未→己 申→戊 申→癸 戌→甲 戌→丙 戌→辛 戌→己 "
    "亥→乙 亥→乙 丑→乙 丑→庚");
constexpr auto kTable13Branches = pairs<8>("卯→巳 卯→申 午→亥 午→寅 酉→亥 酉→寅 子→巳 子→申");
constexpr auto kTable14 =
    pairs<12>("寅→丙 卯→甲 辰→壬 巳→庚 午→丙 未→甲 申→壬 酉→庚 戌→丙 亥→甲 子→壬 丑→庚");
constexpr auto kTable15 = pairs<9>("寅→壬 卯→己 辰→丁 巳→丙 未→己 申→戊 戌→辛 亥→庚 丑→乙");
constexpr auto kTable16 =
    pairs<12>("寅→辛 卯→己 辰→丁 巳→乙 午→辛 未→己 申→丁 酉→乙 戌→辛 亥→己 子→丁 丑→乙");
constexpr auto kTable17 =
    pairs<12>("寅→戌 卯→未 辰→辰 巳→丑 午→戌 未→未 申→辰 酉→丑 戌→戌 亥→未 子→辰 丑→丑");
constexpr auto kTable18 =
    pairs<12>("子→酉 丑→午 寅→卯 卯→子 辰→酉 巳→午 午→卯 未→子 申→酉 酉→午 戌→卯 亥→子");
constexpr auto kTable19 = pairs<4>("戊→戌 庚→戌 庚→辰 壬→辰");

enum class Key { DayStem, MonthBranch, DayBranch };
enum class Target { Stem, Branch };

// One walk of one table: the star it adds, the chart value its keys are compared with, and the
// pillars it checks in this order, each by its stem or its branch.
struct StarRule {
    int star;
    std::span<const StarEntry> table;
    Key key;
    Target target;
    std::span<const StarPillar> pillars;
};

using P = StarPillar;
constexpr P kYearOnly[] = {P::Year};
constexpr P kYearMonth[] = {P::Year, P::Month};
constexpr P kAllFour[] = {P::Year, P::Month, P::Day, P::Hour};
constexpr P kHourDay[] = {P::Hour, P::Day};
constexpr P kHourDayMonth[] = {P::Hour, P::Day, P::Month};
constexpr P kHourMonth[] = {P::Hour, P::Month};
constexpr P kDayOnly[] = {P::Day};

// In catalogue order, so that every list comes out in star order.
constexpr StarRule kRules[] = {
    {1, kTable1, Key::DayStem, Target::Branch, kYearOnly},
    {2, kTable2, Key::DayStem, Target::Branch, kYearMonth},
    {3, kTable3, Key::DayStem, Target::Branch, kAllFour},
    {4, kTable4, Key::DayStem, Target::Branch, kAllFour},
    {5, kTable5, Key::DayStem, Target::Branch, kAllFour},
    {6, kTable6, Key::DayStem, Target::Branch, kAllFour},
    {7, kTable7, Key::DayStem, Target::Branch, kAllFour},
    {8, kTable8, Key::DayStem, Target::Branch, kAllFour},
    {9, kTable9, Key::DayStem, Target::Branch, kAllFour},
    {10, kTable10, Key::DayStem, Target::Branch, kAllFour},
    {11, kTable11, Key::DayStem, Target::Branch, kAllFour},
    {12, kTable12, Key::DayStem, Target::Branch, kAllFour},
    {13, kTable13Stems, Key::MonthBranch, Target::Stem, kHourDay},
    {13, kTable13Branches, Key::MonthBranch, Target::Branch, kHourDay},
    {14, kTable14, Key::MonthBranch, Target::Stem, kHourDayMonth},
    {15, kTable15, Key::MonthBranch, Target::Stem, kHourDayMonth},
    {16, kTable16, Key::MonthBranch, Target::Stem, kHourDayMonth},
    {17, kTable17, Key::MonthBranch, Target::Branch, kHourDay},
    {18, kTable18, Key::DayBranch, Target::Branch, kHourMonth},
    {19, kTable19, Key::DayStem, Target::Branch, kDayOnly},
};

int keyValue(const TokushuStarChart& c, Key key) {
    switch (key) {
        case Key::DayStem:
            return c.dayStem;
        case Key::MonthBranch:
            return c.monthBranch;
        case Key::DayBranch:
            return c.dayBranch;
    }
    return 0;
}

int targetValue(const TokushuStarChart& c, StarPillar pillar, Target target) {
    const bool stem = target == Target::Stem;
    switch (pillar) {
        case StarPillar::Hour:
            return stem ? c.hourStem : c.hourBranch;
        case StarPillar::Day:
            return stem ? c.dayStem : c.dayBranch;
        case StarPillar::Month:
            return stem ? c.monthStem : c.monthBranch;
        case StarPillar::Year:
            // No table compares the year stem; the chart's year stem is not read.
            return stem ? 0 : c.yearBranch;
    }
    return 0;
}

constexpr StarPillar kGridOrder[] = {StarPillar::Hour, StarPillar::Day, StarPillar::Month,
                                     StarPillar::Year};

}  // namespace

std::string_view tokushuStarText(int star) {
    return star >= 1 && star <= kTokushuStarCount ? kCatalogue[static_cast<std::size_t>(star)]
                                                  : std::string_view{};
}

std::string_view starPillarLabel(StarPillar pillar) {
    switch (pillar) {
        case StarPillar::Hour:
            return "時柱";
        case StarPillar::Day:
            return "日柱";
        case StarPillar::Month:
            return "月柱";
        case StarPillar::Year:
            return "年柱";
    }
    return {};
}

TokushuStarChart tokushuStarChartOf(const Tmandata& chart) {
    TokushuStarChart c;
    c.dayStem = chart.dayPillar.stem;
    c.monthStem = chart.monthPillar.stem;
    c.hourStem = chart.hourPillar.stem;
    c.yearBranch = chart.yearPillar.branch;
    c.monthBranch = chart.monthPillar.branch;
    c.dayBranch = chart.dayPillar.branch;
    c.hourBranch = chart.hourPillar.branch;
    return c;
}

const std::vector<int>& TokushuStars::of(StarPillar pillar) const {
    switch (pillar) {
        case StarPillar::Hour:
            return hour;
        case StarPillar::Day:
            return day;
        case StarPillar::Month:
            return month;
        case StarPillar::Year:
            break;
    }
    return year;
}

std::vector<int>& TokushuStars::of(StarPillar pillar) {
    return const_cast<std::vector<int>&>(std::as_const(*this).of(pillar));
}

TokushuStars detectTokushuStars(const TokushuStarChart& chart) {
    TokushuStars stars;
    for (const StarRule& rule : kRules) {
        const int key = keyValue(chart, rule.key);
        if (key == 0) continue;
        for (StarPillar pillar : rule.pillars) {
            const int value = targetValue(chart, pillar, rule.target);
            if (value == 0) continue;
            for (const StarEntry& e : rule.table) {
                if (e.key == key && e.target == value) {
                    stars.of(pillar).push_back(rule.star);
                    break;  // at most once per pillar and table
                }
            }
        }
    }
    return stars;
}

TokushuStars detectTokushuStars(const Tmandata& chart) {
    return detectTokushuStars(tokushuStarChartOf(chart));
}

std::vector<TokushuStarRow> tokushuStarRows(const TokushuStars& stars) {
    std::vector<TokushuStarRow> rows;
    for (StarPillar pillar : kGridOrder) {
        for (int star : stars.of(pillar)) {
            if (star == 0) continue;
            rows.push_back({starPillarLabel(pillar), star, tokushuStarText(star)});
        }
    }
    return rows;
}

}  // namespace suimei
