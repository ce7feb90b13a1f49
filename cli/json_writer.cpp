#include "cli/json_writer.h"

#include <charconv>
#include <cmath>

namespace suimei::cli {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// Length of the UTF-8 sequence that starts at s[i], or 0 when the bytes there are not one.
std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    unsigned int min = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    unsigned int code = c & (n == 2 ? 0x1Fu : n == 3 ? 0x0Fu : 0x07u);
    for (std::size_t k = 1; k < n; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) return 0;
        code = (code << 6) | (d & 0x3Fu);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (depth_ == 0 || depth_ > hasItem_.size()) return;
    if (hasItem_[depth_ - 1]) out_ += ',';
    hasItem_[depth_ - 1] = true;
}

void JsonWriter::open(char bracket) {
    separate();
    out_ += bracket;
    ++depth_;
    if (depth_ <= hasItem_.size()) hasItem_[depth_ - 1] = false;
}

void JsonWriter::close(char bracket) {
    out_ += bracket;
    if (depth_ > 0) --depth_;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    quoted(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

void JsonWriter::value(std::string_view text) {
    separate();
    quoted(text);
}

void JsonWriter::quoted(std::string_view text) {
    out_ += '"';
    std::size_t plain = 0;  // start of the run of bytes copied as they stand
    auto flush = [&](std::size_t i) { out_.append(text, plain, i - plain); };
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t n = utf8Length(text, i);
            if (n > 0) {
                i += n;
                continue;
            }
            // A byte that is not UTF-8 becomes U+FFFD instead of breaking the line.
            flush(i);
            out_ += "\xEF\xBF\xBD";
            plain = ++i;
            continue;
        }
        if (c >= 0x20 && c != '"' && c != '\\') {
            ++i;
            continue;
        }
        flush(i);
        switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\b':
                out_ += "\\b";
                break;
            case '\f':
                out_ += "\\f";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                out_ += "\\u00";
                out_ += kHex[c >> 4];
                out_ += kHex[c & 0xF];
        }
        plain = ++i;
    }
    flush(text.size());
    out_ += '"';
}

void JsonWriter::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
}

void JsonWriter::value(int number) {
    value(static_cast<long long>(number));
}

void JsonWriter::value(long long number) {
    separate();
    std::array<char, 24> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr;
    out_.append(buffer.data(), end);
}

void JsonWriter::value(double number) {
    if (!std::isfinite(number)) {
        null();
        return;
    }
    separate();
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    out_ += text;
    // A whole value stays a floating-point number to a reader: 12 is written 12.0.
    if (text.find_first_of(".e") == std::string_view::npos) out_ += ".0";
}

void JsonWriter::null() {
    separate();
    out_ += "null";
}

}  // namespace suimei::cli
