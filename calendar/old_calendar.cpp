#include "calendar/old_calendar.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "calendar/old_calendar_astronomy.h"
#include "calendar/types.h"

namespace suimei {

namespace {

using MansionTable = TQrekiMod::MansionTable;

// Mansion of the 1st of lunar months 1..12 (index 0 unused).
constexpr std::array<int, 13> kFirstMansion27 = {0, 24, 26, 28, 2, 4, 6, 9, 12, 14, 16, 19, 22};
constexpr std::array<int, 13> kFirstMansion28 = {0, 22, 24, 26, 28, 2, 4, 6, 8, 10, 12, 14, 16};

constexpr MansionTable makeMansionTable(const std::array<int, 13>& first, bool skip20) {
    MansionTable table{};
    for (std::size_t m = 1; m <= 12; ++m) {
        int n = first[m];
        for (std::size_t d = 1; d <= 30; ++d) {
            table[m][d] = n;
            n = n == 28 ? 1 : n + 1;
            if (skip20 && n == 20) n = 21;  // the 27-mansion system has no 牛
        }
    }
    return table;
}

constexpr MansionTable kMansion27Table = makeMansionTable(kFirstMansion27, true);
constexpr MansionTable kMansion28Table = makeMansionTable(kFirstMansion28, false);

int mansionAt(const MansionTable& table, int lunarMonth, int lunarDay) {
    if (lunarMonth < 1 || lunarMonth > 12 || lunarDay < 1 || lunarDay > 30) return 0;
    return table[static_cast<std::size_t>(lunarMonth)][static_cast<std::size_t>(lunarDay)];
}

bool isConvertibleDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

int wholeDay(double x) {
    return static_cast<int>(std::floor(x));
}

// Days from the new moon that opened month `index` to moment x; the previous new moon when x lies
// on the day of the new moon but before it.
double moonAgeAt(double x, const std::array<double, 6>& saku, int index) {
    double age = x - saku[static_cast<std::size_t>(index)];
    if (age < 0) {
        const double previous = index > 0 ? saku[static_cast<std::size_t>(index - 1)]
                                          : qreki::lastNewMoonBefore(saku[0] - 27.0);
        age = x - previous;
    }
    return age;
}

}  // namespace

std::string_view rokuyoName(int lunarMonth, int lunarDay) {
    if (lunarMonth < 1 || lunarDay < 1) return {};
    return kRokuyoNames[static_cast<std::size_t>(floorMod(lunarMonth + lunarDay, 6))];
}

std::string_view mansionName(int number) {
    return nameAt(kMansionNames, number);
}

int mansion27Of(int lunarMonth, int lunarDay) {
    return mansionAt(kMansion27Table, lunarMonth, lunarDay);
}

int mansion28Of(int lunarMonth, int lunarDay) {
    return mansionAt(kMansion28Table, lunarMonth, lunarDay);
}

OldCalendarDate oldCalendarDate(int year, int month, int day, const TaiwanTable* taiwan) {
    OldCalendarDate out;
    if (!isConvertibleDate(year, month, day)) return out;
    using qreki::lastNewMoonBefore;
    using qreki::lastTermAtOrBefore;
    const double t = qreki::dayNumber(year, month, day);
    const int today = wholeDay(t);

    // The last solstice or equinox and the four middle terms (中気) after it.
    std::array<qreki::TermMoment, 5> chu;
    chu[0] = lastTermAtOrBefore(t, 90);
    const int firstMonth = static_cast<int>(std::floor(chu[0].angle / 30.0)) + 2;
    for (std::size_t i = 1; i < chu.size(); ++i) {
        chu[i] = lastTermAtOrBefore(chu[i - 1].dayNumber + 32.0, 30);
    }

    // Six new moons from the one before that solstice or equinox.
    std::array<double, 6> saku;
    saku[0] = lastNewMoonBefore(chu[0].dayNumber);
    for (std::size_t i = 1; i < saku.size(); ++i) {
        saku[i] = lastNewMoonBefore(saku[i - 1] + 30.0);
        if (std::abs(wholeDay(saku[i - 1]) - wholeDay(saku[i])) < 27) {
            saku[i] = lastNewMoonBefore(saku[i - 1] + 35.0);
        }
    }
    if (wholeDay(saku[1]) <= wholeDay(chu[0].dayNumber)) {
        // The second new moon is already on or before the term's day: drop the first.
        for (std::size_t i = 0; i + 1 < saku.size(); ++i) saku[i] = saku[i + 1];
        saku[4] = lastNewMoonBefore(saku[3] + 35.0);
        saku[5] = lastNewMoonBefore(saku[4] + 35.0);
    } else if (wholeDay(saku[0]) > wholeDay(chu[0].dayNumber)) {
        // The first new moon comes after the term's day: take the one before it as well.
        for (std::size_t i = saku.size() - 1; i > 0; --i) saku[i] = saku[i - 1];
        saku[0] = lastNewMoonBefore(saku[0] - 27.0);
    }

    // Thirteen new moons to five middle terms: one of the months is a leap month.
    bool leapPending = wholeDay(saku[4]) <= wholeDay(chu[4].dayNumber);
    std::array<int, 6> monthNumber{};
    std::array<int, 6> leap{};
    std::array<int, 6> start{};
    monthNumber[0] = firstMonth;
    leap[0] = -1;
    start[0] = wholeDay(saku[0]);
    for (std::size_t i = 1; i < monthNumber.size(); ++i) {
        if (leapPending && i >= 2) {
            const double term = chu[i - 1].dayNumber;
            // A month that holds no middle term repeats the number of the month before it.
            if (wholeDay(saku[i - 1]) >= term || wholeDay(saku[i]) <= term) {
                monthNumber[i - 1] = monthNumber[i - 2];
                leap[i - 1] = 1;
                start[i - 1] = wholeDay(saku[i - 1]);
                leapPending = false;
            }
        }
        monthNumber[i] = monthNumber[i - 1] == 12 ? 1 : monthNumber[i - 1] + 1;
        start[i] = wholeDay(saku[i]);
        leap[i] = -1;
    }

    int index = static_cast<int>(monthNumber.size()) - 1;
    for (std::size_t i = 0; i < monthNumber.size(); ++i) {
        if (today < start[i]) {
            index = static_cast<int>(i) - 1;
            break;
        }
        if (today == start[i]) {
            index = static_cast<int>(i);
            break;
        }
    }
    if (index < 0) index = 0;  // only when a new-moon search failed to converge
    const auto at = static_cast<std::size_t>(index);
    out.lunarMonth = monthNumber[at];
    out.leapFlag = leap[at];
    out.lunarDay = today - start[at] + 1;

    if (taiwan) {
        if (const std::optional<TaiwanDate> tw = taiwanLookup(*taiwan, year, month, day)) {
            out.lunarMonth = tw->lunarMonth;
            out.lunarDay = tw->lunarDay;
            out.leapFlag = tw->leapFlag;
        }
    }

    out.lunarYear = year;
    if (out.lunarMonth >= 10 && out.lunarMonth > month) out.lunarYear -= 1;
    out.rokuyoName = std::string(rokuyoName(out.lunarMonth, out.lunarDay));
    out.dayKanshiName = std::string(stemName(floorMod(today, 10) + 1)) +
                        std::string(branchName(floorMod(today - 10, 12) + 1));

    out.moonAge = moonAgeAt(t, saku, index);
    out.noonMoonAge = moonAgeAt(today + 0.5, saku, index);
    const double T = qreki::julianCenturies(t);
    const double elongation = qreki::moonLongitude(T) - qreki::sunLongitude(T);
    out.illumination = (1.0 - std::cos(elongation * 3.14159265358979323846 / 180.0)) * 50.0;
    out.phaseIndex = floorMod(static_cast<int>(std::floor(elongation / 360.0 * 28.0 + 0.5)), 28);
    out.mansion27 = mansion27Of(out.lunarMonth, out.lunarDay);
    out.mansion28 = mansion28Of(out.lunarMonth, out.lunarDay);
    return out;
}

namespace {

// Japanese conversions kept for the life of the process and shared by every thread. A batch meets
// the same days again and again, and a conversion costs dozens of lunar and solar positions; with
// the days shared, a batch on several cores works each day once, whichever worker meets it first.
// Each day is converted exactly as on its own, so what is kept never depends on which dates were
// asked for before, or by which thread.
class KeptConversions {
  public:
    OldCalendarDate get(int year, int month, int day) {
        const auto index = static_cast<std::size_t>(31 * (month - 1) + day - 1);
        {
            const std::lock_guard lock(mutex_);
            if (const auto it = years_.find(year); it != years_.end() && (*it->second)[index]) {
                return *(*it->second)[index];
            }
        }
        OldCalendarDate date = oldCalendarDate(year, month, day);
        const std::lock_guard lock(mutex_);
        auto it = years_.find(year);
        if (it == years_.end()) {
            if (years_.size() >= kMaxYears) years_.clear();
            it = years_.emplace(year, std::make_unique<YearDays>()).first;
        }
        (*it->second)[index] = date;
        return date;
    }

