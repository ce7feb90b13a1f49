// Section files are parsed once per change and refused when they are too large to be reading
// text; mutated files read exactly as a plain walk of the file says.

#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "core/text_codec.h"
#include "readings/section_file.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Sets the file's time stamp well into the past, as for a file that has not changed lately.
void age(const fs::path& file, int hours = 1) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(hours));
}

TEST(SectionFileCache, AFileIsParsedOncePerChange) {
    testing::TempDir dir;
    const fs::path file = dir.write(
        "memo3.txt", *utf8ToCp932("{比肩-長生}\r\n一。\r\n{比肩-沐浴}\r\n二。\r\n{end}\r\n"));
    age(file);
    RecordingNotifier notes;
    const int before = sectionFileParses();
    Lines lines;
    for (int i = 0; i < 50; ++i) readSectionLines(file, "{比肩-長生}", lines, notes);
    EXPECT_EQ(readSectionJoined(file, "{比肩-沐浴}", notes), "二。");
    EXPECT_EQ(sectionFileParses() - before, 1);
    // A changed file is read again: same size, another time stamp.
    dir.write("memo3.txt", *utf8ToCp932("{比肩-長生}\r\n三。\r\n{比肩-沐浴}\r\n四。\r\n{end}\r\n"));
    age(file, 2);
    EXPECT_EQ(readSectionJoined(file, "{比肩-沐浴}", notes), "四。");
    EXPECT_EQ(sectionFileParses() - before, 2);
    EXPECT_TRUE(notes.empty());
}

TEST(SectionFileCache, AFileJustWrittenIsNeverServedStale) {
    testing::TempDir dir;
    RecordingNotifier notes;
    // Same size, written within one tick of the file system's clock: both contents are seen.
    for (const char* body : {"AAA", "BBB", "CCC"}) {
        const fs::path file = dir.write("t.txt", std::string("{1}\r\n") + body + "\r\n{end}\r\n");
        EXPECT_EQ(readSectionJoined(file, "{1}", notes), body);
    }
}

TEST(SectionFileCache, OverlongLinesAndHugeFilesAreRefusedWithAMessage) {
    testing::TempDir dir;
    RecordingNotifier notes;
    const fs::path longLine =
        dir.write("nentxt.txt", "{1}\r\n" + std::string(64 * 1024 + 1, 'a') + "\r\n{end}\r\n");
    EXPECT_EQ(readSectionJoined(longLine, "{1}", notes), std::nullopt);
    EXPECT_NE(notes.lastText().find("2行目が長すぎます"), std::string::npos) << notes.lastText();
    const fs::path fits =
        dir.write("tukitxt.txt", "{1}\r\n" + std::string(64 * 1024, 'a') + "\r\n{end}\r\n");
    EXPECT_EQ(readSectionJoined(fits, "{1}", notes)->size(), 64u * 1024u);

    const fs::path huge = dir.write("memo3.txt", "{1}\r\nx\r\n{end}\r\n");
    fs::resize_file(huge, (64u << 20) + 1);  // sparse: nothing is written
    const int before = sectionFileParses();
    Lines lines;
    EXPECT_EQ(readSectionLines(huge, "{1}", lines, notes), SectionStatus::FormatError);
    EXPECT_NE(notes.lastText().find("大きすぎます"), std::string::npos) << notes.lastText();
    EXPECT_EQ(sectionFileParses(), before) << "not read into memory";
    EXPECT_TRUE(lines.empty());
}

// The plain walk of the file format, as a reader without a cache does it: the reference the
// parsed file must agree with.
SectionStatus referenceWalk(const std::string& bytes, const std::string& key, Lines& out) {
    const Lines raw = splitLines(bytes);
    const auto wanted = utf8ToCp932(key);
    bool in = false;
    std::size_t n = 0;
    for (; n < raw.size(); ++n) {
        if (!raw[n].empty() && raw[n].front() == '{' && raw[n] == *wanted) {
            in = true;
            ++n;
            break;
        }
    }
    if (!in) return SectionStatus::KeyNotFound;
    for (; n < raw.size(); ++n) {
        if (!raw[n].empty() && raw[n].front() == '{') return SectionStatus::Found;
        if (raw[n].empty()) return SectionStatus::FormatError;
        const auto line = cp932ToUtf8(raw[n]);
        if (!line) return SectionStatus::FormatError;
        out.push_back(*line);
    }
    return SectionStatus::FormatError;
}

TEST(SectionFileRobustness, MutatedFilesReadAsThePlainWalkSays) {
    const std::string valid = *utf8ToCp932(
        "前書き\r\n{1-1}\r\n甲子の一。\r\n甲子の二。\r\n{1-3}\r\n甲寅。\r\n{2-2}\r\n乙丑。\r\n{end}"
        "\r\n");
    const Lines keys = {"{1-1}", "{1-3}", "{2-2}", "{end}", "{9-9}"};
    std::mt19937 rng(20261209);
    testing::TempDir dir;
    int mutants = 0, found = 0, refused = 0, disagreements = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string text = valid;
        for (int e = 1 + static_cast<int>(rng() % 3); e > 0; --e) {
            const std::size_t at = rng() % (text.size() + 1);
            switch (rng() % 5) {
                case 0:
                    if (!text.empty()) text[rng() % text.size()] = static_cast<char>(rng() & 0xFF);
                    break;
                case 1:
                    text.insert(at, 1, "{}\r\n\x81"[rng() % 5]);
                    break;
                case 2:
                    text.erase(at, 1 + rng() % 6);
                    break;
                case 3:
                    text.resize(at);
                    break;
                default:
                    text.insert(at, "\r\n");
                    break;
            }
        }
        ++mutants;
        // A fresh name each time: the file is just written, so it is parsed afresh anyway.
        const fs::path file = dir.write("m" + std::to_string(i % 7) + ".txt", text);
        for (const std::string& key : keys) {
            RecordingNotifier notes;
            Lines got, expected;
            const SectionStatus status = readSectionLines(file, key, got, notes);
            const SectionStatus reference = referenceWalk(text, key, expected);
            if (status != reference || got != expected) ++disagreements;
            if (status == SectionStatus::Found) ++found;
            if (status == SectionStatus::FormatError) {
                ++refused;
                EXPECT_EQ(notes.notices.size(), 1u);
            } else {
                EXPECT_TRUE(notes.empty());
            }
        }
    }
    EXPECT_EQ(disagreements, 0);
    EXPECT_GT(found, 1000);
    EXPECT_GT(refused, 100);
    std::printf("section mutants: %d, lookups found %d, refused %d, silent wrong results %d\n",
                mutants, found, refused, disagreements);
}

}  // namespace
}  // namespace suimei
