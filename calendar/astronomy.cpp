#include "calendar/astronomy.h"

#include "calendar/precise_sun.h"
#include "calendar/solar_terms.h"

namespace suimei {

double apparentSunLongitude(Astronomy astronomy, double jdUt) {
    return astronomy == Astronomy::Precise ? preciseSunLongitude(jdUt) : sunLongitude(jdUt);
}

std::string_view astronomyName(Astronomy astronomy) {
    return astronomy == Astronomy::Precise ? "precise" : "described";
}

bool astronomyFromName(std::string_view name, Astronomy& astronomy) {
    if (name == "described") {
        astronomy = Astronomy::Described;
        return true;
    }
    if (name == "precise") {
        astronomy = Astronomy::Precise;
        return true;
    }
    return false;
}

}  // namespace suimei
