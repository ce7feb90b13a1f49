#include "methods/emotion_cycle.h"

#include "calendar/quick_pillars.h"
#include "calendar/types.h"
#include "chart/mandata.h"
#include "readings/passage_table.h"

namespace suimei {

namespace {

// Rows: day master 甲..癸; columns: the other stem 甲..癸; values in this method's order.
constexpr int kRelation[10][10] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},  // 甲
    {2, 1, 4, 3, 6, 5, 8, 7, 10, 9},  // 乙
    {9, 10, 1, 2, 3, 4, 5, 6, 7, 8},  // 丙
    {10, 9, 2, 1, 4, 3, 6, 5, 8, 7},  // 丁
    {7, 8, 9, 10, 1, 2, 3, 4, 5, 6},  // 戊
    {8, 7, 10, 9, 2, 1, 4, 3, 6, 5},  // 己
    {5, 6, 7, 8, 9, 10, 1, 2, 3, 4},  // 庚
    {6, 5, 8, 7, 10, 9, 2, 1, 4, 3},  // 辛
    {3, 4, 5, 6, 7, 8, 9, 10, 1, 2},  // 壬
    {4, 3, 6, 5, 8, 7, 10, 9, 2, 1},  // 癸
};

struct ScoreRow {
    std::string_view name;
    int score;
    std::string_view legend;
    std::string_view explanation;
};

// In this method's order; the legends and explanations are the score window's own wording.
constexpr ScoreRow kScores[kEmotionTenGodCount] = {
    {"比肩", 4, "比肩：４点",
     "・比肩は、自己の存在を認識し他者と比較するので反抗性という感情がでてきて４点。"},
    {"劫財", 1, "劫財：１点",
     "・劫財は、自己の認識の行動の結果がもたらすところの反省であり厭世観の感情がでてきて１点。"},
    {"食神", 7, "食神：７点",
     "・食神は、すでに獲得したあとの平穏な感情であるが、ゆるみとたるみにつながっていくので７点"
     "。"},
    {"傷官", 3, "傷官：３点",
     "・傷官は、方針が決定していながら成果がでない痛みと苦痛と不満という感情がでてくるので３点"
     "。"},
    {"偏財", 7, "偏財：７点",
     "・偏財は、過去の成果に対し感謝をし、現在は未来の準備と期待のためという感情が出てくるので"
     "７点。"},
    {"正財", 9, "正財：９点",
     "・正財は、現在の自己が能動的にゆったりと動いて獲得する成果やお金を意味し、安定した感情で"
     "９点。"},
    {"偏官", 6, "偏官：６点",
     "・偏官は、現在の環境に対する不満が発生し多少の摩擦を覚悟して変化と転換の感情が出てくるの"
     "で６点。"},
    {"正官", 10, "正官：１０点",
     "・正官は、環境から現在の自分が影響を受け、その環境に自己を合わせて服従していく感情ですか"
     "ら１０点。"},
    {"偏印", 5, "偏印：５点",
     "・偏印は、現在の生活には役に立たない未来のことを研究し探索する浮き足だった感情ですから５"
     "点。"},
    {"印綬", 8, "印綬：８点",
     "・印綬は、現在の自分を反省し未来の自分を思索しそこから、宗教や芸術という分野に関心持つの"
     "で８点。"},
};

const ScoreRow* scoreRow(int god) {
    return god >= 1 && god <= kEmotionTenGodCount ? &kScores[god - 1] : nullptr;
}

bool isVoidBranch(const Tmandata& chart, int branch) {
    return branch != 0 && (branch == chart.voidFirst || branch == chart.voidSecond);
}

EmotionPeriod period(const Tmandata& chart, int stem, int branch) {
    EmotionPeriod p;
    p.stem = stem;
    p.branch = branch;
    p.tenGod = emotionTenGod(chart.dayPillar.stem, stem);
    p.isVoid = isVoidBranch(chart, branch);
    return p;
}

}  // namespace

int emotionTenGod(int dayMaster, int other) {
    if (dayMaster < 1 || dayMaster > 10 || other < 1 || other > 10) return 0;
    return kRelation[dayMaster - 1][other - 1];
}

std::string_view emotionTenGodName(int god) {
    const ScoreRow* row = scoreRow(god);
    return row ? row->name : std::string_view{};
}

int emotionScore(int god) {
    const ScoreRow* row = scoreRow(god);
    return row ? row->score : 0;
}

std::string_view emotionScoreLegend(int god) {
    const ScoreRow* row = scoreRow(god);
    return row ? row->legend : std::string_view{};
}

std::string_view emotionScoreExplanation(int god) {
    const ScoreRow* row = scoreRow(god);
    return row ? row->explanation : std::string_view{};
}

EmotionCycle emotionCycleOn(const Tmandata& chart, int y, int m, int d) {
    const int mmdd = m * 100 + d;
    const QuickYearMonth stems = quickYearMonthStems(mmdd, y);
    const QuickYearMonth branches = quickYearMonthBranches(mmdd, y);
    EmotionCycle c;
    c.year = period(chart, stems.year, branches.year);
    c.month = period(chart, stems.month, branches.month);
    c.day = period(chart, quickDayStem(y, m, d), quickDayBranch(y, m, d));
    auto pillar = [](const EmotionPeriod& p) {
        return pillarName({static_cast<Stem>(p.stem), static_cast<Branch>(p.branch)});
    };
    const std::string yearPillar = pillar(c.year);
    const std::string monthPillar = pillar(c.month);
    const std::string dayPillar = pillar(c.day);
    auto god = [](const EmotionPeriod& p) { return std::string(emotionTenGodName(p.tenGod)); };
    c.year.heading = "「" + yearPillar + "」年の１年間の感情周期は、「" + god(c.year) + "」です。";
    c.month.heading = "「" + yearPillar + "」年「" + monthPillar +
                      "」月　の１ヶ月の感情周期は、「" + god(c.month) + "」です。";
    c.day.heading = "「" + monthPillar + "」月「" + dayPillar + "」日 の１日の感情周期は、「" +
                    god(c.day) + "」です。";
    return c;
}

PassageKey emotionPassageKey(int god) {
    return {"感情周期", std::string(emotionTenGodName(god))};
}

PassageKey emotionVoidPassageKey(int god) {
    return {"感情周期空亡", std::string(emotionTenGodName(god))};
}

std::vector<std::string> emotionPeriodLines(const EmotionPeriod& period, PassageTable& passages) {
    std::vector<std::string> lines = {period.heading};
    if (period.tenGod == 0) return lines;
    const PassageKey key = emotionPassageKey(period.tenGod);
    passages.lookup(key.key1, key.key2, lines);
    if (period.isVoid) {
        const PassageKey addition = emotionVoidPassageKey(period.tenGod);
        passages.lookup(addition.key1, addition.key2, lines);
    }
    return lines;
}

std::array<int, 12> emotionYearScores(int dayMaster, int y) {
    std::array<int, 12> scores{};
    // January 15 lies after January's entry in every year, so this is the 丑 month's stem.
    int stem = quickYearMonthStems(115, y).month;
    if (stem == 0) return scores;
    for (int& score : scores) {
        score = emotionScore(emotionTenGod(dayMaster, stem));
        stem = stem % 10 + 1;
    }
    return scores;
}

std::vector<int> emotionMonthScores(int dayMaster, int y, int m) {
    std::vector<int> scores;
    const int days = daysInMonth(y, m);
    for (int d = 1; d <= days; ++d) {
        scores.push_back(emotionScore(emotionTenGod(dayMaster, quickDayStem(y, m, d))));
    }
    return scores;
}

}  // namespace suimei
