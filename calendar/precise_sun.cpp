#include "calendar/precise_sun.h"

#include <array>
#include <cmath>
#include <limits>

namespace suimei {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kDaysPerMillennium = 365250.0;
constexpr double kSecondsPerDay = 86400.0;
// Far outside this the theory means nothing and the angles lose their digits.
constexpr double kMaxDaysFromJ2000 = 1e8;

// One term A cos(B + C τ) of a VSOP87 series: A in 1e-8 radians (longitude) or 1e-8 AU (radius),
// B in radians, C in radians per Julian millennium.
struct VsopTerm {
    double a, b, c;
};

// One term a line, as in the printed tables.
// clang-format off

// The Earth's heliocentric ecliptic longitude L (referred to the mean dynamical ecliptic and
// equinox of date), VSOP87D, in the order and abridgement of Meeus, Appendix III.
constexpr std::array<VsopTerm, 64> kL0 = {{
    {175347046, 0, 0},
    {3341656, 4.6692568, 6283.0758500},
    {34894, 4.62610, 12566.15170},
    {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},
    {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},
    {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},
    {1273, 2.0371, 529.6910},
    {1199, 1.1096, 1577.3435},
    {990, 5.233, 5884.927},
    {902, 2.045, 26.298},
    {857, 3.508, 398.149},
    {780, 1.179, 5223.694},
    {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},
    {492, 4.205, 775.523},
    {357, 2.920, 0.067},
    {317, 5.849, 11790.629},
    {284, 1.899, 796.298},
    {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},
    {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},
    {202, 2.458, 6069.777},
    {156, 0.833, 213.299},
    {132, 3.411, 2942.463},
    {126, 1.083, 20.775},
    {115, 0.645, 0.980},
    {103, 0.636, 4694.003},
    {102, 0.976, 15720.839},
    {102, 4.267, 7.114},
    {99, 6.21, 2146.17},
    {98, 0.68, 155.42},
    {86, 5.98, 161000.69},
    {85, 1.30, 6275.96},
    {85, 3.67, 71430.70},
    {80, 1.81, 17260.15},
    {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},
    {74, 3.50, 3154.69},
    {74, 4.68, 801.82},
    {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},
    {61, 1.82, 7084.90},
    {57, 2.78, 6286.60},
    {56, 4.39, 14143.50},
    {56, 3.47, 6279.55},
    {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},
    {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},
    {41, 5.37, 8429.24},
    {41, 2.40, 19651.05},
    {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},
    {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},
    {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},
    {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},
    {25, 3.16, 4690.48},
}};
constexpr std::array<VsopTerm, 34> kL1 = {{
    {628331966747, 0, 0},
    {206059, 2.678235, 6283.075850},
    {4303, 2.6351, 12566.1517},
    {425, 1.590, 3.523},
    {119, 5.796, 26.298},
    {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},
    {72, 1.14, 529.69},
    {68, 1.87, 398.15},
    {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},
    {56, 2.17, 155.42},
    {45, 0.40, 796.30},
    {36, 0.47, 775.52},
    {29, 2.65, 7.11},
    {21, 5.34, 0.98},
    {19, 1.85, 5486.78},
    {19, 4.97, 213.30},
    {17, 2.99, 6275.96},
    {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},
    {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},
    {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},
    {12, 2.08, 4694.00},
    {11, 0.77, 553.57},
    {10, 1.30, 6286.60},
    {10, 4.24, 1349.87},
    {9, 2.70, 242.73},
    {9, 5.64, 951.72},
    {8, 5.30, 2352.87},
    {6, 2.65, 9437.76},
    {6, 4.67, 4690.48},
}};
constexpr std::array<VsopTerm, 20> kL2 = {{
    {52919, 0, 0},
    {8720, 1.0721, 6283.0758},
    {309, 0.867, 12566.152},
    {27, 0.05, 3.52},
    {16, 5.19, 26.30},
    {16, 3.68, 155.42},
    {10, 0.76, 18849.23},
    {9, 2.06, 77713.77},
    {7, 0.83, 775.52},
    {5, 4.66, 1577.34},
    {4, 1.03, 7.11},
    {4, 3.44, 5573.14},
    {3, 5.14, 796.30},
    {3, 6.05, 5507.55},
    {3, 1.19, 242.73},
    {3, 6.12, 529.69},
    {3, 0.31, 398.15},
    {3, 2.28, 553.57},
    {2, 4.38, 5223.69},
    {2, 3.75, 0.98},
}};
constexpr std::array<VsopTerm, 7> kL3 = {{
    {289, 5.844, 6283.076},
    {35, 0, 0},
    {17, 5.49, 12566.15},
    {3, 5.20, 155.42},
    {1, 4.72, 3.52},
    {1, 5.30, 18849.23},
    {1, 5.97, 242.73},
}};
constexpr std::array<VsopTerm, 3> kL4 = {{
    {114, 3.142, 0},
    {8, 4.13, 6283.08},
    {1, 3.84, 12566.15},
}};
constexpr std::array<VsopTerm, 1> kL5 = {{
    {1, 3.14, 0},
}};

// The Earth's radius vector R (AU), same source and order.
constexpr std::array<VsopTerm, 40> kR0 = {{
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.0758500},
    {13956, 3.05525, 12566.15170},
    {3084, 5.1985, 77713.7715},
    {1628, 1.1739, 5753.3849},
    {1576, 2.8469, 7860.4194},
    {925, 5.453, 11506.770},
    {542, 4.564, 3930.210},
    {472, 3.661, 5884.927},
    {346, 0.964, 5507.553},
    {329, 5.900, 5223.694},
    {307, 0.299, 5573.143},
    {243, 4.273, 11790.629},
    {212, 5.847, 1577.344},
    {186, 5.022, 10977.079},
    {175, 3.012, 18849.228},
    {110, 5.055, 5486.778},
    {98, 0.89, 6069.78},
    {86, 5.69, 15720.84},
    {86, 1.27, 161000.69},
    {65, 0.27, 17260.15},
    {63, 0.92, 529.69},
    {57, 2.01, 83996.85},
    {56, 5.24, 71430.70},
    {49, 3.25, 2544.31},
    {47, 2.58, 775.52},
    {45, 5.54, 9437.76},
    {43, 6.01, 6275.96},
    {39, 5.36, 4694.00},
    {38, 2.39, 8827.39},
    {37, 0.83, 19651.05},
    {37, 4.90, 12139.55},
    {36, 1.67, 12036.46},
    {35, 1.84, 2942.46},
    {33, 0.24, 7084.90},
    {32, 0.18, 5088.63},
    {32, 1.78, 398.15},
    {28, 1.21, 6286.60},
    {28, 1.90, 6279.55},
    {26, 4.59, 10447.39},
}};
constexpr std::array<VsopTerm, 10> kR1 = {{
    {103019, 1.107490, 6283.075850},
    {1721, 1.0644, 12566.1517},
    {702, 3.142, 0},
    {32, 1.02, 18849.23},
    {31, 2.84, 5507.55},
    {25, 1.32, 5223.69},
    {18, 1.42, 1577.34},
    {10, 5.91, 10977.08},
    {9, 1.42, 6275.96},
    {9, 0.27, 5486.78},
}};
constexpr std::array<VsopTerm, 6> kR2 = {{
    {4359, 5.7846, 6283.0758},
    {124, 5.579, 12566.152},
    {12, 3.14, 0},
    {9, 3.63, 77713.77},
    {6, 1.87, 5573.14},
    {3, 5.47, 18849.23},
}};
constexpr std::array<VsopTerm, 2> kR3 = {{
    {145, 4.273, 6283.076},
    {7, 3.92, 12566.15},
}};
constexpr std::array<VsopTerm, 1> kR4 = {{
    {4, 2.56, 6283.08},
}};

