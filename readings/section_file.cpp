#include "readings/section_file.h"

#include <functional>

#include "core/text_codec.h"

namespace suimei {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string fileNameOf(const std::filesystem::path& file) {
    return file.filename().string();
}

// Walks the file and hands each body line of the section to `deliver`, already in UTF-8.
// Keys are compared in the file's own encoding, byte for byte, on whole lines.
SectionStatus walkSection(const std::filesystem::path& file, std::string_view key,
                          Notifier& notifier, const std::function<void(std::string)>& deliver) {
    const auto bytes = readFileBytes(file);
    if (!bytes) {
        notifier.error(sectionMissingFileMessage(fileNameOf(file)),
                       std::string(kSectionErrorCaption));
        return SectionStatus::MissingFile;
    }
    std::string_view text = *bytes;
    const bool utf8 = text.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (utf8) text.remove_prefix(kUtf8Bom.size());
    if (key.empty()) return SectionStatus::KeyNotFound;
    std::string wantedLine;
    if (utf8) {
        wantedLine = std::string(key);
    } else {
        auto encoded = utf8ToCp932(key);
        if (!encoded) return SectionStatus::KeyNotFound;  // no CP932 line can equal it
        wantedLine = std::move(*encoded);
    }

    auto formatError = [&](const std::string& what) {
        notifier.error(
            "ファイル「" + fileNameOf(file) + "」の" + std::string(key) + "の文章" + what,
            std::string(kSectionErrorCaption));
        return SectionStatus::FormatError;
    };

    bool inSection = false;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size()) {
            pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        }
        ++lineNo;
        if (!inSection) {
            inSection = line == wantedLine;
            continue;
        }
        // In CP932 a line whose first byte is '{' begins with the brace: lead bytes are >= 0x81.
        if (!line.empty() && line.front() == '{') return SectionStatus::Found;
        if (line.empty())
            return formatError("に空の行があります（" + std::to_string(lineNo) + "行目）。");
        std::optional<std::string> decoded =
            utf8 ? decodeTextFile(std::string(kUtf8Bom) + std::string(line)) : cp932ToUtf8(line);
        if (!decoded) {
            return formatError("に読めない文字があります（" + std::to_string(lineNo) + "行目）。");
        }
        deliver(std::move(*decoded));
    }
    if (inSection) return formatError("が終わらないうちにファイルが終わっています。");
    return SectionStatus::KeyNotFound;
}

}  // namespace

std::string sectionMissingFileMessage(const std::string& fileName) {
    return "ファイル「" + fileName + "」が見つかりません。";
}

SectionStatus readSectionLines(const std::filesystem::path& file, std::string_view key,
                               std::vector<std::string>& target, Notifier& notifier) {
    return walkSection(file, key, notifier,
                       [&](std::string line) { target.push_back(std::move(line)); });
}

std::optional<std::string> readSectionJoined(const std::filesystem::path& file,
                                             std::string_view key, Notifier& notifier) {
    std::string joined;
    const SectionStatus status =
        walkSection(file, key, notifier, [&](std::string line) { joined += line; });
    switch (status) {
        case SectionStatus::Found:
            return joined;
        case SectionStatus::KeyNotFound:
            return std::string();
        case SectionStatus::MissingFile:
        case SectionStatus::FormatError:
            break;
    }
    return std::nullopt;
}

}  // namespace suimei
