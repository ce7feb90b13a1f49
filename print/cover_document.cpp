#include "print/cover_document.h"

#include "print/document_layout.h"
#include "print/memo_document.h"

namespace suimei::print {

std::filesystem::path coverPicturePath(const std::filesystem::path& hyousiDir, int cover) {
    const int chosen = cover >= 0 && cover < static_cast<int>(kCoverNames.size()) ? cover : 0;
    return hyousiDir / (std::to_string(chosen) + ".bmp");
}

PrintDocument composeCover(const CoverContent& c) {
    PrintDocument doc;
    doc.title = kCoverTitle;
    PrintPage page;
    PrintItem heading = alignedText(kPageLeft, 30, kPageWidth, 16, "鑑　定　書", FontFace::Mincho,
                                    28, Align::Centre);
    page.items.push_back(heading);
    if (!c.clientName.empty()) {
        const std::string name = c.clientName + " 様";
        page.items.push_back(alignedText(kPageLeft, 52, kPageWidth, 10, name, FontFace::Mincho,
                                         fittedPoints(name, kPageWidth, 18, 8), Align::Centre));
    }
    PrintItem picture;
    picture.kind = ItemKind::Picture;
    picture.x = kPageLeft + 15;
    picture.y = 72;
    picture.width = kPageWidth - 30;
    picture.height = 150;
    picture.text = c.picture.string();
    page.items.push_back(picture);
    page.items.push_back(lineItem(kPageLeft + 40, 232, kPageLeft + kPageWidth - 40, 232));
    if (!c.practitionerName.empty()) {
        PrintItem title =
            alignedText(kPageLeft, 238, kPageWidth, 12, c.practitionerName, FontFace::Gothic,
                        fittedPoints(c.practitionerName, kPageWidth, 20, 9), Align::Centre);
        title.bold = true;
        page.items.push_back(title);
    }
    if (!c.practitionerTelephone.empty()) {
        page.items.push_back(alignedText(kPageLeft, 252, kPageWidth, 8,
                                         "TEL " + c.practitionerTelephone, FontFace::Gothic, 13,
                                         Align::Centre));
    }
    doc.pages.push_back(std::move(page));
    addFooters(doc, footerLine(c.practitionerName, c.practitionerTelephone));
    return doc;
}

}  // namespace suimei::print
