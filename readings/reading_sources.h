#pragma once
// The readable sources of the shipped reading data and their conversion, used by the build:
//
//   data/readings/kanteibun1.txt  one passage per record:
//       @key1<TAB>key2<TAB>bun1        (bun1 and a fourth field etc may be left out)
//       memo line
//       memo line ...                  up to the next '@' line
//     blank lines are ignored, lines beginning with '#' are comments.
//   data/readings/kanteibun1-*.txt further passage sources of the same form, read after
//                                 kanteibun1.txt in name order
//   data/readings/sixty.txt       the sixty-pillar passages in the same form:
//       @sex<TAB>number<TAB>pillar     (男 or 女, 1..60, and the pillar's name 甲子 .. 癸亥)
//   data/readings/kouun.tsv       a header line naming the fields (nid k01 k02 tango1 tango2 hlp1
//                                 hlp2 etc), then one row per line, TAB-separated, 100 rows.
//   data/readings/tengen.txt      the conception-day passages in the same form:
//       @stem<TAB>branch               (甲<TAB>子 .. 癸<TAB>亥), one record per pillar
//   data/text/*.txt               UTF-8 with LF, already in the section grammar; shipped as CP932
//                                 with CRLF.
//
// Every text must have a CP932 form, since the shipped files and tables hold Shift-JIS text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/table_store.h"

namespace suimei {

struct SourceProblem {
    int line = 0;  // 1-based line of the source, 0 for the whole file
    std::string text;
    bool fatal = true;  // false: a warning the build prints and goes on
};

struct PassageSourceRecord {
    int line = 0;
    std::string key1, key2, bun1, etc;
    std::vector<std::string> memoLines;
};

struct PassageSource {
    std::vector<PassageSourceRecord> records;
    std::vector<SourceProblem> problems;
};

// Parses the passage source (UTF-8; a BOM is skipped). Fatal: text before the first record, a
// record line with fewer than two or more than four fields, an empty key1, a character without a
// CP932 form. Warnings: a key or caption longer than its field, a record whose keys repeat an
// earlier one (never read: the first wins), a record without a passage.
PassageSource parsePassageSource(std::string_view text);

// Appends the records of `next` (a source read after those already in `merged`) to `merged`,
// except those whose key1 and key2 an earlier record holds: the first record keeps the key.
// Returns a warning for each record left out, at its line in `next`.
std::vector<SourceProblem> appendPassageSource(PassageSource& merged, const PassageSource& next);

struct SixtySourceRecord {
    int line = 0;
    std::string sex;  // 男 or 女
    int number = 0;   // sexagenary number 1..60
    std::vector<std::string> memoLines;
};

struct SixtySource {
    std::vector<SixtySourceRecord> records;
    std::vector<SourceProblem> problems;
};

// Parses the sixty-pillar source: the passage source's grammar and its problems, and fatal too: a
// sex other than 男 or 女, a number outside 1..60, a pillar name that is not the number's.
SixtySource parseSixtySource(std::string_view text);

// Parses the conception-day source data/readings/tengen.txt: the passage source's grammar with
// key1 a stem name and key2 a branch name (甲 子, the optional caption their pillar name), and
// its problems. Fatal too: a stem or branch name that is not one, a pair of unlike polarity (no
// such pillar). Warnings: each of the sixty pillars without a record.
PassageSource parseConceptionDaySource(std::string_view text);

struct ImagerySource {
    std::vector<Record> rows;  // by field name of the annual imagery table
    std::vector<SourceProblem> problems;
};

// Parses the annual imagery source. Fatal: a header without the table's field names, a row with
// more fields than the header, a character without a CP932 form. Warning: not exactly 100 rows.
ImagerySource parseImagerySource(std::string_view text);

// Appends the records in source order, memo lines joined by "\n", in one transaction.
bool fillPassageTable(Table& table, const PassageSource& source, std::string* error = nullptr);
bool fillSixtyTable(Table& table, const SixtySource& source, std::string* error = nullptr);
bool fillImageryTable(Table& table, const ImagerySource& source, std::string* error = nullptr);
// tengen.db: item1 the stem name, item2 the branch name, memo the passage.
bool fillConceptionDayTable(Table& table, const PassageSource& source,
                            std::string* error = nullptr);

struct SectionText {
    std::optional<std::string>
        cp932;  // the file to ship, CP932 with CRLF; nullopt on a fatal error
    std::vector<SourceProblem> problems;
};

// Checks a sectioned reading source against the grammar and converts it. Fatal: an empty line
// inside a section, a last section without a closing "{" line, a character without a CP932 form.
// Blank lines at the very end are dropped. Warning: a key line that repeats an earlier one.
SectionText convertSectionSource(std::string_view text);

// The first character of a UTF-8 text that has no CP932 form, nullopt when all have one.
std::optional<std::string> firstCharWithoutCp932(std::string_view text);

}  // namespace suimei
