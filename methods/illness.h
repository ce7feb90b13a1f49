#pragma once
// Illness tendencies by the organ theory (臓器学説): each of the five elements governs a group of
// organs and functions, and the strongest and the weakest element of a chart's five-element
// energies are the places to watch. Elements are 1..5 = 木 火 土 金 水, stems 1..10 = 甲..癸.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/pattern.h"

namespace suimei {

// What element 1..5 governs, as the window's label shows it; empty text out of range.
std::string_view illnessOrganLine(int element);
// "○甲を補助する食物：..." for stem 1..10; empty text out of range.
std::string_view illnessFoodLine(int stem);
// The food choice of element 1..5: "木性の食物" .. "水性の食物"; empty text out of range.
std::string_view illnessFoodChoice(int element);
// The food lines of element 1..5: those of its yang and its yin stem, in stem order (土 → 戊,
// 己); none out of range.
std::vector<std::string> illnessFoodLines(int element);

// Elements 1..5 sorted by energy `points`[1..5], weakest first: for i = 1..4, for j = i+1..5,
// pairs i and j are exchanged when energy j is below energy i. Equal energies are never
// exchanged, so of two equal strongest the one the exchanges leave last is the strongest.
std::array<int, 5> elementsByEnergy(const ElementArray& points);

// The basic text: the organ theory in one line, what each element governs, then the strongest
// and the weakest element of `points`, and an empty line.
std::vector<std::string> illnessBasicText(const ElementArray& points);

// One worked example of the examples page: its numbered heading and its explanation.
struct IllnessExample {
    std::string_view heading;  // "(1)五行の木が強く土を剋している場合"
    std::string_view text;
};
// The examples in page order: each element too strong for the element it controls, and each
// element too weak, in 木 火 土 金 水 order, then the two extremes meeting.
const std::vector<IllnessExample>& illnessExamples();

}  // namespace suimei
