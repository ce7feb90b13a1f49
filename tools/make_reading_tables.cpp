// Build step: stages the reading data in the application directory.
//
//   make_reading_tables passages SOURCE.txt [MORE.txt ...] <app>/bun/kanteibun1.db
//   make_reading_tables sixty    SOURCE.txt  <app>/bun/sixty.DB
//   make_reading_tables imagery  SOURCE.tsv  <app>/bun/kouun.db
//   make_reading_tables tengen   SOURCE.txt  <app>/tengen.db
//   make_reading_tables text     SOURCE.txt  <app>/NAME.txt
//   make_reading_tables document SOURCE      <app>/NAME
//   make_reading_tables rtf      SOURCE.html <app>/NAME.rtf
//   make_reading_tables empty    <app> [passages] [imagery] [sixty] [tengen]
//
// The passage tables are shipped data that the user may edit in their windows, so they are rebuilt
// only when the source is newer than the table (or the table is missing or empty). The text files
// are converted from UTF-8 with LF to CP932 with CRLF; a document (a text shown whole, such as the
// basic-knowledge text) likewise, without the section grammar. "empty" creates the named tables
// empty when they are missing and never touches an existing one. Several passage sources make one
// table, read in the order given; a key already held by an earlier source keeps its first passage.
// The conception-day table has a rule of its own (buildConceptionDayTable).

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app_paths.h"
#include "core/text_codec.h"
#include "print/rtf_text.h"
#include "readings/passage_table.h"
#include "readings/reading_sources.h"

namespace fs = std::filesystem;
using namespace suimei;

