#pragma once
// A profile (INI) file held as its own lines, so that whatever we do not know — sections, keys,
// comments, blank lines, line endings, odd bytes — is written back exactly as it was read.
//
// The file is CP932 (what the companion programs read); a file that starts with a UTF-8 BOM is
// read as UTF-8 and written back as UTF-8 with its BOM. Values pass in and out as UTF-8.
// Section and key names compare without regard to ASCII case; of two equal keys or sections the
// first one counts. A line "[name" without its "]" opens a section that no name matches, so the
// keys below a cut-off header are never taken for keys of the section before it.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace suimei {

class IniDocument {
  public:
    enum class Encoding { Cp932, Utf8WithBom };

    IniDocument() = default;

    // Reads any bytes; never fails (lines it cannot make sense of are kept and ignored).
    static IniDocument parse(std::string_view bytes);
    // The file's bytes: unchanged lines byte for byte, new lines with the file's line ending.
    std::string serialize() const;

    // The value of `key` in `section`, trimmed of blanks, as UTF-8; nullopt when the key is
    // missing or its bytes are not text in the file's encoding.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Sets `key` in `section` to a UTF-8 value: an existing line is rewritten in place, a new key
    // goes after the last entry of its section, a new section at the end of the file. Line breaks
    // in the value become blanks; a character without a CP932 form is written as "?". Section and
    // key names are UTF-8 too and are matched in the file's encoding.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    Encoding encoding() const { return encoding_; }

  private:
    struct Line {
        std::string text;    // raw bytes without the line ending
        std::string ending;  // "\r\n", "\n", "\r" or "" (last line without one)
    };

    bool isSectionHeader(const Line& line) const;
    // The section name of a header line; nullopt for a header without its closing bracket.
    std::optional<std::string_view> headerName(const Line& line) const;
    // Key part of a key line (trimmed raw bytes); nullopt when the line holds no key.
    std::optional<std::string_view> keyOf(const Line& line) const;
    // Index of the first header line of a section (its name in the file's encoding), or nullopt.
    std::optional<std::size_t> findSection(std::string_view rawSection) const;
    // Index of the key line inside the section starting at `header`, or nullopt.
    std::optional<std::size_t> findKey(std::size_t header, std::string_view rawKey) const;
    std::string encodeValue(std::string_view utf8) const;
    std::string lineEnding() const;
    void insertLine(std::size_t at, std::string text);

    Encoding encoding_ = Encoding::Cp932;
    std::vector<Line> lines_;
};

// Reads the file; a missing or unreadable file gives an empty document.
IniDocument loadIniFile(const std::filesystem::path& path);

// Writes the document to `path` by way of a temporary file and a rename (a crash leaves the old
// file or the new one, never half of one), creating the folder when it is missing. A symbolic
// link is followed, so the linked file is replaced rather than the link. Returns false on failure.
bool saveIniFile(const std::filesystem::path& path, const IniDocument& document);

// Reads the file, lets `change` set its values and writes it back, keeping everything else.
// Refuses (returns false, writes nothing) when the file exists but cannot be read, so that a
// passing read error never wipes the user's file.
bool updateIniFile(const std::filesystem::path& path,
                   const std::function<void(IniDocument&)>& change);

}  // namespace suimei
