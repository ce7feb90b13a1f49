#include "core/ini_store.h"

#include <system_error>

#include "core/text_codec.h"

namespace suimei {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A CP932 lead byte; its trail byte may look like '[' or ']' and must not be read as one.
bool isCp932LeadByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x81 && u <= 0x9F) || (u >= 0xE0 && u <= 0xFC);
}

// Names compare without regard to ASCII case; the trail byte of a CP932 double-byte character
// may lie in A..Z and is compared exactly.
bool namesEqual(std::string_view a, std::string_view b, bool cp932) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (cp932 && isCp932LeadByte(a[i])) {
            if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1])) return false;
            ++i;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// Position of the ASCII character `ch` in `s` from `from` on, stepping over double-byte
// characters when the text is CP932; npos when absent.
std::size_t findAscii(std::string_view s, char ch, bool cp932, std::size_t from = 0) {
    for (std::size_t i = from; i < s.size(); ++i) {
        if (s[i] == ch) return i;
        if (cp932 && isCp932LeadByte(s[i])) ++i;
    }
    return std::string_view::npos;
}

// Byte length of the UTF-8 sequence starting at s[i]; 1 for a byte that starts none.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto u = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (u >= 0xC2 && u <= 0xDF) {
        n = 2;
    } else if (u >= 0xE0 && u <= 0xEF) {
        n = 3;
    } else if (u >= 0xF0 && u <= 0xF4) {
        n = 4;
    }
    if (i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

}  // namespace

IniDocument IniDocument::parse(std::string_view bytes) {
    IniDocument doc;
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        doc.encoding_ = Encoding::Utf8WithBom;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        std::size_t endLen = 1;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') endLen = 2;
        doc.lines_.push_back(
            {std::string(bytes.substr(start, i - start)), std::string(bytes.substr(i, endLen))});
        i += endLen - 1;
        start = i + 1;
    }
    if (start < bytes.size()) doc.lines_.push_back({std::string(bytes.substr(start)), ""});
    return doc;
}

std::string IniDocument::serialize() const {
    std::string out;
    if (encoding_ == Encoding::Utf8WithBom) out += kUtf8Bom;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

bool IniDocument::isSectionHeader(const Line& line) const {
    const std::string_view t = trim(line.text);
    return !t.empty() && t.front() == '[';
}

std::optional<std::string_view> IniDocument::headerName(const Line& line) const {
    const std::string_view t = trim(line.text);
    const std::size_t close = findAscii(t, ']', encoding_ == Encoding::Cp932, 1);
    if (close == std::string_view::npos) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

std::optional<std::string_view> IniDocument::keyOf(const Line& line) const {
    const std::string_view t = trim(line.text);
    if (t.empty() || t.front() == '[' || t.front() == ';') return std::nullopt;
    const std::size_t eq = findAscii(t, '=', encoding_ == Encoding::Cp932);
    if (eq == std::string_view::npos) return std::nullopt;
    return trim(t.substr(0, eq));
}

std::optional<std::size_t> IniDocument::findSection(std::string_view rawSection) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!isSectionHeader(lines_[i])) continue;
        const auto name = headerName(lines_[i]);
        if (name && namesEqual(*name, rawSection, encoding_ == Encoding::Cp932)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(std::size_t header, std::string_view rawKey) const {
    for (std::size_t i = header + 1; i < lines_.size() && !isSectionHeader(lines_[i]); ++i) {
        const auto k = keyOf(lines_[i]);
        if (k && namesEqual(*k, rawKey, encoding_ == Encoding::Cp932)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto header = findSection(encodeValue(section));
    if (!header) return std::nullopt;
    const auto at = findKey(*header, encodeValue(key));
    if (!at) return std::nullopt;
    const std::string_view t = trim(lines_[*at].text);
    const std::size_t eq = findAscii(t, '=', encoding_ == Encoding::Cp932);
    const std::string_view raw = trim(t.substr(eq + 1));
    if (encoding_ == Encoding::Cp932) return cp932ToUtf8(raw);
    // The codec checks UTF-8 only behind a BOM.
    return decodeTextFile(std::string(kUtf8Bom) + std::string(raw));
}

std::string IniDocument::encodeValue(std::string_view utf8) const {
    std::string text(utf8);
    // A line break inside a value would start a line of its own and could forge other keys.
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    if (encoding_ == Encoding::Utf8WithBom) return text;
    if (auto whole = utf8ToCp932(text)) return *whole;
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8SequenceLength(text, i);
        const auto one = utf8ToCp932(std::string_view(text).substr(i, n));
        out += one ? *one : "?";
        i += n;
    }
    return out;
}

std::string IniDocument::lineEnding() const {
    for (const Line& line : lines_) {
        if (!line.ending.empty()) return line.ending;
    }
    return "\r\n";
}

void IniDocument::insertLine(std::size_t at, std::string text) {
    const std::string ending = lineEnding();
    if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = ending;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), ending});
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string rawSection = encodeValue(section);
    const std::string rawKey = encodeValue(key);
    std::string entry = rawKey + "=" + encodeValue(value);
    const auto header = findSection(rawSection);
    if (!header) {
        insertLine(lines_.size(), "[" + rawSection + "]");
        insertLine(lines_.size(), std::move(entry));
        return;
    }
    if (const auto at = findKey(*header, rawKey)) {
        // Keep the key as the file spells it.
        entry = std::string(*keyOf(lines_[*at])) + "=" + encodeValue(value);
        lines_[*at].text = std::move(entry);
        return;
    }
    // After the last non-blank line of the section, so blank lines before the next one stay put.
    std::size_t last = *header;
    for (std::size_t i = *header + 1; i < lines_.size() && !isSectionHeader(lines_[i]); ++i) {
        if (!trim(lines_[i].text).empty()) last = i;
    }
    insertLine(last + 1, std::move(entry));
}

IniDocument loadIniFile(const fs::path& path) {
    const auto bytes = readFileBytes(path);
    return bytes ? IniDocument::parse(*bytes) : IniDocument{};
}

bool saveIniFile(const fs::path& path, const IniDocument& document) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(path, ec)) {
        target = fs::weakly_canonical(path, ec);
        if (ec) return false;
    }
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec) return false;
    }
    return writeFileAtomically(target, document.serialize());
}

bool updateIniFile(const fs::path& path, const std::function<void(IniDocument&)>& change) {
    std::error_code ec;
    IniDocument document;
    if (fs::exists(path, ec)) {
        const auto bytes = readFileBytes(path);
        if (!bytes) return false;
        document = IniDocument::parse(*bytes);
    }
    change(document);
    return saveIniFile(path, document);
}

}  // namespace suimei
