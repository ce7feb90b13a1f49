#pragma once
// The readings of the luck pages: the fortune label of an annual column from the annual imagery
// table, and the lines a click on a luck grid column appends to the luck memo (memo3.txt).

#include <string>
#include <vector>

#include "chart/luck.h"
#include "core/app_paths.h"
#include "core/notifier.h"
#include "readings/passage_table.h"

namespace suimei {

struct FortuneLabel {
    std::string text;  // the keyword
    std::string hint;
};
// A ○ year reads the good keyword and hint of (day stem, year stem), any other mark the bad ones;
// an out-of-range column reads nothing.
FortuneLabel annualFortune(const AnnualImagery& imagery, int dayStem, const AnnualColumn& year);

enum class LuckGrid { Periods, Years };  // dai_hyo, nen_hyo
// The heading of a grid column and its reading: "●" + start age + "から１０年間の大運－【" + ten
// god + "-" + stage + "】" (periods, columns 1..12) or "○" + age + "の年運－【...】" (years,
// columns 1..120), then the memo3.txt section of the pair. A column outside the filled range, or
// any column before a run, gives nothing. File faults are reported through the notifier; the
// heading stays.
std::vector<std::string> luckGridClickLines(const Tmandata& chart, LuckGrid grid, int column,
                                            const AppPaths& paths, Notifier& notifier);

}  // namespace suimei
