#pragma once
// Which astronomy places the sun: the low-precision series the pillars have always used, or the
// precise one (off by default, chosen in 環境と流派の設定 as "高精度天文計算").

#include <string_view>

namespace suimei {

enum class Astronomy { Described, Precise };

// Apparent geocentric solar longitude in degrees, 0 <= value < 360, at julian day jdUt (UT), by
// the chosen astronomy.
double apparentSunLongitude(Astronomy astronomy, double jdUt);

// Command-line name of an astronomy: "described" or "precise".
std::string_view astronomyName(Astronomy astronomy);
// The astronomy of a command-line name; false for any other text.
bool astronomyFromName(std::string_view name, Astronomy& astronomy);

}  // namespace suimei