namespace {

bool printProblems(const fs::path& source, const std::vector<SourceProblem>& problems) {
    bool fatal = false;
    for (const auto& p : problems) {
        std::fprintf(stderr, "%s:%d: %s: %s\n", source.c_str(), p.line,
                     p.fatal ? "error" : "warning", p.text.c_str());
        fatal = fatal || p.fatal;
    }
    return fatal;
}

void removeTable(const fs::path& db) {
    std::error_code ec;
    fs::remove(db, ec);
    fs::remove(fs::path(db.string() + "-wal"), ec);
    fs::remove(fs::path(db.string() + "-shm"), ec);
}

// The names of the sources a table was last built from, kept beside it, so that a source added
// or taken away rebuilds the table even when every file is older than the table.
fs::path sourceListPath(const fs::path& db) {
    return db.parent_path() / ("." + db.filename().string() + ".sources");
}

std::string sourceList(const std::vector<fs::path>& sources) {
    std::string out;
    for (const auto& s : sources) out += s.filename().string() + "\n";
    return out;
}

// True when the table must be built again from its sources.
bool needsRebuild(const std::vector<fs::path>& sources, const fs::path& db, ReadingTableKind kind) {
    std::error_code ec;
    if (!fs::exists(db, ec)) return true;
    const auto listed = readFileBytes(sourceListPath(db));
    if (!listed || *listed != sourceList(sources)) return true;
    const auto dbTime = fs::last_write_time(db, ec);
    if (ec) return true;
    for (const auto& source : sources) {
        const auto sourceTime = fs::last_write_time(source, ec);
        if (ec || sourceTime > dbTime) return true;
    }
    auto t = Table::open(db, readingTableDef(kind), false);
    return !t || t->recordCount() == 0;
}

// Reads and parses one source; nullopt (its problems printed) when it cannot be used.
template <typename Parse>
auto parseSource(const fs::path& source, Parse parse) -> std::optional<decltype(parse(""))> {
    const auto bytes = readFileBytes(source);
    if (!bytes) {
        std::fprintf(stderr, "make_reading_tables: cannot read %s\n", source.c_str());
        return std::nullopt;
    }
    auto parsed = parse(*bytes);
    if (printProblems(source, parsed.problems)) return std::nullopt;
    return parsed;
}

// Passage sources read in order into one: a later record whose keys an earlier one holds is left
// out with a warning.
std::optional<PassageSource> parsePassageSources(const std::vector<fs::path>& sources) {
    PassageSource merged;
    for (const auto& source : sources) {
        const auto parsed = parseSource(source, parsePassageSource);
        if (!parsed) return std::nullopt;
        printProblems(source, appendPassageSource(merged, *parsed));
    }
    return merged;
}

std::string names(const std::vector<fs::path>& sources) {
    std::string out;
    for (const auto& s : sources) out += (out.empty() ? "" : ", ") + s.filename().string();
    return out;
}

// Fills a new table beside `db` and puts it in the place of `db`; false (the old table left as
// it was) when it cannot be written.
template <typename Parsed, typename Fill>
bool replaceTable(const fs::path& db, ReadingTableKind kind, const Parsed& parsed, Fill fill) {
    std::error_code ec;
    fs::create_directories(db.parent_path(), ec);
    const fs::path staging = db.parent_path() / (db.filename().string() + ".staging");
    removeTable(staging);
    {
        std::string error;
        auto table = Table::open(staging, readingTableDef(kind), true, &error);
        if (!table || !fill(*table, parsed, &error)) {
            std::fprintf(stderr, "make_reading_tables: %s: %s\n", staging.c_str(), error.c_str());
            return false;
        }
    }
    // The finished table replaces the old one in one rename; a stale log of the old one must go.
    fs::remove(fs::path(db.string() + "-wal"), ec);
    fs::remove(fs::path(db.string() + "-shm"), ec);
    fs::rename(staging, db, ec);
    if (ec) {
        std::fprintf(stderr, "make_reading_tables: %s\n", ec.message().c_str());
        return false;
    }
    return true;
}

template <typename ParseAll, typename Fill>
int buildTable(const std::vector<fs::path>& sources, const fs::path& db, ReadingTableKind kind,
               ParseAll parseAll, Fill fill) {
    if (!needsRebuild(sources, db, kind)) {
        std::printf("%s is up to date with %s\n", db.filename().c_str(), names(sources).c_str());
        return 0;
    }
    const auto parsed = parseAll(sources);
    if (!parsed) {
        std::fprintf(stderr, "make_reading_tables: %s not built\n", db.filename().c_str());
        return 1;
    }
    if (!replaceTable(db, kind, *parsed, fill)) return 1;
    if (!writeFileAtomically(sourceListPath(db), sourceList(sources))) {
        std::fprintf(stderr, "make_reading_tables: cannot write %s\n", sourceListPath(db).c_str());
        return 1;
    }
    std::printf("%s built from %s\n", db.filename().c_str(), names(sources).c_str());
    return 0;
}

// FNV-1a (64 bits) of the source text, which is all the conception-day table remembers of it.
std::string sourceFingerprint(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char text[32];
    std::snprintf(text, sizeof text, "fnv1a64 %016llx\n", static_cast<unsigned long long>(hash));
    return text;
}

fs::path fingerprintPath(const fs::path& db) {
    return db.parent_path() / ("." + db.filename().string() + ".source");
}

// tengen.db is the reader's to edit in its own window, so the build replaces it only when the
// text of its source differs from the text it was last built from (a fingerprint kept beside
// it); a newer file time alone, as after a checkout, changes nothing. A table with records but
// without a fingerprint was filled by hand before the build shipped passages: it is kept, and
// its fingerprint taken from the present source. Whenever a table with records is replaced, the
// old one is first copied to tengen.db.bak.
int buildConceptionDayTable(const fs::path& source, const fs::path& db) {
    const auto bytes = readFileBytes(source);
    if (!bytes) {
        std::fprintf(stderr, "make_reading_tables: cannot read %s\n", source.c_str());
        return 1;
    }
    const std::string fingerprint = sourceFingerprint(*bytes);
    const auto kept = readFileBytes(fingerprintPath(db));
    std::error_code ec;
    int records = 0;
    if (fs::exists(db, ec)) {
        std::string error;
        // Opening and closing folds a reader's pending log into the file before it is copied.
        auto table =
            Table::open(db, readingTableDef(ReadingTableKind::ConceptionDay), false, &error);
        if (!table) {
            std::fprintf(stderr, "make_reading_tables: %s: %s (left as it is)\n", db.c_str(),
                         error.c_str());
            return 1;
        }
        records = table->recordCount();
    }
    if (records > 0 && kept && *kept == fingerprint) {
        std::printf("%s is up to date with %s\n", db.filename().c_str(), source.filename().c_str());
        return 0;
    }
    if (records > 0 && !kept) {
        if (!writeFileAtomically(fingerprintPath(db), fingerprint)) {
            std::fprintf(stderr, "make_reading_tables: cannot write %s\n",
                         fingerprintPath(db).c_str());
            return 1;
        }
        std::printf("%s kept: its %d records were not written by the build\n",
                    db.filename().c_str(), records);
        return 0;
    }
    const auto parsed = parseSource(source, parseConceptionDaySource);
    if (!parsed) {
        std::fprintf(stderr, "make_reading_tables: %s not built\n", db.filename().c_str());
        return 1;
    }
    if (records > 0) {
        const fs::path backup = db.string() + ".bak";
        fs::copy_file(db, backup, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            std::fprintf(stderr, "make_reading_tables: cannot keep %s: %s (not rebuilt)\n",
                         backup.c_str(), ec.message().c_str());
            return 1;
        }
        std::printf("%s: the table before it is kept as %s\n", db.filename().c_str(),
                    backup.filename().c_str());
    }
    if (!replaceTable(db, ReadingTableKind::ConceptionDay, *parsed,
                      [](Table& t, const PassageSource& s, std::string* e) {
                          return fillConceptionDayTable(t, s, e);
                      })) {
        return 1;
    }
    if (!writeFileAtomically(fingerprintPath(db), fingerprint)) {
        std::fprintf(stderr, "make_reading_tables: cannot write %s\n", fingerprintPath(db).c_str());
        return 1;
    }
    std::printf("%s built from %s\n", db.filename().c_str(), source.filename().c_str());
    return 0;
}

int convertText(const fs::path& source, const fs::path& target) {
    const auto bytes = readFileBytes(source);
    if (!bytes) {
        std::fprintf(stderr, "make_reading_tables: cannot read %s\n", source.c_str());
        return 1;
    }
    const SectionText converted = convertSectionSource(*bytes);
    if (printProblems(source, converted.problems) || !converted.cp932) {
        std::fprintf(stderr, "make_reading_tables: %s not written\n", target.c_str());
        return 1;
    }
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (!writeFileAtomically(target, *converted.cp932)) {
        std::fprintf(stderr, "make_reading_tables: cannot write %s\n", target.c_str());
        return 1;
    }
    return 0;
}

// A text shown whole: every line kept as it is, shipped in CP932 with CRLF.
int convertDocument(const fs::path& source, const fs::path& target) {
    const auto bytes = readFileBytes(source);
    if (!bytes) {
        std::fprintf(stderr, "make_reading_tables: cannot read %s\n", source.c_str());
        return 1;
    }
    const std::vector<std::string> lines = splitLines(*bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto ch = firstCharWithoutCp932(lines[i])) {
            std::fprintf(stderr, "%s:%zu: error: 「%s」は Shift-JIS で書けない文字です\n",
                         source.c_str(), i + 1, ch->c_str());
            std::fprintf(stderr, "make_reading_tables: %s not written\n", target.c_str());
            return 1;
        }
    }
    const auto cp932 = encodeCp932Lines(lines);
    if (!cp932) return 1;  // every line was checked above
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (!writeFileAtomically(target, *cp932)) {
        std::fprintf(stderr, "make_reading_tables: cannot write %s\n", target.c_str());
        return 1;
    }
    return 0;
}

