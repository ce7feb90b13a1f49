#pragma once
// Texts the side windows share: UTF-8 engine text as QString, and the school names of the
// settings. The settings header stays out of the windows that also read the chart tables.

#include <QString>

#include <string_view>

namespace suimei {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Name of hidden-stem school 0..5 ("三命通会" .. "明朝透派"); empty out of range.
QString hiddenStemSchoolText(int school);
// The chart page's label of twelve-stage school 0..2 ("十二運星：陽生陰死式", ...); empty out of
// range.
QString stageSchoolLabelText(int school);

}  // namespace suimei
