#include "chart/birth_date_text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace suimei {
namespace {

struct DateForm {
    const char* label;
    const char* typed;
    const char* expected;
};

void PrintTo(const DateForm& f, std::ostream* os) {
    *os << f.label;
}

class BirthDateForms : public testing::TestWithParam<DateForm> {};

TEST_P(BirthDateForms, ComeOutAsTheValidationReadsThem) {
    EXPECT_EQ(normalizeBirthDateText(GetParam().typed), GetParam().expected) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Normalisation, BirthDateForms,
    testing::Values(DateForm{"slashes get their zeros", "1990/5/5", "1990/05/05"},
                    DateForm{"already normal", "1990/05/05", "1990/05/05"},
                    DateForm{"dashes", "1990-05-05", "1990/05/05"},
                    DateForm{"dots", "1990.5.5", "1990/05/05"},
                    DateForm{"eight digits", "19900505", "1990/05/05"},
                    DateForm{"kanji", "1990年5月5日", "1990/05/05"},
                    DateForm{"kanji without 日", "1990年5月5", "1990/05/05"},
                    DateForm{"full-width digits and slashes", "１９９０／５／５", "1990/05/05"},
                    DateForm{"full-width kanji form", "１９９０年１２月３１日", "1990/12/31"},
                    DateForm{"blanks around it", "  1990-5-5　", "1990/05/05"},
                    // What is not a date keeps its faults for the validation to name.
                    DateForm{"mixed separators", "1990-05/05", "1990-05/05"},
                    DateForm{"letters", "abcdefg", "abcdefg"}, DateForm{"empty", "", ""},
                    DateForm{"seven digits", "1990505", "1990505"},
                    DateForm{"month 13 stays 13", "1990-13-01", "1990/13/01"},
                    DateForm{"a three-digit day stays", "1990/5/123", "1990/5/123"},
                    DateForm{"a five-digit year stays as it is", "99999/1/1", "99999/01/01"},
                    DateForm{"era letter is F2's work", "S34/12/26", "S34/12/26"},
                    DateForm{"no day", "1990/5", "1990/5"}, DateForm{"only blanks", "　 ", ""}),
    [](const testing::TestParamInfo<DateForm>& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace suimei
