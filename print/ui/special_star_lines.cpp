#include "print/ui/special_star_lines.h"

namespace suimei {

std::array<std::vector<std::string>, 4> specialStarLines(const Tmandata& /*chart*/) {
    return {};
}

}  // namespace suimei
