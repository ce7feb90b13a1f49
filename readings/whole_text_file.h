#pragma once
// Reading texts kept one to a file (the lunar-mansion texts bun/runaN.txt and bun/karN.txt): the
// whole file is the text, CP932 with CRLF at the application folder (UTF-8 with a BOM read too).

#include <filesystem>
#include <string>
#include <vector>

namespace suimei {

enum class WholeTextStatus { Read, Missing, Unreadable };

// Reads the lines of the text file `path` into `lines` (replacing them). `name` is how the file
// is named in the message: on failure `error` gets "<name> が見つかりません。" or
// "<name> を読めません。" and `lines` is left as it was.
WholeTextStatus readWholeTextFile(const std::filesystem::path& path, const std::string& name,
                                  std::vector<std::string>& lines, std::string* error = nullptr);

// True when a text of these lines has something to read (not only blanks).
bool hasReadableText(const std::vector<std::string>& lines);

}  // namespace suimei
