#include "methods/mansion_relation.h"

#include <array>

namespace suimei {

namespace {

constexpr std::array<std::string_view, kMansionRelationCount> kRelationNames = {
    "命", "栄", "衰", "安", "危", "成", "壊", "友", "親", "業", "栄", "衰", "安", "危",
    "成", "壊", "友", "親", "胎", "栄", "衰", "安", "危", "成", "壊", "友", "親"};

struct KindText {
    std::string_view caption;
    std::string_view explanation;
};

// The explanations are the relation choice's own wording, kept as written.
constexpr std::array<KindText, kMansionRelationKindCount> kKinds = {{
    {"栄・親", "親しみあえる、好感がもてる、認め合い、共に行動する関係"},
    {"友・衰", "似たような気質、趣味、思想ゆえに意気投合しやすい関係"},
    {"危・成", "性格や考え方が異なるゆえに魅力と刺激を感じあう関係"},
    {"業・胎", "前世からの因縁で運命の糸で結ばれた関係だが、性格は異質である"},
    {"安・壊", "縁が生じやすいが支配する側と支配されう側が明確になる関係"},
    {"命", "生涯にわたって縁が深く一心同体で成功するか憎みあう関係"},
}};

// Position 0..26 on the 27-mansion cycle.
int cyclePosition(int number) {
    return number >= 20 ? number - 2 : number - 1;
}

}  // namespace

int mansionRelationIndex(int birth, int other) {
    if (birth < 1 || birth > 28 || other < 1 || other > 28) return -1;
    const int d = cyclePosition(other) - cyclePosition(birth);
    return d < 0 ? d + kMansionRelationCount : d;
}

std::string_view mansionRelationName(int index) {
    if (index < 0 || index >= kMansionRelationCount) return {};
    return kRelationNames[static_cast<std::size_t>(index)];
}

MansionRelationKind mansionRelationKind(int index) {
    const std::string_view name = mansionRelationName(index);
    if (name == "栄" || name == "親") return MansionRelationKind::EiShin;
    if (name == "友" || name == "衰") return MansionRelationKind::YuSui;
    if (name == "危" || name == "成") return MansionRelationKind::KiSei;
    if (name == "業" || name == "胎") return MansionRelationKind::GyoTai;
    if (name == "安" || name == "壊") return MansionRelationKind::AnKai;
    return MansionRelationKind::Mei;
}

std::string_view mansionRelationKindCaption(MansionRelationKind kind) {
    return kKinds[static_cast<std::size_t>(kind)].caption;
}

std::string_view mansionRelationKindExplanation(MansionRelationKind kind) {
    return kKinds[static_cast<std::size_t>(kind)].explanation;
}

}  // namespace suimei
