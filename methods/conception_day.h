#pragma once
// The conception-day reading (天源占): the character read from the pillars of the day 265 days
// before birth, taken as the day the child's spirit was given (宿霊日). The chart record holds
// that date and its quick pillars; the passages come from tengen.db, one per pillar.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace suimei {

class Table;
class Tmandata;

// The three pillars of the conception day, in the order of their buttons' blocks.
enum class ConceptionPillar { Year, Month, Day };

// "《宿霊日》 " + year "/" month "/" day of the prior date, decimal without leading zeros.
std::string conceptionDateLabel(const Tmandata& chart);

// The stem and branch names of the year, month and day pillars of the prior date, in the order
// of the labels y10 y12 m10 m12 d10 d12; a value 0 gives empty text.
std::array<std::string, 6> conceptionPillarLabels(const Tmandata& chart);

// The passage of tengen.db for a pillar: the memo of the first record in stored order whose
// item1 and item2 are exactly these names; empty text when none is.
std::string lookupConceptionPassage(Table& table, std::string_view stemName,
                                    std::string_view branchName);

// The four lines a text button appends: the pillar's heading, "干支：" + stem + branch names, its
// passage (empty when the table has none) and an empty line.
std::vector<std::string> conceptionBlock(ConceptionPillar pillar, const Tmandata& chart,
                                         Table& table);

}  // namespace suimei
