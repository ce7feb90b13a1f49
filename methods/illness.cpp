#include "methods/illness.h"

#include <utility>

#include "calendar/types.h"

namespace suimei {

namespace {

constexpr std::array<std::string_view, 6> kOrganLines = {
    "",
    "木は疎泄を司ります：気がスムーズに働くように作用します。肝臓、自律神経。",
    "火は心を司ります：心臓、眼、耳、鼻、舌、意識、思考、言語、睡眠。",
    "土は脾を司ります：飲食物の精微を体中に配る消化、吸収の働きをします。",
    "金は肺を司ります：呼吸器、肺臓、骨、歯、筋肉、便秘、水分代謝、アレルギー。",
    "水は成長と生殖を司ります：腎臓、血液、泌尿器、子宮、生殖器。",
};

constexpr std::array<std::string_view, 11> kFoodLines = {
    "",
    "○甲を補助する食物：ザボン",
    "○乙を補助する食物：鳥肉・アナゴ・ウナギ・フグ・イカ・すもも",
    "○丙を補助する食物：小麦・あづき・アジ・ドジョウ・リンゴ",
    "○丁を補助する食物：エビ・コーヒー",
    "○戊を補助する食物：ソバ・えんどう豆・ジャガイモ・サツマイモ・ブタ肉・フナ・カニ・にんにく・"
    "ほうれん草・かぼちゃ・ナス・キャベツ・苺・西瓜",
    "○己を補助する食物：トウモロコシ・玄米・ヤマイモ・牛肉・羊肉・コイ・人参・松茸・みかん・"
    "バナナ・砂糖きび・ココア",
    "○庚を補助する食物：豆腐・油揚げ・アワビ",
    "○辛を補助する食物：ハト麦・ラッカセイの皮・生姜・シソ・ネギ・ゴボウ・トマト・玉ねぎ・大根・"
    "桃・梨",
    "○壬を補助する食物：サトイモ・アサリ・サザエ・よもぎ・日本酒",
    "○癸を補助する食物：ミソ・ゴマ・鴨肉・海産卵類（いくら・ウニ）・牡蠣・クラゲ・にら・瓜・"
    "ぶどう・プラム・お茶",
};

constexpr std::array<std::string_view, 6> kFoodChoices = {
    "", "木性の食物", "火性の食物", "土性の食物", "金性の食物", "水性の食物",
};

bool isElement(int e) {
    return e >= 1 && e <= 5;
}

}  // namespace

std::string_view illnessOrganLine(int element) {
    return isElement(element) ? kOrganLines[static_cast<std::size_t>(element)] : std::string_view{};
}

std::string_view illnessFoodLine(int stem) {
    return isStem(stem) ? kFoodLines[static_cast<std::size_t>(stem)] : std::string_view{};
}

std::string_view illnessFoodChoice(int element) {
    return isElement(element) ? kFoodChoices[static_cast<std::size_t>(element)]
                              : std::string_view{};
}

std::vector<std::string> illnessFoodLines(int element) {
    if (!isElement(element)) return {};
    // Element e holds the yang stem 2e-1 and the yin stem 2e.
    return {std::string(illnessFoodLine(2 * element - 1)),
            std::string(illnessFoodLine(2 * element))};
}

std::array<int, 5> elementsByEnergy(const ElementArray& points) {
    struct Pair {
        int energy;
        int element;
    };
    std::array<Pair, 5> pairs{};
    for (int e = 1; e <= 5; ++e) pairs[static_cast<std::size_t>(e - 1)] = {points[e], e};
    // The exchange rule as it stands, not a stable sort: it decides which of two equal
    // energies counts as the strongest.
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = i + 1; j < 5; ++j) {
            if (pairs[j].energy < pairs[i].energy) std::swap(pairs[i], pairs[j]);
        }
    }
    std::array<int, 5> order{};
    for (std::size_t i = 0; i < 5; ++i) order[i] = pairs[i].element;
    return order;
}

