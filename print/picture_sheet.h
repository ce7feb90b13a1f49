#pragma once
// A window's drawing printed on one page: the client's name, the title, the picture scaled into
// the page keeping its proportions, a few caption lines under it and the footer line.

#include <string>
#include <vector>

#include "core/print_document.h"

namespace suimei::print {

struct PictureSheetContent {
    std::string title;                      // heading and the print job's name
    std::string clientName;                 // printed as name + " 様 "; empty: no name line
    std::string picturePath;                // the drawing as a picture file
    std::vector<std::string> captionLines;  // under the picture; lines beyond the page are left out
    std::string practitionerName;
    std::string practitionerTelephone;
};

PrintDocument composePictureSheet(const PictureSheetContent& content);

}  // namespace suimei::print
