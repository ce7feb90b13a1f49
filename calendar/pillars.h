#pragma once
// The four pillars (四柱) of a birth moment and the solar-term facts around it: the entries of the
// neighbouring solar months, the days since and to them, the start of the ten-year luck periods
// (立運) and the depth of the birth into its solar month (節入り日からの日数).

#include <array>
#include <string>
#include <string_view>

#include "calendar/astronomy.h"
#include "calendar/solar_term_table.h"
#include "calendar/types.h"

namespace suimei {

// Birth prefectures in the order listed to the user, with the minutes added to the clock time to
// turn Japan Standard Time into the local time of the prefecture. Index 0 is none.
struct Prefecture {
    std::string_view name;
    int minutes = 0;
};
inline constexpr std::array<Prefecture, 48> kPrefectures = {{
    {"", 0},         {"北海道", 30},    {"青森県", 23},  {"岩手県", 24},  {"宮城県", 23},
    {"秋田県", 20},  {"山形県", 21},    {"福島県", 21},  {"茨城県", 21},  {"栃木県", 19},
    {"群馬県", 16},  {"埼玉県", 18},    {"千葉県", 20},  {"東京都", 19},  {"神奈川県", 18},
    {"新潟県", 16},  {"富山県", 8},     {"石川県", 4},   {"福井県", 5},   {"山梨県", 14},
    {"長野県", 13},  {"岐阜県", 8},     {"静岡県", 13},  {"愛知県", 8},   {"三重県", 6},
    {"滋賀県", 3},   {"京都府", 3},     {"大阪府", 2},   {"兵庫県", 1},   {"奈良県", 3},
    {"和歌山県", 1}, {"鳥取県", -3},    {"島根県", -8},  {"岡山県", -4},  {"広島県", -10},
    {"山口県", -14}, {"徳島県", -2},    {"香川県", -4},  {"愛媛県", -9},  {"高知県", -6},
    {"福岡県", -18}, {"佐賀県", -19},   {"長崎県", -21}, {"熊本県", -17}, {"大分県", -14},
    {"宮崎県", -14}, {"鹿児島県", -18}, {"沖縄県", -30},
}};
// Used when no prefecture is given (兵庫県, +1 minute).
inline constexpr int kDefaultPrefecture = 28;
// An index of 0 that reaches the computation is read as this one (大阪府, +2 minutes).
inline constexpr int kPrefectureForZero = 27;

// Name of prefecture 1..47; empty text otherwise.
std::string_view prefectureName(int index);
// Minutes added to the JST clock for prefecture 1..47; 0 otherwise.
int prefectureMinutes(int index);

// A birth as entered: Gregorian civil date and clock time in Japan Standard Time.
struct BirthMoment {
    int year = 0, month = 0, day = 0;
    int hour = 12;   // 0..23; any other value means the time is unknown (no hour pillar)
    int minute = 0;  // 0, 10, ..., 50 as entered (any 0..59 is taken as given)
    int prefecture = kDefaultPrefecture;  // 1..47; 0 stands for 27, other values correct nothing
    std::string sex = "男";               // "男" or "女"; any other text counts as "男"
};

// Everything the astronomical way derives from a birth. Entry days and hours are JST clock values
// found to the hour; day 0 would mean the last day of the month before.
struct SolarFacts {
    int localYear = 0, localMonth = 0, localDay = 0, localHour = 0, localMinute = 0;
    double sunLongitude = 0;  // degrees 0..360 at the entered (uncorrected) clock time
    Stem yearStem = 0;
    Branch yearBranch = 0;
    Stem monthStem = 0;
    Branch monthBranch = 0;
    Stem dayStem = 0;
    Branch dayBranch = 0;
    Stem hourStem = 0;  // 0 when the hour is unknown
    Branch hourBranch = 0;
    bool beforeEntry = false;  // the month pillar was stepped back: the birth precedes the entry
    int prevEntryDay = 0, prevEntryHour = 0;  // entry in the calendar month before the birth month
    int curEntryDay = 0, curEntryHour = 0;    // entry in the birth month
    int nextEntryDay = 0, nextEntryHour = 0;  // entry in the calendar month after it
    bool entriesFound = false;     // all three entries found; otherwise the day counts are 0
    double daysSinceEntry = 0;     // days from the last entry to the birth, never negative
    double daysToEntry = 0;        // days from the birth to the next entry, never negative
    double entryDepthDays = 0;     // days from the last 節 to the birth, cut to one decimal
    int entryDepthTenths = 0;      // the same in whole tenths of a day (exact)
    bool entryDepthKnown = false;  // false when the solar-term table lacks the 節 needed
    int luckStartYears = 0, luckStartMonths = 0;
    int luckStartMonth = 0;  // 1..12
    int luckStartAge = 0;    // counting age (数え)
    int currentYear = 0, countingAge = 0;

