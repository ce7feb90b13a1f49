#pragma once
// Sectioned reading files ("nentxt.txt", "daytxt.txt", "memo3.txt", ...): CP932 text with CRLF
// line ends (a UTF-8 file with a BOM is read too), kept in the application directory.
//
//   {1-1}          a key line: the whole line equals the key, braces included
//   body line      every following line up to the next line whose first character is "{"
//   body line      body lines are never empty
//   {1-2}          the next key line closes the section above
//   ...
//   {end}          the last section is closed by a line beginning with "{" as well
//
// Lines before the first key line and sections nobody asks for are skipped; the first section
// with the key wins. A key line begins with "{". Each file is read and parsed once and kept until
// it changes (its time stamp or size); a file larger than 64 MiB or with a line longer than
// 64 KiB is refused with a message.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/notifier.h"

namespace suimei {

enum class SectionStatus {
    Found,        // the section was read to its closing line
    KeyNotFound,  // no line equals the key: an empty reading, no message
    MissingFile,  // the file cannot be opened: error message, nothing shown
    FormatError,  // empty body line, end of file inside the section, or undecodable bytes
};

// How many times a section file has been read and parsed in this process (the cache's tests).
int sectionFileParses();

// Caption of the messages below.
inline constexpr std::string_view kSectionErrorCaption = "鑑定文の読み込み";
// "ファイル「<name>」が見つかりません。"
std::string sectionMissingFileMessage(const std::string& fileName);

// Appends the body lines of section `key` of `file` to `target`, one item per line. On a format
// error the lines read before it stay in `target`. Missing file and format errors are reported
// through `notifier` (error); a key that is not in the file adds nothing and says nothing.
SectionStatus readSectionLines(const std::filesystem::path& file, std::string_view key,
                               std::vector<std::string>& target, Notifier& notifier);

// The body of section `key` joined without any separator. "" when the key is not in the file;
// nullopt after a missing file or a format error (reported through `notifier`), so that no half
// reading is ever shown.
std::optional<std::string> readSectionJoined(const std::filesystem::path& file,
                                             std::string_view key, Notifier& notifier);

}  // namespace suimei