// One term of the IAU 1980 nutation in longitude: multiples of the arguments D, M, M', F, Ω and
// the coefficient in 0.0001" (constant and per Julian century). Meeus, Table 22.A, down to the
// terms of 0.0005"; the rest add less than 0.01" together.
struct NutationTerm {
    int d, m, mp, f, om;
    double psi, psiPerCentury;
};
constexpr std::array<NutationTerm, 49> kNutation = {{
    {0, 0, 0, 0, 1, -171996, -174.2},
    {-2, 0, 0, 2, 2, -13187, -1.6},
    {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},
    {0, 1, 0, 0, 0, 1426, -3.4},
    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},
    {0, 0, 0, 2, 1, -386, -0.4},
    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},
    {-2, 0, 1, 0, 0, -158, 0},
    {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},
    {2, 0, 0, 0, 0, 63, 0},
    {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},
    {0, 0, -1, 0, 1, -58, -0.1},
    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},
    {0, 0, -2, 2, 1, 46, 0},
    {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},
    {0, 0, 2, 0, 0, 29, 0},
    {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},
    {-2, 0, 0, 2, 0, -22, 0},
    {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},
    {2, 0, -1, 0, 1, 16, 0},
    {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},
    {-2, 0, 1, 0, 1, -13, 0},
    {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},
    {2, 0, -1, 2, 1, -10, 0},
    {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},
    {-2, 1, 1, 0, 0, -7, 0},
    {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},
    {2, 0, 1, 0, 0, 6, 0},
    {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},
    {2, 0, -2, 0, 1, -6, 0},
    {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},
    {-2, -1, 0, 2, 1, -5, 0},
    {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},
}};

// clang-format on

