// Mutated and truncated year files: the loader either refuses them with exactly one notice or reads
// them completely, never crashes and never hands out a half-read year.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "calendar/perpetual_calendar.h"
#include "core/notifier.h"
#include "support/temp_dir.h"

namespace suimei {
namespace {

constexpr const char* kValidFile =
    "S59:1-1\r\n"
    "2-2:6:7:31\r\n1-7:11/29-30,29\r\n3-3:4:12:29\r\n2-2:1/1-29,30\r\n"
    "4-4:5:7:31\r\n1-7:1/29-30,30\r\n5-5:4:9:30\r\n2-2:3/1-30,29\r\n"
    "6-6:5:4:31\r\n2-8:4/1-29,30\r\n7-7:5:8:30\r\n3-3:5/2-30,29\r\n"
    "8-8:7:1:31\r\n3-9:6/3-29,30\r\n9-9:7:11:31\r\n4-4:7/5-30,29\r\n"
    "10-10:7:12:30\r\n5-11:8/6-29,30\r\n1-11:8:4:31\r\n5-5:9/7-30,29\r\n"
    "2-12:7:6:30\r\n6-12:10/8-29,30\r\n3-1:7:1:31\r\n6-6:10/9-30,29\r\n";

// Deterministic mutations of the valid file; std::mt19937's sequence is fixed by the standard and
// only its raw output is used, so every platform sees the same files.
class Mutator {
  public:
    explicit Mutator(std::uint32_t seed) : rng_(seed) {}

    std::string mutate(std::string text) {
        const int edits = 1 + static_cast<int>(below(4));
        for (int i = 0; i < edits; ++i) edit(text);
        return text;
    }

  private:
    std::size_t below(std::size_t n) { return n == 0 ? 0 : rng_() % n; }

    void edit(std::string& t) {
        static const std::array<const char*, 9> numbers = {
            "0",          "13",         "2147483647",
            "2147483648", "4294967296", "99999999999999999999999",
            "-1",         "",           "00000000000000000000001"};
        static const std::string separators = ":-/,\r\n09 +";
        const std::size_t at = below(t.size() + 1);
        switch (below(7)) {
            case 0:  // flip one byte to anything
                if (!t.empty()) t[below(t.size())] = static_cast<char>(rng_() & 0xFF);
                break;
            case 1:  // insert a separator, digit, blank or any byte
                t.insert(at, 1,
                         below(2) ? separators[below(separators.size())]
                                  : static_cast<char>(rng_() & 0xFF));
                break;
            case 2:  // delete a few bytes
                t.erase(at, 1 + below(8));
                break;
            case 3:  // truncate
                t.resize(at);
                break;
            case 4: {  // replace a run of digits by an extreme number
                const std::size_t start = t.find_first_of("0123456789", at);
                if (start == std::string::npos) break;
                std::size_t end = t.find_first_not_of("0123456789", start);
                if (end == std::string::npos) end = t.size();
                t.replace(start, end - start, numbers[below(numbers.size())]);
                break;
            }
            case 5: {  // repeat or drop a whole line
                const std::size_t start = t.rfind('\n', at == 0 ? 0 : at - 1);
                const std::size_t from = start == std::string::npos ? 0 : start + 1;
                std::size_t to = t.find('\n', from);
                to = to == std::string::npos ? t.size() : to + 1;
                const std::string line = t.substr(from, to - from);
                if (below(2)) {
                    t.insert(from, line);
                } else {
                    t.erase(from, to - from);
                }
                break;
            }
            default: {  // a burst of random bytes
                std::string burst;
                for (std::size_t n = 1 + below(16); n > 0; --n) {
                    burst += static_cast<char>(rng_() & 0xFF);
                }
                t.insert(at, burst);
                break;
            }
        }
    }

    std::mt19937 rng_;
};

void expectSoundYear(const EtoYear& y) {
    EXPECT_FALSE(y.eraName.empty());
    EXPECT_TRUE(isStem(y.yearStem) && isBranch(y.yearBranch));
    for (int m = 1; m <= 12; ++m) {
        EXPECT_TRUE(isStem(y.months[m].monthStem) && isBranch(y.months[m].monthBranch));
        EXPECT_TRUE(isBranch(y.months[m].entryBranch));
        EXPECT_TRUE(isStem(y.days[m].firstStem) && isBranch(y.days[m].firstBranch));
    }
}

TEST(PerpetualCalendarRobustness, MutatedFilesFailCleanlyOrParseCompletely) {
    Mutator mutator(20240601);
    int accepted = 0, refused = 0;
    for (int i = 0; i < 6000; ++i) {
        const std::string bytes = mutator.mutate(kValidFile);
        RecordingNotifier notes;
        EtoYear out;
        out.eraName = "untouched";
        const int rc = parseEtoFile(bytes, 2, "fuzz.eto", out, notes);
        if (rc == 0) {
            ++accepted;
            ASSERT_TRUE(notes.empty()) << i;
            expectSoundYear(out);
            // What was accepted is written back and read again unchanged.
            EtoYear again;
            ASSERT_EQ(parseEtoFile(formatEtoFile(out), 2, "again.eto", again, notes), 0) << i;
            EXPECT_EQ(again, out) << i;
        } else {
            ++refused;
            ASSERT_EQ(rc, -1) << i;
            ASSERT_EQ(notes.notices.size(), 1u) << i;
            EXPECT_EQ(notes.notices[0].kind, NoticeKind::Information);
            EXPECT_FALSE(notes.lastText().empty());
            EXPECT_EQ(out.eraName, "untouched") << i;
            EXPECT_EQ(out.yearStem, 0) << i;
        }
    }
    // Both ways must really be exercised for the run to mean anything.
    EXPECT_GT(accepted, 50);
    EXPECT_GT(refused, 3000);
    std::printf("mutated files: %d accepted, %d refused\n", accepted, refused);
}

TEST(PerpetualCalendarRobustness, LookupAfterLoadingMutatedFiles) {
    testing::TempDir dir;
    dir.write("1983.eto", kValidFile);
    dir.write("1985.eto", kValidFile);
    Mutator mutator(7);
    Treki treki;
    for (int i = 0; i < 400; ++i) {
        dir.write("1984.eto", mutator.mutate(kValidFile));
        RecordingNotifier notes;
        const int rc = treki.loadYearFiles(1984, dir.path(), notes);
        ASSERT_TRUE(rc == 0 || rc == -1);
        ASSERT_EQ(notes.notices.size(), rc == 0 ? 0u : 1u) << i;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= 32; d += 3) {
                for (int t = 0; t <= 13; ++t) {
                    BirthPillars p;
                    const bool found = treki.lookupBirthPillars(m, d, t, p);
                    ASSERT_EQ(found, rc == 0);
                    if (!found) continue;
                    ASSERT_TRUE(isStem(p.year.stem) && isBranch(p.year.branch));
                    ASSERT_TRUE(isStem(p.month.stem) && isBranch(p.month.branch));
                    ASSERT_TRUE(isStem(p.day.stem) && isBranch(p.day.branch));
                    ASSERT_EQ(isStem(p.hour.stem), t != 13);
                }
            }
        }
    }
}

}  // namespace
}  // namespace suimei