  private:
    static constexpr std::size_t kMaxYears = 512;
    // The days of one year: index 31(month-1) + day-1.
    using YearDays = std::array<std::optional<OldCalendarDate>, 12 * 31>;
    std::mutex mutex_;
    std::unordered_map<int, std::unique_ptr<YearDays>> years_;
};

KeptConversions& keptConversions() {
    static KeptConversions kept;
    return kept;
}

}  // namespace

TQrekiMod::TQrekiMod() : mansion27_(kMansion27Table), mansion28_(kMansion28Table) {}

OldCalendarDate TQrekiMod::convertToOldCalendar(int year, int month, int day,
                                                OldCalendarVariant variant) {
    if (!isConvertibleDate(year, month, day)) return {};
    OldCalendarDate date = variant == OldCalendarVariant::Taiwan
                               ? oldCalendarDate(year, month, day, &taiwan_)
                               : keptConversions().get(year, month, day);
    if (date.leapFlag == 0) return date;
    if (termsYear_ != year || termsAstronomy_ != astronomy_) {
        fillSolarTermTable(year, terms_, astronomy_);
        termsYear_ = year;
        termsAstronomy_ = astronomy_;
    }
    return date;
}

void TQrekiMod::loadTaiwanFile(const AppPaths& paths, Notifier& notifier) {
    taiwan_ = suimei::loadTaiwanFile(paths, notifier);
}

std::optional<TaiwanDate> TQrekiMod::taiwanLookup(int year, int month, int day) const {
    return suimei::taiwanLookup(taiwan_, year, month, day);
}

}  // namespace suimei
