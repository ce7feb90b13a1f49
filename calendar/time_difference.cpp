#include "calendar/time_difference.h"

#include <charconv>

namespace suimei {

TimeDifferenceRow timeDifferenceRow(int row) {
    if (row < 1 || row > kTimeDifferenceRowCount) return {};
    return kTimeDifferenceRows[static_cast<std::size_t>(row)];
}

int timeDifferenceMinutes(int row) {
    const std::string_view text = timeDifferenceRow(row).minutesText;
    if (text.size() < 2) return 0;
    int value = 0;
    const char* first = text.data() + 1;  // past the sign
    if (std::from_chars(first, text.data() + text.size(), value).ec != std::errc{}) return 0;
    return text.front() == '-' ? -value : value;
}

}  // namespace suimei
