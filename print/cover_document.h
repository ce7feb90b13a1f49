#pragma once
// The cover of the appraisal documents: the practitioner's name as its title, "TEL " and the
// telephone number, and the chosen cover picture hyousi/0.bmp .. 4.bmp.

#include <array>
#include <filesystem>
#include <string>

#include "core/print_document.h"

namespace suimei::print {

inline constexpr char kCoverTitle[] = "表紙";
// The covers in the order of their choice; cover i is the picture hyousi/i.bmp.
inline constexpr std::array<const char*, 5> kCoverNames = {
    "表紙（希望）", "表紙（成就）", "表紙（子宝）", "表紙（媚艶）", "表紙（洞察）"};

// hyousi/<cover>.bmp below the application directory; cover 0..4 (others give cover 0's).
std::filesystem::path coverPicturePath(const std::filesystem::path& hyousiDir, int cover);

struct CoverContent {
    std::string practitionerName;  // the title; empty: none
    std::string practitionerTelephone;
    std::string clientName;  // printed as name + " 様"; empty: none
    std::filesystem::path picture;
};

PrintDocument composeCover(const CoverContent& content);

}  // namespace suimei::print