template <std::size_t N>
double seriesSum(const std::array<VsopTerm, N>& series, double tau) {
    double sum = 0;
    for (const VsopTerm& term : series) sum += term.a * std::cos(term.b + term.c * tau);
    return sum;
}

double reduceDegrees(double degrees) {
    double r = std::fmod(degrees, 360.0);
    if (r < 0) r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

// Nutation in longitude Δψ in arcseconds at T Julian centuries (TT) from J2000.0.
double nutationInLongitude(double T) {
    const double T2 = T * T;
    const double T3 = T2 * T;
    // Mean elongation of the Moon, mean anomalies of the Sun and the Moon, the Moon's argument of
    // latitude and the longitude of its ascending node (Meeus 22), in degrees.
    const double D = 297.85036 + 445267.111480 * T - 0.0019142 * T2 + T3 / 189474.0;
    const double M = 357.52772 + 35999.050340 * T - 0.0001603 * T2 - T3 / 300000.0;
    const double Mp = 134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250.0;
    const double F = 93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270.0;
    const double Om = 125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000.0;
    double sum = 0;
    for (const NutationTerm& n : kNutation) {
        const double argument = n.d * D + n.m * M + n.mp * Mp + n.f * F + n.om * Om;
        sum += (n.psi + n.psiPerCentury * T) * std::sin(reduceDegrees(argument) * kDegToRad);
    }
    return sum * 1e-4;
}

}  // namespace

double deltaTSeconds(double y) {
    const auto parabola = [](double year) {
        const double u = (year - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    };
    if (!(y >= 1600.0 && y < 2200.0)) return parabola(y);
    if (y < 1700.0) {
        const double t = y - 1600.0;
        return 120.0 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129.0;
    }
    if (y < 1800.0) {
        const double t = y - 1700.0;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t -
               t * t * t * t / 1174000.0;
    }
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 +
               t * (-0.332447 +
                    t * (0.0068612 +
                         t * (0.0041116 +
                              t * (-0.00037436 + t * (0.0000121272 +
                                                      t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 +
                           t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 + t * -0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    if (y < 2150.0) return parabola(y) - 0.5628 * (2150.0 - y);
    return parabola(y);
}

double preciseSunLongitudeTt(double jde) {
    const double days = jde - kJ2000;
    if (!(std::fabs(days) < kMaxDaysFromJ2000)) return std::numeric_limits<double>::quiet_NaN();
    const double tau = days / kDaysPerMillennium;
    const double T = days / kDaysPerCentury;

    const double L =
        (seriesSum(kL0, tau) +
         tau * (seriesSum(kL1, tau) +
                tau * (seriesSum(kL2, tau) +
                       tau * (seriesSum(kL3, tau) +
                              tau * (seriesSum(kL4, tau) + tau * seriesSum(kL5, tau)))))) *
        1e-8;
    const double R = (seriesSum(kR0, tau) +
                      tau * (seriesSum(kR1, tau) +
                             tau * (seriesSum(kR2, tau) +
                                    tau * (seriesSum(kR3, tau) + tau * seriesSum(kR4, tau))))) *
                     1e-8;

    // Geocentric: the Sun is seen opposite the Earth.
    double arcseconds = 0;
    // VSOP87 to FK5 (Meeus 32.3); its latitude part is below 0.0001" for the Sun's latitude.
    arcseconds += -0.09033;
    arcseconds += nutationInLongitude(T);
    // Annual aberration with the Earth's distance (Meeus 25.10).
    arcseconds += -20.4898 / R;
    return reduceDegrees(L / kDegToRad + 180.0 + arcseconds / 3600.0);
}

double preciseSunLongitude(double jdUt) {
    if (!(std::fabs(jdUt - kJ2000) < kMaxDaysFromJ2000)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double year = 2000.0 + (jdUt - 2451544.5) / 365.2425;
    return preciseSunLongitudeTt(jdUt + deltaTSeconds(year) / kSecondsPerDay);
}

double preciseSunLongitudeMoment(double longitude, double jdUtGuess) {
    // The Sun's mean motion in degrees per day; its true motion stays within 3.5 % of it, so each
    // step shrinks the error thirty-fold.
    constexpr double kMeanMotion = 360.0 / 365.2422;
    constexpr double kTolerance = 1e-7;  // days: under 0.01 s
    constexpr int kMaxSteps = 30;
    if (!std::isfinite(longitude)) return std::numeric_limits<double>::quiet_NaN();
    double t = jdUtGuess;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double lambda = preciseSunLongitude(t);
        if (std::isnan(lambda)) break;
        double d = std::remainder(longitude - lambda, 360.0);  // -180..180
        const double delta = d / kMeanMotion;
        t += delta;
        if (std::fabs(delta) < kTolerance) return t;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace suimei
