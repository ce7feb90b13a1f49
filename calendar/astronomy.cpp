#include "calendar/astronomy.h"

#include "calendar/solar_terms.h"

namespace suimei {

double apparentSunLongitude(Astronomy astronomy, double jdUt) {
    switch (astronomy) {
        case Astronomy::Described:
        case Astronomy::Precise:
            break;
    }
    return sunLongitude(jdUt);
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
