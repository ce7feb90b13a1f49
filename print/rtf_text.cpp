#include "print/rtf_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

#include "core/text_codec.h"

namespace suimei::print {

namespace {

struct GroupState {
    bool bold = false;
    bool italic = false;
    double pointSize = 12;
    bool skip = false;  // inside a destination without text
    int unicodeSkip = 1;
};

constexpr std::array<std::string_view, 18> kSkippedDestinations = {"fonttbl",
                                                                   "colortbl",
                                                                   "stylesheet",
                                                                   "info",
                                                                   "pict",
                                                                   "header",
                                                                   "footer",
                                                                   "headerl",
                                                                   "headerr",
                                                                   "footerl",
                                                                   "footerr",
                                                                   "footnote",
                                                                   "themedata",
                                                                   "datastore",
                                                                   "latentstyles",
                                                                   "listtable",
                                                                   "listoverridetable",
                                                                   "rsidtbl"};

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Reader {
  public:
    explicit Reader(std::string_view in) : in_(in) {}

    std::optional<RtfDocument> read() {
        std::vector<GroupState> stack;
        GroupState state;
        int skipChars = 0;  // fallback characters still to drop after a \uN
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '{') {
                flushBytes(state);
                stack.push_back(state);
                ++pos_;
                // "{\*\dest ...}": a destination this reader need not know.
                if (in_.substr(pos_, 2) == "\\*") state.skip = true;
                continue;
            }
            if (c == '}') {
                flushBytes(state);
                if (stack.empty()) return std::nullopt;
                state = stack.back();
                stack.pop_back();
                ++pos_;
                if (stack.empty()) break;  // the end of the document's group
                continue;
            }
            if (c == '\\') {
                ++pos_;
                if (pos_ >= in_.size()) break;
                const char next = in_[pos_];
                if (next == '\'') {
                    if (pos_ + 2 >= in_.size()) break;
                    const int hi = hexValue(in_[pos_ + 1]);
                    const int lo = hexValue(in_[pos_ + 2]);
                    pos_ += 3;
                    if (hi < 0 || lo < 0) continue;
                    if (skipChars > 0) {
                        --skipChars;
                        continue;
                    }
                    if (!state.skip) bytes_ += static_cast<char>(hi * 16 + lo);
                    continue;
                }
                if (!std::isalpha(static_cast<unsigned char>(next))) {
                    ++pos_;
                    if (skipChars > 0) {
                        --skipChars;
                        continue;
                    }
                    // Escaped characters join the text bytes around them, in their place.
                    if (next == '\\' || next == '{' || next == '}') {
                        if (!state.skip) bytes_ += next;
                    } else if (next == '~') {
                        if (!state.skip) bytes_ += ' ';
                    } else if (next == '\n' || next == '\r') {
                        flushBytes(state);
                        if (!state.skip) newParagraph();
                    }
                    continue;
                }
                std::string word;
                while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) {
                    word += in_[pos_++];
                }
                bool hasNumber = false;
                int number = 0;
                bool negative = false;
                if (pos_ < in_.size() && in_[pos_] == '-') {
                    negative = true;
                    ++pos_;
                }
                while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
                    hasNumber = true;
                    number = std::min(number * 10 + (in_[pos_++] - '0'), 1000000);
                }
                if (negative) number = -number;
                if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
                control(state, word, hasNumber, number, skipChars);
                continue;
            }
            if (c == '\r' || c == '\n') {
                ++pos_;
                continue;
            }
            ++pos_;
            if (skipChars > 0) {
                --skipChars;
                continue;
            }
            if (!state.skip) bytes_ += c;
        }
        flushBytes(state);
        if (!stack.empty()) return std::nullopt;
        // Trailing empty paragraphs carry nothing.
        while (!doc_.paragraphs.empty() && doc_.paragraphs.back().plainText().empty()) {
            doc_.paragraphs.pop_back();
        }
        if (!paragraph_.runs.empty()) doc_.paragraphs.push_back(paragraph_);
        return doc_;
    }

  private:
    void control(GroupState& state, const std::string& word, bool hasNumber, int number,
                 int& skipChars) {
        flushBytes(state);
        if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
            kSkippedDestinations.end()) {
            state.skip = true;
            return;
        }
        if (word == "par") {
            if (!state.skip) newParagraph();
        } else if (word == "line") {
            if (!state.skip) newParagraph();
        } else if (word == "tab") {
            addText(state, "　");
        } else if (word == "b") {
            state.bold = !hasNumber || number != 0;
        } else if (word == "i") {
            state.italic = !hasNumber || number != 0;
        } else if (word == "fs" && hasNumber && number > 0) {
            state.pointSize = number / 2.0;
        } else if (word == "plain") {
            state.bold = state.italic = false;
            state.pointSize = 12;
        } else if (word == "pard") {
            centred_ = false;
        } else if (word == "qc") {
            centred_ = true;
        } else if (word == "uc" && hasNumber) {
            state.unicodeSkip = std::max(0, number);
        } else if (word == "u" && hasNumber) {
            const auto unit = static_cast<std::uint32_t>(number < 0 ? number + 65536 : number);
            skipChars = state.unicodeSkip;
            // A character outside the basic plane comes as two \u: its surrogate pair.
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                highSurrogate_ = unit;
                return;
            }
            std::uint32_t cp = unit;
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                if (highSurrogate_ == 0) return;  // a lone half is no character
                cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
            }
            highSurrogate_ = 0;
            std::string t;
            appendUtf8(t, cp);
            addText(state, t);
        }
    }

    // Bytes of the file's code page become text at the next control or group.
    void flushBytes(const GroupState& state) {
        if (bytes_.empty()) return;
        std::string bytes;
        std::swap(bytes, bytes_);
        const std::optional<std::string> text = cp932ToUtf8(bytes);
        // Bytes that are no CP932 are taken as they stand (a writer that put UTF-8 in the file).
        addText(state, text ? *text : bytes);
    }

    void addText(const GroupState& state, const std::string& text) {
        if (state.skip || text.empty()) return;
        paragraph_.centred = centred_;
        if (!paragraph_.runs.empty()) {
            RtfRun& last = paragraph_.runs.back();
            if (last.bold == state.bold && last.italic == state.italic &&
                last.pointSize == state.pointSize) {
                last.text += text;
                return;
            }
        }
        paragraph_.runs.push_back({text, state.bold, state.italic, state.pointSize});
    }

    void newParagraph() {
        paragraph_.centred = centred_;
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = {};
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::string bytes_;
    std::uint32_t highSurrogate_ = 0;  // the first half of a pair, until its second comes
    bool centred_ = false;
    RtfParagraph paragraph_;
    RtfDocument doc_;
};

}  // namespace

