#pragma once
// The marriage window "結婚の鑑定" and the work window "仕事運の総合診断": what each button
// appends to the window's memo. A button reads one or more passages of the passage table under
// keys formed from the chart, and fills the passage's placeholders: "＠ｉ" with the client's name
// + "さん", and (the ten-year buttons) "＠甲" .. "＠癸" with the year of that stem among the ten
// years starting with today's year.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/mandata.h"
#include "readings/passage_table.h"
#include "readings/reading_keys.h"

namespace suimei {

enum class TopicWindowKind { Marriage, Work };

inline constexpr std::string_view kMarriageWindowCaption = "結婚の鑑定";
inline constexpr std::string_view kWorkWindowCaption = "仕事運の総合診断";
// Titles of the printed appraisal.
inline constexpr std::string_view kMarriagePrintTitle = "四柱推命の結婚運に関する総合鑑定";
inline constexpr std::string_view kWorkPrintTitle = "四柱推命の仕事運に関する総合鑑定";

// One button of a window: its object name and its caption ("\n" where the caption breaks).
struct TopicButton {
    std::string_view name;
    std::string_view caption;
};

// The buttons of the window in their order on it.
std::span<const TopicButton> topicButtons(TopicWindowKind kind);
std::string_view topicWindowCaption(TopicWindowKind kind);
std::string_view topicPrintTitle(TopicWindowKind kind);

// What the placeholders of a passage are filled with.
struct PlaceholderTexts {
    std::string name;  // for "＠ｉ": the client's name + "さん"
    // For "＠甲" .. "＠癸", indexed by stem 1..10 (index 0 unused); absent: left as they stand.
    std::optional<std::array<std::string, 11>> years;
};

// The text for "＠ｉ": name + "さん"; "あなた" for a name that is empty (or only blanks), so a
// chart without a name still reads as an address to the client.
std::string clientNameText(std::string_view name);
// For each stem 1..10, the year among todayYear .. todayYear + 9 whose year pillar (on 6 June)
// has that stem, written "2024年". A stem no year carries (years before the calendar's range)
// keeps an empty text.
std::array<std::string, 11> tenYearTexts(int todayYear);
// Replaces every placeholder of `passage` in one pass from left to right: text put in is never
// read again, so a name holding "＠甲" stays as written. "＠" before anything else, and the year
// placeholders when `texts.years` is absent or its text is empty, stay as they stand.
std::string fillPlaceholders(std::string_view passage, const PlaceholderTexts& texts);

// The keys the button reads from the chart, in order; a key the chart cannot form (a value out of
// range, a sex other than 'M' or 'F') is absent and reads nothing. Empty for an unknown button.
std::vector<std::optional<PassageKey>> topicButtonKeys(TopicWindowKind kind,
                                                       std::string_view button,
                                                       const Tmandata& chart);

// The lines the button appends to the memo: for each key a line " " and then the passage's lines
// with their placeholders filled (the client's name from the chart; the years from `todayYear`
// for the ten-year button). A key without a passage appends only its " ". Empty for an unknown
// button.
std::vector<std::string> topicButtonLines(TopicWindowKind kind, std::string_view button,
                                          const Tmandata& chart, int todayYear,
                                          PassageTable& passages);

}  // namespace suimei
