#pragma once
// The birth date as people type it, brought to the "yyyy/mm/dd" form the validation reads.

#include <string>
#include <string_view>

namespace suimei {

// Returns "1990/05/05" for the common ways of writing a date: 1990/5/5, 1990-05-05, 1990.5.5,
// 19900505 and 1990年5月5日, with full-width digits and separators as well and blanks around it.
// Any other text comes back with only its full-width digits and separators made plain and the
// blanks around it removed, so the validation can name what is wrong with it.
std::string normalizeBirthDateText(std::string_view text);

}  // namespace suimei
