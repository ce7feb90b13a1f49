#include "calendar/eto_generation.h"

#include "calendar/old_calendar.h"
#include "calendar/pillars.h"

namespace suimei {

namespace {

// Gregorian date `days` days after y-m-d.
void addDays(int& y, int& m, int& d, int days) {
    d += days;
    while (d > daysInMonth(y, m)) {
        d -= daysInMonth(y, m);
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    while (d < 1) {
        if (--m < 1) {
            m = 12;
            --y;
        }
        d += daysInMonth(y, m);
    }
}

// Length 29 or 30 of the old month that begins on y-m-d (its 1st).
int oldMonthLengthFrom(int y, int m, int d) {
    addDays(y, m, d, 29);
    return oldCalendarDate(y, m, d).lunarDay == 1 ? 29 : 30;
}

}  // namespace

char etoEraLetter(int year) {
    if (year <= 1911) return 'M';
    if (year <= 1925) return 'T';
    if (year <= 1988) return 'S';
    return 'H';
}

int etoEraYear(int year) {
    switch (etoEraLetter(year)) {
        case 'M':
            return year - 1867;
        case 'T':
            return year - 1911;
        case 'S':
            return year - 1925;
        default:
            return year - 1988;
    }
}

int etoEntryBranch(int hour) {
    if (hour == 23) return 12;
    return hourPillarFromHour(1, hour).branch;
}

EtoYear generateEtoYear(int year, TQrekiMod& qreki) {
    EtoYear out;
    out.eraName = std::string(eraNameOfLetter(etoEraLetter(year)));
    out.eraYear = etoEraYear(year);
    const Pillar yp = pillarOfSexagenary(yearSexagenary(year));
    out.yearStem = yp.stem;
    out.yearBranch = yp.branch;
    qreki.convertToOldCalendar(year, 1, 1);
    const SolarTermTable terms = qreki.solarTerms();
    for (int m = 1; m <= 12; ++m) {
        const auto mi = static_cast<std::size_t>(m);
        const Pillar mp = pillarOfSexagenary(monthSexagenary(year, m));
        const SolarTermEntry& entry = terms[static_cast<std::size_t>(2 * (m - 1))];
        out.months[mi] = {mp.stem, mp.branch, entry.day, etoEntryBranch(entry.hour),
                          daysInMonth(year, m)};
        const Pillar dp = pillarOfSexagenary(daySexagenary(year, m, 1));
        const OldCalendarDate first = oldCalendarDate(year, m, 1);
        // The old month holding the 1st began lunarDay - 1 days earlier; the next one follows it.
        int y = year, mo = m, d = 1;
        addDays(y, mo, d, 1 - first.lunarDay);
        const int length = oldMonthLengthFrom(y, mo, d);
        addDays(y, mo, d, length);
        out.days[mi] = {dp.stem,        dp.branch, first.lunarMonth,
                        first.lunarDay, length,    oldMonthLengthFrom(y, mo, d)};
    }
    return out;
}

}  // namespace suimei
