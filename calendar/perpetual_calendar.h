#pragma once
// The perpetual calendar (万年暦): one small text file per Gregorian year, "<year>.eto" in the
// application folder, and the store `Treki` that holds the files of a birth year and its two
// neighbours and turns a birth date into the year, month and day pillars.
//
// File layout (ASCII, one record per line, 25 lines):
//   line 1            year record   <era letter><era year>:<stem>-<branch>          S45:7-11
//   lines 2, 4 .. 24  month record  <stem>-<branch>:<entry day>:<entry branch>:<days>   3-3:4:12:28
//   lines 3, 5 .. 25  day record    <stem>-<branch>:<old month>/<old day>-<old month length>,<next>
//                                                                                   5-7:11/25-30,29
// Lines 2k and 2k+1 describe calendar month k (January first).

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "calendar/types.h"

namespace suimei {

class AppPaths;
class Notifier;

// The solar month (節月) whose entry (節入り) falls in one calendar month.
struct EtoMonth {
    int monthStem = 0;    // 1..10, month pillar from the entry on
    int monthBranch = 0;  // 1..12
    int entryDay = 0;     // day of the calendar month on which the entry falls
    int entryBranch = 0;  // 1..12, two-hour period of the entry as a branch (子 = 1)
    int dayCount = 0;     // days in the calendar month
    friend bool operator==(const EtoMonth&, const EtoMonth&) = default;
};

// The 1st of one calendar month: its day pillar and its place in the old lunar calendar. The
// old-calendar fields are checked for their form only; nothing computes with them.
struct EtoDayLine {
    int firstStem = 0;    // 1..10, day pillar of the 1st
    int firstBranch = 0;  // 1..12
    int oldMonth = 0;
    int oldDay = 0;
    int oldMonthLength = 0;      // last day number of that old month
    int nextOldMonthLength = 0;  // length of the old month that follows
    friend bool operator==(const EtoDayLine&, const EtoDayLine&) = default;
};

// One year file. months and days are indexed 1..12 (January..December); index 0 stays empty.
struct EtoYear {
    std::string eraName;  // "明治", "大正", "昭和" or "平成"
    int eraYear = 0;
    int yearStem = 0;    // 1..10: the year that begins at this year's February entry (立春)
    int yearBranch = 0;  // 1..12
    std::array<EtoMonth, 13> months{};
    std::array<EtoDayLine, 13> days{};
    friend bool operator==(const EtoYear&, const EtoYear&) = default;
};

// Year, month, day and hour pillars of a birth; an hour pillar of {0, 0} means no hour.
struct BirthPillars {
    Pillar year, month, day, hour;
    friend bool operator==(const BirthPillars&, const BirthPillars&) = default;
};

// Era name of a year-record letter (M 明治, T 大正, S 昭和, H 平成); empty for any other letter.
std::string_view eraNameOfLetter(char letter);
// Year-record letter of an era name; 0 for a name that has none.
char eraLetterOf(std::string_view eraName);

// The 25-line text of one year file, each line ended by CRLF.
std::string formatEtoFile(const EtoYear& year);

// Parses the bytes of one year file for slot 1..3 (the slot appears in some messages; `path` in
// those about the file as a whole). Returns 0 and sets `out`, or -1 after showing exactly one
// information notice for the first fault found; `out` is then untouched.
int parseEtoFile(std::string_view bytes, int slot, const std::string& path, EtoYear& out,
                 Notifier& notifier);

// The store of the file way: slot 1 holds the year before the birth year, slot 2 the birth year,
// slot 3 the year after.
class Treki {
  public:
    // Loads slots 1..3 (2..3 for a birth year up to 1921) from "<folder>/<year>.eto". Returns 0,
    // or -1 after showing one notice for the first failure. A slot is replaced only by a file that
    // parsed completely; the slots loaded before a failure keep their new values, but the store
    // then refuses lookups until a later load succeeds.
    int loadYearFiles(int year, const std::filesystem::path& folder, Notifier& notifier);
    int loadYearFiles(int year, const AppPaths& paths, Notifier& notifier);

    // Year, month and day pillars of birth month 1..12, day >= 1 and birth-time index 0..13 (13 =
    // unknown, giving no hour pillar) from the last successful load. Returns false and leaves
    // `out` untouched when there was none, when the arguments are out of range, or when the birth
    // needs the previous year's slot and that was not loaded (birth years up to 1921).
    bool lookupBirthPillars(int month, int day, int birthTimeIndex, BirthPillars& out) const;

    // Contents of slot 1..3 (an empty year for any other number).
    const EtoYear& slot(int s) const;
    // Gregorian year of the file held by slot 1..3; 0 when the slot was never filled.
    long long slotFileYear(int s) const;
    // Birth year of the last load when it succeeded; 0 otherwise.
    int loadedYear() const { return loaded_ ? year_ : 0; }

  private:
    std::array<EtoYear, 4> slots_{};  // 1..3
    std::array<long long, 4> slotYears_{};
    bool loaded_ = false;
    int year_ = 0;
};

}  // namespace suimei
