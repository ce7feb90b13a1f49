#include "readings/whole_text_file.h"

#include <string_view>
#include <system_error>

#include "core/text_codec.h"

namespace suimei {

WholeTextStatus readWholeTextFile(const std::filesystem::path& path, const std::string& name,
                                  std::vector<std::string>& lines, std::string* error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        if (error) *error = name + " が見つかりません。";
        return WholeTextStatus::Missing;
    }
    const std::optional<std::string> bytes = readFileBytes(path);
    const std::optional<std::string> text = bytes ? decodeTextFile(*bytes) : std::nullopt;
    if (!text) {
        if (error) *error = name + " を読めません。";
        return WholeTextStatus::Unreadable;
    }
    lines = splitLines(*text);
    return WholeTextStatus::Read;
}

bool hasReadableText(const std::vector<std::string>& lines) {
    constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";
    for (const std::string& line : lines) {
        std::string_view rest = line;
        while (!rest.empty()) {
            if (rest.front() == ' ' || rest.front() == '\t') {
                rest.remove_prefix(1);
            } else if (rest.starts_with(kFullWidthSpace)) {
                rest.remove_prefix(kFullWidthSpace.size());
            } else {
                return true;
            }
        }
    }
    return false;
}

}  // namespace suimei
