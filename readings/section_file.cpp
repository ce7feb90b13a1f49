#include "readings/section_file.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "core/text_codec.h"

namespace suimei {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// A file or a line beyond these sizes is no reading text; it is refused, not read into memory.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;
constexpr std::size_t kMaxLineBytes = 64u << 10;
// A file changed within this time of its parse may change again with the same time stamp (the
// file system's clock is coarse), so its parse is not reused until it has been quiet this long.
constexpr auto kSettleTime = std::chrono::seconds(2);

std::string fileNameOf(const std::filesystem::path& file) {
    return file.filename().string();
}

// One section as the file holds it: its body lines in UTF-8 and, when the body is faulty, what is
// wrong (the text after "…の文章"); the lines before the fault are kept.
struct ParsedSection {
    std::vector<std::string> lines;
    std::string fault;
};

// A whole file, parsed once: every key line (a line beginning with "{") with its section, the
// first of equal keys winning; or why the file as a whole is refused.
struct ParsedFile {
    std::filesystem::file_time_type time;
    std::uintmax_t size = 0;
    bool settled = false;
    bool utf8 = false;
    std::string refusal;
    std::unordered_map<std::string, ParsedSection> sections;  // key line in the file's bytes
};

std::atomic<int> parseCount{0};

std::shared_ptr<ParsedFile> parseFile(const std::filesystem::path& file, std::string_view bytes) {
    ++parseCount;
    auto parsed = std::make_shared<ParsedFile>();
    const bool utf8 = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (utf8) bytes.remove_prefix(kUtf8Bom.size());
    parsed->utf8 = utf8;
    ParsedSection* current = nullptr;  // the section being read, nullptr outside or after a fault
    ParsedSection* open = nullptr;     // the section whose closing line is still to come
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size()) {
            pos += (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
        }
        ++lineNo;
        if (line.size() > kMaxLineBytes) {
            parsed->refusal = "ファイル「" + fileNameOf(file) + "」の" + std::to_string(lineNo) +
                              "行目が長すぎます（64KiBを超えています）。読み込みません。";
            parsed->sections.clear();
            return parsed;
        }
        // In CP932 a line whose first byte is '{' begins with the brace: lead bytes are >= 0x81.
        if (!line.empty() && line.front() == '{') {
            const auto [it, added] = parsed->sections.try_emplace(std::string(line));
            current = added ? &it->second : nullptr;
            open = current;
            continue;
        }
        if (!current) continue;
        if (line.empty()) {
            current->fault = "に空の行があります（" + std::to_string(lineNo) + "行目）。";
            current = open = nullptr;
            continue;
        }
        std::optional<std::string> decoded =
            utf8 ? decodeTextFile(std::string(kUtf8Bom) + std::string(line)) : cp932ToUtf8(line);
        if (!decoded) {
            current->fault = "に読めない文字があります（" + std::to_string(lineNo) + "行目）。";
            current = open = nullptr;
            continue;
        }
        current->lines.push_back(std::move(*decoded));
    }
    if (open) open->fault = "が終わらないうちにファイルが終わっています。";
    return parsed;
}

// The parse of `file`, read again only when the file changed (its time stamp or size). nullptr
// when the file cannot be read.
std::shared_ptr<const ParsedFile> parsedFile(const std::filesystem::path& file) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const ParsedFile>> cache;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (ec || !fs::is_regular_file(st)) return nullptr;
    const auto time = fs::last_write_time(file, ec);
    if (ec) return nullptr;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) return nullptr;
    const std::string key = file.string();
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto it = cache.find(key);
        if (it != cache.end() && it->second->settled && it->second->time == time &&
            it->second->size == size) {
            return it->second;
        }
    }
    const auto now = fs::file_time_type::clock::now();
    std::shared_ptr<ParsedFile> parsed;
    if (size > kMaxFileBytes) {
        parsed = std::make_shared<ParsedFile>();
        parsed->refusal = "ファイル「" + fileNameOf(file) +
                          "」が大きすぎます（64MiBを超えています）。読み込みません。";
    } else {
        const auto bytes = readFileBytes(file);
        if (!bytes) return nullptr;
        parsed = parseFile(file, *bytes);
    }
    parsed->time = time;
    parsed->size = size;
    parsed->settled = now - time > kSettleTime;
    const std::lock_guard<std::mutex> lock(mutex);
    // A handful of files are read; a stray run over many paths must not grow the cache forever.
    if (cache.size() >= 32) cache.clear();
    cache[key] = parsed;
    return parsed;
}

// Hands each body line of the section to `deliver`, already in UTF-8. Keys are compared in the
// file's own encoding, byte for byte, on whole lines.
SectionStatus walkSection(const std::filesystem::path& file, std::string_view key,
                          Notifier& notifier,
                          const std::function<void(const std::string&)>& deliver) {
    const std::shared_ptr<const ParsedFile> parsed = parsedFile(file);
    if (!parsed) {
        notifier.error(sectionMissingFileMessage(fileNameOf(file)),
                       std::string(kSectionErrorCaption));
        return SectionStatus::MissingFile;
    }
    if (!parsed->refusal.empty()) {
        notifier.error(parsed->refusal, std::string(kSectionErrorCaption));
        return SectionStatus::FormatError;
    }
    if (key.empty()) return SectionStatus::KeyNotFound;
    std::string wantedLine;
    if (parsed->utf8) {
        wantedLine = std::string(key);
    } else {
        auto encoded = utf8ToCp932(key);
        if (!encoded) return SectionStatus::KeyNotFound;  // no CP932 line can equal it
        wantedLine = std::move(*encoded);
    }
    const auto it = parsed->sections.find(wantedLine);
    if (it == parsed->sections.end()) return SectionStatus::KeyNotFound;
    for (const std::string& line : it->second.lines) deliver(line);
    if (!it->second.fault.empty()) {
        notifier.error("ファイル「" + fileNameOf(file) + "」の" + std::string(key) + "の文章" +
                           it->second.fault,
                       std::string(kSectionErrorCaption));
        return SectionStatus::FormatError;
    }
    return SectionStatus::Found;
}

}  // namespace

int sectionFileParses() {
    return parseCount.load();
}

std::string sectionMissingFileMessage(const std::string& fileName) {
    return "ファイル「" + fileName + "」が見つかりません。";
}

SectionStatus readSectionLines(const std::filesystem::path& file, std::string_view key,
                               std::vector<std::string>& target, Notifier& notifier) {
    return walkSection(file, key, notifier,
                       [&](const std::string& line) { target.push_back(line); });
}

std::optional<std::string> readSectionJoined(const std::filesystem::path& file,
                                             std::string_view key, Notifier& notifier) {
    std::string joined;
    const SectionStatus status =
        walkSection(file, key, notifier, [&](const std::string& line) { joined += line; });
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