// A text kept as simple HTML, shipped as RTF (plain ASCII with \uN characters).
int convertRichText(const fs::path& source, const fs::path& target) {
    const auto bytes = readFileBytes(source);
    if (!bytes) {
        std::fprintf(stderr, "make_reading_tables: cannot read %s\n", source.c_str());
        return 1;
    }
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (!writeFileAtomically(target, print::rtfFromSimpleHtml(*bytes))) {
        std::fprintf(stderr, "make_reading_tables: cannot write %s\n", target.c_str());
        return 1;
    }
    return 0;
}

int createEmpty(const fs::path& appDir, const std::vector<std::string>& names) {
    const AppPaths paths(appDir);
    for (const auto& name : names) {
        ReadingTableKind kind;
        if (name == "passages") {
            kind = ReadingTableKind::Passages;
        } else if (name == "imagery") {
            kind = ReadingTableKind::AnnualImagery;
        } else if (name == "sixty") {
            kind = ReadingTableKind::SixtyPillars;
        } else if (name == "tengen") {
            kind = ReadingTableKind::ConceptionDay;
        } else {
            std::fprintf(stderr, "make_reading_tables: unknown table %s\n", name.c_str());
            return 2;
        }
        std::error_code ec;
        const fs::path file = readingTablePath(paths, kind);
        if (fs::exists(file, ec)) continue;
        std::string error;
        if (!openReadingTable(paths, kind, &error)) {
            std::fprintf(stderr, "make_reading_tables: %s\n", error.c_str());
            return 1;
        }
        std::printf("%s created empty\n", file.filename().c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 3 && args[0] == "passages") {
        const std::vector<fs::path> sources(args.begin() + 1, args.end() - 1);
        return buildTable(sources, args.back(), ReadingTableKind::Passages, parsePassageSources,
                          [](Table& t, const PassageSource& s, std::string* e) {
                              return fillPassageTable(t, s, e);
                          });
    }
    if (args.size() == 3 && args[0] == "sixty") {
        return buildTable(
            {args[1]}, args[2], ReadingTableKind::SixtyPillars,
            [](const std::vector<fs::path>& s) { return parseSource(s.front(), parseSixtySource); },
            [](Table& t, const SixtySource& s, std::string* e) { return fillSixtyTable(t, s, e); });
    }
    if (args.size() == 3 && args[0] == "imagery") {
        return buildTable(
            {args[1]}, args[2], ReadingTableKind::AnnualImagery,
            [](const std::vector<fs::path>& s) {
                return parseSource(s.front(), parseImagerySource);
            },
            [](Table& t, const ImagerySource& s, std::string* e) {
                return fillImageryTable(t, s, e);
            });
    }
    if (args.size() == 3 && args[0] == "tengen") return buildConceptionDayTable(args[1], args[2]);
    if (args.size() == 3 && args[0] == "text") return convertText(args[1], args[2]);
    if (args.size() == 3 && args[0] == "document") return convertDocument(args[1], args[2]);
    if (args.size() == 3 && args[0] == "rtf") return convertRichText(args[1], args[2]);
    if (args.size() >= 2 && args[0] == "empty") {
        return createEmpty(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    }
    std::fprintf(stderr,
                 "usage: make_reading_tables passages SOURCE [SOURCE ...] TARGET\n"
                 "       make_reading_tables sixty|imagery|tengen|text|document|rtf SOURCE TARGET\n"
                 "       make_reading_tables empty APP_DIR [passages] [imagery] [sixty] "
                 "[tengen]\n");
    return 2;
}