std::string RtfParagraph::plainText() const {
    std::string text;
    for (const RtfRun& r : runs) text += r.text;
    return text;
}

std::optional<RtfDocument> parseRtf(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (bytes.substr(0, 5) != "{\\rtf") return std::nullopt;
    return Reader(bytes).read();
}

namespace {

// Appends UTF-8 text as RTF: ASCII as it is (with \ { } escaped), anything else as \uN? in
// UTF-16 units, N signed as RTF wants it.
void appendRtfText(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c == '\\' || c == '{' || c == '}') out += '\\';
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        std::uint32_t cp = length == 4 ? c & 0x07u : length == 3 ? c & 0x0Fu : c & 0x1Fu;
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < text.size(); ++k) {
            cp = (cp << 6) |
                 (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3Fu);
        }
        i += static_cast<std::size_t>(length);
        const auto unit = [&out](std::uint32_t u) {
            out += "\\u" + std::to_string(static_cast<std::int16_t>(u)) + "?";
        };
        if (cp > 0xFFFF) {
            cp -= 0x10000;
            unit(0xD800 + (cp >> 10));
            unit(0xDC00 + (cp & 0x3FF));
        } else {
            unit(cp);
        }
    }
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lower;
}

// Text between tags: entities read, runs of ASCII white space (the source's line breaks) made
// one space, and none at all next to a full-width character.
std::string htmlText(std::string_view raw) {
    std::string text;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '&') {
            const std::size_t semi = raw.find(';', i);
            if (semi != std::string_view::npos && semi - i <= 6) {
                const std::string_view name = raw.substr(i + 1, semi - i - 1);
                const char* value = name == "amp"    ? "&"
                                    : name == "lt"   ? "<"
                                    : name == "gt"   ? ">"
                                    : name == "quot" ? "\""
                                    : name == "nbsp" ? " "
                                                     : nullptr;
                if (value) {
                    text += value;
                    i = semi;
                    continue;
                }
            }
        }
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            // A line break of the source inside Japanese text is no space; other white space is
            // one space.
            std::size_t next = i;
            bool lineBreak = false;
            while (next < raw.size() && (raw[next] == ' ' || raw[next] == '\n' ||
                                         raw[next] == '\r' || raw[next] == '\t')) {
                lineBreak = lineBreak || raw[next] == '\n';
                ++next;
            }
            const bool wide = (!text.empty() && static_cast<unsigned char>(text.back()) >= 0x80) ||
                              (next < raw.size() && static_cast<unsigned char>(raw[next]) >= 0x80);
            if (!text.empty() && text.back() != ' ' && !(lineBreak && wide)) text += ' ';
            i = next - 1;
            continue;
        }
        text += c;
    }
    return text;
}

}  // namespace

