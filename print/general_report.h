#pragma once
// The general-audience report "総合診断書": the five ten-god categories marked by where the month
// (◎), year (○) and hour (△) stems stand, the four stems, branches and stages with the month
// branch's hidden stem in force, the readings of the passage table in their fixed order, three
// keywords for the relations of neighbouring stems, and a footer with the practitioner and the
// client's birth.

#include <array>
#include <string>
#include <vector>

#include "core/print_document.h"
#include "readings/reading_keys.h"

namespace suimei {
class Tmandata;
class PassageTable;
}  // namespace suimei

namespace suimei::print {

inline constexpr char kGeneralReportTitle[] = "総合診断書";
inline constexpr std::array<const char*, 5> kCategoryCaptions = {"比劫 ", "食傷 ", "財 ", "官 ",
                                                                 "印 "};
inline constexpr char kStemRelationFamily[] = "干関係";

// Marks of the five categories (比劫 食傷 財 官 印): "◎" for the month stem's ten god, "○" for
// the year stem's, "△" for the hour stem's; a category that two stems share shows both marks in
// that order, and one that none of them holds shows nothing.
std::array<std::string, 5> categoryMarks(const Tmandata& chart);

// One reading of the report: the key it is read by and the caption it is printed under.
struct ReportReading {
    std::string caption;
    PassageKey key;
};
// The readings in their order: 日干, 目的 (month stem), 目的 (month branch's hidden stem), 手段,
// 職場内面, 青年精神, 中年精神, 老年精神, 配偶行動, 異性内面, 理想配偶, 目下行動. A reading whose
// chart value is missing (no hour given) is left out.
std::vector<ReportReading> generalReportReadings(const Tmandata& chart);
// The 干関係 keys of the stem pairs hour–day, day–month and month–year ("甲己"); a pair with a
// missing stem gives an empty key2.
std::array<PassageKey, 3> stemRelationKeys(const Tmandata& chart);

struct GeneralReportContent {
    std::array<std::string, 5> categoryMarks;
    std::array<std::string, 4> stems;  // hour, day, month, year; "-" for none
    std::array<std::string, 4> branches;
    std::array<std::string, 4> stages;
    std::string monthHiddenStem;  // "(戊)"
    struct Reading {
        std::string caption;
        std::vector<std::string> lines;
    };
    std::vector<Reading> readings;
    std::array<std::string, 3> stemRelations;  // the bun1 keywords; empty when not found
    std::string practitionerName;
    std::string practitionerTelephone;
    std::string clientName;
    std::string birthDate;  // "1984年2月10日"
    std::string timeSlot;   // "07:00-09:00"
};

// Everything of the report from the chart and the passage table (the practitioner is left empty).
GeneralReportContent generalReportContent(const Tmandata& chart, PassageTable& passages);

// The report; a reading without lines is left out with its caption.
PrintDocument composeGeneralReport(const GeneralReportContent& content);

}  // namespace suimei::print
