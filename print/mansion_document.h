#pragma once
// The printed page of the lunar-mansion window: the client's name and birth date, the relation
// diagram, and the meaning or the karma text, with the footer line. Always one page: a text too
// long for its space is set smaller, and what still does not fit is cut at a line with "…".

#include <string>
#include <vector>

#include "core/print_document.h"

namespace suimei::print {

struct MansionDocumentContent {
    std::string title;       // the heading, and the print job's name
    std::string clientName;  // printed as name + " 様 "; empty: no name
    std::string birthLine;   // "1985年1月3日　生まれ"
    std::string picturePath;
    std::vector<std::string> lines;  // the chosen text as the window shows it
    std::string practitionerName;
    std::string practitionerTelephone;
};

PrintDocument composeMansionDocument(const MansionDocumentContent& content);

}  // namespace suimei::print
