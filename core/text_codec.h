#pragma once
// The one place where text changes encoding. Inside the program every string is UTF-8; files of the
// documented formats are CP932 with CRLF line ends (a UTF-8 file with a BOM is accepted too).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace suimei {

// CP932 bytes -> UTF-8; nullopt when the bytes are not valid CP932.
std::optional<std::string> cp932ToUtf8(std::string_view bytes);
// UTF-8 -> CP932 bytes; nullopt when a character has no CP932 form.
std::optional<std::string> utf8ToCp932(std::string_view text);

// Decodes the bytes of a documented text file: UTF-8 when it starts with a BOM (the BOM removed),
// otherwise CP932. nullopt when the bytes cannot be decoded.
std::optional<std::string> decodeTextFile(std::string_view bytes);

// Splits text into lines at CRLF, LF or CR; a last line without an ending is kept, an ending at
// the very end adds no empty line.
std::vector<std::string> splitLines(std::string_view text);

// Reads a whole file as bytes; nullopt when it cannot be opened.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Writes bytes to a file by way of a temporary file and a rename, so a crash never leaves half a
// file. Returns false on failure (the old file is then untouched).
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Joins lines with CRLF after each line and encodes in CP932; nullopt when a line has no CP932
// form.
std::optional<std::string> encodeCp932Lines(const std::vector<std::string>& lines);

}  // namespace suimei