std::string rtfFromSimpleHtml(std::string_view html) {
    std::string out = "{\\rtf1\\ansi\\deff0\\uc1\n";
    bool inHead = false;
    bool inParagraph = false;
    bool firstCell = true;
    std::string pending;  // text of the paragraph being read
    const auto flushText = [&] {
        std::string text = std::move(pending);
        pending.clear();
        // No space at the start of a paragraph, a cell or a bold run (after a control word).
        if (!out.empty() && out.back() == ' ') {
            const auto first = text.find_first_not_of(' ');
            text = first == std::string::npos ? std::string() : text.substr(first);
        }
        appendRtfText(out, text);
    };
    const auto open = [&](const std::string& controls) {
        pending.clear();
        out += "{\\pard\\plain" + controls + " ";
        inParagraph = true;
    };
    const auto close = [&] {
        if (!inParagraph) return;
        while (!pending.empty() && pending.back() == ' ') pending.pop_back();
        flushText();
        out += "\\par}\n";
        inParagraph = false;
    };
    for (std::size_t i = 0; i < html.size();) {
        if (html.compare(i, 4, "<!--") == 0) {
            const std::size_t end = html.find("-->", i);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        if (html[i] != '<') {
            const std::size_t next = std::min(html.find('<', i), html.size());
            if (!inHead) {
                if (inParagraph) pending += htmlText(html.substr(i, next - i));
            }
            i = next;
            continue;
        }
        const std::size_t end = html.find('>', i);
        if (end == std::string_view::npos) break;
        const std::string tag = lowerAscii(html.substr(i + 1, end - i - 1));
        i = end + 1;
        const bool closing = !tag.empty() && tag.front() == '/';
        const std::string name =
            tag.substr(closing ? 1 : 0, tag.find_first_of(" /", 1) - (closing ? 1 : 0));
        const bool centred = tag.find("align=\"center\"") != std::string::npos;
        if (name == "head") {
            inHead = !closing;
        } else if (name == "h1" || name == "h2" || name == "h3") {
            if (closing) {
                close();
            } else {
                close();
                const char* size = name == "h1" ? "\\fs32" : name == "h2" ? "\\fs26" : "\\fs23";
                open(std::string(centred ? "\\qc" : "") + "\\b" + size);
            }
        } else if (name == "p") {
            close();
            if (!closing) open(std::string(centred ? "\\qc" : "") + "\\fs21");
        } else if (name == "li") {
            close();
            if (!closing) {
                open("\\fs21");
                appendRtfText(out, "・");
            }
        } else if (name == "tr") {
            close();
            if (!closing) {
                open("\\fs21");
                firstCell = true;
            }
        } else if ((name == "td" || name == "th") && inParagraph) {
            if (!closing) {
                flushText();
                if (!firstCell) appendRtfText(out, "　");
                firstCell = false;
                if (name == "th") out += "{\\b ";
            } else {
                while (!pending.empty() && pending.back() == ' ') pending.pop_back();
                flushText();
                if (name == "th") out += "}";
            }
        } else if (name == "b" && inParagraph) {
            flushText();
            out += closing ? "}" : "{\\b ";
        } else if (name == "br" && inParagraph) {
            flushText();
            out += "\\line ";
        } else if (name == "table" || name == "ul" || name == "body" || name == "html") {
            close();
        }
    }
    close();
    out += "}\n";
    return out;
}

}  // namespace suimei::print
