#pragma once
// UTF-8 engine text as QString, for every window.

#include <QString>

#include <string_view>

namespace suimei {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace suimei
