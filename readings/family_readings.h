#pragma once
// The readings of the family diagram's three memo buttons, kept as sections of "rokusin.txt":
//
//   {配偶者干-月干}   where the spouse stem (the stem combining with the day stem) stands in the
//                     chart: 時干 月干 年干 時支蔵干 日支蔵干 月支蔵干 年支蔵干, or なし; one
//                     section for each place it stands in
//   {日支の干-正財}   the ten god that the day branch's active hidden stem (the spouse palace)
//                     bears to the spouse stem
//   {天冲殺-戌亥}     the void pair of the day pillar: 子丑 寅卯 辰巳 午未 申酉 戌亥

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/mandata.h"
#include "core/app_paths.h"
#include "core/notifier.h"

namespace suimei {

inline constexpr std::string_view kFamilyReadingFile = "rokusin.txt";

enum class FamilyReading { SpousePosition, SpouseDayBranch, VoidTrial };

// Places of the chart the spouse stem is looked for in, index 1..7; 0 is "なし".
inline constexpr std::array<std::string_view, 8> kSpousePlaces = {
    "なし", "時干", "月干", "年干", "時支蔵干", "日支蔵干", "月支蔵干", "年支蔵干"};

// Section keys; nullopt for a value out of range.
std::optional<std::string> spousePositionSectionKey(int place);    // 0..7
std::optional<std::string> spouseDayBranchSectionKey(int tenGod);  // 1..10
// The void pair starting at an odd branch (子丑 from 1, ... 戌亥 from 11).
std::optional<std::string> voidTrialSectionKey(int firstVoidBranch);

// The button's caption: "配偶者干と位置関係", "配偶者干と日支の干", "天冲殺による試練".
std::string_view familyReadingTitle(FamilyReading reading);
// The keys the chart forms for the reading, in the order read; none before a run.
std::vector<std::string> familyReadingKeys(FamilyReading reading, const Tmandata& chart);
// A heading line "【" + title + "】" and the sections of the keys. File faults are reported
// through the notifier; the lines read before one stay.
std::vector<std::string> familyReadingLines(FamilyReading reading, const Tmandata& chart,
                                            const AppPaths& paths, Notifier& notifier);

}  // namespace suimei
