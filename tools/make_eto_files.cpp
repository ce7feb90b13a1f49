// Build step: writes the perpetual-calendar files <year>.eto for 1900..2100 into the application
// folder from the engine's own astronomy.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "calendar/eto_generation.h"
#include "calendar/old_calendar.h"
#include "core/text_codec.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_eto_files FOLDER FIRST_YEAR LAST_YEAR\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const int first = std::atoi(argv[2]);
    const int last = std::atoi(argv[3]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    suimei::TQrekiMod qreki;
    for (int year = first; year <= last; ++year) {
        const std::string text = suimei::formatEtoFile(suimei::generateEtoYear(year, qreki));
        const auto path = folder / (std::to_string(year) + ".eto");
        if (!suimei::writeFileAtomically(path, text)) {
            std::fprintf(stderr, "make_eto_files: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
