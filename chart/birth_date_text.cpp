#include "chart/birth_date_text.h"

#include <cstdio>

namespace suimei {

namespace {

// Full-width forms typed with a Japanese input method, and their plain counterparts.
struct WideForm {
    std::string_view wide;
    char plain;
};
constexpr WideForm kWideForms[] = {
    {"０", '0'}, {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'}, {"５", '5'}, {"６", '6'},
    {"７", '7'}, {"８", '8'}, {"９", '9'}, {"／", '/'}, {"－", '-'}, {"．", '.'}, {"　", ' '},
};

std::string plainForms(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        bool replaced = false;
        for (const WideForm& f : kWideForms) {
            if (text.substr(0, f.wide.size()) == f.wide) {
                out += f.plain;
                text.remove_prefix(f.wide.size());
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            out += text.front();
            text.remove_prefix(1);
        }
    }
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads "<digits><first><digits><second><digits><end>" exactly; false for anything else.
bool splitParts(std::string_view text, std::string_view first, std::string_view second,
                std::string_view end, std::string_view parts[3]) {
    const std::string_view separators[3] = {first, second, end};
    for (int i = 0; i < 3; ++i) {
        std::size_t n = 0;
        while (n < text.size() && isDigit(text[n])) ++n;
        if (n == 0) return false;
        parts[i] = text.substr(0, n);
        text.remove_prefix(n);
        if (text.substr(0, separators[i].size()) != separators[i]) return false;
        text.remove_prefix(separators[i].size());
    }
    return text.empty();
}

int toNumber(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::string normalizeBirthDateText(std::string_view typed) {
    const std::string text = plainForms(typed);
    std::string_view parts[3];
    bool found = false;
    if (text.size() == 8 && text.find_first_not_of("0123456789") == std::string::npos) {
        parts[0] = std::string_view(text).substr(0, 4);
        parts[1] = std::string_view(text).substr(4, 2);
        parts[2] = std::string_view(text).substr(6, 2);
        found = true;
    } else {
        for (std::string_view sep : {"/", "-", "."}) {
            found = found || splitParts(text, sep, sep, "", parts);
        }
        // 1990年5月5日, the 日 may be left off.
        found = found || splitParts(text, "年", "月", "日", parts) ||
                splitParts(text, "年", "月", "", parts);
    }
    // A year of more than nine digits, or a month or day of more than two, is left for the
    // validation to refuse as it stands.
    if (!found || parts[0].size() > 9 || parts[1].size() > 2 || parts[2].size() > 2) return text;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", toNumber(parts[0]), toNumber(parts[1]),
                  toNumber(parts[2]));
    return buffer;
}

}  // namespace suimei
