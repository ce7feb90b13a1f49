#pragma once
// The old Japanese lunisolar calendar (旧暦) of a Gregorian date: lunar year, month, day and leap
// flag, the day's 六曜 and sexagenary name, the moon's age and phase, and the lunar mansions (宿).

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/old_calendar_solar_terms.h"
#include "calendar/solar_term_table.h"
#include "calendar/taiwan_calendar.h"

namespace suimei {

// Which reckoning gives the lunar date: the Japanese one, or the Japanese one corrected by the
// months listed in QrekiTaiwan.txt.
enum class OldCalendarVariant { Japanese, Taiwan };

struct OldCalendarDate {
    int lunarYear = 0;       // Gregorian year, one less for months 11 and 12 that fall in Jan/Feb
    int leapFlag = 0;        // 1 leap month (閏月), -1 normal; 0 when the date was not converted
    int lunarMonth = 0;      // 1..12
    int lunarDay = 0;        // 1..30
    std::string rokuyoName;  // "大安", "赤口", "先勝", "友引", "先負", "仏滅"
    std::string dayKanshiName;  // stem + branch name of the day, for example "戊午"
    double moonAge = 0;         // days from the last new moon to 00:00 JST of the date
    double noonMoonAge = 0;     // days from the last new moon to 12:00 JST of the date
    double illumination = 0;    // illuminated part of the disc in percent, 0..100, at 00:00 JST
    int phaseIndex = 0;         // 0..27: elongation of the Moon in 28ths of a circle, 0 = new
    int mansion27 = 0;          // 1..28 without 20: the 27-mansion system (宿曜); 0 = none
    int mansion28 = 0;          // 1..28: the 28-mansion system; 0 = none
};

// 六曜 names by (lunar month + lunar day) mod 6.
inline constexpr std::array<std::string_view, 6> kRokuyoNames = {"大安", "赤口", "先勝",
                                                                 "友引", "先負", "仏滅"};

// Mansion names by number 1..28; index 0 is empty. The 27-mansion system skips 20 (牛).
inline constexpr std::array<std::string_view, 29> kMansionNames = {
    "",   "昴", "畢", "觜", "参", "井", "鬼", "柳", "星", "張", "翼", "軫", "角", "亢", "氏",
    "房", "心", "尾", "箕", "斗", "牛", "女", "虚", "危", "室", "壁", "奎", "婁", "胃"};

// 六曜 name of a lunar month and day (index (month + day) mod 6); empty for month or day 0.
std::string_view rokuyoName(int lunarMonth, int lunarDay);
// Mansion name of number 1..28; empty text out of range.
std::string_view mansionName(int number);
// 27-mansion number of lunar month 1..12, day 1..30; 0 out of range.
int mansion27Of(int lunarMonth, int lunarDay);
// 28-mansion number of lunar month 1..12, day 1..30; 0 out of range.
int mansion28Of(int lunarMonth, int lunarDay);

// The old-calendar converter; one instance lives as long as the process.
class TQrekiMod {
  public:
    TQrekiMod();

    // Converts the Gregorian date (JST) and fills the solar-term table of its year. A date that
    // does not exist or lies outside the years 1..9999 gives an empty result (leap flag 0) and
    // leaves the table as it was. With the Taiwan variant the months of the loaded Taiwan table
    // replace the computed month, day and leap flag.
    OldCalendarDate convertToOldCalendar(int year, int month, int day,
                                         OldCalendarVariant variant = OldCalendarVariant::Japanese);

    // Table of the last conversion: entries 0..23 the terms of its year (entry 2(m-1) the 節 of
    // calendar month m), 24..47 the previous year's, 48..71 the following year's.
    const SolarTermTable& solarTerms() const { return terms_; }
    int solarTermsYear() const { return termsYear_; }
    // The astronomy of the solar-term table (described unless set); a change takes effect at the
    // next conversion, which fills the table afresh.
    void setAstronomy(Astronomy astronomy) { astronomy_ = astronomy; }
    Astronomy astronomy() const { return astronomy_; }

    // Reads QrekiTaiwan.txt from the application folder (notices as loadTaiwanFile says).
    void loadTaiwanFile(const AppPaths& paths, Notifier& notifier);
    void setTaiwanTable(TaiwanTable table) { taiwan_ = std::move(table); }
    const TaiwanTable& taiwanTable() const { return taiwan_; }
    // Lunar month, day and leap flag of the date from the Taiwan table, or nothing.
    std::optional<TaiwanDate> taiwanLookup(int year, int month, int day) const;

    // The mansion tables, filled at creation: [lunar month 1..12][lunar day 1..30], 0 elsewhere.
    using MansionTable = std::array<std::array<int, 31>, 13>;
    const MansionTable& mansion27Table() const { return mansion27_; }
    const MansionTable& mansion28Table() const { return mansion28_; }

  private:
    SolarTermTable terms_;
    int termsYear_ = 0;
    Astronomy astronomy_ = Astronomy::Described;
    Astronomy termsAstronomy_ = Astronomy::Described;
    TaiwanTable taiwan_;
    MansionTable mansion27_{};
    MansionTable mansion28_{};
};

// The conversion alone, without a solar-term table (Japanese reckoning unless a Taiwan table is
// given).
OldCalendarDate oldCalendarDate(int year, int month, int day, const TaiwanTable* taiwan = nullptr);

}  // namespace suimei
