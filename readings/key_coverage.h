#pragma once
// Key coverage: every key the readers can form from any chart, and a check that each one finds a
// passage in the tables and files of an application directory. A reader added to the program adds
// its keys to formableReadingKeys(), so that no chart can ever ask for a passage that is missing.

#include <string>
#include <vector>

#include "core/app_paths.h"

namespace suimei {

enum class PassageStore {
    Table,          // the passage table: key1 / key2
    SectionFile,    // a sectioned file: key2 is the {section} key, key1 is empty
    AnnualImagery,  // kouun.db: key1 day-stem name, key2 year-stem name (the row's k01 and k02)
    SixtyPillars,   // sixty.DB: key1 the sex 男 or 女, key2 the day pillar's number "1" .. "60"
    TextFile,       // a whole text file below the application folder ("bun/runa1.txt"), no key
};

struct FormableKey {
    std::string readers;  // the readers that form the key, joined by "、"
    PassageStore store = PassageStore::Table;
    std::string file;  // "kanteibun1.db", "nentxt.txt", "kouun.db", "sixty.DB", ...
    std::string key1;
    std::string key2;
};

// Every key of every reader built so far, each once, in reader order. Formed by the readers' own
// key builders over all stems, branches, ten gods, stages, seasons, favour and strength states and
// reading modes; a builder's refusal of a value out of range forms nothing.
std::vector<FormableKey> formableReadingKeys();

struct CoverageGap {
    FormableKey key;
    std::string reason;
};

struct CoverageReport {
    int keysChecked = 0;
    std::vector<CoverageGap> gaps;
};

// Looks every formable key up in the application directory's staged tables and files, the way the
// readers do, and lists each key without a passage: not found, found with an empty text, or
// unreadable (missing store, format error). Never creates or changes a file.
CoverageReport checkReadingCoverage(const AppPaths& paths);

}  // namespace suimei
