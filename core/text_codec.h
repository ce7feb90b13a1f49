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
// file. The temporary file gets a random name in the same folder and is created exclusively.
// Returns false on failure (the old file is then untouched and the temporary file removed).
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The one form of every character that CP932 gives back for it: characters with two Unicode forms
// for one CP932 character (〜 and ～, − and －, ¥ and \, ‖ and ∥, — and ―, ¢ and ￠, ...) come
// out as CP932 decodes them, so text stored once reads back the same from either encoding.
// Characters without a CP932 form are kept as they are.
std::string cp932Canonical(std::string_view text);
// True when every character of the UTF-8 text has a CP932 form.
bool hasCp932Form(std::string_view text);

// Joins lines with CRLF after each line and encodes in CP932; nullopt when a line has no CP932
// form.
std::optional<std::string> encodeCp932Lines(const std::vector<std::string>& lines);

}  // namespace suimei