    Pillar yearPillar() const { return {yearStem, yearBranch}; }
    Pillar monthPillar() const { return {monthStem, monthBranch}; }
    Pillar dayPillar() const { return {dayStem, dayBranch}; }
    Pillar hourPillar() const { return {hourStem, hourBranch}; }
};

// The local moment of a birth after the prefecture correction (minutes carried into hours, days,
// months and years in both directions). A moment that does not exist, or a correction of a day or
// more, is returned unchanged.
struct LocalMoment {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};
LocalMoment applyPrefectureCorrection(int year, int month, int day, int hour, int minute,
                                      int correctionMinutes);

// Sexagenary number 1..60 of the day of a Gregorian date (2000-01-01 is 55, 戊午).
int daySexagenary(int year, int month, int day);
// Sexagenary number 1..60 of the year Y before the 立春 test (1984 is 1, 甲子).
int yearSexagenary(int year);
// Sexagenary number 1..60 of the solar month whose 節 falls in calendar month 1..12 of year Y
// (February 1984 is 3, 丙寅); 0 for a month out of range.
int monthSexagenary(int year, int month);

// Hour pillar of clock hour 0..23 on a day of stem 1..10; 23 o'clock takes the 子 hour of the
// following day's stem. {0, 0} for an hour or stem out of range.
Pillar hourPillarFromHour(int dayStem, int hour);
// Hour pillar of birth-time list index 0..12 on a day of stem 1..10 (12 is the late 子 period);
// {0, 0} for index 13 (unknown) or anything out of range.
Pillar hourPillarFromIndex(int dayStem, int index);

// Which source gives the pillars of an appraisal.
enum class PillarWay { Astronomical, Files };
// Files exactly when the astronomical-calendar setting is off and the birth year is after 1921.
PillarWay choosePillarWay(int birthYear, bool astronomicalSetting);

// Days from the last 節 to a local moment, in whole tenths of a day cut down (not rounded), from
// the 72-entry solar-term table of `tableYear` (entries 0..23 that year, 24..47 the year before,
// 48..71 the year after). False when the table holds no 節 for the months needed.
bool entryDepthTenths(const SolarTermTable& terms, int tableYear, const LocalMoment& local,
                      int& tenths);

// The astronomical pillars and the solar facts of a birth. `terms` is the solar-term table of the
// birth year as entered; `currentYear` is this year (the engine never reads the clock). A birth
// with a date that does not exist (or a year outside 1..9999) yields all-zero facts. The astronomy
// places the sun for the 立春 and month decisions, the entries and the longitude; the table
// should be of the same astronomy.
SolarFacts computeSolarFacts(const BirthMoment& birth, const SolarTermTable& terms, int currentYear,
                             Astronomy astronomy = Astronomy::Described);

// Display texts of the solar facts.
// "節入り日からの日数：" + depth in general format ("12", "12.3") + "日"
std::string entryDepthText(const SolarFacts& facts);
// "立運までの年月：" + years + "年間と" + months + "ヶ月"
std::string luckStartText(const SolarFacts& facts);
// "立運の年齢：数え" + age + "才" + month + "月"
std::string luckStartAgeText(const SolarFacts& facts);

}  // namespace suimei
