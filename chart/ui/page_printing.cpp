#include "chart/ui/page_printing.h"

#include <QImage>

#include "app/settings.h"
#include "chart/family.h"
#include "core/ui/print_picture.h"
#include "print/family_sheet.h"
#include "print/memo_document.h"
#include "print/picture_sheet.h"

namespace suimei {

namespace {

// Every printed document is signed in its footer by the practitioner of the settings.
template <class Content>
Content signedBy(Content content, const Settings& settings) {
    content.practitionerName = settings.practitionerName;
    content.practitionerTelephone = settings.practitionerTelephone;
    return content;
}

}  // namespace

print::PrintDocument luckMemoDocument(const std::vector<std::string>& memoLines,
                                      const std::string& clientName, const Settings& settings) {
    print::MemoDocumentContent content;
    content.title = kLuckMemoPrintTitle;
    content.clientName = clientName;
    content.memoLines = memoLines;
    return print::composeMemoDocument(signedBy(content, settings));
}

print::PrintDocument graphDocument(const QImage& image, const std::string& title,
                                   const std::vector<std::string>& captions,
                                   const std::string& clientName, const Settings& settings) {
    const QString picture = savePrintPicture(image);
    if (picture.isEmpty()) return {};
    print::PictureSheetContent content;
    content.title = title;
    content.clientName = clientName;
    content.picturePath = picture.toStdString();
    content.captionLines = captions;
    return print::composePictureSheet(signedBy(content, settings));
}

print::PrintDocument familyDocument(const FamilyDiagram& diagram,
                                    const std::vector<std::string>& memoLines,
                                    const std::string& clientName, const Settings& settings) {
    print::FamilySheetContent content;
    content.clientName = clientName;
    content.diagram = diagram;
    content.memoLines = memoLines;
    return print::composeFamilySheet(signedBy(content, settings));
}

}  // namespace suimei
