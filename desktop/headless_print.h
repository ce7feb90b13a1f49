#pragma once
// Printing without a window: `suimei --print-pdf FILE --document NAME ...` runs the appraisal of
// the client options (the same options as suimei-cli) and writes one document to FILE as a PDF.
//
//   --print-pdf FILE      where the PDF goes
//   --document NAME       one of the names of headlessDocuments()
//   --column N            the luck column 1..12 (luck-memo: only that period)
//   --year Y --month M    the calendars' and the rhythm graph's year and month (default: today's)
//   --whole-year          the calendars' twelve months ("１年分")
//   --cover 0..4          the cover picture
//   --partner-date ...    the partner of the compatibility sheet (as suimei-cli compatibility)
//
// Exit status 0 when the file was written; 1 when the run stopped or the file could not be
// written; 2 for a bad option or a document that is not available (one line on stderr).

#include <functional>
#include <string>
#include <vector>

#include "app/appraisal.h"
#include "app/settings.h"
#include "core/app_paths.h"
#include "core/print_document.h"

namespace suimei {

namespace cli {
class Args;
}

// What a document is made from: the completed run, the settings of the INI file and the options.
struct HeadlessRequest {
    AppraisalRunner& runner;
    const Settings& settings;
    const AppPaths& paths;
    const cli::Args& args;
    std::string clientName;
    CivilDate today;
    int column = 0;  // 0: none given
    int year = 0;
    int month = 0;  // 1..12; 0 for the whole year
    int cover = 0;
};

// Makes the document; an empty document (no page) is reported as not made. Problems go to
// `error` as one line.
using HeadlessMaker =
    std::function<print::PrintDocument(const HeadlessRequest&, std::string& error)>;

struct HeadlessDocument {
    std::string name;
    HeadlessMaker make;
    // Options of its own beyond the common ones (e.g. the partner's).
    std::vector<std::string> flags = {};
    std::vector<std::string> options = {};
};

// The documents that can be printed without a window, by name.
const std::vector<HeadlessDocument>& headlessDocuments();

// True when the command line asks for headless printing.
bool wantsHeadlessPrint(int argc, char** argv);

// Runs the headless print of the command-line words after the program name; returns the exit
// status. A QApplication must exist (the offscreen platform serves).
int runHeadlessPrint(const std::vector<std::string>& words, const AppPaths& paths);

}  // namespace suimei
