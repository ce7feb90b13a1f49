#pragma once
// Relations between two of the twenty-seven lunar mansions (宿曜): how the mansion of a day or of
// another person stands to a birth mansion. Mansion numbers are 1..28 in the name order of the
// old calendar; the 27-mansion cycle skips 20 (牛), so numbers from 20 up are lowered by one
// before the distance is counted.

#include <string_view>

namespace suimei {

// Number of relations around the cycle: the birth mansion itself and the 26 others.
inline constexpr int kMansionRelationCount = 27;

// Index 0..26 of the relation of mansion `other` to the birth mansion `birth`: the distance from
// birth to other counted forward around the cycle. -1 when either number is outside 1..28.
int mansionRelationIndex(int birth, int other);

// Relation name of index 0..26: 命 栄 衰 安 危 成 壊 友 親 業 栄 衰 安 危 成 壊 友 親 胎 栄 衰 安
// 危 成 壊 友 親. Empty text out of range.
std::string_view mansionRelationName(int index);

// The six relation kinds of the relation choice, in its order.
enum class MansionRelationKind { EiShin, YuSui, KiSei, GyoTai, AnKai, Mei };
inline constexpr int kMansionRelationKindCount = 6;

// Kind of relation index 0..26 (栄 and 親 are 栄・親, 友 and 衰 are 友・衰, ...); Mei out of range.
MansionRelationKind mansionRelationKind(int index);
// Caption of a kind: "栄・親", "友・衰", "危・成", "業・胎", "安・壊", "命".
std::string_view mansionRelationKindCaption(MansionRelationKind kind);
// Explanation of a kind, as the relation choice shows it.
std::string_view mansionRelationKindExplanation(MansionRelationKind kind);

}  // namespace suimei
