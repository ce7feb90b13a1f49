#include "calendar/types.h"

namespace suimei {

std::string pillarName(Pillar p) {
    std::string s(stemName(p.stem));
    s += branchName(p.branch);
    return s;
}

int birthTimeIndexOf(std::string_view text) {
    for (std::size_t i = 0; i < kBirthTimeSlots.size(); ++i) {
        if (kBirthTimeSlots[i] == text) return static_cast<int>(i);
    }
    return -1;
}

bool birthTimeSlotMiddle(int index, int& hour, int& minute) {
    if (index < 0 || index > 12) return false;
    if (index == 0) {
        hour = 0;
        minute = 30;
    } else if (index == 12) {
        hour = 23;
        minute = 30;
    } else {
        hour = 2 * index;
        minute = 0;
    }
    return true;
}

}  // namespace suimei