std::vector<std::string> illnessBasicText(const ElementArray& points) {
    const std::array<int, 5> order = elementsByEnergy(points);
    std::vector<std::string> lines;
    lines.emplace_back("●東洋医学では、五行に人間の生理的作用を分類して病気を見ます。");
    for (int e = 1; e <= 5; ++e) lines.push_back("・" + std::string(illnessOrganLine(e)));
    lines.emplace_back("○五行エネルギーの最強と最弱の気を説明します。ここが注意する所だからです。");
    lines.push_back("○五行エネルギーの最強は、" + std::string(elementName(order[4])) + "性です。");
    lines.push_back("○五行エネルギーの最弱は、" + std::string(elementName(order[0])) + "性です。");
    lines.emplace_back();
    return lines;
}

const std::vector<IllnessExample>& illnessExamples() {
    static const std::vector<IllnessExample> examples = {
        {"(1)五行の木が強く土を剋している場合",
         "日干が土で弱い場合、消化器の病気になりやすい。高ぶった木の気は脾の働きを押さえつけ、"
         "緊張や苛立ちがそのまま胃腸に響く。食欲の波、胃の痛み、下痢と便秘の繰り返しに気を付け、"
         "食事の時間を一定に保つことが養生になる。"},
        {"(2)五行の木が弱い場合",
         "疎泄の力が足りず、気の巡りが滞りやすい。肝臓の疲れ、自律神経の乱れ、気分の塞ぎとして"
         "現れることが多い。水は木を生じるので、水の気を補い、夜更かしを避けて肝を休ませるとよい"
         "。"},
        {"(3)五行の火が強く金を剋している場合",
         "日干が金で弱い場合、呼吸器の病気になりやすい。こもった熱が肺を乾かし、咳、喉の痛み、"
         "皮膚の乾燥やアレルギーとなって出やすい。辛いものや酒の摂り過ぎは熱を強めるので控えたい"
         "。"},
        {"(4)五行の火が弱い場合",
         "心の働きが衰え、冷え、動悸、気力の低下、眠りの浅さとなって現れやすい。考えがまとまらず、"
         "言葉が出にくくなるのも火の不足のしるしである。木は火を生じるので、朝日を浴びて体を"
         "動かし、温かい食事で内から温めるとよい。"},
        {"(5)五行の土が強く水を剋している場合",
         "日干が水で弱い場合、腎臓や泌尿器の病気になりやすい。水分の巡りがせき止められ、むくみ、"
         "頻尿、腰の冷えが出やすい。女性の場合は子宮や月経の不調にも注意が要る。"},
        {"(6)五行の土が弱い場合",
         "脾の働きが弱く、飲食物の精微を体中に配りきれない。食が細い、胃がもたれる、疲れやすい、"
         "手足がだるいといった形で現れる。火は土を生じるので、冷たい飲食を控え、よく噛んで"
         "温かいものを食べることが何よりの薬になる。"},
        {"(7)五行の金が強く木を剋している場合",
         "日干が木で弱い場合、肝臓や自律神経の病気になりやすい。気が締め付けられて伸びやかさを"
         "失い、肩や首のこわばり、目の疲れ、不眠が続きやすい。意識して緊張を緩め、伸びをするような"
         "軽い運動を習慣にするとよい。"},
        {"(8)五行の金が弱い場合",
         "肺の守りが弱く、風邪を引きやすい。鼻や喉の炎症、アレルギー、便秘、肌荒れを繰り返しやすい"
         "体質である。土は金を生じるので、胃腸を整えることが呼吸器を丈夫にする近道になる。"},
        {"(9)五行の水が強く火を剋している場合",
         "日干が火で弱い場合、心臓や循環器の病気になりやすい。冷えが血の巡りを妨げ、動悸、"
         "息切れ、不眠、気持ちの落ち込みとして出やすい。体を冷やす飲食を避け、心配事を溜め込まない"
         "ことが大切である。"},
        {"(10)五行の水が弱い場合",
         "腎に蓄えられた精が不足し、成長と生殖の力が弱まりやすい。腰や膝のだるさ、耳鳴り、"
         "泌尿器の不調に注意したい。男性の場合は精力の衰え、女性の場合は冷えや婦人科の不調として"
         "現れることがある。金は水を生じるので、呼吸を深くし、睡眠を十分にとるとよい。"},
        {"(11)最強の五行が最弱の五行を剋している場合",
         "最強の気が最弱の気をさらに押さえつけるため、最弱の五行が司る臓器に病が出やすい。"
         "最強の気を漏らす五行（最強の五行が生じる五行）の食物と、最弱の五行の食物を併せて"
         "補うとよい。"},
    };
    return examples;
}

}  // namespace suimei
