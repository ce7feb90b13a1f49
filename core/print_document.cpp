#include "core/print_document.h"

#include <cstdint>

namespace suimei::print {

namespace {

// The length in bytes of the UTF-8 character starting at s[i] (1 for a broken byte).
std::size_t charLength(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80           ? 1
                    : (c >> 5) == 0x6  ? 2
                    : (c >> 4) == 0xE  ? 3
                    : (c >> 3) == 0x1E ? 4
                                       : 1;
    return i + n <= s.size() ? n : 1;
}

std::uint32_t codePoint(std::string_view ch) {
    const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(ch[i]) & 0xFF; };
    switch (ch.size()) {
        case 2:
            return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3:
            return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        case 4:
            return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
                   (b(3) & 0x3F);
        default:
            return b(0);
    }
}

// Half-width katakana (U+FF61..U+FF9F) and everything below U+1100 take half an em.
double charWidthEm(std::string_view ch) {
    const std::uint32_t c = codePoint(ch);
    if (c < 0x1100) return 0.5;
    if (c >= 0xFF61 && c <= 0xFF9F) return 0.5;
    return 1.0;
}

bool mustNotStartLine(std::string_view ch) {
    for (std::string_view p : {"、", "。", "）", "」", "』", "，", "．", "・", "ー", "ゃ", "ゅ",
                               "ょ", "っ", "ャ", "ュ", "ョ", "ッ", "！", "？", ")",  ",",  "."}) {
        if (ch == p) return true;
    }
    return false;
}

}  // namespace

PrintItem textItem(double x, double y, double width, double height, std::string text, FontFace face,
                   double pointSize) {
    PrintItem item;
    item.kind = ItemKind::Text;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    item.text = std::move(text);
    item.face = face;
    item.pointSize = pointSize;
    return item;
}

PrintItem shapeItem(ItemKind kind, double x, double y, double width, double height) {
    PrintItem item;
    item.kind = kind;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    return item;
}

double textWidthEm(std::string_view text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = charLength(text, i);
        width += charWidthEm(text.substr(i, n));
        i += n;
    }
    return width;
}

std::vector<std::string> wrapText(std::string_view text, double widthMm, double pointSize) {
    std::vector<std::string> lines;
    // A text that ends its last line with a break has no empty line after it.
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (text.empty()) return lines;
    const double em = pointSize * kMillimetresPerPoint;
    const double limit = em > 0 ? widthMm / em : 0;
    std::string line;
    double used = 0;
    for (std::size_t i = 0; i <= text.size();) {
        if (i == text.size() || text[i] == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
            used = 0;
            ++i;
            continue;
        }
        const std::size_t n = charLength(text, i);
        const std::string_view ch = text.substr(i, n);
        const double w = charWidthEm(ch);
        // A character that does not fit starts a new line, unless the line is empty (a box
        // narrower than one character still shows something) or it is closing punctuation.
        if (used + w > limit + 1e-9 && !line.empty() && !mustNotStartLine(ch)) {
            lines.push_back(line);
            line.clear();
            used = 0;
        }
        line.append(ch);
        used += w;
        i += n;
    }
    return lines;
}

}  // namespace suimei::print
