#include "core/text_codec.h"

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>

namespace suimei {

namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    out.resize(in.size() * 2 + 16);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    std::size_t used = 0;
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(used);
    return out;
}

}  // namespace

std::optional<std::string> cp932ToUtf8(std::string_view bytes) {
    return convert("UTF-8", "CP932", bytes);
}

std::optional<std::string> utf8ToCp932(std::string_view text) {
    return convert("CP932", "UTF-8", text);
}

std::optional<std::string> decodeTextFile(std::string_view bytes) {
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
        static_cast<unsigned char>(bytes[1]) == 0xBB &&
        static_cast<unsigned char>(bytes[2]) == 0xBF) {
        std::string_view body = bytes.substr(3);
        if (!convert("UTF-8", "UTF-8", body)) return std::nullopt;
        return std::string(body);
    }
    return cp932ToUtf8(bytes);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return ss.str();
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    // The temporary file is made by mkstemp beside the target: a random name created exclusively,
    // so a file or a link planted under a guessable name is never opened, let alone followed.
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string name = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    auto give_up = [&] {
        ::close(fd);
        ::unlink(name.c_str());
        return false;
    };
    if (::fchmod(fd, 0644) != 0) return give_up();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return give_up();
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return give_up();
    if (::close(fd) != 0) {
        ::unlink(name.c_str());
        return false;
    }
    if (::rename(name.c_str(), path.c_str()) != 0) {
        ::unlink(name.c_str());
        return false;
    }
    return true;
}

std::string cp932Canonical(std::string_view text) {
    bool ascii = true;
    for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(text);
    // CP932 works character by character, so a text that encodes as a whole comes back in the
    // canonical form at once; otherwise each character is tried on its own.
    if (auto bytes = utf8ToCp932(text)) {
        if (auto back = cp932ToUtf8(*bytes)) return *back;
    }
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        len = std::min(len, text.size() - i);
        const std::string_view one = text.substr(i, len);
        std::optional<std::string> back;
        if (auto bytes = utf8ToCp932(one)) back = cp932ToUtf8(*bytes);
        out += back ? *back : std::string(one);
        i += len;
    }
    return out;
}

bool hasCp932Form(std::string_view text) {
    return utf8ToCp932(text).has_value();
}

std::optional<std::string> encodeCp932Lines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const auto& l : lines) {
        joined += l;
        joined += "\r\n";
    }
    return utf8ToCp932(joined);
}

}  // namespace suimei
