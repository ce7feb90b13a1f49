#include "calendar/solar_terms.h"

#include <array>
#include <cmath>
#include <mutex>
#include <unordered_map>

#include "calendar/types.h"

namespace suimei {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kArcsecondsPerRadian = 648000.0 / kPi;
constexpr double kAberrationArcseconds = 20.52;

// Fractional part in 0..1, also for negative arguments (dates before 2000).
double fractionOf(double x) {
    return x - std::floor(x);
}

// Angle reduced into 0 <= a < 2π.
double reduceRadians(double a) {
    a -= kTwoPi * std::floor(a / kTwoPi);
    return a >= kTwoPi ? a - kTwoPi : a;
}

// A fundamental argument given in revolutions at t days from J2000, as radians.
double argument(double revolutions) {
    return kTwoPi * fractionOf(revolutions);
}

}  // namespace

double julianDay(int year, int month, int day, int hour, int minute, bool fromJst) {
    double y = year;
    double m = month;
    if (month < 3) {
        y -= 1;
        m += 12;
    }
    const double c = std::floor(y / 100.0);
    double jd = std::floor(365.25 * y) - c + std::floor(c / 4.0) + std::floor(30.6001 * (m + 1)) +
                day + hour / 24.0 + minute / 1440.0 + 1720996.5;
    if (fromJst) jd -= 0.375;
    return jd;
}

double sunLongitude(double jd) {
    const double t = jd - 2451545.0;
    const double centuriesFrom1900 = t / 36525.0 + 1.0;
    const double L = argument(0.779072 + 0.00273790931 * t);   // Sun, mean longitude
    const double g = argument(0.993126 + 0.0027377785 * t);    // Sun, mean anomaly
    const double Lm = argument(0.606434 + 0.03660110129 * t);  // Moon, mean longitude
    const double g2 = argument(0.140023 + 0.00445036173 * t);  // Venus, mean anomaly
    const double g4 = argument(0.053856 + 0.00145561327 * t);  // Mars, mean anomaly
    const double g5 = argument(0.056531 + 0.00023080893 * t);  // Jupiter, mean anomaly

    const double arcseconds =
        6910.0 * std::sin(g) + 72.0 * std::sin(2.0 * g) - 17.0 * centuriesFrom1900 * std::sin(g) -
        7.0 * std::cos(g - g5) + 6.0 * std::sin(Lm - L) +
        5.0 * std::sin(4.0 * g - 8.0 * g4 + 3.0 * g5) - 5.0 * std::cos(2.0 * g - 2.0 * g2) -
        4.0 * std::sin(g - g2) + 4.0 * std::cos(4.0 * g - 8.0 * g4 + 3.0 * g5) +
        3.0 * std::sin(2.0 * g - 2.0 * g2) - 3.0 * std::sin(g5) -
        3.0 * std::sin(2.0 * g - 2.0 * g5);

    double longitude = reduceRadians(L + arcseconds / kArcsecondsPerRadian);
    longitude = reduceRadians(longitude - kAberrationArcseconds / kArcsecondsPerRadian);
    const double degrees = longitude * 180.0 / kPi;
    return degrees >= 360.0 ? degrees - 360.0 : degrees;
}

double sunLongitudeAtJst(int year, int month, int day, int hour, int minute, Astronomy astronomy) {
    return apparentSunLongitude(astronomy, julianDay(year, month, day, hour, minute, true));
}

int monthTermLongitude(int month) {
    constexpr std::array<int, 13> longitudes = {0,   285, 315, 345, 15,  45, 75,
                                                105, 135, 165, 195, 225, 255};
    return month >= 1 && month <= 12 ? longitudes[static_cast<std::size_t>(month)] : 0;
}

MonthEntry findMonthEntry(int year, int month, Astronomy astronomy) {
    if (month < 1 || month > 12) return {};
    // Every birth asks for the entries of three months; a batch asks for the same months again
    // and again, from every worker. The search is a pure function of the month and the astronomy,
    // so it is done once for the process.
    constexpr std::size_t kMaxMonths = 1 << 14;
    static std::mutex mutex;
    static std::unordered_map<long long, MonthEntry> found;
    const long long key =
        (static_cast<long long>(year) * 16 + month) * 2 + (astronomy == Astronomy::Precise ? 1 : 0);
    {
        const std::lock_guard lock(mutex);
        if (const auto it = found.find(key); it != found.end()) return it->second;
    }
    const MonthEntry entry = findLongitudeEntry(year, month, monthTermLongitude(month), astronomy);
    const std::lock_guard lock(mutex);
    if (found.size() >= kMaxMonths) found.clear();
    found.emplace(key, entry);
    return entry;
}

MonthEntry findLongitudeEntry(int year, int month, double longitude, Astronomy astronomy) {
    MonthEntry entry;
    const int length = daysInMonth(year, month);
    if (length == 0) return entry;
    // Between the years 1 and 9999 every 節 falls between the 1st and the 10th, so the first
    // fifteen days always hold it. For any other longitude the search goes on to the 1st of the
    // next month, so that an entry is never taken from a day that has not reached it.
    int firstDayReached = 0;
    for (int i = 1; i <= length + 1; ++i) {
        if (sunLongitudeAtJst(year, month, i, 0, 0, astronomy) >= longitude) {
            firstDayReached = i;
            break;
        }
    }
    if (firstDayReached == 0) return entry;
    entry.found = true;
    entry.day = firstDayReached - 1;
    entry.hour = 23;  // reached between 23:00 and midnight
    for (int j = 0; j <= 23; ++j) {
        if (sunLongitudeAtJst(year, month, entry.day, j, 0, astronomy) >= longitude) {
            entry.hour = j == 0 ? 0 : j - 1;
            break;
        }
    }
    return entry;
}

}  // namespace suimei
