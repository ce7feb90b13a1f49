#include "calendar/summer_time.h"

namespace suimei {

namespace {

// Minutes of a clock reading from the start of `year`, counting days by the month lengths.
int minuteOfYear(int year, int month, int day, int hour, int minute) {
    int days = day - 1;
    for (int m = 1; m < month; ++m) days += daysInMonth(year, m);
    return (days * 24 + hour) * 60 + minute;
}

}  // namespace

SummerTimeClock summerTimeClock(int year, int month, int day, int hour, int minute) {
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59) {
        return SummerTimeClock::Standard;
    }
    for (const SummerTimePeriod& p : kJapanSummerTime) {
        if (p.year != year) continue;
        const int at = minuteOfYear(year, month, day, hour, minute);
        // Both changes happen at 00:00 of the day after the Saturday; the hour after it is the
        // skipped one at the start and the repeated one at the end.
        const int start = minuteOfYear(year, p.startMonth, p.startSaturday + 1, 0, 0);
        const int end = minuteOfYear(year, p.endMonth, p.endSaturday + 1, 0, 0);
        if (at >= start && at < start + 60) return SummerTimeClock::Skipped;
        if (at >= start + 60 && at < end) return SummerTimeClock::Summer;
        if (at >= end && at < end + 60) return SummerTimeClock::Repeated;
        return SummerTimeClock::Standard;
    }
    return SummerTimeClock::Standard;
}

BirthMoment summerTimeCorrected(const BirthMoment& birth) {
    if (!needsSummerTimeCorrection(
            summerTimeClock(birth.year, birth.month, birth.day, birth.hour, birth.minute))) {
        return birth;
    }
    BirthMoment out = birth;
    const LocalMoment earlier = applyPrefectureCorrection(birth.year, birth.month, birth.day,
                                                          birth.hour, birth.minute, -60);
    out.year = earlier.year;
    out.month = earlier.month;
    out.day = earlier.day;
    out.hour = earlier.hour;
    out.minute = earlier.minute;
    return out;
}

}  // namespace suimei
